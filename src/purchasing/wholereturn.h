#pragma once
#include <QString>
#include <optional>

// Plain routines of the purchase return window (no widgets): its stock check before
// saving and the whole-document return of a goods-in document.

// The name of the first goods, in line order, of the operator's draft under the
// number that has no stock row in the warehouse; empty when every one has.
QString GoodsWithoutStockRow(const QString& warehouseSn, const QString& number);

// What the return window shows of the goods-in document it takes over.
struct WholeReturnHeader {
    QString supplierSn;
    QString supplierName;
    QString warehouseName;
    QString handlerName;
    QString note;
    double payable = 0;
    double paid = 0;
};

// Copies every line of the goods-in document (a discount line included) and its
// colour-by-size rows under the return number as the operator's draft, each row
// linked to its own new line, and links each line to itself; the copied lines name
// the goods-in in gl_djh2. One transaction. Nothing when the goods-in is not found.
std::optional<WholeReturnHeader> CopyWholeReturn(const QString& goodsInNo, const QString& returnNo);

// A saved return that took a goods-in over as a whole marks it returned by it.
void MarkWholeReturned(const QString& goodsInNo, const QString& returnNo);

// A pending return that goes frees the goods-in it took over (j_th 0, j_dhdid empty).
// Deletes one line of a pending return with its colour-by-size rows; with the last
// line the return goes too. Answers true when the return went.
bool DeletePendingReturnLine(const QString& returnNo, qint64 lineId);
// Deletes a pending return (logged "删除采购退货单：" + number).
void DeletePendingReturn(const QString& returnNo);
