#pragma once
#include "documents/docdrafts.h"
#include "documents/goodsbrowser.h"

#include <QString>
#include <optional>

// The plain rules of the sales return window (no widgets): its line arithmetic, the
// whole-document return of a sales delivery, saving, the pending returns' amounts
// and deletions, and the goods its browser offers. Statements on the return under
// entry filter by the operator (a_name).

// The return dialog's line: price P and tax-inclusive price T rounded to the amount
// decimals; total Q×T×R, amount Q×P×R, tax Q×(T−P)×R, each rounded to the total
// decimals when totals are rounded.
LineValues ReturnLineValues(double price, double taxPrice, double tax, double discount, double qty);
// The line's total cost Q×C, rounded like the totals.
double ReturnLineCost(double qty, double costPrice);

// What the return window shows of the delivery it takes over.
struct DeliveryForReturn {
    QString customerSn;
    QString customerName;
    QString warehouseName;
    QString handlerName;
    QString note;
    double payable = 0;
    double paid = 0;
};
// Copies every line of the sales delivery (discount and gift lines included, in id
// order) and its colour-by-size rows under the return number as the operator's
// draft, each row on the copy of its own line. The copies name the delivery
// (gl_djh2) and its line's batch link (idck), so a first-in first-out posting finds
// its source. One transaction; nothing when the delivery is not found.
std::optional<DeliveryForReturn> CopyDeliveryForReturn(const QString& deliveryNo, const QString& returnNo);
// The delivery is marked returned by the return, or no longer by a deleted one.
void MarkDeliveryReturned(const QString& deliveryNo, const QString& returnNo);
void ClearDeliveryReturned(const QString& returnNo);

// One save of the return window.
struct SalesReturnSave {
    QString number;
    QString date; // "yyyy-MM-dd"
    QString time; // "HH:mm"
    QString customer;
    QString warehouse;
    QString handler;
    QString note;
    QString invoiceNo;
    QString account; // the account's name (th_kmmc)
    double due = 0;
    double paid = 0;
    double invoice = 0;
    int rows = 0;
    bool approve = false;
    // The delivery taken over as a whole, empty when none.
    QString wholeReturnOf;
};
struct SalesReturnSaved {
    QString number;
    // The approval hook's refusal, empty when none was asked or it allowed.
    QString refusal;
    bool approved = false;
};
// Saves the return in one transaction: the number is moved off one that another
// operator holds, the header is written with its amounts negative and the rest on
// account, the return is logged as pending or approved at once (when the approval
// hook allows), and a delivery taken over is marked returned.
SalesReturnSaved SaveSalesReturn(const SalesReturnSave& save);

// A pending return's stored amounts follow its lines (every line, negative); with
// the rest on account and the paid amount defaulting to zero only the due amount.
void UpdateReturnPendingAmounts(const QString& number);
// Deletes a pending line; with its last line the return goes and its delivery is no
// longer marked returned; otherwise the amounts follow. One transaction. True when
// the return went.
bool DeleteReturnPendingLine(const QString& number, qint64 lineId);
// Deletes a pending return with all its rows and clears its delivery's flag.
void DeletePendingSalesReturn(const QString& number);

// The goods the return browser offers. With onlyCustomerGoods the enabled goods on
// the customer's approved deliveries from the warehouse that have a stock row there,
// with that stock (b.kc_sl), whatever it is; otherwise every enabled goods with its
// total stock. The discount goods are never offered.
GoodsListQuery CustomerReturnGoodsList(
    bool onlyCustomerGoods, const QString& warehouse, const QString& customer, const QString& category);
