#pragma once
#include <QDate>
#include <QString>
#include <functional>

// Repairs the stock ledger's running balances from `from` on, in one warehouse or in
// all ("-1"): removes the carry-forward rows of the opening balances and of the
// stock synchronisation (ghs_name "期初结转" / "库存同步"), keeps the lowest-id row
// of each goods and warehouse in jxc_kcsp, walks each pair's ledger from its first
// row on or after the day again, rebuilds every goods' g_kc from its per-warehouse
// stock and every pair's sold quantity from its sales and sales-return rows. The
// carry-forward removal and the last two repairs always cover every warehouse;
// kc_sl is never changed. One transaction; `step` hears each of the five stages
// done (1..5).
void RecalcStockBalances(const QDate& from, const QString& warehouse, const std::function<void(int)>& step = {});
