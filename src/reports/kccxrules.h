#pragma once
#include <QDate>
#include <QString>

// The statements of the current-stock query, one per tab. Each takes the window's
// filters as plain values; codes of "all" items arrive empty.

struct CurrentStockFilter {
    QString warehouse; // empty: all the warehouses the operator may see
    QString category;  // prefix of gc_sn, empty for every category
    QString key;       // goods text as typed
    bool hideZero = false;
    bool showDisabled = false;
    // The find dialog's answer, used once after it was confirmed.
    bool fromFind = false;
    QString supplier;
    bool supplierGiven = false;
    QString comparison; // "=", ">=", ... or empty for no quantity filter
    double qty = 0;
};
// The first tab: stock, book stock, sold quantity, average cost and values per
// goods, in one warehouse or summed over the operator's warehouses.
QString CurrentStockStatement(const CurrentStockFilter& f);

// Whether the first tab draws the row in the warning colour.
bool BelowMinimumStock(double stock, double minimum);

// The second tab: replaces the operator's scratch rows of jxc_jxchz with the last
// ledger row per goods of the warehouse up to the end of the cut-off day (the latest
// date, then the greatest id), and answers the statement that lists them.
QString HistoryStockStatement(
    const QString& warehouse, const QDate& cutOff, const QString& category, const QString& key);

struct StockDetailFilter {
    QString warehouse;
    QString size;
    QString color;
    QString category;
    QString key;
    bool hideZero = false;
    bool withBarcodes = false;
};
// The third tab: stock per goods, warehouse, colour and size.
QString StockDetailStatement(const StockDetailFilter& f);
