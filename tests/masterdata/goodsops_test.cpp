#include "goodsfixture.h"

#include "masterdata/goodsops.h"
#include "platform/base/programfolder.h"

#include <QDir>
#include <QFile>

namespace {

class GoodsOpsTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        AddClass("甲", 3, 1, "1001");
        AddClass("甲一", 4, 3, "1001100");
    }
    void TouchPicture(const QString& code)
    {
        QDir().mkpath(ProgramFolder::File("picture"));
        QFile f(ProgramFolder::File("picture/" + code + ".jpg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("jpg");
    }
};

TEST_F(GoodsOpsTest, BusinessRefusesDeleteWithTheFirstDocumentFound)
{
    struct Case {
        const char* table;
        const char* flag;
        bool refused;
    } cases[] = {
        { "jxc_jhsp", "", true },
        { "jxc_lsxssp", "", true },
        { "jxc_goodslist", "jh", true },
        { "jxc_goodslist", "qc", false },
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString code = QString("G%1").arg(++n);
        AddGoods(code, "1001");
        AddLine(c.table, "DJ" + code, code, c.flag);
        EXPECT_EQ(
            GoodsDeleteRefusal(code), c.refused ? "该商品已发生过业务，单据号：DJ" + code + " 不能删除！" : QString())
            << c.table;
    }
    EXPECT_EQ(GoodsDeleteRefusal("00000000"), kGoodsBuiltInRefusal);

    // A goods-in line counts before an earlier sales line, and the oldest line first.
    AddGoods("G9", "1001");
    AddLine("jxc_lsxssp", "XS1", "G9");
    AddLine("jxc_jhsp", "JH2", "G9");
    AddLine("jxc_jhsp", "JH3", "G9");
    EXPECT_EQ(GoodsBusinessDocNo("G9"), "JH2");
}

TEST_F(GoodsOpsTest, DeleteTakesOpeningStockStockBarcodesAndPicture)
{
    AddGoods("G1", "1001");
    AddGoods("G2", "1001");
    for (const QString& code : { QString("G1"), QString("G2") }) {
        AddLine("jxc_goodslist", "QC1", code, "qc");
        ExecSQL("insert into jxc_kcsp (g_sn,ck_sn,kc_sl) values ('" + code + "','100001',5)");
        ExecSQL("insert into jxc_tkc (g_sn,ck_sn,t_sl) values ('" + code + "','100001',5)");
        ExecSQL("insert into jxc_tm (g_sn,tm_sl) values ('" + code + "',1)");
        TouchPicture(code);
    }
    ASSERT_EQ(GoodsDeleteRefusal("G1"), QString());
    DeleteGoods({ "G1" });
    for (const char* table : { "jxc_goods", "jxc_goodslist", "jxc_kcsp", "jxc_tkc", "jxc_tm" }) {
        EXPECT_EQ(Count(table, "g_sn='G1'"), 0) << table;
        EXPECT_EQ(Count(table, "g_sn='G2'"), 1) << table;
    }
    EXPECT_FALSE(QFile::exists(ProgramFolder::File("picture/G1.jpg")));
    EXPECT_TRUE(QFile::exists(ProgramFolder::File("picture/G2.jpg")));
}

TEST_F(GoodsOpsTest, ToggleNeverEnablesTheBuiltInGoods)
{
    AddGoods("G1", "1001");
    AddGoods("G2", "1001", 0, true);
    ToggleGoodsDisabled({ GoodsId("G1"), GoodsId("G2"), GoodsId("00000000") });
    EXPECT_EQ(
        Column("select g_sn||':'||g_jy from jxc_goods order by g_sn"), (QStringList { "00000000:1", "G1:1", "G2:0" }));
}

TEST_F(GoodsOpsTest, WholesalePricesForAllGoodsOrOneCategorysOwn)
{
    AddGoods("G1", "1001");
    AddGoods("G2", "1001100");
    AddGoods("G3", "1001", 0, true);
    SetWholesalePrices(WholesaleTargetColumn("一级批发价"), WholesaleSourceColumn("预设售价"), 0.8, false, "1001");
    // The category's own goods, disabled ones included; not those of its sub-categories.
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_sj1=80 order by g_sn"), (QStringList { "G1", "G3" }));
    EXPECT_EQ(Count("jxc_goods", "g_sj1<>0"), 2);
    SetWholesalePrices(WholesaleTargetColumn("零售价"), WholesaleSourceColumn("一级批发价"), 1.5, false, "1001");
    EXPECT_EQ(Count("jxc_goods", "g_lsj=120"), 2);
    // All goods: disabled ones and the built-in goods too.
    SetWholesalePrices(WholesaleTargetColumn("二级批发价"), WholesaleSourceColumn("预设进价"), 0.5, true, QString());
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_sj2=g_jj*0.5 order by g_sn"),
        (QStringList { "00000000", "G1", "G2", "G3" }));
}

TEST_F(GoodsOpsTest, CategoryMinimumStockShortCodeAndPresetCost)
{
    AddGoods("G1", "1001");
    AddGoods("G2", "1001");
    const QList<qint64> both { GoodsId("G1"), GoodsId("G2") };
    SetGoodsClass(both, "1001100");
    EXPECT_EQ(Column("select gc_sn||'/'||gc_cid from jxc_goods where g_sn like 'G%'"),
        (QStringList { "1001100/4", "1001100/4" }));
    SetGoodsMinimumStock(both, 2.6);
    EXPECT_EQ(Count("jxc_goods", "g_zdkc=3"), 2);
    SetGoodsPresetCost({ GoodsId("G2") }, true);
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_gdcbj=1"), QStringList { "G2" });
    SetGoodsShortCode(GoodsId("G1"), "A'B");
    EXPECT_EQ(Scalar("select g_jm from jxc_goods where g_sn='G1'"), "A'B");
}

}
