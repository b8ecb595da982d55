#pragma once
#include <QString>

struct DocKind;
class Query;

// The plain rules of a sales delivery under entry (no widgets): barcode entry, the
// whole-document discount and the scanned line's price. The delivery window gathers
// its fields and calls them; the benchmark and tests call them directly. Every
// statement on draft lines filters by the operator (a_name).

// One scan at the barcode field.
struct SalesScan {
    QString code;
    QString number;    // the number shown in the window
    QString date;      // "yyyy-MM-dd"
    QString warehouse; // ck_sn
    QString customer;  // kh_sn
    // "同一条码不能重复添加商品": a goods already on the operator's draft is refused.
    bool refuseRepeat = false;
    // The kind whose draft the scan writes to; none: the sales delivery.
    const DocKind* kind = nullptr;
};
struct SalesScanResult {
    // The refusal to show; empty when the scan wrote a line.
    QString message;
    // Whether the barcode field is to be emptied (also after the repeat refusal).
    bool clearCode = false;
    // The number in force (redrawn when another operator held it) and the line that
    // was raised or appended.
    QString number;
    qint64 lineId = 0;
};
// Looks the code up in jxc_tm (bound, so any character is harmless), checks the
// colour-by-size stock unless zero-stock sales are allowed, and either raises the
// operator's line of the goods by one (ScanAccumulates on and the code is the goods'
// own barcode g_sptm) or appends a line of one; the colour-by-size row of one goes
// to that line. One transaction.
SalesScanResult ScanSalesBarcode(const SalesScan& scan);

// The preset sale price of a goods for a customer: g_sj, or the customer type's
// level price g_sj1..g_sj5 when that is not 0.
double LevelSalePrice(const QString& customerSn, const QString& goodsSn);
// The level price, or the customer's own price when there is one.
double SalePriceFor(const QString& customerSn, const QString& goodsSn);

// "整单折扣": a rate above 0 replaces the discount of every line of the operator's
// draft and recomputes its amounts; anything else changes nothing. Answers whether
// it changed the lines.
bool ApplyWholeDiscount(const QString& number, double rate);

// Opens the entry grid's rows of the operator's draft under the number: one row per
// colour-by-size row of a line (eid its id), with the goods' unit, style and name
// (a gift line's name marked by its t_zp), colour and size names and the row's
// amounts; the line table is the query's base table.
void OpenSalesEntryLines(Query& q, const DocKind& kind, const QString& number);
