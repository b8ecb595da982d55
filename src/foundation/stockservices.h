#pragma once
#include <QString>

// The stock and month-balance rows that the main window prepares and the posting
// routines keep.

// Gives every warehouse its stock row of the discount goods "00000000" and its
// balance row of the month ("yyyy-MM"); when balance rows were missing, the
// month's balances are set from the current stock.
void PrepareStockRows(const QString& month);
// Sets one warehouse's balance of the month from its current stock.
void UpdateMonthStockTotals(const QString& warehouseSn, const QString& month);
