#pragma once
#include <QString>

// Approval postings of the sales side (also the retail documents the till writes).
// Each runs in one transaction, nested under its caller's. The caller has repaired
// duplicate drafts and marked the header approved.

// Sales delivery: money, receivables, invoices, freight and packing, batches under
// first in first out, profit, stock ledger, stock, cost, log, monthly balance.
void ApproveSalesDoc(const QString& docNo);
// Makes the lines add up to `target`: a discount line or a spread over the
// non-gift lines, as DiscountLineMode chooses.
void ApplyDocDiscount(const QString& docNo, double target, double linesTotal);
// Sales return: the returned goods come back into stock and, under first in first
// out, become new batches.
void ApproveSalesReturn(const QString& docNo);
