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

    // Adds the period's rows that match `where` to the figures given (values per row,
    // summed per goods and warehouse).
    void AddSums(const Figures& values, const QString& where) { parts_.push_back({ where, values }); }

    void AddMovement(bool in, const QString& kinds, const QString& valueColumn, bool withoutDiscountGoods)
    {
        Figures values;
        values[in ? In : Out] = QStringLiteral("abs(a.gl_sl)");
        values[in ? InValue : OutValue] = QStringLiteral("abs(a.") + valueColumn + QLatin1Char(')');
        QString where = kinds;
        if (withoutDiscountGoods)
            where = QStringLiteral("(") + kinds + QStringLiteral(") and a.g_sn<>'00000000'");
        AddSums(values, where);
    }

    // One scratch row per goods, in one pass down the ledger's walk index: the rows of
    // each goods and warehouse up to the end of the closing range, whose movements
    // count only inside the period (rows before it are read from the index alone),
    // then the balances after its last row there (the latest date, then the greatest
    // id) and after its last row before the period, which a pair without one shows
    // as 0. The discount goods has no balances, only the figures of its parts.
    void InsertGoodsRows(const std::function<QString(const QString&)>& closingRange) const
    {
        const QString period = PeriodCondition(QStringLiteral("a.gl_kdrq"), f_.from, f_.to);
        QStringList conditions;
        for (const Part& part : parts_)
            conditions << QStringLiteral("(") + part.where + QLatin1Char(')');
        QStringList sums;
        for (int figure = 0; figure < int(Figures().size()); ++figure) {
            QStringList terms;
            for (const Part& part : parts_)
                if (!part.values[figure].isEmpty())
                    terms << QStringLiteral("case when (") + part.where + QStringLiteral(") then ")
                            + part.values[figure] + QStringLiteral(" else 0 end");
            if (terms.isEmpty()) {
                sums << QStringLiteral("0");
                continue;
            }
            // The rows read end with the period: those before it (when the closing
            // range starts earlier) count towards the balances only.
            QString counted = terms.join(QLatin1Char('+'));
            if (!f_.periodOnly)
                counted = QStringLiteral("case when a.gl_kdrq>='") + f_.from.toString(QStringLiteral("yyyy-MM-dd"))
                    + QStringLiteral("' then ") + counted + QStringLiteral(" else 0 end");
            sums << QStringLiteral("sum(") + counted + QStringLiteral(") as f") + QString::number(figure);
        }
        const auto figure = [&sums](int n) {
            return sums[n] == QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("p.f") + QString::number(n);
        };
        const QString text = GoodsTextMatch(QStringLiteral("x"), f_.key, f_.exact);
        const QString noDiscount = QStringLiteral(" and x.g_sn<>'00000000'");
        QStringList summed;
        for (const QString& sum : sums)
            if (sum != QLatin1String("0"))
                summed << sum;
        const QString pairs = QStringLiteral("select a.g_sn,a.ck_sn,") + summed.join(QLatin1Char(','))
            + QStringLiteral(" from jxc_goodslist a") + Scope() + QStringLiteral(" and ")
            + closingRange(QStringLiteral("a.gl_kdrq")) + QStringLiteral(" and (a.g_sn<>'00000000' or (") + period
            + QStringLiteral(" and (") + conditions.join(QStringLiteral(" or ")) + QStringLiteral(")))")
            + QStringLiteral(" group by a.g_sn,a.ck_sn");
        const QString rows = QStringLiteral("select q.*,")
            + LastLedgerRowOf(QStringLiteral("q"), closingRange(QStringLiteral("x.gl_kdrq")) + noDiscount + text)
            + QStringLiteral(" as cid,")
            + LastLedgerRowOf(QStringLiteral("q"),
                PeriodEndCondition(QStringLiteral("x.gl_kdrq"), f_.from.addDays(-1)) + noDiscount + text)
            + QStringLiteral(" as oid from (") + pairs + QStringLiteral(") q");
        ExecSQL(QStringLiteral("insert into jxc_jxchz (g_sn,hz_kc,hz_kczje,hz_rksl,hz_rkzje,hz_cksl,hz_ckzje,"
                               "hz_glkc,hz_glkczje,a_name) select p.g_sn,sum(coalesce(o.gl_kc,0)),"
                               "sum(coalesce(o.gl_kczje,0)),sum(")
            + figure(In) + QStringLiteral("),sum(") + figure(InValue) + QStringLiteral("),sum(") + figure(Out)
            + QStringLiteral("),sum(") + figure(OutValue) + QStringLiteral("),sum(coalesce(c.gl_kc,0)),sum(")
            + figure(ClosingValue) + QStringLiteral("+coalesce(c.gl_kczje,0)),") + me_ + QStringLiteral(" from (")
            + rows + QStringLiteral(") p")
            + QStringLiteral(" left join jxc_goodslist c on c.id=p.cid left join jxc_goodslist o on o.id=p.oid"
                             " group by p.g_sn"));
    }

    struct Part {
        QString where;
        Figures values;
    };
    const SummaryFilter& f_;
    QString me_;
    std::vector<Part> parts_;
};

} // namespace

QString BuildStockSummary(const SummaryFilter& f)
{
    SummaryBuilder b(f);
    const QString me = b.me_;
    ExecSQL(QStringLiteral("delete from jxc_jxchz where a_name=") + me);

    // The discount goods carries the document-level discounts only.
    Figures discountIn;
    discountIn[InValue] = QStringLiteral("a.gl_je");
    discountIn[ClosingValue] = QStringLiteral("a.gl_je");
    b.AddSums(discountIn, QStringLiteral("a.g_sn='00000000' and a.gl_flag='cj'"));
    Figures discountOut;
    discountOut[OutValue] = QStringLiteral("a.gl_je");
    discountOut[ClosingValue] = QStringLiteral("abs(a.gl_je)");
    b.AddSums(discountOut, QStringLiteral("a.g_sn='00000000' and a.gl_flag='xs'"));

    const QString inKinds = QStringLiteral(
        "a.gl_flag in ('cj','lt','sc','jg','ws','by','hh') or (a.gl_flag in ('db','cf','kb') and a.gl_sl>0)");
    const QString salesBack = QStringLiteral("a.gl_flag='xt' or (a.gl_flag='xs' and a.gl_sl<0)");
    const QString outKinds = QStringLiteral("a.gl_flag in ('ct','ly','st','pl','wp','bs','wt','dh','bf','jh') or "
                                            "(a.gl_flag in ('db','cf','kb') and a.gl_sl<0)");
    const QString salesOut = QStringLiteral("a.gl_flag='xs' and a.gl_sl>0");
    const QString amount = QStringLiteral("gl_je");
    if (f.costMode) {
        // Sales and their returns move at cost, the rest at the document amount.
        b.AddMovement(true, inKinds, amount, true);
        b.AddMovement(true, salesBack, QStringLiteral("gl_zcb"), false);
    } else {
        b.AddMovement(true, inKinds + QStringLiteral(" or ") + salesBack, amount, true);
    }
    // Stock-takes and opening entries count signed: a shortage lowers what came in.
    Figures counted;
    counted[In] = QStringLiteral("a.gl_sl");
    counted[InValue] = QStringLiteral("a.gl_je");
    b.AddSums(counted, QStringLiteral("a.gl_flag in ('pd','qc')"));
    if (f.costMode) {
        b.AddMovement(false, outKinds, amount, false);
        b.AddMovement(false, salesOut, QStringLiteral("gl_zcb"), false);
    } else {
        b.AddMovement(false, outKinds + QStringLiteral(" or ") + salesOut, amount, false);
    }

    b.InsertGoodsRows([&f](const QString& date) {
        return f.periodOnly ? PeriodCondition(date, f.from, f.to) : PeriodEndCondition(date, f.to);
    });

    QString sql = QStringLiteral("select s.g_sn,s.hz_kc as gl_kc,s.hz_kczje as gl_kczje,s.hz_rksl as rksl,"
                                 "s.hz_rkzje as rkzje,s.hz_cksl as cksl,s.hz_ckzje as ckzje,s.hz_glkc as glkc,"
                                 "s.hz_glkczje as glkczje,");
    if (f.costMode)
        sql += QStringLiteral("s.hz_kc+s.hz_rksl-s.hz_cksl-s.hz_glkc as cesl,"
                              "s.hz_kczje+s.hz_rkzje-s.hz_ckzje-s.hz_glkczje as ceje,");
    sql += QStringLiteral("c.gc_name,b.g_name,b.dw_name,b.gg_name,b.color_name,b.g_sccs from jxc_jxchz s,"
                          "jxc_goods b,jxc_goodsclass c where s.a_name=")
        + me + QStringLiteral(" and s.g_sn=b.g_sn and b.gc_sn=c.gc_sn ")
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
