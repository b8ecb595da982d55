#include "purchasing/purchasingwindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "platform/ui/form.h"
#include "purchasing/cgjh.h"
#include "purchasing/cgjhadd.h"
#include "purchasing/cgjhsele.h"

#include <QTabWidget>
#include <QTimer>

void DeclarePurchasingDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Jhsp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"),
        QStringLiteral("Q_PdStep2"), QStringLiteral("Q_Tempspxf"), QStringLiteral("Q_Thsp"),
        QStringLiteral("Q_GoodsJh"), QStringLiteral("Q_Goods2"), QStringLiteral("ADOQueryGoodsClass2") });
}

void RegisterPurchasingWindows()
{
    DeclarePurchasingDatasets();
    FunctionWindows::Register<TF_Cgjh>(QStringLiteral("TF_Cgjh"), F_Cgjh);
    FunctionWindows::Register<TF_Cgjh_Sele>(QStringLiteral("TF_Cgjh_Sele"));
    FunctionWindows::Register<TF_Cgjh_Add>(QStringLiteral("TF_Cgjh_Add"));
    FunctionWindows::Register<TF_Cgd_Add>(QStringLiteral("TF_Cgd_Add"));
    FunctionWindows::Register<TF_Cgth_Add>(QStringLiteral("TF_Cgth_Add"));
    FunctionWindows::Register<TF_Cgd_Sele>(QStringLiteral("TF_Cgd_Sele"));
    FunctionWindows::Register<TF_Cgth_Sele>(QStringLiteral("TF_Cgth_Sele"));
    FunctionWindows::RegisterView(QStringLiteral("TF_Cgjh"), QStringLiteral("pending"), [](Form& f) {
        // Showing prepares the entry tab; the pending tab is turned to afterwards.
        auto* w = static_cast<TF_Cgjh*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
}
