#include "pos/poswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "members/smssend.h"
#include "pos/poscrk.h"
#include "pos/posfk.h"
#include "pos/poshb.h"
#include "pos/posjg.h"
#include "pos/poskey.h"
#include "pos/poslsz.h"
#include "pos/posmainform.h"
#include "pos/posselehy.h"
#include "pos/possytj.h"
#include "pos/postc.h"
#include "pos/posth.h"
#include "pos/posxsph.h"
#include "pos/posxstj.h"

void DeclarePosDatasets()
{
    DeclareDatasets({ QStringLiteral("Q_Posxs"), QStringLiteral("Q_PosGoods"), QStringLiteral("Q_PosJg"),
        QStringLiteral("Q_PosJg2"), QStringLiteral("Q_PosJgMx"), QStringLiteral("Q_PosTh"),
        QStringLiteral("Q_PosThImport"), QStringLiteral("Q_PosThImport2"), QStringLiteral("Q_Poscrk"),
        QStringLiteral("Q_Poslsz"), QStringLiteral("Q_Poslsz2"), QStringLiteral("Q_Xstj5"), QStringLiteral("Q_Jbgl"),
        QStringLiteral("Q_PosxsSyy"), QStringLiteral("Q_PosDyxp"), QStringLiteral("Q_PosDyxp2") });
    DeclareDatasets({ QStringLiteral("Q_Nzjs"), QStringLiteral("Q_Possytj"), QStringLiteral("Q_Possytj1"),
        QStringLiteral("Q_Hyxftj"), QStringLiteral("Q_Hyxftj1"), QStringLiteral("Q_Hyxftj2") });
    DeclareDatasets({ QStringLiteral("Q_Postj"), QStringLiteral("Q_Postjmx"), QStringLiteral("Q_Posxsph1"),
        QStringLiteral("Q_Posxsph2"), QStringLiteral("Q_Posxsph3"), QStringLiteral("Q_GClass5") });
}

void InstallPosTillHooks()
{
    TF_PosMainForm::Hooks& hooks = TF_PosMainForm::TillHooks();
    hooks.posFk = posFk;
    hooks.posGD = posGD;
    hooks.posJG = posJG;
    hooks.posHy = posHy;
    hooks.posJb = [](TF_PosMainForm&) {
        FunctionWindows::Open(QStringLiteral("TF_Posxs_Hb"), FunctionWindows::Lifetime::Freed);
    };
}

void RegisterPosWindows()
{
    DeclarePosDatasets();
    InstallPosTillHooks();
    // A paid member sale's message goes through the members' SMS sender.
    PosSmsSend() = [](const QString& text, const QString& mobile) {
        const SmsGateway::Outcome outcome = SmsSender().sendSms(text, mobile);
        if (outcome.sent)
            return QString();
        return outcome.reason.isEmpty() ? QStringLiteral("短信未发送") : outcome.reason;
    };
    FunctionWindows::Register<TF_PosMainForm>(QStringLiteral("TF_PosMainForm"), F_PosMainForm);
    FunctionWindows::Register<TF_PosKey>(QStringLiteral("TF_PosKey"));
    FunctionWindows::Register<TF_Posxs_Fk>(QStringLiteral("TF_Posxs_Fk"));
    FunctionWindows::Register<TF_Posxs_SeleHy>(QStringLiteral("TF_Posxs_SeleHy"));
    FunctionWindows::Register<TF_Posxs_Jg>(QStringLiteral("TF_Posxs_Jg"));
    FunctionWindows::Register<TF_Posxs_Th>(QStringLiteral("TF_Posxs_Th"));
    FunctionWindows::Register<TF_Posxs_Thje>(QStringLiteral("TF_Posxs_Thje"));
    FunctionWindows::Register<TF_Posxs_ThImport>(QStringLiteral("TF_Posxs_ThImport"));
    FunctionWindows::Register<TF_Posxs_Rk>(QStringLiteral("TF_Posxs_Rk"));
    FunctionWindows::Register<TF_Posxs_Ck>(QStringLiteral("TF_Posxs_Ck"));
    FunctionWindows::Register<TF_Posxs_Crk>(QStringLiteral("TF_Posxs_Crk"));
    FunctionWindows::Register<TF_Posxs_Crk_Add>(QStringLiteral("TF_Posxs_Crk_Add"));
    FunctionWindows::Register<TF_Posxs_Lsz>(QStringLiteral("TF_Posxs_Lsz"), F_Posxs_Lsz);
    FunctionWindows::Register<TF_Posxs_Hb>(QStringLiteral("TF_Posxs_Hb"));
    FunctionWindows::Register<TF_Posxs_Syymx>(QStringLiteral("TF_Posxs_Syymx"));
    FunctionWindows::Register<TF_Posxs_Dyxp>(QStringLiteral("TF_Posxs_Dyxp"));
    FunctionWindows::Register<TF_Posxs_Tc>(QStringLiteral("TF_Posxs_Tc"), F_Posxs_Tc);
    FunctionWindows::Register<TF_Posxs_Sytj>(QStringLiteral("TF_Posxs_Sytj"), F_Posxs_Sytj);
    FunctionWindows::Register<TF_Posxs_Hy>(QStringLiteral("TF_Posxs_Hy"), F_Posxs_Hy);
    FunctionWindows::Register<TF_Posxs_Tj>(QStringLiteral("TF_Posxs_Tj"), F_Posxs_Tj);
    FunctionWindows::Register<TF_Posxs_Tjmx>(QStringLiteral("TF_Posxs_Tjmx"));
    FunctionWindows::Register<TF_Posxs_Ph>(QStringLiteral("TF_Posxs_Ph"), F_Posxs_Ph);
}
