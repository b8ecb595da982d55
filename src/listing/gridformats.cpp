#include "listing/gridformats.h"

#include "foundation/datamodule.h"
#include "platform/db/query.h"
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

namespace {

// The settings' amount or quantity format on a column and its footer.
void FormatColumn(DataGrid& grid, int col, bool amounts)
{
    if (amounts) {
        SetAmountColumnFormat(GridColumnFormat(grid, col));
        SetAmountSummaryFormat(GridFooterFormat(grid, col));
    } else {
        SetQtyColumnFormat(GridColumnFormat(grid, col));
        SetQtySummaryFormat(GridFooterFormat(grid, col));
    }
}

} // namespace

void SumGridColumns(DataGrid& grid, std::initializer_list<const char*> fields, bool amounts)
{
    for (const char* f : fields) {
        const int col = grid.ColumnByField(QLatin1String(f));
        FormatColumn(grid, col, amounts);
        grid.SetFooterSum(col, grid.ColumnFormat(col));
    }
}

void SetLineGridFormats(DataGrid& grid, std::initializer_list<const char*> amountFields, const char* qtyField)
{
    for (const char* f : amountFields)
        FormatColumn(grid, grid.ColumnByField(QLatin1String(f)), true);
    FormatColumn(grid, grid.ColumnByField(QLatin1String(qtyField)), false);
}

DataGrid* NewQueryGrid(QWidget* parent, const char* name, const char* dataset)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(QLatin1String(name));
    grid->SetDataSource(&F_DataModule->D(QLatin1String(dataset)));
    return grid;
}

void SetQueryFooter(DataGrid* grid, std::initializer_list<const char*> qty, std::initializer_list<const char*> amounts)
{
    grid->SetFooterVisible(true);
    grid->SetFooterCount(0, QStringLiteral("记录数："));
    SumGridColumns(*grid, qty, false);
    SumGridColumns(*grid, amounts, true);
}

QStringList ColumnTexts(Query& query, const QString& field)
{
    QStringList texts;
    const int col = query.FieldIndex(field);
    for (int r = 0; r < query.RecordCount(); ++r)
        texts << query.TextAt(r, col);
    return texts;
}

void ShowGridColumns(DataGrid* grid, std::initializer_list<const char*> fields, bool on)
{
    for (const char* f : fields) {
        const int col = grid->ColumnByField(QLatin1String(f));
        if (col >= 0)
            grid->SetColumnVisible(col, on);
    }
}
