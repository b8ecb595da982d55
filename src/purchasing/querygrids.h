#pragma once
#include "listing/gridformats.h"

#include <QStringList>
#include <initializer_list>

class DataGrid;
class Query;
class QWidget;

// The grids of the purchase query views (the goods-in window's query tab and the
// goods-in and return query), alike in their columns and footers.

// The stock-ledger row columns of the line grids and detail views, with their footer.
void AddLedgerColumns(DataGrid* grid);
// The document-view columns (单据号 ... 备注 over djh, rq, yfje, wfje, hkje, ...), with
// the freight payer after the packing fee when `withPayer`, and their footer.
void AddDocumentColumns(DataGrid* grid, bool withPayer);
// The goods-summary columns (商品编号 ... 备注 over g_sn, sl, je, taxje, zje, ...).
void AddGoodsSummaryColumns(DataGrid* grid);
