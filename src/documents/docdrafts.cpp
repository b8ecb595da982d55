#include "documents/docdrafts.h"

#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"

using namespace posting;

namespace {

Params DraftParams(const QString& number)
{
    return { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } };
}

int TotalPlaces()
{
    return TotalDecimals.toInt();
}

} // namespace

void MoveDraft(const DocKind& kind, const QString& from, const QString& to)
{
    if (from == to)
        return;
    Transaction t(Db());
    const Params p { { QStringLiteral("to"), to }, { QStringLiteral("n"), from },
        { QStringLiteral("a"), CurrentAdminName } };
    for (const QString& table : { kind.lines, kind.detail })
        Run(QStringLiteral("update ") + table + QStringLiteral(" set gl_djh=:to where gl_djh=:n and a_name=:a"), p);
    t.Commit();
}

QString RedrawIfHeld(const DocKind& kind, const QString& number, const QString& date)
{
    if (!DocNoExists(kind.lines, QStringLiteral("gl_djh"), number))
        return number;
    const QString next = NextDocNo(kind.lines, QStringLiteral("gl_djh"), kind.prefix, date);
    MoveDraft(kind, number, next);
    return next;
}

QString RedrawForDate(const DocKind& kind, const QString& number, const QString& date)
{
    QString next = NextDocNo(kind.header, QStringLiteral("gl_djh"), kind.prefix, date);
    if (DocNoExists(kind.lines, QStringLiteral("gl_djh"), next))
        next = NextDocNo(kind.lines, QStringLiteral("gl_djh"), kind.prefix, date);
    MoveDraft(kind, number, next);
    return next;
}

QString RedrawIfSaved(const DocKind& kind, const QString& number, const QString& date)
{
    if (FirstNumber(QStringLiteral("select count(*) from ") + kind.header + QStringLiteral(" where gl_djh=:n"),
            { { QStringLiteral("n"), number } })
        == 0)
        return number;
    const QString next = NextDocNo(kind.header, QStringLiteral("gl_djh"), kind.prefix, date);
    MoveDraft(kind, number, next);
    return next;
}

QString RedrawForSave(const DocKind& kind, const QString& number, const QString& date)
{
    return RedrawIfHeld(kind, RedrawIfSaved(kind, number, date), date);
}

void DiscardDraft(const DocKind& kind, const QString& number)
{
    Transaction t(Db());
    for (const QString& table : { kind.lines, kind.detail })
        Run(QStringLiteral("delete from ") + table + QStringLiteral(" where gl_djh=:n and a_name=:a"),
            DraftParams(number));
    t.Commit();
}

double LineTotal(double taxPrice, double discount, double qty)
{
    const double total = RoundUp(taxPrice, AmountDecimals) * discount * qty;
    return IsTrue(RoundTotals) ? RoundUp(total, TotalPlaces()) : Round8(total);
}

LineValues LineArithmetic(const LineEntry& e)
{
    LineValues v;
    double price = e.price;
    double taxPrice = e.taxPrice;
    v.tax = e.tax;
    v.discount = e.discount;
    v.qty = e.qty;
    v.total = e.total;
    // A line typed as a total alone carries its price in the total.
    if (e.total > 0 && e.price == 0 && e.qty != 0) {
        v.discount = 1;
        v.tax = 0;
        price = e.total / e.qty;
        taxPrice = price;
    }
    v.price = RoundUp(price, AmountDecimals);
    v.taxPrice = RoundUp(taxPrice, AmountDecimals);
    // The columns' own scale, so that 0.9 × 3 × 1.7 is stored as 4.59.
    v.amount = Round8(v.discount * (v.qty * v.price));
    v.taxAmount = Round8(v.discount * (v.qty * (v.taxPrice - v.price)));
    if (IsTrue(RoundTotals)) {
        v.amount = RoundUp(v.amount, TotalPlaces());
        v.taxAmount = RoundUp(v.taxAmount, TotalPlaces());
    }
    v.stockQty = IsTrue(e.outgoing ? UseStockOut : UseStockIn) ? 0 : v.qty;
    return v;
}

bool DeleteDetailRow(const DocKind& kind, qint64 detailId, qint64 lineId)
{
    Transaction t(Db());
    Run(QStringLiteral("delete from ") + kind.detail + QStringLiteral(" where id=:id"),
        { { QStringLiteral("id"), detailId } });
    const double rest
        = FirstNumber(QStringLiteral("select sum(t_sl) from ") + kind.detail + QStringLiteral(" where tid=:id"),
            { { QStringLiteral("id"), lineId } });
    const Params id { { QStringLiteral("id"), lineId } };
    if (rest == 0) {
        Run(QStringLiteral("delete from ") + kind.lines + QStringLiteral(" where id=:id"), id);
        t.Commit();
        return true;
    }
    Query line(&Db());
    OpenWithParams(line,
        QStringLiteral("select ") + kind.Col("dj") + QStringLiteral(",") + kind.Col("taxdj") + QStringLiteral(",")
            + kind.Col("tax") + QStringLiteral(",") + kind.Col("dzl")
            + (kind.costColumn.isEmpty() ? QString() : QStringLiteral(",") + kind.costColumn) + QStringLiteral(" from ")
            + kind.lines + QStringLiteral(" where id=:id"),
        id);
    if (line.IsEmpty()) {
        t.Commit();
        return false;
    }
    LineEntry e;
    e.price = line.AsFloat(kind.Col("dj"));
    e.taxPrice = line.AsFloat(kind.Col("taxdj"));
    e.tax = line.AsFloat(kind.Col("tax"));
    e.discount = line.AsFloat(kind.Col("dzl"));
    e.qty = rest;
    e.outgoing = kind.outgoing;
    e.total = LineTotal(e.taxPrice, e.discount, e.qty);
    const LineValues v = LineArithmetic(e);
    QString sql = QStringLiteral("update ") + kind.lines + QStringLiteral(" set ") + kind.Col("sl")
        + QStringLiteral("=:sl,") + kind.Col("dj") + QStringLiteral("=:dj,") + kind.Col("taxdj")
        + QStringLiteral("=:taxdj,") + kind.Col("tax") + QStringLiteral("=:tax,") + kind.Col("dzl")
        + QStringLiteral("=:dzl,") + kind.Col("je") + QStringLiteral("=:je,") + kind.Col("taxje")
        + QStringLiteral("=:taxje,") + kind.Col("zje") + QStringLiteral("=:zje");
    Params p { { QStringLiteral("sl"), v.qty }, { QStringLiteral("dj"), v.price },
        { QStringLiteral("taxdj"), v.taxPrice }, { QStringLiteral("tax"), v.tax },
        { QStringLiteral("dzl"), v.discount }, { QStringLiteral("je"), v.amount },
        { QStringLiteral("taxje"), v.taxAmount }, { QStringLiteral("zje"), v.total },
        { QStringLiteral("id"), lineId } };
    if (!kind.stockQtyColumn.isEmpty()) {
        sql += QStringLiteral(",") + kind.stockQtyColumn + QStringLiteral("=:rk");
        p.insert(QStringLiteral("rk"), v.stockQty);
    }
    if (!kind.totalCostColumn.isEmpty()) {
        const double cost = Round8(rest * line.AsFloat(kind.costColumn));
        sql += QStringLiteral(",") + kind.totalCostColumn + QStringLiteral("=:cb");
        p.insert(QStringLiteral("cb"), IsTrue(RoundTotals) ? RoundUp(cost, TotalPlaces()) : cost);
    }
    Run(sql + QStringLiteral(" where id=:id"), p);
    t.Commit();
    return false;
}

double DraftPayable(const DocKind& kind, const QString& number)
{
    const double total = FirstNumber(QStringLiteral("select sum(") + kind.Col("zje") + QStringLiteral(") from ")
            + kind.lines + QStringLiteral(" where g_sn<>'00000000' and gl_djh=:n and a_name=:a"),
        DraftParams(number));
    return IsTrue(RoundTotals) ? RoundUp(total, TotalPlaces()) : total;
}

void UpdatePendingAmounts(const DocKind& kind, const QString& number, bool paidDefaultsToZero)
{
    const Params n { { QStringLiteral("n"), number } };
    const QString sum = QStringLiteral("select sum(") + kind.Col("zje") + QStringLiteral(") from ") + kind.lines
        + QStringLiteral(" where gl_djh=:n");
    double all = FirstNumber(sum, n);
    double goods = kind.negativeAmounts ? all : FirstNumber(sum + QStringLiteral(" and g_sn<>'00000000'"), n);
    if (IsTrue(RoundTotals)) {
        goods = RoundUp(goods, TotalPlaces());
        all = RoundUp(all, TotalPlaces());
    }
    if (kind.negativeAmounts) {
        goods = -goods;
        all = -all;
    }
    const bool onAccount = FirstNumber(QStringLiteral("select ") + kind.settleColumn + QStringLiteral(" from ")
                                   + kind.header + QStringLiteral(" where gl_djh=:n order by id limit 1"),
                               n)
        == 1;
    const Params p { { QStringLiteral("n"), number }, { QStringLiteral("g"), goods }, { QStringLiteral("s"), all } };
    if (onAccount && paidDefaultsToZero)
        Run(QStringLiteral("update ") + kind.header + QStringLiteral(" set ") + kind.payableColumn
                + QStringLiteral("=:g where gl_djh=:n"),
            p);
    else
        Run(QStringLiteral("update ") + kind.header + QStringLiteral(" set ") + kind.payableColumn
                + QStringLiteral("=:g,") + kind.paidColumn + QStringLiteral("=:s where gl_djh=:n"),
            p);
}

void RefreshPendingAmounts(const DocKind& kind, const QString& number, bool paidDefaultsToZero, Query& headers)
{
    if (number.isEmpty())
        return;
    UpdatePendingAmounts(kind, number, paidDefaultsToZero);
    headers.Requery();
    headers.Locate(QStringLiteral("gl_djh"), number);
}

bool ApproveDocument(const DocKind& kind, const QString& number, const QString& approvingOperator)
{
    const Params n { { QStringLiteral("n"), number } };
    if (!First(QStringLiteral("select id from ") + kind.lines + QStringLiteral(" where gl_djh=:n limit 1"), n)
             .isValid())
        return false;
    Transaction t(Db());
    FixDuplicateDocNo(number, kind.prefix, approvingOperator);
    Query header(&Db());
    OpenWithParams(header,
        QStringLiteral("select id,") + kind.statusColumn + QStringLiteral(",") + kind.settleColumn + QStringLiteral(",")
            + kind.payableColumn + QStringLiteral(",") + kind.paidColumn + QStringLiteral(" from ") + kind.header
            + QStringLiteral(" where gl_djh=:n order by id limit 1"),
        n);
    if (header.IsEmpty()) {
        t.Commit();
        return false;
    }
    const QString deletePending = QStringLiteral("delete from ") + kind.header + QStringLiteral(" where ")
        + kind.statusColumn + QStringLiteral("=0 and gl_djh=:n");
    if (header.AsFloat(kind.statusColumn) == 1) {
        Run(deletePending, n);
        t.Commit();
        return false;
    }
    QString sql = QStringLiteral("update ") + kind.header + QStringLiteral(" set ") + kind.statusColumn
        + QStringLiteral("=1,") + kind.checkerColumn + QStringLiteral("=:c,") + kind.checkDateColumn
        + QStringLiteral("=:d");
    Params p { { QStringLiteral("c"), CurrentAdminName },
        { QStringLiteral("d"), Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("id"), header.AsInteger(QStringLiteral("id")) } };
    if (!kind.discountColumn.isEmpty()) {
        // Settled by what was paid: the unpaid rest is the discount.
        double discount = 0;
        if (header.AsFloat(kind.settleColumn) == 0)
            discount = RoundUp(header.AsFloat(kind.payableColumn) - header.AsFloat(kind.paidColumn), ValueDecimals());
        sql += QStringLiteral(",") + kind.discountColumn + QStringLiteral("=:y");
        p.insert(QStringLiteral("y"), discount);
    }
    Run(sql + QStringLiteral(" where id=:id"), p);
    Run(deletePending, n);
    kind.post(number);
    t.Commit();
    return true;
}

bool DeletePendingLine(const DocKind& kind, const QString& number, qint64 lineId)
{
    Transaction t(Db());
    const Params id { { QStringLiteral("id"), lineId } };
    Run(QStringLiteral("delete from ") + kind.lines + QStringLiteral(" where id=:id"), id);
    Run(QStringLiteral("delete from ") + kind.detail + QStringLiteral(" where tid=:id"), id);
    const Params n { { QStringLiteral("n"), number } };
    const bool last
        = !First(QStringLiteral("select id from ") + kind.lines + QStringLiteral(" where gl_djh=:n limit 1"), n)
               .isValid();
    if (last) {
        Run(QStringLiteral("delete from ") + kind.header + QStringLiteral(" where gl_djh=:n"), n);
        Run(QStringLiteral("delete from ") + kind.detail + QStringLiteral(" where gl_djh=:n"), n);
        if (kind.logEmptied)
            WriteLog(QStringLiteral("因删除单据的所有商品而删除") + kind.logName + QStringLiteral("：") + number);
    }
    t.Commit();
    return last;
}

void DeletePendingDocument(const DocKind& kind, const QString& number)
{
    Transaction t(Db());
    for (const QString& table : { kind.header, kind.lines, kind.detail })
        Run(QStringLiteral("delete from ") + table + QStringLiteral(" where gl_djh=:n"),
            { { QStringLiteral("n"), number } });
    WriteLog(QStringLiteral("删除") + kind.logName + QStringLiteral("：") + number);
    t.Commit();
}
