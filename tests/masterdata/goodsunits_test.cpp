#include "goodsentryfixture.h"

#include "foundation/pinyin.h"
#include "foundation/sqltext.h"
#include "masterdata/goodsunits.h"
#include "masterdata/spxxglmodi.h"
#include "platform/db/query.h"

#include <QLineEdit>
#include <functional>
#include <memory>

namespace {

using GoodsUnitsTest = GoodsEntryTest;

TEST_F(GoodsUnitsTest, UnitNamesAreSanitisedAndNumbered)
{
    EXPECT_EQ(AddUnit(" O'Neil "), "100005");
    const QString stored = Scalar("select dw_name from jxc_dw where dw_sn='100005'");
    EXPECT_EQ(stored, SafeSqlText("O'Neil"));
    EXPECT_FALSE(stored.contains('\''));
    DeleteUnit("100005");
    EXPECT_EQ(Count("jxc_dw", "dw_sn='100005'"), 0);
}

TEST_F(GoodsUnitsTest, BrandsRefuseEmptyAndDuplicateNamesAfterSanitising)
{
    EXPECT_EQ(AddBrand("  "), "品牌厂商必须填写！");
    EXPECT_EQ(AddBrand("远山,服饰"), "");
    EXPECT_EQ(AddBrand("远山，服饰"), "品牌厂商不能重复！") << "the comma becomes the full-width one";
    EXPECT_EQ(Count("jxc_ppcs", "pp_name like '远山%'"), 1);
    EXPECT_EQ(Scalar("select pp_jm from jxc_ppcs where pp_name like '远山%'"), GetPyCode(SafeSqlText("远山,服饰")));
}

TEST_F(GoodsUnitsTest, BrandListHidesTheDefaultAndDeletesAfterYes)
{
    TF_Ppcs list;
    list.Activate();
    EXPECT_EQ(list.Q_List.Locate("pp_sn", "100001"), false);
    const int before = Count("jxc_ppcs");
    ASSERT_GT(list.Q_List.RecordCount(), 0);
    prompt.Answer(Prompt::Answer::No);
    list.btnDeleClick();
    EXPECT_EQ(Count("jxc_ppcs"), before);
    prompt.Answer(Prompt::Answer::Yes);
    list.btnDeleClick();
    EXPECT_EQ(prompt.Questions().last(), "您确定要删除该品牌吗！");
    EXPECT_EQ(Count("jxc_ppcs"), before - 1);
}

TEST_F(GoodsUnitsTest, ShelvesAnswerIntoTheModifyWindowAndKeepTheDefault)
{
    ASSERT_TRUE(InsertGoods(Entry("M1"), Yes).saved);
    Query& goods = F_DataModule->Q("Q_Goods");
    goods.SetSQL("select * from jxc_goods where g_sn='M1'");
    goods.Open();
    TF_Spxxgl_Modi modi;
    modi.Activate();
    prompt.OnModal("TF_HJxx", [this](QDialog* d) {
        auto* list = static_cast<TF_HJxx*>(d);
        EXPECT_TRUE(list->Q_List.Locate("hj_sn", "100001"));
        list->btnDeleClick();
        EXPECT_EQ(prompt.LastMessage(), "默认库位不能删除！");
        prompt.OnModal("TF_Hjxx_Add", [](QDialog* a) {
            auto* dialog = static_cast<TF_Hjxx_Add*>(a);
            dialog->tname->setText("二号架");
            dialog->btnSaveClick();
            return dialog->result();
        });
        list->btnAddClick();
        list->btnOKClick();
        return list->result();
    });
    modi.entry->btnHjClick();
    EXPECT_EQ(Count("jxc_hjxx", "hj_sn='100001'"), 1);
    EXPECT_EQ(Scalar("select hj_sn from jxc_hjxx where hj_name='二号架'"), "100002");
    EXPECT_EQ(modi.entry->comHjxx->currentText(), "二号架");
    EXPECT_EQ(PickerCaller, "");
}

TEST_F(GoodsUnitsTest, AddDialogsRefuseEmptyNames)
{
    struct Case {
        std::function<CodeAddDialog*()> make;
        const char* refusal;
    };
    for (const Case& c : { Case { [] { return new TF_Dwgl_Add(); }, "单位名称必须填写！" },
             Case { [] { return new TF_Ppcs_Add(); }, "品牌厂商必须填写！" },
             Case { [] { return new TF_Hjxx_Add(); }, "库位名称必须填写！" } }) {
        std::unique_ptr<CodeAddDialog> dialog(c.make());
        dialog->Activate();
        dialog->tname->setText(" ");
        dialog->btnSaveClick();
        EXPECT_EQ(prompt.LastMessage(), c.refusal);
    }
    EXPECT_EQ(Count("jxc_dw"), 4);
}

}
