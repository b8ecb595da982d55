#include "sales/saleswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "sales/modidatexs.h"
#include "sales/price.h"
#include "sales/spdd.h"
#include "sales/spddmodi.h"
#include "sales/spxs.h"
#include "sales/spxsadd.h"
#include "sales/spxsimport.h"
#include "sales/spxsimportdd.h"
#include "sales/spxssele.h"
#include "sales/xsdjcx.h"
#include "sales/xsth.h"
#include "sales/xsthadd.h"
#include "sales/xsthsearch.h"
#include "sales/xsthsele.h"
#include "sales/yskglsk.h"

#include <QTabWidget>
#include <QTimer>

void DeclareSalesDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Lsxssp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"),
        QStringLiteral("Q_Shspmx"), QStringLiteral("Q_Tempspxf"), QStringLiteral("Q_KhDj"), QStringLiteral("Q_Xssp3"),
        QStringLiteral("Q_GXsHZ"), QStringLiteral("Q_GXsList"), QStringLiteral("Q_GList2"), QStringLiteral("Q_Sppc"),
        QStringLiteral("Q_GoodsXs"), QStringLiteral("Q_Goods2"), QStringLiteral("Q_GCSpxs"), QStringLiteral("Q_Dhxsd"),
        QStringLiteral("Q_Dhxssp") });
    // The sales return window, its browser and query views.
    DeclareDatasets({ QStringLiteral("Q_Xsth"), QStringLiteral("Q_Xsthd"), QStringLiteral("Q_Xsth2"),
        QStringLiteral("Q_GoodsKhHZ"), QStringLiteral("Q_GoodsXsth"), QStringLiteral("Q_GoodsList"),
        QStringLiteral("Q_GoodsTh"), QStringLiteral("Q_Goods2"), QStringLiteral("Q_GoodsClassXsth") });
    // The order window's query tab and the order take-over share these with the
    // purchase order window, each setting its own statement.
    DeclareDatasets(
        { QStringLiteral("Q_Cgd"), QStringLiteral("Q_Cgsp"), QStringLiteral("Q_Cgsp2"), QStringLiteral("Q_Zjjh") });
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
    FunctionWindows::Register<TF_Spxs_Sele2>(QStringLiteral("TF_Spxs_Sele2"));
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
    FunctionWindows::Register<TF_Yskgl_Sk>(QStringLiteral("TF_Yskgl_Sk"));
    FunctionWindows::Register<TF_ModiDateXs>(QStringLiteral("TF_ModiDateXs"));
    FunctionWindows::Register<TF_Xsdjcx>(QStringLiteral("TF_Xsdjcx"));
    FunctionWindows::Register<TF_Xsth_Search>(QStringLiteral("TF_Xsth_Search"));
    FunctionWindows::Register<TF_Spxs_Import>(QStringLiteral("TF_Spxs_Import"));
    FunctionWindows::Register<TF_Spdd_Import>(QStringLiteral("TF_Spdd_Import"));
    FunctionWindows::Register<TF_Spxs_Add>(QStringLiteral("TF_Spxs_Add"), F_Spxs_Add);
    FunctionWindows::Register<TF_Spdd_Add>(QStringLiteral("TF_Spdd_Add"));
    FunctionWindows::Register<TF_Spxs_Add2>(QStringLiteral("TF_Spxs_Add2"));
    // Showing prepares the entry tab; the other tab is turned to afterwards.
    for (const auto& view : { std::pair { QStringLiteral("pending"), 1 }, std::pair { QStringLiteral("query"), 2 } })
        FunctionWindows::RegisterView(QStringLiteral("TF_Spxs"), view.first, [tab = view.second](Form& f) {
            auto* w = static_cast<TF_Spxs*>(&f);
            QTimer::singleShot(0, w, [w, tab] { w->cxPage->setCurrentIndex(tab); });
        });
}
