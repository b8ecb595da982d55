#include "goodsfixture.h"

#include "masterdata/goodsclass.h"
#include "masterdata/goodsclasstree.h"
#include "platform/db/query.h"
#include "platform/grid/dbtree.h"

#include <QLineEdit>

namespace {

class GoodsClassTest : public GoodsTest {
protected:
    void SetUp() override
    {
        GoodsTest::SetUp();
        classes = &dm->Q(QStringLiteral("ADOQueryGoodsClass"));
    }
    void OpenClasses()
    {
        classes->SetSQL(QStringLiteral("select * from jxc_goodsclass order by gc_key"));
        classes->Open();
    }
    QString CreateUnder(const QString& code)
    {
        OpenClasses();
        EXPECT_TRUE(classes->Locate(QStringLiteral("gc_sn"), code));
        EXPECT_EQ(CreateGoodsClass(*classes), QString());
        return classes->AsString(QStringLiteral("gc_sn"));
    }
    Query* classes = nullptr;
};

TEST_F(GoodsClassTest, NewCategoriesTakeCodesUnderTheirParent)
{
    EXPECT_EQ(CreateUnder(QString()), "1001");
    EXPECT_EQ(CreateUnder("1001"), "1001100");
    EXPECT_EQ(CreateUnder("1001"), "1001101");
    EXPECT_EQ(Column("select gc_name||'|'||gc_jm||'|'||gc_cid||'|'||gc_key from jxc_goodsclass where gc_sn='1001101'"),
        QStringList { "新类别|XLB|5|5" });
}

TEST_F(GoodsClassTest, KeysStepOverMultiplesOfTenAboveTen)
{
    const std::pair<qint64, qint64> cases[] = { { 2, 3 }, { 9, 10 }, { 10, 11 }, { 19, 21 }, { 29, 31 }, { 99, 101 } };
    for (const auto& [largest, next] : cases)
        EXPECT_EQ(NextGoodsClassKey(largest), next) << largest;

    AddClass("甲", 19, 1, "1001");
    CreateUnder(QString());
    EXPECT_EQ(Count("jxc_goodsclass", "gc_key=20"), 0);
    EXPECT_EQ(Column("select gc_key||'/'||gc_cid||'/'||gc_sn from jxc_goodsclass where gc_name='新类别'"),
        QStringList { "21/21/1002" });
}

TEST_F(GoodsClassTest, ThirteenCharacterCodeTakesTheLastLevelSixteenRefuses)
{
    AddClass("深", 3, 1, "1001100100100");
    EXPECT_EQ(CreateUnder("1001100100100"), "1001100100100100");

    OpenClasses();
    ASSERT_TRUE(classes->Locate(QStringLiteral("gc_sn"), "1001100100100100"));
    EXPECT_EQ(CreateGoodsClass(*classes), kClassTooDeep);
    EXPECT_EQ(Count("jxc_goodsclass"), 4);
}

TEST_F(GoodsClassTest, DeleteRefusalsAndBranch)
{
    AddClass("甲", 3, 1, "1001");
    AddClass("甲一", 4, 3, "1001100");
    AddClass("乙", 5, 1, "1002");
    AddClass("乙一", 6, 5, "1002100");
    AddClass("乙一一", 7, 6, "1002100100");
    AddGoods("G1", "1001100", 0, true);

    EXPECT_EQ(GoodsClassDeleteRefusal("0", ""), kClassBuiltIn);
    EXPECT_EQ(GoodsClassDeleteRefusal("1", "1000"), kClassBuiltIn);
    // Goods of a sub-category, even a disabled one, keep the category.
    EXPECT_EQ(GoodsClassDeleteRefusal("1", "1001"), kClassHasGoods);
    EXPECT_EQ(GoodsClassDeleteRefusal("1", "1002"), QString());

    DeleteGoodsClassBranch("5");
    EXPECT_EQ(Column("select gc_name from jxc_goodsclass order by gc_key"),
        (QStringList { "所有类别", "默认类别", "甲", "甲一" }));
}

TEST_F(GoodsClassTest, TreeMenuAsksBeforeDeletingAndSearchFallsBackToRoot)
{
    AddClass("上衣", 3, 1, "1001");
    AddClass("衬衫", 4, 3, "1001100");
    ExecSQL("update jxc_goodsclass set gc_jm='CS' where gc_key=4");
    GoodsClassTree panel;
    panel.SetQuery(*classes);
    panel.Open();
    EXPECT_TRUE(panel.CurrentIsRoot());

    panel.tnameEdited("cs");
    EXPECT_EQ(panel.CurrentName(), "衬衫");
    // The root's own short code finds nothing: typing leaves the selection, the button goes to the root.
    panel.tnameEdited("SYLB");
    EXPECT_EQ(panel.CurrentName(), "衬衫");
    panel.tname->setText("SYLB");
    panel.btnSearchClick();
    EXPECT_TRUE(panel.CurrentIsRoot());

    panel.PrepareMenu();
    EXPECT_FALSE(panel.miDelete->isEnabled());
    panel.tree->SelectKey(3);
    panel.PrepareMenu();
    EXPECT_TRUE(panel.miDelete->isEnabled());
    prompt.Answer(Prompt::Answer::No);
    panel.miDeleteClick();
    EXPECT_EQ(Count("jxc_goodsclass"), 4);
    prompt.Answer(Prompt::Answer::Yes);
    panel.miDeleteClick();
    EXPECT_EQ(prompt.Questions(), (QStringList { "您确定要删除当前类别吗?", "您确定要删除当前类别吗?" }));
    EXPECT_EQ(Count("jxc_goodsclass"), 2);
    EXPECT_EQ(panel.tree->topLevelItem(0)->childCount(), 1);
}

}
