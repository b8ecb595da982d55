#include "warehouse/bsbylists.h"

#include "warehouse/stockdocs.h"

#include <QDate>

using posting::Params;

namespace {

const QString kStockTakeLossNote = QStringLiteral("盘点库存报损");

QString BsbyKindSelect(const StockKind& k, const char* kindName)
{
    const QString x = k.doc.linePrefix;
    return QStringLiteral("select a.gl_djh,a.") + k.doc.dateColumn + QStringLiteral(" as rq,a.") + k.noteColumn
        + QStringLiteral(" as dnote,a.a_name,b.ck_name,c.u_name,'") + QString::fromUtf8(kindName)
        + QStringLiteral("' as djlx,a.ck_sn from ") + k.doc.header
        + QStringLiteral(" a inner join jxc_ckxx b on a.ck_sn=b.ck_sn inner join jxc_user c on a.u_sn=c.u_sn where a.")
        + k.doc.statusColumn + QStringLiteral("=0");
}

QString BsbyBinding(const QString& boundOperator, const QString& alias, Params& params)
{
    if (boundOperator.isEmpty())
        return QString();
    params.insert(QStringLiteral("op"), QStringLiteral("%") + boundOperator + QStringLiteral("%"));
    return QStringLiteral(" and ") + alias + QStringLiteral(".ck_asn like :op");
}

// Dates, advanced filters and binding on the header alias `h` and warehouse alias `w`.
QString BsbyQueryConditions(
    const StockKind& k, const BsbyQueryFilter& f, const QString& h, const QString& w, Params& params)
{
    QString sql = BsbyBinding(f.boundOperator, w, params);
    params.insert(QStringLiteral("d1"), f.from);
    params.insert(QStringLiteral("d2"),
        QDate::fromString(f.to, QStringLiteral("yyyy-MM-dd")).addDays(1).toString(QStringLiteral("yyyy-MM-dd")));
    sql += QStringLiteral(" and ") + h + QLatin1Char('.') + k.doc.dateColumn + QStringLiteral(">=:d1 and ") + h
        + QLatin1Char('.') + k.doc.dateColumn + QStringLiteral("<:d2");
    if (!f.warehouse.isEmpty()) {
        params.insert(QStringLiteral("ck"), f.warehouse);
        sql += QStringLiteral(" and ") + h + QStringLiteral(".ck_sn=:ck");
    }
    if (!f.handler.isEmpty()) {
        params.insert(QStringLiteral("u"), f.handler);
        sql += QStringLiteral(" and ") + h + QStringLiteral(".u_sn=:u");
    }
    return sql;
}

} // namespace

QString BsbyPendingSql(const BsbyPendingFilter& f, Params& params)
{
    QString cond = BsbyBinding(f.boundOperator, QStringLiteral("b"), params);
    if (f.warehouse != QLatin1String("-1")) {
        params.insert(QStringLiteral("ck"), f.warehouse);
        cond += QStringLiteral(" and a.ck_sn=:ck");
    }
    params.insert(QStringLiteral("k"), QStringLiteral("%") + f.keyword + QStringLiteral("%"));
    const auto arm = [&](const StockKind& k, const char* name) {
        return BsbyKindSelect(k, name) + cond + QStringLiteral(" and (a.gl_djh like :k or a.") + k.noteColumn
            + QStringLiteral(" like :k)");
    };
    return QStringLiteral("select * from (") + arm(LossKind(), "商品报损") + QStringLiteral(" union ")
        + arm(OverflowKind(), "商品报溢") + QStringLiteral(") u order by gl_djh");
}

QString BsbyDocListSql(const StockKind& k, const BsbyQueryFilter& f, Params& params)
{
    QString sql = QStringLiteral("select a.*,b.ck_name,c.u_name from ") + k.doc.header
        + QStringLiteral(" a inner join jxc_ckxx b on a.ck_sn=b.ck_sn inner join jxc_user c on a.u_sn=c.u_sn where a.")
        + k.doc.statusColumn + QStringLiteral("=1")
        + BsbyQueryConditions(k, f, QStringLiteral("a"), QStringLiteral("b"), params);
    if (!f.keyword.isEmpty()) {
        params.insert(QStringLiteral("k"), QStringLiteral("%") + f.keyword + QStringLiteral("%"));
        sql += QStringLiteral(" and (a.gl_djh like :k or a.") + k.noteColumn
            + QStringLiteral(" like :k or a.ck_sn like :k or b.ck_name like :k)");
    }
    return sql + QStringLiteral(" order by a.gl_djh desc");
}

QString BsbySummarySql(const StockKind& k, const BsbyQueryFilter& f, Params& params)
{
    const QString x = k.doc.linePrefix;
    QString inner = QStringLiteral("select x.g_sn,sum(x.") + x + QStringLiteral("_sl) as sl from ") + k.doc.lines
        + QStringLiteral(" x inner join ") + k.doc.header
        + QStringLiteral(" y on x.gl_djh=y.gl_djh inner join jxc_ckxx z on y.ck_sn=z.ck_sn where y.")
        + k.doc.statusColumn + QStringLiteral("=1")
        + BsbyQueryConditions(k, f, QStringLiteral("y"), QStringLiteral("z"), params);
    if (!f.keyword.isEmpty()) {
        params.insert(QStringLiteral("k"), QStringLiteral("%") + f.keyword + QStringLiteral("%"));
        inner += QStringLiteral(" and (y.gl_djh like :k or x.") + x
            + QStringLiteral("_note like :k or y.ck_sn like :k or z.ck_name like :k)");
    }
    // Losses booked by a stock-take are told apart by their remark.
    if (&k == &LossKind()) {
        params.insert(QStringLiteral("pdnote"), kStockTakeLossNote);
        inner += f.stockTakeOnly == QLatin1String("1") ? QStringLiteral(" and y.bs_note=:pdnote")
                                                       : QStringLiteral(" and y.bs_note<>:pdnote");
    }
    return QStringLiteral("select a.g_name,a.dw_name,a.gg_name,a.color_name,a.g_sccs,a.g_bz,b.* from jxc_goods a "
                          "inner join (")
        + inner + QStringLiteral(" group by x.g_sn) b on a.g_sn=b.g_sn order by b.g_sn");
}

QString BsbyLinesSql(const StockKind& k)
{
    const QString x = k.doc.linePrefix;
    return QStringLiteral("select a.id,a.") + x + QStringLiteral("_sl as sl,a.") + x + QStringLiteral("_dj as dj,a.")
        + x + QStringLiteral("_zje as zje,a.") + x
        + QStringLiteral("_note as dnote,a.gl_djh,b.g_name,b.dw_name,b.gg_name,b.color_name,a.g_sn,c.gc_name,a.tid "
                         "from ")
        + k.doc.lines
        + QStringLiteral(" a left join jxc_goods b on a.g_sn=b.g_sn left join jxc_goodsclass c on b.gc_sn=c.gc_sn "
                         "where a.gl_djh=:n order by a.id");
}

QString BsbySummaryDocsSql(const StockKind& k, const BsbyQueryFilter& f, Params& params)
{
    const QString x = k.doc.linePrefix;
    QString sql = QStringLiteral("select a.") + k.doc.dateColumn + QStringLiteral(" as rq,a.gl_djh,x.") + x
        + QStringLiteral("_sl as sl,x.") + x + QStringLiteral("_dj as dj,x.") + x + QStringLiteral("_zje as zje,x.") + x
        + QStringLiteral("_note as dnote,a.a_name,b.ck_name,c.u_name,a.") + k.doc.checkerColumn
        + QStringLiteral(" as checker,a.") + k.doc.checkDateColumn + QStringLiteral(" as chkrq from ") + k.doc.header
        + QStringLiteral(" a inner join ") + k.doc.lines
        + QStringLiteral(" x on x.gl_djh=a.gl_djh left join jxc_ckxx b on a.ck_sn=b.ck_sn left join jxc_user c on "
                         "a.u_sn=c.u_sn where a.")
        + k.doc.statusColumn + QStringLiteral("=1 and x.g_sn=:g")
        + BsbyQueryConditions(k, f, QStringLiteral("a"), QStringLiteral("b"), params);
    if (!f.keyword.isEmpty()) {
        params.insert(QStringLiteral("k"), QStringLiteral("%") + f.keyword + QStringLiteral("%"));
        sql += QStringLiteral(" and (a.gl_djh like :k or x.") + x + QStringLiteral("_note like :k)");
    }
    return sql + QStringLiteral(" order by a.id desc,x.id");
}

QString BsbyDetailSql(const StockKind& k, const BsbyQueryFilter& f, Params& params)
{
    const QString x = k.doc.linePrefix;
    QString sql = QStringLiteral("select a.") + k.doc.dateColumn
        + QStringLiteral(" as rq,a.gl_djh,a.a_name,x.id,x.g_sn,") + QStringLiteral("g.g_name,g.gg_name,g.dw_name,x.")
        + x + QStringLiteral("_sl as sl,x.") + x + QStringLiteral("_note as dnote,b.ck_name,c.u_name,a.")
        + k.doc.checkerColumn + QStringLiteral(" as checker,a.") + k.doc.checkDateColumn
        + QStringLiteral(" as chkrq,x.") + x + QStringLiteral("_dj as dj,x.") + x
        + QStringLiteral("_zje as zje,x.tid from ") + k.doc.header + QStringLiteral(" a inner join ") + k.doc.lines
        + QStringLiteral(" x on x.gl_djh=a.gl_djh left join jxc_goods g on x.g_sn=g.g_sn left join jxc_ckxx b on "
                         "a.ck_sn=b.ck_sn left join jxc_user c on a.u_sn=c.u_sn where a.")
        + k.doc.statusColumn + QStringLiteral("=1")
        + BsbyQueryConditions(k, f, QStringLiteral("a"), QStringLiteral("b"), params);
    if (!f.keyword.isEmpty()) {
        params.insert(QStringLiteral("k"), QStringLiteral("%") + f.keyword + QStringLiteral("%"));
        sql += QStringLiteral(" and (a.gl_djh like :k or x.") + x
            + QStringLiteral("_note like :k or a.ck_sn like :k or b.ck_name like :k)");
    }
    return sql + QStringLiteral(" order by a.gl_djh desc,x.id");
}

QString BsbySizeSql(std::initializer_list<const StockKind*> kinds, const BsbySizeFilter& f, Params& params)
{
    QString cond = BsbyBinding(f.boundOperator, QStringLiteral("e"), params);
    if (f.warehouse != QLatin1String("-1")) {
        params.insert(QStringLiteral("ck"), f.warehouse);
        cond += QStringLiteral(" and c.ck_sn=:ck");
    }
    if (!f.keyword.isEmpty()) {
        params.insert(QStringLiteral("k"), QStringLiteral("%") + f.keyword + QStringLiteral("%"));
        cond += f.keywordOnWarehouse ? QStringLiteral(" and (a.gl_djh like :k or c.ck_sn like :k or e.ck_name like :k)")
                                     : QStringLiteral(" and a.gl_djh like :k");
    }
    params.insert(QStringLiteral("gd"), QStringLiteral("%") + f.goods + QStringLiteral("%"));
    cond += QStringLiteral(" and (a.g_sn like :gd or d.g_name like :gd or d.g_jm like :gd)");
    params.insert(QStringLiteral("st"), f.status);
    QStringList arms;
    for (const StockKind* k : kinds) {
        const QString x = k->doc.linePrefix;
        // Each arm names its columns: the union needs them alike for both kinds.
        arms << QStringLiteral("select distinct a.id,a.gl_djh,a.g_sn,a.cm_sn,a.color_sn,a.t_sl,a.a_name,a.tid,c.")
                + k->doc.dateColumn + QStringLiteral(" as bs_bsrq,d.g_name,d.gg_name,b.") + x
                + QStringLiteral("_dj as bs_dj,d.dw_name,e.ck_name,f.cm_name,g.color_name,a.t_sl*b.") + x
                + QStringLiteral("_dj as zje,d.g_sccs from ") + k->doc.detail + QStringLiteral(" a inner join ")
                + k->doc.lines + QStringLiteral(" b on a.g_sn=b.g_sn and a.tid=b.tid inner join ") + k->doc.header
                + QStringLiteral(" c on a.gl_djh=c.gl_djh left join jxc_goods d on a.g_sn=d.g_sn left join jxc_ckxx e "
                                 "on c.ck_sn=e.ck_sn left join jxc_cm f on a.cm_sn=f.cm_sn left join jxc_color g on "
                                 "a.color_sn=g.color_sn where c.")
                + k->doc.statusColumn + QStringLiteral("=:st") + cond;
    }
    return QStringLiteral("select * from (") + arms.join(QStringLiteral(" union "))
        + QStringLiteral(") u order by gl_djh,g_sn,cm_sn,color_sn,t_sl,id");
}

bool ApproveLossOrOverflow(const QString& number)
{
    return ApproveStockDocument(LossOverflowKindOf(number), number);
}
