#include "members/batchtopup.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "members/smssend.h"
#include "members/topupops.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"

#include <cmath>

namespace {

struct MemberNow {
    QString name, card, birthday, mobile;
    double balance = 0, points = 0;
};

MemberNow ReadMemberNow(const QString& key, const QString& column)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select hy_name,hy_bh,hy_sr,hy_mobile,hy_zhje,hy_jf from jxc_hyxx where ") + column
        + QStringLiteral("=:k"));
    q.SetParam(QStringLiteral("k"), key);
    q.Open();
    MemberNow m;
    if (q.IsEmpty())
        return m;
    m.name = q.AsString(QStringLiteral("hy_name"));
    m.card = q.AsString(QStringLiteral("hy_bh"));
    m.birthday = q.AsString(QStringLiteral("hy_sr"));
    m.mobile = q.AsString(QStringLiteral("hy_mobile"));
    m.balance = q.AsFloat(QStringLiteral("hy_zhje"));
    m.points = q.AsFloat(QStringLiteral("hy_jf"));
    return m;
}

} // namespace

int RunBatchTopUp(
    const QList<BatchMember>& members, double amount, const QString& note, const std::function<void(int)>& progress)
{
    struct Sent {
        QString sn, mobile;
        qint64 points;
    };
    QList<Sent> toInform;
    int count = 0;
    {
        Transaction t(F_DataModule->ADOConn);
        for (const BatchMember& m : members) {
            TopUpEntry e;
            e.memberSn = m.sn;
            e.memberName = m.name;
            e.methodSn = m.methodSn;
            e.amount = amount;
            e.tenders.cash = amount;
            e.note = note.trimmed();
            e.recalcCash = false;
            const TopUpResult r = RecordTopUp(e);
            ++count;
            if (progress)
                progress(count);
            if (!m.mobile.isEmpty())
                toInform.push_back({ m.sn, m.mobile, r.points });
        }
        if (count > 0)
            RecalcCashBalance(QStringLiteral("现金"), Clock::Today().toString(QStringLiteral("yyyy-MM-dd")));
        t.Commit();
    }
    if (!IsTrue(UseSms) || toInform.isEmpty())
        return count;
    const QString number = NextSmsNumber();
    SmsAction sms;
    for (const Sent& s : toInform) {
        const MemberNow now = ReadMemberNow(s.sn, QStringLiteral("hy_sn"));
        const QString text
            = TopUpSmsText({ now.name, now.card, now.birthday, amount, s.points, now.balance, now.points });
        const QString sentAt = SmsTimeNow();
        sms.Send(text, s.mobile);
        LogMemberSms(number, s.sn, s.mobile, sentAt, text);
    }
    sms.Report();
    return count;
}

QString TransferRefusal(const QString& chosenTarget, const QString& typedTarget, const QString& sourceCard,
    double amount, double sourceBalance)
{
    const QString typed = typedTarget.trimmed();
    // A card typed over the chosen one was never chosen: the money would go elsewhere.
    if (chosenTarget.isEmpty() || (typed != chosenTarget && typed != sourceCard))
        return QStringLiteral("请选择转入会员！");
    if (typed == sourceCard)
        return QStringLiteral("转入会员不能与转出会员相同，请重新输入！");
    if (ScalarBound(QStringLiteral("select hy_bh from jxc_hyxx where hy_bh=:bh and hy_bh<>:src"),
            { { QStringLiteral("bh"), typed }, { QStringLiteral("src"), sourceCard } })
            .isEmpty())
        return QStringLiteral("转入会员不存在，请重新输入！");
    const qint64 cents = std::llround(amount * 100);
    if (cents <= 0)
        return QStringLiteral("转账金额必须大于0！");
    if (cents > std::llround(sourceBalance * 100))
        return QStringLiteral("转账金额不能大于卡内余额！");
    return QString();
}

QString RecordTransfer(const TransferEntry& e)
{
    const QString now = SmsTimeNow();
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    const QString a = NumberText(e.amount);
    const MemberNow source = ReadMemberNow(e.sourceCard, QStringLiteral("hy_bh"));
    const MemberNow target = ReadMemberNow(e.targetCard, QStringLiteral("hy_bh"));
    QString number;
    {
        Transaction t(F_DataModule->ADOConn);
        number = NextDocNo(QStringLiteral("jxc_hyxf"), QStringLiteral("gl_djh"), QStringLiteral("XF"), today);
        const QString insert = QStringLiteral(
            "insert into jxc_hyxf (gl_djh,hy_sn,xf_rq,xf_je,xf_xj,xf_yhje,xf_czk,xf_xyk,xf_djq,a_name,xf_note,xf_zt) "
            "select :djh,hy_sn,:rq,:je,:xj,0,0,0,0,:who,:note,'会员转帐' from jxc_hyxx where hy_bh=:bh");
        ExecBound(insert,
            { { QStringLiteral("djh"), number }, { QStringLiteral("rq"), now }, { QStringLiteral("je"), -e.amount },
                { QStringLiteral("xj"), -e.amount }, { QStringLiteral("who"), CurrentAdminName },
                { QStringLiteral("note"),
                    now + QStringLiteral(":向会员") + e.targetCard + QStringLiteral("转出") + a
                        + QStringLiteral("元") },
                { QStringLiteral("bh"), e.sourceCard } });
        ExecBound(insert,
            { { QStringLiteral("djh"), number }, { QStringLiteral("rq"), now }, { QStringLiteral("je"), e.amount },
                { QStringLiteral("xj"), e.amount }, { QStringLiteral("who"), CurrentAdminName },
                { QStringLiteral("note"),
                    now + QStringLiteral(":由会员") + e.sourceCard + QStringLiteral("转入") + a
                        + QStringLiteral("元") },
                { QStringLiteral("bh"), e.targetCard } });
        ExecBound(QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje-:a where hy_bh=:bh"),
            { { QStringLiteral("a"), e.amount }, { QStringLiteral("bh"), e.sourceCard } });
        ExecBound(QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje+:a where hy_bh=:bh"),
            { { QStringLiteral("a"), e.amount }, { QStringLiteral("bh"), e.targetCard } });
        t.Commit();
    }
    if (!IsTrue(UseSms))
        return number;
    const QString sms = NextSmsNumber();
    SmsAction action;
    auto inform = [&](const QString& card, const MemberNow& m, const QString& text) {
        if (m.mobile.isEmpty())
            return;
        const QString signedText = SignedSms(text);
        const QString sentAt = SmsTimeNow();
        action.Send(signedText, m.mobile);
        const QString sn = ScalarBound(
            QStringLiteral("select hy_sn from jxc_hyxx where hy_bh=:bh"), { { QStringLiteral("bh"), card } });
        LogMemberSms(sms, sn, m.mobile, sentAt, signedText);
    };
    inform(e.sourceCard, source,
        source.name + QStringLiteral(" 您好：您的会员卡：") + e.sourceCard + QStringLiteral(" 转出金额：") + a
            + QStringLiteral("元到其他会员卡。特此提醒！"));
    inform(e.targetCard, target,
        target.name + QStringLiteral(" 您好：您的会员卡：") + e.targetCard
            + QStringLiteral(" 收到从其他会员卡转入的金额：") + a + QStringLiteral("元。特此提醒！"));
    action.Report();
    return number;
}

bool MemberPasswordMatches(const QString& memberSn, const QString& entry)
{
    return !ScalarBound(QStringLiteral("select hy_sn from jxc_hyxx where hy_sn=:sn and coalesce(hy_mm,'')=:mm"),
        { { QStringLiteral("sn"), memberSn }, { QStringLiteral("mm"), ToFullWidthText(entry.trimmed()) } })
                .isEmpty();
}
