#include "admin/reminders.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"

QString LowStockStatement(const QString& warehouseKey, const QString& text)
{
    const QString t = SafeSqlText(text.trimmed());
    if (warehouseKey == QLatin1String("-1"))
        return QStringLiteral("select g_sn,g_name,dw_name,gg_name,color_name,g_zdkc,g_kc as kc from jxc_goods "
                              "where g_kc<g_zdkc and g_sn<>'00000000' and g_jy=0 and (g_sn like '%")
            + t + QStringLiteral("%' or g_name like '%") + t + QStringLiteral("%' or g_jm like '%") + t
            + QStringLiteral("%') order by g_kc");
    return QStringLiteral("select a.g_sn,a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_zdkc,b.kc_sl as kc "
                          "from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and b.kc_sl<a.g_zdkc "
                          "and a.g_sn<>'00000000' and a.g_jy=0 and b.ck_sn='")
        + SafeSqlText(warehouseKey) + QStringLiteral("' and (a.g_sn like '%") + t
        + QStringLiteral("%' or a.g_name like '%") + t + QStringLiteral("%' or a.g_jm like '%") + t
        + QStringLiteral("%') order by b.kc_sl");
}

QString ReceivablesStatement(ReceivablesView view, const QString& customerName, const QString& customerCode)
{
    QString sql;
    if (view == ReceivablesView::Reminder) {
        sql = QStringLiteral("select a.*,b.kh_name,b.kh_tele,b.kh_address,c.u_name from jxc_ysyfk a,jxc_user c,");
        if (IsTrue(BindPartnersWarehouse) && CurrentRoleSn != QLatin1String("100001"))
            sql += QStringLiteral("(select m.* from jxc_khxx m,jxc_ckxx n where (m.ck_sn=n.ck_sn or m.ck_sn='-1') "
                                  "and m.kh_forbid=0 and n.ck_asn like '%")
                + SafeSqlText(CurrentAdminSn) + QStringLiteral("%') b ");
        else
            sql += QStringLiteral("jxc_khxx b ");
        sql += QStringLiteral(" where a.k_ghskh=b.kh_sn and a.u_sn=c.u_sn and ");
    } else {
        sql = QStringLiteral("select a.*,b.kh_name,b.kh_tele,b.kh_address from jxc_ysyfk a,jxc_khxx b "
                             " where a.k_ghskh=b.kh_sn and ");
    }
    // The latest row per customer through a grouped sub-select, so the balance index
    // (k_type, k_ghskh, k_rq, id) serves it.
    sql += QStringLiteral("a.k_type='kh' and b.kh_forbid=0 and a.k_ljje<>0 and a.id in "
                          "(select max(x.id) from jxc_ysyfk x,(select k_ghskh,max(k_rq) as last_rq from jxc_ysyfk "
                          "where k_type='kh' group by k_ghskh) y where x.k_type='kh' and x.k_ghskh=y.k_ghskh "
                          "and x.k_rq=y.last_rq group by x.k_ghskh)");
    const QString name = customerName.trimmed();
    if (!name.isEmpty() && name != QStringLiteral("全部客户"))
        sql += QStringLiteral(" and a.k_ghskh='") + SafeSqlText(customerCode) + QStringLiteral("' ");
    return sql + QStringLiteral(" order by a.k_ghskh,a.k_rq,a.id");
}
