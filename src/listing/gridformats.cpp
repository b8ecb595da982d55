#include "listing/gridformats.h"

#include "platform/grid/datagrid.h"

GridColumnTarget GridColumnFormat(DataGrid& grid, int col)
{
    GridColumnTarget t;
    t.setDisplayFormat = [&grid, col](const QString& f) { grid.SetColumnFormat(col, f); };
    return t;
}

FooterFormatTarget GridFooterFormat(DataGrid& grid, int col)
{
    return [&grid, col](const QString& f) { grid.SetFooterFormat(col, f); };
}

void SetLineGridFormats(DataGrid& grid, std::initializer_list<const char*> amountFields, const char* qtyField)
{
    for (const char* f : amountFields) {
        const int col = grid.ColumnByField(QLatin1String(f));
        SetAmountColumnFormat(GridColumnFormat(grid, col));
        SetAmountSummaryFormat(GridFooterFormat(grid, col));
    }
    const int qty = grid.ColumnByField(QLatin1String(qtyField));
    SetQtyColumnFormat(GridColumnFormat(grid, qty));
    SetQtySummaryFormat(GridFooterFormat(grid, qty));
}
