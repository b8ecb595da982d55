#pragma once
#include <QString>

// The statements behind the reminder window and the stock-alarm query: goods below
// their minimum stock and customers whose latest receivable balance is not zero.

// Goods below their minimum stock, lowest stock first: their total stock for the
// warehouse key "-1", else their stock row in that warehouse (goods without one are
// left out). The placeholder goods and disabled goods never appear; text filters on
// code, name and short code.
QString LowStockStatement(const QString& warehouseKey, const QString& text);

enum class ReceivablesView {
    Reminder, // with the handler's name, the customers limited by the warehouse binding
    Alarm,    // neither
};
// One row per customer: the latest of his receivable rows (latest k_rq, then the
// greatest id) when its running balance is not 0. customerName is what the name edit
// shows; while it is neither blank nor "全部客户" the rows are those of customerCode,
// the last customer confirmed.
QString ReceivablesStatement(ReceivablesView view, const QString& customerName, const QString& customerCode);
