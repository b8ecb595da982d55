#include "foundation/customerprice.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/settings.h"
#include "foundation/staffcounters.h"
#include "foundation/stockservices.h"
#include "foundation/zones.h"
#include "support/accountset.h"

#include <stdexcept>

namespace {

class StockServices : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        saved_ = { SalePriceDefault, UseGradePrices, PurgeOldHeldSales };
        savedDecimals_ = AmountDecimals;
        AmountDecimals = 2;
    }
    void TearDown() override
    {
        SalePriceDefault = saved_[0];
        UseGradePrices = saved_[1];
        PurgeOldHeldSales = saved_[2];
        AmountDecimals = savedDecimals_;
        AccountSetTest::TearDown();
    }
    void Stock(const char* warehouse, const char* goods, double qty, double cost)
    {
        ExecSQL(QStringLiteral("insert into jxc_kcsp (ck_sn,g_sn,kc_sl,kc_cbj) values ('%1','%2',%3,%4)")
                    .arg(warehouse, goods)
                    .arg(qty)
                    .arg(cost));
    }
    QStringList Balances(const QString& month)
    {
        return Column("select ck_sn||':'||js_sl||':'||js_zje||':'||(js_xssl+js_xsje+js_cgsl+js_cgje+js_xslr+js_xscb)"
                      " from jxc_kcjs where js_rq='"
            + month + "' order by ck_sn");
    }

private:
    QStringList saved_;
    int savedDecimals_ = 2;
};

TEST_F(StockServices, PrepareStockRowsGivesEveryWarehouseItsRowsOnce)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (\"0.0\")";
    ExecSQL("delete from jxc_ckxx");
    ExecSQL("delete from jxc_kcsp");
    ExecSQL("delete from jxc_kcjs");
    ExecSQL("insert into jxc_ckxx (ck_sn,ck_name) values ('100001','主仓库'),('100002','二库')");
    Stock("100001", "A", 10, 2.5);
    Stock("100001", "B", 4, 1);
    Stock("100002", "A", 3, 2);

    PrepareStockRows("2024-03");
    EXPECT_EQ(Column("select ck_sn||':'||kc_sl||':'||kc_cbj||':'||kc_xssl||':'||kc_zsl from jxc_kcsp "
                     "where g_sn='00000000' order by ck_sn"),
        (QStringList { "100001:0.0:0.0:0.0:0.0", "100002:0.0:0.0:0.0:0.0" }));
    const QStringList first = Balances("2024-03");
    EXPECT_EQ(first, (QStringList { "100001:14.0:29.0:0.0", "100002:3.0:6.0:0.0" }));

    // Once the month's rows exist, stock movements no longer reset the balances.
    ExecSQL("update jxc_kcsp set kc_sl=kc_sl+100");
    PrepareStockRows("2024-03");
    EXPECT_EQ(Balances("2024-03"), first);
    EXPECT_EQ(Count("jxc_kcsp", "g_sn='00000000'"), 2);
    EXPECT_EQ(Count("jxc_kcjs"), 2);

    // A new warehouse gets its rows; creating them refreshes the month from the current stock.
    ExecSQL("insert into jxc_ckxx (ck_sn,ck_name) values ('100003','三库')");
    PrepareStockRows("2024-03");
    EXPECT_EQ(Count("jxc_kcsp", "g_sn='00000000' and ck_sn='100003'"), 1);
    EXPECT_EQ(Balances("2024-03"),
        (QStringList { "100001:314.0:379.0:0.0", "100002:203.0:206.0:0.0", "100003:0.0:0.0:0.0" }));

    ExecSQL("update jxc_kcsp set kc_sl=1 where ck_sn='100002'");
    UpdateMonthStockTotals("100002", "2024-03");
    EXPECT_EQ(Balances("2024-03")[1], "100002:2.0:2.0:0.0");
    EXPECT_EQ(Balances("2024-03")[0], "100001:314.0:379.0:0.0");
}

TEST_F(StockServices, ScratchLinesPromotionsAndCounters)
{
    for (const char* table : { "jxc_tempspxf", "jxc_tempspxf2", "jxc_tempspxfmx" })
        ExecSQL(QStringLiteral("insert into %1 (g_sn,a_name) values ('A','admin'),('B','clerk')").arg(table));
    ClearTempLines();
    EXPECT_EQ(Column("select a_name from jxc_tempspxf union all select a_name from jxc_tempspxf2 "
                     "union all select a_name from jxc_tempspxfmx"),
        (QStringList { "clerk", "clerk", "clerk" }));

    // Today is 2024-03-05: only a promotion with a period that ended before today goes off.
    ExecSQL("insert into jxc_goods (g_sn,g_tjsp,g_tjqx,g_ks,g_js) values "
            "('P1',1,1,'2024-03-01','2024-03-04'),('P2',1,1,'2024-03-01','2024-03-05'),"
            "('P3',1,0,'2024-03-01','2024-03-01')");
    ClearSpecialPrices();
    EXPECT_EQ(Column("select g_sn||':'||g_tjsp||g_tjqx||':'||ifnull(g_ks,'-')||':'||ifnull(g_js,'-') from jxc_goods "
                     "where g_sn like 'P%' order by g_sn"),
        (QStringList { "P1:00:-:-", "P2:11:2024-03-01:2024-03-05", "P3:10:2024-03-01:2024-03-01" }));

    ExecSQL("update jxc_user set u_cgpl=3,u_xspl=7 where u_sn='100001'");
    IncUserPurchaseCount("100001");
    IncUserSalesCount("100001");
    IncUserSalesCount("100001");
    EXPECT_EQ(Column("select u_cgpl||'/'||u_xspl from jxc_user where u_sn='100001'"), QStringList { "4/9" });
}

TEST_F(StockServices, HeldPosSalesOfEarlierDaysArePurgedUnlessKept)
{
    struct Case {
        const char* setting;
        bool purges;
    };
    for (const Case& c : { Case { "", true }, Case { "True", true }, Case { "1", true }, Case { "0", false },
             Case { "False", false } }) {
        SCOPED_TRACE(c.setting);
        ExecSQL("delete from jxc_posxsd");
        ExecSQL("delete from jxc_posxssp");
        ExecSQL("insert into jxc_posxsd (gl_djh,pos_note,pos_xsrq) values ('XS24030410001','gd','2024-03-04 18:00:00'),"
                "('XS24030510001','gd','2024-03-05 09:00:00'),('XS24030410002','','2024-03-04 10:00:00')");
        ExecSQL("insert into jxc_posxssp (gl_djh,g_sn) values ('XS24030410001','A'),('XS24030410001','B'),"
                "('XS24030510001','A'),('XS24030410002','A')");
        PurgeOldHeldSales = QLatin1String(c.setting);
        DeleteOldHeldPosSales();
        const QStringList kept { "XS24030410002", "XS24030510001" };
        const QStringList all { "XS24030410001", "XS24030410002", "XS24030510001" };
        EXPECT_EQ(Column("select gl_djh from jxc_posxsd order by gl_djh"), c.purges ? kept : all);
        EXPECT_EQ(Column("select distinct gl_djh from jxc_posxssp order by gl_djh"), c.purges ? kept : all);
    }
}

TEST_F(StockServices, CustomerPriceByQuotationLastSaleAndGrade)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "keeps a text in a number column, which only SQLite allows";
    ExecSQL("insert into jxc_goods (g_sn,g_sj,g_sj1,g_sj3) values ('G',50,41,43.456),('H',12.345,null,null),"
            "('J',null,null,null)");
    ExecSQL("insert into jxc_khxx (kh_sn,kt_sn) values ('K3','1003'),('K0','1000')");
    // An approved sale to K3 (older) and a pending one (newer).
    ExecSQL("insert into jxc_lsxsd (gl_djh,kh_sn,ls_status) values ('XS1','K3',1),('XS2','K3',0)");
    ExecSQL("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj) values ('XS1','G',47.5),('XS2','G',46)");

    struct Case {
        const char* salePriceDefault;
        const char* gradePrices;
        const char* customer;
        const char* goods;
        const char* price;
    };
    const Case cases[] = {
        { "1", "True", "K3", "G", "47.5" },  // the newest approved sale, not the pending one
        { "1", "True", "K0", "G", "50" },    // no sale: the preset price of type 1000
        { "1", "True", "K3", "H", "12.35" }, // no sale, no grade price: g_sj, rounded
        { "0", "True", "K3", "G", "43.46" }, // preset price of grade 3
        { "0", "False", "K3", "G", "50" },   // grade prices off
        { "0", "True", "K0", "G", "50" },
        { "0", "True", "K3", "J", "0" }, // no price at all
        { "2", "True", "K3", "G", "50" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.salePriceDefault) + c.gradePrices + c.customer + c.goods);
        SalePriceDefault = QLatin1String(c.salePriceDefault);
        UseGradePrices = QLatin1String(c.gradePrices);
        EXPECT_EQ(GetCustomerPrice(c.customer, c.goods), QLatin1String(c.price));
    }

    // A quotation to the customer wins over everything, the newest first.
    SalePriceDefault = "1";
    ExecSQL("insert into jxc_khbj (g_sn,kh_sn,kb_bj) values ('G','K3',10.5),('G','K3',12.344),('G','K0',99)");
    EXPECT_EQ(GetCustomerPrice("K3", "G"), "12.34");
    AmountDecimals = 0;
    EXPECT_EQ(GetCustomerPrice("K3", "G"), "12");
    ExecSQL("insert into jxc_khbj (g_sn,kh_sn,kb_bj) values ('G','K3','abc')");
    EXPECT_THROW(GetCustomerPrice("K3", "G"), std::invalid_argument);
}

TEST_F(StockServices, EnsureZoneAddsNewNamesOnly)
{
    ExecSQL("delete from jxc_zone");
    EnsureZone("");
    EXPECT_EQ(Count("jxc_zone"), 0);
    EnsureZone("华东");
    EnsureZone("华南");
    EnsureZone("华东");
    EXPECT_EQ(Column("select z_sn||':'||z_name||':'||z_jm||':'||z_default from jxc_zone order by id"),
        (QStringList { "100001:华东:HD:0", "100002:华南:HN:0" }));
}

} // namespace
