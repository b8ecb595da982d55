#include "accounts/expenses.h"

#include "accounts/cashvoucher.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <cmath>

using namespace posting;

namespace {

QString expenseStamp(const QDate& date, const QString& time)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') + time;
}

struct ExpenseRecord {
    bool found = false;
    QString date, account, flag, chk;
};

ExpenseRecord expenseByNumber(const QString& number)
{
    Query q(&Db());
    OpenWithParams(q, QStringLiteral("select fy_rq,fy_kmmc,fy_flag,fy_chk from jxc_yyfy where gl_djh=:n order by id"),
        { { QStringLiteral("n"), number } });
    ExpenseRecord r;
    if (q.IsEmpty())
        return r;
    r.found = true;
    r.date = q.TextAt(0, 0);
    r.account = q.TextAt(0, 1);
    r.flag = q.TextAt(0, 2);
    r.chk = q.TextAt(0, 3);
    return r;
}

bool approveOne(const QString& number)
{
    Query q(&Db());
    // The handler's and department's names go into the journal row; a record whose
    // handler or department is gone is approved with them empty.
    OpenWithParams(q,
        QStringLiteral("select a.fy_rq,a.fy_kmmc,b.u_name,a.fy_je,a.fy_note,c.de_name,a.fy_flag from jxc_yyfy a "
                       "left join jxc_user b on a.u_sn=b.u_sn left join jxc_dept c on a.de_sn=c.de_sn "
                       "where a.gl_djh=:n and a.fy_chk='0' order by a.id"),
        { { QStringLiteral("n"), number } });
    if (q.IsEmpty())
        return false;
    const QString date = q.TextAt(0, 0);
    const QString account = q.TextAt(0, 1);
    Run(QStringLiteral("update jxc_yyfy set fy_chk='1' where gl_djh=:n"), { { QStringLiteral("n"), number } });
    if (account == NoAccountText())
        return true;
    const bool expense = q.TextAt(0, 6) == QLatin1String("1");
    InsertRow(QStringLiteral("jxc_xjyh"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("xj_rq"), date },
            { QStringLiteral("xj_chk"), QStringLiteral("1") },
            { QStringLiteral("xj_dlx"), expense ? QStringLiteral("费用付款") : QStringLiteral("收入收款") },
            { QStringLiteral("u_name"), q.TextAt(0, 2) },
            { QStringLiteral("xj_je"), Round8(ValueNumber(q.ValueAt(0, 3))) }, { QStringLiteral("xj_ljje"), 0 },
            { QStringLiteral("xj_kmmc"), account }, { QStringLiteral("ghs_name"), q.TextAt(0, 5) },
            { QStringLiteral("ghs_sn"), QString() }, { QStringLiteral("ck_name"), QString() },
            { QStringLiteral("xj_note"), q.TextAt(0, 4) }, { QStringLiteral("a_name"), CurrentAdminName } });
    RecalcCashBalance(account, date);
    return true;
}

QString typeAndDeptConditions(const ExpenseFilter& f, const QString& alias)
{
    QString sql;
    if (!f.type.isEmpty())
        sql += QStringLiteral(" and ") + alias + QStringLiteral("fy_lx='") + SafeSqlText(f.type) + QStringLiteral("' ");
    if (!f.dept.isEmpty() && f.dept != QLatin1String("-1"))
        sql += QStringLiteral(" and ") + alias + QStringLiteral("de_sn='") + SafeSqlText(f.dept) + QStringLiteral("' ");
    return sql;
}

const QString& listHead()
{
    static const QString head = QStringLiteral("select a.*,b.u_name,c.de_name from jxc_yyfy a,jxc_user b,jxc_dept c "
                                               "where a.u_sn=b.u_sn and a.de_sn=c.de_sn and ");
    return head;
}

QString textCondition(const QString& text, const QString& alias, bool withHandler)
{
    const QString t = SafeSqlText(text.trimmed());
    if (t.isEmpty())
        return QString();
    QString sql = QStringLiteral(" and (") + alias + QStringLiteral("gl_djh like '%") + t + QStringLiteral("%' or ")
        + alias + QStringLiteral("fy_kmmc like '%") + t + QStringLiteral("%' or ") + alias
        + QStringLiteral("fy_note like '%") + t + QStringLiteral("%'");
    if (withHandler)
        sql += QStringLiteral(" or b.u_name like '%") + t + QStringLiteral("%'");
    return sql + QStringLiteral(") ");
}

} // namespace

QString ExpenseTypeText(const QString& text)
{
    return SafeSqlText(text.trimmed());
}

QString ExpenseTypeDeleteRefusal(const QString& name)
{
    if (name == QStringLiteral("费用") || name == QStringLiteral("收入"))
        return QStringLiteral("系统内置类型，不能删除！");
    if (First(QStringLiteral("select fy_lx from jxc_yyfy where fy_lx=:n limit 1"), { { QStringLiteral("n"), name } })
            .isValid())
        return QStringLiteral("该项目类型已发生业务，不能删除！");
    return QString();
}

QString ExpenseTypeNameRefusal(const QString& name, qint64 id)
{
    const QVariant other = First(QStringLiteral("select fy_lx from jxc_fylx where fy_lx=:n and id<>:id"),
        { { QStringLiteral("n"), ExpenseTypeText(name) }, { QStringLiteral("id"), id } });
    return other.isValid() ? QStringLiteral("类型已经存在，不能加入！") : QString();
}

QString ExpenseEntryRefusal(const ExpenseEntry& e, bool handlerChosen, bool deptChosen)
{
    if (std::llround(e.amount * 100) == 0)
        return QStringLiteral("金额必须填写！");
    if (e.type.isEmpty())
        return e.income ? QStringLiteral("请选择收入类型！") : QStringLiteral("请选择费用类型！");
    if (!handlerChosen)
        return QStringLiteral("请选择经办人！");
    if (!deptChosen)
        return QStringLiteral("请选择部门！");
    return QString();
}

double ShownExpenseAmount(bool income, double stored)
{
    return income ? stored : -stored;
}

QString AddExpense(const ExpenseEntry& e)
{
    Transaction t(Db());
    const QString stamp = expenseStamp(e.date, Clock::Now().toString(QStringLiteral("HH:mm")));
    const QString number = NextDocNo(QStringLiteral("jxc_yyfy"), QStringLiteral("gl_djh"),
        e.income ? QStringLiteral("SR") : QStringLiteral("FY"), stamp);
    InsertRow(QStringLiteral("jxc_yyfy"),
        { { QStringLiteral("fy_rq"), stamp }, { QStringLiteral("gl_djh"), number }, { QStringLiteral("fy_lx"), e.type },
            { QStringLiteral("fy_je"), Round8(ShownExpenseAmount(e.income, e.amount)) },
            { QStringLiteral("fy_flag"), e.income ? QStringLiteral("2") : QStringLiteral("1") },
            { QStringLiteral("u_sn"), e.handlerSn }, { QStringLiteral("de_sn"), e.deptSn },
            { QStringLiteral("fy_kmmc"), e.account }, { QStringLiteral("fy_chk"), QStringLiteral("0") },
            { QStringLiteral("fy_note"), SafeSqlText(e.note.trimmed()) },
            { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("fy_sc"), e.income ? QStringLiteral("收入") : QStringLiteral("费用") } });
    t.Commit();
    return number;
}

void ModifyExpense(const QString& number, const ExpenseEntry& e)
{
    Transaction t(Db());
    const ExpenseRecord r = expenseByNumber(number);
    if (!r.found || r.chk != QLatin1String("0"))
        return;
    const QString time = r.date.size() > 11 ? r.date.mid(11) : Clock::Now().toString(QStringLiteral("HH:mm"));
    const bool income = r.flag == QLatin1String("2");
    Run(QStringLiteral("update jxc_yyfy set fy_rq=:rq,fy_lx=:lx,u_sn=:u,de_sn=:de,fy_kmmc=:k,fy_je=:je,fy_note=:note "
                       "where gl_djh=:n and fy_chk='0'"),
        { { QStringLiteral("rq"), expenseStamp(e.date, time) }, { QStringLiteral("lx"), e.type },
            { QStringLiteral("u"), e.handlerSn }, { QStringLiteral("de"), e.deptSn },
            { QStringLiteral("k"), e.account }, { QStringLiteral("je"), Round8(ShownExpenseAmount(income, e.amount)) },
            { QStringLiteral("note"), SafeSqlText(e.note.trimmed()) }, { QStringLiteral("n"), number } });
    t.Commit();
}

bool IsOwnExpenseNumber(const QString& number)
{
    return number.startsWith(QLatin1String("FY")) || number.startsWith(QLatin1String("SR"));
}

bool ApproveExpense(const QString& number)
{
    return ApproveExpenses({ number }) == 1;
}

int ApproveExpenses(const QStringList& numbers, const std::function<void(int)>& progress)
{
    Transaction t(Db());
    int approved = 0;
    for (int i = 0; i < numbers.size(); ++i) {
        if (progress)
            progress(i);
        if (approveOne(numbers.at(i)))
            ++approved;
    }
    t.Commit();
    return approved;
}

bool CancelExpense(const QString& number)
{
    // Records of other postings carry their source document's number: cancelling
    // here would also take that document's own journal rows.
    if (!IsOwnExpenseNumber(number))
        return false;
    Transaction t(Db());
    const ExpenseRecord r = expenseByNumber(number);
    if (!r.found || r.chk != QLatin1String("1"))
        return false;
    const Params n { { QStringLiteral("n"), number } };
    Run(QStringLiteral("update jxc_yyfy set fy_chk='0' where gl_djh=:n"), n);
    if (r.account != NoAccountText()) {
        Run(QStringLiteral("delete from jxc_xjyh where gl_djh=:n"), n);
        RecalcCashBalance(r.account, r.date);
    }
    t.Commit();
    return true;
}

bool DeleteExpense(const QString& number)
{
    if (!IsOwnExpenseNumber(number))
        return false;
    Transaction t(Db());
    const ExpenseRecord r = expenseByNumber(number);
    if (!r.found || r.chk != QLatin1String("0"))
        return false;
    Run(QStringLiteral("delete from jxc_yyfy where gl_djh=:n and fy_chk='0'"), { { QStringLiteral("n"), number } });
    t.Commit();
    return true;
}

QString PendingExpenseStatement(const ExpenseFilter& f)
{
    return listHead() + QStringLiteral("a.fy_chk='0' and ") + PeriodCondition(QStringLiteral("a.fy_rq"), f.from, f.to)
        + typeAndDeptConditions(f, QStringLiteral("a.")) + QStringLiteral(" order by a.id");
}

QString DetailExpenseStatement(const ExpenseFilter& f)
{
    return listHead() + QStringLiteral("a.fy_chk='1' and (a.fy_flag='1' or a.fy_flag='2') and ")
        + PeriodCondition(QStringLiteral("a.fy_rq"), f.from, f.to) + typeAndDeptConditions(f, QStringLiteral("a."))
        + textCondition(f.text, QStringLiteral("a."), true) + QStringLiteral(" order by a.id desc");
}

QString SummaryExpenseStatement(const ExpenseFilter& f)
{
    return QStringLiteral("select a.fy_lx,a.fy_note,b.fyje,c.de_name from jxc_fylx a,jxc_dept c,(select fy_lx,de_sn,"
                          "sum(fy_je) as fyje from jxc_yyfy where fy_chk='1' and (fy_flag='1' or fy_flag='2') and ")
        + PeriodCondition(QStringLiteral("fy_rq"), f.from, f.to) + typeAndDeptConditions(f, QString())
        + textCondition(f.text, QString(), false)
        + QStringLiteral(" group by fy_lx,de_sn) b where a.fy_lx=b.fy_lx and b.de_sn=c.de_sn order by a.id");
}

void PrintExpenseVoucher(const QString& id)
{
    Query q(&Db());
    OpenWithParams(q, QStringLiteral("select a.*,b.u_name from jxc_yyfy a,jxc_user b where a.u_sn=b.u_sn and a.id=:id"),
        { { QStringLiteral("id"), id.toLongLong() } });
    CashVoucher v;
    v.templateFile = QStringLiteral("fyd");
    v.withCompany = true;
    const bool income = !q.IsEmpty() && q.AsString(QStringLiteral("fy_sc")) == QStringLiteral("收入");
    v.title = income ? QStringLiteral("收款单") : QStringLiteral("付款单");
    if (!q.IsEmpty()) {
        v.operatorName = q.AsString(QStringLiteral("a_name"));
        v.handler = q.AsString(QStringLiteral("u_name"));
        v.item = q.AsString(QStringLiteral("fy_lx"));
        v.account = q.AsString(QStringLiteral("fy_kmmc"));
        v.note = q.AsString(QStringLiteral("fy_note"));
        v.date = q.AsString(QStringLiteral("fy_rq"));
        v.number = q.AsString(QStringLiteral("gl_djh"));
        const double stored = q.AsFloat(QStringLiteral("fy_je"));
        v.amount = income ? stored : -stored;
    }
    PrintCashVoucher(v);
}
