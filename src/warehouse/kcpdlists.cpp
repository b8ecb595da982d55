#include "warehouse/kcpdlists.h"

#include "platform/db/transaction.h"

#include <QDate>
#include <cmath>

using posting::Params;

namespace {

QString KcpdWhere(const KcpdFilter& f, const QString& header, Params& params)
{
    QString sql;
    if (!f.boundOperator.isEmpty()) {
        params.insert(QStringLiteral("op"), QStringLiteral("%") + f.boundOperator + QStringLiteral("%"));
        sql += QStringLiteral(" and w.ck_asn like :op");
    }
    if (f.warehouse != QLatin1String("-1") && !f.warehouse.isEmpty()) {
        params.insert(QStringLiteral("ck"), f.warehouse);
        sql += QStringLiteral(" and ") + header + QStringLiteral(".ck_sn=:ck");
    }
    if (!f.from.isEmpty()) {
        // The range takes the whole of its last day.
        params.insert(QStringLiteral("d1"), f.from);
        params.insert(QStringLiteral("d2"),
            QDate::fromString(f.to, QStringLiteral("yyyy-MM-dd")).addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
        sql += QStringLiteral(" and ") + header + QStringLiteral(".pd_rq>=:d1 and ") + header
            + QStringLiteral(".pd_rq<:d2");
    }
    return sql;
}

QString KcpdLike(const QString& text)
{
    return QStringLiteral("%") + text + QStringLiteral("%");
}

} // namespace

QString KcpdDocListSql(int status, const KcpdFilter& f, Params& params)
{
    params.insert(QStringLiteral("st"), status);
    params.insert(QStringLiteral("k"), KcpdLike(f.keyword));
    return QStringLiteral("select a.*,a.pd_sl-a.kc_sl as cysl,w.ck_name from jxc_kcpd a inner join jxc_ckxx w on "
                          "a.ck_sn=w.ck_sn where a.pd_status=:st")
        + KcpdWhere(f, QStringLiteral("a"), params) + QStringLiteral(" and a.gl_djh like :k order by a.gl_djh")
        + (status == 1 ? QStringLiteral(" desc") : QString());
}

QString KcpdLinesSql()
{
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,a.pd_sl-a.kc_sl as cysl,"
                          "a.pd_dj as dj,a.pd_zje as zje from jxc_kcpdsp a left join jxc_goods b on a.g_sn=b.g_sn "
                          "where a.gl_djh=:n order by a.id desc");
}

QString KcpdDetailSql(const KcpdFilter& f, Params& params)
{
    params.insert(QStringLiteral("k"), KcpdLike(f.keyword));
    return QStringLiteral("select a.*,a.pd_sl-a.kc_sl as cysl,a.pd_dj as dj,a.pd_zje as zje,b.g_name,b.dw_name,"
                          "b.gg_name,b.color_name,c.pd_rq,c.pd_checker,c.pd_chkrq,w.ck_name from jxc_kcpdsp a "
                          "inner join jxc_kcpd c on a.gl_djh=c.gl_djh left join jxc_goods b on a.g_sn=b.g_sn "
                          "inner join jxc_ckxx w on c.ck_sn=w.ck_sn where c.pd_status=1")
        + KcpdWhere(f, QStringLiteral("c"), params)
        + QStringLiteral(" and (a.g_sn like :k or b.g_jm like :k or b.g_name like :k) order by a.gl_djh desc,a.id");
}

QString KcpdSizeSql(int status, const KcpdFilter& f, Params& params)
{
    params.insert(QStringLiteral("st"), status);
    params.insert(QStringLiteral("k"), KcpdLike(f.keyword));
    params.insert(QStringLiteral("gd"), KcpdLike(f.goods));
    QString sql
        = QStringLiteral("select a.id,a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.t_sl,a.t_oldsl,a.a_name,a.tid,c.pd_rq,"
                         "b.pd_sl,b.pd_dj,a.t_sl*b.pd_dj as zje,d.g_name,d.gg_name,d.dw_name,d.g_sccs,w.ck_name,"
                         "f.cm_name,g.color_name from jxc_kcpdspmx a inner join jxc_kcpdsp b on a.gl_djh=b.gl_djh and "
                         "a.g_sn=b.g_sn and a.tid=b.tid inner join jxc_kcpd c on a.gl_djh=c.gl_djh inner join "
                         "jxc_ckxx w on c.ck_sn=w.ck_sn left join jxc_goods d on a.g_sn=d.g_sn left join jxc_cm f on "
                         "a.cm_sn=f.cm_sn left join jxc_color g on a.color_sn=g.color_sn where c.pd_status=:st")
        + KcpdWhere(f, QStringLiteral("c"), params)
        + QStringLiteral(" and a.gl_djh like :k and (a.g_sn like :gd or d.g_name like :gd or d.g_jm like :gd)");
    if (f.mismatch)
        sql += QStringLiteral(" and b.pd_sl<>(select coalesce(sum(m.t_sl),0) from jxc_kcpdspmx m where "
                              "m.gl_djh=a.gl_djh and m.g_sn=a.g_sn and m.tid=b.tid)");
    return sql + QStringLiteral(" order by a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.id");
}

bool SetStockTakeCount(qint64 rowId, const QString& text)
{
    const QString t = text.trimmed();
    double value = 0;
    if (!t.isEmpty()) {
        bool ok = false;
        value = t.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return false;
    }
    Transaction tr(posting::Db());
    posting::Run(QStringLiteral("update jxc_kcpdspmx set t_sl=:v where id=:id"),
        { { QStringLiteral("v"), value }, { QStringLiteral("id"), rowId } });
    tr.Commit();
    return true;
}

int DeleteStockTakeSizeRows(const QList<qint64>& rowIds)
{
    Transaction tr(posting::Db());
    for (qint64 id : rowIds)
        posting::Run(QStringLiteral("delete from jxc_kcpdspmx where id=:id"), { { QStringLiteral("id"), id } });
    tr.Commit();
    return int(rowIds.size());
}

void DeleteStockTakeGoods(const QString& number, const QString& goods)
{
    const Params p { { QStringLiteral("n"), number }, { QStringLiteral("g"), goods } };
    Transaction tr(posting::Db());
    posting::Run(QStringLiteral("delete from jxc_kcpdsp where g_sn=:g and gl_djh=:n"), p);
    posting::Run(QStringLiteral("delete from jxc_kcpdspmx where g_sn=:g and gl_djh=:n"), p);
    tr.Commit();
}

QString StockTakeSizeDeleteQuestion()
{
    return QStringLiteral("您确定要删除选中商品信息吗？");
}

QString StockTakeSizeDeleteDone(int count)
{
    return QStringLiteral("成功删除：") + QString::number(count) + QStringLiteral("  个商品信息。");
}
