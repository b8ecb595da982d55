#include "sales/saleswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "sales/price.h"
#include "sales/spdd.h"
#include "sales/spddmodi.h"
#include "sales/spxs.h"
#include "sales/spxsimportdd.h"
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
    // The order window's query tab and the order take-over share these with the
    // purchase order window, each setting its own statement.
    DeclareDatasets(
        { QStringLiteral("Q_Cgd"), QStringLiteral("Q_Cgsp"), QStringLiteral("Q_Cgsp2"), QStringLiteral("Q_Zjjh") });
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
    FunctionWindows::Register<TF_Spdd>(QStringLiteral("TF_Spdd"), F_Spdd);
    FunctionWindows::Register<TF_Spdd_Modi>(QStringLiteral("TF_Spdd_Modi"));
    FunctionWindows::Register<TF_Spxs_ImportDD>(QStringLiteral("TF_Spxs_ImportDD"));
    FunctionWindows::RegisterView(QStringLiteral("TF_Spdd"), QStringLiteral("query"), [](Form& f) {
        auto* w = static_cast<TF_Spdd*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab3); });
    });
    // Showing prepares the entry tab; the pending tab is turned to afterwards.
    FunctionWindows::RegisterView(QStringLiteral("TF_Spxs"), QStringLiteral("pending"), [](Form& f) {
        auto* w = static_cast<TF_Spxs*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
}
