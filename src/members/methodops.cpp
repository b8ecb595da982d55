#include "members/methodops.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"

#include <cmath>

QStringList MethodKindTexts()
{
    return { QStringLiteral("存款优惠"), QStringLiteral("消费金额转现金"), QStringLiteral("充值赠送") };
}

bool BonusMethodExists()
{
    return !ScalarBound(QStringLiteral("select id from jxc_hyyh where hh_zl=2"), {}).isEmpty();
}

QString MethodRefusal(const MethodEntry& e, qint64 ownId)
{
    if (e.name.trimmed().isEmpty())
        return QStringLiteral("优惠名称必须填写！");
    if (e.kind == 0 && e.factor <= 0)
        return QStringLiteral("实际存款=所存金额的系数必须大于0！");
    if (e.kind == 1 && (e.spending <= 0 || e.cash <= 0))
        return QStringLiteral("累计消费 和 转换现金必须大于0！");
    const QString name = ToFullWidthText(e.name.trimmed());
    if (ownId == 0) {
        // The code a save would draw cannot be taken; only the name can clash.
        if (!ScalarBound(QStringLiteral("select id from jxc_hyyh where hh_name=:n"), { { QStringLiteral("n"), name } })
                 .isEmpty())
            return QStringLiteral("优惠编号或名称已经存在，不能重复添加！");
    } else if (!ScalarBound(QStringLiteral("select id from jxc_hyyh where hh_name=:n and id<>:id"),
                   { { QStringLiteral("n"), name }, { QStringLiteral("id"), ownId } })
                    .isEmpty()) {
        return QStringLiteral("优惠名称已经存在，不能重复！");
    }
    return QString();
}

QString SaveMethod(const MethodEntry& e, qint64 ownId)
{
    double factor = e.factor, spending = 0, cash = 0;
    QString note = QStringLiteral("实际款=所付存款*") + NumberText(e.factor);
    if (e.kind == 1) {
        factor = 1;
        spending = e.spending;
        cash = e.cash;
        note = QStringLiteral("累计消费 ") + NumberText(spending) + QStringLiteral(" 元，转换现金 ") + NumberText(cash)
            + QStringLiteral(" 元");
    } else if (e.kind == 2) {
        factor = 1;
        note = QStringLiteral("充值赠送金额");
    }
    SqlParams p { { QStringLiteral("n"), ToFullWidthText(e.name.trimmed()) }, { QStringLiteral("k"), e.kind },
        { QStringLiteral("f"), factor }, { QStringLiteral("s"), spending }, { QStringLiteral("c"), cash },
        { QStringLiteral("zl"), MethodKindTexts().value(e.kind) }, { QStringLiteral("note"), note } };
    Transaction t(F_DataModule->ADOConn);
    QString sn;
    if (ownId == 0) {
        sn = GetNextSn(QStringLiteral("jxc_hyyh"), QStringLiteral("hh_sn"));
        p.insert(QStringLiteral("sn"), sn);
        ExecBound(QStringLiteral("insert into jxc_hyyh (hh_sn,hh_name,hh_zl,hh_yh1,hh_yh2,hh_yh3,hh_zlname,hh_note) "
                                 "values (:sn,:n,:k,:f,:s,:c,:zl,:note)"),
            p);
    } else {
        p.insert(QStringLiteral("id"), ownId);
        ExecBound(QStringLiteral("update jxc_hyyh set hh_name=:n,hh_zl=:k,hh_yh1=:f,hh_yh2=:s,hh_yh3=:c,hh_zlname=:zl,"
                                 "hh_note=:note where id=:id"),
            p);
        sn = ScalarBound(
            QStringLiteral("select hh_sn from jxc_hyyh where id=:id"), { { QStringLiteral("id"), ownId } });
    }
    t.Commit();
    return sn;
}

QString MethodDeleteRefusal(const QString& methodSn)
{
    if (methodSn == QLatin1String("100001"))
        return QStringLiteral("该优惠选项是系统默认，不能删除！");
    if (!ScalarBound(QStringLiteral("select id from jxc_hyxx where hh_sn=:sn"), { { QStringLiteral("sn"), methodSn } })
             .isEmpty())
        return QStringLiteral("该优惠选项已存在会员信息，不能删除！");
    return QString();
}

QStringList PayoutModeTexts()
{
    return { QStringLiteral("充值后立即全额赠送"), QStringLiteral("充值后按月赠送"),
        QStringLiteral("充值后按月消费赠送(当月不消费即作废)"), QStringLiteral("充值后按天赠送"),
        QStringLiteral("充值后按天消费赠送(当天不消费即作废)") };
}

QString RuleNote(const RuleEntry& e)
{
    const QString each = NumberText(e.mode == 0 ? 0 : e.instalment);
    QString note = QStringLiteral("充值") + NumberText(e.amount) + QStringLiteral("元赠送") + NumberText(e.bonus)
        + QStringLiteral("元");
    switch (e.mode) {
    case 1:
        return note + QStringLiteral("，按月赠送，每月10日自动到账：") + each + QStringLiteral("元");
    case 2:
        return note + QStringLiteral("，按月赠送，每月消费时到账：") + each + QStringLiteral("元，当月不消费即作废");
    case 3:
        return note + QStringLiteral("，按天赠送，每天自动到账：") + each + QStringLiteral("元");
    case 4:
        return note + QStringLiteral("，按天赠送，每天消费时到账：") + each + QStringLiteral("元，当天不消费即作废");
    default:
        return note;
    }
}

QString RuleRefusal(const RuleEntry& e, qint64 ownId)
{
    if (std::llround(e.amount * 100) < 0 || std::llround(e.bonus * 100) < 0)
        return QStringLiteral("充值金额 赠送金额不能为负数！");
    // Amounts are compared in cents, as the top-ups look them up.
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select id,hs_czje from jxc_hyczzs"));
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
        if (q.AsInteger(QStringLiteral("id")) == ownId)
            continue;
        if (std::llround(q.AsFloat(QStringLiteral("hs_czje")) * 100) == std::llround(e.amount * 100))
            return ownId == 0 ? QStringLiteral("充值金额已经存在，请重新输入！")
                              : QStringLiteral("充值金额不能重复，请重新输入！");
    }
    return QString();
}

void SaveRule(RuleEntry e, qint64 ownId)
{
    if (e.mode == 0)
        e.instalment = 0;
    SqlParams p { { QStringLiteral("a"), e.amount }, { QStringLiteral("b"), e.bonus },
        { QStringLiteral("note"), RuleNote(e) }, { QStringLiteral("i"), e.instalment }, { QStringLiteral("m"), e.mode },
        { QStringLiteral("txt"), PayoutModeTexts().value(e.mode) } };
    Transaction t(F_DataModule->ADOConn);
    if (ownId == 0) {
        p.insert(QStringLiteral("sn"), GetNextSn(QStringLiteral("jxc_hyczzs"), QStringLiteral("hs_sn")));
        ExecBound(QStringLiteral("insert into jxc_hyczzs (hs_sn,hs_czje,hs_zsje,hs_note,hs_myje,hs_zsfs,hs_txt) "
                                 "values (:sn,:a,:b,:note,:i,:m,:txt)"),
            p);
    } else {
        p.insert(QStringLiteral("id"), ownId);
        ExecBound(QStringLiteral("update jxc_hyczzs set hs_czje=:a,hs_zsje=:b,hs_note=:note,hs_myje=:i,hs_zsfs=:m,"
                                 "hs_txt=:txt where id=:id"),
            p);
    }
    t.Commit();
}
