#pragma once
#include "foundation/fieldformats.h"

class DataGrid;

// The display-format setters of the foundation aimed at a DataGrid column and its footer.
GridColumnTarget GridColumnFormat(DataGrid& grid, int col);
FooterFormatTarget GridFooterFormat(DataGrid& grid, int col);
