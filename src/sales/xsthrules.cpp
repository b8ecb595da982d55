#include "sales/xsthrules.h"

#include "documents/dockind.h"
#include "foundation/approvalhooks.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <QHash>

using namespace posting;

namespace {

double RoundedTotal(double x)
{
    return IsTrue(RoundTotals) ? RoundUp(x, TotalDecimals.toInt()) : Round8(x);
}

} // namespace

LineValues ReturnLineValues(double price, double taxPrice, double tax, double discount, double qty)
{
    LineEntry e;
    e.price = price;
    e.taxPrice = taxPrice;
    e.tax = tax;
    e.discount = discount;
    e.qty = qty;
    e.total = LineTotal(taxPrice, discount, qty);
    return LineArithmetic(e);
}

double ReturnLineCost(double qty, double costPrice)
{
    return RoundedTotal(qty * costPrice);
}

std::optional<DeliveryForReturn> CopyDeliveryForReturn(const QString& deliveryNo, const QString& returnNo)
{
    Query h(&Db());
    OpenWithParams(h,
        QStringLiteral("select a.kh_sn,a.ls_yfje,a.ls_sfje,a.ls_note,b.kh_name,c.ck_name,d.u_name "
                       "from jxc_lsxsd a inner join jxc_khxx b on a.kh_sn=b.kh_sn inner join jxc_ckxx c on "
                       "a.ck_sn=c.ck_sn left join jxc_user d on a.u_sn=d.u_sn where a.gl_djh=:n"),
        { { QStringLiteral("n"), deliveryNo } });
    if (h.IsEmpty())
        return std::nullopt;
    DeliveryForReturn header { h.AsString(QStringLiteral("kh_sn")), h.AsString(QStringLiteral("kh_name")),
        h.AsString(QStringLiteral("ck_name")), h.AsString(QStringLiteral("u_name")),
        h.AsString(QStringLiteral("ls_note")), h.AsFloat(QStringLiteral("ls_yfje")),
        h.AsFloat(QStringLiteral("ls_sfje")) };

    Transaction t(Db());
    Query lines(&Db());
    OpenWithParams(lines, QStringLiteral("select * from jxc_lsxssp where gl_djh=:n order by id"),
        { { QStringLiteral("n"), deliveryNo } });
    // Delivery line link (tid) -> its copy: each row lands on the copy of its own line,
    // also where a new line id equals an old link value.
    QHash<qint64, qint64> copies;
    for (lines.First(); !lines.Eof(); lines.Next()) {
        auto v = [&](const char* c) { return lines.Value(QLatin1String(c)); };
        const qint64 id = InsertRow(QStringLiteral("jxc_xsthsp"),
            { { QStringLiteral("gl_djh"), returnNo }, { QStringLiteral("th_dj"), v("ls_dj") },
                { QStringLiteral("th_sl"), v("ls_sl") }, { QStringLiteral("th_zje"), v("ls_zje") },
                { QStringLiteral("th_dzl"), v("ls_dzl") }, { QStringLiteral("th_zhje"), v("ls_zje") },
                { QStringLiteral("g_sn"), v("g_sn") }, { QStringLiteral("a_name"), CurrentAdminName },
                { QStringLiteral("th_je"), v("ls_je") }, { QStringLiteral("th_tax"), v("ls_tax") },
                { QStringLiteral("th_taxdj"), v("ls_taxdj") }, { QStringLiteral("th_taxje"), v("ls_taxje") },
                { QStringLiteral("th_lsj"), v("ls_lsj") }, { QStringLiteral("th_cbj"), v("ls_cbj") },
                { QStringLiteral("th_zcb"), v("ls_zcb") }, { QStringLiteral("th_bz"), v("ls_bz") },
                { QStringLiteral("gl_djh2"), deliveryNo }, { QStringLiteral("idck"), v("id2") },
                { QStringLiteral("id2"), 0 } });
        Run(QStringLiteral("update jxc_xsthsp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
        const qint64 link = lines.AsInteger(QStringLiteral("tid"));
        copies.insert(link != 0 ? link : lines.AsInteger(QStringLiteral("id")), id);
    }
    Query rows(&Db());
    OpenWithParams(rows,
        QStringLiteral("select g_sn,cm_sn,color_sn,t_sl,tid from jxc_lsxsspmx where gl_djh=:n order by id"),
        { { QStringLiteral("n"), deliveryNo } });
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const auto line = copies.constFind(rows.AsInteger(QStringLiteral("tid")));
        if (line == copies.constEnd())
            continue; // a row of no line of the delivery would show nowhere
        InsertRow(QStringLiteral("jxc_xsthspmx"),
            { { QStringLiteral("gl_djh"), returnNo }, { QStringLiteral("g_sn"), rows.Value(QStringLiteral("g_sn")) },
                { QStringLiteral("cm_sn"), rows.Value(QStringLiteral("cm_sn")) },
                { QStringLiteral("color_sn"), rows.Value(QStringLiteral("color_sn")) },
                { QStringLiteral("t_sl"), rows.Value(QStringLiteral("t_sl")) },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), line.value() } });
    }
    t.Commit();
    return header;
}

void MarkDeliveryReturned(const QString& deliveryNo, const QString& returnNo)
{
    Run(QStringLiteral("update jxc_lsxsd set ls_th=1,ls_fdmc=:r where gl_djh=:n"),
        { { QStringLiteral("r"), returnNo }, { QStringLiteral("n"), deliveryNo } });
}

void ClearDeliveryReturned(const QString& returnNo)
{
    Run(QStringLiteral("update jxc_lsxsd set ls_th=0,ls_fdmc='' where ls_fdmc=:r"),
        { { QStringLiteral("r"), returnNo } });
}

SalesReturnSaved SaveSalesReturn(const SalesReturnSave& s)
{
    const DocKind& kind = SalesReturnKind();
    SalesReturnSaved result;
    Transaction t(Db());
    result.number = RedrawForSave(kind, s.number, s.date);
    InsertRow(kind.header,
        { { QStringLiteral("gl_djh"), result.number }, { QStringLiteral("kh_sn"), s.customer },
            { QStringLiteral("ck_sn"), s.warehouse }, { QStringLiteral("th_xsrq"), s.date + QLatin1Char(' ') + s.time },
            { QStringLiteral("th_yfje"), -s.due }, { QStringLiteral("th_sfje"), -s.paid },
            { QStringLiteral("u_sn"), s.handler }, { QStringLiteral("th_note"), s.note.trimmed() },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("th_status"), 0 },
            { QStringLiteral("th_checker"), QString() }, { QStringLiteral("th_chkrq"), QString() },
            { QStringLiteral("th_fpno"), s.invoiceNo.trimmed() }, { QStringLiteral("th_fpje"), -s.invoice },
            { QStringLiteral("th_jsfs"), 1 }, { QStringLiteral("th_hkje"), 0 },
            { QStringLiteral("th_kmmc"), s.account }, { QStringLiteral("th_qk"), 0 } });
    if (s.approve) {
        const QString answer = CheckApproveAllowed(result.number, s.date);
        if (answer != QLatin1String("ok"))
            result.refusal = answer;
        else
            result.approved = ApproveDocument(kind, result.number, CurrentAdminName);
    } else {
        WriteLog(QStringLiteral("增加未审核销售退货单") + result.number + QStringLiteral("，共")
            + QString::number(s.rows) + QStringLiteral("种商品"));
    }
    if (!s.wholeReturnOf.isEmpty())
        MarkDeliveryReturned(s.wholeReturnOf, result.number);
    t.Commit();
    return result;
}

void UpdateReturnPendingAmounts(const QString& number)
{
    const Params n { { QStringLiteral("n"), number } };
    double z = -FirstNumber(QStringLiteral("select sum(th_zje) from jxc_xsthsp where gl_djh=:n"), n);
    if (IsTrue(RoundTotals))
        z = RoundUp(z, TotalDecimals.toInt());
    const bool onAccount
        = FirstNumber(QStringLiteral("select th_jsfs from jxc_xsthd where gl_djh=:n order by id limit 1"), n) == 1;
    const Params p { { QStringLiteral("n"), number }, { QStringLiteral("z"), z } };
    if (onAccount && IsTrue(SalesCollectDefault))
        Run(QStringLiteral("update jxc_xsthd set th_yfje=:z where gl_djh=:n"), p);
    else
        Run(QStringLiteral("update jxc_xsthd set th_yfje=:z,th_sfje=:z where gl_djh=:n"), p);
}

bool DeleteReturnPendingLine(const QString& number, qint64 lineId)
{
    Transaction t(Db());
    const bool gone = DeletePendingLine(SalesReturnKind(), number, lineId);
    if (gone)
        ClearDeliveryReturned(number);
    else
        UpdateReturnPendingAmounts(number);
    t.Commit();
    return gone;
}

void DeletePendingSalesReturn(const QString& number)
{
    Transaction t(Db());
    DeletePendingDocument(SalesReturnKind(), number);
    ClearDeliveryReturned(number);
    t.Commit();
}

GoodsListQuery CustomerReturnGoodsList(
    bool onlyCustomerGoods, const QString& warehouse, const QString& customer, const QString& category)
{
    GoodsListQuery q;
    QString sql;
    if (onlyCustomerGoods) {
        q.params.insert(QStringLiteral("ck"), warehouse);
        q.params.insert(QStringLiteral("kh"), customer);
        sql = QStringLiteral("select ") + ListedGoodsColumns()
            + QStringLiteral(",b.kc_sl from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and b.ck_sn=:ck and "
                             "a.g_jy=0 and a.g_sn<>'00000000' and a.g_sn in (select x.g_sn from jxc_lsxssp x,"
                             "jxc_lsxsd y where x.gl_djh=y.gl_djh and y.ls_status=1 and y.ck_sn=:ck and y.kh_sn=:kh)");
    } else {
        sql = QStringLiteral("select ") + ListedGoodsColumns()
            + QStringLiteral(",a.g_kc as kc_sl from jxc_goods a where a.g_jy=0 and a.g_sn<>'00000000'");
    }
    if (!category.isEmpty()) {
        q.params.insert(QStringLiteral("gc"), category);
        sql += QStringLiteral(" and a.gc_sn=:gc");
    }
    q.sql = sql + QStringLiteral(" order by a.g_xspl desc,a.g_sn");
    return q;
}
