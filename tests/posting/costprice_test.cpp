#include "postingtest.h"

#include "posting/costprice.h"

using namespace fixture;

namespace {

class CostPriceTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        CostMethod = QStringLiteral("1");
    }
    qint64 LedgerWithAverage(const QString& kind, const QString& date, double average)
    {
        const qint64 id = AddLedgerRow({ kind, QStringLiteral("D"), date, QStringLiteral("G1") });
        Sql(QStringLiteral("update jxc_goodslist set gl_pjjj=%1 where id=%2").arg(average).arg(id));
        return id;
    }
    void Batch(const QString& kind, const QString& doc, const QString& date, double open, double price,
        const QString& warehouse, int lineId)
    {
        Sql(QStringLiteral(
            "insert into jxc_rklist (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,gl_zje,ck_sn,gl_sysl,gl_dqkc,id2) "
            "values ('%1','%2','%3','G1',%4,%5,%4*%5,'%6',%5,0,%7)")
                .arg(kind, doc, date)
                .arg(price)
                .arg(open)
                .arg(warehouse)
                .arg(lineId));
    }
    QStringList Batches() { return Rows(QStringLiteral("select gl_djh,ck_sn,gl_sysl from jxc_rklist order by id")); }
    QStringList Records()
    {
        return Rows(QStringLiteral(
            "select gl_flag,gl_djh,gl_kdrq,gl_sl,gl_cbj,gl_zcb,gl_djh2,rkid from jxc_cklist order by id"));
    }
    // A pending sale of G1 with its line's id2 set as approval sets it.
    QString SaleLine(double qty, double cost)
    {
        const auto ids = AddDocument({ Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-10 09:00"), {}, {},
            {}, 1, { { QStringLiteral("G1"), qty, 20 } } });
        Sql(QStringLiteral("update jxc_lsxssp set id2=id,ls_cbj=%1,ls_zcb=%2").arg(cost).arg(cost * qty));
        return QString::number(ids[0]);
    }
    void Sell(const QString& line, double qty)
    {
        ConsumeFifoBatches(QStringLiteral("XS1"), QStringLiteral("G1"), QStringLiteral("100001"),
            QStringLiteral("2024-05-10 09:00"), line, QStringLiteral("xs"), qty);
    }
    std::vector<double> LineCost()
    {
        return Numbers(QStringLiteral("select ls_cbj,ls_zcb from jxc_lsxssp where gl_djh='XS1'"));
    }
};

TEST_F(CostPriceTest, CostPriceLookups)
{
    AddGoods({ QStringLiteral("FX"), QStringLiteral("定价"), {}, {}, 12.345, 3, true });
    LedgerWithAverage(QStringLiteral("cj"), QStringLiteral("2024-05-09 18:00"), 6);
    LedgerWithAverage(QStringLiteral("cj"), QStringLiteral("2024-05-10 11:00"), 9); // later today than 10:20:30
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 0, 7.777, 0);
    Sql(QStringLiteral("update jxc_goods set g_pjjj=4.444 where g_sn='G1'"));

    EXPECT_DOUBLE_EQ(GetCostPrice(QStringLiteral("FX"), QStringLiteral("100001"), QStringLiteral("2024-05-10")), 12.35);
    EXPECT_DOUBLE_EQ(GetCostPrice(QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-10")), 6);
    EXPECT_DOUBLE_EQ(
        GetCostPrice(QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-10 12:00")), 9);
    EXPECT_DOUBLE_EQ(GetCostPrice(QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-01")), 7.78);
    EXPECT_DOUBLE_EQ(GetCostPrice(QStringLiteral("G1"), QStringLiteral("W2"), QStringLiteral("2024-05-10")), 4.44);
    UseStockCostOnly = QStringLiteral("True");
    EXPECT_DOUBLE_EQ(
        GetCostPrice(QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-10 12:00")), 7.78);
}

TEST_F(CostPriceTest, CostAtARowTakesTheRowsBeforeIt)
{
    LedgerWithAverage(QStringLiteral("cj"), QStringLiteral("2024-05-08 09:00"), 3);
    LedgerWithAverage(QStringLiteral("qc"), QStringLiteral("2024-05-09 09:00"), 4);
    const qint64 sameMoment = LedgerWithAverage(QStringLiteral("cj"), QStringLiteral("2024-05-10 09:00"), 5);
    LedgerWithAverage(QStringLiteral("qc"), QStringLiteral("2024-05-10 09:00"), 6);
    const qint64 row = LedgerWithAverage(QStringLiteral("xs"), QStringLiteral("2024-05-10 09:00"), 7);
    const QString t = QStringLiteral("2024-05-10 09:00");
    EXPECT_DOUBLE_EQ(GetCostPriceAt(QStringLiteral("G1"), QStringLiteral("100001"), t, QString::number(row)), 5);
    // Before the first row of the moment: the last row before it that is no opening entry.
    EXPECT_DOUBLE_EQ(GetCostPriceAt(QStringLiteral("G1"), QStringLiteral("100001"), t, QString::number(sameMoment)), 3);
    Sql(QStringLiteral("delete from jxc_goodslist where gl_kdrq<'2024-05-09'"));
    EXPECT_DOUBLE_EQ(GetCostPriceAt(QStringLiteral("G1"), QStringLiteral("100001"), t, QString::number(sameMoment)), 4);
    Sql(QStringLiteral("delete from jxc_goodslist where gl_kdrq<'2024-05-10'"));
    EXPECT_DOUBLE_EQ(GetCostPriceAt(QStringLiteral("G1"), QStringLiteral("100001"), t, QString::number(sameMoment)), 7);
}

TEST_F(CostPriceTest, SaleTakesTheOldestBatchesFirstAndGivingBackRestoresThem)
{
    Batch(QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-01"), 3, 10, QStringLiteral("100001"),
        101);
    Batch(QStringLiteral("xt"), QStringLiteral("XT1"), QStringLiteral("2024-05-02"), 5, 12, QStringLiteral("100001"),
        102);
    // Another document's batch with the same line id: never touched through the other's records.
    Batch(QStringLiteral("cj"), QStringLiteral("CJ2"), QStringLiteral("2024-05-03"), 1, 20, QStringLiteral("W2"), 101);
    const QString line = SaleLine(6, 9);

    Sell(line, 6);
    EXPECT_EQ(Records(),
        QStringList({ QStringLiteral("xs XS1 2024-05-10 3 10 30 CJ1 101"),
            QStringLiteral("xs XS1 2024-05-10 3 12 66 XT1 102") }));
    EXPECT_EQ(Batches(),
        QStringList({ QStringLiteral("CJ1 100001 0"), QStringLiteral("XT1 100001 2"), QStringLiteral("CJ2 W2 1") }));
    EXPECT_EQ(LineCost(), (std::vector<double> { 11, 66 }));

    GiveBackFifoConsumption(QStringLiteral("XS1"));
    EXPECT_EQ(Batches(),
        QStringList({ QStringLiteral("CJ1 100001 3"), QStringLiteral("XT1 100001 5"), QStringLiteral("CJ2 W2 1") }));
    EXPECT_TRUE(Records().isEmpty());
    // Posting again takes the same batches once, not twice.
    Sell(line, 6);
    EXPECT_EQ(Batches(),
        QStringList({ QStringLiteral("CJ1 100001 0"), QStringLiteral("XT1 100001 2"), QStringLiteral("CJ2 W2 1") }));
}

TEST_F(CostPriceTest, SaleBeyondTheWarehousesBatches)
{
    struct Case {
        const char* name;
        bool batchElsewhere;
        double qty;
        QStringList records;
        std::vector<double> line; // ls_cbj, ls_zcb
    };
    const Case cases[] = {
        { "batch in another warehouse", true, 3, { QStringLiteral("xs XS1 2024-05-10 3 10 30 CJ1 7") }, { 10, 30 } },
        { "part from a batch, the rest at the line's cost", true, 6,
            { QStringLiteral("xs XS1 2024-05-10 4 10 40 CJ1 7") }, { 58.0 / 6, 58 } },
        { "no batch anywhere", false, 2, {}, { 9, 18 } },
        { "quantity 0", true, 0, {}, { 9, 0 } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sql(QStringLiteral("delete from jxc_rklist"));
        Sql(QStringLiteral("delete from jxc_cklist"));
        Sql(QStringLiteral("delete from jxc_lsxssp"));
        Sql(QStringLiteral("delete from jxc_lsxsd"));
        if (c.batchElsewhere)
            Batch(QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-01"), 4, 10,
                QStringLiteral("W2"), 7);
        const QString line = SaleLine(c.qty, 9);
        Sell(line, c.qty);
        EXPECT_EQ(Records(), c.records);
        const auto got = LineCost();
        ASSERT_EQ(got.size(), 2u);
        EXPECT_NEAR(got[0], c.line[0], 1e-8);
        EXPECT_NEAR(got[1], c.line[1], 1e-8);
    }
}

TEST_F(CostPriceTest, PurchaseReturnTakesItsGoodsInsBatchesFirst)
{
    Batch(
        QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-01"), 5, 10, QStringLiteral("100001"), 1);
    Batch(QStringLiteral("cj"), QStringLiteral("CJ2"), QStringLiteral("2024-05-03"), 5, 12, QStringLiteral("W2"), 2);
    ConsumeFifoBatchesOfDoc(QStringLiteral("CT1"), QStringLiteral("G1"), QStringLiteral("100001"),
        QStringLiteral("2024-05-10 09:00"), QStringLiteral("44"), QStringLiteral("CJ2"), 7);
    EXPECT_EQ(Records(),
        QStringList(
            { QStringLiteral("ct CT1 2024-05-10 5 12 60 CJ2 2"), QStringLiteral("ct CT1 2024-05-10 2 10 20 CJ1 1") }));
    EXPECT_EQ(Batches(), QStringList({ QStringLiteral("CJ1 100001 3"), QStringLiteral("CJ2 W2 0") }));
}

TEST_F(CostPriceTest, GoodsInCreatesOneBatchPerStockedLine)
{
    const auto ids = AddDocument({ Trade::GoodsIn, QStringLiteral("CJ5"), QStringLiteral("2024-05-10 09:15"), {},
        QStringLiteral("W2"), {}, 1,
        { { QStringLiteral("G1"), 4, 2.5 }, { QStringLiteral("G1"), 0, 3 }, { QStringLiteral("00000000"), 1, -2 } } });
    CreateGoodsInBatches(QStringLiteral("CJ5"));
    EXPECT_EQ(Rows(QStringLiteral(
                  "select gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,gl_zje,ck_sn,gl_sysl,gl_dqkc,id2 from jxc_rklist")),
        QStringList({ QStringLiteral("cj CJ5 2024-05-10 G1 2.5 4 10 W2 4 0 %1").arg(ids[0]) }));
}

TEST_F(CostPriceTest, SalesReturnIsPricedAtTheLastPurchasePriceUpToItsDay)
{
    AddDocument({ Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-01 09:00"), {}, {}, {}, 1,
        { { QStringLiteral("G1"), 1, 8 } } });
    AddDocument({ Trade::GoodsIn, QStringLiteral("CJ2"), QStringLiteral("2024-05-10 09:00"), {}, {}, {}, 1,
        { { QStringLiteral("G1"), 1, 9 } } });
    AddDocument({ Trade::GoodsIn, QStringLiteral("CJ3"), QStringLiteral("2024-05-11 09:00"), {}, {}, {}, 1,
        { { QStringLiteral("G1"), 1, 10 } } });
    AddDocument({ Trade::GoodsIn, QStringLiteral("CJ4"), QStringLiteral("2024-04-01 09:00"), {}, {}, {}, 0,
        { { QStringLiteral("G1"), 1, 1 } } });
    AddDocument({ Trade::SalesReturn, QStringLiteral("XT1"), QStringLiteral("2024-05-10 12:00"), {}, {}, {}, 1,
        { { QStringLiteral("G1"), 2, 20 }, { QStringLiteral("G1"), 1, 20 } } });
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 0, 7, 0);
    auto price = [&] {
        GetLastPurchasePrice(QStringLiteral("XT1"), QStringLiteral("G1"), QStringLiteral("100001"),
            QStringLiteral("2024-05-10 12:00"), QStringLiteral("0"), QStringLiteral("xt"), 0);
        return Rows(QStringLiteral("select th_cbj,th_zcb from jxc_xsthsp order by id"));
    };
    EXPECT_EQ(price(), QStringList({ QStringLiteral("8 16"), QStringLiteral("8 8") }));
    // A goods-in later on the same day counts as after the day.
    Sql(QStringLiteral("update jxc_jhd set j_status=0 where gl_djh='CJ1'"));
    EXPECT_EQ(price(), QStringList({ QStringLiteral("9 18"), QStringLiteral("9 9") }));
    Sql(QStringLiteral("update jxc_jhd set j_status=0"));
    EXPECT_EQ(price(), QStringList({ QStringLiteral("7 14"), QStringLiteral("7 7") }));
}

} // namespace
