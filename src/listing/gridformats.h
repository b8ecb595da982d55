#pragma once
#include "foundation/fieldformats.h"

#include <initializer_list>

class DataGrid;

// The display-format setters of the foundation aimed at a DataGrid column and its footer.
GridColumnTarget GridColumnFormat(DataGrid& grid, int col);
FooterFormatTarget GridFooterFormat(DataGrid& grid, int col);
// Footer sums of the given columns in the operator's amount (or quantity) format,
// the columns themselves shown in it too.
void SumGridColumns(DataGrid& grid, std::initializer_list<const char*> fields, bool amounts);
// A document's line grid: the amount format on the amount columns and the quantity
// format on the quantity column, each with its footer.
void SetLineGridFormats(DataGrid& grid, std::initializer_list<const char*> amountFields, const char* qtyField);
