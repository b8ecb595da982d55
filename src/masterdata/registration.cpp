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
// Adding and modifying goods, units, brands, shelves and goods pictures.
#include "masterdata/goodsunits.h"
#include "masterdata/spxxgladd.h"
#include "masterdata/spxxglmodi.h"
#include "masterdata/spxxglpic.h"

// Spreadsheet imports.
#include "masterdata/goodsimport.h"
#include "masterdata/partnerimport.h"
#include "masterdata/positionalimport.h"

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
    DeclareDatasets({ QStringLiteral("Q_Dw"), QStringLiteral("Q_Ppcs"), QStringLiteral("Q_Hjxx") });
    // The spreadsheet imports.
    DeclareDatasets({ QStringLiteral("Q_Import"), QStringLiteral("Q_Importchk"), QStringLiteral("Q_ImportData"),
        QStringLiteral("Q_JhImport") });
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
    // The goods record and its small lists and pictures.
    FunctionWindows::Register<TF_Spxxgl_Add>(QStringLiteral("TF_Spxxgl_Add"), F_Spxxgl_Add);
    FunctionWindows::Register<TF_Spxxgl_Modi>(QStringLiteral("TF_Spxxgl_Modi"), F_Spxxgl_Modi);
    FunctionWindows::Register<TF_Spxxgl_Pic>(QStringLiteral("TF_Spxxgl_Pic"), F_Spxxgl_Pic);
    FunctionWindows::Register<TF_Spxxgl_Pic2>(QStringLiteral("TF_Spxxgl_Pic2"), F_Spxxgl_Pic2);
    FunctionWindows::Register<TF_Dwgl>(QStringLiteral("TF_Dwgl"));
    FunctionWindows::Register<TF_Dwgl_Add>(QStringLiteral("TF_Dwgl_Add"));
    FunctionWindows::Register<TF_Ppcs>(QStringLiteral("TF_Ppcs"));
    FunctionWindows::Register<TF_Ppcs_Add>(QStringLiteral("TF_Ppcs_Add"), F_Ppcs_Add);
    FunctionWindows::Register<TF_HJxx>(QStringLiteral("TF_HJxx"));
    FunctionWindows::Register<TF_Hjxx_Add>(QStringLiteral("TF_Hjxx_Add"));

    // Spreadsheet imports, each created for one showing.
    FunctionWindows::Register<TF_Khgl_Import>(QStringLiteral("TF_Khgl_Import"));
    FunctionWindows::Register<TF_Ghsgl_Import>(QStringLiteral("TF_Ghsgl_Import"));
    FunctionWindows::Register<TF_Spxxgl_Import>(QStringLiteral("TF_Spxxgl_Import"));
    FunctionWindows::Register<TF_Spxxgl_ImportFzdw>(QStringLiteral("TF_Spxxgl_ImportFzdw"));
    FunctionWindows::Register<TF_Spxxgl_ImportDj>(QStringLiteral("TF_Spxxgl_ImportDj"));
    FunctionWindows::Register<TF_Spxxgl_ImportKw>(QStringLiteral("TF_Spxxgl_ImportKw"));
}
