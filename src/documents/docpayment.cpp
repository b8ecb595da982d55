#include "documents/docpayment.h"

#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"
#include "posting/moneyposting.h"
#include "posting/postingdb.h"
#include "posting/printvars.h"
#include "posting/rowinsert.h"

using namespace posting;

namespace {

// How one kind of document is settled later.
struct SettleSide {
    const char* header;
    const char* column; // prefix of the header's columns
    const char* partnerTable;
    const char* partnerCode;
    const char* partnerName;
    const char* registration; // number prefix of the registration
    const char* type;         // k_type
    const char* title;        // k_djtxt
    const char* verb;         // in notes
    const char* logText;
    bool isReturn;
    void (*approve)(const QString&);
};

const SettleSide& SideOf(const QString& docNo)
{
    static const SettleSide goodsIn { "jxc_jhd", "j_", "jxc_ghsxx", "ghs_sn", "ghs_name", "FK", "ghs", "单据付款",
        "付款", "增加付款，供货商：", false, &ApprovePaymentDoc };
    static const SettleSide purchaseReturn { "jxc_thd", "th_", "jxc_ghsxx", "ghs_sn", "ghs_name", "FK", "ghs",
        "单据付款", "付款", "增加付款，供货商：", true, &ApprovePaymentDoc };
    static const SettleSide delivery { "jxc_lsxsd", "ls_", "jxc_khxx", "kh_sn", "kh_name", "SK", "kh", "单据收款",
        "收款", "增加收款，客户：", false, &ApproveReceiptDoc };
    static const SettleSide salesReturn { "jxc_xsthd", "th_", "jxc_khxx", "kh_sn", "kh_name", "SK", "kh", "单据收款",
        "收款", "增加收款，客户：", true, &ApproveReceiptDoc };
    const QString prefix = docNo.left(2).toUpper();
    if (prefix == QLatin1String("CT"))
        return purchaseReturn;
    if (prefix == QLatin1String("XS"))
        return delivery;
    if (prefix == QLatin1String("XT"))
        return salesReturn;
    return goodsIn;
}

QString Col(const SettleSide& s, const char* stem)
{
    return QString::fromUtf8(s.column) + QLatin1String(stem);
}

} // namespace

double ProposedDocPayment(const QString& docNo)
{
    const SettleSide& s = SideOf(docNo);
    return FirstNumber(QStringLiteral("select ") + Col(s, "yfje") + QLatin1Char('-') + Col(s, "sfje") + QLatin1Char('-')
            + Col(s, "hkje") + QStringLiteral(" from ") + QString::fromUtf8(s.header)
            + QStringLiteral(" where gl_djh=:n"),
        { { QStringLiteral("n"), docNo } });
}

bool DocNeedsPayment(const QString& docNo, double payable, double paid, double discount, double paidLater)
{
    const double due = RoundUp(payable, 2);
    if (SideOf(docNo).isReturn)
        return RoundUp(paid + paidLater, 2) > due;
    return RoundUp(paid + discount + paidLater, 2) < due;
}

QString RecordDocPayment(const DocPayment& payment)
{
    const SettleSide& s = SideOf(payment.docNo);
    const QString header = QString::fromUtf8(s.header);
    const QString verb = QString::fromUtf8(s.verb);
    const QString day = payment.date.toString(QStringLiteral("yyyy-MM-dd"));
    const QString date = day + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm"));
    const QString amount = PrintNumber(payment.amount);
    const QString note = payment.note.trimmed();
    const QString code = QString::fromUtf8(s.partnerCode);
    const QString name = QString::fromUtf8(s.partnerName);
    const QHash<QString, QString> doc = FirstRowTexts(QStringLiteral("select a.") + code + QStringLiteral(",a.")
            + Col(s, "note") + QStringLiteral(",b.") + name + QStringLiteral(" from ") + header
            + QStringLiteral(" a left join ") + QString::fromUtf8(s.partnerTable) + QStringLiteral(" b on a.") + code
            + QStringLiteral("=b.") + code + QStringLiteral(" where a.gl_djh=:n"),
        payment.docNo);

    Transaction t(Db());
    const QString number
        = NextDocNo(QStringLiteral("jxc_ysyfk_dj"), QStringLiteral("gl_djh"), QString::fromUtf8(s.registration), day);
    InsertRow(QStringLiteral("jxc_ysyfk_dj"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("gl_djh2"), payment.docNo },
            { QStringLiteral("k_ghskh"), doc.value(code) }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("u_sn"), payment.handler }, { QStringLiteral("k_fkfs"), payment.account },
            { QStringLiteral("k_yfje"), 0 }, { QStringLiteral("k_yhje"), 0 }, { QStringLiteral("k_qcje"), 0 },
            { QStringLiteral("k_ljje"), 0 }, { QStringLiteral("k_mlje"), 0 },
            { QStringLiteral("k_sfje"), payment.amount }, { QStringLiteral("k_type"), QString::fromUtf8(s.type) },
            { QStringLiteral("k_djlx"), QString::fromUtf8(s.registration) },
            { QStringLiteral("k_djtxt"), QString::fromUtf8(s.title) },
            { QStringLiteral("k_note"),
                QStringLiteral("单据【") + payment.docNo + QStringLiteral("】") + verb + QLatin1Char(' ') + note },
            { QStringLiteral("k_flag"), -1 }, { QStringLiteral("k_rq"), date }, { QStringLiteral("k_check"), 0 },
            { QStringLiteral("k_checker"), QString() }, { QStringLiteral("k_chkrq"), QString() } });
    WriteLog(QString::fromUtf8(s.logText) + doc.value(name) + QStringLiteral("，金额：") + amount);
    if (IsTrue(ApproveOnSave))
        s.approve(number);
    const QString docNote = (doc.value(Col(s, "note")) + QStringLiteral("  ") + verb + QStringLiteral(":") + number
        + QStringLiteral("金额:") + amount + QStringLiteral("，") + verb + QStringLiteral("日期：") + date
        + QLatin1Char(' ') + note)
                                .left(200);
    Run(QStringLiteral("update ") + header + QStringLiteral(" set ") + Col(s, "hkje") + QStringLiteral("=coalesce(")
            + Col(s, "hkje") + QStringLiteral(",0)+:a,") + Col(s, "note") + QStringLiteral("=:note where gl_djh=:n"),
        { { QStringLiteral("a"), payment.amount }, { QStringLiteral("note"), docNote },
            { QStringLiteral("n"), payment.docNo } });
    t.Commit();
    return number;
}
