#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

// The plain rules of sales orders ("XD": jxc_xsd, jxc_xssp, jxc_xsspmx): saving the
// order under entry, approval, the pending orders' line and header changes, voiding
// and cancelling approval, and taking orders over into a sales delivery. An order
// posts nothing: approval only marks it and resets its lines' delivery counters.
// Every routine that writes runs in one transaction.

using SqlParams = QHash<QString, QVariant>;

// What the order window's save hands over.
struct SalesOrderHeader {
    QString number; // the draft number shown
    QString date;   // "yyyy-MM-dd"
    QString customer, warehouse, handler;
    double due = 0;  // 应收金额
    double paid = 0; // 实收金额 (already rounded where totals are)
    int settle = 0;  // 0 by what was received, 1 the rest on account
    QString account;
    QString note;
    QString externalNo;
};

// Whether a save approves at once: ApproveOnSave other than "0" and "False".
bool OrderApprovesOnSave();
// The stored receivable: the received amount when settled by what was received and
// no discount line is kept (DiscountLineMode "0"), else the receivable.
double OrderStoredDue(const SalesOrderHeader& h);
// Saves the operator's draft as an order: the number is redrawn (and the operator's
// rows moved) when another operator's lines carry it; the header is appended; then
// either the pending log line "增加未审核销售订单..." or the approval. Answers the
// number saved under.
QString SaveSalesOrder(const SalesOrderHeader& h, int rows, bool approve);

// Approves an order: other operators' pending orders under the number are moved to
// numbers of their own first; a number already approved only loses the approver's
// pending duplicates. The lines' delivery counters are reset (ls_cksl 0, id2 = id,
// ls_dhbz 0, ls_qxsl 0). Answers true when it approved.
bool ApproveSalesOrder(const QString& number, const QString& approvingOperator);

// Deletes one line of a pending order with its colour-by-size rows; with its last
// line the order goes too, logged. Answers true when the order went.
bool DeletePendingSalesOrderLine(const QString& number, qint64 lineId);

// ---- header change of a pending order ----
struct SalesOrderChange {
    QString oldNo;
    QString oldDate;    // "yyyy-MM-dd"
    QString storedDate; // ls_xsrq as stored
    QString newNo;      // the number shown for the chosen date
    QString date;       // the chosen date
    QString customer, warehouse, handler;
    double due = 0;
    double paid = 0;
    int settle = 0;
    QString account;
    QString note;
    QString externalNo;
};
// The refusal of a header change, empty when it may go on: no handler, or a goods
// of the order without a stock row in the chosen warehouse.
QString OrderChangeRefusal(const SalesOrderChange& c);
// Writes the change (header, and every operator's lines and colour-by-size rows
// under a new number); a new day keeps the stored time of day. Answers the number.
QString ChangeSalesOrder(SalesOrderChange c);

// ---- query tab ----
void SetSalesOrderVoid(const QString& number, bool isVoid);
// Back to pending: status, approver and approval date cleared; lines and the void
// flag stay.
void CancelSalesOrderApproval(const QString& number);

// ---- list statements (bound values) ----
// Ranges run from the start of d1 to the start of the day after d2.
struct OrderListFilter {
    QString d1, d2; // "yyyy-MM-dd"
    QString key;
    QString warehouse; // "-1" or empty: all
    QString customer;  // pending list only
    bool descending = false;
    bool showVoid = false;     // query tab
    bool showFinished = false; // take-over
    QString restrictToAdminSn; // warehouses bound to this operator (pending list)
};
QString PendingOrdersSql(const OrderListFilter& f, SqlParams& p);
QString ApprovedOrdersSql(const OrderListFilter& f, SqlParams& p);
QString ApprovedOrderLinesSql(const OrderListFilter& f, SqlParams& p);
// The take-over's order list and its order-lines view; void orders are offered in
// neither.
QString TakeOverOrdersSql(const OrderListFilter& f, SqlParams& p);
QString TakeOverLinesSql(const OrderListFilter& f, SqlParams& p);

// ---- take-over into the sales delivery under entry ----
struct TakeOverTarget {
    QString number; // the delivery's number
    QString date;   // "yyyy-MM-dd"
};
// The whole order replaces the operator's draft lines (with their colour-by-size
// rows) under the delivery number; lines and rows are copied with explicit links,
// and cost prices set from the order's warehouse. Answers the delivery number in
// force.
QString TakeOverWholeOrder(const QString& orderNo, const TakeOverTarget& target);
// The chosen order lines are added in the given order; earlier lines stay; cost
// prices come from the warehouse of the last line's order.
QString TakeOverOrderLines(const QList<qint64>& orderLineIds, const TakeOverTarget& target);
// Cost prices of the delivery's lines from the warehouse on the date (setCbj).
void SetDeliveryCostPrices(const QString& deliveryNo, const QString& warehouse, const QString& date);
