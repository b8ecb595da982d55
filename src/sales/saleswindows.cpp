#include "sales/saleswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void DeclareSalesDatasets() { }

void RegisterSalesWindows()
{
    DeclareSalesDatasets();
}
