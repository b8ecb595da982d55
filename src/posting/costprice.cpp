#include "posting/costprice.h"

#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

using namespace posting;

namespace {

bool FixedCost(const QString& goodsSn, double& price)
{
    Query q(&Db());
    q.SetSQL(QStringLiteral("select g_gdcbj,g_jj from jxc_goods where g_sn=:g"));
    q.SetParam(QStringLiteral("g"), goodsSn);
    q.Open();
    if (q.IsEmpty() || ValueNumber(q.ValueAt(0, 0)) == 0)
        return false;
    price = ValueNumber(q.ValueAt(0, 1));
    return true;
}

bool WarehouseOrGoodsCost(const QString& goodsSn, const QString& warehouseSn, double& cost)
{
    return FindNumber(QStringLiteral("select kc_cbj from jxc_kcsp where ck_sn=:ck and g_sn=:g order by id limit 1"),
               { { QStringLiteral("ck"), warehouseSn }, { QStringLiteral("g"), goodsSn } }, cost)
        || FindNumber(QStringLiteral("select g_pjjj from jxc_goods where g_sn=:g order by id limit 1"),
            { { QStringLiteral("g"), goodsSn } }, cost);
}

// The average of the last ledger row of (goods, warehouse) that the condition keeps.
bool LastAverage(
    const QString& goodsSn, const QString& warehouseSn, const QString& condition, const Params& extra, double& cost)
{
    Params p = extra;
    p[QStringLiteral("g")] = goodsSn;
    p[QStringLiteral("ck")] = warehouseSn;
    return FindNumber(QStringLiteral("select gl_pjjj from jxc_goodslist where g_sn=:g and ck_sn=:ck and ") + condition
            + QStringLiteral(" order by gl_kdrq desc,id desc limit 1"),
        p, cost);
}

struct Take {
    double remaining = 0;
    double cost = 0;
};

// Takes from the batches the statement selects (id, gl_sysl, gl_dj, id2, gl_djh), in its order.
void TakeFromBatches(const QString& select, const Params& params, const QString& docNo, const QString& goodsSn,
    const QString& date, const QString& lineId, const QString& kind, Take& take)
{
    if (take.remaining <= 0)
        return;
    Query q(&Db());
    q.SetSQL(select);
    for (auto it = params.begin(); it != params.end(); ++it)
        q.SetParam(it.key(), it.value());
    q.Open();
    for (int r = 0; r < q.RecordCount() && take.remaining > 0; ++r) {
        const double open = ValueNumber(q.ValueAt(r, 1));
        const double price = ValueNumber(q.ValueAt(r, 2));
        const double taken = open >= take.remaining ? take.remaining : open;
        take.cost += taken * price;
        take.remaining -= taken;
        Run(QStringLiteral("update jxc_rklist set gl_sysl=:kept where id=:id"),
            { { QStringLiteral("kept"), Round8(open - taken) }, { QStringLiteral("id"), q.IdAt(r) } });
        Run(QStringLiteral("insert into jxc_cklist (gl_flag,gl_djh,gl_kdrq,g_sn,gl_sl,gl_cbj,gl_zcb,gl_djh2,rkid,ckid) "
                           "values (:k,:djh,:rq,:g,:sl,:cbj,:zcb,:djh2,:rkid,:ckid)"),
            { { QStringLiteral("k"), kind }, { QStringLiteral("djh"), docNo }, { QStringLiteral("rq"), date },
                { QStringLiteral("g"), goodsSn }, { QStringLiteral("sl"), Round8(taken) },
                { QStringLiteral("cbj"), Round8(price) }, { QStringLiteral("zcb"), Round8(take.cost) },
                { QStringLiteral("djh2"), q.TextAt(r, 4) }, { QStringLiteral("rkid"), q.ValueAt(r, 3) },
                { QStringLiteral("ckid"), lineId.toLongLong() } });
    }
}

const QString kOpenBatches
    = QStringLiteral("select id,gl_sysl,gl_dj,id2,gl_djh from jxc_rklist where gl_sysl>0 and g_sn=:g");
const QString kBatchOrder = QStringLiteral(" order by gl_kdrq,id");

void ConsumeInto(const QString& docNo, const QString& goodsSn, const QString& warehouseSn, const QString& date,
    const QString& lineId, const QString& kind, Take& take)
{
    const Params own { { QStringLiteral("g"), goodsSn }, { QStringLiteral("ck"), warehouseSn } };
    TakeFromBatches(
        kOpenBatches + QStringLiteral(" and ck_sn=:ck") + kBatchOrder, own, docNo, goodsSn, date, lineId, kind, take);
    TakeFromBatches(
        kOpenBatches + kBatchOrder, { { QStringLiteral("g"), goodsSn } }, docNo, goodsSn, date, lineId, kind, take);
}

} // namespace

double GetCostPrice(const QString& goodsSn, const QString& warehouseSn, const QString& date)
{
    QString at = date;
    // A day alone counts up to the present moment of that day.
    if (at.size() <= 10)
        at += QStringLiteral(" ") + Clock::Now().toString(QStringLiteral("HH:mm:ss"));
    double cost = 0;
    if (!FixedCost(goodsSn, cost)) {
        const bool found = !IsTrue(UseStockCostOnly)
            && LastAverage(goodsSn, warehouseSn, QStringLiteral("gl_kdrq<=:t"), { { QStringLiteral("t"), at } }, cost);
        if (!found && !WarehouseOrGoodsCost(goodsSn, warehouseSn, cost))
            cost = 0;
    }
    return RoundUp(cost, AmountDecimals);
}

double GetCostPriceAt(const QString& goodsSn, const QString& warehouseSn, const QString& dateTime, const QString& rowId)
{
    double cost = 0;
    if (!FixedCost(goodsSn, cost)) {
        const Params t { { QStringLiteral("t"), dateTime } };
        Params sameMoment = t;
        sameMoment[QStringLiteral("id")] = rowId.toLongLong();
        const bool found = LastAverage(goodsSn, warehouseSn, QStringLiteral("gl_flag<>'qc' and gl_kdrq=:t and id<:id"),
                               sameMoment, cost)
            || LastAverage(goodsSn, warehouseSn, QStringLiteral("gl_flag<>'qc' and gl_kdrq<:t"), t, cost)
            || LastAverage(goodsSn, warehouseSn, QStringLiteral("gl_kdrq<:t"), t, cost)
            || LastAverage(goodsSn, warehouseSn, QStringLiteral("gl_kdrq<=:t"), t, cost)
            || WarehouseOrGoodsCost(goodsSn, warehouseSn, cost);
        if (!found)
            cost = 0;
    }
    return RoundUp(cost, AmountDecimals);
}

void ConsumeFifoBatches(const QString& docNo, const QString& goodsSn, const QString& warehouseSn, const QString& date,
    const QString& lineId, const QString& kind, double qty)
{
    Transaction t(Db());
    const QString day = date.left(10);
    Take take { qty, 0 };
    ConsumeInto(docNo, goodsSn, warehouseSn, day, lineId, kind, take);
    if (kind == QLatin1String("xs")) {
        const Params line { { QStringLiteral("djh"), docNo }, { QStringLiteral("line"), lineId.toLongLong() } };
        if (take.remaining > 0)
            take.cost += take.remaining
                * FirstNumber(
                    QStringLiteral("select ls_cbj from jxc_lsxssp where gl_djh=:djh and id2=:line order by id limit 1"),
                    line);
        Params p = line;
        p[QStringLiteral("zcb")] = Round8(take.cost);
        if (qty != 0) {
            p[QStringLiteral("cbj")] = Round8(take.cost / qty);
            Run(QStringLiteral("update jxc_lsxssp set ls_cbj=:cbj,ls_zcb=:zcb where gl_djh=:djh and id2=:line"), p);
        } else {
            // A line of quantity 0 has no unit cost to derive: it keeps its own.
            Run(QStringLiteral("update jxc_lsxssp set ls_zcb=:zcb where gl_djh=:djh and id2=:line"), p);
        }
    }
    t.Commit();
}

void ConsumeFifoBatchesOfDoc(const QString& docNo, const QString& goodsSn, const QString& warehouseSn,
    const QString& date, const QString& lineId, const QString& sourceDocNo, double qty)
{
    Transaction t(Db());
    const QString day = date.left(10);
    Take take { qty, 0 };
    TakeFromBatches(kOpenBatches + QStringLiteral(" and gl_djh=:src") + kBatchOrder,
        { { QStringLiteral("g"), goodsSn }, { QStringLiteral("src"), sourceDocNo } }, docNo, goodsSn, day, lineId,
        QStringLiteral("ct"), take);
    if (take.remaining > 0)
        ConsumeFifoBatches(docNo, goodsSn, warehouseSn, date, lineId, QStringLiteral("ct"), take.remaining);
    t.Commit();
}

void GetLastPurchasePrice(const QString& docNo, const QString& goodsSn, const QString& warehouseSn, const QString& date,
    const QString&, const QString&, double)
{
    Transaction t(Db());
    const Params p { { QStringLiteral("g"), goodsSn }, { QStringLiteral("d"), date.left(10) } };
    static const QString lines = QStringLiteral(
        "select b.jh_dj from jxc_jhsp b inner join jxc_jhd a on a.gl_djh=b.gl_djh where a.j_status=1 and b.g_sn=:g ");
    double price = 0;
    if (!FindNumber(lines + QStringLiteral("and a.j_jhrq<=:d order by b.id desc limit 1"), p, price)
        && !FindNumber(lines + QStringLiteral("and a.j_jhrq>:d order by b.id limit 1"), p, price)
        && !WarehouseOrGoodsCost(goodsSn, warehouseSn, price))
        price = 0;
    Run(QStringLiteral("update jxc_xsthsp set th_cbj=:p,th_zcb=th_sl*:p where g_sn=:g and gl_djh=:djh"),
        { { QStringLiteral("p"), price }, { QStringLiteral("g"), goodsSn }, { QStringLiteral("djh"), docNo } });
    t.Commit();
}

void CreateGoodsInBatches(const QString& docNo)
{
    Transaction t(Db());
    Query head(&Db());
    head.SetSQL(QStringLiteral("select j_jhrq,ck_sn from jxc_jhd where gl_djh=:djh order by id limit 1"));
    head.SetParam(QStringLiteral("djh"), docNo);
    head.Open();
    if (head.IsEmpty())
        return;
    Run(QStringLiteral(
            "insert into jxc_rklist (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,gl_zje,ck_sn,gl_sysl,gl_dqkc,id2) "
            "select 'cj',gl_djh,:rq,g_sn,jh_je/jh_sl,jh_sl,jh_je,:ck,jh_sl,0,id from jxc_jhsp "
            "where gl_djh=:djh and jh_sl>0 and g_sn<>'00000000' order by id"),
        { { QStringLiteral("rq"), head.TextAt(0, 0).left(10) }, { QStringLiteral("ck"), head.TextAt(0, 1) },
            { QStringLiteral("djh"), docNo } });
    t.Commit();
}

void GiveBackFifoConsumption(const QString& docNo)
{
    Transaction t(Db());
    // A record finds its batch by the batch's document and line together: line ids
    // of different tables can be equal.
    const QString taken = QStringLiteral(
        "from jxc_cklist c where c.gl_djh=:djh and c.gl_djh2=jxc_rklist.gl_djh and c.rkid=jxc_rklist.id2");
    Run(QStringLiteral("update jxc_rklist set gl_sysl=coalesce(gl_sysl,0)+(select coalesce(sum(c.gl_sl),0) ") + taken
            + QStringLiteral(") where exists (select 1 ") + taken + QStringLiteral(")"),
        { { QStringLiteral("djh"), docNo } });
    Run(QStringLiteral("delete from jxc_cklist where gl_djh=:djh"), { { QStringLiteral("djh"), docNo } });
    t.Commit();
}
