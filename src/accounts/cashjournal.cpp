#include "accounts/cashjournal.h"

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

QString stampOf(const QDate& date, const QString& time)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ') + time;
}

QString nowTime()
{
    return Clock::Now().toString(QStringLiteral("HH:mm"));
}

Row entryRow(const QString& number, const QString& stamp, const QString& kind, double amount, const QString& account,
    const QString& handler, const QString& note)
{
    return { { QStringLiteral("gl_djh"), number }, { QStringLiteral("xj_rq"), stamp },
        { QStringLiteral("xj_dlx"), kind }, { QStringLiteral("xj_je"), Round8(amount) },
        { QStringLiteral("xj_ljje"), 0 }, { QStringLiteral("xj_chk"), QStringLiteral("0") },
        { QStringLiteral("xj_kmmc"), account }, { QStringLiteral("u_name"), handler },
        { QStringLiteral("xj_note"), note }, { QStringLiteral("a_name"), CurrentAdminName },
        { QStringLiteral("ghs_name"), QString() }, { QStringLiteral("ghs_sn"), QString() },
        { QStringLiteral("ck_name"), QString() } };
}

// Each row of the number: its account and date, for the recomputation.
QList<QPair<QString, QString>> rowsOf(const QString& number)
{
    Query q(&Db());
    OpenWithParams(q, QStringLiteral("select xj_kmmc,xj_rq from jxc_xjyh where gl_djh=:n order by id"),
        { { QStringLiteral("n"), number } });
    QList<QPair<QString, QString>> rows;
    for (int r = 0; r < q.RecordCount(); ++r)
        rows.append({ q.TextAt(r, 0), q.TextAt(r, 1) });
    return rows;
}

QString journalConditions(const QDate& from, const QDate& to, const QString& account, const QString& text)
{
    QString sql = QStringLiteral(" and ") + PeriodCondition(QStringLiteral("xj_rq"), from, to);
    if (!account.isEmpty())
        sql += QStringLiteral(" and xj_kmmc='") + SafeSqlText(account) + QLatin1Char('\'');
    const QString t = SafeSqlText(text.trimmed());
    if (!t.isEmpty())
        sql += QStringLiteral(" and (gl_djh like '%") + t + QStringLiteral("%' or xj_dlx like '%") + t
            + QStringLiteral("%' or ghs_name like '%") + t + QStringLiteral("%' or xj_note like '%") + t
            + QStringLiteral("%') ");
    return sql;
}

} // namespace

QString AddCashEntry(CashEntryKind kind, const CashEntry& e)
{
    Transaction t(Db());
    const bool in = kind == CashEntryKind::MoneyIn;
    const QString stamp = stampOf(e.date, nowTime());
    const QString number = NextDocNo(
        QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh"), in ? QStringLiteral("XJ") : QStringLiteral("XC"), stamp);
    InsertRow(QStringLiteral("jxc_xjyh"),
        entryRow(number, stamp, in ? QStringLiteral("现金银行收款") : QStringLiteral("现金银行付款"),
            in ? e.amount : -e.amount, e.account, e.handler, ToFullWidthText(e.note.trimmed())));
    t.Commit();
    return number;
}

void ModifyCashEntry(CashEntryKind kind, qint64 id, const CashEntry& e)
{
    Transaction t(Db());
    const QString old
        = First(QStringLiteral("select xj_rq from jxc_xjyh where id=:id"), { { QStringLiteral("id"), id } }).toString();
    const QString time = old.size() > 11 ? old.mid(11) : nowTime();
    Run(QStringLiteral("update jxc_xjyh set xj_rq=:rq,u_name=:u,xj_je=:je,xj_kmmc=:k,xj_note=:note "
                       "where id=:id and xj_chk='0'"),
        { { QStringLiteral("rq"), stampOf(e.date, time) }, { QStringLiteral("u"), e.handler },
            { QStringLiteral("je"), Round8(kind == CashEntryKind::MoneyIn ? e.amount : -e.amount) },
            { QStringLiteral("k"), e.account }, { QStringLiteral("note"), ToFullWidthText(e.note.trimmed()) },
            { QStringLiteral("id"), id } });
    t.Commit();
}

double ShownCashAmount(const QString& number, double stored)
{
    return number.startsWith(QLatin1String("XC")) ? -stored : stored;
}

QString TransferRefusal(const QString& fromAccount, const QString& toAccount, double amount)
{
    if (fromAccount == toAccount)
        return QStringLiteral("出款、入款不能为同一个账户！");
    const qint64 cents = std::llround(amount * 100);
    if (cents <= 0)
        return QStringLiteral("金额必须大于0！");
    if (cents > std::llround(ValueNumber(GetCashBalanceAt(fromAccount)) * 100))
        return QStringLiteral("转出的金额不能大于出款账户中的金额！");
    return QString();
}

QString AddTransfer(const CashEntry& e, const QString& toAccount)
{
    Transaction t(Db());
    const QString stamp = stampOf(e.date, nowTime());
    const QString number = NextDocNo(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh"), QStringLiteral("XZ"), stamp);
    const QString kind = QStringLiteral("现金银行转账");
    InsertRow(QStringLiteral("jxc_xjyh"),
        entryRow(number, stamp, kind, -e.amount, e.account, e.handler, ToFullWidthText(e.note.trimmed())));
    InsertRow(QStringLiteral("jxc_xjyh"), entryRow(number, stamp, kind, e.amount, toAccount, e.handler, e.note));
    t.Commit();
    return number;
}

void ApproveCashEntry(const QString& number)
{
    Transaction t(Db());
    const auto rows = rowsOf(number);
    Run(QStringLiteral("update jxc_xjyh set xj_chk='1' where gl_djh=:n and xj_chk='0'"),
        { { QStringLiteral("n"), number } });
    for (const auto& [account, date] : rows)
        RecalcCashBalance(account, date);
    t.Commit();
}

QString CancelCashEntryRefusal(const QString& number)
{
    for (const char* p : { "XC", "XJ", "XZ" })
        if (number.startsWith(QLatin1String(p)))
            return QString();
    return QStringLiteral("只能取消审核出款、入款和转账信息！");
}

void CancelCashEntry(const QString& number)
{
    if (!CancelCashEntryRefusal(number).isEmpty())
        return;
    Transaction t(Db());
    Run(QStringLiteral("update jxc_xjyh set xj_chk='0' where gl_djh=:n"), { { QStringLiteral("n"), number } });
    for (const auto& [account, date] : rowsOf(number))
        RecalcCashBalance(account, date);
    t.Commit();
}

void DeleteCashEntry(const QString& number)
{
    Transaction t(Db());
    Run(QStringLiteral("delete from jxc_xjyh where gl_djh=:n and xj_chk='0'"), { { QStringLiteral("n"), number } });
    t.Commit();
}

void RecalcCashAccounts(const QString& account, const QDate& from, const std::function<void(int)>& progress)
{
    Transaction t(Db());
    Query q(&Db());
    if (account.isEmpty())
        OpenWithParams(q, QStringLiteral("select yh_name from jxc_yhzh order by id"), {});
    else
        OpenWithParams(q, QStringLiteral("select yh_name from jxc_yhzh where yh_name=:n order by id"),
            { { QStringLiteral("n"), account } });
    const QString date = from.toString(QStringLiteral("yyyy-MM-dd"));
    for (int r = 0; r < q.RecordCount(); ++r) {
        if (progress)
            progress(r);
        RecalcCashBalance(q.TextAt(r, 0), date);
    }
    t.Commit();
}

QString PendingCashStatement(const QDate& from, const QDate& to, const QString& account, const QString& text)
{
    return QStringLiteral("select * from jxc_xjyh where xj_chk='0'") + journalConditions(from, to, account, text)
        + QStringLiteral(" order by id desc");
}

QString DetailCashStatement(const QDate& from, const QDate& to, const QString& account, const QString& text)
{
    return QStringLiteral("select * from jxc_xjyh where xj_chk='1'") + journalConditions(from, to, account, text)
        + QStringLiteral(" order by xj_kmmc,xj_rq,id");
}

QString SummaryCashStatement(const QDate& from, const QDate& to, const QString& account, const QString& text)
{
    // The balance at the period's end: the last approved row before the end bound,
    // by date text, then id; the text filter narrows the sums only.
    QString accountCondition;
    if (!account.isEmpty())
        accountCondition = QStringLiteral(" and x.xj_kmmc='") + SafeSqlText(account) + QLatin1Char('\'');
    return QStringLiteral("select m.xj_kmmc,m.sfje,n.ljje from (select xj_kmmc,sum(xj_je) as sfje from jxc_xjyh "
                          "where xj_chk='1'")
        + journalConditions(from, to, account, text)
        + QStringLiteral(" group by xj_kmmc) m left outer join (select x.xj_kmmc,x.xj_ljje as ljje from jxc_xjyh x "
                         "where x.xj_chk='1' and ")
        + PeriodEndCondition(QStringLiteral("x.xj_rq"), to) + accountCondition
        + QStringLiteral(" and x.id=(select max(y.id) from jxc_xjyh y where y.xj_chk='1' and y.xj_kmmc=x.xj_kmmc and "
                         "y.xj_rq=(select max(z.xj_rq) from jxc_xjyh z where z.xj_chk='1' and z.xj_kmmc=x.xj_kmmc and ")
        + PeriodEndCondition(QStringLiteral("z.xj_rq"), to)
        + QStringLiteral("))) n on m.xj_kmmc=n.xj_kmmc order by m.xj_kmmc");
}

QMap<QString, QString> VoucherDigits(double amount, const QString& currencySign)
{
    static const char* const kCells[]
        = { "fen", "jiao", "yuan", "shi", "bai", "qian", "wan", "shiwan", "baiwan", "qianwan", "yi", "shiyi" };
    // "#.00": two decimals, nothing before the point for a whole part of 0.
    QString t = QString::number(amount, 'f', 2);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QLatin1String("-0.")))
        t.remove(1, 1);
    QMap<QString, QString> cells;
    for (const char* c : kCells)
        cells.insert(QString::fromLatin1(c), QString());
    cells[QStringLiteral("fen")] = t.right(1);
    t.chop(1);
    cells[QStringLiteral("jiao")] = t.right(1);
    t.chop(2); // the tenths digit and the point
    for (int i = 2; i < 11 && !t.isEmpty(); ++i) {
        cells[QString::fromLatin1(kCells[i])] = t.right(1);
        t.chop(1);
        cells[QString::fromLatin1(kCells[i + 1])] = currencySign;
    }
    if (!t.isEmpty())
        cells[QStringLiteral("shiyi")] = t.right(1);
    return cells;
}
