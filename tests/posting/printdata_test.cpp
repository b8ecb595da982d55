#include "postingtest.h"

#include "foundation/globals.h"
#include "posting/printdata.h"

using namespace fixture;

namespace {

// Goods G2 in red and blue; sizes S and M are among the first eight size codes of
// the account set, "S9" sorts after all of them.
class PrintDataTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddGoods({ S("G2"), S("夹克"), { S("R:红"), S("B:蓝") }, { S("100003:S"), S("100004:M"), S("S9:特大") } });
        Sql(S("insert into jxc_goodsclass (gc_sn,gc_name) values ('C1','上衣')"));
        Sql(S("update jxc_goods set gc_sn='C1'"));
        PrintLineOrder = S("0");
        SalesPrintRows.clear();
        PurchasePrintRows.clear();
        MergeSizesInPrint = S("0");
    }
    Query& Open(const QString& number, const QString& prefix)
    {
        OpenQuery(dm->Q_GoodsPrin, BuildColorSizePrintData(number, prefix));
        return dm->Q_GoodsPrin;
    }
    // Three lines of four colour-and-size rows each.
    void TwelveRows(Trade kind, const QString& number)
    {
        LineSpec line { S("G2"), 4, 10,
            { { S("R"), S("100003"), 1 }, { S("R"), S("100004"), 1 }, { S("B"), S("100003"), 1 },
                { S("B"), S("100004"), 1 } } };
        AddDocument(
            { kind, number, S("2024-05-02 10:00"), S("100001"), S("100001"), S("100001"), 0, { line, line, line } });
    }
    // The printed rows as "line colour sizes total q1..q8 rest".
    QStringList Merged(Query& q)
    {
        QStringList out;
        for (int r = 0; r < q.RecordCount(); ++r) {
            q.SetRecNo(r);
            QStringList cells { q.AsString(S("id")), q.AsString(S("color_name")), q.AsString(S("cm_name")),
                q.AsString(S("t_sl")) };
            for (const char* c :
                { "ts_dj", "ts_cbj", "ts_zcb", "ts_cbj2", "ts_je", "ts_tax", "ts_taxdj", "ts_taxje", "ts_lsj" })
                cells << q.AsString(QLatin1String(c));
            out << cells.join(QLatin1Char(' '));
        }
        return out;
    }
};

TEST_F(PrintDataTest, FixedRowsPadSalesByRowsAndGoodsInByLines)
{
    TwelveRows(Trade::Sale, S("XS001"));
    struct Case {
        const char* setting;
        int rows;
    };
    for (const Case c : { Case { "10", 20 }, Case { "12", 12 }, Case { "5", 15 }, Case { "00", 12 }, Case { "abc", 12 },
             Case { "", 12 } }) {
        SalesPrintRows = S(c.setting);
        Query& q = Open(S("XS001"), S("XS"));
        EXPECT_EQ(q.RecordCount(), c.rows) << c.setting;
        q.SetRecNo(q.RecordCount() - 1);
        // Filler rows print empty, after the document's rows.
        EXPECT_EQ(q.AsString(S("g_name")).isEmpty(), c.rows != 12) << c.setting;
    }
    SalesPrintRows = S("10");
    EXPECT_EQ(Open(S("NONE"), S("XS")).RecordCount(), 0);

    TwelveRows(Trade::GoodsIn, S("CJ001"));
    PurchasePrintRows = S("5");
    Query& q = Open(S("CJ001"), S("CJ"));
    EXPECT_EQ(q.RecordCount(), 14);
    EXPECT_EQ(q.AsString(S("g_name")), S("夹克"));
}

TEST_F(PrintDataTest, SalesSizeMergingKeepsEachLineApart)
{
    MergeSizesInPrint = S("1");
    SalesPrintRows = S("10"); // merging wins over the filler rows
    const QList<qint64> ids
        = AddDocument({ Trade::Sale, S("XS001"), S("2024-05-02 10:00"), S("100001"), S("100001"), S("100001"), 0,
            { { S("G2"), 10, 10,
                  { { S("R"), S("100003"), 2 }, { S("R"), S("100004"), 3 }, { S("R"), S("S9"), 1 },
                      { S("B"), S("100003"), 4 } } },
                { S("G2"), 5, 10, { { S("R"), S("100003"), 5 } } } } });
    Query& q = Open(S("XS001"), S("XS"));
    const QString l1 = QString::number(ids[0]), l2 = QString::number(ids[1]);
    EXPECT_EQ(Merged(q),
        QStringList({ l1 + S(" 蓝 S 4 0 4 0 0 0 0 0 0 0"), l1 + S(" 红 S,M,特大 6 0 2 3 0 0 0 0 0 1"),
            l2 + S(" 红 S 5 0 5 0 0 0 0 0 0 0") }));
    q.SetRecNo(1);
    EXPECT_DOUBLE_EQ(q.AsFloat(S("je")), 60);
}

TEST_F(PrintDataTest, GoodsInSizeMergingJoinsEachLineToItsOwnRows)
{
    MergeSizesInPrint = S("1");
    const QList<qint64> ids = AddDocument({ Trade::GoodsIn, S("CJ001"), S("2024-05-02 10:00"), S("100001"), S("100001"),
        S("100001"), 0,
        { { S("G2"), 2, 10, { { S("R"), S("100003"), 2 } } }, { S("G2"), 3, 10, { { S("R"), S("100003"), 3 } } } } });
    Query& q = Open(S("CJ001"), S("CJ"));
    EXPECT_EQ(Merged(q),
        QStringList({ QString::number(ids[0]) + S(" 红 S 2 0 2 0 0 0 0 0 0 0"),
            QString::number(ids[1]) + S(" 红 S 3 0 3 0 0 0 0 0 0 0") }));
}

TEST_F(PrintDataTest, LineOrderAndLogLines)
{
    AddGoods({ S("A1"), S("背心"), { S("R:红") }, { S("100003:S") } });
    Sql(S("update jxc_goods set gc_sn='C1' where g_sn='A1'"));
    AddDocument({ Trade::GoodsIn, S("CJ002"), S("2024-05-02 10:00"), S("100001"), S("100001"), S("100001"), 0,
        { { S("G2"), 1, 10, { { S("R"), S("100003"), 1 } } }, { S("A1"), 1, 10, { { S("R"), S("100003"), 1 } } } } });
    struct Case {
        const char* order;
        QStringList goods;
    };
    for (const Case& c : { Case { "0", { S("G2"), S("A1") } }, Case { "1", { S("A1"), S("G2") } },
             Case { "2", { S("G2"), S("A1") } } }) { // 背心 sorts after 夹克 by code point
        PrintLineOrder = S(c.order);
        Query& q = Open(S("CJ002"), S("CJ"));
        QStringList goods;
        for (q.First(); !q.Eof(); q.Next())
            goods << q.AsString(S("g_sn"));
        EXPECT_EQ(goods, c.goods) << c.order;
    }

    Sql(S("delete from jxc_log"));
    EXPECT_EQ(BuildColorSizePrintData(S("XH001"), S("XH")), QString());
    EXPECT_EQ(BuildColorSizePrintData(S("JH001"), S("khjh")), QString());
    EXPECT_EQ(BuildColorSizePrintData(S("ZZ001"), S("ZZ")), QString());
    EXPECT_EQ(Column(S("select log_note from jxc_log order by id")),
        QStringList({ S("打印商品换货单"), S("打印客户借货单"), QString() }));
}

// Every statement runs on the account set; a number with an apostrophe is a value.
TEST_F(PrintDataTest, EveryPrefixBuildsARunnableStatement)
{
    for (const char* prefix :
        { "XS", "XT", "CJ", "CT", "DB", "BS", "BY", "CF", "KB", "PD", "CD", "XD", "SC", "ST", "LY", "LT" }) {
        const QString sql = BuildColorSizePrintData(S("X'1"), S(prefix));
        ASSERT_FALSE(sql.isEmpty()) << prefix;
        OpenQuery(dm->Q_GoodsPrin, sql);
        EXPECT_EQ(dm->Q_GoodsPrin.RecordCount(), 0) << prefix;
    }
    Sql(S("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl) values ('PD001','G2',7,10)"));
    Query& q = Open(S("PD001"), S("PD"));
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.AsString(S("cysl")), S("-3"));
}

} // namespace
