#include "purchasing/wholereturn.h"

#include "documents/docdrafts.h"

#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <QHash>

QString GoodsWithoutStockRow(const QString& warehouseSn, const QString& number)
{
    // The entry grid shows only lines with colour-by-size rows; the check visits those.
    return posting::First(
        QStringLiteral("select a.g_name from jxc_thsp b inner join jxc_goods a on a.g_sn=b.g_sn "
                       "where b.gl_djh=:n and b.a_name=:a "
                       "and exists (select 1 from jxc_thspmx e where e.tid=b.id) "
                       "and not exists (select 1 from jxc_kcsp k where k.ck_sn=:ck and k.g_sn=b.g_sn) "
                       "order by b.id limit 1"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName },
            { QStringLiteral("ck"), warehouseSn } })
        .toString();
}

std::optional<WholeReturnHeader> CopyWholeReturn(const QString& goodsInNo, const QString& returnNo)
{
    using namespace posting;
    Query h(&Db());
    OpenWithParams(h,
        QStringLiteral("select a.ghs_sn,a.j_yfje,a.j_sfje,a.j_note,b.ghs_name,c.ck_name,d.u_name "
                       "from jxc_jhd a,jxc_ghsxx b,jxc_ckxx c,jxc_user d where a.ghs_sn=b.ghs_sn "
                       "and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.gl_djh=:n"),
        { { QStringLiteral("n"), goodsInNo } });
    if (h.IsEmpty())
        return std::nullopt;
    WholeReturnHeader header { h.AsString(QStringLiteral("ghs_sn")), h.AsString(QStringLiteral("ghs_name")),
        h.AsString(QStringLiteral("ck_name")), h.AsString(QStringLiteral("u_name")),
        h.AsString(QStringLiteral("j_note")), h.AsFloat(QStringLiteral("j_yfje")),
        h.AsFloat(QStringLiteral("j_sfje")) };

    Transaction t(Db());
    Query lines(&Db());
    OpenWithParams(lines,
        QStringLiteral("select id,g_sn,jh_dj,jh_sl,jh_zje,jh_je,jh_tax,jh_taxdj,jh_taxje,jh_dzl,jh_bz "
                       "from jxc_jhsp where gl_djh=:n order by id"),
        { { QStringLiteral("n"), goodsInNo } });
    // Goods-in line id -> its copy, so that every copied row finds its own new line
    // even where two lines of one goods carry equal link values.
    QHash<qint64, qint64> copies;
    for (lines.First(); !lines.Eof(); lines.Next()) {
        const qint64 id = InsertRow(QStringLiteral("jxc_thsp"),
            { { QStringLiteral("gl_djh"), returnNo },
                { QStringLiteral("th_dj"), lines.AsFloat(QStringLiteral("jh_dj")) },
                { QStringLiteral("th_sl"), lines.AsFloat(QStringLiteral("jh_sl")) },
                { QStringLiteral("th_zje"), lines.AsFloat(QStringLiteral("jh_zje")) },
                { QStringLiteral("g_sn"), lines.AsString(QStringLiteral("g_sn")) },
                { QStringLiteral("a_name"), CurrentAdminName },
                { QStringLiteral("th_je"), lines.AsFloat(QStringLiteral("jh_je")) },
                { QStringLiteral("th_tax"), lines.AsFloat(QStringLiteral("jh_tax")) },
                { QStringLiteral("th_taxdj"), lines.AsFloat(QStringLiteral("jh_taxdj")) },
                { QStringLiteral("th_taxje"), lines.AsFloat(QStringLiteral("jh_taxje")) },
                { QStringLiteral("th_dzl"), lines.AsFloat(QStringLiteral("jh_dzl")) },
                { QStringLiteral("th_bz"), lines.AsString(QStringLiteral("jh_bz")) },
                { QStringLiteral("gl_djh2"), goodsInNo } });
        Run(QStringLiteral("update jxc_thsp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
        copies.insert(lines.AsInteger(QStringLiteral("id")), id);
    }
    Query rows(&Db());
    OpenWithParams(rows,
        QStringLiteral("select g_sn,cm_sn,color_sn,t_sl,tid from jxc_jhspmx where gl_djh=:n order by id"),
        { { QStringLiteral("n"), goodsInNo } });
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const auto line = copies.constFind(rows.AsInteger(QStringLiteral("tid")));
        if (line == copies.constEnd())
            continue; // a row of no line of the document would show nowhere
        InsertRow(QStringLiteral("jxc_thspmx"),
            { { QStringLiteral("gl_djh"), returnNo }, { QStringLiteral("g_sn"), rows.AsString(QStringLiteral("g_sn")) },
                { QStringLiteral("cm_sn"), rows.AsString(QStringLiteral("cm_sn")) },
                { QStringLiteral("color_sn"), rows.AsString(QStringLiteral("color_sn")) },
                { QStringLiteral("t_sl"), rows.AsFloat(QStringLiteral("t_sl")) },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), line.value() } });
    }
    t.Commit();
    return header;
}

void MarkWholeReturned(const QString& goodsInNo, const QString& returnNo)
{
    posting::Run(QStringLiteral("update jxc_jhd set j_th=1,j_dhdid=:r where gl_djh=:n"),
        { { QStringLiteral("r"), returnNo }, { QStringLiteral("n"), goodsInNo } });
}

namespace {

void ReleaseWholeReturned(const QString& returnNo)
{
    posting::Run(
        QStringLiteral("update jxc_jhd set j_th=0,j_dhdid='' where j_dhdid=:r"), { { QStringLiteral("r"), returnNo } });
}

} // namespace

bool DeletePendingReturnLine(const QString& returnNo, qint64 lineId)
{
    Transaction t(posting::Db());
    const bool gone = DeletePendingLine(PurchaseReturnKind(), returnNo, lineId);
    if (gone)
        ReleaseWholeReturned(returnNo);
    t.Commit();
    return gone;
}

void DeletePendingReturn(const QString& returnNo)
{
    Transaction t(posting::Db());
    DeletePendingDocument(PurchaseReturnKind(), returnNo);
    ReleaseWholeReturned(returnNo);
    t.Commit();
}
