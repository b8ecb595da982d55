#include "documents/dockind.h"

#include "posting/purchaseposting.h"

const DocKind& GoodsInKind()
{
    static const DocKind kind = [] {
        DocKind k;
        k.header = QStringLiteral("jxc_jhd");
        k.lines = QStringLiteral("jxc_jhsp");
        k.detail = QStringLiteral("jxc_jhspmx");
        k.prefix = QStringLiteral("CJ");
        k.linePrefix = QStringLiteral("jh");
        k.dateColumn = QStringLiteral("j_jhrq");
        k.statusColumn = QStringLiteral("j_status");
        k.checkerColumn = QStringLiteral("j_checker");
        k.checkDateColumn = QStringLiteral("j_chkrq");
        k.payableColumn = QStringLiteral("j_yfje");
        k.paidColumn = QStringLiteral("j_sfje");
        k.discountColumn = QStringLiteral("j_yhje");
        k.settleColumn = QStringLiteral("j_jsfs");
        k.stockQtyColumn = QStringLiteral("jh_rksl");
        k.logName = QStringLiteral("采购进货单");
        k.rightModule = QStringLiteral("cggl");
        k.approveRight = 2;
        k.post = [](const QString& no) { ApprovePurchaseDoc(no); };
        return k;
    }();
    return kind;
}

const DocKind& PurchaseReturnKind()
{
    static const DocKind kind = [] {
        DocKind k;
        k.header = QStringLiteral("jxc_thd");
        k.lines = QStringLiteral("jxc_thsp");
        k.detail = QStringLiteral("jxc_thspmx");
        k.prefix = QStringLiteral("CT");
        k.linePrefix = QStringLiteral("th");
        k.dateColumn = QStringLiteral("th_thrq");
        k.statusColumn = QStringLiteral("th_status");
        k.checkerColumn = QStringLiteral("th_checker");
        k.checkDateColumn = QStringLiteral("th_chkrq");
        k.payableColumn = QStringLiteral("th_yfje");
        k.paidColumn = QStringLiteral("th_sfje");
        k.settleColumn = QStringLiteral("th_jsfs");
        k.logName = QStringLiteral("采购退货单");
        k.rightModule = QStringLiteral("cggl");
        k.approveRight = 5;
        k.post = [](const QString& no) { ApprovePurchaseReturn(no); };
        return k;
    }();
    return kind;
}
