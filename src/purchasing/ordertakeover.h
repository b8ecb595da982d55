#pragma once
#include <QList>
#include <QString>

// The take-over of approved purchase orders into the goods-in being entered (no
// widgets). Nothing is written to the orders: an order stays on offer until it is
// voided.

// What the goods-in header takes from the order.
struct OrderHeaderTaken {
    QString orderNo;
    QString supplierSn;
    QString supplierName;
    QString note;
    int settleMode = 0;
    QString warehouseName;
    QString handlerName;
    QString account;
};

struct OrderTakeOver {
    // The goods-in number in force (redrawn when only other operators' lines held it).
    QString number;
    // The order the header is filled from; empty when nothing was copied.
    OrderHeaderTaken header;
};

// The whole order replaces the operator's lines (and their colour-by-size rows) under
// the goods-in number. One transaction.
OrderTakeOver TakeOverWholeOrder(const QString& orderNo, const QString& goodsInNo, const QString& date);
// The order lines (jxc_cgsp ids, in this order) are added to the goods-in; the header
// comes from the order of the last line. One transaction.
OrderTakeOver TakeOverOrderLines(const QList<qint64>& orderLineIds, const QString& goodsInNo, const QString& date);
