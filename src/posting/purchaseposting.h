#pragma once
#include <QString>

// Approval postings of the purchase side. Each runs in one transaction, nested
// under its caller's: the window's "mark approved, then post" commits or rolls back
// as one. The caller has repaired duplicate drafts and marked the header approved.

// Goods-in: money, payables, invoices, freight and packing, stock ledger, stock,
// moving-average cost (and first-in-first-out batches), log, monthly balance.
void ApprovePurchaseDoc(const QString& docNo);
// At saving, when settled by actual payment and paid differs from payable: a
// discount line or a spread over the lines, as DiscountLineMode chooses.
void ApplyPurchaseDiscount(const QString& docNo, double paid, double payable);
// Purchase return: the goods-in posting reversed in direction; consumes batches
// under first in first out.
void ApprovePurchaseReturn(const QString& docNo);
