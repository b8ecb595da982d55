#include "posting/colorsizestock.h"

#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

#include <cmath>

using namespace posting;

namespace {

// The document's colour-by-size rows in entry order.
void OpenRows(
    Query& q, const QString& table, const QString& docNo, const QString& columns, const QString& extra = QString())
{
    q.SetSQL(QStringLiteral("select ") + columns + QStringLiteral(" from ") + table
        + QStringLiteral(" where gl_djh=:djh") + extra + QStringLiteral(" order by id"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
}

enum class Apply { Add, Subtract, Set };

// One combination of one warehouse: changed when its row exists, inserted otherwise.
void ApplyToCombination(
    Apply how, const QString& goods, const QString& size, const QString& colour, const QString& warehouse, double qty)
{
    static const QString where = QStringLiteral(" where g_sn=:g and cm_sn=:cm and color_sn=:co and ck_sn=:ck");
    const Params p { { QStringLiteral("g"), goods }, { QStringLiteral("cm"), size }, { QStringLiteral("co"), colour },
        { QStringLiteral("ck"), warehouse }, { QStringLiteral("q"), qty } };
    QString update;
    switch (how) {
    case Apply::Add:
        update = QStringLiteral("update jxc_tkc set t_sl=coalesce(t_sl,0)+:q");
        break;
    case Apply::Subtract:
        update = QStringLiteral("update jxc_tkc set t_sl=coalesce(t_sl,0)-:q");
        break;
    case Apply::Set:
        update = QStringLiteral("update jxc_tkc set t_sl=:q");
        break;
    }
    Run(update + where, p);
    if (Db().Changes() > 0)
        return;
    Params ins = p;
    ins[QStringLiteral("q")] = how == Apply::Subtract ? -qty : qty;
    Run(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values (:g,:cm,:co,:ck,:q)"), ins);
}

void ApplyRows(Apply how, const QString& table, const QString& docNo, const QString& warehouseSn, bool perRow)
{
    Transaction t(Db());
    Query rows(&Db());
    OpenRows(rows, table, docNo,
        perRow ? QStringLiteral("g_sn,cm_sn,color_sn,t_sl,ck_sn") : QStringLiteral("g_sn,cm_sn,color_sn,t_sl"));
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString warehouse = perRow ? rows.TextAt(r, 4) : warehouseSn;
        ApplyToCombination(
            how, rows.TextAt(r, 0), rows.TextAt(r, 1), rows.TextAt(r, 2), warehouse, ValueNumber(rows.ValueAt(r, 3)));
    }
    if (perRow)
        RefreshGoodsStockTotalsPerRow(table, docNo);
    else
        RefreshGoodsStockTotals(table, docNo, warehouseSn);
    t.Commit();
}

const QString kGoodsTotal = QStringLiteral(
    "update jxc_goods set g_kc=(select coalesce(sum(k.t_sl),0) from jxc_tkc k where k.g_sn=jxc_goods.g_sn) ");
const QString kWarehouseTotal
    = QStringLiteral("update jxc_kcsp set kc_sl=(select coalesce(sum(k.t_sl),0) from jxc_tkc k "
                     "where k.g_sn=jxc_kcsp.g_sn and k.ck_sn=jxc_kcsp.ck_sn) ");

// Each counted row's combination takes the quantity of `column`, then the totals follow.
void SetCountedCombinations(
    const QString& table, const QString& docNo, const QString& warehouseSn, const QString& column)
{
    Query rows(&Db());
    OpenRows(rows, table, docNo, QStringLiteral("g_sn,cm_sn,color_sn,") + column, QStringLiteral(" and tid>0"));
    for (int r = 0; r < rows.RecordCount(); ++r)
        ApplyToCombination(Apply::Set, rows.TextAt(r, 0), rows.TextAt(r, 1), rows.TextAt(r, 2), warehouseSn,
            ValueNumber(rows.ValueAt(r, 3)));
    RefreshGoodsStockTotals(table, docNo, warehouseSn);
}

} // namespace

void AddColorSizeStock(const QString& table, const QString& docNo, const QString& warehouseSn)
{
    ApplyRows(Apply::Add, table, docNo, warehouseSn, false);
}

void SubColorSizeStock(const QString& table, const QString& docNo, const QString& warehouseSn)
{
    ApplyRows(Apply::Subtract, table, docNo, warehouseSn, false);
}

void AddColorSizeStockPerRow(const QString& table, const QString& docNo)
{
    ApplyRows(Apply::Add, table, docNo, QString(), true);
}

void SubColorSizeStockPerRow(const QString& table, const QString& docNo)
{
    ApplyRows(Apply::Subtract, table, docNo, QString(), true);
}

void RefreshGoodsStockTotals(const QString& table, const QString& docNo, const QString& warehouseSn)
{
    Transaction t(Db());
    const QString goods
        = QStringLiteral("g_sn in (select d.g_sn from ") + table + QStringLiteral(" d where d.gl_djh=:djh)");
    Run(kGoodsTotal + QStringLiteral("where ") + goods, { { QStringLiteral("djh"), docNo } });
    Run(kWarehouseTotal + QStringLiteral("where ck_sn=:ck and ") + goods,
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("ck"), warehouseSn } });
    t.Commit();
}

void RefreshGoodsStockTotalsPerRow(const QString& table, const QString& docNo)
{
    Transaction t(Db());
    Run(kGoodsTotal + QStringLiteral("where g_sn in (select d.g_sn from ") + table
            + QStringLiteral(" d where d.gl_djh=:djh)"),
        { { QStringLiteral("djh"), docNo } });
    Run(kWarehouseTotal + QStringLiteral("where exists (select 1 from ") + table
            + QStringLiteral(" d where d.gl_djh=:djh and d.g_sn=jxc_kcsp.g_sn and d.ck_sn=jxc_kcsp.ck_sn)"),
        { { QStringLiteral("djh"), docNo } });
    t.Commit();
}

void SetStockTakeSizeColorStock(const QString& table, const QString& docNo, const QString& warehouseSn)
{
    Transaction t(Db());
    // Colours and sizes of a counted goods that were not counted are empty now.
    Run(QStringLiteral("update jxc_tkc set t_sl=0 where ck_sn=:ck and g_sn in (select d.g_sn from ") + table
            + QStringLiteral(" d where d.gl_djh=:djh and d.tid>0)"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("ck"), warehouseSn } });
    SetCountedCombinations(table, docNo, warehouseSn, QStringLiteral("t_sl"));
    t.Commit();
}

void RestoreStockTakeSizeColorStock(const QString& table, const QString& docNo, const QString& warehouseSn)
{
    Transaction t(Db());
    SetCountedCombinations(table, docNo, warehouseSn, QStringLiteral("t_oldsl"));
    t.Commit();
}

QString CheckNegativeSizeColorStock(
    const QString& table, const QString& warehouseSn, const QString& docNo, const QString& action)
{
    if (IsTrue(AllowZeroStockOut))
        return QString();
    // A difference within the columns' scale is no shortage (sums of decimal
    // quantities in floating point leave a remainder such as -2.7e-17).
    Query q(&Db());
    q.SetSQL(QStringLiteral("select x.g_sn,coalesce(g.g_name,''),coalesce(c.color_name,''),coalesce(m.cm_name,'') from "
                            "(select g_sn,color_sn,cm_sn,sum(t_sl) as sl from ")
        + table
        + QStringLiteral(
            " where gl_djh=:djh group by g_sn,color_sn,cm_sn) x "
            "inner join jxc_tkc k on k.g_sn=x.g_sn and k.color_sn=x.color_sn and k.cm_sn=x.cm_sn and k.ck_sn=:ck "
            "left join jxc_goods g on g.g_sn=x.g_sn "
            "left join jxc_color c on c.color_sn=x.color_sn "
            "left join jxc_cm m on m.cm_sn=x.cm_sn "
            "where coalesce(k.t_sl,0)-coalesce(x.sl,0)<-0.000000005 "
            "order by x.g_sn,x.color_sn,x.cm_sn"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.SetParam(QStringLiteral("ck"), warehouseSn);
    q.Open();
    QString text;
    for (int r = 0; r < q.RecordCount(); ++r)
        text += q.TextAt(r, 0) + QStringLiteral(" ") + q.TextAt(r, 1) + QStringLiteral(" 颜色：") + q.TextAt(r, 2)
            + QStringLiteral(" 尺码：") + q.TextAt(r, 3) + QStringLiteral("\r\n");
    if (!text.isEmpty())
        text += QStringLiteral("\r\n库存出现负数，不能") + action;
    return text;
}

void CopyDetailToGoodsListMx(const QString& table, const QString& docNo)
{
    Transaction t(Db());
    // The document's ledger rows are set apart first: joined to the ledger itself, each
    // colour-by-size row would be matched by number against every line of the document.
    Run(QStringLiteral("insert into jxc_goodslistmx "
                       "(gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,ck_sn,ghs_sn,u_name,a_name,gl_sl,cm_sn,color_sn,tid) "
                       "with l as materialized (select id,gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,ck_sn,ghs_sn,u_name,"
                       "a_name,tid from jxc_goodslist where gl_djh=:djh) "
                       "select l.gl_flag,l.gl_djh,l.gl_kdrq,l.g_sn,l.gl_dj,l.ck_sn,l.ghs_sn,l.u_name,l.a_name,"
                       "m.t_sl,m.cm_sn,m.color_sn,m.tid from ")
            + table
            + QStringLiteral(" m inner join l on l.gl_djh=m.gl_djh and l.g_sn=m.g_sn and l.tid=m.tid "
                             "where m.gl_djh=:djh order by m.id,l.id"),
        { { QStringLiteral("djh"), docNo } });
    t.Commit();
}

QString GoodsAverageCost(const QString& goodsSn)
{
    Query q(&Db());
    q.SetSQL(QStringLiteral("select sum(kc_zsl),sum(kc_cbj*kc_zsl) from jxc_kcsp where g_sn=:g"));
    q.SetParam(QStringLiteral("g"), goodsSn);
    q.Open();
    const double qty = ValueNumber(q.ValueAt(0, 0));
    const double value = ValueNumber(q.ValueAt(0, 1));
    if (std::abs(qty) < 0.000000005)
        return QStringLiteral("-1");
    return NumberText(std::abs(RoundUp(value / qty, AmountDecimals)));
}
