#pragma once
#include <QDate>
#include <QString>

// The cash and bank accounts (jxc_yhzh) and the opening row ("期初金额") each has in
// the journal. Typed texts are stored trimmed in full-width form and compared so.
// Each change runs in one transaction.

struct CashAccountEntry {
    QString type;
    QString name;
    QString note;
    double amount = 0;
};

// The refusal of the entry for a new account (excludeId 0) or for the account with
// that id: a missing name or type, or one another account already has; "" passes.
QString CashAccountRefusal(const CashAccountEntry& e, qint64 excludeId = 0);
// Appends the account and its opening row dated `openingDate`, also for 0.
void AddCashAccount(const CashAccountEntry& e, const QDate& openingDate);
// Whether the journal holds any row of the account other than its opening row.
bool CashAccountHasBusiness(const QString& name);
// Rewrites the account (the amount only with `withAmount`) and its opening row,
// moves its journal rows and its pending receipts, payments, expenses and income to
// a new name, and recomputes its balances from the opening date. Without an opening
// row (after a settlement) only the account row and the names change.
void ModifyCashAccount(qint64 id, const CashAccountEntry& e, bool withAmount);
// The opening amount of the account and of its opening row, balances recomputed.
void SetCashOpeningAmount(qint64 id, double amount);
// "“现金”不能删除！", "该账户已发生过业务，不能删除！" or "".
QString CashAccountDeleteRefusal(const QString& name);
// Removes the account and its journal rows.
void DeleteCashAccount(qint64 id);
