#include "foundation/settings.h"

#include "foundation/datamodule.h"
#include "foundation/rights.h"
#include "platform/base/clock.h"

#include <exception>

QString CompanyName;
QString CompanyTele;
QString CompanyContact;
QString CompanyAddress;
QString CompanyShortName;
QString CompanyNote;

QString PurchasePriceDefault;
QString SalePriceDefault;
QString AllowEditSalePrice;
QString AllowZeroStockOut;
QString UseOriginalDocNo;
QString AutoGoodsSn;
QString EnterStartsSearch;
QString ReturnOnlySupplierGoods;
QString ReturnOnlyCustomerGoods;
QString ApproveOnSave;
QString UseCashBank;
QString PosFreePriceEdit;
QString DocDateMode;
QString PrintLineOrder;
QString WarnLowPrepayment;
QString AllowEditSaleCost;
QString CurrencySign;
QString DisplayBaudRate;
QString UsePurchaseOrders;
QString UseSalesOrders;
QString UseStockCostOnly;
QString ChooseSalesPrintFormat;
QString ChoosePurchasePrintFormat;
QString UseGradePrices;
QString PrintDocTime;
QString SalesPrintRows;
QString PurchasePrintRows;
QString NoPrintBeforeSave;
QString AutoPrintSalesDoc;
QString AutoPrintPurchaseDoc;
QString AutoMakeBarcodes;
QString BarcodeMakeMethod;
QString PromoEarnsPoints;
QString PosPayDecimals;
QString PurgeOldHeldSales;
QString RoundTotals;
QString TotalDecimals;
int AmountDecimals = 0;
int QtyDecimals = 0;
QString UseInvoices;
QString UseTaxPrice;
QString UseStockOut;
QString UseStockIn;
QString UseRetailPrice;
QString UseSms;
QString DefaultTaxRate;
QString TransferPriceMode;
QString UseDiscount;
QString MinSaleDiscount;
QString ScanAccumulates;
QString UseContracts;
QString UseFreightFees;
QString UseSecondUnits;
QString ShowSecondUnitStock;
QString PurchasePayDefault;
QString SalesCollectDefault;
QString FreightBoxDefault;
QString UseDocPayment;
QString UseDocCollection;
QString BindPartnersWarehouse;
QString BindOperatorWarehouse;
QString BindSalesmanCustomer;
QString DiscountLineMode;
QString DefaultSettleMode;
int FontSize = 0;
QString ShowSummaryDiff;
QString UseShelves;
QString CostMethod;
QString UseColors;
QString ShowRemindersAtStart;
QString ShowDailyTipAtStart;
QString UsePos;
QString MergeSizesInPrint;

int BackupIntervalHours = 0;
QString AutoBackup;
QString BackupOnExit;

QString PointsRule;
QString AmountPerPoint;
QString PointsJsrjl;
QString MultiPoints;
QString MultiPointsFrom;
QString MultiPointsTo;
QString CarryPointRemainder;
QString IcCardType;
QString BirthdayPointsType;
QString BirthdayPointsFactor;
QString BirthdayPointsDays;
QString MemberDayDiscount;
QString IsMemberDay;

QString EmailDue;

QString SmsSign;
QString SmsUser;
QString SmsPassword;
QString SmsTopUpText;
QString SmsSaleText;
QString SmsHost;
QString SmsPort;

bool ShowCostPrice = false;
bool CanChangeDocDate = false;
bool ShowSalePrice = false;
bool CanEditSaleCost = false;

QString SalesDocTemplate;
QString SalesReturnTemplate;
QString TransferDocTemplate;
QString PurchaseDocTemplate;
QString PurchaseReturnTemplate;
QString DeptIssueTemplate;
QString DeptReturnTemplate;
QString ProductionInTemplate;
QString ProductionReturnTemplate;

namespace {

// The text of a column of the query's first row; a missing row reads as empty
// (0 for whole numbers), a missing column raises.
QString Text(Query& q, const QString& column)
{
    return q.AsString(column);
}

int WholeNumber(Query& q, const QString& column)
{
    return int(q.AsInteger(column));
}

// cs_cs004 as read; DisplayBaudRate is derived from it.
QString displaySpeedSetting;

void ReadCompany()
{
    OpenSelect(QStringLiteral("select * from jxc_company"));
    Query& q = F_DataModule->QuerySelect;
    CompanyName = Text(q, QStringLiteral("c_name"));
    CompanyTele = Text(q, QStringLiteral("c_tele"));
    CompanyContact = Text(q, QStringLiteral("c_lxr"));
    CompanyAddress = Text(q, QStringLiteral("c_address"));
    CompanyShortName = Text(q, QStringLiteral("c_jc"));
    CompanyNote = Text(q, QStringLiteral("c_note"));
    q.Close();
}

// Copies the settings row value by value, so that a column missing from an older
// account set stops the copy there and leaves the values after it as they were.
void ReadSettingsRow()
{
    OpenSelect(QStringLiteral("select * from jxc_xtcs"));
    Query& q = F_DataModule->QuerySelect;
    struct Column {
        const char* name;
        QString* value;
    };
    static const Column before[] = {
        { "cs_cgdj", &PurchasePriceDefault },
        { "cs_xsdj", &SalePriceDefault },
        { "cs_xgdj", &AllowEditSalePrice },
        { "cs_kc", &AllowZeroStockOut },
        { "cs_ysdh", &UseOriginalDocNo },
        { "cs_spbh", &AutoGoodsSn },
        { "cs_hcj", &EnterStartsSearch },
        { "cs_ct", &ReturnOnlySupplierGoods },
        { "cs_xt", &ReturnOnlyCustomerGoods },
        { "cs_shdj", &ApproveOnSave },
        { "cs_xjyh", &UseCashBank },
        { "cs_posdj", &PosFreePriceEdit },
        { "cs_djrq", &DocDateMode },
        { "cs_dysx", &PrintLineOrder },
        { "cs_cs001", &WarnLowPrepayment },
        { "cs_cs002", &AllowEditSaleCost },
        { "cs_hbfh", &CurrencySign },
        { "cs_cs004", &displaySpeedSetting },
        { "cs_cs007", &UsePurchaseOrders },
        { "cs_cs008", &UseSalesOrders },
        { "cs_cs009", &UseStockCostOnly },
        { "cs_cs010", &ChooseSalesPrintFormat },
        { "cs_cs011", &ChoosePurchasePrintFormat },
        { "cs_cs013", &UseGradePrices },
        { "cs_cs014", &PrintDocTime },
        { "cs_cs005", &SalesPrintRows },
        { "cs_cs006", &PurchasePrintRows },
        { "cs_bcqdy", &NoPrintBeforeSave },
        { "cs_djzddy", &AutoPrintSalesDoc },
        { "cs_cs016", &AutoPrintPurchaseDoc },
        { "cs_tmzdsc", &AutoMakeBarcodes },
        { "cs_tmscff", &BarcodeMakeMethod },
        { "cs_tjcyjf", &PromoEarnsPoints },
        { "cs_posfkws", &PosPayDecimals },
        { "cs_poshooktoday", &PurgeOldHeldSales },
        { "cs_zjews", &RoundTotals },
        { "cs_jews", &TotalDecimals },
    };
    for (const auto& c : before)
        *c.value = Text(q, QLatin1String(c.name));
    AmountDecimals = WholeNumber(q, QStringLiteral("cs_xsws"));
    QtyDecimals = WholeNumber(q, QStringLiteral("cs_cbjs"));
    static const Column middle[] = {
        { "cs_kp", &UseInvoices },
        { "cs_hs", &UseTaxPrice },
        { "cs_spck", &UseStockOut },
        { "cs_sprk", &UseStockIn },
        { "cs_lsj", &UseRetailPrice },
        { "cs_sms", &UseSms },
        { "cs_tax", &DefaultTaxRate },
        { "cs_dbdj", &TransferPriceMode },
        { "cs_jhzk", &UseDiscount },
        { "cs_zdzk", &MinSaleDiscount },
        { "cs_possk", &ScanAccumulates },
        { "cs_ht", &UseContracts },
        { "cs_kddy", &UseFreightFees },
        { "cs_fzdw", &UseSecondUnits },
        { "cs_cs003", &ShowSecondUnitStock },
        { "cs_cgje", &PurchasePayDefault },
        { "cs_xsje", &SalesCollectDefault },
        { "cs_djsh", &FreightBoxDefault },
        { "cs_barunique", &UseDocPayment },
        { "cs_zerocost", &UseDocCollection },
        { "cs_shtc", &BindPartnersWarehouse },
        { "cs_cgyh", &BindOperatorWarehouse },
        { "cs_xsyh", &BindSalesmanCustomer },
        { "cs_xsjgts", &DiscountLineMode },
        { "cs_activatets", &DefaultSettleMode },
    };
    for (const auto& c : middle)
        *c.value = Text(q, QLatin1String(c.name));
    FontSize = WholeNumber(q, QStringLiteral("cs_cs031")) + 8;
    static const Column after[] = {
        { "cs_cs023", &ShowSummaryDiff },
        { "cs_cs012", &UseShelves },
        { "cs_cs032", &CostMethod },
        { "cs_cs026", &UseColors },
        { "cs_tx", &ShowRemindersAtStart },
        { "cs_mryt", &ShowDailyTipAtStart },
        { "cs_posblur", &UsePos },
        { "cs_cs018", &MergeSizesInPrint },
    };
    for (const auto& c : after)
        *c.value = Text(q, QLatin1String(c.name));
    q.Close();
}

void ChooseTemplates()
{
    SalesDocTemplate = QStringLiteral("spxs.fr3");
    SalesReturnTemplate = QStringLiteral("xsth.fr3");
    if (IsTrue(UseRetailPrice)) {
        SalesDocTemplate = QStringLiteral("spxs2.fr3");
        SalesReturnTemplate = QStringLiteral("xsth2.fr3");
    }
    TransferDocTemplate
        = TransferPriceMode == QLatin1String("1") ? QStringLiteral("kcdbd2.fr3") : QStringLiteral("kcdbd.fr3");
    PurchaseDocTemplate = QStringLiteral("cgjh.fr3");
    PurchaseReturnTemplate = QStringLiteral("cgth.fr3");
    DeptIssueTemplate = QStringLiteral("bmlyd.fr3");
    DeptReturnTemplate = QStringLiteral("bmthd.fr3");
    ProductionInTemplate = QStringLiteral("scrkd.fr3");
    ProductionReturnTemplate = QStringLiteral("sctkd.fr3");
    if (!ShowCostPrice) {
        PurchaseDocTemplate = QStringLiteral("cgjh2.fr3");
        PurchaseReturnTemplate = QStringLiteral("cgth2.fr3");
        DeptIssueTemplate = QStringLiteral("bmlyd2.fr3");
        DeptReturnTemplate = QStringLiteral("bmthd2.fr3");
        ProductionInTemplate = QStringLiteral("scrkd2.fr3");
        ProductionReturnTemplate = QStringLiteral("sctkd2.fr3");
    }
    if (!ShowSalePrice) {
        SalesDocTemplate = QStringLiteral("spxs4.fr3");
        SalesReturnTemplate = QStringLiteral("xsth4.fr3");
    }
    if (IsTrue(MergeSizesInPrint)) {
        SalesDocTemplate = QStringLiteral("spxs3.fr3");
        PurchaseDocTemplate = QStringLiteral("cgjh3.fr3");
    }
}

void ReadBackup()
{
    BackupOnExit = QStringLiteral("0");
    AutoBackup = QStringLiteral("0");
    OpenSelect(QStringLiteral("select * from jxc_backup"));
    Query& q = F_DataModule->QuerySelect;
    BackupIntervalHours = WholeNumber(q, QStringLiteral("back_sj"));
    // The table starts without a row: the "0" above then stands.
    if (!q.IsEmpty()) {
        AutoBackup = q.AsString(QStringLiteral("back_auto"));
        BackupOnExit = q.AsString(QStringLiteral("back_exit"));
    }
    if (IsTrue(AutoBackup))
        AutoBackup = QStringLiteral("1");
    if (IsTrue(BackupOnExit))
        BackupOnExit = QStringLiteral("1");
    q.Close();
}

void ReadPoints()
{
    OpenSelect(QStringLiteral("select * from jxc_jfsz"));
    Query& q = F_DataModule->QuerySelect;
    PointsRule = Text(q, QStringLiteral("jf_jfgz"));
    AmountPerPoint = Text(q, QStringLiteral("jf_mfje"));
    PointsJsrjl = Text(q, QStringLiteral("jf_jsrjl"));
    MultiPoints = Text(q, QStringLiteral("jf_dbjf"));
    MultiPointsFrom = Text(q, QStringLiteral("jf_dbrq1"));
    MultiPointsTo = Text(q, QStringLiteral("jf_dbrq2"));
    CarryPointRemainder = Text(q, QStringLiteral("jf_yelj"));
    IcCardType = Text(q, QStringLiteral("jf_icktype"));
    BirthdayPointsType = Text(q, QStringLiteral("jf_srjflx"));
    BirthdayPointsFactor = Text(q, QStringLiteral("jf_srjfbs"));
    BirthdayPointsDays = Text(q, QStringLiteral("jf_srjfts"));
    MemberDayDiscount = Text(q, QStringLiteral("jf_hyrzk"));
    const QString kind = Text(q, QStringLiteral("jf_hyr"));
    const QString dayFrom = Text(q, QStringLiteral("jf_hyrmy1"));
    const QString dayTo = Text(q, QStringLiteral("jf_hyrmy2"));
    const QString dateFrom = Text(q, QStringLiteral("jf_hyr1"));
    const QString dateTo = Text(q, QStringLiteral("jf_hyr2"));
    q.Close();

    // Days and dates are compared as texts, as the settings window stores them.
    const QDate today = Clock::Today();
    if (kind == QLatin1String("1")) {
        const QString day = today.toString(QStringLiteral("dd"));
        if (day >= dayFrom && day <= dayTo)
            IsMemberDay = QStringLiteral("1");
    } else if (kind == QLatin1String("2")) {
        const QString date = today.toString(QStringLiteral("yyyy-MM-dd"));
        if (date >= dateFrom && date <= dateTo)
            IsMemberDay = QStringLiteral("1");
    }
    LoadSmsSettings();
}

void ReadEmail()
{
    OpenSelect(QStringLiteral("select e_send,e_date from jxc_email"));
    Query& q = F_DataModule->QuerySelect;
    const QString send = Text(q, QStringLiteral("e_send"));
    const QString date = Text(q, QStringLiteral("e_date"));
    q.Close();
    if (IsTrue(send) && date < Clock::Today().toString(QStringLiteral("yyyy-MM-dd")))
        EmailDue = QStringLiteral("1");
}

// A step whose failure the load passes over without a word.
template <class Step> void Guarded(Step step)
{
    try {
        step();
    } catch (const std::exception&) {
        F_DataModule->QuerySelect.Close();
    }
}

} // namespace

bool IsTrue(const QString& value)
{
    return !value.isEmpty() && value != QLatin1String("0") && value != QLatin1String("False");
}

bool IsTrueFor(const QString& value, const QString& scope)
{
    if (value == QLatin1String("0") || value == QLatin1String("False"))
        return false;
    if (scope == QLatin1String("all"))
        return ShowCostPrice && ShowSalePrice;
    if (scope == QLatin1String("cj"))
        return ShowCostPrice;
    if (scope == QLatin1String("xs"))
        return ShowSalePrice;
    return true;
}

void LoadSmsSettings()
{
    OpenSelect(QStringLiteral("select * from jxc_smscs"));
    Query& q = F_DataModule->QuerySelect;
    SmsSign = Text(q, QStringLiteral("sms_sign"));
    SmsUser = Text(q, QStringLiteral("sms_user"));
    SmsPassword = Text(q, QStringLiteral("sms_pwd"));
    SmsTopUpText = Text(q, QStringLiteral("sms_cznote"));
    SmsSaleText = Text(q, QStringLiteral("sms_xfnote"));
    // Sets made before the gateway columns existed lack them.
    SmsHost = q.HasField(QStringLiteral("sms_host")) ? Text(q, QStringLiteral("sms_host")) : QString();
    SmsPort = q.HasField(QStringLiteral("sms_port")) ? Text(q, QStringLiteral("sms_port")) : QString();
    if (SmsPort.trimmed().isEmpty())
        SmsPort = QStringLiteral("8500");
    q.Close();
}

void LoadSystemSettings()
{
    ReadCompany();
    Guarded(ReadSettingsRow);

    UseColors = QStringLiteral("1");
    if (MinSaleDiscount.isEmpty())
        MinSaleDiscount = QStringLiteral("0");
    if (TotalDecimals.isEmpty())
        TotalDecimals = QStringLiteral("2");
    bool numeric = false;
    const int totals = TotalDecimals.toInt(&numeric);
    if (!numeric || totals < 0 || totals > 8)
        TotalDecimals = QStringLiteral("2");
    if (AmountDecimals < 0 || AmountDecimals > 8)
        AmountDecimals = 2;
    if (QtyDecimals < 0 || QtyDecimals > 8)
        QtyDecimals = 2;
    if (!IsTrue(RoundTotals))
        TotalDecimals = QString::number(AmountDecimals);
    if (DocDateMode.isEmpty())
        DocDateMode = QStringLiteral("0");
    DisplayBaudRate = displaySpeedSetting == QLatin1String("0") ? QStringLiteral("2400") : QStringLiteral("9600");

    ShowCostPrice = HasRight(QStringLiteral("qtcz"), 16);
    CanChangeDocDate = HasRight(QStringLiteral("qtcz"), 17);
    ShowSalePrice = HasRight(QStringLiteral("qtcz"), 18);
    CanEditSaleCost = HasRight(QStringLiteral("xsgl"), 15);

    ChooseTemplates();
    ReadBackup();

    IsMemberDay.clear();
    Guarded(ReadPoints);

    EmailDue = QStringLiteral("0");
    Guarded(ReadEmail);
}

void ClearSystemSettings()
{
    for (QString* v : { &CompanyName, &CompanyTele, &CompanyContact, &CompanyAddress, &CompanyShortName, &CompanyNote,
             &PurchasePriceDefault, &SalePriceDefault, &AllowEditSalePrice, &AllowZeroStockOut, &UseOriginalDocNo,
             &AutoGoodsSn, &EnterStartsSearch, &ReturnOnlySupplierGoods, &ReturnOnlyCustomerGoods, &ApproveOnSave,
             &UseCashBank, &PosFreePriceEdit, &DocDateMode, &PrintLineOrder, &WarnLowPrepayment, &AllowEditSaleCost,
             &CurrencySign, &DisplayBaudRate, &UsePurchaseOrders, &UseSalesOrders, &UseStockCostOnly,
             &ChooseSalesPrintFormat, &ChoosePurchasePrintFormat, &UseGradePrices, &PrintDocTime, &SalesPrintRows,
             &PurchasePrintRows, &NoPrintBeforeSave, &AutoPrintSalesDoc, &AutoPrintPurchaseDoc, &AutoMakeBarcodes,
             &BarcodeMakeMethod, &PromoEarnsPoints, &PosPayDecimals, &PurgeOldHeldSales, &RoundTotals, &TotalDecimals,
             &UseInvoices, &UseTaxPrice, &UseStockOut, &UseStockIn, &UseRetailPrice, &UseSms, &DefaultTaxRate,
             &TransferPriceMode, &UseDiscount, &MinSaleDiscount, &ScanAccumulates, &UseContracts, &UseFreightFees,
             &UseSecondUnits, &ShowSecondUnitStock, &PurchasePayDefault, &SalesCollectDefault, &FreightBoxDefault,
             &UseDocPayment, &UseDocCollection, &BindPartnersWarehouse, &BindOperatorWarehouse, &BindSalesmanCustomer,
             &DiscountLineMode, &DefaultSettleMode, &ShowSummaryDiff, &UseShelves, &CostMethod, &UseColors,
             &ShowRemindersAtStart, &ShowDailyTipAtStart, &UsePos, &MergeSizesInPrint, &AutoBackup, &BackupOnExit,
             &PointsRule, &AmountPerPoint, &PointsJsrjl, &MultiPoints, &MultiPointsFrom, &MultiPointsTo,
             &CarryPointRemainder, &IcCardType, &BirthdayPointsType, &BirthdayPointsFactor, &BirthdayPointsDays,
             &MemberDayDiscount, &IsMemberDay, &EmailDue, &SmsSign, &SmsUser, &SmsPassword, &SmsTopUpText, &SmsSaleText,
             &SmsHost, &SmsPort, &SalesDocTemplate, &SalesReturnTemplate, &TransferDocTemplate, &PurchaseDocTemplate,
             &PurchaseReturnTemplate, &DeptIssueTemplate, &DeptReturnTemplate, &ProductionInTemplate,
             &ProductionReturnTemplate, &displaySpeedSetting })
        v->clear();
    for (int* v : { &AmountDecimals, &QtyDecimals, &FontSize, &BackupIntervalHours })
        *v = 0;
    for (bool* v : { &ShowCostPrice, &CanChangeDocDate, &ShowSalePrice, &CanEditSaleCost })
        *v = false;
}
