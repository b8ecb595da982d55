#include "reports/jxchzrules.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/sqltext.h"
#include "platform/db/transaction.h"
#include "posting/movingaverage.h"
#include "reports/jxcfilters.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace {

const QString kDiscountGoods = QStringLiteral("00000000");

// The eight figures of a scratch row, in the table's order.
enum Figure { Opening, OpeningValue, In, InValue, Out, OutValue, Closing, ClosingValue };
using Figures = std::array<QString, 8>;

class SummaryBuilder {
public:
    explicit SummaryBuilder(const SummaryFilter& f) : f_(f), me_(SqlQuoted(CurrentAdminName)) { }

    // Every ledger statement: the goods text and the warehouses.
    QString Scope() const
    {
        return QStringLiteral(" where 1=1 ") + GoodsTextMatch(QStringLiteral("a"), f_.key, f_.exact)
            + LedgerWarehouseScope(f_.warehouse, QStringLiteral("a"));
    }
    QString InPeriod() const
    {
        return QStringLiteral(" and ") + PeriodCondition(QStringLiteral("a.gl_kdrq"), f_.from, f_.to);
    }

    // One scratch row per goods and warehouse of the rows that match `where`.
    void InsertSums(const Figures& sums, const QString& where) const
    {
        QStringList values;
        for (const QString& s : sums)
            values << (s.isEmpty() ? QStringLiteral("0") : s);
        ExecSQL(QStringLiteral("insert into jxc_jxchz (g_sn,ck_sn,hz_kc,hz_kczje,hz_rksl,hz_rkzje,hz_cksl,hz_ckzje,"
                               "hz_glkc,hz_glkczje,a_name) select a.g_sn,a.ck_sn,")
            + values.join(QLatin1Char(',')) + QLatin1Char(',') + me_ + QStringLiteral(" from jxc_goodslist a") + Scope()
            + InPeriod() + QStringLiteral(" and (") + where + QStringLiteral(") group by a.g_sn,a.ck_sn"));
    }

    void InsertMovement(bool in, const QString& kinds, const QString& valueColumn, bool withoutDiscountGoods) const
    {
        Figures sums;
        sums[in ? In : Out] = QStringLiteral("sum(abs(a.gl_sl))");
        sums[in ? InValue : OutValue] = QStringLiteral("sum(abs(a.") + valueColumn + QStringLiteral("))");
        QString where = kinds;
        if (withoutDiscountGoods)
            where = QStringLiteral("(") + kinds + QStringLiteral(") and a.g_sn<>'00000000'");
        InsertSums(sums, where);
    }

    // The balance after the last ledger row of each goods and warehouse among the
    // rows that `range` admits (the latest date, then the greatest id), through the
    // operator's id list.
    void InsertBalances(const QString& range, Figure qty, Figure value, const QString& pairs = QString()) const
    {
        ClearTempLines();
        ExecSQL(QStringLiteral("insert into jxc_tempspxf (rid,a_name) select max(x.id),") + me_
            + QStringLiteral(" from jxc_goodslist x,(select a.g_sn,a.ck_sn,max(a.gl_kdrq) as kdrq from jxc_goodslist a")
            + Scope() + QStringLiteral(" and a.g_sn<>'00000000' and ") + range + pairs
            + QStringLiteral(" group by a.g_sn,a.ck_sn) y where x.g_sn=y.g_sn and x.ck_sn=y.ck_sn and x.gl_kdrq=y.kdrq "
                             "group by x.g_sn,x.ck_sn"));
        Figures f { QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
            QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0") };
        f[qty] = QStringLiteral("gl_kc");
        f[value] = QStringLiteral("gl_kczje");
        QStringList values(f.begin(), f.end());
        ExecSQL(QStringLiteral("insert into jxc_jxchz (g_sn,ck_sn,hz_kc,hz_kczje,hz_rksl,hz_rkzje,hz_cksl,hz_ckzje,"
                               "hz_glkc,hz_glkczje,a_name) select g_sn,ck_sn,")
            + values.join(QLatin1Char(',')) + QLatin1Char(',') + me_
            + QStringLiteral(" from jxc_goodslist where id in (select rid from jxc_tempspxf where a_name=") + me_
            + QStringLiteral(")"));
    }

    const SummaryFilter& f_;
    QString me_;
};

} // namespace

QString BuildStockSummary(const SummaryFilter& f)
{
    const SummaryBuilder b(f);
    const QString me = b.me_;
    ExecSQL(QStringLiteral("delete from jxc_jxchz where a_name=") + me);

    // The discount goods carries the document-level discounts only.
    Figures discountIn;
    discountIn[InValue] = QStringLiteral("sum(a.gl_je)");
    discountIn[ClosingValue] = QStringLiteral("sum(a.gl_je)");
    b.InsertSums(discountIn, QStringLiteral("a.g_sn='00000000' and a.gl_flag='cj'"));
    Figures discountOut;
    discountOut[OutValue] = QStringLiteral("sum(a.gl_je)");
    discountOut[ClosingValue] = QStringLiteral("sum(abs(a.gl_je))");
    b.InsertSums(discountOut, QStringLiteral("a.g_sn='00000000' and a.gl_flag='xs'"));

    const QString inKinds = QStringLiteral(
        "a.gl_flag in ('cj','lt','sc','jg','ws','by','hh') or (a.gl_flag in ('db','cf','kb') and a.gl_sl>0)");
    const QString salesBack = QStringLiteral("a.gl_flag='xt' or (a.gl_flag='xs' and a.gl_sl<0)");
    const QString outKinds = QStringLiteral("a.gl_flag in ('ct','ly','st','pl','wp','bs','wt','dh','bf','jh') or "
                                            "(a.gl_flag in ('db','cf','kb') and a.gl_sl<0)");
    const QString salesOut = QStringLiteral("a.gl_flag='xs' and a.gl_sl>0");
    const QString amount = QStringLiteral("gl_je");
    if (f.costMode) {
        // Sales and their returns move at cost, the rest at the document amount.
        b.InsertMovement(true, inKinds, amount, true);
        b.InsertMovement(true, salesBack, QStringLiteral("gl_zcb"), false);
    } else {
        b.InsertMovement(true, inKinds + QStringLiteral(" or ") + salesBack, amount, true);
    }
    // Stock-takes and opening entries count signed: a shortage lowers what came in.
    Figures counted;
    counted[In] = QStringLiteral("sum(a.gl_sl)");
    counted[InValue] = QStringLiteral("sum(a.gl_je)");
    b.InsertSums(counted, QStringLiteral("a.gl_flag in ('pd','qc')"));
    if (f.costMode) {
        b.InsertMovement(false, outKinds, amount, false);
        b.InsertMovement(false, salesOut, QStringLiteral("gl_zcb"), false);
    } else {
        b.InsertMovement(false, outKinds + QStringLiteral(" or ") + salesOut, amount, false);
    }

    const QString closingRange = f.periodOnly ? PeriodCondition(QStringLiteral("a.gl_kdrq"), f.from, f.to)
                                              : PeriodEndCondition(QStringLiteral("a.gl_kdrq"), f.to);
    b.InsertBalances(closingRange, Closing, ClosingValue);
    const QString openingRange
        = QStringLiteral("a.gl_kdrq<") + SqlQuoted(f.from.toString(QStringLiteral("yyyy-MM-dd")));
    const QString movedPairs = f.periodOnly
        ? QStringLiteral(" and (a.g_sn,a.ck_sn) in (select distinct g_sn,ck_sn from jxc_jxchz where a_name=") + me
            + QStringLiteral(")")
        : QString();
    b.InsertBalances(openingRange, Opening, OpeningValue, movedPairs);

    QString sql = QStringLiteral("select s.g_sn,s.gl_kc,s.gl_kczje,s.rksl,s.rkzje,s.cksl,s.ckzje,s.glkc,s.glkczje,");
    if (f.costMode)
        sql += QStringLiteral("s.gl_kc+s.rksl-s.cksl-s.glkc as cesl,s.gl_kczje+s.rkzje-s.ckzje-s.glkczje as ceje,");
    sql += QStringLiteral("c.gc_name,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs from (select g_sn,"
                          "sum(hz_kc) as gl_kc,sum(hz_kczje) as gl_kczje,sum(hz_rksl) as rksl,sum(hz_rkzje) as rkzje,"
                          "sum(hz_cksl) as cksl,sum(hz_ckzje) as ckzje,sum(hz_glkc) as glkc,sum(hz_glkczje) as glkczje "
                          "from jxc_jxchz where a_name=")
        + me + QStringLiteral(" group by g_sn) s,jxc_goods b,jxc_goodsclass c where s.g_sn=b.g_sn and b.gc_sn=c.gc_sn ")
        + GoodsTextMatch(QStringLiteral("b"), f.key, f.exact);
    if (!f.category.isEmpty())
        sql += QStringLiteral(" and b.gc_sn like '") + SafeSqlText(f.category) + QStringLiteral("%' ");
    return sql + QStringLiteral(" order by s.g_sn");
}

bool NeedsDifferenceRepair(const QString& goods, double difference, bool evenWithoutDifference)
{
    if (goods == kDiscountGoods)
        return false;
    if (evenWithoutDifference)
        return true;
    return std::abs(std::round(difference * 100.0) / 100.0) > 1.0 + 1e-9;
}

void UpdateGoodsLedger(const QString& goods, const QString& warehouse, const QDate& from, const QString& flag)
{
    const QString pair = QStringLiteral(" g_sn=") + SqlQuoted(goods) + QStringLiteral(" and ck_sn=")
        + SqlQuoted(warehouse) + QStringLiteral(" and gl_kdrq>=")
        + SqlQuoted(from.toString(QStringLiteral("yyyy-MM-dd")));
    ExecSQL(QStringLiteral("delete from jxc_goodslist where (ghs_name='期初结转' or ghs_name='库存同步') and "
                           "gl_flag='qc' and")
        + pair);
    const QString first = QueryScalar(
        QStringLiteral("select id from jxc_goodslist where") + pair + QStringLiteral(" order by gl_kdrq,id limit 1"));
    if (!first.isEmpty())
        RecalcMovingAverageCostAll(first, flag);
}

int RepairSummaryDifferences(const QStringList& warehouses, const QList<DifferenceRepairItem>& goods, const QDate& from,
    const QString& flag, bool evenWithoutDifference, const std::function<void(int)>& step)
{
    Transaction t(F_DataModule->ADOConn);
    int repaired = 0;
    int done = 0;
    for (const QString& warehouse : warehouses) {
        for (const DifferenceRepairItem& item : goods)
            if (NeedsDifferenceRepair(item.goods, item.difference, evenWithoutDifference)) {
                UpdateGoodsLedger(item.goods, warehouse, from, flag);
                ++repaired;
            }
        if (step)
            step(++done);
    }
    t.Commit();
    return repaired;
}
