#pragma once
#include <QString>

// Approving a warehouse document posts it: the header becomes approved (pending
// duplicates of the number go), each line writes its stock-ledger rows, and the
// warehouse stock, goods totals, monthly balances, moving-average costs, colour-by-
// size stock and, for a count or a loss or overflow, a cost-difference money row
// follow. An approved header is left as it is. One transaction each; the window's
// own checks (rights, CheckApproveAllowed, the stock-take's movement check) come first.
void ApproveTransfer(const QString& docNo);  // DB
void ApproveLoss(const QString& docNo);      // BS
void ApproveOverflow(const QString& docNo);  // BY
void ApproveStockTake(const QString& docNo); // PD
