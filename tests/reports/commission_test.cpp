#include "reports/commission.h"
#include "statsfixture.h"

#include <gtest/gtest.h>

namespace {

class CommissionTest : public StatsTest {
protected:
    void SetUp() override
    {
        StatsTest::SetUp();
        ExecSQL(QStringLiteral("update jxc_goods set g_tclb=0,g_tc=0"));
        choice.from = QDate(2024, 3, 1);
        choice.to = QDate(2024, 3, 20);
    }
    void Salesman(const QString& sn, const char* name, int method, double rate, double minimum = 0)
    {
        fixture::AddStaff(sn, S(name));
        ExecSQL(QStringLiteral("update jxc_user set u_tcfs=%1,u_tc=%2,u_zdlr=%3 where u_sn='%4'")
                    .arg(method)
                    .arg(rate)
                    .arg(minimum)
                    .arg(sn));
    }
    void GoodsClass(const QString& goods, int klass, double commission)
    {
        ExecSQL(QStringLiteral("update jxc_goods set g_tclb=%1,g_tc=%2 where g_sn='%3'")
                    .arg(klass)
                    .arg(commission)
                    .arg(goods));
    }
    // An approved sale with its receivable row.
    void Sale(const QString& number, const QString& staff, double due, double settled)
    {
        ExecSQL(
            QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_status) values "
                           "('%1','K1','100001','2024-03-05 10:00',%2,%3,'%4',1)")
                .arg(number)
                .arg(due)
                .arg(settled)
                .arg(staff));
        ExecSQL(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_yfje,k_sfje,k_type,k_djlx,u_sn,k_ghskh) values "
                               "('%1','2024-03-05 10:00',%2,%3,'kh','XS','%4','K1')")
                    .arg(number)
                    .arg(due)
                    .arg(settled)
                    .arg(staff));
    }
    void SaleLine(const QString& number, const QString& goods, double amount, const QString& gift = QString())
    {
        ExecSQL(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_zje,t_zp) values ('%1','%2',%3,'%4')")
                    .arg(number, goods)
                    .arg(amount)
                    .arg(gift));
    }
    // The operator's summary rows: salesman, code and the chosen columns.
    QStringList Summary(const QString& columns, const QString& op = QStringLiteral("admin"))
    {
        return Rows(QStringLiteral("select g_sn,hz_flag,") + columns + QStringLiteral(" from jxc_jxchz where a_name='")
            + op + QStringLiteral("' order by g_sn,hz_flag"));
    }
    QStringList Detail(const QString& columns)
    {
        return Rows(QStringLiteral("select u_sn,dsort,") + columns + QStringLiteral(" from (")
            + CommissionDetailSql(choice) + QStringLiteral(") t order by u_sn,dsort,tcfs,gl_djh"));
    }
    CommissionChoice choice;
};

TEST_F(CommissionTest, CollectionOnTheAmountsSettledWithArrears)
{
    Salesman(QStringLiteral("U1"), "业务甲", 0, 5);
    Salesman(QStringLiteral("U2"), "业务乙", 0, 0);
    Sale(QStringLiteral("XS1"), QStringLiteral("U1"), 1000, 600);
    Sale(QStringLiteral("XS2"), QStringLiteral("U2"), 500, 100);
    ComputeCommissionSummary(choice, QStringLiteral("admin"));
    EXPECT_EQ(Summary(QStringLiteral("hz_kc,hz_kczje,hz_ckzje,hz_glkczje")),
        (QStringList { "U1 1001 1000 600 30 5", "U1 1002 0 -400 -20 5" }));
    EXPECT_EQ(
        Detail(QStringLiteral("gl_djh,gl_zje,tcje")), (QStringList { "U1 1001 XS1 600 30", "U1 1002  -400 -20" }));
}

TEST_F(CommissionTest, ProfitMethodCountsLinesAboveTheMinimum)
{
    Salesman(QStringLiteral("U3"), "业务丙", 1, 10, 5);
    Ledger({ "xs", "XS1", "2024-03-05 10:00", "T1", "K1", 1, 15, "业务丙", 10 });
    Ledger({ "xs", "XS2", "2024-03-05 10:00", "T1", "K1", 1, 15.01, "业务丙", 10 });
    // The test uses the price before discount, the commission the discounted one.
    Ledger({ "xs", "XS3", "2024-03-05 10:00", "T1", "K1", 2, 20, "业务丙", 10, nullptr, 0.9 });
    Ledger({ "xt", "XT1", "2024-03-05 10:00", "T1", "K1", -1, 20, "业务丙", 10, nullptr, 0.9 });
    ComputeCommissionSummary(choice, QStringLiteral("admin"));
    // (15.01-10-5)×1 + (18-10-5)×2 - (18-10-5)×1
    const QStringList rows = Summary(QStringLiteral("round(hz_rksl,4),round(hz_rkzje,4),round(hz_ckzje,4),hz_glkc"));
    EXPECT_EQ(rows, QStringList { "U3 2001 13.01 3.01 0.301 5" });
    EXPECT_EQ(Detail(QStringLiteral("gl_djh")), (QStringList { "U3 2001 XS2", "U3 2001 XS3", "U3 2001 XT1" }));
}

TEST_F(CommissionTest, TillProfitTakesTheUndiscountedMarginAndCountsDiscountAndGiftLinesOnce)
{
    Salesman(QStringLiteral("U3"), "业务丙", 1, 10);
    Salesman(QStringLiteral("U4"), "业务丁", 1, 10, 5);
    for (const char* handler : { "业务丙", "业务丁" }) {
        Ledger({ "xs", "XS1", "2024-03-05 10:00", "T1", "K1", 2, 20, handler, 10, nullptr, 0.9 });
        Ledger({ "xs", "XS2", "2024-03-05 10:00", "T1", "K1", 1, 20, handler, 10, "赠品(赠品)" });
        Ledger({ "xs", "XS3", "2024-03-05 10:00", "00000000", "K1", 1, -4, handler, 0 });
    }
    choice.tillProfit = true;
    ComputeCommissionSummary(choice, QStringLiteral("admin"));
    // Profit 16 + 10 - 4; commissionable (20-10-m)×2 on the ordinary line, then the
    // gift and discount lines' own profit once, whatever the minimum margin.
    EXPECT_EQ(Summary(QStringLiteral("round(hz_rksl,4),round(hz_rkzje,4),round(hz_ckzje,4)")),
        (QStringList { "U3 2001 22 26 2.6", "U4 2001 22 16 1.6" }));
}

TEST_F(CommissionTest, GoodsWithTheirOwnCommissionLeaveTheCollectedBase)
{
    Salesman(QStringLiteral("U1"), "业务甲", 0, 5);
    GoodsClass(QStringLiteral("T1"), 2, 3);
    Sale(QStringLiteral("XS1"), QStringLiteral("U1"), 300, 300);
    SaleLine(QStringLiteral("XS1"), QStringLiteral("T1"), 200);
    SaleLine(QStringLiteral("XS1"), QStringLiteral("T1"), 40, S("赠品"));
    SaleLine(QStringLiteral("XS1"), QStringLiteral("Q1"), 100);
    Ledger({ "xs", "XS1", "2024-03-05 10:00", "T1", "K1", 2, 100, "业务甲" });
    ComputeCommissionSummary(choice, QStringLiteral("admin"));
    // 300 collected less the 200 of the goods (the gift line aside); the '1002'
    // row earns nothing and goes.
    EXPECT_EQ(
        Summary(QStringLiteral("hz_kc,hz_kczje,hz_ckzje")), (QStringList { "U1 1001 100 100 5", "U1 4001 200 200 6" }));
    EXPECT_EQ(Detail(QStringLiteral("tcfs,gl_zje,tcje")),
        (QStringList { S("U1 1001 业务员按销售额提成 300 15"), S("U1 1001 业务员按销售额提成-扣除商品提成 -200 -10"),
            S("U1 1002 业务员按销售额提成欠款 0 0"), S("U1 4001 商品按金额提成 200 6") }));
}

TEST_F(CommissionTest, GiftsLeaveTheProfitItemAndProfitClassesOnly)
{
    Salesman(QStringLiteral("U3"), "业务丙", 1, 10);
    fixture::AddGoods({ QStringLiteral("P1"), S("袜子") });
    fixture::AddGoods({ QStringLiteral("P2"), S("围巾") });
    fixture::AddGoods({ QStringLiteral("P3"), S("帽子") });
    GoodsClass(QStringLiteral("P1"), 1, 2);
    GoodsClass(QStringLiteral("P2"), 2, 10);
    GoodsClass(QStringLiteral("P3"), 3, 10);
    for (const char* goods : { "T1", "P1", "P2", "P3" }) {
        Ledger({ "xs", "XS1", "2024-03-05 10:00", goods, "K1", 1, 30, "业务丙", 10 });
        Ledger({ "xs", "XS2", "2024-03-05 10:00", goods, "K1", 1, 20, "业务丙", 10, "赠品(赠品)" });
    }
    choice.giftsOut = true;
    ComputeCommissionSummary(choice, QStringLiteral("admin"));
    EXPECT_EQ(Summary(QStringLiteral("hz_kc,hz_rksl,hz_cksl,hz_ckzje")),
        (QStringList { "U3 2001 0 20 0 2", "U3 3001 0 0 1 2", "U3 4001 50 0 0 5", "U3 5001 0 20 0 2" }));
    choice.giftsOut = false;
    ComputeCommissionSummary(choice, QStringLiteral("admin"));
    EXPECT_EQ(Summary(QStringLiteral("hz_kc,hz_rksl,hz_cksl,hz_ckzje")),
        (QStringList { "U3 2001 0 30 0 3", "U3 3001 0 0 2 4", "U3 4001 50 0 0 5", "U3 5001 0 30 0 3" }));
}

TEST_F(CommissionTest, EachOperatorKeepsHisOwnRows)
{
    Salesman(QStringLiteral("U1"), "业务甲", 0, 5);
    Salesman(QStringLiteral("U4"), "业务丁", 0, 5);
    Sale(QStringLiteral("XS1"), QStringLiteral("U1"), 100, 50);
    Sale(QStringLiteral("XS2"), QStringLiteral("U4"), 200, 200);
    ComputeCommissionSummary(choice, QStringLiteral("甲"));
    choice.staff = QStringLiteral("U4");
    choice.category = CommissionCategory::Collection;
    ComputeCommissionSummary(choice, QStringLiteral("乙"));
    EXPECT_EQ(
        Summary(QStringLiteral("hz_ckzje"), S("甲")), (QStringList { "U1 1001 2.5", "U1 1002 -2.5", "U4 1001 10" }));
    EXPECT_EQ(Summary(QStringLiteral("hz_ckzje"), S("乙")), QStringList { "U4 1001 10" });
    EXPECT_EQ(Count(QStringLiteral("jxc_jxchz"), QStringLiteral("hz_flag='101' or hz_flag='201'")), 0);
}

} // namespace
