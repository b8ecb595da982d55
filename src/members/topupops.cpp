#include "members/topupops.h"

#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "foundation/topup.h"
#include "members/smssend.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "posting/tradecommon.h"

#include "foundation/datamodule.h"

#include <cmath>

namespace {

const QString kCash = QStringLiteral("现金");

bool SameCents(double a, double b)
{
    return std::llround(a * 100) == std::llround(b * 100);
}

} // namespace

MemberMethod ReadMemberMethod(const QString& methodSn)
{
    MemberMethod m;
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select hh_zl,hh_yh1,hh_name from jxc_hyyh where hh_sn=:sn"));
    q.SetParam(QStringLiteral("sn"), methodSn);
    q.Open();
    if (!q.IsEmpty()) {
        m.kind = int(q.AsInteger(QStringLiteral("hh_zl")));
        m.factor = q.AsFloat(QStringLiteral("hh_yh1"));
        m.name = q.AsString(QStringLiteral("hh_name"));
    }
    return m;
}

BonusRule FindBonusRule(double amount)
{
    BonusRule r;
    // Rules are few; comparing in cents here keeps 100.0000001 from missing 100.
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select hs_czje,hs_zsje,hs_zsfs,hs_myje,hs_note from jxc_hyczzs order by id"));
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
        if (!SameCents(q.AsFloat(QStringLiteral("hs_czje")), amount))
            continue;
        r.found = true;
        r.bonus = q.AsFloat(QStringLiteral("hs_zsje"));
        r.mode = int(q.AsInteger(QStringLiteral("hs_zsfs")));
        r.instalment = q.AsFloat(QStringLiteral("hs_myje"));
        r.note = q.AsString(QStringLiteral("hs_note"));
        break;
    }
    return r;
}

qint64 TopUpPoints(double amount)
{
    if (PointsRule != QLatin1String("0"))
        return 0;
    const double per = AmountPerPoint.toDouble();
    if (per <= 0)
        return 0;
    const double q = amount / per;
    return qint64(std::trunc(q + (q >= 0 ? 1e-9 : -1e-9)));
}

TopUpResult RecordTopUp(const TopUpEntry& e)
{
    using posting::Round8;
    const MemberMethod method = ReadMemberMethod(e.methodSn);
    const double a = e.amount;
    double bonus = 0;
    BonusRule rule;
    if (method.kind == 0)
        bonus = (e.credited >= 0 ? e.credited : a * method.factor) - a;
    else if (method.kind == 2) {
        rule = FindBonusRule(a);
        if (rule.found)
            bonus = rule.bonus;
    }
    const bool deferred = rule.found && rule.mode != 0;
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    const bool opening = e.kind == TopUpKind::Opening;

    Transaction t(F_DataModule->ADOConn);
    TopUpResult result;
    result.number = NextDocNo(QStringLiteral("jxc_hyxf"), QStringLiteral("gl_djh"), QStringLiteral("XF"), today);
    result.bonus = bonus;
    QString note = opening ? QStringLiteral("会员开户时充值") : e.note;
    if (deferred)
        note = rule.note;
    posting::InsertRow(QStringLiteral("jxc_hyxf"),
        { { QStringLiteral("gl_djh"), result.number }, { QStringLiteral("hy_sn"), e.memberSn },
            { QStringLiteral("xf_rq"), SmsTimeNow() }, { QStringLiteral("xf_je"), Round8(a) },
            { QStringLiteral("xf_yhje"), deferred ? 0.0 : Round8(bonus) }, { QStringLiteral("xf_djq"), 0 },
            { QStringLiteral("xf_czk"), 0 }, { QStringLiteral("xf_xj"), Round8(e.tenders.cash) },
            { QStringLiteral("xf_xyk"), Round8(e.tenders.card) },
            { QStringLiteral("xf_wxje"), Round8(e.tenders.wechat) },
            { QStringLiteral("xf_zfbje"), Round8(e.tenders.alipay) },
            { QStringLiteral("xf_zlje"), Round8(e.tenders.change) }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("xf_note"), note }, { QStringLiteral("xf_zt"), QStringLiteral("储值卡续费") },
            { QStringLiteral("xf_zsrq"), rule.found ? today : QString() },
            { QStringLiteral("hs_zsfs"), rule.found ? rule.mode : 0 },
            { QStringLiteral("hs_myje"), rule.found ? Round8(rule.instalment) : 0.0 },
            { QStringLiteral("hs_zsje"), Round8(bonus) } });

    posting::trade::MoneyEntry cash;
    cash.docNo = result.number;
    cash.date = today;
    cash.partnerSn = e.memberSn;
    cash.partnerName = e.memberName;
    cash.account = kCash;
    cash.note = opening ? QString() : e.note;
    posting::InsertRow(QStringLiteral("jxc_xjyh"),
        posting::trade::CashRow(cash, opening ? QStringLiteral("会员开户时充值") : QStringLiteral("储值卡续费"), a));
    if (e.recalcCash)
        RecalcCashBalance(kCash, today);

    result.balanceChange = deferred ? a : a + bonus;
    if (opening) {
        // The new member's row holds 0 until the deposit is recorded.
        posting::Run(QStringLiteral("update jxc_hyxx set hy_zhje=:v where hy_sn=:sn"),
            { { QStringLiteral("v"), Round8(result.balanceChange) }, { QStringLiteral("sn"), e.memberSn } });
    } else {
        QString sql = QStringLiteral("update jxc_hyxx set hy_zhje=hy_zhje+:v");
        posting::Params p { { QStringLiteral("v"), Round8(result.balanceChange) },
            { QStringLiteral("sn"), e.memberSn } };
        if (PointsRule == QLatin1String("0")) {
            result.points = TopUpPoints(a);
            sql += QStringLiteral(",hy_jf=hy_jf+:pts,hy_zjf=hy_zjf+:pts");
            p.insert(QStringLiteral("pts"), result.points);
            const QString level = GetMemberLevelByPoints(e.memberSn, result.points);
            if (!level.isEmpty()) {
                sql += QStringLiteral(",hl_sn=:level");
                p.insert(QStringLiteral("level"), level);
            }
        }
        posting::Run(sql + QStringLiteral(" where hy_sn=:sn"), p);
    }
    t.Commit();
    return result;
}

QString TopUpSmsText(const TopUpSmsValues& v)
{
    return SignedSms(FillSmsTemplate(SmsTopUpText,
        { { QStringLiteral("{hyname}"), v.name }, { QStringLiteral("{hybh}"), v.card },
            { QStringLiteral("{hysr}"), v.birthday }, { QStringLiteral("{czje}"), NumberText(v.amount) },
            { QStringLiteral("{bcjf}"), QString::number(v.points) },
            { QStringLiteral("{czkje}"), NumberText(v.balance) },
            { QStringLiteral("{zjf}"), NumberText(v.totalPoints) } }));
}
