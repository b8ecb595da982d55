#include "reportsfixture.h"

#include "platform/grid/datagrid.h"
#include "reports/jxchz.h"
#include "reports/jxchzrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {

class SummaryTest : public ReportsTest {
protected:
    std::map<QString, Row> Summary(bool costMode, bool periodOnly = false, const QString& category = QString())
    {
        SummaryFilter f;
        f.from = QDate(2024, 3, 1);
        f.to = QDate(2024, 3, 31);
        f.costMode = costMode;
        f.periodOnly = periodOnly;
        f.category = category;
        return Keyed(BuildStockSummary(f), QStringLiteral("g_sn"));
    }
};

TEST_F(SummaryTest, EachKindCountsInItsColumnByMode)
{
    const struct {
        const char* goods;
        const char* kind;
        double qty, amount, cost;
        // amount mode: in qty, in value, out qty, out value; then the cost mode's values
        double inQty, inAmount, outQty, outAmount, inCost, outCost;
    } cases[] = {
        { "G1", "cj", 3, 30, 0, 3, 30, 0, 0, 30, 0 },
        { "G2", "xt", -2, -24, -16, 2, 24, 0, 0, 16, 0 },
        { "G3", "xs", -2, -24, -16, 2, 24, 0, 0, 16, 0 },
        { "G4", "xs", 4, 48, 32, 0, 0, 4, 48, 0, 32 },
        { "G5", "pd", -2, -20, 0, -2, -20, 0, 0, -20, 0 },
        { "G6", "bh", 5, 50, 0, 0, 0, 0, 0, 0, 0 },
        { "G7", "ct", -1, -9, 0, 0, 0, 1, 9, 0, 9 },
    };
    for (const auto& c : cases) {
        const QString g = QString::fromLatin1(c.goods);
        Goods(g);
        Ledger(QString::fromLatin1(c.kind), QStringLiteral("2024-03-05 10:00"), g, c.qty, c.amount, 0, 0,
            QStringLiteral("100001"), c.cost);
    }
    // A transfer: out of one warehouse, into the other; both count.
    Goods(QStringLiteral("G8"));
    Ledger(QStringLiteral("db"), QStringLiteral("2024-03-06 10:00"), QStringLiteral("G8"), -3, -30, 0, 0,
        QStringLiteral("100001"));
    Ledger(QStringLiteral("db"), QStringLiteral("2024-03-06 10:00"), QStringLiteral("G8"), 3, 30, 3, 30,
        QStringLiteral("W2"));

    for (bool cost : { false, true }) {
        auto rows = Summary(cost);
        for (const auto& c : cases) {
            const Row& r = rows[QString::fromLatin1(c.goods)];
            const std::string at = std::string(c.goods) + (cost ? " cost" : " amount");
            EXPECT_DOUBLE_EQ(N(r, "rksl"), c.inQty) << at;
            EXPECT_DOUBLE_EQ(N(r, "cksl"), c.outQty) << at;
            EXPECT_DOUBLE_EQ(N(r, "rkzje"), cost ? c.inCost : c.inAmount) << at;
            EXPECT_DOUBLE_EQ(N(r, "ckzje"), cost ? c.outCost : c.outAmount) << at;
        }
        const Row& transfer = rows[QStringLiteral("G8")];
        EXPECT_DOUBLE_EQ(N(transfer, "rksl"), 3);
        EXPECT_DOUBLE_EQ(N(transfer, "cksl"), 3);
        EXPECT_DOUBLE_EQ(N(transfer, "rkzje"), 30);
        EXPECT_DOUBLE_EQ(N(transfer, "ckzje"), 30);
        EXPECT_EQ(rows[QStringLiteral("G1")].count(QStringLiteral("cesl")), cost ? 1u : 0u);
    }
}

TEST_F(SummaryTest, BalancesComeFromTheLastRowBeforeAndUpToThePeriod)
{
    Goods(QStringLiteral("OLD"));
    Goods(QStringLiteral("MOV"));
    Goods(QStringLiteral("LATE"));
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-02-10 10:00"), QStringLiteral("OLD"), 4, 40, 4, 40);
    // Each warehouse's own last row adds to the goods' balances.
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-02-11 10:00"), QStringLiteral("OLD"), 3, 30, 3, 30,
        QStringLiteral("W2"));
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-02-10 10:00"), QStringLiteral("MOV"), 2, 20, 2, 20);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-31 18:00"), QStringLiteral("MOV"), 5, 50, 7, 70);
    // Same latest date: the greater id gives the balance.
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-31 18:00"), QStringLiteral("MOV"), 1, 12, 6, 60,
        QStringLiteral("100001"), 10);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-04-01 00:00"), QStringLiteral("LATE"), 1, 10, 1, 10);

    auto rows = Summary(true);
    const Row& old = rows[QStringLiteral("OLD")];
    EXPECT_DOUBLE_EQ(N(old, "gl_kc"), 7);
    EXPECT_DOUBLE_EQ(N(old, "glkc"), 7);
    EXPECT_DOUBLE_EQ(N(old, "glkczje"), 70);
    EXPECT_DOUBLE_EQ(N(old, "rksl") + N(old, "cksl"), 0);
    const Row& mov = rows[QStringLiteral("MOV")];
    EXPECT_DOUBLE_EQ(N(mov, "gl_kc"), 2);
    EXPECT_DOUBLE_EQ(N(mov, "glkc"), 6);
    EXPECT_DOUBLE_EQ(N(mov, "glkczje"), 60);
    EXPECT_DOUBLE_EQ(N(mov, "cesl"), 0);
    EXPECT_DOUBLE_EQ(N(mov, "ceje"), 0);
    EXPECT_EQ(rows.count(QStringLiteral("LATE")), 0u);

    rows = Summary(true, true);
    EXPECT_EQ(rows.count(QStringLiteral("OLD")), 0u);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("MOV")], "gl_kc"), 2);
}

TEST_F(SummaryTest, DiscountGoodsCarriesOnlyTheDocumentDiscounts)
{
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-05 10:00"), QStringLiteral("00000000"), 0, -5, 9, 90);
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-06 10:00"), QStringLiteral("00000000"), 0, -3, 9, 90);
    // Neither a discount before the period nor another kind of row adds anything.
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-02-05 10:00"), QStringLiteral("00000000"), 0, -7, 9, 90);
    Ledger(QStringLiteral("bh"), QStringLiteral("2024-03-07 10:00"), QStringLiteral("00000000"), 0, -11, 9, 90);
    const Row r = Summary(false)[QStringLiteral("00000000")];
    EXPECT_DOUBLE_EQ(N(r, "rkzje"), -5);
    EXPECT_DOUBLE_EQ(N(r, "ckzje"), -3);
    EXPECT_DOUBLE_EQ(N(r, "glkczje"), -5 + 3);
    EXPECT_DOUBLE_EQ(N(r, "glkc"), 0);
    EXPECT_DOUBLE_EQ(N(r, "gl_kc"), 0);
}

TEST_F(SummaryTest, CategoryLimitsTheFinalListOnly)
{
    Sql(S("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_key) values ('甲',1,3,'1100',3)"));
    Goods(QStringLiteral("A"), QStringLiteral("1100"));
    Goods(QStringLiteral("B"));
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-05 10:00"), QStringLiteral("A"), 1, 10, 1, 10);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-05 10:00"), QStringLiteral("B"), 1, 10, 1, 10);
    auto rows = Summary(false, false, QStringLiteral("1100"));
    EXPECT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.count(QStringLiteral("A")), 1u);
    EXPECT_GT(Count(QStringLiteral("jxc_jxchz"), QStringLiteral("g_sn='B' and hz_glkc=1")), 0);
}

TEST(DifferenceRule, RepairsOutsideOneCentRoundedOrWhenAsked)
{
    const struct {
        const char* goods;
        double difference;
        bool evenWithout;
        bool repaired;
    } cases[] = { { "A", 1.01, false, true }, { "A", 1.00, false, false }, { "A", -1.004, false, false },
        { "A", -1.006, false, true }, { "A", 1.00, true, true }, { "00000000", 50, true, false } };
    for (const auto& c : cases)
        EXPECT_EQ(NeedsDifferenceRepair(QString::fromLatin1(c.goods), c.difference, c.evenWithout), c.repaired)
            << c.goods << " " << c.difference;
}

class DifferenceCheckTest : public SummaryTest {
protected:
    // A goods-in of 10 at 10 whose stored running balance drifted, and a carried row
    // after it.
    void Drifted()
    {
        Goods(QStringLiteral("A"));
        Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-02 10:00"), QStringLiteral("A"), 10, 100, 10, 97);
        Ledger(QStringLiteral("qc"), QStringLiteral("2024-03-03 10:00"), QStringLiteral("A"), 0, 0, 10, 97);
        Sql(S("update jxc_goodslist set ghs_name='期初结转' where gl_flag='qc'"));
        fixture::SetWarehouseStock(QStringLiteral("A"), QStringLiteral("100001"), 10, 9.7, 10);
    }
};

TEST_F(DifferenceCheckTest, RepairWalksTheLedgerAndDropsCarriedRows)
{
    Drifted();
    UpdateGoodsLedger(QStringLiteral("A"), QStringLiteral("100001"), QDate(2024, 3, 1), QStringLiteral("0"));
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='qc'")), 0);
    EXPECT_EQ(Rows(QStringLiteral("select gl_kc,gl_kczje from jxc_goodslist where g_sn='A'")),
        QStringList { QStringLiteral("10 100") });
}

TEST_F(DifferenceCheckTest, WindowRepairsAfterYesAndLeavesAllOnNo)
{
    Drifted();
    ShowSummaryDiff = QStringLiteral("True");
    TF_Jxchz w;
    w.Activate();
    ASSERT_TRUE(w.chkCbj->isChecked());
    EXPECT_FALSE(w.btn_Jgtb->isHidden());
    ASSERT_TRUE(TF_Jxchz::Rows().Locate(QStringLiteral("g_sn"), QStringLiteral("A")));
    EXPECT_DOUBLE_EQ(TF_Jxchz::Rows().AsFloat(QStringLiteral("ceje")), 3);

    prompt.OnModal(QStringLiteral("TF_Jxctj_Cehd"), [](QDialog* d) {
        static_cast<TF_Jxctj_Cehd*>(d)->btnSaveClick();
        return 0;
    });
    prompt.Answer(Prompt::Answer::No);
    w.btn_JgtbClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='qc'")), 1);

    prompt.OnModal(QStringLiteral("TF_Jxctj_Cehd"), [](QDialog* d) {
        static_cast<TF_Jxctj_Cehd*>(d)->btnSaveClick();
        return 0;
    });
    prompt.Answer(Prompt::Answer::Yes);
    w.btn_JgtbClick();
    EXPECT_EQ(prompt.LastMessage(), S("单价同步完成！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='qc'")), 0);
    ASSERT_TRUE(TF_Jxchz::Rows().Locate(QStringLiteral("g_sn"), QStringLiteral("A")));
    EXPECT_DOUBLE_EQ(TF_Jxchz::Rows().AsFloat(QStringLiteral("ceje")), 0);
}

TEST_F(SummaryTest, AmountModeWithoutCostRightHidesValuesAndDifference)
{
    ShowCostPrice = false;
    ShowSummaryDiff = QStringLiteral("True");
    TF_Jxchz w;
    w.Activate();
    EXPECT_FALSE(w.chkCbj->isChecked());
    EXPECT_TRUE(w.btn_Jgtb->isHidden());
    EXPECT_FALSE(w.btn_Prin->isEnabled());
    for (const char* f : { "gl_kczje", "rkzje", "glkczje" })
        EXPECT_FALSE(w.cxGrid2View->ColumnVisible(w.cxGrid2View->ColumnByField(QString::fromLatin1(f)))) << f;
}

} // namespace
