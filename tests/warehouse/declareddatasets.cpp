#include "masterdata/registration.h"
#include "warehouse/warehousewindows.h"

// The windows under test reach their datasets by name, as they do once the program
// has registered them.
static const bool warehouseDatasetsDeclared = (DeclareMasterDataDatasets(), DeclareWarehouseDatasets(), true);
