#pragma once
#include <QString>

class KeyedCombo;

// Running balances of the partner ledger (jxc_ysyfk, per side and partner), the
// invoice register (jxc_fpdjb, audited rows) and the cash and bank journal
// (jxc_xjyh, audited rows, per account name). Rows are ordered by date text, then
// id; a recomputation rewrites every row from a date on.

// The settlement modes of a trade document: "按实付款结算" ("1") and, for side "cg"
// or "xs", the rest to the partner's account ("2").
void FillSettleModes(KeyedCombo& combo, const QString& side);

// The stored balance of the partner's last row on or before the date (with a limit
// other than "0" or empty, only rows with a smaller id); "0" without a row.
QString GetLedgerBalanceAt(const QString& partnerSn, const QString& side, const QString& idLimit, const QString& date);
// The partner's present balance rounded to TotalDecimals; "0" without a row.
QString GetLedgerBalance(const QString& partnerSn, const QString& side);
// Rewrites k_ljje from the date on and mirrors the last balance into the partner
// record (kh_lwje for "kh", ghs_lwje for "ghs").
void RecalcLedgerBalance(const QString& partnerSn, const QString& side, const QString& fromDate);

QString GetInvoiceBalanceAt(const QString& partnerSn, const QString& side, const QString& idLimit, const QString& date);
void RecalcInvoiceBalance(const QString& partnerSn, const QString& side, const QString& fromDate);

QString GetCashBalanceAt(const QString& account);
void RecalcCashBalance(const QString& account, const QString& fromDate);
