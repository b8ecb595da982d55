#include "postingtest.h"

#include "posting/movingaverage.h"

using namespace fixture;

namespace {

class MovingAverageTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 0, 0, 0);
    }
    qint64 Row(const QString& kind, const QString& doc, const QString& date, double qty, double amount, double cost = 0,
        const QString& goods = QStringLiteral("G1"), const QString& warehouse = QStringLiteral("100001"))
    {
        return AddLedgerRow({ kind, doc, date, goods, warehouse, qty, amount, qty ? amount / qty : 0, cost });
    }
    // gl_sqsl, gl_sqje, gl_kc, gl_kczje, gl_pjjj of a row.
    std::vector<double> Running(qint64 id)
    {
        return Numbers(
            QStringLiteral("select gl_sqsl,gl_sqje,gl_kc,gl_kczje,gl_pjjj from jxc_goodslist where id=%1").arg(id));
    }
    void Walk(qint64 id, const char* flag = "0") { RecalcMovingAverageCost(QString::number(id), QLatin1String(flag)); }
};

TEST_F(MovingAverageTest, RunningColumnsOfTheWalk)
{
    struct Step {
        const char* kind;
        double qty, amount, cost;
    };
    struct Case {
        const char* name;
        int qtyDecimals;
        std::vector<Step> steps;
        std::vector<double> last; // running columns of the last row
    };
    const Case cases[] = {
        { "goods-in onto stock", 2, { { "qc", 10, 50, 0 }, { "cj", 10, 70, 0 } }, { 10, 50, 20, 120, 6 } },
        { "sold out keeps the average", 2, { { "cj", 5, 40, 0 }, { "xs", 5, 100, 40 } }, { 5, 40, 0, 0, 8 } },
        { "negative balance counts the goods-in twice", 2, { { "qc", -5, -50, 0 }, { "cj", 3, 45, 0 } },
            { -5, -50, -2, -25.45, 140.0 / 11 } },
        { "quantity decimals", 0, { { "cj", 2.4, 24, 0 } }, { 0, 0, 2, 24, 12 } },
        { "a gift exchange leaves at its carried cost", 2, { { "cj", 10, 60, 0 }, { "dh", 3, 18, 0 } },
            { 10, 60, 7, 42, 6 } },
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QtyDecimals = c.qtyDecimals;
        const QString goods = QStringLiteral("M%1").arg(++n);
        AddGoods({ goods, goods, {}, {} });
        SetWarehouseStock(goods, QStringLiteral("100001"), 0, 0, 0);
        qint64 first = 0, last = 0;
        int day = 0;
        for (const Step& s : c.steps) {
            last = Row(QLatin1String(s.kind), QStringLiteral("D%1").arg(day),
                QStringLiteral("2024-05-0%1 09:00").arg(++day), s.qty, s.amount, s.cost, goods);
            if (!first)
                first = last;
        }
        Walk(first);
        const auto got = Running(last);
        ASSERT_EQ(got.size(), 5u);
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(got[i], c.last[i], 1e-8) << "column " << i;
        EXPECT_NEAR(Number(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn='%1'").arg(goods)), c.last[4], 1e-8);
        EXPECT_NEAR(Number(QStringLiteral("select kc_zcb from jxc_kcsp where g_sn='%1'").arg(goods)), c.last[3], 1e-8);
    }
}

TEST_F(MovingAverageTest, BackDatedGoodsInRepricesLaterRowsButNotTheirStoredCost)
{
    const qint64 opening = Row(QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-01 09:00"), 10, 50);
    const qint64 sale = Row(QStringLiteral("xs"), QStringLiteral("XS1"), QStringLiteral("2024-05-03 09:00"), 4, 80, 20);
    const qint64 later = Row(QStringLiteral("cj"), QStringLiteral("CJ3"), QStringLiteral("2024-05-05 09:00"), 10, 80);
    Walk(opening);
    const qint64 back = Row(QStringLiteral("cj"), QStringLiteral("CJ2"), QStringLiteral("2024-05-02 09:00"), 10, 110);
    Walk(back);

    EXPECT_EQ(Running(back), (std::vector<double> { 10, 50, 20, 160, 8 }));
    EXPECT_EQ(Running(sale), (std::vector<double> { 20, 160, 16, 140, 8.75 }));
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select gl_zcb from jxc_goodslist where id=%1").arg(sale)), 20);
    const auto last = Running(later);
    EXPECT_NEAR(last[4], 220.0 / 26, 1e-8);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn='G1'")), last[4]);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_zcb from jxc_kcsp where g_sn='G1'")), 220);
}

TEST_F(MovingAverageTest, ReversalWalkLeavesTheDocumentOut)
{
    Sql(QStringLiteral("update jxc_goods set g_pjjj=4.5 where g_sn='G1'"));
    Sql(QStringLiteral("update jxc_kcsp set kc_cbj=3,kc_zcb=9 where g_sn='G1'"));
    const qint64 a = Row(QStringLiteral("cj"), QStringLiteral("CJ9"), QStringLiteral("2024-05-01 09:00"), 10, 50);
    const qint64 b = Row(QStringLiteral("cj"), QStringLiteral("CJ9"), QStringLiteral("2024-05-01 09:00"), 5, 40);
    Walk(b, "1");
    EXPECT_EQ(Running(a), (std::vector<double> { 0, 0, 0, 0, 0 }));
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn='G1'")), 4.5);
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select kc_zcb from jxc_kcsp where g_sn='G1'")), 0);
}

TEST_F(MovingAverageTest, OneWalkPerGoodsAndWarehouseEqualsOneWalkPerRow)
{
    AddGoods({ QStringLiteral("G2"), QStringLiteral("长裤"), {}, {} });
    SetWarehouseStock(QStringLiteral("G2"), QStringLiteral("W2"), 0, 0, 0);
    const qint64 first1 = Row(QStringLiteral("qc"), QStringLiteral("QC1"), QStringLiteral("2024-05-01 08:00"), 8, 40);
    const qint64 first2 = Row(QStringLiteral("qc"), QStringLiteral("QC1"), QStringLiteral("2024-05-01 08:00"), 3, 36, 0,
        QStringLiteral("G2"), QStringLiteral("W2"));
    Row(QStringLiteral("xs"), QStringLiteral("XS1"), QStringLiteral("2024-05-04 08:00"), 6, 90, 33);
    Row(QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-06 08:00"), 4, 30);
    Row(QStringLiteral("ly"), QStringLiteral("LY1"), QStringLiteral("2024-05-06 08:00"), 2, 0, 11, QStringLiteral("G2"),
        QStringLiteral("W2"));
    Walk(first1);
    Walk(first2);
    // The document: rows of two goods, one of them dated before rows walked already.
    QList<qint64> doc;
    doc << Row(QStringLiteral("ct"), QStringLiteral("D1"), QStringLiteral("2024-05-05 08:00"), -2, -15);
    doc << Row(QStringLiteral("cj"), QStringLiteral("D1"), QStringLiteral("2024-05-02 08:00"), 5, 35, 0,
        QStringLiteral("G2"), QStringLiteral("W2"));
    doc << Row(QStringLiteral("cj"), QStringLiteral("D1"), QStringLiteral("2024-05-03 08:00"), 3, 27);
    for (qint64 id : doc)
        Walk(id);
    const fixture::Snapshot perRow = TakeSnapshot();

    Sql(QStringLiteral(
        "update jxc_goodslist set gl_sqsl=99,gl_sqje=99,gl_kc=99,gl_kczje=99,gl_pjjj=99 where gl_kdrq>='2024-05-02'"));
    Sql(QStringLiteral("update jxc_kcsp set kc_cbj=99,kc_zcb=99"));
    RecalcMovingAverageCostOfDoc(QStringLiteral("D1"), QStringLiteral("0"));
    const fixture::Snapshot perPair = TakeSnapshot();
    EXPECT_TRUE(perRow == perPair) << Difference(perRow, perPair).toStdString();
}

TEST_F(MovingAverageTest, OnePassOverTheLedgerEqualsAWalkPerStockPair)
{
    AddGoods({ QStringLiteral("G2"), QStringLiteral("长裤"), {}, {} });
    Sql(QStringLiteral("update jxc_goods set g_pjjj=7 where g_sn='G2'"));
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("W2"), 0, 0, 0);
    SetWarehouseStock(QStringLiteral("G2"), QStringLiteral("W2"), 0, 0, 0);
    SetWarehouseStock(QStringLiteral("00000000"), QStringLiteral("100001"), 0, 0, 0);
    const struct {
        const char* kind;
        const char* date;
        const char* goods;
        const char* warehouse;
        double qty, amount, cost;
    } rows[] = {
        { "qc", "2024-05-01 08:00", "G1", "100001", 8, 40, 0 },
        { "cj", "2024-05-02 08:00", "G1", "W2", 5, 35, 0 },
        { "xs", "2024-05-03 08:00", "G1", "100001", 6, 90, 33 },
        { "xs", "2024-05-03 09:00", "G2", "W2", 2, 30, 0 }, // sold before any goods-in: the goods' average
        { "cj", "2024-05-04 08:00", "G1", "100001", 4, 30, 0 },
        { "cj", "2024-05-04 08:00", "G2", "W2", 5, 45, 0 },
        { "cj", "2024-05-04 08:00", "G2", "100001", 3, 27, 0 }, // no stock row: not walked
        { "xs", "2024-05-05 08:00", "00000000", "100001", 0, -5, 0 },
        { "ly", "2024-05-06 08:00", "G1", "W2", 2, 0, 14 },
    };
    for (const auto& r : rows)
        Row(QLatin1String(r.kind), QStringLiteral("D"), QLatin1String(r.date), r.qty, r.amount, r.cost,
            QLatin1String(r.goods), QLatin1String(r.warehouse));
    // Every row first gets the values of a walk from the start.
    for (const QString& id :
        SelectColumn(dm->ADOConn, QStringLiteral("select min(id) from jxc_goodslist group by g_sn,ck_sn")))
        RecalcMovingAverageCost(id, QStringLiteral("0"));
    const auto scramble = [this](const QString& from) {
        Sql(QStringLiteral("update jxc_goodslist set gl_sqsl=99,gl_sqje=99,gl_kc=99,gl_kczje=99,gl_pjjj=99 "
                           "where gl_kdrq>='%1'")
                .arg(from));
        Sql(QStringLiteral("update jxc_kcsp set kc_cbj=99,kc_zcb=99"));
    };
    const struct {
        const char* from;
        const char* warehouse;
    } cases[] = { { "", "" }, { "2024-05-03", "" }, { "2024-05-03", "W2" }, { "2024-05-07", "" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " " + c.warehouse);
        const QString from = QLatin1String(c.from), warehouse = QLatin1String(c.warehouse);
        scramble(from);
        const QString restrict = warehouse.isEmpty() ? QString() : QStringLiteral(" and k.ck_sn='%1'").arg(warehouse);
        for (const QString& id : SelectColumn(dm->ADOConn,
                 QStringLiteral("select (select g.id from jxc_goodslist g where g.ck_sn=k.ck_sn and g.g_sn=k.g_sn "
                                "and g.gl_kdrq>='%1' order by g.gl_kdrq,g.id limit 1) from jxc_kcsp k "
                                "where k.g_sn<>'00000000'%2")
                     .arg(from, restrict)))
            if (!id.isEmpty())
                RecalcMovingAverageCost(id, QStringLiteral("0"));
        const Snapshot perPair = TakeSnapshot();
        scramble(from);
        RecalcMovingAverageCostFrom(from, warehouse);
        const Snapshot onePass = TakeSnapshot();
        EXPECT_TRUE(perPair == onePass) << Difference(perPair, onePass).toStdString();
    }
    // The pair without a stock row and the discount goods are left alone.
    scramble(QString());
    RecalcMovingAverageCostFrom(QString(), QString());
    EXPECT_EQ(SelectColumn(dm->ADOConn,
                  QStringLiteral("select g_sn || '/' || ck_sn from jxc_goodslist where gl_kc=99 order by g_sn")),
        (QStringList { QStringLiteral("00000000/100001"), QStringLiteral("G2/100001") }));
}

TEST_F(MovingAverageTest, RepairWalkRepricesSalesAndTheirDocuments)
{
    AddDocument({ Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-02 09:00"), {}, {}, {}, 1,
        { { QStringLiteral("G1"), 4, 20 } } });
    Sql(QStringLiteral("update jxc_lsxssp set ls_cbj=24.75,ls_zcb=99"));
    const qint64 in = Row(QStringLiteral("cj"), QStringLiteral("CJ1"), QStringLiteral("2024-05-01 09:00"), 10, 50);
    const qint64 sale = Row(QStringLiteral("xs"), QStringLiteral("XS1"), QStringLiteral("2024-05-02 09:00"), 4, 80, 99);

    RecalcMovingAverageCostAll(QString::number(in), QStringLiteral("1"));
    EXPECT_EQ(Running(sale), (std::vector<double> { 10, 50, 6, 30, 5 }));
    EXPECT_EQ(Numbers(QStringLiteral("select gl_cbj,gl_zcb,gl_lr from jxc_goodslist where id=%1").arg(sale)),
        (std::vector<double> { 5, 20, 60 }));
    EXPECT_EQ(Numbers(QStringLiteral("select ls_cbj,ls_cbj2,ls_zcb from jxc_lsxssp where gl_djh='XS1'")),
        (std::vector<double> { 5, 5, 20 }));
    EXPECT_DOUBLE_EQ(Number(QStringLiteral("select ls_lr from jxc_lsxsd where gl_djh='XS1'")), 60);
    EXPECT_EQ(
        Numbers(QStringLiteral("select kc_cbj,kc_zcb from jxc_kcsp where g_sn='G1'")), (std::vector<double> { 5, 30 }));
}

} // namespace
