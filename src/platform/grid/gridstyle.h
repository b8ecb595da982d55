#pragma once
#include "platform/grid/gridmodel.h"

// Shared looks of the grids.
namespace GridStyle {
// Red text in Tahoma at 8 points: the footer totals of every grid and the content
// of a few grids.
CellStyle Red();
}
