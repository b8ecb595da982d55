#pragma once
#include <QString>
#include <functional>

// The plain description of one kind of trade document, by which the shared
// document-window mechanics (docdrafts.h, docwindow.h) know its tables and columns.
// Goods-in, purchase return, order, sales, stock, department and production windows
// each describe their kind once and hand it to the mechanics; nothing in the
// mechanics names a table of its own.
struct DocKind {
    // Tables: the saved headers, the lines (drafts too) and their colour-by-size rows.
    QString header;
    QString lines;
    QString detail;
    // Number prefix ("CJ") and the prefix of the line columns ("jh": jh_sl, jh_dj, ...).
    QString prefix;
    QString linePrefix;
    // Header columns: document date, status (0 pending, 1 approved), approver and
    // approval date, payable, paid, discount (empty when the kind has none) and the
    // settle mode (0 settled by what was paid, 1 the rest on account).
    QString dateColumn;
    QString statusColumn;
    QString checkerColumn;
    QString checkDateColumn;
    QString payableColumn;
    QString paidColumn;
    QString discountColumn;
    QString settleColumn;
    // Line column of the quantity taken into or out of stock; empty when none.
    QString stockQtyColumn;
    // Whether the kind's goods leave stock: the stock quantity then stays 0 while
    // stock-out is a separate step (UseStockOut) rather than stock-in (UseStockIn).
    bool outgoing = false;
    // Line columns of the cost price and the total cost; empty when the kind keeps none.
    QString costColumn;
    QString totalCostColumn;
    // The document's name in log lines ("采购进货单").
    QString logName;
    // Rights: the module column and the position of the approval right.
    QString rightModule;
    int approveRight = 0;
    // Posts an approved document (the header is already marked approved).
    std::function<void(const QString& docNo)> post;

    // Line column names from their stems ("sl" -> "jh_sl").
    QString Col(const char* stem) const { return linePrefix + QLatin1Char('_') + QLatin1String(stem); }
};

// Purchase goods-in (jxc_jhd, "CJ") and purchase return (jxc_thd, "CT").
const DocKind& GoodsInKind();
const DocKind& PurchaseReturnKind();
// Purchase order (jxc_cgd, "CD").
const DocKind& PurchaseOrderKind();
// Sales delivery (jxc_lsxsd, "XS") and sales order (jxc_xsd, "XD").
const DocKind& SalesDeliveryKind();
const DocKind& SalesOrderKind();
// Sales return (jxc_xsthd, "XT").
const DocKind& SalesReturnKind();
