#include "foundation/globals.h"
#include "foundation/topup.h"
#include "platform/base/clock.h"
#include "support/accountset.h"

namespace {

class TopUp : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        ExecSQL("delete from jxc_hyxx");
        ExecSQL("delete from jxc_hyxf");
        ExecSQL("insert into jxc_hyxx (hy_sn,hy_zhje) values ('M1',1000),('M2',0)");
    }
    void Login(int y, int m, int d)
    {
        Clock::SetFixed(QDateTime(QDate(y, m, d), QTime(8, 30)));
        ApplyMonthlyTopUpGifts();
    }
    // A top-up row carrying a bonus paid in instalments.
    void TopUpRow(
        const QString& number, const QString& member, int mode, double instalment, double left, const QString& since)
    {
        ExecSQL(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,xf_je,xf_zt,hs_zsfs,hs_myje,hs_zsje,xf_zsrq) "
                               "values ('%1','%2',500,'储值卡续费',%3,%4,%5,'%6')")
                    .arg(number, member)
                    .arg(mode)
                    .arg(instalment)
                    .arg(left)
                    .arg(since));
    }
    QString Stored(const QString& member)
    {
        return QueryScalar("select hy_zhje from jxc_hyxx where hy_sn='" + member + "'");
    }
    QString TopUpState(const QString& number)
    {
        return QueryScalar("select hs_zsje||' '||xf_zsrq from jxc_hyxf where gl_djh='" + number + "' and hs_zsfs>=0");
    }
    // The instalment rows: number, member, amount, note, kind, date, mode.
    QStringList Paid()
    {
        return Column("select gl_djh||'|'||hy_sn||'|'||xf_je||'|'||xf_note||'|'||xf_zt||'|'||xf_zsrq||'|'||hs_zsfs||'|'"
                      "||a_name||'|'||xf_rq from jxc_hyxf where hs_zsfs<0 order by id");
    }
};

TEST_F(TopUp, MonthlyInstalmentsFromTheTenthForEveryMonthPassed)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (100.0)";
    TopUpRow("XF24011510001", "M1", 1, 100, 300, "2024-01-15");

    Login(2024, 2, 9);
    EXPECT_TRUE(Paid().isEmpty());
    EXPECT_EQ(Stored("M1"), "1000");

    Login(2024, 2, 10);
    EXPECT_EQ(Paid(),
        QStringList { "XF24021010001|M1|100.0|XF24011510001该单据充值按月赠送，本次赠送：1个月|按月到账|"
                      "2024-02-10|-1|admin|2024-02-10" });
    EXPECT_EQ(TopUpState("XF24011510001"), "200.0 2024-02-10");
    EXPECT_EQ(Stored("M1"), "1100");

    // A second login the same day finds nothing left to pay.
    Login(2024, 2, 10);
    EXPECT_EQ(Paid().size(), 1);
    EXPECT_EQ(Stored("M1"), "1100");

    // No logins in March and April: three months passed but only two instalments are left.
    Login(2024, 5, 12);
    ASSERT_EQ(Paid().size(), 2);
    EXPECT_EQ(Paid()[1],
        "XF24051210001|M1|200.0|XF24011510001该单据充值按月赠送，本次赠送：2个月|按月到账|"
        "2024-05-12|-1|admin|2024-05-12");
    EXPECT_EQ(TopUpState("XF24011510001"), "0.0 2024-05-12");
    EXPECT_EQ(Stored("M1"), "1300");
}

TEST_F(TopUp, ARemainderBelowOneInstalmentIsNeverPaid)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (100.0)";
    TopUpRow("XF24011510001", "M2", 1, 100, 150, "2024-01-15");
    Login(2024, 6, 20);
    Login(2024, 9, 20);
    EXPECT_EQ(Paid().size(), 1);
    EXPECT_EQ(TopUpState("XF24011510001"), "50.0 2024-06-20");
    EXPECT_EQ(Stored("M2"), "100");
}

TEST_F(TopUp, DailyInstalmentsAndWriteOffsOfSaleBoundOnes)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (100.0)";
    // Sale-bound rows: monthly ones not collected since 2024-01-15, a daily one since 2024-04-16.
    TopUpRow("XF24011510002", "M1", 2, 100, 500, "2024-01-15");
    TopUpRow("XF24011510003", "M2", 2, 100, 150, "2024-01-15");
    TopUpRow("XF24041610001", "M1", 4, 5, 100, "2024-04-16");

    Login(2024, 4, 20);
    // The months before last month are lost; a remainder never goes below zero.
    EXPECT_EQ(TopUpState("XF24011510002"), "300.0 2024-03-20");
    EXPECT_EQ(TopUpState("XF24011510003"), "0.0 2024-03-20");
    // Daily sale-bound instalments are written off only in a run that paid daily ones.
    EXPECT_EQ(TopUpState("XF24041610001"), "100.0 2024-04-16");

    TopUpRow("XF24041710001", "M2", 3, 10, 100, "2024-04-17");
    Login(2024, 4, 20);
    EXPECT_EQ(Paid(),
        QStringList { "XF24042010001|M2|30.0|XF24041710001该单据充值按天赠送，本次赠送：3天|按天到账|"
                      "2024-04-20|-3|admin|2024-04-20" });
    EXPECT_EQ(TopUpState("XF24041710001"), "70.0 2024-04-20");
    EXPECT_EQ(TopUpState("XF24041610001"), "85.0 2024-04-19");
    EXPECT_EQ(TopUpState("XF24011510002"), "300.0 2024-03-20");
    EXPECT_EQ(Stored("M2"), "30");
    EXPECT_EQ(Stored("M1"), "1000");
}

TEST_F(TopUp, RowsOfOneRunShareANumberAndOnlyThoseAreCredited)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (100.0)";
    // An XF number of the day already exists; an instalment row of an earlier run too.
    TopUpRow("XF24031010001", "M2", 0, 0, 0, "2024-03-10");
    ExecSQL("insert into jxc_hyxf (gl_djh,hy_sn,xf_je,hs_zsfs) values ('XF24021010001','M1',100,-1)");
    // Two top-ups of one member fall due together.
    TopUpRow("XF24011510001", "M1", 1, 100, 300, "2024-01-15");
    TopUpRow("XF24020110001", "M1", 1, 30, 300, "2024-02-01");
    TopUpRow("XF24030710001", "M1", 3, 7, 70, "2024-03-07");
    TopUpRow("XF24021510001", "M2", 1, 20, 300, "2024-02-15");

    Login(2024, 3, 10);
    const QStringList numbers = Column("select distinct gl_djh from jxc_hyxf where xf_rq='2024-03-10'");
    EXPECT_EQ(numbers, QStringList { "XF24031010002" });
    EXPECT_EQ(Count("jxc_hyxf", "gl_djh='XF24031010002'"), 4);
    // M1: two months of 100, one month of 30 and three days of 7; M2: one month of 20.
    EXPECT_EQ(Stored("M1"), QString::number(1000 + 200 + 30 + 21));
    EXPECT_EQ(Stored("M2"), "20");
}

TEST_F(TopUp, AFailedRunLeavesNothingBehindAndIsPaidAtTheNextLogin)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (100.0)";
    TopUpRow("XF24011510001", "M1", 1, 100, 300, "2024-01-15");
    dm->ADOConn.Exec("create temp trigger refuse before update of hy_zhje on jxc_hyxx "
                     "begin select raise(abort,'refused'); end");
    Login(2024, 2, 10);
    EXPECT_TRUE(Paid().isEmpty());
    EXPECT_EQ(TopUpState("XF24011510001"), "300.0 2024-01-15");
    EXPECT_EQ(Stored("M1"), "1000");

    dm->ADOConn.Exec("drop trigger refuse");
    Login(2024, 2, 10);
    EXPECT_EQ(Paid().size(), 1);
    EXPECT_EQ(Stored("M1"), "1100");
}

TEST_F(TopUp, LevelByPoints)
{
    if (TestDb::OnServer())
        GTEST_SKIP() << "compares SQLite's text of real numbers joined in SQL (100.0)";
    ExecSQL("delete from jxc_hyfl");
    ExecSQL("insert into jxc_hyfl (hl_sn,hl_jfxx,hl_jfsx) values ('L1',0,999),('L2',1000,4999)");
    ExecSQL("insert into jxc_hyxx (hy_sn,hy_zjf,hy_sj,hl_sn) values ('A',900,1,'L1'),('B',900,0,'L1')");
    EXPECT_EQ(GetMemberLevelByPoints("A", 50), "L1");
    EXPECT_EQ(GetMemberLevelByPoints("A", 100), "L2");
    EXPECT_EQ(GetMemberLevelByPoints("A", 5000), "");
    EXPECT_EQ(GetMemberLevelByPoints("B", 100), "L1");
    EXPECT_EQ(GetMemberLevelByPoints("nobody", 100), "");
}

} // namespace
