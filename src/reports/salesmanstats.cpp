#include "reports/salesmanstats.h"

#include "foundation/sqltext.h"
#include "listing/queryframe.h"

namespace {

QString literal(const QString& text)
{
    return QLatin1Char('\'') + SafeSqlText(text) + QLatin1Char('\'');
}

QString equalsWhenSet(const QString& column, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" and ") + column + QLatin1Char('=') + literal(value);
}

// Sales and returns of the ledger in the period, within the operator's warehouses.
QString ledgerSales(const SalesmanChoice& c)
{
    return QStringLiteral(" from jxc_goodslist a,jxc_ckxx b where a.ck_sn=b.ck_sn and (a.gl_flag='xs' or "
                          "a.gl_flag='xt') and ")
        + PeriodCondition(QStringLiteral("a.gl_kdrq"), c.from, c.to) + WarehouseBindingCondition(QStringLiteral("b"))
        + equalsWhenSet(QStringLiteral("a.u_name"), c.staffName);
}

} // namespace

QString SalesmanDocumentsSql(const SalesmanChoice& c)
{
    const QString common
        = QStringLiteral(",k.kh_name as khname,k.kh_jm,k.kh_tele,u.u_name as uname,b.ck_name as ckname,");
    const QString filters = WarehouseBindingCondition(QStringLiteral("b"))
        + equalsWhenSet(QStringLiteral("u.u_name"), c.staffName) + equalsWhenSet(QStringLiteral("k.kh_sn"), c.customer)
        + equalsWhenSet(QStringLiteral("b.ck_name"), c.warehouse);
    const QString sales
        = QStringLiteral("select s.gl_djh as djh,s.kh_sn as khsn,s.ck_sn,s.ls_xsrq as rq,s.ls_yfje as yfje,"
                         "s.ls_sfje as sfje,s.ls_yfje-s.ls_sfje-s.ls_yhje-s.ls_hkje as wfje,s.ls_yhje as yhje,"
                         "'销售付款' as fktype,s.u_sn,s.ls_note as dnote,s.a_name as aname,s.gl_djh2,s.ls_th")
        + common
        + QStringLiteral("'1' as dsort,s.ht_sn,s.ls_checker as checker,s.ls_chkrq as chkrq,s.ls_hkje as hkje,"
                         "s.ls_yf,s.ls_bzf,s.ls_yffs,s.ls_lr as lr from jxc_lsxsd s,jxc_khxx k,jxc_user u,jxc_ckxx b "
                         "where s.kh_sn=k.kh_sn and s.u_sn=u.u_sn and s.ck_sn=b.ck_sn and s.ls_status=1 and ")
        + PeriodCondition(QStringLiteral("s.ls_xsrq"), c.from, c.to) + filters;
    const QString returns
        = QStringLiteral("select s.gl_djh as djh,s.kh_sn as khsn,s.ck_sn,s.th_xsrq as rq,s.th_yfje as yfje,"
                         "s.th_sfje as sfje,s.th_yfje-s.th_sfje-s.th_hkje as wfje,0 as yhje,'退货支出' as fktype,"
                         "s.u_sn,s.th_note as dnote,s.a_name as aname,'' as gl_djh2,0 as ls_th")
        + common
        + QStringLiteral("'2' as dsort,'' as ht_sn,s.th_checker as checker,s.th_chkrq as chkrq,s.th_hkje as hkje,"
                         "0 as ls_yf,0 as ls_bzf,'' as ls_yffs,s.th_lr as lr from jxc_xsthd s,jxc_khxx k,jxc_user u,"
                         "jxc_ckxx b where s.kh_sn=k.kh_sn and s.u_sn=u.u_sn and s.ck_sn=b.ck_sn and s.th_status=1 "
                         "and ")
        + PeriodCondition(QStringLiteral("s.th_xsrq"), c.from, c.to) + filters;
    QString sql;
    if (c.kind == QStringLiteral("销售单"))
        sql = sales;
    else if (c.kind == QStringLiteral("退货单"))
        sql = returns;
    else
        sql = sales + QStringLiteral(" union ") + returns;
    return sql + QStringLiteral(" order by rq desc,djh desc");
}

QString SalesmanDocumentLinesSql(const QString& number)
{
    return QStringLiteral("select a.id,a.g_sn,d.g_name,d.dw_name,a.gg_name,a.color_name,a.gl_sl,a.gl_dj,a.gl_zje,"
                          "a.gl_je,a.gl_tax,a.gl_taxdj,a.gl_taxje,a.gl_cbj,a.gl_zcb,a.gl_lr from jxc_goodslist a,"
                          "jxc_goods d where a.g_sn=d.g_sn and a.gl_djh=")
        + literal(number) + QStringLiteral(" order by a.id");
}

QString SalesmanGoodsSummarySql(const SalesmanChoice& c)
{
    return QStringLiteral("select t.g_sn,t.u_name,d.g_name,d.dw_name,d.gg_name,d.color_name,d.g_sccs,d.g_bz,d.g_kc,"
                          "t.gl_sl,t.gl_zje,t.gl_lr,t.gl_je,t.gl_taxje from (select a.g_sn,a.u_name,"
                          "sum(a.gl_sl) as gl_sl,sum(a.gl_zje) as gl_zje,sum(a.gl_lr) as gl_lr,sum(a.gl_je) as gl_je,"
                          "sum(a.gl_taxje) as gl_taxje")
        + ledgerSales(c)
        + QStringLiteral(" group by a.g_sn,a.u_name) t,jxc_goods d where t.g_sn=d.g_sn order by t.g_sn,t.u_name");
}

QString SalesmanGoodsSalesSql(const SalesmanChoice& c, const QString& goods)
{
    return QStringLiteral("select a.*") + ledgerSales(c) + QStringLiteral(" and a.g_sn=") + literal(goods)
        + QStringLiteral(" order by a.gl_djh");
}

QString SalesmanGoodsLinesSql(const SalesmanChoice& c)
{
    QString sql = QStringLiteral("select a.*,case when a.gl_je<>0 then round(a.gl_lr*100/a.gl_je,2) else 0 end as lrl")
        + ledgerSales(c) + equalsWhenSet(QStringLiteral("a.ghs_sn"), c.customer)
        + equalsWhenSet(QStringLiteral("a.ck_name"), c.warehouse);
    if (c.kind == QStringLiteral("销售单"))
        sql += QStringLiteral(" and a.gl_flag='xs'");
    else if (c.kind == QStringLiteral("退货单"))
        sql += QStringLiteral(" and a.gl_flag='xt'");
    if (!c.text.trimmed().isEmpty())
        sql += QStringLiteral(" and ")
            + GoodsTextCondition(
                c.text, { QStringLiteral("a.g_sn"), QStringLiteral("a.g_jm"), QStringLiteral("a.g_name") });
    return sql + QStringLiteral(" order by a.gl_kdrq desc,a.gl_djh");
}

int LowerPanelHeight(int windowHeight)
{
    return windowHeight <= 650 ? 245 : (windowHeight - 260) / 2 - 30;
}
