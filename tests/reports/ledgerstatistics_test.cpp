#include "reports/ledgerstatistics.h"
#include "statsfixture.h"

#include <gtest/gtest.h>

namespace {

class LedgerStatisticsTest : public StatsTest {
protected:
    LedgerChoice March(const QString& partner = QString()) const
    {
        LedgerChoice c;
        c.from = QDate(2024, 3, 1);
        c.to = QDate(2024, 3, 20);
        c.partner = partner;
        return c;
    }
    QStringList Numbers(const QString& sql)
    {
        QStringList n = Values(sql, QStringLiteral("gl_djh"));
        n.sort();
        return n;
    }
};

TEST_F(LedgerStatisticsTest, DeliveryStatementNetsReturnsAndFollowsThePartner)
{
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 10 });
    Ledger({ "xt", "XT1", "2024-03-03 09:00", "T1", "K1", -1, 3 });
    Ledger({ "xs", "XS2", "2024-03-04 09:00", "T1", "K2", 1, 50 });
    Ledger({ "ly", "LY1", "2024-03-05 09:00", "T1", "01", 2, 4 });
    Ledger({ "lt", "LT1", "2024-03-06 09:00", "T1", "01", -1, 4 });
    // A row at 23:59 of the last day still belongs to the period.
    Ledger({ "xs", "XS3", "2024-03-20 23:59", "T1", "K1", 1, 1 });
    Ledger({ "cj", "CJ1", "2024-03-05 09:00", "T1", "G1", 5, 2 });

    const QString k1 = PartnerStatementSql(StatementSide::Delivery, March(QStringLiteral("K1")));
    EXPECT_EQ(Numbers(k1), (QStringList { "XS1", "XS3", "XT1" }));
    EXPECT_DOUBLE_EQ(Sum(k1, QStringLiteral("gl_zje")), 8);
    EXPECT_DOUBLE_EQ(Sum(k1, QStringLiteral("gl_sl")), 1);

    const QString dept = PartnerStatementSql(StatementSide::Delivery, March(QStringLiteral("d01")));
    EXPECT_EQ(Numbers(dept), (QStringList { "LT1", "LY1" }));
    EXPECT_EQ(Numbers(PartnerStatementSql(StatementSide::Delivery, March())),
        (QStringList { "LT1", "LY1", "XS1", "XS2", "XS3", "XT1" }));
    EXPECT_EQ(Numbers(PartnerStatementSql(StatementSide::Receiving, March())), QStringList { "CJ1" });
}

TEST_F(LedgerStatisticsTest, StatementCategoryIncludesSubCategoriesAndTextIsMadeSafe)
{
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 10 });
    Ledger({ "xs", "XS2", "2024-03-02 09:00", "Q1", "K1", 1, 10 });
    LedgerChoice c = March();
    c.category = QStringLiteral("20");
    EXPECT_EQ(Numbers(PartnerStatementSql(StatementSide::Delivery, c)), (QStringList { "XS1", "XS2" }));
    c.category = QStringLiteral("2001");
    EXPECT_EQ(Numbers(PartnerStatementSql(StatementSide::Delivery, c)), QStringList { "XS2" });
    c.category.clear();
    c.goodsText = S("长' or '1'='1");
    EXPECT_TRUE(Numbers(PartnerStatementSql(StatementSide::Delivery, c)).isEmpty());
}

TEST_F(LedgerStatisticsTest, GoodsOutKeepsDepartmentsWithoutHandlerAndDropsUnknownCustomers)
{
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 10, "业务甲" });
    Ledger({ "xs", "XS2", "2024-03-02 10:00", "T1", "K1", 1, 10, nullptr });
    Ledger({ "xs", "XS3", "2024-03-02 11:00", "T1", "K1", 1, 10, "业务甲乙" });
    Ledger({ "xs", "XS4", "2024-03-02 12:00", "T1", "K9", 1, 10, "业务甲" });
    Ledger({ "ly", "LY1", "2024-03-03 09:00", "T1", "01", 1, 4, nullptr });
    Ledger({ "ly", "LY2", "2024-03-03 10:00", "T1", "01", 1, 4, "业务乙" });

    LedgerChoice c = March();
    EXPECT_EQ(Numbers(MovementStatisticsSql(MovementKind::GoodsOut, c)), (QStringList { "LY1", "LY2", "XS1", "XS3" }));
    c.handler = S("业务甲");
    EXPECT_EQ(Numbers(MovementStatisticsSql(MovementKind::GoodsOut, c)), (QStringList { "XS1", "XS3" }));
    c.handler.clear();
    c.partner = QStringLiteral("d01");
    EXPECT_EQ(Numbers(MovementStatisticsSql(MovementKind::GoodsOut, c)), (QStringList { "LY1", "LY2" }));
    c.partner = QStringLiteral("K1");
    EXPECT_EQ(Numbers(MovementStatisticsSql(MovementKind::GoodsOut, c)), (QStringList { "XS1", "XS3" }));

    // The document number is searched in the sales half only.
    c.partner.clear();
    c.goodsText = QStringLiteral("XS3");
    EXPECT_EQ(Numbers(MovementStatisticsSql(MovementKind::GoodsOut, c)), QStringList { "XS3" });
    c.goodsText = QStringLiteral("LY2");
    EXPECT_TRUE(Numbers(MovementStatisticsSql(MovementKind::GoodsOut, c)).isEmpty());
}

TEST_F(LedgerStatisticsTest, ReturnMembersShowNegativeTotals)
{
    Ledger({ "ct", "CT1", "2024-03-02 09:00", "T1", "G1", -2, 5 });
    Ledger({ "st", "ST1", "2024-03-02 09:00", "T1", "01", -1, 5 });
    Ledger({ "xt", "XT1", "2024-03-02 09:00", "T1", "K1", -3, 5 });
    Ledger({ "lt", "LT1", "2024-03-02 09:00", "T1", "01", -1, 5 });
    Ledger({ "cj", "CJ1", "2024-03-02 09:00", "T1", "G1", 4, 5 });
    Ledger({ "sc", "SC1", "2024-03-02 09:00", "Q1", "01", 1, 5 });
    struct Case {
        MovementKind kind;
        QStringList numbers;
        double qty;
    } cases[] = {
        { MovementKind::GoodsBack, { "CT1", "ST1" }, -3 },
        { MovementKind::ReturnToStock, { "LT1", "XT1" }, -4 },
        { MovementKind::GoodsIn, { "CJ1", "SC1" }, 5 },
    };
    for (const Case& k : cases) {
        const QString sql = MovementStatisticsSql(k.kind, March());
        EXPECT_EQ(Numbers(sql), k.numbers);
        EXPECT_DOUBLE_EQ(Sum(sql, QStringLiteral("gl_sl")), k.qty);
        EXPECT_DOUBLE_EQ(Sum(sql, QStringLiteral("gl_zje")), k.qty * 5);
    }
    EXPECT_EQ(
        Numbers(MovementStatisticsSql(MovementKind::GoodsIn, March(QStringLiteral("d01")))), QStringList { "SC1" });
}

TEST_F(LedgerStatisticsTest, DeliveryCostListsDeliveriesOnlyAndMatchesTheCategoryExactly)
{
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 2, 10, "业务甲", 6 });
    Ledger({ "xt", "XT1", "2024-03-02 09:00", "T1", "K1", -1, 10, "业务甲", 6 });
    Ledger({ "ly", "LY1", "2024-03-02 09:00", "T1", "01", 1, 0, "业务甲", 6 });
    Ledger({ "lt", "LT1", "2024-03-02 09:00", "T1", "01", -1, 0, "业务甲", 6 });
    Ledger({ "ly", "LY2", "2024-03-02 09:00", "Q1", "01", 3, 0, "业务甲", 7 });

    EXPECT_EQ(Numbers(DeliveryCostLinesSql(March())), (QStringList { "LY1", "LY2", "XS1" }));
    EXPECT_EQ(Numbers(DeliveryCostLinesSql(March(QStringLiteral("d01")))), (QStringList { "LY1", "LY2" }));
    EXPECT_EQ(Numbers(DeliveryCostLinesSql(March(QStringLiteral("K1")))), QStringList { "XS1" });
    const QString summary = DeliveryCostSummarySql(March(QStringLiteral("d01")));
    EXPECT_DOUBLE_EQ(Sum(summary, QStringLiteral("zje")), 6 + 21);

    LedgerChoice c = March();
    c.category = QStringLiteral("20");
    EXPECT_EQ(Numbers(DeliveryCostLinesSql(c)), (QStringList { "LY1", "XS1" }));
    EXPECT_DOUBLE_EQ(Sum(DeliveryCostSummarySql(c), QStringLiteral("zsl")), 3);
    // Gross profit takes the sub-categories along.
    Ledger({ "xs", "XS2", "2024-03-02 09:00", "Q1", "K1", 1, 10, "业务甲", 4 });
    EXPECT_EQ(Numbers(GrossProfitLinesSql(c)), (QStringList { "XS1", "XS2", "XT1" }));
    EXPECT_DOUBLE_EQ(Sum(GrossProfitSummarySql(c), QStringLiteral("zlr")), 8 - 4 + 6);
}

TEST_F(LedgerStatisticsTest, GrossProfitRateOfAFreeSaleIsZero)
{
    Ledger({ "xs", "XS1", "2024-03-02 09:00", "T1", "K1", 1, 0, "业务甲", 5 });
    Ledger({ "xs", "XS2", "2024-03-02 09:00", "Q1", "K1", 2, 10, "业务甲", 5 });
    Ledger({ "xs", "XS3", "2024-03-02 09:00", "Q1", "K9", 2, 10, "业务甲", 5 });
    const QString lines = GrossProfitLinesSql(March());
    EXPECT_EQ(Numbers(lines), (QStringList { "XS1", "XS2" }));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,lrl from (") + lines + QStringLiteral(") t order by gl_djh")),
        (QStringList { "XS1 0", "XS2 50" }));
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,lrl from (") + GrossProfitSummarySql(March())
                  + QStringLiteral(") t order by g_sn")),
        (QStringList { "Q1 50", "T1 0" }));
}

} // namespace
