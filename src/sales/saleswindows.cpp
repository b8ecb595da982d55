#include "sales/saleswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "sales/modidatexs.h"
#include "sales/price.h"
#include "sales/spxs.h"
#include "sales/spxsimport.h"
#include "sales/spxssele.h"
#include "sales/xsdjcx.h"
#include "sales/xsthsearch.h"
#include "sales/yskglsk.h"

#include <QTabWidget>
#include <QTimer>

void DeclareSalesDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Lsxssp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"),
        QStringLiteral("Q_Shspmx"), QStringLiteral("Q_Tempspxf") });
    // The sales and returns query, its advanced search and the return window's lines.
    DeclareDatasets(
        { QStringLiteral("Q_Lsxsd"), QStringLiteral("Q_Lsxssp2"), QStringLiteral("Q_GXsHZ"), QStringLiteral("Q_GList"),
            QStringLiteral("Q_GList2"), QStringLiteral("Q_ChartXsdjcs"), QStringLiteral("Q_GoodsCX"),
            QStringLiteral("Q_GClass5"), QStringLiteral("Q_Xsth"), QStringLiteral("Q_JhImport") });
}

void RegisterSalesWindows()
{
    DeclareSalesDatasets();
    FunctionWindows::Register<TF_Spxs>(QStringLiteral("TF_Spxs"), F_Spxs);
    FunctionWindows::Register<TF_Spxs_Sele>(QStringLiteral("TF_Spxs_Sele"));
    FunctionWindows::Register<TF_Spdd_Sele>(QStringLiteral("TF_Spdd_Sele"));
    FunctionWindows::Register<TF_Price>(QStringLiteral("TF_Price"));
    FunctionWindows::Register<TF_Yskgl_Sk>(QStringLiteral("TF_Yskgl_Sk"));
    FunctionWindows::Register<TF_ModiDateXs>(QStringLiteral("TF_ModiDateXs"));
    FunctionWindows::Register<TF_Xsdjcx>(QStringLiteral("TF_Xsdjcx"));
    FunctionWindows::Register<TF_Xsth_Search>(QStringLiteral("TF_Xsth_Search"));
    FunctionWindows::Register<TF_Spxs_Import>(QStringLiteral("TF_Spxs_Import"));
    // Showing prepares the entry tab; the pending tab is turned to afterwards.
    FunctionWindows::RegisterView(QStringLiteral("TF_Spxs"), QStringLiteral("pending"), [](Form& f) {
        auto* w = static_cast<TF_Spxs*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
}
