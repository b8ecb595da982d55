#pragma once
#include <QString>

// Small database services of the main window, the posting routines, the document
// windows and the POS.

// Gives every warehouse its stock row of the discount goods "00000000" and its
// balance row of the month ("yyyy-MM"); when balance rows were missing, the
// month's balances are set from the current stock.
void PrepareStockRows(const QString& month);
// Sets one warehouse's balance of the month from its current stock.
void UpdateMonthStockTotals(const QString& warehouseSn, const QString& month);
// Empties the current operator's scratch lines of the pickers and imports.
void ClearTempLines();
// Switches off the promotions whose period ended before today.
void ClearSpecialPrices();
// Deletes sales held at the POS on earlier days, unless the setting keeps them.
void DeleteOldHeldPosSales();
void IncUserPurchaseCount(const QString& staffSn);
void IncUserSalesCount(const QString& staffSn);
// The proposed sale price of a goods for a customer, rounded to the amount
// decimals; a stored price that is not a number throws std::invalid_argument.
QString GetCustomerPrice(const QString& customerSn, const QString& goodsSn);
// Adds a zone name typed in a partner window to the zone list when it is new.
void EnsureZone(const QString& name);
