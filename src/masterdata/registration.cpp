#include "masterdata/registration.h"

#include "foundation/datamodule.h"
#include "foundation/functionwindows.h"
#include "masterdata/ckgl.h"
#include "masterdata/dept.h"
#include "masterdata/spxxgl.h"
#include "masterdata/user.h"

// Colours, sizes, barcodes and the colour-by-size line detail.
#include "masterdata/cmz.h"
#include "masterdata/colorz.h"
#include "masterdata/detail.h"
#include "masterdata/tmgl.h"

// Customers, suppliers, zones and partner types.
#include "masterdata/partnerdialogs.h"
#include "masterdata/partnerlist.h"
#include "masterdata/partnertype.h"
#include "masterdata/zone.h"

void DeclareMasterDataDatasets()
{
    DeclareDatasets({ QStringLiteral("ADOQueryGoodsClass"), QStringLiteral("ADOQueryGoodsClass2"),
        QStringLiteral("Q_GClassA"), QStringLiteral("Q_Goods"), QStringLiteral("Q_Goods3"),
        QStringLiteral("Q_GoodsClass"), QStringLiteral("Q_Plxx"), QStringLiteral("Q_Ckxx"), QStringLiteral("Q_User"),
        QStringLiteral("Q_Dept"), QStringLiteral("Q_Dept2"), QStringLiteral("Q_Djbz"), QStringLiteral("Q_DjbzLs"),
        QStringLiteral("Q_Colorz"), QStringLiteral("Q_Colorz1"), QStringLiteral("Q_Colorz2"),
        QStringLiteral("Q_Colorz3"), QStringLiteral("Q_Cmz"), QStringLiteral("Q_Cmz1"), QStringLiteral("Q_Cmz2"),
        QStringLiteral("Q_Cmz3"), QStringLiteral("Q_Tmgl1"), QStringLiteral("Q_Tmgl2"), QStringLiteral("Q_Tmgl3"),
        QStringLiteral("Q_Zone"), QStringLiteral("Q_Khtype"), QStringLiteral("Q_GhsType") });
}

void RegisterMasterDataWindows()
{
    DeclareMasterDataDatasets();
    FunctionWindows::Register<TF_Spxxgl>(QStringLiteral("TF_Spxxgl"), F_Spxxgl);
    FunctionWindows::Register<TF_Ckgl>(QStringLiteral("TF_Ckgl"), F_Ckgl);
    FunctionWindows::Register<TF_User>(QStringLiteral("TF_User"));
    FunctionWindows::Register<TF_Dept>(QStringLiteral("TF_Dept"));

    // Colours, sizes, barcodes and the colour-by-size line detail: each created for
    // one showing ("TF_Tmgl" lives in F_Tmgl while it shows).
    FunctionWindows::Register<TF_Colorz>(QStringLiteral("TF_Colorz"));
    FunctionWindows::Register<TF_Cmz>(QStringLiteral("TF_Cmz"));
    FunctionWindows::Register<TF_Tmgl>(QStringLiteral("TF_Tmgl"));
    FunctionWindows::Register<TF_Detail>(QStringLiteral("TF_Detail"));

    // Customers and suppliers, kept in their globals; their dialogs, the zone and type
    // windows are created for one showing (the purchase and sales windows open the
    // partner dialogs by class name).
    FunctionWindows::Register<TF_Khgl>(QStringLiteral("TF_Khgl"), F_Khgl);
    FunctionWindows::Register<TF_Ghsgl>(QStringLiteral("TF_Ghsgl"), F_Ghsgl);
    FunctionWindows::Register<TF_Khgl_Add>(QStringLiteral("TF_Khgl_Add"));
    FunctionWindows::Register<TF_Khgl_Modi>(QStringLiteral("TF_Khgl_Modi"));
    FunctionWindows::Register<TF_Ghsgl_Add>(QStringLiteral("TF_Ghsgl_Add"));
    FunctionWindows::Register<TF_Ghsgl_Modi>(QStringLiteral("TF_Ghsgl_Modi"));
    FunctionWindows::Register<TF_Zone>(QStringLiteral("TF_Zone"));
    FunctionWindows::Register<TF_Khgl_Type>(QStringLiteral("TF_Khgl_Type"));
    FunctionWindows::Register<TF_Ghsgl_Type>(QStringLiteral("TF_Ghsgl_Type"));
}
