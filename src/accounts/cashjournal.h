#pragma once
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// The cash and bank journal's own entries (money-in "XJ", money-out "XC", transfers
// "XZ" with one row on each account), their approval, cancel and deletion, the
// recalculation of balances and the statements of the journal window. Each change
// runs in one transaction.

enum class CashEntryKind { MoneyIn, MoneyOut };

struct CashEntry {
    QString account;
    double amount = 0; // as entered; a money-out is stored negative
    QString handler;   // staff name
    QDate date;
    QString note;
};

// A new pending money-in or money-out dated with the time of saving; its number.
QString AddCashEntry(CashEntryKind kind, const CashEntry& e);
// Rewrites a pending entry; a new date keeps the entry's time of day. Number, kind,
// status and operator stay.
void ModifyCashEntry(CashEntryKind kind, qint64 id, const CashEntry& e);
// The amount a dialog shows for a stored entry (a money-out's sign turned).
double ShownCashAmount(const QString& number, double stored);

// The transfer's refusal: the same account twice, no positive amount, or more than
// the approved balance of the account it leaves (compared in cents); "" passes.
QString TransferRefusal(const QString& fromAccount, const QString& toAccount, double amount);
// Row 1 out of `e.account`, row 2 into `toAccount`, one "XZ" number; answers it.
QString AddTransfer(const CashEntry& e, const QString& toAccount);

// Approves the pending rows of the number and recomputes each row's account.
void ApproveCashEntry(const QString& number);
// "只能取消审核出款、入款和转账信息！" for a number that is not an entry's; "" passes.
QString CancelCashEntryRefusal(const QString& number);
void CancelCashEntry(const QString& number);
// Removes the pending rows of the number (both rows of a transfer).
void DeleteCashEntry(const QString& number);
// Recomputes the named account, or every account when the name is empty, from the date.
void RecalcCashAccounts(const QString& account, const QDate& from, const std::function<void(int)>& progress = {});

// The journal window's statements: account empty for all accounts, text as typed.
QString PendingCashStatement(const QDate& from, const QDate& to, const QString& account, const QString& text);
QString DetailCashStatement(const QDate& from, const QDate& to, const QString& account, const QString& text);
// One row per account with approved rows in the period that match: "sfje" their
// sum, "ljje" the account's balance at the end of the period.
QString SummaryCashStatement(const QDate& from, const QDate& to, const QString& account, const QString& text);

// The twelve digit cells of a voucher, "fen" to "shiyi", for the amount V.
QMap<QString, QString> VoucherDigits(double amount, const QString& currencySign);
