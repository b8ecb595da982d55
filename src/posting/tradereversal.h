#pragma once
#include <QString>

// Cancelling the approval of a trade document: the posting's ledger, stock, cost,
// money, invoice and batch rows are taken back and the header is pending again,
// its lines intact. Each checks its right and its refusals first and asks (unless
// AuxTag is "kcpd", a batch call); only then does it log and reverse, in one
// transaction. UnapproveResult becomes "ok" when the reversal ran; a refusal, a No
// or a number with no approved header changes nothing, UnapproveResult included.
void UnapprovePurchaseDoc(const QString& docNo);
void UnapprovePurchaseReturn(const QString& docNo);
// The same for a purchase goods-in ("CJ") or return ("CT"), a sales delivery ("XS")
// or return ("XT") that is about to be posted again under another number: the
// payment and receipt registrations against it stay, with their ledger and cash
// rows, and so does the amount settled later.
void UnapproveTradeKeepingPayments(const QString& docNo);
void UnapproveSalesDoc(const QString& docNo);
void UnapproveSalesReturn(const QString& docNo);

// The cancel routine of the number's prefix, trade or stock document (see
// stockreversal.h), for callers that cancel documents of mixed kinds: the batch
// cancel after a stock-take, the query windows, the purchase-sales-stock detail.
// False for a prefix that has no cancel routine.
bool UnapproveDocument(const QString& docNo);
