#pragma once
#include "foundation/fieldformats.h"

#include <QStringList>
#include <initializer_list>

class DataGrid;
class Query;
class QWidget;

// The display-format setters of the foundation aimed at a DataGrid column and its footer.
GridColumnTarget GridColumnFormat(DataGrid& grid, int col);
FooterFormatTarget GridFooterFormat(DataGrid& grid, int col);
// Footer sums of the given columns in the operator's amount (or quantity) format,
// the columns themselves shown in it too.
void SumGridColumns(DataGrid& grid, std::initializer_list<const char*> fields, bool amounts);
// A document's line grid: the amount format on the amount columns and the quantity
// format on the quantity column, each with its footer.
void SetLineGridFormats(DataGrid& grid, std::initializer_list<const char*> amountFields, const char* qtyField);

// Shows or hides the grid's columns of those fields; a field the grid lacks is passed over.
void ShowGridColumns(DataGrid* grid, std::initializer_list<const char*> fields, bool on);

// A query window's grid on a data module's dataset ("D_GoodsList").
DataGrid* NewQueryGrid(QWidget* parent, const char* name, const char* dataset);
// Footer: "记录数：" under the first column, sums of quantity and amount columns in
// their formats.
void SetQueryFooter(DataGrid* grid, std::initializer_list<const char*> qty, std::initializer_list<const char*> amounts);
// One field of every row of a query, in the query's order.
QStringList ColumnTexts(Query& query, const QString& field);
