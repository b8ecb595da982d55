#include "posting/printvars.h"

#include "foundation/moneywords.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "platform/report/report.h"
#include "posting/balances.h"
#include "posting/postingdb.h"

#include <QHash>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

using Pairs = std::initializer_list<std::pair<const char*, const char*>>;

// The first row of a header statement; empty texts when the number matches no row.
class HeaderRow {
public:
    HeaderRow(const QString& sql, const QString& number) : values_(FirstRowTexts(sql, number)) { }
    QString operator[](const char* column) const { return values_.value(QLatin1String(column)); }

private:
    QHash<QString, QString> values_;
};

void Set(Report& r, const char* name, const QString& value)
{
    r.SetVariable(QLatin1String(name), value);
}

void SetColumns(Report& r, const HeaderRow& row, Pairs pairs)
{
    for (const auto& [variable, column] : pairs)
        Set(r, variable, row[column]);
}

void SetCompany(Report& r, bool full = true)
{
    Set(r, "comName", CompanyName);
    Set(r, "comTele", CompanyTele);
    if (full) {
        Set(r, "comLxr", CompanyContact);
        Set(r, "comNote", CompanyNote);
    }
    Set(r, "comAddress", CompanyAddress);
}

QString Words(const QString& amount)
{
    return AmountInWords(amount);
}

// The partner's balance before and after the document: an approved document that
// settles on account is already in the running balance, a pending one is not yet.
struct Balances {
    QString before, after;
    bool adjustedBefore = false;
};
Balances PartnerBalances(const HeaderRow& row, const QString& partner, const char* side, const char* status,
    const char* settle, const char* due, const char* paid)
{
    Balances b;
    const QString balance = GetLedgerBalance(partner, QLatin1String(side));
    const double B = ValueNumber(balance);
    const double d = ValueNumber(row[due]);
    const double p = ValueNumber(row[paid]);
    const bool onAccount = row[settle] == QLatin1String("1");
    b.adjustedBefore = onAccount && row[status] == QLatin1String("1");
    b.before = b.adjustedBefore ? PrintNumber(B - d + p) : balance;
    b.after = onAccount && row[status] == QLatin1String("0") ? PrintNumber(B + d - p) : balance;
    return b;
}

// The supplier block; the order prints the supplier's code as well.
void SetSupplier(Report& r, const QString& supplier, bool withCode)
{
    const HeaderRow p(QStringLiteral("select * from jxc_ghsxx where ghs_sn=:n"), supplier);
    if (withCode)
        Set(r, "ghsBh", p["ghs_sn"]);
    SetColumns(r, p,
        { { "ghsName", "ghs_name" }, { "ghsLxr", "ghs_lxr" }, { "ghsTele", "ghs_tele" },
            { "ghsAddress", "ghs_address" } });
}

QString HeaderSql(const char* table, const char* extra = "")
{
    return QStringLiteral("select a.*,b.ck_name,c.u_name%1 from %2 a,jxc_ckxx b,jxc_user c where "
                          "a.ck_sn=b.ck_sn and a.u_sn=c.u_sn and a.gl_djh=:n")
        .arg(QLatin1String(extra), QLatin1String(table));
}

// Delphi's "#.00": two decimals, no zero before the point.
QString HashDotZeroZero(double v)
{
    QString s = QString::number(std::fabs(v), 'f', 2);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    if (v < 0 && s != QLatin1String(".00"))
        s.prepend(QLatin1Char('-'));
    return s;
}

QString Negated(const QString& amount)
{
    return amount.isEmpty() ? QString() : PrintNumber(-1 * ValueNumber(amount));
}

void GoodsIn(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    const HeaderRow h(HeaderSql("jxc_jhd"), number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "jhDate", "j_jhrq" }, { "uName", "u_name" }, { "Kmmc", "j_kmmc" },
            { "Note", "j_note" }, { "gldjh2", "gl_djh2" }, { "yunfei", "j_yf" }, { "baozfei", "j_bzf" },
            { "fpno", "j_fpno" }, { "checker", "j_checker" }, { "chkrq", "j_chkrq" }, { "xxyh", "j_yhje" },
            { "xxyf", "j_yfje" }, { "xxsf", "j_sfje" }, { "aName", "a_name" } });
    const Balances b = PartnerBalances(h, h["ghs_sn"], "ghs", "j_status", "j_jsfs", "j_yfje", "j_sfje");
    Set(r, "khqk", b.before);
    Set(r, "ljqkje", b.after);
    SetSupplier(r, h["ghs_sn"], false);
    Set(r, "yf", Words(h["j_yfje"]));
    Set(r, "sf", Words(h["j_sfje"]));
}

void PurchaseReturn(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    const HeaderRow h(HeaderSql("jxc_thd"), number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "jhDate", "th_thrq" }, { "uName", "u_name" }, { "Kmmc", "th_kmmc" },
            { "Note", "th_note" }, { "checker", "th_checker" }, { "chkrq", "th_chkrq" } });
    SetSupplier(r, h["ghs_sn"], false);
    Set(r, "yf", Words(h["th_yfje"]));
    Set(r, "sf", Words(h["th_sfje"]));
}

void PurchaseOrder(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    const HeaderRow h(HeaderSql("jxc_cgd", ",c.u_tele"), number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "jhDate", "j_jhrq" }, { "uName", "u_name" }, { "uTele", "u_tele" },
            { "Kmmc", "j_kmmc" }, { "Note", "j_note" }, { "checker", "j_checker" }, { "chkrq", "j_chkrq" },
            { "xxyf", "j_yfje" }, { "xxsf", "j_sfje" }, { "aName", "a_name" }, { "gldjh2", "gl_djh2" } });
    SetSupplier(r, h["ghs_sn"], true);
    Set(r, "yf", Words(h["j_yfje"]));
    Set(r, "sf", Words(h["j_sfje"]));
}

void SetCustomer(Report& r, const QString& customer, bool withNote)
{
    const HeaderRow p(QStringLiteral("select * from jxc_khxx where kh_sn=:n"), customer);
    SetColumns(r, p,
        { { "khName", "kh_name" }, { "khLxr", "kh_lxr" }, { "khTele", "kh_tele" }, { "khAddress", "kh_address" } });
    if (withNote)
        Set(r, "khNote", p["kh_note"]);
}

// Sales kinds set the current balance first and correct it only for an approved
// document on account; the final values equal the goods-in rule.
void SetCustomerBalances(
    Report& r, const HeaderRow& h, const char* status, const char* settle, const char* due, const char* paid)
{
    const Balances b = PartnerBalances(h, h["kh_sn"], "kh", status, settle, due, paid);
    Set(r, "khqk", GetLedgerBalance(h["kh_sn"], QStringLiteral("kh")));
    Set(r, "ljqkje", b.after);
    if (b.adjustedBefore)
        Set(r, "khqk", b.before);
}

void SalesDelivery(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    QString s = ValueText(posting::First(QStringLiteral("select sum(ls_je) as je from jxc_lsxssp where gl_djh=:n"),
        { { QStringLiteral("n"), number } }));
    if (s.isEmpty())
        s = QStringLiteral("0");
    const HeaderRow h(HeaderSql("jxc_lsxsd"), number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "jhDate", "ls_xsrq" }, { "Note", "ls_note" }, { "gldjh2", "gl_djh2" },
            { "yunfei", "ls_yf" }, { "baozfei", "ls_bzf" }, { "fpje", "ls_fpje" }, { "fpno", "ls_fpno" },
            { "checker", "ls_checker" }, { "chkrq", "ls_chkrq" }, { "uName", "u_name" }, { "Kmmc", "ls_kmmc" },
            { "xxyh", "ls_yhje" }, { "xxyf", "ls_yfje" }, { "xxsf", "ls_sfje" }, { "aName", "a_name" } });
    SetCustomerBalances(r, h, "ls_status", "ls_jsfs", "ls_yfje", "ls_sfje");
    SetCustomer(r, h["kh_sn"], true);
    Set(r, "yf", Words(h["ls_yfje"]));
    Set(r, "yf2", Words(HashDotZeroZero(ValueNumber(s))));
    Set(r, "sf", Words(h["ls_sfje"]));
}

void SalesReturn(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    const HeaderRow h(HeaderSql("jxc_xsthd"), number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "jhDate", "th_xsrq" }, { "Note", "th_note" }, { "uName", "u_name" },
            { "Kmmc", "th_kmmc" }, { "checker", "th_checker" }, { "chkrq", "th_chkrq" } });
    SetCustomerBalances(r, h, "th_status", "th_jsfs", "th_yfje", "th_sfje");
    SetCustomer(r, h["kh_sn"], false);
    // Returns store their amounts negative; the words show them as paid back.
    Set(r, "yf", Words(Negated(h["th_yfje"])));
    Set(r, "sf", Words(Negated(h["th_sfje"])));
}

void SalesOrder(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    const HeaderRow h(HeaderSql("jxc_xsd"), number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "jhDate", "ls_xsrq" }, { "Note", "ls_note" }, { "checker", "ls_checker" },
            { "chkrq", "ls_chkrq" }, { "uName", "u_name" }, { "Kmmc", "ls_kmmc" }, { "xxyf", "ls_yfje" },
            { "xxsf", "ls_sfje" }, { "aName", "a_name" }, { "gldjh2", "gl_djh2" } });
    const QString balance = GetLedgerBalance(h["kh_sn"], QStringLiteral("kh"));
    Set(r, "khqk", balance);
    Set(r, "ljqkje", balance);
    SetCustomer(r, h["kh_sn"], true);
    Set(r, "yf", Words(h["ls_yfje"]));
    Set(r, "sf", Words(h["ls_sfje"]));
}

void Transfer(Report& r, const QString& number)
{
    const QVariant total = posting::First(
        QStringLiteral(
            "select sum(a.db_sl*b.g_sj) as zje from jxc_dbsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:n"),
        { { QStringLiteral("n"), number } });
    Set(r, "yf", Words(ValueText(total)));
    const HeaderRow h(QStringLiteral("select b.ck_name as dcck,c.ck_name as drck,d.u_name,a.* from "
                                     "jxc_kcdbd a,jxc_ckxx b,jxc_ckxx c,jxc_user d where a.ck_out=b.ck_sn "
                                     "and a.ck_in=c.ck_sn and a.u_sn=d.u_sn and a.gl_djh=:n"),
        number);
    SetColumns(r, h,
        { { "jhDate", "db_dbrq" }, { "uName", "u_name" }, { "ckOut", "dcck" }, { "ckIn", "drck" },
            { "Note", "db_note" } });
    SetCompany(r);
}

// Split and bundle print the goods the header carries under the same names.
void SplitOrBundle(Report& r, const QString& number, bool split)
{
    const QString p = split ? QStringLiteral("cf") : QStringLiteral("kb");
    const HeaderRow h(QStringLiteral("select a.*,b.g_name,b.g_jm,c.ck_name,b.dw_name,b.gg_name,b.color_name,"
                                     "a.%1_cbj*a.%1_sl as zje,d.u_name,b.g_sccs from %2 a,jxc_goods b,"
                                     "jxc_ckxx c,jxc_user d where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn "
                                     "and a.u_sn=d.u_sn and a.gl_djh=:n order by a.id desc")
                          .arg(p, split ? QStringLiteral("jxc_cfd") : QStringLiteral("jxc_kbd")),
        number);
    SetCompany(r);
    const QByteArray date = split ? "cf_cfrq" : "kb_kbrq";
    const QByteArray cost = (p + QStringLiteral("_cbj")).toLatin1();
    const QByteArray qty = (p + QStringLiteral("_sl")).toLatin1();
    const QByteArray note = (p + QStringLiteral("_note")).toLatin1();
    SetColumns(r, h,
        { { "jhDate", date.constData() }, { "aName", "a_name" }, { "ckName", "ck_name" }, { "uName", "u_name" },
            { "gName", "g_name" }, { "gSn", "g_sn" }, { "dwName", "dw_name" }, { "ggName", "gg_name" },
            { "colorName", "color_name" }, { "cfCbj", cost.constData() }, { "cfSl", qty.constData() },
            { "cfZje", "zje" }, { "cfNote", note.constData() } });
}

void LossOrOverflow(Report& r, const QString& number, bool loss)
{
    Set(r, "title", loss ? QStringLiteral("商品报损单") : QStringLiteral("商品报溢单"));
    const QString sql = loss
        ? QStringLiteral("select a.bs_bsrq as rq,a.bs_note as dnote,a.a_name,b.ck_name,c.u_name from "
                         "jxc_bsd a,jxc_ckxx b,jxc_user c where a.ck_sn=b.ck_sn and a.u_sn=c.u_sn "
                         "and a.gl_djh=:n")
        : QStringLiteral("select a.by_byrq as rq,a.by_note as dnote,a.a_name,b.ck_name,c.u_name from "
                         "jxc_byd a,jxc_ckxx b,jxc_user c where a.ck_sn=b.ck_sn and a.u_sn=c.u_sn "
                         "and a.gl_djh=:n");
    const HeaderRow h(sql, number);
    SetColumns(r, h,
        { { "jhDate", "rq" }, { "aName", "a_name" }, { "ckName", "ck_name" }, { "uName", "u_name" },
            { "dNote", "dnote" } });
    SetCompany(r);
}

void StockTake(Report& r, const QString& number)
{
    const HeaderRow h(
        QStringLiteral("select a.*,b.ck_name from jxc_kcpd a,jxc_ckxx b where a.ck_sn=b.ck_sn and a.gl_djh=:n"),
        number);
    SetColumns(r, h, { { "ckName", "ck_name" }, { "jhDate", "pd_rq" }, { "Note", "pd_note" } });
    SetCompany(r);
}

void CustomerLoan(Report& r, const QString& number)
{
    r.ClearVariables();
    SetCompany(r);
    Set(r, "djName", number.left(2) == QLatin1String("HH") ? QStringLiteral("还货") : QStringLiteral("借货"));
    const HeaderRow h(
        QStringLiteral("select a.*,b.ck_name as ckname,c.u_name,d.* from jxc_khjh a,jxc_ckxx b,jxc_user c,"
                       "jxc_khxx d where a.ck_sn=b.ck_sn and a.u_sn=c.u_sn and a.kh_sn=d.kh_sn and a.gl_djh=:n"),
        number);
    SetColumns(r, h,
        { { "ckName", "ckname" }, { "jhDate", "jh_rq" }, { "Note", "jh_note" }, { "uName", "u_name" },
            { "khName", "kh_name" }, { "khLxr", "kh_lxr" }, { "khTele", "kh_tele" }, { "khAddress", "kh_address" } });
}

void Production(Report& r, const QString& number)
{
    SetCompany(r, false);
    const HeaderRow h(
        QStringLiteral("select a.*,b.ck_name,c.de_name,d.u_name from jxc_scrkd a,jxc_ckxx b,jxc_dept c,"
                       "jxc_user d where a.ck_sn=b.ck_sn and a.de_sn=c.de_sn and a.u_sn=d.u_sn and a.gl_djh=:n"),
        number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "uName", "u_name" }, { "jhDate", "sc_rq" }, { "deName", "de_name" },
            { "checker", "sc_checker" }, { "chkrq", "sc_chkrq" }, { "Note", "sc_note" } });
}

void Department(Report& r, const QString& number)
{
    SetCompany(r);
    const HeaderRow h(
        QStringLiteral("select a.*,b.ck_name,c.de_name,d.u_name from jxc_bmlyd a,jxc_ckxx b,jxc_dept c,"
                       "jxc_user d where a.ck_sn=b.ck_sn and a.de_sn=c.de_sn and a.u_sn=d.u_sn and a.gl_djh=:n"),
        number);
    SetColumns(r, h,
        { { "ckName", "ck_name" }, { "uName", "u_name" }, { "jhDate", "ly_rq" }, { "deName", "de_name" },
            { "checker", "ly_checker" }, { "chkrq", "ly_chkrq" }, { "Note", "ly_note" } });
}

} // namespace

void SetCompanyPrintVars(Report& report)
{
    SetCompany(report);
}

void SetCustomerPrintVars(Report& report, const QString& customerSn)
{
    SetCustomer(report, customerSn, true);
}

QString PrintAmountWords(double amount)
{
    return Words(HashDotZeroZero(amount));
}

QHash<QString, QString> FirstRowTexts(const QString& sql, const QString& value)
{
    Query q(&posting::Db());
    q.SetSQL(sql);
    q.SetParam(QStringLiteral("n"), value);
    q.Open();
    QHash<QString, QString> row;
    if (!q.IsEmpty())
        for (int c = 0; c < q.FieldCount(); ++c)
            if (!row.contains(q.FieldName(c).toLower()))
                row.insert(q.FieldName(c).toLower(), ValueText(q.ValueAt(0, c), q.IsBitColumn(c)));
    return row;
}

QString PrintNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'g', 15);
}

void SetDocPrintVars(Report& report, const QString& number, const QString& kind)
{
    using Fn = void (*)(Report&, const QString&);
    static const QHash<QString, Fn> kinds = {
        { QStringLiteral("cgjh"), GoodsIn },
        { QStringLiteral("cgth"), PurchaseReturn },
        { QStringLiteral("spxs"), SalesDelivery },
        { QStringLiteral("xsth"), SalesReturn },
        { QStringLiteral("kcdb"), Transfer },
        { QStringLiteral("cgd"), PurchaseOrder },
        { QStringLiteral("spdd"), SalesOrder },
        { QStringLiteral("spcf"), [](Report& r, const QString& n) { SplitOrBundle(r, n, true); } },
        { QStringLiteral("spkb"), [](Report& r, const QString& n) { SplitOrBundle(r, n, false); } },
        { QStringLiteral("spbs"), [](Report& r, const QString& n) { LossOrOverflow(r, n, true); } },
        { QStringLiteral("spby"), [](Report& r, const QString& n) { LossOrOverflow(r, n, false); } },
        { QStringLiteral("kcpd"), StockTake },
        { QStringLiteral("khjh"), CustomerLoan },
        { QStringLiteral("SC"), Production },
        { QStringLiteral("LY"), Department },
    };
    if (const Fn fn = kinds.value(kind))
        fn(report, number);
}
