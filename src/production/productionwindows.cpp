#include "production/productionwindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "production/modidately.h"
#include "production/prodwindow.h"

#include <QTabWidget>
#include <QTimer>

void DeclareProductionDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Bmlysp"), QStringLiteral("Q_Bmlysh"), QStringLiteral("Q_Bmlysh2"),
        QStringLiteral("Q_BmlyDjb"), QStringLiteral("Q_BmlyDjb2"), QStringLiteral("Q_BmlyHzb"),
        QStringLiteral("Q_BmlyHzb2"), QStringLiteral("Q_BmlyMxb"), QStringLiteral("Q_GhsDjFk"),
        QStringLiteral("Q_Bmlycx1"), QStringLiteral("Q_Bmlycx2"), QStringLiteral("Q_Dept2"), QStringLiteral("Q_Scrksp"),
        QStringLiteral("Q_Scrkdwsh"), QStringLiteral("Q_Scrkspwsh"), QStringLiteral("Q_Scrk11"),
        QStringLiteral("Q_Scrk12"), QStringLiteral("Q_Scrk21"), QStringLiteral("Q_Scrk22"), QStringLiteral("Q_Scrk3"),
        QStringLiteral("Q_Sppc") });
}

void RegisterProductionWindows()
{
    DeclareProductionDatasets();
    FunctionWindows::Register<TF_Bmly>(QStringLiteral("TF_Bmly"), F_Bmly);
    FunctionWindows::Register<TF_Bmth>(QStringLiteral("TF_Bmth"), F_Bmth);
    FunctionWindows::Register<TF_Scrk>(QStringLiteral("TF_Scrk"), F_Scrk);
    FunctionWindows::Register<TF_Sctk>(QStringLiteral("TF_Sctk"), F_Sctk);
    FunctionWindows::Register<TF_ModiDateLy>(QStringLiteral("TF_ModiDateLy"));
    FunctionWindows::RegisterView(QStringLiteral("TF_Bmth"), QStringLiteral("pending"), [](Form& f) {
        // Showing prepares the entry tab; the tab of requisitions to return is turned to afterwards.
        auto* w = static_cast<ProdDocWindow*>(&f);
        QTimer::singleShot(0, w, [w] { w->cxPage->setCurrentWidget(w->cxTab4); });
    });
}
