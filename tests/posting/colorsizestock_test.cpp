#include "postingtest.h"

#include "posting/colorsizestock.h"

using namespace fixture;

namespace {

class ColorSizeStockTest : public PostingTest {
protected:
    double Stock(const QString& colour, const QString& size, const QString& warehouse = QStringLiteral("100001"))
    {
        return Number(
            QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and color_sn='%1' and cm_sn='%2' and ck_sn='%3'")
                .arg(colour, size, warehouse));
    }
    int TkcRows() { return Count(QStringLiteral("jxc_tkc"), QStringLiteral("g_sn='G1'")); }
};

TEST_F(ColorSizeStockTest, AddingAndSubtractingSetTheTotalsFromTheColourBySizeStock)
{
    // Stale totals and stock elsewhere: the colour-by-size stock overrides them.
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 99, 5, 99);
    Sql(QStringLiteral("update jxc_goods set g_kc=77 where g_sn='G1'"));
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values ('G1','S','R','W2',4)"));
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values ('G1','S','R','100001',1)"));
    AddDocument({ Trade::GoodsIn, QStringLiteral("CJ2405100001"), QStringLiteral("2024-05-10 09:00"), {}, {}, {}, 0,
        { { QStringLiteral("G1"), 5, 10,
            { { QStringLiteral("R"), QStringLiteral("S"), 3 }, { QStringLiteral("B"), QStringLiteral("M"), 2 } } } } });

    AddColorSizeStock(QStringLiteral("jxc_jhspmx"), QStringLiteral("CJ2405100001"), QStringLiteral("100001"));
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("S")), 4);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("M")), 2); // never stocked: inserted
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("W2")), 4);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 10);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")), 6);

    // A sale of a combination never stocked in the warehouse goes below 0 there.
    AddDocument({ Trade::Sale, QStringLiteral("XS2405100001"), QStringLiteral("2024-05-10 09:30"), {},
        QStringLiteral("W2"), {}, 0,
        { { QStringLiteral("G1"), 3, 20,
            { { QStringLiteral("B"), QStringLiteral("S"), 1 }, { QStringLiteral("R"), QStringLiteral("S"), 2 } } } } });
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 50, 5, 50);
    SubColorSizeStock(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("XS2405100001"), QStringLiteral("W2"));
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("S"), QStringLiteral("W2")), -1);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("W2")), 2);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='W2'")), 1);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 7);
    // The other warehouse's total was not touched by the second document.
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")), 6);
}

TEST_F(ColorSizeStockTest, PerRowVariantsUseEachRowsWarehouse)
{
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 0, 0, 0);
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 0, 0, 0);
    Sql(QStringLiteral("insert into jxc_cfspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,ck_sn,tid) values "
                       "('CF1','G1','S','R',2,'100001',1),('CF1','G1','M','B',5,'W2',1)"));
    AddColorSizeStockPerRow(QStringLiteral("jxc_cfspmx"), QStringLiteral("CF1"));
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("S")), 2);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("M"), QStringLiteral("W2")), 5);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='W2'")), 5);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 7);

    SubColorSizeStockPerRow(QStringLiteral("jxc_cfspmx"), QStringLiteral("CF1"));
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("M"), QStringLiteral("W2")), 0);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")), 0);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 0);
}

TEST_F(ColorSizeStockTest, StockTakeSetsCountedGoodsAndRestoresTheBookQuantities)
{
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 10, 5, 10);
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values "
                       "('G1','S','R','100001',4),('G1','S','B','100001',6),('G1','S','B','W2',3)"));
    // Red counted (one row not yet linked to a line is left out); blue not counted.
    Sql(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,tid) values "
                       "('PD1','G1','S','R',7,4,1),('PD1','G1','M','R',1,0,1),('PD1','G1','M','B',9,0,0)"));

    SetStockTakeSizeColorStock(QStringLiteral("jxc_kcpdspmx"), QStringLiteral("PD1"), QStringLiteral("100001"));
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("S")), 7);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("M")), 1);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("S")), 0);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("M")), 0);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("S"), QStringLiteral("W2")), 3);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")), 8);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 11);

    // The reversal puts the counted rows back; what the zeroing cleared stays cleared.
    RestoreStockTakeSizeColorStock(QStringLiteral("jxc_kcpdspmx"), QStringLiteral("PD1"), QStringLiteral("100001"));
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("S")), 4);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("R"), QStringLiteral("M")), 0);
    EXPECT_DOUBLE_EQ(Stock(QStringLiteral("B"), QStringLiteral("S")), 0);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")), 4);
}

TEST_F(ColorSizeStockTest, NegativeCheckSumsTheDocumentsRowsPerCombination)
{
    AllowZeroStockOut = QStringLiteral("False");
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values ('G1','S','R','100001',3),"
                       "('G1','M','B','100001',0.3)"));
    // Two rows of 2 against 3 in stock; 0.1 + 0.2 against 0.3 leaves nothing short.
    AddDocument({ Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-10 09:00"), {}, {}, {}, 0,
        { { QStringLiteral("G1"), 2, 20, { { QStringLiteral("R"), QStringLiteral("S"), 2 } } },
            { QStringLiteral("G1"), 2, 20, { { QStringLiteral("R"), QStringLiteral("S"), 2 } } },
            { QStringLiteral("G1"), 0.3, 20,
                { { QStringLiteral("B"), QStringLiteral("M"), 0.1 },
                    { QStringLiteral("B"), QStringLiteral("M"), 0.2 } } },
            // a combination without a stock row in the warehouse is not reported
            { QStringLiteral("G1"), 5, 20, { { QStringLiteral("B"), QStringLiteral("S"), 5 } } } } });

    EXPECT_EQ(CheckNegativeSizeColorStock(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("100001"),
                  QStringLiteral("XS1"), QStringLiteral("出库")),
        QStringLiteral("G1 衬衫 颜色：红 尺码：小码\r\n\r\n库存出现负数，不能出库"));
    EXPECT_EQ(CheckNegativeSizeColorStock(
                  QStringLiteral("jxc_lsxsspmx"), QStringLiteral("W2"), QStringLiteral("XS1"), QStringLiteral("出库")),
        QString());
    AllowZeroStockOut = QStringLiteral("True");
    EXPECT_EQ(CheckNegativeSizeColorStock(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("100001"),
                  QStringLiteral("XS1"), QStringLiteral("出库")),
        QString());
}

TEST_F(ColorSizeStockTest, DetailIsCopiedBesideEachLedgerRowOfItsLine)
{
    const auto lines = AddDocument({ Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-10 09:00"), {}, {},
        {}, 1,
        { { QStringLiteral("G1"), 3, 10,
              { { QStringLiteral("R"), QStringLiteral("S"), 1 }, { QStringLiteral("B"), QStringLiteral("M"), 2 } } },
            { QStringLiteral("G1"), 4, 11, { { QStringLiteral("R"), QStringLiteral("M"), 4 } } } } });
    AddLedgerRow({ QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-10 09:00"),
        QStringLiteral("G1"), QStringLiteral("100001"), 3, 30, 10, 0, lines[0] });
    AddLedgerRow({ QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-10 09:00"),
        QStringLiteral("G1"), QStringLiteral("100001"), 4, 44, 11, 0, lines[1] });

    CopyDetailToGoodsListMx(QStringLiteral("jxc_jhspmx"), QStringLiteral("CJ1"));
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_flag,color_sn,cm_sn,gl_sl,gl_dj,ck_sn,gl_djh from jxc_goodslistmx order by id")),
        QStringList({ QStringLiteral("cj R S 1 10 100001 CJ1"), QStringLiteral("cj B M 2 10 100001 CJ1"),
            QStringLiteral("cj R M 4 11 100001 CJ1") }));
    EXPECT_EQ(Column(QStringLiteral("select tid from jxc_goodslistmx order by id")),
        QStringList({ QString::number(lines[0]), QString::number(lines[0]), QString::number(lines[1]) }));
}

TEST_F(ColorSizeStockTest, GoodsAverageIsWeightedByBookQuantity)
{
    EXPECT_EQ(GoodsAverageCost(QStringLiteral("G1")), QStringLiteral("-1")); // no stock rows
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 0, 5, 10);
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 0, 7.005, 30);
    EXPECT_EQ(GoodsAverageCost(QStringLiteral("G1")), QStringLiteral("6.5"));
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 0, 7, -10);
    EXPECT_EQ(GoodsAverageCost(QStringLiteral("G1")), QStringLiteral("-1"));
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 0, 7, -20);
    EXPECT_EQ(GoodsAverageCost(QStringLiteral("G1")), QStringLiteral("9")); // (50 - 140) / -10, made absolute
}

} // namespace
