#include "accounts/registrationops.h"

#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"
#include "posting/moneyposting.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

#include <map>

using namespace posting;

const RegistrationKind& ReceivableKind()
{
    static const RegistrationKind k { QStringLiteral("YS"), true, false, 7, QStringLiteral("增加应收款"),
        QStringLiteral("应收款"), QStringLiteral("客户"), QStringLiteral("增加应收款"), QStringLiteral("修改应收款"),
        QStringLiteral("增加应收款，客户："), QStringLiteral("修改应收款，客户："),
        QStringLiteral("审核应收款，客户："), QStringLiteral("取消审核应收款，客户："),
        QStringLiteral("您确定要删除该应收款信息吗！"), QStringLiteral("yskdj"), QStringLiteral("ysyfysk") };
    return k;
}

const RegistrationKind& PayableKind()
{
    static const RegistrationKind k { QStringLiteral("YF"), false, false, 9, QStringLiteral("增加应付款"),
        QStringLiteral("应付款"), QStringLiteral("供货商"), QStringLiteral("增加应付款"), QStringLiteral("修改应付款"),
        QStringLiteral("增加未审核应付款，供货商："), QStringLiteral("修改未审核应付款，供货商："),
        QStringLiteral("审核应付款，供货商："), QStringLiteral("取消审核应付款，供货商："),
        QStringLiteral("您确定要删除该应付款信息吗！"), QStringLiteral("yfkdj"), QStringLiteral("ysyfyfk") };
    return k;
}

// The approval of receipts and payments writes its own log line (posting); the
// cancel line of a receipt names the number, the payment's does not.
const RegistrationKind& ReceiptKind()
{
    static const RegistrationKind k { QStringLiteral("SK"), true, true, 8, QStringLiteral("收款"),
        QStringLiteral("收款"), QStringLiteral("客户"), QStringLiteral("增加收款"), QStringLiteral("修改收款"),
        QStringLiteral("增加收款，客户："), QStringLiteral("修改收款，客户："), QString(),
        QStringLiteral("取消审核收款，单据号：{no}，客户："), QStringLiteral("您确定要删除该应收款信息吗！"),
        QStringLiteral("ysksk"), QStringLiteral("ysyfskd") };
    return k;
}

const RegistrationKind& PaymentKind()
{
    static const RegistrationKind k { QStringLiteral("FK"), false, true, 10, QStringLiteral("付款"),
        QStringLiteral("付款"), QStringLiteral("供货商"), QStringLiteral("增加付款"), QStringLiteral("修改付款"),
        QStringLiteral("增加付款，供货商："), QStringLiteral("修改付款，供货商："), QString(),
        QStringLiteral("取消审核付款，供货商："), QStringLiteral("您确定要删除该付款信息吗！"), QStringLiteral("yfkfk"),
        QStringLiteral("ysyffkd") };
    return k;
}

namespace {

QString stampOf(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
        + Clock::Now().toString(QStringLiteral("HH:mm"));
}

QString todayText()
{
    return Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
}

// One registration with its partner's name, by number or by id.
struct Registration {
    bool found = false;
    qint64 id = 0;
    QString number, partner, partnerName, date, account, source;
    bool approved = false;
    double amount = 0; // k_yfje or k_sfje, as the kind keeps it
};

Registration readRegistration(const RegistrationKind& kind, const QString& where, const Params& params)
{
    Query q(&Db());
    OpenWithParams(q,
        QStringLiteral("select a.*,c.") + kind.PartnerName()
            + QStringLiteral(" as partner_name from jxc_ysyfk_dj a left join ") + kind.PartnerTable()
            + QStringLiteral(" c on a.k_ghskh=c.") + kind.PartnerCode() + QStringLiteral(" where ") + where
            + QStringLiteral(" order by a.id limit 1"),
        params);
    Registration r;
    if (q.IsEmpty())
        return r;
    r.found = true;
    r.id = q.AsInteger(QStringLiteral("id"));
    r.number = q.AsString(QStringLiteral("gl_djh"));
    r.partner = q.AsString(QStringLiteral("k_ghskh"));
    r.partnerName = q.AsString(QStringLiteral("partner_name"));
    r.date = q.AsString(QStringLiteral("k_rq"));
    r.account = q.AsString(QStringLiteral("k_fkfs"));
    r.source = q.AsString(QStringLiteral("gl_djh2"));
    r.approved = q.AsInteger(QStringLiteral("k_check")) != 0;
    r.amount = q.AsFloat(kind.AmountColumn());
    return r;
}

Registration byNumber(const RegistrationKind& kind, const QString& number)
{
    return readRegistration(kind, QStringLiteral("a.gl_djh=:n"), { { QStringLiteral("n"), number } });
}

// The ledger row of an approved registration, with its provisional balance; the
// recomputation that follows puts every balance right.
void postRegistration(const RegistrationKind& kind, const QString& number, const Registration& r)
{
    const double before = ValueNumber(GetLedgerBalanceAt(r.partner, kind.Side(), QStringLiteral("0"), r.date));
    Query q(&Db());
    OpenWithParams(q, QStringLiteral("select * from jxc_ysyfk_dj where gl_djh=:n order by id limit 1"),
        { { QStringLiteral("n"), number } });
    Row row;
    for (const char* c : { "k_rq", "k_fkfs", "k_yfje", "k_sfje", "k_qcje", "k_yhje", "k_flag", "k_type", "k_djlx",
             "k_djtxt", "k_note", "u_sn", "a_name", "k_ghskh" }) {
        const QString column = QString::fromLatin1(c);
        row.append({ column, q.Value(column) });
    }
    row.append({ QStringLiteral("gl_djh"), number });
    row.append({ QStringLiteral("gl_djh2"), QString() });
    row.append({ QStringLiteral("k_ljje"), Round8(before + r.amount) });
    InsertRow(QStringLiteral("jxc_ysyfk"), row);
    Run(QStringLiteral("update jxc_ysyfk_dj set k_check=1,k_checker=:who,k_chkrq=:today where gl_djh=:n"),
        { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("today"), todayText() },
            { QStringLiteral("n"), number } });
    WriteLog(kind.logApprove + r.partnerName + QStringLiteral("，金额：") + NumberText(r.amount));
}

} // namespace

QString AddRegistration(const RegistrationKind& kind, const RegistrationEntry& e)
{
    Transaction t(Db());
    const QString stamp = stampOf(e.date);
    const QString number = NextDocNo(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), kind.prefix, stamp);
    const double amount = Round8(e.amount);
    InsertRow(QStringLiteral("jxc_ysyfk_dj"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("k_rq"), stamp },
            { QStringLiteral("k_fkfs"), kind.money ? e.account : kind.noun },
            { QStringLiteral("k_yfje"), kind.money ? 0.0 : amount },
            { QStringLiteral("k_sfje"), kind.money ? amount : 0.0 }, { QStringLiteral("k_qcje"), 0 },
            { QStringLiteral("k_yhje"), 0 }, { QStringLiteral("k_ljje"), 0 },
            { QStringLiteral("k_mlje"), kind.money ? Round8(e.rounding) : 0.0 },
            { QStringLiteral("k_flag"), kind.money ? -1 : 1 }, { QStringLiteral("k_type"), kind.Side() },
            { QStringLiteral("k_djlx"), kind.prefix }, { QStringLiteral("k_djtxt"), kind.djtxt },
            { QStringLiteral("gl_djh2"), QString() }, { QStringLiteral("k_note"), e.note.trimmed() },
            { QStringLiteral("k_check"), 0 }, { QStringLiteral("k_checker"), QString() },
            { QStringLiteral("k_chkrq"), QString() }, { QStringLiteral("u_sn"), e.handlerSn },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("k_ghskh"), e.partnerSn } });
    WriteLog(kind.logAdd + e.partnerName + QStringLiteral("，金额：") + NumberText(amount));
    t.Commit();
    return number;
}

void ModifyRegistration(const RegistrationKind& kind, qint64 id, const RegistrationEntry& e)
{
    Transaction t(Db());
    Params p { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("u"), e.handlerSn },
        { QStringLiteral("amount"), Round8(e.amount) }, { QStringLiteral("note"), e.note.trimmed() },
        { QStringLiteral("rq"), stampOf(e.date) }, { QStringLiteral("id"), id } };
    if (kind.money) {
        p.insert(QStringLiteral("account"), e.account);
        p.insert(QStringLiteral("rounding"), Round8(e.rounding));
        Run(QStringLiteral("update jxc_ysyfk_dj set a_name=:who,k_fkfs=:account,u_sn=:u,k_sfje=:amount,k_note=:note,"
                           "k_rq=:rq,k_mlje=:rounding where id=:id and k_check=0"),
            p);
    } else {
        Run(QStringLiteral("update jxc_ysyfk_dj set a_name=:who,u_sn=:u,k_yfje=:amount,k_note=:note,k_rq=:rq "
                           "where id=:id and k_check=0"),
            p);
    }
    WriteLog(kind.logModi + e.partnerName + QStringLiteral("，金额：") + NumberText(Round8(e.amount)));
    t.Commit();
}

bool ApproveRegistration(const RegistrationKind& kind, const QString& number)
{
    return ApproveRegistrations(kind, { number }) == 1;
}

int ApproveRegistrations(
    const RegistrationKind& kind, const QStringList& numbers, const std::function<void(int)>& progress)
{
    Transaction t(Db());
    int approved = 0;
    // Each partner's balances are recomputed once, from the earliest date posted.
    std::map<QString, QString> from;
    for (int i = 0; i < numbers.size(); ++i) {
        if (progress)
            progress(i);
        const Registration r = byNumber(kind, numbers.at(i));
        if (!r.found || r.approved)
            continue;
        if (kind.money) {
            if (kind.customers)
                ApproveReceiptDoc(r.number);
            else
                ApprovePaymentDoc(r.number);
        } else {
            postRegistration(kind, r.number, r);
            auto it = from.find(r.partner);
            if (it == from.end() || r.date < it->second)
                from[r.partner] = r.date;
        }
        ++approved;
    }
    for (const auto& [partner, date] : from)
        RecalcLedgerBalance(partner, kind.Side(), date);
    t.Commit();
    return approved;
}

bool CancelRegistration(const RegistrationKind& kind, const QString& number)
{
    Transaction t(Db());
    const Registration r = byNumber(kind, number);
    if (!r.found || !r.approved)
        return false;
    const Params n { { QStringLiteral("n"), number } };
    if (kind.money) {
        // The document's own row and its rounding-off row, the money and the discount line.
        Run(QStringLiteral("delete from jxc_ysyfk where gl_djh=:n or gl_djh2=:n"), n);
        Run(QStringLiteral("delete from jxc_xjyh where gl_djh=:n"), n);
        RecalcLedgerBalance(r.partner, kind.Side(), r.date);
        Run(QStringLiteral("update jxc_ysyfk_dj set k_check=0,k_checker='',k_chkrq='' where gl_djh=:n"), n);
        Run(QStringLiteral("delete from jxc_goodslist where gl_djh2=:n"), n);
        RecalcCashBalance(r.account, r.date);
    } else {
        Run(QStringLiteral("delete from jxc_ysyfk where gl_djh=:n"), n);
        RecalcLedgerBalance(r.partner, kind.Side(), r.date);
        Run(QStringLiteral("update jxc_ysyfk_dj set k_check=0,k_checker='',k_chkrq='' where gl_djh=:n"), n);
    }
    QString log = kind.logCancel;
    log.replace(QStringLiteral("{no}"), number);
    WriteLog(log + r.partnerName + QStringLiteral("，金额：") + NumberText(r.amount));
    t.Commit();
    return true;
}

bool DeleteRegistration(const RegistrationKind& kind, qint64 id)
{
    Transaction t(Db());
    const Registration r = readRegistration(kind, QStringLiteral("a.id=:id"), { { QStringLiteral("id"), id } });
    if (!r.found || r.approved)
        return false;
    Run(QStringLiteral("delete from jxc_ysyfk_dj where id=:id"), { { QStringLiteral("id"), id } });
    if (kind.money && !r.source.isEmpty()) {
        // The one-document dialogs raised the source's collected amount when they saved.
        struct Source {
            const char* prefix;
            const char* table;
            const char* column;
        };
        static const Source kSources[] = { { "XS", "jxc_lsxsd", "ls_hkje" }, { "XT", "jxc_xsthd", "th_hkje" },
            { "CJ", "jxc_jhd", "j_hkje" }, { "CT", "jxc_thd", "th_hkje" } };
        for (const Source& s : kSources) {
            if (!r.source.startsWith(QLatin1String(s.prefix), Qt::CaseInsensitive))
                continue;
            const QString table = QString::fromLatin1(s.table);
            const QString column = QString::fromLatin1(s.column);
            Run(QStringLiteral("update ") + table + QStringLiteral(" set ") + column + QLatin1Char('=') + column
                    + QStringLiteral("-:amount where gl_djh=:n"),
                { { QStringLiteral("amount"), r.amount }, { QStringLiteral("n"), r.source } });
            Run(QStringLiteral("update ") + table + QStringLiteral(" set ") + column + QStringLiteral("=0 where ")
                    + column + QStringLiteral("<0 and gl_djh=:n"),
                { { QStringLiteral("n"), r.source } });
        }
    }
    t.Commit();
    return true;
}

QString ApproveAllMessage(int listed, int approved)
{
    return QStringLiteral("审核完成，共 ") + QString::number(listed) + QStringLiteral(" 个单据，")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("审核成功 ") + QString::number(approved)
        + QStringLiteral(" 个单据。");
}

double PrintedBalance(const RegistrationKind& kind, const QString& number)
{
    const Registration r = byNumber(kind, number);
    double balance = ValueNumber(GetLedgerBalance(r.partner, kind.Side()));
    if (r.found && !r.approved && !kind.money)
        balance += r.amount;
    return balance;
}
