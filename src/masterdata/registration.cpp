#include "masterdata/registration.h"

#include "foundation/functionwindows.h"
#include "masterdata/ckgl.h"
#include "masterdata/dept.h"
#include "masterdata/spxxgl.h"
#include "masterdata/user.h"

void RegisterMasterDataWindows()
{
    FunctionWindows::Register<TF_Spxxgl>(QStringLiteral("TF_Spxxgl"), F_Spxxgl);
    FunctionWindows::Register<TF_Ckgl>(QStringLiteral("TF_Ckgl"), F_Ckgl);
    FunctionWindows::Register<TF_User>(QStringLiteral("TF_User"));
    FunctionWindows::Register<TF_Dept>(QStringLiteral("TF_Dept"));
}
