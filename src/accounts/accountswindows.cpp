#include "accounts/accountswindows.h"

#include "accounts/fyjsr.h"
#include "accounts/registrationwindows.h"
#include "accounts/xjyh.h"
#include "accounts/yskgl.h"
#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void DeclareAccountsDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Yskdj"), QStringLiteral("Q_Yhzh"), QStringLiteral("Q_Xjyh1"),
        QStringLiteral("Q_Xjyh2"), QStringLiteral("Q_Dhxssp"), QStringLiteral("Q_Ysk"), QStringLiteral("Q_Yskhz"),
        QStringLiteral("Q_Jhsp2"), QStringLiteral("Q_Fysr1"), QStringLiteral("Q_Fysr2"), QStringLiteral("Q_DhxsHZ"),
        QStringLiteral("Q_Fylx") });
}

void RegisterAccountsWindows()
{
    FunctionWindows::Register<TF_Yskdj>(QStringLiteral("TF_Yskdj"), F_Yskdj);
    FunctionWindows::Register<TF_Ysksk>(QStringLiteral("TF_Ysksk"), F_Ysksk);
    FunctionWindows::Register<TF_Yfkdj>(QStringLiteral("TF_Yfkdj"), F_Yfkdj);
    FunctionWindows::Register<TF_Yfkfk>(QStringLiteral("TF_Yfkfk"), F_Yfkfk);
    FunctionWindows::Register<TF_Xjyh>(QStringLiteral("TF_Xjyh"), F_Xjyh);
    FunctionWindows::Register<TF_Yskgl>(QStringLiteral("TF_Yskgl"), F_Yskgl);
    FunctionWindows::Register<TF_Yfkgl>(QStringLiteral("TF_Yfkgl"), F_Yfkgl);
    FunctionWindows::Register<TF_Fyjsr>(QStringLiteral("TF_Fyjsr"), F_Fyjsr);
    DeclareAccountsDatasets();
}
