#include "masterdata/registration.h"

#include "foundation/functionwindows.h"
#include "masterdata/spxxgl.h"

// Colours, sizes, barcodes and the colour-by-size line detail.
#include "masterdata/cmz.h"
#include "masterdata/colorz.h"
#include "masterdata/detail.h"
#include "masterdata/tmgl.h"

void RegisterMasterDataWindows()
{
    FunctionWindows::Register<TF_Spxxgl>(QStringLiteral("TF_Spxxgl"), F_Spxxgl);

    // Colours, sizes, barcodes and the colour-by-size line detail: each created for
    // one showing ("TF_Tmgl" lives in F_Tmgl while it shows).
    FunctionWindows::Register<TF_Colorz>(QStringLiteral("TF_Colorz"));
    FunctionWindows::Register<TF_Cmz>(QStringLiteral("TF_Cmz"));
    FunctionWindows::Register<TF_Tmgl>(QStringLiteral("TF_Tmgl"));
    FunctionWindows::Register<TF_Detail>(QStringLiteral("TF_Detail"));
}
