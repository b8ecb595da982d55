#pragma once
#include "production/prodkind.h"

#include <QString>

// The plain routines behind the department and production windows (no widgets).
// Draft rows are the operator's (a_name) rows under the window's number.

// ---- barcode entry of the requisition and the production goods-in ----
struct ProdScanInput {
    QString code;      // as typed, trimmed here
    QString number;    // the draft number shown
    QString warehouse; // the warehouse's code (the requisition's cost is of it)
    QString day;       // entry day "yyyy-MM-dd"
    bool noRepeat = false;
};
struct ProdScanResult {
    QString message;   // a refusal to show; empty when a line was written
    QString number;    // the number in force afterwards
    qint64 lineId = 0; // the new line
};
// One scan in one transaction: the barcode's goods, colour and size; the repeat
// refusal when asked; a number another operator holds redrawn with the operator's
// rows moved along; then a new line of 1 at the kind's price (the requisition: the
// cost in the warehouse on the day; the goods-in: the purchase price the settings
// name) and its colour-by-size row. Every scan adds a line.
ProdScanResult ScanProdBarcode(const ProdKind& kind, const ProdScanInput& in);

// Deletes one colour-by-size row of a draft line: the line goes with its last row,
// otherwise its quantity becomes the rest and its cost price × rest (unrounded).
void DeleteProdDetailRow(const ProdKind& kind, qint64 detailId, qint64 lineId);

// The total of a pending document's lines, written to its header with the kind's
// sign (the production kinds leave out the discount goods "00000000"). Answers it.
double UpdateProdPendingTotal(const ProdKind& kind, const QString& number);

// Approves one pending document in one transaction; answers the refusal ("" when
// it posted or was approved already).
QString ApproveProdDocument(const ProdKind& kind, const QString& number);

// Deletes a pending document with every operator's rows, logged. One transaction.
void DeleteProdDocument(const ProdKind& kind, const QString& number);

// ---- requisition: take-over of a purchase goods-in ----
struct TakeOverResult {
    bool found = false;
    QString warehouseName;
    QString handlerName;
    QString note;
};
// Copies every line of the goods-in into the operator's draft under the number
// (quantity, purchase price, amount, line remark, the goods-in number in gl_djh2)
// with its colour-by-size rows relinked to the new lines. One transaction.
TakeOverResult TakeOverGoodsIn(const QString& number, const QString& goodsInNo);

// ---- department return ----
// "整单退回": the operator's draft under the number (redrawn when another holds it)
// is replaced by the open lines of the requisition at their full issued quantity,
// each pointing at its requisition line. One transaction. Answers the number.
QString WholeReturn(const QString& number, const QString& day, const QString& requisition);
// "取消退回": the open rest of every line of the requisition is written off as used up.
void WriteOffRest(const QString& requisition);

// ---- date change of a pending document ----
struct ProdDateChange {
    QString startNumber;
    QString startDate; // the header's whole date text
    QString day;       // chosen day "yyyy-MM-dd"
    QString warehouse, dept, handler, note;
};
struct ProdDateResult {
    QString refusal; // shown; nothing written
    QString number;  // the number in force
};
// Rewrites the header: on a new day a number of that day when the old one is
// taken, the day with the header's time of day; every operator's lines and
// colour-by-size rows move along. A production return is refused a warehouse
// without a stock row for one of its goods. One transaction.
ProdDateResult ChangeProdDocDate(const ProdKind& kind, const ProdDateChange& change);
