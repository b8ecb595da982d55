#pragma once
#include <QString>

// The plain routines behind the purchase order window (no widgets). Orders post
// nothing: approval opens every line for the goods-in take-over, voiding withdraws
// the order from it.

// Approves a saved order: another operator's pending order under the number is
// first moved to a number of its own, then the first header is marked approved,
// pending copies under the number go and every line becomes fully open
// (jh_rksl and jh_qxsl 0, id2 its own id). A number already approved only loses
// its pending copies. One transaction.
void ApproveOrder(const QString& number, const QString& approvingOperator);
// Back to pending; the lines stay as approval left them.
void CancelOrderApproval(const QString& number);
// Sets or clears the void flag.
void SetOrderVoid(const QString& number, bool isVoid);
// Deletes one line of a pending order with its colour-by-size rows; with the last
// line the order itself goes (not logged). Answers true when the order went.
bool DeletePendingOrderLine(const QString& number, qint64 lineId);
