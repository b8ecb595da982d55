#include "sales/spddorder.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/costprice.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <QDate>
#include <QHash>

using namespace posting;

namespace {

const QString kOrderPrefix = QStringLiteral("XD");

// The day after d as "yyyy-MM-dd": ranges end before its start.
QString DayAfter(const QString& d)
{
    return QDate::fromString(d, QStringLiteral("yyyy-MM-dd")).addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
}

void BindRange(const OrderListFilter& f, SqlParams& p)
{
    p.insert(QStringLiteral("d1"), f.d1);
    p.insert(QStringLiteral("d2"), DayAfter(f.d2));
}

QString Like(const QString& text)
{
    return QLatin1Char('%') + text.trimmed() + QLatin1Char('%');
}

// Copies one order line into the delivery; answers the new line's id.
qint64 CopyOrderLine(Query& line, const QString& deliveryNo, bool stockOut)
{
    auto n = [&line](const char* f) { return line.AsFloat(QLatin1String(f)); };
    const double qty = n("ls_sl");
    const double dzl = n("ls_dzl");
    const qint64 id = InsertRow(QStringLiteral("jxc_lsxssp"),
        { { QStringLiteral("gl_djh"), deliveryNo }, { QStringLiteral("ls_dj"), n("ls_dj") },
            { QStringLiteral("ls_sl"), qty }, { QStringLiteral("ls_zje"), n("ls_taxdj") * qty * dzl },
            { QStringLiteral("g_sn"), line.AsString(QStringLiteral("g_sn")) },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("ls_dzl"), dzl },
            { QStringLiteral("ls_zhje"), n("ls_zhje") }, { QStringLiteral("t_zp"), QString() },
            { QStringLiteral("ls_je"), n("ls_dj") * qty * dzl }, { QStringLiteral("ls_tax"), n("ls_tax") },
            { QStringLiteral("ls_taxdj"), n("ls_taxdj") },
            { QStringLiteral("ls_taxje"), (n("ls_taxdj") - n("ls_dj")) * qty * dzl },
            { QStringLiteral("ls_lsj"), n("ls_lsj") }, { QStringLiteral("ls_cksl"), stockOut ? 0.0 : qty },
            { QStringLiteral("ls_cbj"), n("ls_cbj") }, { QStringLiteral("ls_zcb"), n("ls_zcb") },
            { QStringLiteral("ls_cbj2"), n("ls_cbj2") },
            { QStringLiteral("ls_bz"), line.AsString(QStringLiteral("ls_bz")) },
            { QStringLiteral("gl_djh2"), line.AsString(QStringLiteral("gl_djh")) } });
    Run(QStringLiteral("update jxc_lsxssp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
    return id;
}

// The colour-by-size rows of an order line go with its copy, linked to the new line.
void CopyOrderLineRows(const QString& orderNo, qint64 orderTid, const QString& deliveryNo, qint64 newLineId)
{
    Query rows(&Db());
    OpenWithParams(rows,
        QStringLiteral("select g_sn,cm_sn,color_sn,t_sl from jxc_xsspmx where gl_djh=:n and tid=:t order by id"),
        { { QStringLiteral("n"), orderNo }, { QStringLiteral("t"), orderTid } });
    for (rows.First(); !rows.Eof(); rows.Next())
        InsertRow(QStringLiteral("jxc_lsxsspmx"),
            { { QStringLiteral("gl_djh"), deliveryNo },
                { QStringLiteral("g_sn"), rows.AsString(QStringLiteral("g_sn")) },
                { QStringLiteral("cm_sn"), rows.AsString(QStringLiteral("cm_sn")) },
                { QStringLiteral("color_sn"), rows.AsString(QStringLiteral("color_sn")) },
                { QStringLiteral("t_sl"), rows.AsFloat(QStringLiteral("t_sl")) },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), newLineId } });
}

void CopyLines(Query& lines, const QString& deliveryNo)
{
    const bool stockOut = IsTrue(UseStockOut);
    for (lines.First(); !lines.Eof(); lines.Next()) {
        const qint64 newId = CopyOrderLine(lines, deliveryNo, stockOut);
        // A line's rows carry its tid; a line without one is linked by its id.
        const qint64 tid = lines.AsString(QStringLiteral("tid")).isEmpty() ? lines.AsInteger(QStringLiteral("id"))
                                                                           : lines.AsInteger(QStringLiteral("tid"));
        CopyOrderLineRows(lines.AsString(QStringLiteral("gl_djh")), tid, deliveryNo, newId);
    }
}

} // namespace

bool OrderApprovesOnSave()
{
    return ApproveOnSave != QLatin1String("0") && ApproveOnSave != QLatin1String("False");
}

double OrderStoredDue(const SalesOrderHeader& h)
{
    return h.settle == 0 && DiscountLineMode == QLatin1String("0") ? h.paid : h.due;
}

QString SaveSalesOrder(const SalesOrderHeader& h, int rows, bool approve)
{
    Transaction t(Db());
    const DocKind& kind = SalesOrderKind();
    const QString number = RedrawIfHeld(kind, h.number, h.date);
    InsertRow(QStringLiteral("jxc_xsd"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("kh_sn"), h.customer },
            { QStringLiteral("ck_sn"), h.warehouse },
            { QStringLiteral("ls_xsrq"), h.date + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm")) },
            { QStringLiteral("ls_yfje"), OrderStoredDue(h) }, { QStringLiteral("ls_sfje"), h.paid },
            { QStringLiteral("u_sn"), h.handler }, { QStringLiteral("ls_note"), h.note.trimmed() },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("ls_qk"), 0 },
            { QStringLiteral("ls_status"), 0 }, { QStringLiteral("ls_checker"), QString() },
            { QStringLiteral("ls_chkrq"), QString() }, { QStringLiteral("ls_jsfs"), h.settle },
            { QStringLiteral("ls_kmmc"), h.account }, { QStringLiteral("ls_th"), 0 }, { QStringLiteral("ls_dhbz"), 0 },
            { QStringLiteral("gl_djh2"), h.externalNo.trimmed() } });
    if (approve)
        ApproveSalesOrder(number, CurrentAdminName);
    else
        WriteLog(QStringLiteral("增加未审核销售订单") + number + QStringLiteral("，共") + QString::number(rows)
            + QStringLiteral("种商品"));
    t.Commit();
    return number;
}

bool ApproveSalesOrder(const QString& number, const QString& approvingOperator)
{
    const Params n { { QStringLiteral("n"), number } };
    Transaction t(Db());
    // Another operator's pending order under the number keeps its lines under a new one.
    FixDuplicateDocNo(number, kOrderPrefix, approvingOperator);
    Query header(&Db());
    OpenWithParams(header, QStringLiteral("select id,ls_status from jxc_xsd where gl_djh=:n order by id limit 1"), n);
    const QString deletePending = QStringLiteral("delete from jxc_xsd where ls_status=0 and gl_djh=:n");
    if (header.IsEmpty() || header.AsFloat(QStringLiteral("ls_status")) == 1) {
        Run(deletePending, n);
        t.Commit();
        return false;
    }
    Run(QStringLiteral("update jxc_xsd set ls_status=1,ls_checker=:c,ls_chkrq=:d where id=:id"),
        { { QStringLiteral("c"), CurrentAdminName },
            { QStringLiteral("d"), Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("id"), header.AsInteger(QStringLiteral("id")) } });
    Run(deletePending, n);
    Run(QStringLiteral("update jxc_xssp set ls_cksl=0,id2=id,ls_dhbz=0,ls_qxsl=0 where gl_djh=:n"), n);
    t.Commit();
    return true;
}

bool DeletePendingSalesOrderLine(const QString& number, qint64 lineId)
{
    const Params n { { QStringLiteral("n"), number } };
    Transaction t(Db());
    Run(QStringLiteral("delete from jxc_xssp where id=:id"), { { QStringLiteral("id"), lineId } });
    Run(QStringLiteral("delete from jxc_xsspmx where tid=:id"), { { QStringLiteral("id"), lineId } });
    const bool last = !First(QStringLiteral("select id from jxc_xssp where gl_djh=:n limit 1"), n).isValid();
    if (last) {
        Run(QStringLiteral("delete from jxc_xsd where gl_djh=:n"), n);
        Run(QStringLiteral("delete from jxc_xsspmx where gl_djh=:n"), n);
        WriteLog(QStringLiteral("因删除单据的所有商品而删除商品销售订单：") + number);
    }
    t.Commit();
    return last;
}

QString OrderChangeRefusal(const SalesOrderChange& c)
{
    if (c.handler.isEmpty())
        return QStringLiteral("请选择经办人！");
    const QVariant missing = First(QStringLiteral("select g_sn from jxc_xssp where g_sn<>'00000000' and gl_djh=:n "
                                                  "and g_sn not in (select g_sn from jxc_kcsp where ck_sn=:ck) "
                                                  "order by id limit 1"),
        { { QStringLiteral("n"), c.oldNo }, { QStringLiteral("ck"), c.warehouse } });
    if (missing.isValid())
        return QStringLiteral("当前仓库中不存在商品：“") + missing.toString() + QStringLiteral("”，不能更换仓库！");
    return QString();
}

QString ChangeSalesOrder(SalesOrderChange c)
{
    Transaction t(Db());
    QString dateText = c.storedDate;
    if (c.date == c.oldDate) {
        c.newNo = c.oldNo;
    } else {
        // A new day keeps the stored time of day.
        dateText = c.date + c.storedDate.mid(10);
        if (c.newNo.isEmpty() || c.newNo == c.oldNo
            || DocNoExists(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh"), c.newNo))
            c.newNo = NextDocNo(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh"), kOrderPrefix, c.date);
    }
    Run(QStringLiteral("update jxc_xsd set gl_djh=:n,kh_sn=:kh,ck_sn=:ck,u_sn=:u,ls_xsrq=:rq,ls_note=:note,"
                       "ls_yfje=:yf,ls_sfje=:sf,ls_jsfs=:js,ls_kmmc=:km,gl_djh2=:n2 where gl_djh=:o"),
        { { QStringLiteral("n"), c.newNo }, { QStringLiteral("kh"), c.customer }, { QStringLiteral("ck"), c.warehouse },
            { QStringLiteral("u"), c.handler }, { QStringLiteral("rq"), dateText },
            { QStringLiteral("note"), ToFullWidthText(c.note.trimmed()).left(200) }, { QStringLiteral("yf"), c.due },
            { QStringLiteral("sf"), c.paid }, { QStringLiteral("js"), c.settle }, { QStringLiteral("km"), c.account },
            { QStringLiteral("n2"), c.externalNo.trimmed() }, { QStringLiteral("o"), c.oldNo } });
    if (c.newNo != c.oldNo) {
        const Params moved { { QStringLiteral("n"), c.newNo }, { QStringLiteral("o"), c.oldNo } };
        Run(QStringLiteral("update jxc_xssp set gl_djh=:n where gl_djh=:o"), moved);
        Run(QStringLiteral("update jxc_xsspmx set gl_djh=:n where gl_djh=:o"), moved);
    }
    t.Commit();
    return c.newNo;
}

void SetSalesOrderVoid(const QString& number, bool isVoid)
{
    Transaction t(Db());
    Run(QStringLiteral("update jxc_xsd set ls_qk=:q where gl_djh=:n"),
        { { QStringLiteral("q"), isVoid ? 1 : 0 }, { QStringLiteral("n"), number } });
    t.Commit();
}

void CancelSalesOrderApproval(const QString& number)
{
    Transaction t(Db());
    Run(QStringLiteral("update jxc_xsd set ls_status=0,ls_chkrq='',ls_checker='' where gl_djh=:n"),
        { { QStringLiteral("n"), number } });
    t.Commit();
}

QString PendingOrdersSql(const OrderListFilter& f, SqlParams& p)
{
    QString sql = QStringLiteral(
        "select a.*,a.ls_yfje-a.ls_sfje-a.ls_yhje as wfje,b.kh_name,c.ck_name,d.u_name from jxc_xsd a,jxc_khxx b,"
        "jxc_ckxx c,jxc_user d where a.kh_sn=b.kh_sn and a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.ls_status=0 ");
    if (!f.restrictToAdminSn.isEmpty()) {
        sql += QStringLiteral(" and c.ck_asn like :asn ");
        p.insert(QStringLiteral("asn"), Like(f.restrictToAdminSn));
    }
    const QString customer
        = f.customer.trimmed() == QStringLiteral("全部客户") || f.customer.trimmed() == QStringLiteral("当前客户")
        ? QString()
        : f.customer;
    sql += QStringLiteral(" and (b.kh_name like :kh or b.kh_sn like :kh or b.kh_jm like :kh) "
                          " and (a.gl_djh like :k or c.ck_name like :k or c.ck_sn like :k or a.ls_note like :k) ");
    p.insert(QStringLiteral("kh"), Like(customer));
    p.insert(QStringLiteral("k"), Like(f.key));
    sql += f.descending ? QStringLiteral(" order by a.ls_xsrq desc,a.gl_djh desc,a.id desc")
                        : QStringLiteral(" order by a.ls_xsrq,a.gl_djh,a.id");
    return sql;
}

QString ApprovedOrdersSql(const OrderListFilter& f, SqlParams& p)
{
    QString sql = QStringLiteral(
        "select a.*,c.ck_name,d.u_name,b.kh_name from jxc_xsd a,jxc_khxx b,jxc_ckxx c,jxc_user d where "
        "a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.kh_sn=b.kh_sn and a.ls_status=1 and a.ls_xsrq>=:d1 "
        "and a.ls_xsrq<:d2 ");
    BindRange(f, p);
    if (!f.warehouse.isEmpty() && f.warehouse != QLatin1String("-1")) {
        sql += QStringLiteral(" and a.ck_sn=:ck ");
        p.insert(QStringLiteral("ck"), f.warehouse);
    }
    if (!f.showVoid)
        sql += QStringLiteral(" and a.ls_qk=0 ");
    if (!f.key.trimmed().isEmpty()) {
        sql += QStringLiteral(" and (a.gl_djh like :k or a.ls_note like :k or b.kh_name like :k or b.kh_jm like :k "
                              "or b.kh_sn like :k) ");
        p.insert(QStringLiteral("k"), Like(f.key));
    }
    return sql + QStringLiteral(" order by a.id desc");
}

QString ApprovedOrderLinesSql(const OrderListFilter& f, SqlParams& p)
{
    QString sql = QStringLiteral(
        "select e.dw_name,a.*,b.kh_name,c.ck_name,d.u_name,f.ls_xsrq,f.ls_kmmc,f.ls_checker,f.ls_chkrq,e.g_name,"
        "e.gg_name,e.color_name,e.g_sccs,f.ls_note,a.ls_sl-a.ls_cksl as dsl,f.ls_qk from jxc_xssp a,jxc_khxx b,"
        "jxc_ckxx c,jxc_user d,jxc_goods e,jxc_xsd f where a.gl_djh=f.gl_djh and f.kh_sn=b.kh_sn and "
        "f.ck_sn=c.ck_sn and f.u_sn=d.u_sn and a.g_sn=e.g_sn and f.ls_status=1 and f.ls_xsrq>=:d1 "
        "and f.ls_xsrq<:d2 ");
    BindRange(f, p);
    if (!f.warehouse.isEmpty() && f.warehouse != QLatin1String("-1")) {
        sql += QStringLiteral(" and c.ck_sn=:ck ");
        p.insert(QStringLiteral("ck"), f.warehouse);
    }
    if (!f.showVoid)
        sql += QStringLiteral(" and f.ls_qk=0 ");
    if (!f.key.trimmed().isEmpty()) {
        sql += QStringLiteral(" and (a.gl_djh like :k or f.ls_note like :k or b.kh_sn like :k or b.kh_name like :k "
                              "or b.kh_jm like :k or a.ls_bz like :k or e.g_name like :k or e.g_jm like :k "
                              "or a.g_sn like :k or e.gg_name like :k) ");
        p.insert(QStringLiteral("k"), Like(f.key));
    }
    return sql + QStringLiteral(" order by a.gl_djh desc,a.id desc");
}

QString TakeOverOrdersSql(const OrderListFilter& f, SqlParams& p)
{
    QString sql = QStringLiteral("select a.*,a.ls_yfje-a.ls_sfje-a.ls_yhje as wfje,b.kh_name,c.ck_name,d.u_name "
                                 "from jxc_xsd a,jxc_khxx b,jxc_ckxx c,jxc_user d where a.kh_sn=b.kh_sn and "
                                 "a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.ls_status=1 and a.ls_qk=0 "
                                 "and a.ls_xsrq>=:d1 and a.ls_xsrq<:d2 ");
    BindRange(f, p);
    if (!f.showFinished)
        sql += QStringLiteral(" and exists (select 1 from jxc_xssp x where x.gl_djh=a.gl_djh and x.ls_sl>x.ls_cksl) ");
    if (!f.key.trimmed().isEmpty()) {
        sql += QStringLiteral(" and (a.gl_djh like :k or b.kh_name like :k or b.kh_jm like :k or b.kh_sn like :k) ");
        p.insert(QStringLiteral("k"), Like(f.key));
    }
    return sql + QStringLiteral(" order by a.id desc");
}

QString TakeOverLinesSql(const OrderListFilter& f, SqlParams& p)
{
    QString sql = QStringLiteral(
        "select a.*,b.ls_xsrq,b.ck_sn,b.u_sn,b.kh_sn,c.ck_name,d.u_name,e.kh_name,f.g_name,f.gg_name,f.color_name,"
        "f.dw_name as g_dw,a.ls_sl-a.ls_cksl as dsl from jxc_xssp a,jxc_xsd b,jxc_khxx e,jxc_ckxx c,jxc_user d,"
        "jxc_goods f where a.gl_djh=b.gl_djh and b.ck_sn=c.ck_sn and b.u_sn=d.u_sn and b.kh_sn=e.kh_sn and "
        "a.g_sn=f.g_sn and b.ls_status=1 and b.ls_qk=0 and b.ls_xsrq>=:d1 and b.ls_xsrq<:d2 ");
    BindRange(f, p);
    if (!f.showFinished)
        sql += QStringLiteral(" and a.ls_sl>a.ls_cksl ");
    if (!f.key.trimmed().isEmpty()) {
        sql += QStringLiteral(" and (b.gl_djh like :k or e.kh_name like :k or e.kh_jm like :k or e.kh_sn like :k "
                              "or a.g_sn like :k or f.g_name like :k or f.g_jm like :k) ");
        p.insert(QStringLiteral("k"), Like(f.key));
    }
    return sql + QStringLiteral(" order by a.gl_djh desc,a.id desc");
}

QString TakeOverWholeOrder(const QString& orderNo, const TakeOverTarget& target)
{
    Transaction t(Db());
    const DocKind& delivery = SalesDeliveryKind();
    const QString number = RedrawIfHeld(delivery, target.number, target.date);
    // The operator's draft goes whole: lines and their colour-by-size rows.
    DiscardDraft(delivery, number);
    Query lines(&Db());
    OpenWithParams(lines, QStringLiteral("select * from jxc_xssp where gl_djh=:n order by id"),
        { { QStringLiteral("n"), orderNo } });
    CopyLines(lines, number);
    const QString warehouse = First(QStringLiteral("select ck_sn from jxc_xsd where gl_djh=:n order by id limit 1"),
        { { QStringLiteral("n"),
            orderNo } }).toString();
    SetDeliveryCostPrices(number, warehouse, target.date);
    t.Commit();
    return number;
}

QString TakeOverOrderLines(const QList<qint64>& orderLineIds, const TakeOverTarget& target)
{
    if (orderLineIds.isEmpty())
        return target.number;
    Transaction t(Db());
    const QString number = RedrawIfHeld(SalesDeliveryKind(), target.number, target.date);
    Query line(&Db());
    for (qint64 id : orderLineIds) {
        OpenWithParams(line, QStringLiteral("select * from jxc_xssp where id=:id"), { { QStringLiteral("id"), id } });
        CopyLines(line, number);
    }
    const QString warehouse = First(QStringLiteral("select b.ck_sn from jxc_xssp a,jxc_xsd b where "
                                                   "a.gl_djh=b.gl_djh and a.id=:id order by b.id limit 1"),
        { { QStringLiteral("id"), orderLineIds.last() } })
                                  .toString();
    SetDeliveryCostPrices(number, warehouse, target.date);
    t.Commit();
    return number;
}

void SetDeliveryCostPrices(const QString& deliveryNo, const QString& warehouse, const QString& date)
{
    Query goods(&Db());
    OpenWithParams(goods, QStringLiteral("select distinct g_sn from jxc_lsxssp where gl_djh=:n order by g_sn"),
        { { QStringLiteral("n"), deliveryNo } });
    for (goods.First(); !goods.Eof(); goods.Next()) {
        const QString g = goods.AsString(QStringLiteral("g_sn"));
        const double c = GetCostPrice(g, warehouse, date);
        Run(QStringLiteral("update jxc_lsxssp set ls_cbj2=:c,ls_cbj=:c,ls_zcb=ls_sl*:c where gl_djh=:n and g_sn=:g"),
            { { QStringLiteral("c"), c }, { QStringLiteral("n"), deliveryNo }, { QStringLiteral("g"), g } });
    }
}
