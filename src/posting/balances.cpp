#include "posting/balances.h"

#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/ui/keyedcombo.h"
#include "posting/postingdb.h"

using namespace posting;

namespace {

// One journal: its table, the rows that take part, how they are keyed and ordered,
// and how a row moves the balance.
struct Journal {
    QString table;
    QString filter;   // rows that take part, with the key's parameters
    QString date;     // the date column
    QString balance;  // the balance column
    QString movement; // a row's movement, nulls as 0
};

const Journal& Ledger()
{
    static const Journal j { QStringLiteral("jxc_ysyfk"), QStringLiteral("k_type=:side and k_ghskh=:key"),
        QStringLiteral("k_rq"), QStringLiteral("k_ljje"),
        QStringLiteral("coalesce(k_qcje,0)+coalesce(k_yfje,0)-coalesce(k_sfje,0)") };
    return j;
}

const Journal& Invoices()
{
    static const Journal j { QStringLiteral("jxc_fpdjb"),
        QStringLiteral("fp_check<>0 and fp_type=:side and fp_ghskh=:key"), QStringLiteral("fp_rq"),
        QStringLiteral("fp_ljje"), QStringLiteral("coalesce(fp_qcje,0)+coalesce(fp_yfje,0)-coalesce(fp_kpje,0)") };
    return j;
}

const Journal& Cash()
{
    static const Journal j { QStringLiteral("jxc_xjyh"), QStringLiteral("xj_chk=:side and xj_kmmc=:key"),
        QStringLiteral("xj_rq"), QStringLiteral("xj_ljje"), QStringLiteral("coalesce(xj_je,0)") };
    return j;
}

Params KeyParams(const QString& side, const QString& key)
{
    return { { QStringLiteral("side"), side }, { QStringLiteral("key"), key } };
}

// The balance of the last row that the extra condition keeps, as stored; "0" without one.
QString LastBalance(const Journal& j, const Params& key, const QString& condition = QString(), const Params& extra = {})
{
    Params p = key;
    for (auto it = extra.begin(); it != extra.end(); ++it)
        p.insert(it.key(), it.value());
    const QVariant v = First(QStringLiteral("select ") + j.balance + QStringLiteral(" from ") + j.table
            + QStringLiteral(" where ") + j.filter + condition + QStringLiteral(" order by ") + j.date
            + QStringLiteral(" desc,id desc limit 1"),
        p);
    const QString text = ValueText(v);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString BalanceAt(const Journal& j, const Params& key, const QString& idLimit, const QString& date)
{
    const QString limit = idLimit.isEmpty() ? QStringLiteral("0") : idLimit;
    Params extra { { QStringLiteral("d"), date } };
    QString condition = QStringLiteral(" and ") + j.date + QStringLiteral("<=:d");
    if (limit != QLatin1String("0")) {
        condition += QStringLiteral(" and id<:lim");
        extra[QStringLiteral("lim")] = limit.toLongLong();
    }
    return LastBalance(j, key, condition, extra);
}

// Rewrites the balance of every row from the date on, in (date, id) order; answers
// the last balance (the one before the date when no row follows it).
double Recompute(const Journal& j, const Params& key, const QString& fromDate)
{
    const Params from { { QStringLiteral("d"), fromDate } };
    double balance = ValueNumber(LastBalance(j, key, QStringLiteral(" and ") + j.date + QStringLiteral("<:d"), from));
    Query q(&Db());
    q.SetSQL(QStringLiteral("select id,") + j.movement + QStringLiteral(" from ") + j.table + QStringLiteral(" where ")
        + j.filter + QStringLiteral(" and ") + j.date + QStringLiteral(">=:d order by ") + j.date
        + QStringLiteral(",id"));
    for (auto it = key.begin(); it != key.end(); ++it)
        q.SetParam(it.key(), it.value());
    q.SetParam(QStringLiteral("d"), fromDate);
    q.Open();
    Statement update = Db().Prepare(
        QStringLiteral("update ") + j.table + QStringLiteral(" set ") + j.balance + QStringLiteral("=? where id=?"));
    for (int r = 0; r < q.RecordCount(); ++r) {
        // Written at the columns' scale, so no floating remainder builds up over the rows.
        balance = Round8(balance + ValueNumber(q.ValueAt(r, 1)));
        update.Bind(1, balance);
        update.Bind(2, q.IdAt(r));
        update.Run();
    }
    return balance;
}

} // namespace

void FillSettleModes(KeyedCombo& combo, const QString& side)
{
    combo.clear();
    combo.AddKeyed(QStringLiteral("按实付款结算"), QStringLiteral("1"));
    if (side == QLatin1String("cg"))
        combo.AddKeyed(QStringLiteral("余款记入应付帐"), QStringLiteral("2"));
    else if (side == QLatin1String("xs"))
        combo.AddKeyed(QStringLiteral("余款记入应收帐"), QStringLiteral("2"));
}

QString GetLedgerBalanceAt(const QString& partnerSn, const QString& side, const QString& idLimit, const QString& date)
{
    return BalanceAt(Ledger(), KeyParams(side, partnerSn), idLimit, date);
}

QString GetLedgerBalance(const QString& partnerSn, const QString& side)
{
    const QVariant v = First(QStringLiteral("select k_ljje from jxc_ysyfk where k_type=:side and k_ghskh=:key "
                                            "order by k_rq desc,id desc limit 1"),
        KeyParams(side, partnerSn));
    if (!v.isValid())
        return QStringLiteral("0");
    return NumberText(RoundUp(ValueNumber(v), TotalDecimals.toInt()));
}

void RecalcLedgerBalance(const QString& partnerSn, const QString& side, const QString& fromDate)
{
    Transaction t(Db());
    const double balance = Recompute(Ledger(), KeyParams(side, partnerSn), fromDate);
    const Params mirror { { QStringLiteral("b"), balance }, { QStringLiteral("key"), partnerSn } };
    if (side == QLatin1String("kh"))
        Run(QStringLiteral("update jxc_khxx set kh_lwje=:b where kh_sn=:key"), mirror);
    else if (side == QLatin1String("ghs"))
        Run(QStringLiteral("update jxc_ghsxx set ghs_lwje=:b where ghs_sn=:key"), mirror);
    t.Commit();
}

QString GetInvoiceBalanceAt(const QString& partnerSn, const QString& side, const QString& idLimit, const QString& date)
{
    return BalanceAt(Invoices(), KeyParams(side, partnerSn), idLimit, date);
}

void RecalcInvoiceBalance(const QString& partnerSn, const QString& side, const QString& fromDate)
{
    Transaction t(Db());
    Recompute(Invoices(), KeyParams(side, partnerSn), fromDate);
    t.Commit();
}

QString GetCashBalanceAt(const QString& account)
{
    return LastBalance(Cash(), KeyParams(QStringLiteral("1"), account));
}

void RecalcCashBalance(const QString& account, const QString& fromDate)
{
    Transaction t(Db());
    Recompute(Cash(), KeyParams(QStringLiteral("1"), account), fromDate);
    t.Commit();
}
