#include "reports/kccxrules.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/sqltext.h"
#include "reports/jxcfilters.h"

namespace {

QString roundedTotalDecimals()
{
    return IsTrue(RoundTotals) ? TotalDecimals : QString::number(AmountDecimals);
}

// The second unit's stock; a goods without a conversion factor shows nothing.
QString secondUnitStock(const QString& qty)
{
    return QStringLiteral("case when g_zhxs<>0 then round(%1/g_zhxs+0.000000001,%2) end as fzkc")
        .arg(qty, QString::number(QtyDecimals));
}

QString currentStockFilters(const CurrentStockFilter& f)
{
    QString sql;
    if (!f.category.isEmpty())
        sql += QStringLiteral(" and a.gc_sn like '") + SafeSqlText(f.category) + QStringLiteral("%' ");
    const QString k = SafeSqlText(f.key.trimmed());
    if (!k.isEmpty())
        sql += QStringLiteral(" and (a.g_sn like '%1' or a.g_jm like '%1' or a.g_name like '%1' or a.g_sccs like '%1' "
                              " or a.gg_name like '%1' or a.g_sptm like '%1' or a.color_name like '%1') ")
                   .arg(QLatin1Char('%') + k + QLatin1Char('%'));
    if (f.hideZero)
        sql += QStringLiteral(" and b.kcsl<>0 ");
    if (!f.showDisabled)
        sql += QStringLiteral(" and a.g_jy=0 ");
    if (f.fromFind) {
        if (f.supplierGiven)
            sql += QStringLiteral(" and a.ghs_sn=") + SqlQuoted(f.supplier) + QLatin1Char(' ');
        static const QStringList comparisons { QStringLiteral("="), QStringLiteral(">="), QStringLiteral("<="),
            QStringLiteral("<>"), QStringLiteral(">"), QStringLiteral("<") };
        if (comparisons.contains(f.comparison))
            sql += QStringLiteral(" and b.kcsl ") + f.comparison + QString::number(f.qty, 'f', 0) + QLatin1Char(' ');
    }
    return sql;
}

} // namespace

QString CurrentStockStatement(const CurrentStockFilter& f)
{
    const QString dA = QString::number(AmountDecimals);
    const QString dT = roundedTotalDecimals();
    if (!f.warehouse.isEmpty())
        return QStringLiteral("select a.*,c.gc_name,b.kcsl,b.kczsl,b.xssl,b.cbjj,")
            + secondUnitStock(QStringLiteral("b.kcsl"))
            + QStringLiteral(",round(b.kc_zcb+0.000000001,%1) as kczje,a.g_sj*b.kcsl as xszje "
                             "from jxc_goods a,jxc_goodsclass c,(select g_sn,kc_sl as kcsl,kc_zsl as kczsl,"
                             "kc_xssl as xssl,round(kc_cbj+0.000000001,%2) as cbjj,kc_zcb from jxc_kcsp where ck_sn=")
                  .arg(dT, dA)
            + SqlQuoted(f.warehouse)
            + QStringLiteral(") b where a.g_sn=b.g_sn and a.g_sn<>'00000000' and a.gc_sn=c.gc_sn ")
            + currentStockFilters(f) + QStringLiteral(" order by a.g_sn");
    // Over several warehouses the cost is the book-stock-weighted value, shown
    // positive; with no book stock left the goods' own average stands in.
    return QStringLiteral("select t.*,round(t.zje+0.000000001,%1) as kczje,").arg(dT)
        + secondUnitStock(QStringLiteral("t.kcsl"))
        + QStringLiteral(" from (select a.*,c.gc_name,b.kcsl,b.kczsl,b.xssl,"
                         "case when b.kczsl<>0 then abs(round(b.zje/b.kczsl+0.000000001,%1)) else a.g_pjjj end as cbjj,"
                         "a.g_sj*b.kcsl as xszje,b.zje from jxc_goods a,jxc_goodsclass c,(select x.g_sn,"
                         "sum(x.kc_sl) as kcsl,sum(x.kc_zsl) as kczsl,sum(x.kc_xssl) as xssl,sum(x.kc_zcb) as zje "
                         "from jxc_kcsp x,jxc_ckxx y where x.ck_sn=y.ck_sn and x.g_sn<>'00000000' ")
              .arg(dA)
        + WarehouseBindingCondition(QStringLiteral("y"))
        + QStringLiteral(" group by x.g_sn) b where a.g_sn=b.g_sn and a.g_sn<>'00000000' and a.gc_sn=c.gc_sn ")
        + currentStockFilters(f) + QStringLiteral(") t order by t.g_sn");
}

bool BelowMinimumStock(double stock, double minimum)
{
    return stock < minimum - 1e-9;
}

QString HistoryStockStatement(
    const QString& warehouse, const QDate& cutOff, const QString& category, const QString& key)
{
    const QString me = SqlQuoted(CurrentAdminName);
    const QString w = SqlQuoted(warehouse);
    ExecSQL(QStringLiteral("delete from jxc_jxchz where a_name=") + me);
    // The list joins the warehouse's stock rows, so only their goods are looked up.
    ExecSQL(QStringLiteral("insert into jxc_jxchz (id2,a_name) select l.id,") + me + QStringLiteral(" from (select ")
        + LastLedgerRowOf(QStringLiteral("p"), PeriodEndCondition(QStringLiteral("x.gl_kdrq"), cutOff))
        + QStringLiteral(" as id from (select distinct g_sn,ck_sn from jxc_kcsp where ck_sn=") + w
        + QStringLiteral(") p) l where l.id is not null"));
    QString sql
        = QStringLiteral(
              "select a.g_sn,a.g_name,a.dw_name,a.g_pjjj,b.kc_sl,b.kc_zsl,b.ck_sn,d.ck_name,a.gg_name,"
              "a.color_name,d.gl_kc,d.gl_pjjj,d.gl_kczje,c.gc_name from jxc_goods a,jxc_kcsp b,jxc_goodsclass c,"
              "(select g_sn,ck_sn,gl_kc,gl_kczje,gl_pjjj,ck_name from jxc_goodslist where id in "
              "(select id2 from jxc_jxchz where a_name=")
        + me
        + QStringLiteral(")) d where a.g_sn=b.g_sn and b.g_sn=d.g_sn and b.ck_sn=d.ck_sn and a.gc_sn=c.gc_sn "
                         "and a.g_jy=0 and a.g_sn<>'00000000' and b.ck_sn=")
        + w;
    if (!category.isEmpty())
        sql += QStringLiteral(" and a.gc_sn like '") + SafeSqlText(category) + QStringLiteral("%' ");
    const QString k = SafeSqlText(key.trimmed());
    if (!k.isEmpty())
        sql += QStringLiteral(" and (a.g_sn like '%1' or a.g_name like '%1' or a.g_jm like '%1' or "
                              "a.gg_name like '%1' or a.color_name like '%1' or d.ck_name like '%1') ")
                   .arg(QLatin1Char('%') + k + QLatin1Char('%'));
    return sql + QStringLiteral(" order by a.g_sn");
}

QString StockDetailStatement(const StockDetailFilter& f)
{
    const QString k = QLatin1Char('%') + SafeSqlText(f.key.trimmed()) + QLatin1Char('%');
    QString sql
        = QStringLiteral("select a.*,b.ck_name,c.color_name,d.cm_name,e.g_name,e.dw_name,e.g_sccs,e.g_bz,e.g_jj");
    if (f.withBarcodes)
        sql += QStringLiteral(",f.tm_tm");
    sql += QStringLiteral(" from jxc_tkc a,jxc_ckxx b,jxc_color c,jxc_cm d,jxc_goods e");
    if (f.withBarcodes)
        sql += QStringLiteral(",jxc_tm f");
    sql += QStringLiteral(" where a.ck_sn=b.ck_sn and a.color_sn=c.color_sn and a.cm_sn=d.cm_sn and a.g_sn=e.g_sn");
    if (f.withBarcodes)
        sql += QStringLiteral(" and a.g_sn=f.g_sn and a.cm_sn=f.cm_sn and a.color_sn=f.color_sn");
    // The category matches by prefix as on the other tabs: a contained code would
    // also find other branches ("1100" lies inside "1001100").
    sql += QStringLiteral(" and a.ck_sn like '%%1%' and a.cm_sn like '%%2%' and a.color_sn like '%%3%' "
                          "and e.gc_sn like '%4%' and (e.g_sn like '%5' or e.g_jm like '%5' or e.g_name like '%5') ")
               .arg(SafeSqlText(f.warehouse), SafeSqlText(f.size), SafeSqlText(f.color), SafeSqlText(f.category), k);
    if (!f.warehouse.isEmpty())
        sql += QStringLiteral(" and a.ck_sn=") + SqlQuoted(f.warehouse) + QLatin1Char(' ');
    else
        sql += WarehouseBindingCondition(QStringLiteral("b"));
    if (f.hideZero)
        sql += QStringLiteral(" and a.t_sl<>0 ");
    return sql + QStringLiteral(" order by a.g_sn,a.color_sn,a.cm_sn");
}
