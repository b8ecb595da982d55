#include "members/memberswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "members/dhzp.h"
#include "members/hyfl.h"
#include "members/hygl.h"
#include "members/hygldialogs.h"
#include "members/hyglimport.h"
#include "members/posprinset.h"

void DeclareMembersDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Hyxx"), QStringLiteral("Q_Hyxs"), QStringLiteral("Q_Hyxf"),
        QStringLiteral("Q_Hysr"), QStringLiteral("Q_Posxsd"), QStringLiteral("Q_Jfdh"), QStringLiteral("Q_Hyfl"),
        QStringLiteral("Q_Dhzp"), QStringLiteral("Q_GoodsCX"), QStringLiteral("Q_Importchk"),
        QStringLiteral("Q_ImportData"), QStringLiteral("Q_Import") });
}

void RegisterMembersWindows()
{
    DeclareMembersDatasets();
    FunctionWindows::Register<TF_Hygl>(QStringLiteral("TF_Hygl"), F_Hygl);
    FunctionWindows::Register<TF_Dhzp>(QStringLiteral("TF_Dhzp"));
    FunctionWindows::Register<TF_PosPrinSet>(QStringLiteral("TF_PosPrinSet"));
    FunctionWindows::Register<TF_Hygl_Import>(QStringLiteral("TF_Hygl_Import"));
}
