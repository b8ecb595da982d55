#pragma once
#include <QString>

// The stock per colour and size (jxc_tkc) and the totals derived from it: the
// warehouse stock kc_sl (jxc_kcsp) and the goods stock g_kc (jxc_goods). The
// colour-by-size stock is the master; the totals are set from it, never adjusted.
// `table` names a document's colour-by-size table; its rows are those of the
// document number. Each routine that writes runs in one transaction.

// Adds each row's quantity to the warehouse's colour-by-size stock (a missing
// combination is inserted), then refreshes the totals.
void AddColorSizeStock(const QString& table, const QString& docNo, const QString& warehouseSn);
// The same, subtracting.
void SubColorSizeStock(const QString& table, const QString& docNo, const QString& warehouseSn);
// As above, each row in the warehouse its own ck_sn names.
void AddColorSizeStockPerRow(const QString& table, const QString& docNo);
void SubColorSizeStockPerRow(const QString& table, const QString& docNo);

// g_kc of the document's goods from all warehouses, kc_sl of (goods, warehouse)
// from that warehouse.
void RefreshGoodsStockTotals(const QString& table, const QString& docNo, const QString& warehouseSn);
// The same for each (goods, warehouse) that the rows name.
void RefreshGoodsStockTotalsPerRow(const QString& table, const QString& docNo);

// Stock-take approval: the counted goods' combinations in the warehouse become the
// counted quantities; their combinations not counted become 0. Rows not linked
// to a line (tid <= 0) are left out.
void SetStockTakeSizeColorStock(const QString& table, const QString& docNo, const QString& warehouseSn);
// Stock-take reversal: the counted combinations go back to the book quantity t_oldsl.
void RestoreStockTakeSizeColorStock(const QString& table, const QString& docNo, const QString& warehouseSn);

// The refusal text when taking the document's quantities out of the warehouse would
// leave a combination that has a stock row below 0; "" when nothing would, or when
// stock may go negative (AllowZeroStockOut).
QString CheckNegativeSizeColorStock(
    const QString& table, const QString& warehouseSn, const QString& docNo, const QString& action);

// The document's colour-by-size rows into the ledger detail jxc_goodslistmx, joined
// with the document's ledger rows (which must exist) by goods and line.
void CopyDetailToGoodsListMx(const QString& table, const QString& docNo);

// The goods-wide average cost: the book-quantity-weighted average of the goods'
// warehouse costs, made absolute and rounded to AmountDecimals; "-1" when the book
// quantities sum to 0.
QString GoodsAverageCost(const QString& goodsSn);
