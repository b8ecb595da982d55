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
