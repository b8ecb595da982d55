#include "purchasing/redate.h"

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
#include "posting/tradereversal.h"

using namespace posting;

namespace {

const DocKind& RedateKind(const QString& docNo)
{
    const QString prefix = docNo.left(2).toUpper();
    if (prefix == QLatin1String("CT"))
        return PurchaseReturnKind();
    if (prefix == QLatin1String("CD"))
        return PurchaseOrderKind();
    return GoodsInKind();
}

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
    const bool goodsIn = kind.prefix == QLatin1String("CJ");
    const bool ret = kind.prefix == QLatin1String("CT");
    const QString p = ret ? QStringLiteral("th_") : QStringLiteral("j_");
    const double sign = ret ? -1 : 1;
    Params params { { QStringLiteral("n"), v.newNo }, { QStringLiteral("ghs"), v.supplier },
        { QStringLiteral("ck"), v.warehouse }, { QStringLiteral("u"), v.handler },
        { QStringLiteral("rq"), RedateDateText(v) }, { QStringLiteral("yf"), v.payable * sign },
        { QStringLiteral("sf"), v.paid * sign },
        { QStringLiteral("note"), ToFullWidthText(v.note.trimmed()).left(200) }, { QStringLiteral("js"), v.settle },
        { QStringLiteral("km"), v.account }, { QStringLiteral("id"), headerId } };
    QString sql = QStringLiteral("update ") + kind.header
        + QStringLiteral(" set gl_djh=:n,ghs_sn=:ghs,ck_sn=:ck,u_sn=:u,") + kind.dateColumn + QStringLiteral("=:rq,")
        + kind.payableColumn + QStringLiteral("=:yf,") + kind.paidColumn + QStringLiteral("=:sf,") + p
        + QStringLiteral("note=:note,") + p + QStringLiteral("jsfs=:js,") + p + QStringLiteral("kmmc=:km");
    if (!ret) {
        sql += QStringLiteral(",gl_djh2=:n2");
        params.insert(QStringLiteral("n2"), v.externalNo.trimmed());
    }
    if (!kind.prefix.startsWith(QLatin1String("CD"))) {
        sql += QStringLiteral(",") + p + QStringLiteral("fpno=:fp,") + p + QStringLiteral("fpje=:fj");
        params.insert(QStringLiteral("fp"), v.invoiceNo.trimmed());
        params.insert(QStringLiteral("fj"), v.invoiceAmount);
    }
    if (goodsIn) {
        QString payer;
        if (v.freight > 0 || v.packing > 0)
            payer = v.wePayFreight ? QStringLiteral("我方付运费") : QStringLiteral("对方付运费");
        sql += QStringLiteral(",j_yf=:fr,j_bzf=:pk,j_yffs=:yffs");
        params.insert(QStringLiteral("fr"), v.freight);
        params.insert(QStringLiteral("pk"), v.packing);
        params.insert(QStringLiteral("yffs"), payer);
    }
    Run(sql + QStringLiteral(" where id=:id"), params);
}

} // namespace

QString RedateNumberFor(const QString& docNo, const QString& date)
{
    const DocKind& kind = RedateKind(docNo);
    return NextDocNo(kind.lines, QStringLiteral("gl_djh"), kind.prefix, date);
}

QString RedateDocument(RedateValues v, bool approved)
{
    const DocKind& kind = RedateKind(v.oldNo);
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
        UnapprovePurchaseKeepingPayments(v.oldNo);
        if (UnapproveResult != QLatin1String("ok"))
            return QString(); // refused or declined: the transaction rolls back
    }
    RewriteHeader(kind, v, headerId);
    const Params moved { { QStringLiteral("n"), v.newNo }, { QStringLiteral("o"), v.oldNo } };
    Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set gl_djh=:n where gl_djh=:o"), moved);
    Run(QStringLiteral("update ") + kind.detail + QStringLiteral(" set gl_djh=:n where gl_djh=:o"), moved);
    if (kind.prefix == QLatin1String("CJ")) {
        if (v.settle == 0 && RoundUp(v.paid, 2) != RoundUp(v.payable, 2))
            ApplyPurchaseDiscount(v.newNo, v.paid, v.payable);
        if (!v.contract.isEmpty())
            LinkContract(v.contract, v.supplier, v.newNo);
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
