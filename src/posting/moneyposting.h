#pragma once
#include <QString>

// Approval of a registered receipt (customer side) or payment (supplier side): the
// registration is copied into the partner ledger, a rounding-off becomes a second
// ledger row with its discount row in the stock ledger, the registration is marked
// approved and the money goes into the cash and bank journal. One transaction,
// nested under the caller's.
void ApproveReceiptDoc(const QString& docNo);
void ApprovePaymentDoc(const QString& docNo);
