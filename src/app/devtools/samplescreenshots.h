#pragma once

// Registers the screenshot command's samples (grids, reports, the login and main
// windows) and the preparation that the registered business windows need.
void RegisterSampleScreenshots();

// The parts of it: the sample grids and the sample reports.
void RegisterGridScreenshots();
void RegisterReportScreenshots();

// Sample data behind the screenshots of the subsystems' windows.
void RegisterMasterDataScreenshots();
void RegisterDocumentsScreenshots();
void RegisterPurchasingScreenshots();
void RegisterPurchaseQueryScreenshots();
void RegisterReturnScreenshots();
void RegisterOrderScreenshots();
// The purchasing samples' supplier, goods, colours, sizes and barcodes (once).
void PreparePurchasingSamples();
void RegisterSalesScreenshots();
void RegisterXsthScreenshots();
void RegisterSalesOrderScreenshots();
void RegisterSalesQueryScreenshots();
void RegisterAdminScreenshots();
void RegisterMembersScreenshots();
void RegisterMemberCardScreenshots();
void RegisterPosScreenshots();
void RegisterPosCheckoutScreenshots();
void RegisterPosCashScreenshots();
void RegisterPosStatsScreenshots();
void RegisterPosReportScreenshots();
// The till's sample shop (goods in colours and sizes with stock), made once.
void PrepareTillShop();
void RegisterAccountsScreenshots();
void RegisterWarehouseScreenshots();
void RegisterLossOverflowScreenshots();
void RegisterProductionScreenshots();
void RegisterStockTakeScreenshots();
void RegisterStockReportsScreenshots();
void RegisterStatisticsScreenshots();
void RegisterExpenseScreenshots();
