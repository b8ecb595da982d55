#include "masterdata/registration.h"
#include "purchasing/purchasingwindows.h"

// The windows under test reach their datasets by name, as they do once the program
// has registered them.
static const bool purchasingDatasetsDeclared = (DeclareMasterDataDatasets(), DeclarePurchasingDatasets(), true);
