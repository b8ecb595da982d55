#include "documents/goodsbrowser.h"

#include "documents/docdrafts.h"
#include "documents/docwindow.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

using namespace posting;

GoodsListQuery PurchaseGoodsList(const DocKind& kind, const QString& mode, bool bindOperatorWarehouse, bool supplierBox,
    const QString& warehouse, const QString& supplier, const QString& category)
{
    GoodsListQuery q;
    QString from = QStringLiteral("select a.*,a.g_kc as kc_sl from jxc_goods a where ");
    QString where = QStringLiteral("a.g_jy=0 and a.g_sn<>'00000000'");
    if (mode == QLatin1String("2")) {
        q.params.insert(QStringLiteral("ck"), warehouse);
        if (bindOperatorWarehouse && !supplierBox)
            from = QStringLiteral("select a.*,b.kc_sl from jxc_goods a left join jxc_kcsp b on b.g_sn=a.g_sn "
                                  "and b.ck_sn=:ck where ");
        else
            from = QStringLiteral("select a.*,b.kc_sl from jxc_goods a,jxc_kcsp b where b.g_sn=a.g_sn and "
                                  "b.ck_sn=:ck and ");
    }
    if (supplierBox) {
        q.params.insert(QStringLiteral("ghs"), supplier);
        where += QStringLiteral(" and a.g_sn in (select c.g_sn from ") + kind.lines + QStringLiteral(" c,")
            + kind.header + QStringLiteral(" d where c.gl_djh=d.gl_djh and d.") + kind.statusColumn
            + QStringLiteral("=1 and d.ghs_sn=:ghs")
            + (mode == QLatin1String("2") ? QStringLiteral(" and d.ck_sn=:ck)") : QStringLiteral(")"));
    }
    if (!category.isEmpty()) {
        q.params.insert(QStringLiteral("gc"), category);
        where += QStringLiteral(" and a.gc_sn=:gc");
    }
    q.sql = from + where + QStringLiteral(" order by a.g_cgpl desc,a.g_sn");
    return q;
}

GoodsListQuery ReturnGoodsList(bool onlySupplierGoods, bool zeroStockAllowed, const QString& warehouse,
    const QString& supplier, const QString& category)
{
    GoodsListQuery q;
    q.params.insert(QStringLiteral("ck"), warehouse);
    QString sql = zeroStockAllowed
        ? QStringLiteral("select a.*,coalesce(b.kc_sl,0) as kc_sl from jxc_goods a left join jxc_kcsp b on "
                         "b.g_sn=a.g_sn and b.ck_sn=:ck where a.g_jy=0 and a.g_sn<>'00000000'")
        : QStringLiteral("select a.*,b.kc_sl from jxc_goods a,jxc_kcsp b where b.g_sn=a.g_sn and b.ck_sn=:ck and "
                         "b.kc_sl>0 and a.g_jy=0 and a.g_sn<>'00000000'");
    if (onlySupplierGoods) {
        q.params.insert(QStringLiteral("ghs"), supplier);
        sql += QStringLiteral(" and a.g_sn in (select c.g_sn from jxc_jhsp c,jxc_jhd d where c.gl_djh=d.gl_djh and "
                              "d.j_status=1 and d.ghs_sn=:ghs")
            + (zeroStockAllowed ? QStringLiteral(")") : QStringLiteral(" and d.ck_sn=:ck)"));
    }
    if (!category.isEmpty()) {
        q.params.insert(QStringLiteral("gc"), category);
        sql += QStringLiteral(" and a.gc_sn=:gc");
    }
    q.sql = sql + QStringLiteral(" order by a.g_cgpl desc,a.g_sn");
    return q;
}

QString ResortGoodsList(const QString& sql, const QString& mode, const QString& field, bool descending)
{
    QString column = QStringLiteral("a.") + field;
    if (field == QLatin1String("kc_sl"))
        column = mode == QLatin1String("2") ? QStringLiteral("b.kc_sl") : QStringLiteral("a.g_kc");
    const int cut = int(sql.lastIndexOf(QStringLiteral("order by")));
    return (cut >= 0 ? sql.left(cut) : sql + QLatin1Char(' ')) + QStringLiteral("order by ") + column
        + (descending ? QStringLiteral(" desc") : QString());
}

bool GoodsAlreadyAdded(const DocKind& kind, const QString& number, const QString& goodsSn)
{
    const Params p { { QStringLiteral("g"), goodsSn }, { QStringLiteral("a"), CurrentAdminName },
        { QStringLiteral("n"), number } };
    return First(QStringLiteral("select id from jxc_tempspxf where g_sn=:g and a_name=:a limit 1"), p).isValid()
        || First(
            QStringLiteral("select id from ") + kind.lines + QStringLiteral(" where g_sn=:g and gl_djh=:n limit 1"), p)
               .isValid();
}

int CopyPickedLines(
    const DocKind& kind, const QString& number, bool stockQtyZero, const QList<QPair<QString, QString>>& alsoCopy)
{
    Query picked(&Db());
    OpenWithParams(picked, QStringLiteral("select * from jxc_tempspxf where a_name=:a order by id"),
        { { QStringLiteral("a"), CurrentAdminName } });
    int copied = 0;
    for (picked.First(); !picked.Eof(); picked.Next()) {
        const qint64 pickedId = picked.AsInteger(QStringLiteral("id"));
        auto col = [&](const char* stem) { return kind.Col(stem); };
        auto ts = [&](const char* stem) { return picked.Value(QStringLiteral("ts_") + QLatin1String(stem)); };
        Row row { { QStringLiteral("gl_djh"), number }, { col("dj"), ts("dj") }, { col("sl"), ts("sl") },
            { col("zje"), ts("zje") }, { QStringLiteral("g_sn"), picked.Value(QStringLiteral("g_sn")) },
            { QStringLiteral("a_name"), picked.Value(QStringLiteral("a_name")) }, { QStringLiteral("tid"), pickedId },
            { col("je"), ts("je") }, { col("tax"), ts("tax") }, { col("taxdj"), ts("taxdj") },
            { col("taxje"), ts("taxje") }, { col("dzl"), ts("dzl") }, { col("bz"), ts("note") } };
        if (!kind.stockQtyColumn.isEmpty())
            row.append({ kind.stockQtyColumn, stockQtyZero ? QVariant(0) : ts("sl") });
        if (!kind.costColumn.isEmpty())
            row += Row { { kind.costColumn, ts("cbj") }, { kind.totalCostColumn, ts("zcb") } };
        // Sales lines carry the gift flag, the retail price, the second cost and the
        // amount after discount besides.
        if (kind.linePrefix == QLatin1String("ls"))
            row += Row { { col("zhje"), ts("zje") }, { QStringLiteral("t_zp"), picked.Value(QStringLiteral("t_zp")) },
                { col("lsj"), ts("lsj") }, { col("cbj2"), ts("cbj2") } };
        for (const auto& [lineColumn, scratchColumn] : alsoCopy)
            row.append({ lineColumn, picked.Value(scratchColumn) });
        const qint64 lineId = InsertRow(kind.lines, row);
        ++copied;
        // The new line is paired with its picked line here, so only it is relinked.
        Query rows(&Db());
        OpenWithParams(rows,
            QStringLiteral("select g_sn,cm_sn,color_sn,t_sl,a_name from jxc_tempspxfmx where tid=:t order by id"),
            { { QStringLiteral("t"), pickedId } });
        if (rows.IsEmpty())
            continue;
        for (rows.First(); !rows.Eof(); rows.Next())
            InsertRow(kind.detail,
                { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), rows.Value(QStringLiteral("g_sn")) },
                    { QStringLiteral("t_sl"), rows.Value(QStringLiteral("t_sl")) },
                    { QStringLiteral("cm_sn"), rows.Value(QStringLiteral("cm_sn")) },
                    { QStringLiteral("color_sn"), rows.Value(QStringLiteral("color_sn")) },
                    { QStringLiteral("a_name"), rows.Value(QStringLiteral("a_name")) },
                    { QStringLiteral("tid"), lineId } });
        Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set tid=id where id=:id"),
            { { QStringLiteral("id"), lineId } });
    }
    return copied;
}

QString ListedGoodsColumns()
{
    return QStringLiteral("a.id,a.g_sn,a.g_name,a.g_jm,a.dw_name,a.gg_name,a.color_name,a.g_sj,a.g_jj,a.g_kc,a.g_sptm,"
                          "a.g_xspl,a.gc_sn,a.ghs_sn");
}

void OpenGoodsList(Query& list, const GoodsListQuery& statement, int pageRows)
{
    list.Close();
    list.ClearParams();
    list.SetSQL(statement.sql);
    for (auto it = statement.params.begin(); it != statement.params.end(); ++it)
        list.SetParam(it.key(), it.value());
    // The datasets are shared with other browsers: paging holds for this opening only.
    list.OpenPaged(pageRows);
}

QString ConfirmPicks(const DocKind& kind, const PickConfirmation& c)
{
    DocHost* host = FindDocHost(kind.prefix);
    Transaction t(Db());
    if (c.dropEmpty)
        Run(QStringLiteral("delete from jxc_tempspxf where (g_sn='' or g_sn is null) and a_name=:a"),
            { { QStringLiteral("a"), CurrentAdminName } });
    QString number = c.number;
    if (!c.pending && host)
        number = RedrawIfHeld(kind, number, host->date());
    CopyPickedLines(kind, number, c.stockQtyZero);
    const Params n { { QStringLiteral("n"), number } };
    if (c.pending && !c.zeroAllColumn.isEmpty()
        && First(QStringLiteral("select ") + c.zeroAllColumn + QStringLiteral(" from ") + kind.lines
                + QStringLiteral(" where ") + c.zeroAllColumn + QStringLiteral("=0 and gl_djh=:n limit 1"),
            n)
               .isValid())
        Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set ") + c.zeroAllColumn
                + QStringLiteral("=0 where gl_djh=:n"),
            n);
    ClearTempLines();
    t.Commit();
    if (host) {
        if (number != c.number)
            host->showNumber(number);
        if (c.pending)
            host->reloadPending();
        else
            host->reloadDraft();
    }
    return number;
}
