#include "masterdata/registration.h"
#include "sales/saleswindows.h"

// The windows under test reach their datasets by name, as they do once the program
// has registered them.
static const bool salesDatasetsDeclared = (DeclareMasterDataDatasets(), DeclareSalesDatasets(), true);
