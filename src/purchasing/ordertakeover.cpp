#include "purchasing/ordertakeover.h"

#include "documents/docdrafts.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

namespace {

OrderHeaderTaken ReadOrderHeader(const QString& orderNo)
{
    Query h(&posting::Db());
    OpenWithParams(h,
        QStringLiteral("select a.ghs_sn,a.j_note,a.j_jsfs,a.j_kmmc,b.ghs_name,c.ck_name,d.u_name from jxc_cgd a "
                       "left join jxc_ghsxx b on b.ghs_sn=a.ghs_sn left join jxc_ckxx c on c.ck_sn=a.ck_sn "
                       "left join jxc_user d on d.u_sn=a.u_sn where a.gl_djh=:n order by a.id"),
        { { QStringLiteral("n"), orderNo } });
    if (h.IsEmpty())
        return {};
    return { orderNo, h.AsString(QStringLiteral("ghs_sn")), h.AsString(QStringLiteral("ghs_name")),
        h.AsString(QStringLiteral("j_note")), int(h.AsInteger(QStringLiteral("j_jsfs"))),
        h.AsString(QStringLiteral("ck_name")), h.AsString(QStringLiteral("u_name")),
        h.AsString(QStringLiteral("j_kmmc")) };
}

// Copies one order line and its colour-by-size rows under the goods-in number; each
// copied row is linked to the new line by the order line's id, never by a link value
// that a goods-in line id could equal. Answers the order's number, empty when the
// line is gone.
QString CopyOrderLine(qint64 orderLineId, const QString& goodsInNo)
{
    using namespace posting;
    Query line(&Db());
    OpenWithParams(line,
        QStringLiteral("select gl_djh,g_sn,jh_dj,jh_sl,jh_zje,jh_je,jh_tax,jh_taxdj,jh_taxje,jh_dzl,jh_bz "
                       "from jxc_cgsp where id=:id"),
        { { QStringLiteral("id"), orderLineId } });
    if (line.IsEmpty())
        return QString();
    const QString orderNo = line.AsString(QStringLiteral("gl_djh"));
    const double qty = line.AsFloat(QStringLiteral("jh_sl"));
    const qint64 id = InsertRow(QStringLiteral("jxc_jhsp"),
        { { QStringLiteral("gl_djh"), goodsInNo }, { QStringLiteral("jh_dj"), line.AsFloat(QStringLiteral("jh_dj")) },
            { QStringLiteral("jh_sl"), qty }, { QStringLiteral("jh_zje"), line.AsFloat(QStringLiteral("jh_zje")) },
            { QStringLiteral("g_sn"), line.AsString(QStringLiteral("g_sn")) },
            { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("jh_je"), line.AsFloat(QStringLiteral("jh_je")) },
            { QStringLiteral("jh_tax"), line.AsFloat(QStringLiteral("jh_tax")) },
            { QStringLiteral("jh_taxdj"), line.AsFloat(QStringLiteral("jh_taxdj")) },
            { QStringLiteral("jh_taxje"), line.AsFloat(QStringLiteral("jh_taxje")) },
            { QStringLiteral("jh_rksl"), IsTrue(UseStockIn) ? 0.0 : qty },
            { QStringLiteral("jh_dzl"), line.AsFloat(QStringLiteral("jh_dzl")) },
            { QStringLiteral("jh_bz"), line.AsString(QStringLiteral("jh_bz")) },
            { QStringLiteral("gl_djh2"), orderNo } });
    Run(QStringLiteral("update jxc_jhsp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
    Run(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                       "select :djh,g_sn,cm_sn,color_sn,t_sl,:a,:tid from jxc_cgspmx "
                       "where gl_djh=:order and tid=:line order by id"),
        { { QStringLiteral("djh"), goodsInNo }, { QStringLiteral("a"), CurrentAdminName },
            { QStringLiteral("tid"), id }, { QStringLiteral("order"), orderNo },
            { QStringLiteral("line"), orderLineId } });
    return orderNo;
}

} // namespace

OrderTakeOver TakeOverWholeOrder(const QString& orderNo, const QString& goodsInNo, const QString& date)
{
    using namespace posting;
    Transaction t(Db());
    OrderTakeOver result;
    result.number = RedrawIfHeld(GoodsInKind(), goodsInNo, date);
    DiscardDraft(GoodsInKind(), result.number);
    Query lines(&Db());
    OpenWithParams(lines, QStringLiteral("select id from jxc_cgsp where gl_djh=:n order by id"),
        { { QStringLiteral("n"), orderNo } });
    for (lines.First(); !lines.Eof(); lines.Next())
        CopyOrderLine(lines.AsInteger(QStringLiteral("id")), result.number);
    result.header = ReadOrderHeader(orderNo);
    t.Commit();
    return result;
}

OrderTakeOver TakeOverOrderLines(const QList<qint64>& orderLineIds, const QString& goodsInNo, const QString& date)
{
    using namespace posting;
    Transaction t(Db());
    OrderTakeOver result;
    result.number = orderLineIds.isEmpty() ? goodsInNo : RedrawIfHeld(GoodsInKind(), goodsInNo, date);
    QString lastOrder;
    for (qint64 id : orderLineIds) {
        const QString order = CopyOrderLine(id, result.number);
        if (!order.isEmpty())
            lastOrder = order;
    }
    if (!lastOrder.isEmpty())
        result.header = ReadOrderHeader(lastOrder);
    t.Commit();
    return result;
}
