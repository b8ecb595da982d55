#include "warehouse/warehousewindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void DeclareWarehouseDatasets() { }

void RegisterWarehouseWindows()
{
    DeclareWarehouseDatasets();
}
