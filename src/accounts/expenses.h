#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

// The shop's expense ("FY") and income ("SR") records of jxc_yyfy and their types
// (jxc_fylx). A record is entered pending; approval writes its money movement into
// the cash journal unless it touches no account ("不记入账户"). Each change runs in
// one transaction.

inline const QString& NoAccountText()
{
    static const QString text = QStringLiteral("不记入账户");
    return text;
}

// ---- types ----

// "系统内置类型，不能删除！", "该项目类型已发生业务，不能删除！" or "" when it may go.
QString ExpenseTypeDeleteRefusal(const QString& name);
// "类型已经存在，不能加入！" when another type (either direction) has the name; the
// name is compared in the form it is stored. id: the row being changed, -1 for a new one.
QString ExpenseTypeNameRefusal(const QString& name, qint64 id);
// The form a name or note is stored in: trimmed and made safe.
QString ExpenseTypeText(const QString& text);

// ---- records ----

struct ExpenseEntry {
    bool income = false;
    QString type;      // fy_lx
    double amount = 0; // as entered: an expense is stored with its sign turned
    QString handlerSn; // u_sn
    QString deptSn;    // de_sn
    QString account;   // fy_kmmc: an account name, "不记入账户" or empty
    QDate date;
    QString note;
};

// The dialog's checks in their order ("金额必须填写！", the type, the handler, the
// department); "" passes. deptChosen is false for none or "添加新部门...".
QString ExpenseEntryRefusal(const ExpenseEntry& e, bool handlerChosen, bool deptChosen);
// A new pending record stamped with the time of saving; its number, drawn inside the
// save.
QString AddExpense(const ExpenseEntry& e);
// Rewrites a pending record; its number, kind, status and operator stay, and a new
// date keeps the record's time of day.
void ModifyExpense(const QString& number, const ExpenseEntry& e);
// The amount the dialog shows for a stored one.
double ShownExpenseAmount(bool income, double stored);

// Whether the record is one of this window's own (FY, SR), not written by another posting.
bool IsOwnExpenseNumber(const QString& number);
// Approves the pending record: the journal row "费用付款"/"收入收款" of fy_je on its
// account at its date, and the account's balances from then on. False when nothing
// was pending under the number.
bool ApproveExpense(const QString& number);
int ApproveExpenses(const QStringList& numbers, const std::function<void(int)>& progress = {});
// Returns an approved own record to pending and takes its journal row out.
bool CancelExpense(const QString& number);
// Removes a pending own record.
bool DeleteExpense(const QString& number);

// ---- the window's statements ----

struct ExpenseFilter {
    QDate from, to;
    QString type; // empty: every type
    QString dept; // "-1" or empty: every department
    QString text; // number, account, remark (and handler in the detail)
};
QString PendingExpenseStatement(const ExpenseFilter& f);
QString DetailExpenseStatement(const ExpenseFilter& f);
// Per type and department the signed sum; types missing from jxc_fylx are left out.
QString SummaryExpenseStatement(const ExpenseFilter& f);

// Shows the voucher of the record ("report/fyd.fr3"); a record whose handler is gone
// shows the voucher without record data.
void PrintExpenseVoucher(const QString& id);
