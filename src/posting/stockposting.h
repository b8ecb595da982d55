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

// Department requisition (LY): takes the lines out of the header's warehouse at
// their cost, writes "ly" ledger rows naming the department, and books the cost as
// the department's expense. Answers the stock check's refusal text ("" when it
// posted or had nothing to do); a refusal writes nothing. A number without lines
// or an approved header is left as it is. One transaction.
QString ApproveDeptIssue(const QString& docNo);

// Department return (LT): puts the lines back into the header's warehouse at the
// requisition's cost, writes negative "lt" ledger rows, raises the returned count
// of the requisition lines the return lines point at (id2) and books the cost as
// the department's income. Lines above the open rest of their requisition line are
// refused with "退回数量不能大于剩余数量！" and nothing posts. One transaction.
QString ApproveDeptReturn(const QString& docNo);

// Production goods-in (SC): brings the lines into the header's warehouse at their
// unit cost, writes "sc" ledger rows naming the department and sets the goods'
// average over every warehouse. Production return (ST): takes them out again with
// negative "st" rows after the colour-by-size stock check, whose refusal text it
// answers (nothing written). An approved header is left as it is. One transaction.
QString ApproveProductionIn(const QString& docNo);
QString ApproveProductionReturn(const QString& docNo);
