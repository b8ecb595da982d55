#include "reports/reportswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "reports/djcx.h"
#include "reports/fhcb.h"
#include "reports/fhdzd.h"
#include "reports/jxchz.h"
#include "reports/jxcmx.h"
#include "reports/kccx.h"
#include "reports/kccxjs.h"
#include "reports/rktj.h"
#include "reports/stockcheckwindows.h"
#include "reports/xsmltj.h"
#include "reports/ywyxstj.h"

void DeclareReportsDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Kccx1"), QStringLiteral("Q_Kccx2"), QStringLiteral("Q_Kcmx"),
        QStringLiteral("Q_GClass5") });
    DeclareDatasets({ QStringLiteral("Q_Jxchz"), QStringLiteral("Q_Jxcmx"), QStringLiteral("Q_GClass6") });
    // Statements and statistics over the stock ledger, the salesman statistics.
    DeclareDatasets({ QStringLiteral("Q_Rktj"), QStringLiteral("Q_Khxx"), QStringLiteral("Q_Ghsxx"),
        QStringLiteral("Q_GClassA"), QStringLiteral("Q_GClass7"), QStringLiteral("Q_Mltj"), QStringLiteral("Q_Fhtj"),
        QStringLiteral("Q_Xstj"), QStringLiteral("Q_Xstj1"), QStringLiteral("Q_Xstj2"), QStringLiteral("Q_Xstj3"),
        QStringLiteral("Q_Xstj4"), QStringLiteral("Q_Xstj5"), QStringLiteral("Q_Ckjth1") });
    // The stock check list, reopened after a recalculation.
    DeclareDatasets({ QStringLiteral("Q_GhsDjFk") });
    DeclareDatasets({ QStringLiteral("Q_Djcx1"), QStringLiteral("Q_Djcx2") });
}

void RegisterReportsWindows()
{
    FunctionWindows::Register<TF_Kccx>(QStringLiteral("TF_Kccx"), F_Kccx);
    FunctionWindows::Register<TF_Jxchz>(QStringLiteral("TF_Jxchz"), F_Jxchz);
    FunctionWindows::Register<TF_Jxcmx>(QStringLiteral("TF_Jxcmx"), F_Jxcmx);
    DeclareReportsDatasets();
    FunctionWindows::Register<TF_Fhdzd>(QStringLiteral("TF_Fhdzd"), F_Fhdzd);
    FunctionWindows::Register<TF_Shdzd>(QStringLiteral("TF_Shdzd"), F_Shdzd);
    FunctionWindows::Register<TF_Rktj>(QStringLiteral("TF_Rktj"), F_Rktj);
    FunctionWindows::Register<TF_Rkthtj>(QStringLiteral("TF_Rkthtj"), F_Rkthtj);
    FunctionWindows::Register<TF_Cktj>(QStringLiteral("TF_Cktj"), F_Cktj);
    FunctionWindows::Register<TF_Cktktj>(QStringLiteral("TF_Cktktj"), F_Cktktj);
    FunctionWindows::Register<TF_Ywyxstj>(QStringLiteral("TF_Ywyxstj"), F_Ywyxstj);
    FunctionWindows::Register<TF_Xsmltj>(QStringLiteral("TF_Xsmltj"), F_Xsmltj);
    FunctionWindows::Register<TF_Fhcb>(QStringLiteral("TF_Fhcb"), F_Fhcb);
    FunctionWindows::Register<TF_Kccx_Js>(QStringLiteral("TF_Kccx_Js"));
    FunctionWindows::Register<TF_kccx_Hd>(QStringLiteral("TF_kccx_Hd"));
    FunctionWindows::Register<TF_Kccx_Tb>(QStringLiteral("TF_Kccx_Tb"));
    FunctionWindows::Register<TF_Kccx_Dphd>(QStringLiteral("TF_Kccx_Dphd"));
    FunctionWindows::Register<TF_Djcx>(QStringLiteral("TF_Djcx"), F_Djcx);
}
