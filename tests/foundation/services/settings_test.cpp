#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "support/accountset.h"

namespace {

class SettingsTest : public AccountSetTest {
protected:
    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
};

TEST_F(SettingsTest, ANewAccountSetLoadsItsSeedRows)
{
    LoadSystemSettings();
    EXPECT_TRUE(CompanyName.endsWith(QStringLiteral("服装有限公司")));
    EXPECT_EQ(CompanyContact, QString());
    EXPECT_EQ(CurrencySign, QStringLiteral("￥"));
    EXPECT_EQ(AllowEditSalePrice, QStringLiteral("True"));
    EXPECT_EQ(UseOriginalDocNo, QStringLiteral("False"));
    EXPECT_EQ(PurchasePriceDefault, QStringLiteral("2"));
    // The seed row of the account set decides these two.
    EXPECT_EQ(SalePriceDefault, QStringLiteral("0"));
    EXPECT_EQ(ShowDailyTipAtStart, QStringLiteral("False"));
    EXPECT_EQ(AmountDecimals, 2);
    EXPECT_EQ(QtyDecimals, 2);
    EXPECT_EQ(TotalDecimals, QStringLiteral("2"));
    EXPECT_EQ(FontSize, 10);
    EXPECT_EQ(DisplayBaudRate, QStringLiteral("2400"));
    EXPECT_EQ(MinSaleDiscount, QStringLiteral("0"));
    EXPECT_TRUE(ShowCostPrice && ShowSalePrice && CanChangeDocDate && CanEditSaleCost);
    EXPECT_EQ(SalesDocTemplate, QStringLiteral("spxs.fr3"));
    EXPECT_EQ(PurchaseDocTemplate, QStringLiteral("cgjh.fr3"));
    // jxc_backup starts without a row
    EXPECT_EQ(AutoBackup, QStringLiteral("0"));
    EXPECT_EQ(BackupOnExit, QStringLiteral("0"));
    EXPECT_EQ(BackupIntervalHours, 0);
    EXPECT_EQ(IsMemberDay, QString());
    EXPECT_EQ(EmailDue, QStringLiteral("0"));
}

TEST_F(SettingsTest, DecimalsAreKeptInRangeAndTotalsFollowAmountsUnlessRounded)
{
    struct Case {
        const char* xsws;
        const char* cbjs;
        const char* zjews;
        const char* jews;
        int amount;
        int qty;
        const char* totals;
    };
    const Case cases[] = {
        { "9", "-1", "0", "0", 2, 2, "2" },
        { "3", "0", "0", "5", 3, 0, "3" },
        { "2", "2", "1", "4", 2, 2, "4" },
        { "2", "2", "1", "9", 2, 2, "2" },
        { "2", "2", "1", "-1", 2, 2, "2" },
        { "2", "2", "1", "null", 2, 2, "2" },
        { "0", "8", "1", "0", 0, 8, "0" },
    };
    for (const auto& c : cases) {
        Sql(QStringLiteral("update jxc_xtcs set cs_xsws=%1,cs_cbjs=%2,cs_zjews=%3,cs_jews=%4")
                .arg(c.xsws, c.cbjs, c.zjews, c.jews));
        LoadSystemSettings();
        EXPECT_EQ(AmountDecimals, c.amount) << c.xsws;
        EXPECT_EQ(QtyDecimals, c.qty) << c.cbjs;
        EXPECT_EQ(TotalDecimals, QLatin1String(c.totals)) << c.zjews << " " << c.jews;
    }
}

TEST_F(SettingsTest, DerivedValues)
{
    Sql(QStringLiteral("update jxc_xtcs set cs_cs031=4,cs_cs026=0,cs_cs004=1,cs_zdzk=null,cs_djrq=null"));
    LoadSystemSettings();
    EXPECT_EQ(FontSize, 12);
    EXPECT_EQ(UseColors, QStringLiteral("1"));
    EXPECT_EQ(DisplayBaudRate, QStringLiteral("9600"));
    EXPECT_EQ(MinSaleDiscount, QStringLiteral("0"));
    EXPECT_EQ(DocDateMode, QStringLiteral("0"));

    Sql(QStringLiteral("insert into jxc_backup (back_auto,back_sj,back_exit) values (1,4,0)"));
    LoadSystemSettings();
    EXPECT_EQ(AutoBackup, QStringLiteral("1"));
    EXPECT_EQ(BackupOnExit, QStringLiteral("False"));
    EXPECT_EQ(BackupIntervalHours, 4);
}

TEST_F(SettingsTest, TemplatesFollowTheSettingsAndTheOperatorsRights)
{
    struct Case {
        const char* qtcz; // rights 16 (cost prices) and 18 (sale prices) matter
        const char* retail;
        const char* transfer;
        const char* merge;
        const char* sales;
        const char* salesReturn;
        const char* transferDoc;
        const char* purchase;
        const char* purchaseReturn;
        const char* deptIssue;
    };
    const QString all(60, QLatin1Char('1'));
    const QString noCost = QString(all).replace(15, 1, QLatin1Char('0'));
    const QString noSale = QString(all).replace(17, 1, QLatin1Char('0'));
    const std::string allS = all.toStdString(), noCostS = noCost.toStdString(), noSaleS = noSale.toStdString();
    const Case cases[] = {
        { allS.c_str(), "0", "0", "0", "spxs.fr3", "xsth.fr3", "kcdbd.fr3", "cgjh.fr3", "cgth.fr3", "bmlyd.fr3" },
        { allS.c_str(), "1", "1", "0", "spxs2.fr3", "xsth2.fr3", "kcdbd2.fr3", "cgjh.fr3", "cgth.fr3", "bmlyd.fr3" },
        { noCostS.c_str(), "0", "2", "1", "spxs3.fr3", "xsth.fr3", "kcdbd.fr3", "cgjh3.fr3", "cgth2.fr3",
            "bmlyd2.fr3" },
        { noSaleS.c_str(), "1", "0", "0", "spxs4.fr3", "xsth4.fr3", "kcdbd.fr3", "cgjh.fr3", "cgth.fr3", "bmlyd.fr3" },
        { noSaleS.c_str(), "0", "0", "1", "spxs3.fr3", "xsth4.fr3", "kcdbd.fr3", "cgjh3.fr3", "cgth.fr3", "bmlyd.fr3" },
    };
    Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,xsgl) values ('100002','店员','')"));
    CurrentRoleSn = QStringLiteral("100002");
    for (const auto& c : cases) {
        Sql(QStringLiteral("update jxc_role set qtcz='%1' where r_sn='100002'").arg(QLatin1String(c.qtcz)));
        Sql(QStringLiteral("update jxc_xtcs set cs_lsj=%1,cs_dbdj=%2,cs_cs018=%3").arg(c.retail, c.transfer, c.merge));
        LoadSystemSettings();
        const std::string where = std::string(c.retail) + c.transfer + c.merge + " cost "
            + std::to_string(ShowCostPrice) + " sale " + std::to_string(ShowSalePrice);
        EXPECT_EQ(SalesDocTemplate, QLatin1String(c.sales)) << where;
        EXPECT_EQ(SalesReturnTemplate, QLatin1String(c.salesReturn)) << where;
        EXPECT_EQ(TransferDocTemplate, QLatin1String(c.transferDoc)) << where;
        EXPECT_EQ(PurchaseDocTemplate, QLatin1String(c.purchase)) << where;
        EXPECT_EQ(PurchaseReturnTemplate, QLatin1String(c.purchaseReturn)) << where;
        EXPECT_EQ(DeptIssueTemplate, QLatin1String(c.deptIssue)) << where;
    }
    EXPECT_FALSE(CanEditSaleCost);
}

TEST_F(SettingsTest, MemberDays)
{
    struct Case {
        const char* kind;
        QDate today;
        const char* expected;
    };
    Sql(QStringLiteral("update jxc_jfsz set jf_hyrmy1='10',jf_hyrmy2='20',jf_hyr1='2024-05-01',jf_hyr2='2024-05-03'"));
    const Case cases[] = {
        { "1", QDate(2024, 3, 15), "1" },
        { "1", QDate(2024, 4, 9), "" },
        { "1", QDate(2024, 4, 10), "1" },
        { "1", QDate(2024, 4, 20), "1" },
        { "1", QDate(2024, 4, 21), "" },
        { "2", QDate(2024, 5, 1), "1" },
        { "2", QDate(2024, 5, 3), "1" },
        { "2", QDate(2024, 5, 4), "" },
        { "2", QDate(2024, 4, 15), "" },
        { "0", QDate(2024, 3, 15), "" },
    };
    for (const auto& c : cases) {
        Sql(QStringLiteral("update jxc_jfsz set jf_hyr=") + QLatin1String(c.kind));
        Clock::SetFixed(QDateTime(c.today, QTime(9, 0)));
        LoadSystemSettings();
        EXPECT_EQ(IsMemberDay, QLatin1String(c.expected)) << c.kind << " " << c.today.toString().toStdString();
    }
}

TEST_F(SettingsTest, AMissingPointsTableLeavesSmsValuesAndStillChecksTheEmail)
{
    Sql(QStringLiteral("insert into jxc_smscs (sms_sign,sms_user) values ('【店】','u1')"));
    Sql(QStringLiteral("update jxc_jfsz set jf_hyr=1,jf_hyrmy1='01',jf_hyrmy2='31'"));
    LoadSystemSettings();
    EXPECT_EQ(SmsSign, QStringLiteral("【店】"));
    EXPECT_EQ(IsMemberDay, QStringLiteral("1"));

    Sql(QStringLiteral("update jxc_smscs set sms_sign='changed'"));
    Sql(QStringLiteral("drop table jxc_jfsz"));
    Sql(QStringLiteral("update jxc_email set e_send=1,e_date='2024-03-04'"));
    LoadSystemSettings();
    EXPECT_EQ(IsMemberDay, QString());
    EXPECT_EQ(SmsSign, QStringLiteral("【店】"));
    EXPECT_EQ(EmailDue, QStringLiteral("1"));

    Sql(QStringLiteral("update jxc_email set e_date='2024-03-05'"));
    LoadSystemSettings();
    EXPECT_EQ(EmailDue, QStringLiteral("0"));
}

TEST_F(SettingsTest, AMissingSettingsRowGivesEmptyTextsAndZeroDecimals)
{
    Sql(QStringLiteral("delete from jxc_xtcs"));
    LoadSystemSettings();
    EXPECT_EQ(CurrencySign, QString());
    EXPECT_EQ(AllowEditSalePrice, QString());
    EXPECT_EQ(FontSize, 8);
    EXPECT_EQ(AmountDecimals, 0);
    EXPECT_EQ(QtyDecimals, 0);
    EXPECT_EQ(TotalDecimals, QStringLiteral("0"));
    EXPECT_EQ(UseColors, QStringLiteral("1"));
}

TEST_F(SettingsTest, AColumnMissingFromTheSettingsRowStopsTheCopyThere)
{
    // values of an earlier load
    CurrencySign = QStringLiteral("old");
    FontSize = 42;
    UseShelves = QStringLiteral("old");
    Sql(QStringLiteral("update jxc_xtcs set cs_hbfh='$'"));
    Sql(QStringLiteral("alter table jxc_xtcs drop column cs_cs031"));
    LoadSystemSettings();
    EXPECT_EQ(CurrencySign, QStringLiteral("$"));
    EXPECT_EQ(FontSize, 42);
    EXPECT_EQ(UseShelves, QStringLiteral("old"));
    // the steps after it still run
    EXPECT_EQ(UseColors, QStringLiteral("1"));
    EXPECT_EQ(SalesDocTemplate, QStringLiteral("spxs.fr3"));
}

TEST(SettingsTests, IsTrueAndIsTrueFor)
{
    for (const char* on : { "1", "True", "2", "x" })
        EXPECT_TRUE(IsTrue(QLatin1String(on))) << on;
    for (const char* off : { "", "0", "False" })
        EXPECT_FALSE(IsTrue(QLatin1String(off))) << off;

    ShowCostPrice = true;
    ShowSalePrice = false;
    EXPECT_TRUE(IsTrueFor(QString(), QStringLiteral("other")));
    EXPECT_TRUE(IsTrueFor(QStringLiteral("True"), QStringLiteral("cj")));
    EXPECT_FALSE(IsTrueFor(QStringLiteral("True"), QStringLiteral("xs")));
    EXPECT_FALSE(IsTrueFor(QStringLiteral("1"), QStringLiteral("all")));
    EXPECT_FALSE(IsTrueFor(QStringLiteral("False"), QStringLiteral("cj")));
    EXPECT_FALSE(IsTrueFor(QStringLiteral("0"), QString()));
    ShowSalePrice = true;
    EXPECT_TRUE(IsTrueFor(QString(), QStringLiteral("all")));
    ShowCostPrice = false;
    ShowSalePrice = false;
}

} // namespace
