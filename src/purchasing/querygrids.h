#pragma once
#include <QStringList>
#include <initializer_list>

class DataGrid;
class Query;
class QWidget;

// The grids of the purchase query views (the goods-in window's query tab and the
// goods-in and return query), alike in their columns and footers.

// A grid on a data module's dataset ("D_GoodsList").
DataGrid* NewQueryGrid(QWidget* parent, const char* name, const char* dataset);
// Footer: "记录数：" under the first column, sums of quantity and amount columns in
// their formats.
void SetQueryFooter(DataGrid* grid, std::initializer_list<const char*> qty, std::initializer_list<const char*> amounts);
// The stock-ledger row columns of the line grids and detail views, with their footer.
void AddLedgerColumns(DataGrid* grid);
// The document-view columns (单据号 ... 备注 over djh, rq, yfje, wfje, hkje, ...), with
// the freight payer after the packing fee when `withPayer`, and their footer.
void AddDocumentColumns(DataGrid* grid, bool withPayer);
// The goods-summary columns (商品编号 ... 备注 over g_sn, sl, je, taxje, zje, ...).
void AddGoodsSummaryColumns(DataGrid* grid);
// One field of every row of a query, in the query's order.
QStringList ColumnTexts(Query& query, const QString& field);
