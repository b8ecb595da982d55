#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class Query;

// Goods-in or sales with a separate stock-in or stock-out step: the book stock
// kc_zsl may then run ahead of kc_sl, and the checks compare it instead.
bool StockStepOption();

// Notes in the operator's scratch rows the last ledger row of each goods and
// warehouse (warehouse "-1": all), then opens `list` on the colour and size rows of
// every pair whose stock differs from that row's balance.
void OpenStockCheckList(Query& list, const QString& warehouse, const QString& key);

// A goods and warehouse of the check list with the figures listed for it.
struct StockCheckRow {
    QString goods;
    QString warehouse;
    QString warehouseName;
    double stock = 0;        // kc_sl
    double bookStock = 0;    // kc_zsl
    double balance = 0;      // gl_kc of the last ledger row
    double balanceValue = 0; // gl_kczje of it
};

// Each goods and warehouse of the list once, at its first listed row, whatever the
// order of the rows.
std::vector<StockCheckRow> StockCheckPairs(Query& list);

// The synchronisation's ways, in the order of the choice.
QStringList StockSyncItems(bool stepOption);

// Copies one figure onto another for every pair by the chosen way (an index of
// StockSyncItems), appending a carry-forward ledger row where the ledger balance
// is replaced and differs. One transaction; answers the ledger rows written.
int SyncStock(
    const std::vector<StockCheckRow>& pairs, int item, bool stepOption, const std::function<void(int)>& progress = {});

// Sets one colour and size row's quantity, then the warehouse's kc_sl to the sum of
// its colour and size rows and the goods' g_kc to the sum of its warehouses. kc_zsl
// stays. One transaction.
void CorrectColorSizeStock(qint64 rowId, const QString& goods, const QString& warehouse, double quantity);
