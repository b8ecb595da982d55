#pragma once
#include <QString>

// Cancelling the approval of a stock document: its stock-ledger rows are taken
// back from the warehouse stock, goods totals, monthly balances, moving-average
// costs and colour-by-size stock, its expense or income row goes, and the header
// is pending again with its lines intact (a customer loan back is deleted whole).
// Each checks its right and its refusals first and asks unless AuxTag is "kcpd";
// only then does it log and reverse, in one transaction. UnapproveResult becomes
// "ok" when the reversal ran; a refusal, a No or a number with no approved header
// changes nothing, UnapproveResult included.
void UnapproveTransfer(const QString& docNo);         // DB
void UnapproveStockTake(const QString& docNo);        // PD
void UnapproveSplit(const QString& docNo);            // CF
void UnapproveBundle(const QString& docNo);           // KB
void UnapproveLoss(const QString& docNo);             // BS
void UnapproveOverflow(const QString& docNo);         // BY
void UnapproveCustomerLoanOut(const QString& docNo);  // JH
void UnapproveCustomerLoanBack(const QString& docNo); // HH
void UnapproveProductionIn(const QString& docNo);     // SC
void UnapproveProductionReturn(const QString& docNo); // ST
void UnapproveDeptIssue(const QString& docNo);        // LY
void UnapproveDeptReturn(const QString& docNo);       // LT, and the scrap documents LF
