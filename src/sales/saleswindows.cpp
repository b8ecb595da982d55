#include "sales/saleswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "sales/price.h"
#include "sales/spxs.h"
#include "sales/spxssele.h"
#include "sales/xsth.h"
#include "sales/xsthadd.h"
#include "sales/xsthsele.h"

#include <QTabWidget>
#include <QTimer>

void DeclareSalesDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Lsxssp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"),
        QStringLiteral("Q_Shspmx"), QStringLiteral("Q_Tempspxf") });
    // The sales return window, its browser and query views.
    DeclareDatasets({ QStringLiteral("Q_Xsth"), QStringLiteral("Q_Xsthd"), QStringLiteral("Q_Xsth2"),
        QStringLiteral("Q_GoodsKhHZ"), QStringLiteral("Q_GoodsXsth"), QStringLiteral("Q_GoodsList"),
        QStringLiteral("Q_GoodsTh"), QStringLiteral("Q_Goods2"), QStringLiteral("Q_GoodsClassXsth") });
}

void RegisterSalesWindows()
{
    DeclareSalesDatasets();
    FunctionWindows::Register<TF_Spxs>(QStringLiteral("TF_Spxs"), F_Spxs);
    FunctionWindows::Register<TF_Spxs_Sele>(QStringLiteral("TF_Spxs_Sele"));
    FunctionWindows::Register<TF_Spdd_Sele>(QStringLiteral("TF_Spdd_Sele"));
    FunctionWindows::Register<TF_Price>(QStringLiteral("TF_Price"));
    FunctionWindows::Register<TF_Xsth>(QStringLiteral("TF_Xsth"), F_Xsth);
    FunctionWindows::Register<TF_Xsth_Sele>(QStringLiteral("TF_Xsth_Sele"));
    FunctionWindows::Register<TF_Xsth_Add>(QStringLiteral("TF_Xsth_Add"), F_Xsth_Add);
    // Showing prepares the entry tab; the pending tab is turned to afterwards.
    FunctionWindows::RegisterView(QStringLiteral("TF_Spxs"), QStringLiteral("pending"), [](Form& f) {
        auto* w = static_cast<TF_Spxs*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
}
