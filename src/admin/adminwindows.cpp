#include "admin/adminwindows.h"

#include "admin/admin.h"
#include "admin/bbsj.h"
#include "admin/mryt.h"
#include "admin/role.h"
#include "admin/xtcs.h"
#include "admin/xtwh.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void RegisterAdminWindows()
{
    FunctionWindows::Register<TF_Xtcs>(QStringLiteral("TF_Xtcs"));
    FunctionWindows::Register<TF_Admin>(QStringLiteral("TF_Admin"));
    FunctionWindows::Register<TF_Role>(QStringLiteral("TF_Role"));
    FunctionWindows::Register<TF_Bbsj>(QStringLiteral("TF_Bbsj"));
    FunctionWindows::Register<TF_Xtwh>(QStringLiteral("TF_Xtwh"));
    FunctionWindows::Register<TF_Mryt>(QStringLiteral("TF_Mryt"));
    FunctionWindows::Register<TF_Lxwm>(QStringLiteral("TF_Lxwm"));
    DeclareDatasets({ QStringLiteral("Q_Admin"), QStringLiteral("Q_Role"), QStringLiteral("Q_GoodsPrice") });
}
