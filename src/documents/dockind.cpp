#include "documents/dockind.h"

#include "posting/purchaseposting.h"
#include "posting/salesposting.h"

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

const DocKind& PurchaseOrderKind()
{
    // Orders post nothing: the kind names their tables for the line mechanics; the
    // order window brings its own approval.
    static const DocKind kind = [] {
        DocKind k;
        k.header = QStringLiteral("jxc_cgd");
        k.lines = QStringLiteral("jxc_cgsp");
        k.detail = QStringLiteral("jxc_cgspmx");
        k.prefix = QStringLiteral("CD");
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
        k.logName = QStringLiteral("采购订单");
        k.rightModule = QStringLiteral("cggl");
        k.post = [](const QString&) {};
        return k;
    }();
    return kind;
}

namespace {

// The sales kinds share their column names; only the tables, prefix and posting differ.
DocKind SalesKind(const char* header, const char* lines, const char* detail, const char* prefix, const char* logName)
{
    DocKind k;
    k.header = QLatin1String(header);
    k.lines = QLatin1String(lines);
    k.detail = QLatin1String(detail);
    k.prefix = QLatin1String(prefix);
    k.linePrefix = QStringLiteral("ls");
    k.dateColumn = QStringLiteral("ls_xsrq");
    k.statusColumn = QStringLiteral("ls_status");
    k.checkerColumn = QStringLiteral("ls_checker");
    k.checkDateColumn = QStringLiteral("ls_chkrq");
    k.payableColumn = QStringLiteral("ls_yfje");
    k.paidColumn = QStringLiteral("ls_sfje");
    k.discountColumn = QStringLiteral("ls_yhje");
    k.settleColumn = QStringLiteral("ls_jsfs");
    k.stockQtyColumn = QStringLiteral("ls_cksl");
    k.outgoing = true;
    k.costColumn = QStringLiteral("ls_cbj");
    k.totalCostColumn = QStringLiteral("ls_zcb");
    k.logName = QString::fromUtf8(logName);
    k.rightModule = QStringLiteral("xsgl");
    return k;
}

} // namespace

const DocKind& SalesDeliveryKind()
{
    static const DocKind kind = [] {
        DocKind k = SalesKind("jxc_lsxsd", "jxc_lsxssp", "jxc_lsxsspmx", "XS", "商品销售单");
        k.approveRight = 2;
        k.post = [](const QString& no) { ApproveSalesDoc(no); };
        return k;
    }();
    return kind;
}

const DocKind& SalesOrderKind()
{
    // Orders move no stock and no money; the order window brings its own approval.
    static const DocKind kind = [] {
        DocKind k = SalesKind("jxc_xsd", "jxc_xssp", "jxc_xsspmx", "XD", "销售订单");
        k.approveRight = 19;
        k.post = [](const QString&) {};
        return k;
    }();
    return kind;
}

const DocKind& SalesReturnKind()
{
    static const DocKind kind = [] {
        DocKind k = SalesKind("jxc_xsthd", "jxc_xsthsp", "jxc_xsthspmx", "XT", "销售退货单");
        k.linePrefix = QStringLiteral("th");
        k.dateColumn = QStringLiteral("th_xsrq");
        k.statusColumn = QStringLiteral("th_status");
        k.checkerColumn = QStringLiteral("th_checker");
        k.checkDateColumn = QStringLiteral("th_chkrq");
        k.payableColumn = QStringLiteral("th_yfje");
        k.paidColumn = QStringLiteral("th_sfje");
        k.discountColumn.clear();
        k.settleColumn = QStringLiteral("th_jsfs");
        k.stockQtyColumn.clear();
        k.outgoing = false;
        k.costColumn = QStringLiteral("th_cbj");
        k.totalCostColumn = QStringLiteral("th_zcb");
        k.approveRight = 4;
        k.post = [](const QString& no) { ApproveSalesReturn(no); };
        return k;
    }();
    return kind;
}
