#pragma once
#include <QString>

// The configuration rows of the account set (company, settings, backup, points,
// e-mail, SMS) as program-wide values, so that windows read them instead of the
// database. Each holds the text of its column ("True"/"False" for yes/no columns,
// empty for a null column or a missing row) unless declared otherwise; readers test
// yes/no values with IsTrue and compare choices with "0", "1", "2" as text.
// Everything is empty (0, false) until the first LoadSystemSettings and replaced at
// each load.

// Fills every value below from the database and the logged-in operator's rights.
void LoadSystemSettings();
// Fills the SMS values from the first row of jxc_smscs (empty without a row).
void LoadSmsSettings();
// Empties every value below, as before the first load.
void ClearSystemSettings();

// True unless the text is empty, "0" or "False".
bool IsTrue(const QString& value);
// A setting that also depends on the operator's price rights: on unless "0" or
// "False" (empty counts as on); scope "all" also needs ShowCostPrice and
// ShowSalePrice, "cj" ShowCostPrice, "xs" ShowSalePrice.
bool IsTrueFor(const QString& value, const QString& scope);

// Company (jxc_company).
extern QString CompanyName;
extern QString CompanyTele;
extern QString CompanyContact;
extern QString CompanyAddress;
extern QString CompanyShortName;
extern QString CompanyNote;

// System settings (jxc_xtcs), in the order they are read.
extern QString PurchasePriceDefault;      // cs_cgdj: 0 average, 1 latest, 2 preset purchase price
extern QString SalePriceDefault;          // cs_xsdj: 0 preset price, 1 customer's last price
extern QString AllowEditSalePrice;        // cs_xgdj
extern QString AllowZeroStockOut;         // cs_kc
extern QString UseOriginalDocNo;          // cs_ysdh
extern QString AutoGoodsSn;               // cs_spbh
extern QString EnterStartsSearch;         // cs_hcj
extern QString ReturnOnlySupplierGoods;   // cs_ct
extern QString ReturnOnlyCustomerGoods;   // cs_xt
extern QString ApproveOnSave;             // cs_shdj
extern QString UseCashBank;               // cs_xjyh
extern QString PosFreePriceEdit;          // cs_posdj
extern QString DocDateMode;               // cs_djrq: 0 system date, 1 last document's date
extern QString PrintLineOrder;            // cs_dysx: 0 entry, 1 goods code, 2 goods name
extern QString WarnLowPrepayment;         // cs_cs001
extern QString AllowEditSaleCost;         // cs_cs002
extern QString CurrencySign;              // cs_hbfh
extern QString DisplayBaudRate;           // "2400" when cs_cs004 is "0", else "9600"
extern QString UsePurchaseOrders;         // cs_cs007
extern QString UseSalesOrders;            // cs_cs008
extern QString UseStockCostOnly;          // cs_cs009
extern QString ChooseSalesPrintFormat;    // cs_cs010
extern QString ChoosePurchasePrintFormat; // cs_cs011
extern QString UseGradePrices;            // cs_cs013
extern QString PrintDocTime;              // cs_cs014
extern QString SalesPrintRows;            // cs_cs005: fixed lines per printed sales document, 0 not fixed
extern QString PurchasePrintRows;         // cs_cs006: the same for purchase documents
extern QString NoPrintBeforeSave;         // cs_bcqdy
extern QString AutoPrintSalesDoc;         // cs_djzddy
extern QString AutoPrintPurchaseDoc;      // cs_cs016
extern QString AutoMakeBarcodes;          // cs_tmzdsc
extern QString BarcodeMakeMethod;         // cs_tmscff: "0" or "1"
extern QString PromoEarnsPoints;          // cs_tjcyjf
extern QString PosPayDecimals;            // cs_posfkws
extern QString PurgeOldHeldSales;         // cs_poshooktoday
extern QString RoundTotals;               // cs_zjews: totals keep their own decimals
extern QString TotalDecimals;             // cs_jews, "0".."8"; AmountDecimals unless RoundTotals
extern int AmountDecimals;                // cs_xsws, 0..8
extern int QtyDecimals;                   // cs_cbjs, 0..8
extern QString UseInvoices;               // cs_kp
extern QString UseTaxPrice;               // cs_hs
extern QString UseStockOut;               // cs_spck
extern QString UseStockIn;                // cs_sprk
extern QString UseRetailPrice;            // cs_lsj
extern QString UseSms;                    // cs_sms
extern QString DefaultTaxRate;            // cs_tax, per cent
extern QString TransferPriceMode;         // cs_dbdj: 0 average cost, 1 preset sale, 2 preset purchase price
extern QString UseDiscount;               // cs_jhzk
extern QString MinSaleDiscount;           // cs_zdzk, "0" when empty
extern QString ScanAccumulates;           // cs_possk
extern QString UseContracts;              // cs_ht
extern QString UseFreightFees;            // cs_kddy
extern QString UseSecondUnits;            // cs_fzdw
extern QString ShowSecondUnitStock;       // cs_cs003
extern QString PurchasePayDefault;        // cs_cgje: 0 amount due, 1 zero
extern QString SalesCollectDefault;       // cs_xsje: 0 amount due, 1 zero
extern QString FreightBoxDefault;         // cs_djsh
extern QString UseDocPayment;             // cs_barunique
extern QString UseDocCollection;          // cs_zerocost
extern QString BindPartnersWarehouse;     // cs_shtc
extern QString BindOperatorWarehouse;     // cs_cgyh, "1" on
extern QString BindSalesmanCustomer;      // cs_xsyh, "1" on
extern QString DiscountLineMode;          // cs_xsjgts: 0 spread over the lines, 1 discount goods line
extern QString DefaultSettleMode;         // cs_activatets: 0 paid, 1 on account
extern int FontSize;                      // cs_cs031 + 8
extern QString ShowSummaryDiff;           // cs_cs023
extern QString UseShelves;                // cs_cs012
extern QString CostMethod;                // cs_cs032: 0 moving average, 1 first in first out
extern QString UseColors;                 // always "1" after a load
extern QString ShowRemindersAtStart;      // cs_tx
extern QString ShowDailyTipAtStart;       // cs_mryt
extern QString UsePos;                    // cs_posblur
extern QString MergeSizesInPrint;         // cs_cs018

// Backup (jxc_backup).
extern int BackupIntervalHours; // back_sj
extern QString AutoBackup;      // "1" when back_auto is true
extern QString BackupOnExit;    // "1" when back_exit is true

// Points (jxc_jfsz).
extern QString PointsRule;           // jf_jfgz: 0 points on top-ups, 1 on purchases
extern QString AmountPerPoint;       // jf_mfje, 0 no points
extern QString PointsJsrjl;          // jf_jsrjl
extern QString MultiPoints;          // jf_dbjf
extern QString MultiPointsFrom;      // jf_dbrq1
extern QString MultiPointsTo;        // jf_dbrq2
extern QString CarryPointRemainder;  // jf_yelj
extern QString IcCardType;           // jf_icktype: 0 no limit, 1 daily, 2 weekly, 3 monthly exchange
extern QString BirthdayPointsType;   // jf_srjflx: 0 on the day, 1 around it
extern QString BirthdayPointsFactor; // jf_srjfbs
extern QString BirthdayPointsDays;   // jf_srjfts
extern QString MemberDayDiscount;    // jf_hyrzk, 1 none
extern QString IsMemberDay;          // "1" when today is a member day, else empty

// E-mail: "1" when the daily data e-mail is on and was last sent before today, else "0".
extern QString EmailDue;

// SMS (jxc_smscs).
extern QString SmsSign;
extern QString SmsUser;
extern QString SmsPassword;
extern QString SmsTopUpText;
extern QString SmsSaleText;
// The gateway's host and port ("8500" unless set).
extern QString SmsHost;
extern QString SmsPort;

// The logged-in operator's price and date rights.
extern bool ShowCostPrice;    // qtcz 16
extern bool CanChangeDocDate; // qtcz 17
extern bool ShowSalePrice;    // qtcz 18
extern bool CanEditSaleCost;  // xsgl 15

// Report templates the document windows print with, chosen by settings and rights.
extern QString SalesDocTemplate;
extern QString SalesReturnTemplate;
extern QString TransferDocTemplate;
extern QString PurchaseDocTemplate;
extern QString PurchaseReturnTemplate;
extern QString DeptIssueTemplate;
extern QString DeptReturnTemplate;
extern QString ProductionInTemplate;
extern QString ProductionReturnTemplate;
