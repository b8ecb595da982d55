#include "reports/ledgerstatistics.h"

#include "foundation/sqltext.h"
#include "listing/queryframe.h"

#include <QStringList>

namespace {

QString quotedText(const QString& text)
{
    return QLatin1Char('\'') + SafeSqlText(text) + QLatin1Char('\'');
}

QString kindsCondition(const QStringList& kinds)
{
    QStringList parts;
    for (const QString& k : kinds)
        parts << QStringLiteral("a.gl_flag='") + k + QLatin1Char('\'');
    return QStringLiteral(" and (") + parts.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

// The kinds of the partner side or of the department side, narrowed to the picked
// partner; both sides when none is picked.
QString partnerKinds(const QString& partner, const QStringList& partnerSide, const QStringList& departmentSide)
{
    if (partner.isEmpty())
        return kindsCondition(partnerSide + departmentSide);
    const bool department = IsDepartmentKey(partner);
    return kindsCondition(department ? departmentSide : partnerSide) + QStringLiteral("and a.ghs_sn=")
        + quotedText(department ? DepartmentCode(partner) : partner) + QLatin1Char(' ');
}

QString period(const LedgerChoice& c)
{
    return QStringLiteral(" and ") + PeriodCondition(QStringLiteral("a.gl_kdrq"), c.from, c.to);
}

QString categoryPrefix(const QString& alias, const QString& category)
{
    return QStringLiteral(" and ") + alias + QStringLiteral(".gc_sn like '") + SafeSqlText(category)
        + QStringLiteral("%'");
}

QString warehouseChoice(const QString& key)
{
    if (key.isEmpty() || key == QLatin1String("-1"))
        return QString();
    return QStringLiteral(" and a.ck_sn=") + quotedText(key);
}

QString goodsText(const LedgerChoice& c, const QStringList& columns)
{
    return QStringLiteral(" and ") + GoodsTextCondition(c.goodsText, columns);
}

const QString kNewestFirst = QStringLiteral(" order by a.gl_kdrq desc,a.id");

} // namespace

bool IsDepartmentKey(const QString& key)
{
    return key.startsWith(QLatin1Char('d'));
}

QString DepartmentCode(const QString& key)
{
    return key.mid(1);
}

QString PartnerStatementSql(StatementSide side, const LedgerChoice& c)
{
    QString sql = QStringLiteral("select a.*,d.gc_name from jxc_goodslist a,jxc_ckxx b,jxc_goods c,jxc_goodsclass d "
                                 "where a.ck_sn=b.ck_sn and a.gl_djh<>'' and a.g_sn=c.g_sn and c.gc_sn=d.gc_sn")
        + period(c);
    if (!c.category.isEmpty())
        sql += categoryPrefix(QStringLiteral("c"), c.category);
    sql += WarehouseBindingCondition(QStringLiteral("b")) + warehouseChoice(c.warehouse)
        + goodsText(c, { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.g_jm") });
    if (side == StatementSide::Delivery)
        sql += partnerKinds(
            c.partner, { QStringLiteral("xs"), QStringLiteral("xt") }, { QStringLiteral("ly"), QStringLiteral("lt") });
    else
        sql += partnerKinds(
            c.partner, { QStringLiteral("cj"), QStringLiteral("ct") }, { QStringLiteral("sc"), QStringLiteral("st") });
    return sql + kNewestFirst;
}

namespace {

// One half of 出库统计表: the customers' sales or the departments' requisitions.
QString goodsOutHalf(const LedgerChoice& c, bool customers)
{
    const QString columns = QStringLiteral(
        "select a.id as id,a.g_sn,a.g_name,a.gl_djh,a.gl_kdrq as "
        "gl_kdrq,a.ghs_name,a.ghs_sn,a.gl_dj,a.gl_sl,a.gl_zje,a.gl_lr,"
        "a.dw_name,a.gg_name,a.color_name,a.u_name,a.ck_sn,a.ck_name,a.gl_bz,a.gl_note,a.gl_dzl,a.a_name,"
        "a.gl_sysl,a.t_scrq,c.gc_name,d.g_sccs,");
    QString sql = columns
        + (customers ? QStringLiteral("e.kh_address,e.z_name,a.gl_flag from jxc_goodslist a,jxc_ckxx b,"
                                      "jxc_goodsclass c,jxc_goods d,jxc_khxx e where a.ghs_sn=e.kh_sn and ")
                     : QStringLiteral("'' as kh_address,'' as z_name,a.gl_flag from jxc_goodslist a,jxc_ckxx b,"
                                      "jxc_goodsclass c,jxc_goods d where "))
        + QStringLiteral("a.ck_sn=b.ck_sn and a.g_sn=d.g_sn and c.gc_sn=d.gc_sn and a.gl_djh<>'' and a.gl_flag=")
        + (customers ? QStringLiteral("'xs'") : QStringLiteral("'ly'")) + period(c)
        + WarehouseBindingCondition(QStringLiteral("b")) + categoryPrefix(QStringLiteral("c"), c.category);
    QStringList text { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.g_jm"),
        QStringLiteral("a.gl_note"), QStringLiteral("a.gl_bz"), QStringLiteral("a.gg_name") };
    // The requisitions are not searched by their number.
    if (customers)
        text << QStringLiteral("a.gl_djh");
    sql += goodsText(c, text);
    // A sale without a handler never matches the pattern, even "%%"; requisitions
    // are narrowed only when a handler is chosen.
    if (customers || !c.handler.isEmpty())
        sql += QStringLiteral(" and a.u_name like '%") + SafeSqlText(c.handler) + QStringLiteral("%'");
    if (!c.partner.isEmpty())
        sql += QStringLiteral(" and a.ghs_sn=") + quotedText(customers ? c.partner : DepartmentCode(c.partner));
    return sql;
}

} // namespace

QString MovementStatisticsSql(MovementKind kind, const LedgerChoice& c)
{
    if (kind == MovementKind::GoodsOut) {
        const bool department = IsDepartmentKey(c.partner);
        QString sql;
        if (c.partner.isEmpty() || !department)
            sql = goodsOutHalf(c, true);
        if (c.partner.isEmpty())
            sql += QStringLiteral(" union ");
        if (c.partner.isEmpty() || department)
            sql += goodsOutHalf(c, false);
        // A union orders by its output columns.
        return sql + QStringLiteral(" order by gl_kdrq desc,id");
    }
    QString sql;
    QStringList partnerSide;
    QStringList departmentSide;
    if (kind == MovementKind::GoodsIn) {
        sql = QStringLiteral("select a.*,c.gc_name,d.g_bz from jxc_goodslist a,jxc_ckxx b,jxc_goodsclass c,"
                             "jxc_goods d where a.ck_sn=b.ck_sn and a.g_sn=d.g_sn and c.gc_sn=d.gc_sn and "
                             "a.gl_djh<>''")
            + period(c) + categoryPrefix(QStringLiteral("c"), c.category)
            + goodsText(c,
                { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.gg_name"),
                    QStringLiteral("a.g_jm"), QStringLiteral("a.gl_djh"), QStringLiteral("a.gl_note"),
                    QStringLiteral("a.gl_bz") });
        partnerSide = { QStringLiteral("cj") };
        departmentSide = { QStringLiteral("sc") };
    } else {
        sql = QStringLiteral("select a.* from jxc_goodslist a,jxc_ckxx b where a.ck_sn=b.ck_sn and a.gl_djh<>''")
            + period(c)
            + goodsText(c,
                { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.g_jm"),
                    QStringLiteral("a.gg_name"), QStringLiteral("a.gl_djh") });
        const bool back = kind == MovementKind::GoodsBack;
        partnerSide = { back ? QStringLiteral("ct") : QStringLiteral("xt") };
        departmentSide = { back ? QStringLiteral("st") : QStringLiteral("lt") };
    }
    sql += WarehouseBindingCondition(QStringLiteral("b")) + partnerKinds(c.partner, partnerSide, departmentSide);
    return sql + kNewestFirst;
}

namespace {

// The sales and returns of the period that both gross-profit lists read: goods text
// (with the warehouse name), the operator's warehouses, the customer and the
// warehouse combo.
QString grossProfitRows(const LedgerChoice& c, const QString& warehouseAlias)
{
    QString sql = period(c)
        + goodsText(c,
            { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.g_jm"),
                QStringLiteral("a.ck_name") })
        + QStringLiteral(" and (a.gl_flag='xs' or a.gl_flag='xt')") + WarehouseBindingCondition(warehouseAlias);
    if (!c.partner.isEmpty())
        sql += QStringLiteral(" and a.ghs_sn=") + quotedText(c.partner);
    return sql + warehouseChoice(c.warehouse);
}

} // namespace

QString GrossProfitLinesSql(const LedgerChoice& c)
{
    QString sql = QStringLiteral(
                      "select a.*,a.gl_zcb as glcbj,a.gl_lr as xslr,c.gc_name,"
                      "case when a.gl_zje<>0 then a.gl_lr*100.00/a.gl_zje else 0 end as lrl,"
                      "e.kh_address,e.kh_tele from jxc_goodslist a,jxc_ckxx b,jxc_goodsclass c,jxc_goods d,jxc_khxx e "
                      "where a.ck_sn=b.ck_sn and a.g_sn=d.g_sn and d.gc_sn=c.gc_sn and a.ghs_sn=e.kh_sn and "
                      "a.gl_djh<>''")
        + grossProfitRows(c, QStringLiteral("b"));
    if (!c.category.isEmpty())
        sql += categoryPrefix(QStringLiteral("c"), c.category);
    return sql + QStringLiteral(" order by a.id desc");
}

QString GrossProfitSummarySql(const LedgerChoice& c)
{
    const QString rows = QStringLiteral("select a.g_sn,a.ghs_sn,sum(a.gl_sl) as zsl,sum(a.gl_zje) as zje,"
                                        "sum(a.gl_zcb) as glzcb,sum(a.gl_lr) as zlr from jxc_goodslist a,jxc_ckxx w "
                                        "where a.ck_sn=w.ck_sn and a.gl_djh<>''")
        + grossProfitRows(c, QStringLiteral("w")) + QStringLiteral(" group by a.g_sn,a.ghs_sn");
    QString sql = QStringLiteral("select t.g_sn,t.ghs_sn,b.g_name,b.dw_name,b.gg_name,b.color_name,c.gc_name,"
                                 "e.kh_name,e.kh_address,e.kh_tele,t.zsl,t.zje,t.glzcb,t.zlr,"
                                 "case when t.zje<>0 then t.zlr*100.00/t.zje else 0 end as lrl from (")
        + rows
        + QStringLiteral(") t,jxc_goods b,jxc_goodsclass c,jxc_khxx e where t.g_sn=b.g_sn and b.gc_sn=c.gc_sn and "
                         "t.ghs_sn=e.kh_sn");
    if (!c.category.isEmpty())
        sql += categoryPrefix(QStringLiteral("b"), c.category);
    return sql + QStringLiteral(" order by t.g_sn desc");
}

namespace {

// Sales deliveries to customers and requisitions by departments; returns never.
QString deliveryKinds(const QString& partner)
{
    return partnerKinds(partner, { QStringLiteral("xs") }, { QStringLiteral("ly") });
}

} // namespace

QString DeliveryCostLinesSql(const LedgerChoice& c)
{
    QString sql = QStringLiteral("select a.*,a.gl_zcb as zje,c.gc_name from jxc_goodslist a,jxc_ckxx b,jxc_goods d,"
                                 "jxc_goodsclass c where a.ck_sn=b.ck_sn and a.g_sn=d.g_sn and d.gc_sn=c.gc_sn and "
                                 "a.gl_djh<>''")
        + period(c);
    if (!c.category.isEmpty())
        sql += QStringLiteral(" and c.gc_sn=") + quotedText(c.category);
    sql += WarehouseBindingCondition(QStringLiteral("b"))
        + goodsText(c, { QStringLiteral("a.g_sn"), QStringLiteral("a.g_name"), QStringLiteral("a.g_jm") })
        + deliveryKinds(c.partner);
    return sql + QStringLiteral(" order by a.id desc");
}

QString DeliveryCostSummarySql(const LedgerChoice& c)
{
    const QString rows = QStringLiteral("select a.g_sn,a.ghs_name,sum(a.gl_sl) as zsl,sum(a.gl_zcb) as zje "
                                        "from jxc_goodslist a,jxc_ckxx w where a.ck_sn=w.ck_sn and a.gl_djh<>''")
        + period(c) + WarehouseBindingCondition(QStringLiteral("w")) + deliveryKinds(c.partner)
        + QStringLiteral(" group by a.g_sn,a.ghs_name");
    QString sql = QStringLiteral("select t.ghs_name,t.g_sn,a.g_name,c.gc_name,a.dw_name,a.gg_name,a.color_name,"
                                 "t.zsl,t.zje from (")
        + rows + QStringLiteral(") t,jxc_goods a,jxc_goodsclass c where t.g_sn=a.g_sn and a.gc_sn=c.gc_sn");
    if (!c.category.isEmpty())
        sql += QStringLiteral(" and a.gc_sn=") + quotedText(c.category);
    return sql + QStringLiteral(" order by t.g_sn,t.ghs_name");
}
