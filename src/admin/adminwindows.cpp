#include "admin/adminwindows.h"

#include "admin/admin.h"
#include "admin/backupwindow.h"
#include "admin/bbsj.h"
#include "admin/mryt.h"
#include "admin/nzjs.h"
#include "admin/qcjz.h"
#include "admin/role.h"
#include "admin/sjql.h"
#include "admin/sjtx.h"
#include "admin/viewlog.h"
#include "admin/xtcs.h"
#include "admin/xtwh.h"
#include "admin/ztgl.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void RegisterAdminWindows()
{
    FunctionWindows::Register<TF_Xtcs>(QStringLiteral("TF_Xtcs"));
    FunctionWindows::Register<TF_Admin>(QStringLiteral("TF_Admin"));
    FunctionWindows::Register<TF_Role>(QStringLiteral("TF_Role"));
    FunctionWindows::Register<TF_Bbsj>(QStringLiteral("TF_Bbsj"));
    FunctionWindows::Register<TF_Xtwh>(QStringLiteral("TF_Xtwh"));
    FunctionWindows::Register<TF_ViewLog>(QStringLiteral("TF_ViewLog"));
    FunctionWindows::Register<TF_Mryt>(QStringLiteral("TF_Mryt"));
    FunctionWindows::Register<TF_Lxwm>(QStringLiteral("TF_Lxwm"));
    FunctionWindows::Register<TF_Sjtx>(QStringLiteral("TF_Sjtx"));
    FunctionWindows::Register<TF_Kcbj>(QStringLiteral("TF_Kcbj"));
    FunctionWindows::Register<TF_Ztgl>(QStringLiteral("TF_Ztgl"));
    FunctionWindows::Register<TF_Backup>(QStringLiteral("TF_Backup"));
    FunctionWindows::Register<TF_Sjql>(QStringLiteral("TF_Sjql"));
    FunctionWindows::Register<TF_Qcjz>(QStringLiteral("TF_Qcjz"));
    FunctionWindows::Register<TF_Nzjs>(QStringLiteral("TF_Nzjs"));
    DeclareDatasets({ QStringLiteral("Q_Admin"), QStringLiteral("Q_Role"), QStringLiteral("Q_GoodsPrice"),
        QStringLiteral("Q_Goods1"), QStringLiteral("Q_Kcsp"), QStringLiteral("Q_Nzjs"), QStringLiteral("Q_Log"),
        QStringLiteral("Q_Sjtx1"), QStringLiteral("Q_Sjtx2"), QStringLiteral("Q_Sjtx3") });
}
