#include "importfixture.h"

#include "masterdata/goodsimport.h"
#include "platform/grid/dbtree.h"

#include <QCheckBox>
#include <QLabel>
#include <QTreeWidgetItem>
#include <memory>

namespace {

const QStringList kGoodsHeaders { "商品编号", "商品名称", "单位", "预设进价", "颜色组", "商品类别" };

class GoodsImportTest : public ImportTest {
protected:
    // Runs a whole import: the first leaf category (or every row's own), the sheet,
    // the options.
    std::unique_ptr<TF_Spxxgl_Import> Import(
        const QList<QStringList>& rows, bool autoSn = true, bool perRow = false, bool uniqueNames = false)
    {
        auto w = std::make_unique<TF_Spxxgl_Import>();
        w->Activate();
        w->btnStartClick();
        if (perRow)
            w->tvClassClick(w->tvClass->topLevelItem(0));
        w->btnNext1Click();
        prompt.AnswerFile(Sheet("goods.xlsx", kGoodsHeaders, rows));
        w->btnOpenClick();
        w->chkAutoSn->setChecked(autoSn);
        w->btnNext2Click();
        w->chkNameUnique->setChecked(uniqueNames);
        prompt.Clear();
        w->btnImportClick();
        return w;
    }
    QStringList Statuses() { return Column("select coalesce(id_status,'') from jxc_importdata order by id"); }
};

TEST_F(GoodsImportTest, AutoNumberingIgnoresSheetCodesAndABlankNameEndsThePass)
{
    auto w = Import({ { "X1", "衬衫", "件", "", "", "" }, { "X2", "长裤", "条", "12.5", "秋季色", "" },
        { "X3", "外套", "件", "30", "秋季色", "" }, { "X4", "", "件", "", "", "" },
        { "X5", "帽子", "顶", "", "", "" } });
    EXPECT_EQ(w->lblClass->text(), "默认类别");
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共3条记录\r\n\r\n成功导入3条\r\n\r\n失败0条\r\n\r\n取消导入0条");
    EXPECT_EQ(Column("select g_sn from jxc_goods where g_sn<>'00000000' order by id"),
        QStringList({ "20000001", "20000002", "20000003" }));
    EXPECT_EQ(Column("select id_exceldata from jxc_importdata order by id").first(), "[20000001]衬衫");
    EXPECT_EQ(Scalar("select g_jj+g_scjj+g_cbj+g_pjjj from jxc_goods where g_name='衬衫'"), "0");
    EXPECT_EQ(Scalar("select colorz_sn || '/' || gc_sn from jxc_goods where g_name='衬衫'"), "100001/1000");
    EXPECT_EQ(Scalar("select count(*) from jxc_colorz where colorz_name='秋季色'"), "1");
    EXPECT_EQ(Scalar("select count(distinct colorz_sn) from jxc_goods where color_name='秋季色'"), "1");
    EXPECT_EQ(Scalar("select count(*) from jxc_dw where dw_name='条'"), "1");
    EXPECT_EQ(Statuses().last(), "");
}

TEST_F(GoodsImportTest, SheetCodesChecksAndRepeatedNames)
{
    ExecSQL("insert into jxc_goods (g_sn,g_name) values ('900','衬衫')");
    Import({ { "A1", "衬衫", "件", "", "不关心颜色", "" }, { "A1", "长裤", "件", "", "", "" },
               { "A2", "外套", "", "", "", "" }, { "A3", "帽子", "顶", "abc", "", "" },
               { "A'4", "围巾", "条", "3", "", "" } },
        false);
    EXPECT_EQ(Statuses(),
        QStringList({ "导入成功", "导入失败,商品编号已经存在!", "导入失败,单位不能为空!",
            "导入失败,预设进价必须是数字!", "导入成功" }));
    EXPECT_EQ(Scalar("select colorz_sn from jxc_goods where g_sn='A1'"), "100001");
    EXPECT_EQ(Scalar("select g_sn from jxc_goods where g_name='围巾'"), "A‘4");
    EXPECT_EQ(Scalar("select count(*) from jxc_goods where g_name='衬衫'"), "2");
}

TEST_F(GoodsImportTest, UniqueNamesRefuseAnExistingName)
{
    ExecSQL("insert into jxc_goods (g_sn,g_name) values ('900','衬衫')");
    Import({ { "", "衬衫", "件", "", "", "" } }, true, false, true);
    EXPECT_EQ(Statuses(), QStringList({ "导入失败,商品名称已经存在!" }));
}

TEST_F(GoodsImportTest, PerRowCategoriesAreReadAgainOnASecondPass)
{
    ExecSQL("insert into jxc_goodsclass (gc_name,gc_pid,gc_key,gc_sn,gc_jm,gc_cid) values ('男装',1,3,'1001','NZ',3)");
    auto w = Import({ { "", "衬衫", "件", "", "", "男装" }, { "", "长裤", "件", "", "", "" },
                        { "", "外套", "件", "", "", "童装" }, { "", "帽子", "顶", "", "", "默认类别" } },
        true, true);
    EXPECT_EQ(
        Statuses(), QStringList({ "导入成功", "导入失败,商品类别不能为空!", "导入失败,商品类别不存在!", "导入成功" }));
    EXPECT_EQ(Scalar("select gc_sn || '/' || g_sn from jxc_goods where g_name='衬衫'"), "1001/30000001");
    EXPECT_EQ(Scalar("select gc_sn || '/' || g_sn from jxc_goods where g_name='帽子'"), "1000/20000001");
    w->btnImportClick();
    EXPECT_EQ(Scalar("select gc_sn from jxc_goods where g_name='衬衫' order by id desc limit 1"), "1001");
}

}
