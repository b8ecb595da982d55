#include "warehouse/warehousewindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "platform/ui/form.h"
#include "warehouse/bsby.h"
#include "warehouse/kcdb.h"
#include "warehouse/kcpd.h"
#include "warehouse/kcpdimportdlg.h"
#include "warehouse/modidate.h"
#include "warehouse/stockadd.h"
#include "warehouse/stocksele.h"

#include <QTabWidget>
#include <QTimer>

void DeclareWarehouseDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Dbsp"), QStringLiteral("Q_Kcdbsh"), QStringLiteral("Q_Kcdbsh2"),
        QStringLiteral("Q_PdStep2"), QStringLiteral("Q_Dbdjb"), QStringLiteral("Q_Dbdjb1"), QStringLiteral("Q_Dbhzb"),
        QStringLiteral("Q_Dbhzb1"), QStringLiteral("Q_Dbmxb"), QStringLiteral("Q_PdStep1"), QStringLiteral("Q_Spxf"),
        QStringLiteral("Q_StockGoods"), QStringLiteral("Q_StockGoods2"), QStringLiteral("Q_StockGoodsClass"),
        QStringLiteral("Q_Bsby"), QStringLiteral("Q_Bsbysh"), QStringLiteral("Q_Bsbysh2"), QStringLiteral("Q_Bsby1"),
        QStringLiteral("Q_BsbyList"), QStringLiteral("Q_BsbyHzb"), QStringLiteral("Q_BsbyList2"),
        QStringLiteral("Q_BsbyList3"), QStringLiteral("Q_Kcpdsp"), QStringLiteral("Q_Kcpd"),
        QStringLiteral("Q_Kcpdsp2"), QStringLiteral("Q_Kcpdcx"), QStringLiteral("Q_Kcpdcx1"),
        QStringLiteral("Q_Kcpdcx2"), QStringLiteral("Q_KcpdImport") });
}

void RegisterWarehouseWindows()
{
    DeclareWarehouseDatasets();
    FunctionWindows::Register<TF_Kcdb>(QStringLiteral("TF_Kcdb"), F_Kcdb);
    FunctionWindows::RegisterView(QStringLiteral("TF_Kcdb"), QStringLiteral("pending"), [](Form& f) {
        // Showing prepares the entry tab; the pending tab is turned to afterwards.
        auto* w = static_cast<TF_Kcdb*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
    FunctionWindows::Register<TF_Kcdb_Cx>(QStringLiteral("TF_Kcdb_Cx"));
    FunctionWindows::Register<TF_Bsby>(QStringLiteral("TF_Bsby"), F_Bsby);
    FunctionWindows::RegisterView(QStringLiteral("TF_Bsby"), QStringLiteral("pending"), [](Form& f) {
        auto* w = static_cast<TF_Bsby*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
    FunctionWindows::Register<TF_Bsby_Cx>(QStringLiteral("TF_Bsby_Cx"));
    FunctionWindows::Register<TF_Kcpd>(QStringLiteral("TF_Kcpd"), F_Kcpd);
    FunctionWindows::RegisterView(QStringLiteral("TF_Kcpd"), QStringLiteral("query"), [](Form& f) {
        auto* w = static_cast<TF_Kcpd*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab3); });
    });
    FunctionWindows::Register<TF_Kcpd_Import>(QStringLiteral("TF_Kcpd_Import"));
    FunctionWindows::Register<TF_ModiDate>(QStringLiteral("TF_ModiDate"));
    FunctionWindows::Register<TF_Kcdb_Sele>(QStringLiteral("TF_Kcdb_Sele"));
    FunctionWindows::Register<TF_Bsby_Sele>(QStringLiteral("TF_Bsby_Sele"));
    FunctionWindows::Register<TF_Kcpd_Sele>(QStringLiteral("TF_Kcpd_Sele"));
    FunctionWindows::Register<TF_Bmly_Sele>(QStringLiteral("TF_Bmly_Sele"));
    FunctionWindows::Register<TF_Bmth_Sele>(QStringLiteral("TF_Bmth_Sele"));
    FunctionWindows::Register<TF_Scrk_Sele>(QStringLiteral("TF_Scrk_Sele"));
    FunctionWindows::Register<TF_Sctk_Sele>(QStringLiteral("TF_Sctk_Sele"));
    FunctionWindows::Register<TF_Kcdb_Add>(QStringLiteral("TF_Kcdb_Add"));
    FunctionWindows::Register<TF_Bsby_Add>(QStringLiteral("TF_Bsby_Add"));
    FunctionWindows::Register<TF_Kcpd_Add>(QStringLiteral("TF_Kcpd_Add"));
    FunctionWindows::Register<TF_Bmly_Add>(QStringLiteral("TF_Bmly_Add"));
    FunctionWindows::Register<TF_Bmth_Add>(QStringLiteral("TF_Bmth_Add"));
    FunctionWindows::Register<TF_Scrk_Add>(QStringLiteral("TF_Scrk_Add"));
}
