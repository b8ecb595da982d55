#include "documents/redate.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/sqltext.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/draftrepair.h"
#include "posting/postingdb.h"
#include "posting/purchaseposting.h"
#include "posting/salesposting.h"
#include "posting/tradereversal.h"

using namespace posting;

const DocKind& RedateKindOf(const QString& docNo)
{
    const QString prefix = docNo.left(2).toUpper();
    if (prefix == QLatin1String("CT"))
        return PurchaseReturnKind();
    if (prefix == QLatin1String("CD"))
        return PurchaseOrderKind();
    if (prefix == QLatin1String("XS"))
        return SalesDeliveryKind();
    if (prefix == QLatin1String("XT"))
        return SalesReturnKind();
    return GoodsInKind();
}

namespace {

// The header's date text for the chosen date: the stored text on the same day,
// otherwise the new day with the stored time of day.
QString RedateDateText(const RedateValues& v)
{
    if (v.date == v.oldDate)
        return v.storedDate;
    return v.date + v.storedDate.mid(10);
}

void RewriteHeader(const DocKind& kind, const RedateValues& v, qint64 headerId)
{
    const bool sales = kind.prefix.startsWith(QLatin1Char('X'));
    // The kinds that carry freight and packing: goods-in and delivery.
    const bool freighted = kind.prefix == QLatin1String("CJ") || kind.prefix == QLatin1String("XS");
    const bool ret = kind.prefix == QLatin1String("CT") || kind.prefix == QLatin1String("XT");
    const QString p = ret ? QStringLiteral("th_") : (sales ? QStringLiteral("ls_") : QStringLiteral("j_"));
    const double sign = ret ? -1 : 1;
    Params params { { QStringLiteral("n"), v.newNo }, { QStringLiteral("ghs"), v.partner },
        { QStringLiteral("ck"), v.warehouse }, { QStringLiteral("u"), v.handler },
        { QStringLiteral("rq"), RedateDateText(v) }, { QStringLiteral("yf"), v.payable * sign },
        { QStringLiteral("sf"), v.paid * sign },
        { QStringLiteral("note"), ToFullWidthText(v.note.trimmed()).left(200) }, { QStringLiteral("js"), v.settle },
        { QStringLiteral("km"), v.account }, { QStringLiteral("id"), headerId } };
    QString sql = QStringLiteral("update ") + kind.header + QStringLiteral(" set gl_djh=:n,")
        + (sales ? QStringLiteral("kh_sn") : QStringLiteral("ghs_sn")) + QStringLiteral("=:ghs,ck_sn=:ck,u_sn=:u,")
        + kind.dateColumn + QStringLiteral("=:rq,") + kind.payableColumn + QStringLiteral("=:yf,") + kind.paidColumn
        + QStringLiteral("=:sf,") + p + QStringLiteral("note=:note,") + p + QStringLiteral("jsfs=:js,") + p
        + QStringLiteral("kmmc=:km");
    if (!ret) {
        sql += QStringLiteral(",gl_djh2=:n2");
        params.insert(QStringLiteral("n2"), v.externalNo.trimmed());
    }
    if (!kind.prefix.startsWith(QLatin1String("CD"))) {
        sql += QStringLiteral(",") + p + QStringLiteral("fpno=:fp,") + p + QStringLiteral("fpje=:fj");
        params.insert(QStringLiteral("fp"), v.invoiceNo.trimmed());
        params.insert(QStringLiteral("fj"), v.invoiceAmount);
    }
    if (freighted) {
        QString payer;
        if (v.freight > 0 || v.packing > 0)
            payer = v.wePayFreight ? QStringLiteral("我方付运费") : QStringLiteral("对方付运费");
        sql += QStringLiteral(",") + p + QStringLiteral("yf=:fr,") + p + QStringLiteral("bzf=:pk,") + p
            + QStringLiteral("yffs=:yffs");
        params.insert(QStringLiteral("fr"), v.freight);
        params.insert(QStringLiteral("pk"), v.packing);
        params.insert(QStringLiteral("yffs"), payer);
    }
    Run(sql + QStringLiteral(" where id=:id"), params);
}

} // namespace

QString RedateNumberFor(const QString& docNo, const QString& date)
{
    const DocKind& kind = RedateKindOf(docNo);
    return NextDocNo(kind.lines, QStringLiteral("gl_djh"), kind.prefix, date);
}

QString RedateDocument(RedateValues v, bool approved)
{
    const DocKind& kind = RedateKindOf(v.oldNo);
    const bool sales = kind.prefix.startsWith(QLatin1Char('X'));
    if (v.date == v.oldDate)
        v.newNo = v.oldNo;
    else if (v.newNo.isEmpty() || v.newNo == v.oldNo || DocNoExists(kind.lines, QStringLiteral("gl_djh"), v.newNo))
        v.newNo = RedateNumberFor(v.oldNo, v.date); // taken since it was drawn

    Transaction t(Db());
    const Params old { { QStringLiteral("o"), v.oldNo } };
    Query header(&Db());
    OpenWithParams(header,
        QStringLiteral("select id,") + kind.checkerColumn + QStringLiteral(",") + kind.checkDateColumn
            + QStringLiteral(" from ") + kind.header + QStringLiteral(" where gl_djh=:o order by id limit 1"),
        old);
    if (header.IsEmpty())
        return QString();
    const qint64 headerId = header.AsInteger(QStringLiteral("id"));
    const QString checker = header.AsString(kind.checkerColumn);
    const QString checkDate = header.AsString(kind.checkDateColumn);
    if (approved) {
        UnapproveResult.clear();
        UnapproveTradeKeepingPayments(v.oldNo);
        if (UnapproveResult != QLatin1String("ok"))
            return QString(); // refused or declined: the transaction rolls back
    }
    RewriteHeader(kind, v, headerId);
    const Params moved { { QStringLiteral("n"), v.newNo }, { QStringLiteral("o"), v.oldNo } };
    Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set gl_djh=:n where gl_djh=:o"), moved);
    Run(QStringLiteral("update ") + kind.detail + QStringLiteral(" set gl_djh=:n where gl_djh=:o"), moved);
    // A delivery returned as a whole names its return: the flag follows the new number.
    if (kind.prefix == QLatin1String("XT"))
        Run(QStringLiteral("update jxc_lsxsd set ls_fdmc=:n where ls_fdmc=:o"), moved);
    if (kind.prefix == QLatin1String("CJ") || kind.prefix == QLatin1String("XS")) {
        if (v.settle == 0 && RoundUp(v.paid, 2) != RoundUp(v.payable, 2)) {
            if (sales)
                ApplyDocDiscount(v.newNo, v.paid, v.payable);
            else
                ApplyPurchaseDiscount(v.newNo, v.paid, v.payable);
        }
        if (!v.contract.isEmpty())
            LinkContract(v.contract, v.partner, v.newNo);
    }
    if (approved) {
        // The registrations made against the document follow it to its new number.
        Run(QStringLiteral("update jxc_ysyfk_dj set gl_djh2=:n where gl_djh2=:o"), moved);
        Run(QStringLiteral("update jxc_ysyfk set gl_djh2=:n where gl_djh2=:o"), moved);
        ApproveDocument(kind, v.newNo, CurrentAdminName);
        Run(QStringLiteral("update ") + kind.header + QStringLiteral(" set ") + kind.checkerColumn
                + QStringLiteral("=:c,") + kind.checkDateColumn + QStringLiteral("=:d where id=:id"),
            { { QStringLiteral("c"), checker }, { QStringLiteral("d"), checkDate },
                { QStringLiteral("id"), headerId } });
    }
    t.Commit();
    return v.newNo;
}
