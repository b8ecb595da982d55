#include "purchasing/docpayment.h"

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

bool IsReturnNo(const QString& docNo)
{
    return docNo.startsWith(QLatin1String("CT"), Qt::CaseInsensitive);
}

} // namespace

double ProposedDocPayment(const QString& docNo)
{
    const QString sql = IsReturnNo(docNo)
        ? QStringLiteral("select th_yfje-th_sfje-th_hkje from jxc_thd where gl_djh=:n")
        : QStringLiteral("select j_yfje-j_sfje-j_hkje from jxc_jhd where gl_djh=:n");
    return FirstNumber(sql, { { QStringLiteral("n"), docNo } });
}

bool DocNeedsPayment(const QString& docNo, double payable, double paid, double discount, double paidLater)
{
    const double due = RoundUp(payable, 2);
    if (IsReturnNo(docNo))
        return RoundUp(paid + paidLater, 2) > due;
    return RoundUp(paid + discount + paidLater, 2) < due;
}

QString RecordDocPayment(const DocPayment& payment)
{
    const bool ret = IsReturnNo(payment.docNo);
    const QString header = ret ? QStringLiteral("jxc_thd") : QStringLiteral("jxc_jhd");
    const QString p = ret ? QStringLiteral("th_") : QStringLiteral("j_");
    const QString day = payment.date.toString(QStringLiteral("yyyy-MM-dd"));
    const QString date = day + QLatin1Char(' ') + Clock::Now().toString(QStringLiteral("HH:mm"));
    const QString amount = PrintNumber(payment.amount);
    const QString note = payment.note.trimmed();
    const QHash<QString, QString> doc
        = FirstRowTexts(QStringLiteral("select a.ghs_sn,a.") + p + QStringLiteral("note,b.ghs_name from ") + header
                + QStringLiteral(" a left join jxc_ghsxx b on a.ghs_sn=b.ghs_sn where a.gl_djh=:n"),
            payment.docNo);

    Transaction t(Db());
    const QString number
        = NextDocNo(QStringLiteral("jxc_ysyfk_dj"), QStringLiteral("gl_djh"), QStringLiteral("FK"), day);
    InsertRow(QStringLiteral("jxc_ysyfk_dj"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("gl_djh2"), payment.docNo },
            { QStringLiteral("k_ghskh"), doc.value(QStringLiteral("ghs_sn")) },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("u_sn"), payment.handler },
            { QStringLiteral("k_fkfs"), payment.account }, { QStringLiteral("k_yfje"), 0 },
            { QStringLiteral("k_yhje"), 0 }, { QStringLiteral("k_qcje"), 0 }, { QStringLiteral("k_ljje"), 0 },
            { QStringLiteral("k_mlje"), 0 }, { QStringLiteral("k_sfje"), payment.amount },
            { QStringLiteral("k_type"), QStringLiteral("ghs") }, { QStringLiteral("k_djlx"), QStringLiteral("FK") },
            { QStringLiteral("k_djtxt"), QStringLiteral("单据付款") },
            { QStringLiteral("k_note"), QStringLiteral("单据【") + payment.docNo + QStringLiteral("】付款 ") + note },
            { QStringLiteral("k_flag"), -1 }, { QStringLiteral("k_rq"), date }, { QStringLiteral("k_check"), 0 },
            { QStringLiteral("k_checker"), QString() }, { QStringLiteral("k_chkrq"), QString() } });
    WriteLog(QStringLiteral("增加付款，供货商：") + doc.value(QStringLiteral("ghs_name")) + QStringLiteral("，金额：")
        + amount);
    if (IsTrue(ApproveOnSave))
        ApprovePaymentDoc(number);
    const QString docNote = (doc.value(p + QStringLiteral("note")) + QStringLiteral("  付款:") + number
        + QStringLiteral("金额:") + amount + QStringLiteral("，付款日期：") + date + QLatin1Char(' ') + note)
                                .left(200);
    Run(QStringLiteral("update ") + header + QStringLiteral(" set ") + p + QStringLiteral("hkje=") + p
            + QStringLiteral("hkje+:a,") + p + QStringLiteral("note=:note where gl_djh=:n"),
        { { QStringLiteral("a"), payment.amount }, { QStringLiteral("note"), docNote },
            { QStringLiteral("n"), payment.docNo } });
    t.Commit();
    return number;
}
