#include "reports/reportswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "reports/jxchz.h"
#include "reports/jxcmx.h"
#include "reports/kccx.h"

void DeclareReportsDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Kccx1"), QStringLiteral("Q_Kccx2"), QStringLiteral("Q_Kcmx"),
        QStringLiteral("Q_GClass5") });
    DeclareDatasets({ QStringLiteral("Q_Jxchz"), QStringLiteral("Q_Jxcmx"), QStringLiteral("Q_GClass6") });
}

void RegisterReportsWindows()
{
    FunctionWindows::Register<TF_Kccx>(QStringLiteral("TF_Kccx"), F_Kccx);
    FunctionWindows::Register<TF_Jxchz>(QStringLiteral("TF_Jxchz"), F_Jxchz);
    FunctionWindows::Register<TF_Jxcmx>(QStringLiteral("TF_Jxcmx"), F_Jxcmx);
    DeclareReportsDatasets();
}
