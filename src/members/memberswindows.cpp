#include "members/memberswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "members/dhzp.h"
#include "members/hyfl.h"
#include "members/hygl.h"
#include "members/hygladd.h"
#include "members/hygldialogs.h"
#include "members/hyglimport.h"
#include "members/hyglzz.h"
#include "members/hyksz.h"
#include "members/hyxf.h"
#include "members/hyxfpl.h"
#include "members/hyyh.h"
#include "members/posprinset.h"
#include "members/sms.h"
#include "members/smscs.h"
#include "members/smssend.h"

void DeclareMembersDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Hyxx"), QStringLiteral("Q_Hyxs"), QStringLiteral("Q_Hyxf"),
        QStringLiteral("Q_Hysr"), QStringLiteral("Q_Posxsd"), QStringLiteral("Q_Jfdh"), QStringLiteral("Q_Hyfl"),
        QStringLiteral("Q_Dhzp"), QStringLiteral("Q_GoodsCX"), QStringLiteral("Q_Importchk"),
        QStringLiteral("Q_ImportData"), QStringLiteral("Q_Import"), QStringLiteral("Q_Hyyh"), QStringLiteral("Q_GhsDJ"),
        QStringLiteral("Q_Goods1"), QStringLiteral("Q_Tssp"), QStringLiteral("Q_Sms"), QStringLiteral("Q_GoodsThxs"),
        QStringLiteral("Q_SmsList") });
}

void RegisterMembersWindows()
{
    DeclareMembersDatasets();
    FunctionWindows::Register<TF_Hygl>(QStringLiteral("TF_Hygl"), F_Hygl);
    FunctionWindows::Register<TF_Dhzp>(QStringLiteral("TF_Dhzp"));
    FunctionWindows::Register<TF_PosPrinSet>(QStringLiteral("TF_PosPrinSet"));
    FunctionWindows::Register<TF_Hygl_Import>(QStringLiteral("TF_Hygl_Import"));
    FunctionWindows::Register<TF_Hygl_Add>(QStringLiteral("TF_Hygl_Add"));
    FunctionWindows::Register<TF_Hygl_Modi>(QStringLiteral("TF_Hygl_Modi"));
    FunctionWindows::Register<TF_Hyxf_pl>(QStringLiteral("TF_Hyxf_pl"));
    FunctionWindows::Register<TF_Hygl_Zz>(QStringLiteral("TF_Hygl_Zz"));
    FunctionWindows::Register<TF_Hygl_Zz2>(QStringLiteral("TF_Hygl_Zz2"));
    FunctionWindows::Register<TF_Hyksz>(QStringLiteral("TF_Hyksz"));
    FunctionWindows::Register<TF_Hyksz_Add>(QStringLiteral("TF_Hyksz_Add"));
    FunctionWindows::Register<TF_Hyksz_Modi>(QStringLiteral("TF_Hyksz_Modi"));
    FunctionWindows::Register<TF_Hyyh_Add>(QStringLiteral("TF_Hyyh_Add"));
    FunctionWindows::Register<TF_Hyyh_Modi>(QStringLiteral("TF_Hyyh_Modi"));
    FunctionWindows::Register<TF_Hyzs>(QStringLiteral("TF_Hyzs"));
    FunctionWindows::Register<TF_Hyzs_Sele>(QStringLiteral("TF_Hyzs_Sele"));
    FunctionWindows::Register<TF_Sms>(QStringLiteral("TF_Sms"));
    FunctionWindows::Register<TF_Hyxf>(QStringLiteral("TF_Hyxf"));
    FunctionWindows::Register<TF_Hygl_Sf>(QStringLiteral("TF_Hygl_Sf"), F_Hygl_Sf);
    FunctionWindows::Register<TF_Sms_Cs>(QStringLiteral("TF_Sms_Cs"));
    FunctionWindows::Register<TF_Sms_Send>(QStringLiteral("TF_Sms_Send"), F_Sms_Send);
}
