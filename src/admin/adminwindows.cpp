#include "admin/adminwindows.h"

#include "admin/admin.h"
#include "admin/bbsj.h"
#include "admin/role.h"
#include "admin/xtcs.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void RegisterAdminWindows()
{
    FunctionWindows::Register<TF_Xtcs>(QStringLiteral("TF_Xtcs"));
    FunctionWindows::Register<TF_Admin>(QStringLiteral("TF_Admin"));
    FunctionWindows::Register<TF_Role>(QStringLiteral("TF_Role"));
    FunctionWindows::Register<TF_Bbsj>(QStringLiteral("TF_Bbsj"));
    DeclareDatasets({ QStringLiteral("Q_Admin"), QStringLiteral("Q_Role"), QStringLiteral("Q_GoodsPrice") });
}
