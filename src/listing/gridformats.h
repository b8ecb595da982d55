#pragma once
#include "foundation/fieldformats.h"

#include <initializer_list>

class DataGrid;

// The display-format setters of the foundation aimed at a DataGrid column and its footer.
GridColumnTarget GridColumnFormat(DataGrid& grid, int col);
FooterFormatTarget GridFooterFormat(DataGrid& grid, int col);
// A document's line grid: the amount format on the amount columns and the quantity
// format on the quantity column, each with its footer.
void SetLineGridFormats(DataGrid& grid, std::initializer_list<const char*> amountFields, const char* qtyField);
