#include "app/allwindows.h"

#include "accounts/accountswindows.h"
#include "admin/adminwindows.h"
#include "masterdata/registration.h"
#include "members/memberswindows.h"
#include "pos/poswindows.h"
#include "production/productionwindows.h"
#include "purchasing/purchasingwindows.h"
#include "reports/reportswindows.h"
#include "sales/saleswindows.h"
#include "warehouse/warehousewindows.h"

// One line per subsystem, in the overview's order; each routine lives in its own
// subsystem's folder ("masterdata/masterdatawindows.h": RegisterMasterDataWindows()).
// The foundation opens its own windows (login, password, main window) itself, so the
// list starts with the first subsystem above it.
void RegisterAllWindows()
{
    RegisterMasterDataWindows();
    RegisterPurchasingWindows();
    RegisterSalesWindows();
    RegisterMembersWindows();
    RegisterPosWindows();
    RegisterWarehouseWindows();
    RegisterProductionWindows();
    RegisterAccountsWindows();
    RegisterReportsWindows();
    RegisterAdminWindows();
}
