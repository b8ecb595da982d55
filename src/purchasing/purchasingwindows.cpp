#include "purchasing/purchasingwindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "platform/ui/form.h"
#include "purchasing/cgjh.h"

#include <QTabWidget>
#include <QTimer>

void DeclarePurchasingDatasets()
{
    DeclareDatasets(
        { QStringLiteral("Q_Jhsp"), QStringLiteral("Q_Shdj"), QStringLiteral("Q_Shsp"), QStringLiteral("Q_PdStep2") });
}

void RegisterPurchasingWindows()
{
    DeclarePurchasingDatasets();
    FunctionWindows::Register<TF_Cgjh>(QStringLiteral("TF_Cgjh"), F_Cgjh);
    FunctionWindows::RegisterView(QStringLiteral("TF_Cgjh"), QStringLiteral("pending"), [](Form& f) {
        // Showing prepares the entry tab; the pending tab is turned to afterwards.
        auto* w = static_cast<TF_Cgjh*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab2); });
    });
}
