#include "reports/reportswindows.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"

void DeclareReportsDatasets() { }

void RegisterReportsWindows()
{
    DeclareReportsDatasets();
}
