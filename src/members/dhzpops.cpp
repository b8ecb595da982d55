#include "members/dhzpops.h"

#include "foundation/datamodule.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/stockservices.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/movingaverage.h"

#include <cmath>

namespace {

Connection& ExchangeDb()
{
    return F_DataModule->ADOConn;
}

QString TodayText()
{
    return Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString ExchangePeriodNotice(const QString& memberSn, const QDate& today)
{
    if (IcCardType.isEmpty() || IcCardType == QLatin1String("0"))
        return QString();
    QString unit = QStringLiteral("d"), word = QStringLiteral("今天");
    if (IcCardType == QLatin1String("2")) {
        unit = QStringLiteral("ww");
        word = QStringLiteral("本周");
    } else if (IcCardType == QLatin1String("3")) {
        unit = QStringLiteral("m");
        word = QStringLiteral("本月");
    }
    bool found = false;
    const QString date = SelectScalar(ExchangeDb(),
        QStringLiteral("select dh_dhrq from jxc_dhd where datediff(:u,dh_dhrq,:today)=0 and hy_sn=:sn order by id"),
        { { QStringLiteral("u"), unit }, { QStringLiteral("today"), today.toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("sn"), memberSn } },
        &found);
    if (!found)
        return QString();
    return word + QStringLiteral("已经兑换过赠品，不能重复兑换，兑换日期【") + date + QStringLiteral("】");
}

void AddGiftLine(const QString& number, const QString& goodsSn, const QString& operatorName)
{
    const SqlParams p { { QStringLiteral("djh"), number }, { QStringLiteral("g"), goodsSn },
        { QStringLiteral("a"), operatorName } };
    bool found = false;
    SelectScalar(
        ExchangeDb(), QStringLiteral("select id from jxc_dhzp where gl_djh=:djh and g_sn=:g and a_name=:a"), p, &found);
    if (found)
        ExchangeDb().Exec(QStringLiteral("update jxc_dhzp set dh_sl=dh_sl+1,dh_jf=dh_jf+dh_zpjf "
                                         "where gl_djh=:djh and g_sn=:g and a_name=:a"),
            p);
    else
        ExchangeDb().Exec(QStringLiteral("insert into jxc_dhzp (gl_djh,g_sn,dh_zpjf,dh_sl,dh_jf,a_name) "
                                         "select :djh,g_sn,coalesce(g_zpjf,0),1,coalesce(g_zpjf,0),:a "
                                         "from jxc_goods where g_sn=:g"),
            p);
}

void SetGiftLineQuantity(qint64 lineId, qint64 quantity)
{
    ExchangeDb().Exec(QStringLiteral("update jxc_dhzp set dh_sl=:n,dh_jf=dh_zpjf*:n where id=:id"),
        { { QStringLiteral("n"), quantity }, { QStringLiteral("id"), lineId } });
}

void DeleteGiftLine(qint64 lineId)
{
    ExchangeDb().Exec(QStringLiteral("delete from jxc_dhzp where id=:id"), { { QStringLiteral("id"), lineId } });
}

void DropGiftLines(const QString& number, const QString& operatorName)
{
    ExchangeDb().Exec(QStringLiteral("delete from jxc_dhzp where gl_djh=:djh and a_name=:a"),
        { { QStringLiteral("djh"), number }, { QStringLiteral("a"), operatorName } });
}

int GiftLineCount(const QString& number, const QString& operatorName)
{
    return SelectScalar(ExchangeDb(), QStringLiteral("select count(*) from jxc_dhzp where gl_djh=:djh and a_name=:a"),
        { { QStringLiteral("djh"), number }, { QStringLiteral("a"), operatorName } })
        .toInt();
}

ExchangeResult SaveGiftExchange(const ExchangeInput& in)
{
    if (in.periodBlocked)
        return { ExchangeOutcome::Refused, QStringLiteral("当前会员在规则时间段内已经兑换过赠品，不能重复兑换！") };
    const SqlParams lines { { QStringLiteral("djh"), in.number }, { QStringLiteral("a"), in.operatorName } };
    if (GiftLineCount(in.number, in.operatorName) == 0)
        return {};
    Query sums(&ExchangeDb());
    OpenWithParams(sums,
        QStringLiteral("select coalesce(sum(dh_jf),0),coalesce(sum(dh_sl),0) from jxc_dhzp "
                       "where gl_djh=:djh and a_name=:a"),
        lines);
    const qint64 points = std::llround(ValueNumber(sums.ValueAt(0, 0)));
    const double quantity = ValueNumber(sums.ValueAt(0, 1));
    if (in.ordinaryCustomer && points != 0)
        return { ExchangeOutcome::Refused, QStringLiteral("您只能兑换积分为0的商品！") };
    QString memberSn = QStringLiteral("100001");
    if (!in.ordinaryCustomer) {
        if (in.card.trimmed().isEmpty())
            return { ExchangeOutcome::Refused, QStringLiteral("请选择会员！") };
        Query m(&ExchangeDb());
        OpenWithParams(m, QStringLiteral("select hy_sn,coalesce(hy_jf,0) from jxc_hyxx where hy_bh=:bh"),
            { { QStringLiteral("bh"), in.card } });
        const qint64 held = m.IsEmpty() ? 0 : qint64(ValueNumber(m.ValueAt(0, 1)));
        if (held < points)
            return { ExchangeOutcome::Refused, QStringLiteral("积分不足，不能兑换！") };
        if (!m.IsEmpty())
            memberSn = m.TextAt(0, 0);
    }

    Connection& db = ExchangeDb();
    const QString today = TodayText();
    Transaction t(db);
    db.Exec(QStringLiteral("insert into jxc_dhd (gl_djh,hy_sn,dh_dhrq,dh_sl,dh_jf,a_name,ck_sn,dh_note) "
                           "values (:djh,:sn,:rq,:sl,:jf,:a,:ck,'兑换')"),
        { { QStringLiteral("djh"), in.number }, { QStringLiteral("sn"), memberSn },
            { QStringLiteral("rq"), Clock::Now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) },
            { QStringLiteral("sl"), quantity }, { QStringLiteral("jf"), double(points) },
            { QStringLiteral("a"), in.operatorName }, { QStringLiteral("ck"), in.warehouseSn } });
    db.Exec(QStringLiteral("update jxc_hyxx set hy_jf=hy_jf-:jf where hy_sn=:sn"),
        { { QStringLiteral("jf"), double(points) }, { QStringLiteral("sn"), memberSn } });

    const SqlParams docInWarehouse { { QStringLiteral("djh"), in.number }, { QStringLiteral("a"), in.operatorName },
        { QStringLiteral("ck"), in.warehouseSn } };
    Query cost(&db);
    OpenWithParams(cost,
        QStringLiteral("select coalesce(sum(a.dh_sl),0),coalesce(sum(a.dh_sl*b.kc_cbj),0) from jxc_dhzp a,jxc_kcsp b "
                       "where a.g_sn=b.g_sn and b.ck_sn=:ck and a.gl_djh=:djh and a.a_name=:a"),
        docInWarehouse);
    const double costQty = ValueNumber(cost.ValueAt(0, 0));
    const double costValue = ValueNumber(cost.ValueAt(0, 1));
    if (std::round(costValue * 100) != 0)
        db.Exec(QStringLiteral("insert into jxc_yyfy (gl_djh,fy_rq,fy_lx,fy_je,u_sn,fy_note,a_name,fy_sc,fy_flag,"
                               "de_sn,fy_kmmc,fy_chk) values (:djh,:rq,'费用',:je,:u,:note,:a,'费用','1','100001',"
                               "'现金','1')"),
            { { QStringLiteral("djh"), in.number }, { QStringLiteral("rq"), today },
                { QStringLiteral("je"), -costValue }, { QStringLiteral("u"), DefaultUserSn() },
                { QStringLiteral("note"),
                    QStringLiteral("兑换赠品数量 ") + NumberText(costQty) + QStringLiteral(" 的成本费用") },
                { QStringLiteral("a"), in.operatorName } });

    db.Exec(
        QStringLiteral(
            "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,gl_chkrq,g_sn,g_name,g_jm,dw_name,gg_name,color_name,"
            "gl_dj,gl_pjjj,gl_taxdj,gl_sl,gl_sysl,gl_zje,gl_je,gl_lr,gl_tax,gl_taxje,gl_lsj,gl_dqkc,gl_kc,gl_kczje,"
            "gl_sqsl,gl_sqje,gl_dzl,gl_fdmc,u_name,a_name,gl_checker,ck_sn,ck_name,ghs_sn,ghs_name,gl_note) "
            "select 'dh',a.gl_djh,:rq,:rq,c.g_sn,c.g_name,c.g_jm,c.dw_name,c.gg_name,c.color_name,"
            "f.kc_cbj,f.kc_cbj,f.kc_cbj,a.dh_sl,a.dh_sl,a.dh_sl*f.kc_cbj,a.dh_sl*f.kc_cbj,0,0,0,0,0,0,0,0,0,1,'',"
            ":u,a.a_name,:chk,d.ck_sn,d.ck_name,e.hy_sn,e.hy_name,b.dh_note "
            "from jxc_dhzp a,jxc_dhd b,jxc_goods c,jxc_ckxx d,jxc_hyxx e,jxc_kcsp f "
            "where a.gl_djh=b.gl_djh and a.g_sn=c.g_sn and b.ck_sn=d.ck_sn and b.hy_sn=e.hy_sn "
            "and f.g_sn=a.g_sn and f.ck_sn=b.ck_sn and a.gl_djh=:djh and a.a_name=:a order by a.id"),
        { { QStringLiteral("rq"), today }, { QStringLiteral("u"), DefaultUserName() },
            { QStringLiteral("chk"), CurrentAdminName }, { QStringLiteral("djh"), in.number },
            { QStringLiteral("a"), in.operatorName } });

    Query rows(&db);
    OpenWithParams(rows,
        QStringLiteral("select id,g_sn,gl_sl from jxc_goodslist where gl_djh=:djh and gl_flag='dh' order by id"),
        { { QStringLiteral("djh"), in.number } });
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const SqlParams stock { { QStringLiteral("s"), ValueNumber(rows.ValueAt(r, 2)) },
            { QStringLiteral("ck"), in.warehouseSn }, { QStringLiteral("g"), rows.TextAt(r, 1) } };
        // Every ledger row has its stock row: the insert above joins it.
        db.Exec(
            QStringLiteral("update jxc_kcsp set kc_sl=kc_sl-:s,kc_zsl=kc_zsl-:s where ck_sn=:ck and g_sn=:g"), stock);
        db.Exec(QStringLiteral("update jxc_goods set g_kc=g_kc-:s where g_sn=:g"), stock);
        RecalcMovingAverageCost(rows.TextAt(r, 0), QStringLiteral("0"));
    }
    WriteLog(QStringLiteral("增加赠品兑换单") + in.number + QStringLiteral("，共") + QString::number(rows.RecordCount())
        + QStringLiteral("种商品"));
    const QString month = Clock::Today().toString(QStringLiteral("yyyy-MM"));
    PrepareStockRows(month);
    UpdateMonthStockTotals(in.warehouseSn, month);
    t.Commit();
    return { ExchangeOutcome::Saved, QStringLiteral("赠品兑换成功！") };
}
