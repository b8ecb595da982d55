#include "postingtest.h"

#include "platform/ui/keyedcombo.h"
#include "posting/balances.h"

using namespace fixture;

namespace {

class BalancesTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddCustomer(QStringLiteral("K1"), QStringLiteral("甲客户"));
        AddSupplier(QStringLiteral("S1"), QStringLiteral("乙供货商"));
    }
    qint64 Movement(const QString& side, const QString& partner, const QString& date, double due, double paid,
        double opening = 0, double discount = 0)
    {
        Sql(QStringLiteral("insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                           "values ('%1','%2','%3',%4,%5,%6,%7,-1,1)")
                .arg(side, partner, date)
                .arg(due)
                .arg(paid)
                .arg(opening)
                .arg(discount));
        return dm->ADOConn.LastInsertId();
    }
    QStringList LedgerBalances(const QString& partner)
    {
        return Column(QStringLiteral("select k_ljje from jxc_ysyfk where k_ghskh='%1' order by k_rq,id").arg(partner));
    }
};

TEST_F(BalancesTest, LedgerRecomputationFollowsDateThenId)
{
    Movement(QStringLiteral("kh"), QStringLiteral("K1"), QStringLiteral("2024-05-01 09:00"), 0, 0, 100);
    Movement(QStringLiteral("kh"), QStringLiteral("K1"), QStringLiteral("2024-05-03 09:00"), 50, 20, 0, 7);
    Movement(QStringLiteral("kh"), QStringLiteral("K1"), QStringLiteral("2024-05-03 09:00"), 0.1, 0);
    Movement(QStringLiteral("ghs"), QStringLiteral("K1"), QStringLiteral("2024-05-02 09:00"), 999, 0); // other side
    RecalcLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh"), QStringLiteral("2024-05-01 09:00"));
    EXPECT_EQ(Column(QStringLiteral("select k_ljje from jxc_ysyfk where k_type='kh' order by k_rq,id")),
        QStringList({ QStringLiteral("100"), QStringLiteral("130"), QStringLiteral("130.1") }));
    EXPECT_EQ(Text(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), QStringLiteral("130.1"));

    // A back-dated row rewrites every later row and the mirror.
    Movement(QStringLiteral("kh"), QStringLiteral("K1"), QStringLiteral("2024-05-02 09:00"), 0.2, 0);
    RecalcLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh"), QStringLiteral("2024-05-02 09:00"));
    EXPECT_EQ(Column(QStringLiteral("select k_ljje from jxc_ysyfk where k_type='kh' order by k_rq,id")),
        QStringList(
            { QStringLiteral("100"), QStringLiteral("100.2"), QStringLiteral("130.2"), QStringLiteral("130.3") }));
    EXPECT_EQ(Text(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), QStringLiteral("130.3"));
    EXPECT_EQ(Text(QStringLiteral("select k_ljje from jxc_ysyfk where k_type='ghs'")), QStringLiteral("-1"));

    // No row from the date on: the mirror takes the balance before it.
    RecalcLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh"), QStringLiteral("2024-06-01"));
    EXPECT_EQ(Text(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), QStringLiteral("130.3"));
    RecalcLedgerBalance(QStringLiteral("S1"), QStringLiteral("ghs"), QStringLiteral("2024-01-01"));
    EXPECT_EQ(Text(QStringLiteral("select ghs_lwje from jxc_ghsxx where ghs_sn='S1'")), QStringLiteral("0"));
}

TEST_F(BalancesTest, LedgerLookups)
{
    Movement(QStringLiteral("ghs"), QStringLiteral("S1"), QStringLiteral("2024-05-01 09:00"), 10, 0);
    const qint64 second
        = Movement(QStringLiteral("ghs"), QStringLiteral("S1"), QStringLiteral("2024-05-01 09:00"), 5, 0);
    Movement(QStringLiteral("ghs"), QStringLiteral("S1"), QStringLiteral("2024-05-04 09:00"), 0, 12.655);
    RecalcLedgerBalance(QStringLiteral("S1"), QStringLiteral("ghs"), QStringLiteral("2024-01-01"));
    struct Case {
        QString limit, date, expected;
    };
    const Case cases[] = {
        { "0", "2024-05-01 09:00", "15" }, { "", "2024-05-03", "15" }, { "0", "9999-12-31", "2.345" },
        { "0", "2024-04-30", "0" },
        { QString::number(second), "2024-05-01 09:00", "10" }, // only rows with a smaller id
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetLedgerBalanceAt(QStringLiteral("S1"), QStringLiteral("ghs"), c.limit, c.date), c.expected)
            << c.limit.toStdString() << " " << c.date.toStdString();
    // Rounded with the small increment, so a stored 2.345 shows as 2.35.
    EXPECT_EQ(GetLedgerBalance(QStringLiteral("S1"), QStringLiteral("ghs")), QStringLiteral("2.35"));
    EXPECT_EQ(GetLedgerBalance(QStringLiteral("K1"), QStringLiteral("kh")), QStringLiteral("0"));
}

TEST_F(BalancesTest, InvoiceAndCashRowsOutsideTheAuditKeepTheirValue)
{
    Sql(QStringLiteral(
        "insert into jxc_fpdjb (fp_type,fp_ghskh,fp_rq,fp_qcje,fp_yfje,fp_kpje,fp_sfje,fp_ljje,fp_check) values "
        "('kh','K1','2024-05-01',5,0,0,0,0,1),"
        "('kh','K1','2024-05-02',0,40,0,0,-7,0),"
        "('kh','K1','2024-05-03',0,30,10,99,0,1)"));
    RecalcInvoiceBalance(QStringLiteral("K1"), QStringLiteral("kh"), QStringLiteral("2024-05-01"));
    EXPECT_EQ(Column(QStringLiteral("select fp_ljje from jxc_fpdjb order by id")),
        QStringList({ QStringLiteral("5"), QStringLiteral("-7"), QStringLiteral("25") }));
    EXPECT_EQ(GetInvoiceBalanceAt(
                  QStringLiteral("K1"), QStringLiteral("kh"), QStringLiteral("0"), QStringLiteral("2024-05-02")),
        QStringLiteral("5"));

    AddAccount(QStringLiteral("A1"), QStringLiteral("工行"));
    Sql(QStringLiteral("insert into jxc_xjyh (xj_kmmc,xj_rq,xj_je,xj_ljje,xj_chk) values "
                       "('工行','2024-05-01',100,0,'1'),('工行','2024-05-02',-30,55,'0'),"
                       "('工行','2024-05-02',-40,0,'1'),('现金','2024-05-02',1,0,'1')"));
    RecalcCashBalance(QStringLiteral("工行"), QStringLiteral("2024-05-01"));
    EXPECT_EQ(Column(QStringLiteral("select xj_ljje from jxc_xjyh where xj_kmmc='工行' order by id")),
        QStringList({ QStringLiteral("100"), QStringLiteral("55"), QStringLiteral("60") }));
    EXPECT_EQ(GetCashBalanceAt(QStringLiteral("工行")), QStringLiteral("60"));
    EXPECT_EQ(GetCashBalanceAt(QStringLiteral("无此帐户")), QStringLiteral("0"));
}

TEST_F(BalancesTest, SettleModes)
{
    KeyedCombo combo;
    const struct {
        const char* side;
        QStringList items;
    } cases[] = {
        { "xs", { QStringLiteral("按实付款结算"), QStringLiteral("余款记入应收帐") } },
        { "cg", { QStringLiteral("按实付款结算"), QStringLiteral("余款记入应付帐") } },
        { "pos", { QStringLiteral("按实付款结算") } },
    };
    for (const auto& c : cases) {
        FillSettleModes(combo, QLatin1String(c.side));
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items << combo.itemText(i) + QLatin1Char('/') + combo.Code(i);
        QStringList expected;
        for (int i = 0; i < c.items.size(); ++i)
            expected << c.items[i] + QLatin1Char('/') + QString::number(i + 1);
        EXPECT_EQ(items, expected) << c.side;
    }
}

} // namespace
