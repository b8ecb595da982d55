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

void SumGridColumns(DataGrid& grid, std::initializer_list<const char*> fields, bool amounts)
{
    for (const char* f : fields) {
        const int col = grid.ColumnByField(QLatin1String(f));
        if (amounts) {
            SetAmountColumnFormat(GridColumnFormat(grid, col));
            SetAmountSummaryFormat(GridFooterFormat(grid, col));
        } else {
            SetQtyColumnFormat(GridColumnFormat(grid, col));
            SetQtySummaryFormat(GridFooterFormat(grid, col));
        }
        grid.SetFooterSum(col, grid.ColumnFormat(col));
    }
}
