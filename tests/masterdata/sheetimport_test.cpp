#include "importfixture.h"

#include "masterdata/partnerimport.h"
#include "platform/db/query.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <memory>

namespace {

class PartnerImportTest : public ImportTest {
protected:
    std::unique_ptr<TF_Khgl_Import> OpenCustomers(const QString& path)
    {
        auto w = std::make_unique<TF_Khgl_Import>();
        w->Activate();
        prompt.AnswerFile(path);
        w->btnOpenClick();
        return w;
    }
    QStringList Statuses()
    {
        return Column("select coalesce(cast(id_image as varchar(4)),'') || ':' || coalesce(id_status,'') from "
                      "jxc_importdata where a_name='"
            + CurrentAdminName + "' order by id");
    }
};

TEST_F(PartnerImportTest, HeadersEqualToCaptionsMapThemselvesOthersStayUnticked)
{
    auto w = OpenCustomers(Sheet("a.xlsx", { "客户名称", "电话号码", "期初应收" }, { { "甲", "1", "" } }));
    EXPECT_EQ(Column("select i_fieldid || '/' || cast(i_sele as varchar(2)) from jxc_importchk order by id"),
        QStringList({ "kh_name/1", "/0", "kh_lwje/1" }));
    EXPECT_EQ(w->gbMapping->title(), "请选择要导入的字段（共3个字段）");
    EXPECT_TRUE(w->btnNext->isEnabled());
}

TEST_F(PartnerImportTest, NothingStagedRefusesThePass)
{
    for (const auto& [headers, rows] : { std::pair<QStringList, QList<QStringList>> { { "客户名称" }, {} },
             std::pair<QStringList, QList<QStringList>> { { "名字" }, { { "甲" } } } }) {
        auto w = OpenCustomers(Sheet("b.xlsx", headers, rows));
        w->btnNextClick();
        prompt.Clear();
        w->btnImportClick();
        EXPECT_EQ(prompt.LastMessage(), "模板中没有数据，不能进行导入操作！");
        EXPECT_EQ(Scalar("select count(*) from jxc_khxx"), "1");
    }
}

TEST_F(PartnerImportTest, SummaryCountsAndIconsLandOnTheirOwnRows)
{
    ExecSQL("insert into jxc_khxx (kh_sn,kh_name,kt_sn,ck_sn) values ('100002','乙','1000','-1')");
    auto w = OpenCustomers(Sheet("c.xlsx", { "客户名称" }, { { "甲" }, { "乙" }, { "丙" }, { "丁" }, { "戊" } }));
    w->btnNextClick();
    EXPECT_EQ(w->gbRows->title(), "选择要导入的 客户资料（共5条记录）");
    ExecSQL("update jxc_importdata set id_sele=0 where id_exceldata='丁'");
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共5条记录\r\n\r\n成功导入3条\r\n\r\n失败1条\r\n\r\n取消导入1条");
    EXPECT_EQ(Statuses(), QStringList({ "2:导入成功", "3:导入失败,客户已经存在!", "2:导入成功", "1:", "2:导入成功" }));
    EXPECT_EQ(Scalar("select count(*) from jxc_khxx where kh_name='丁'"), "0");
}

TEST_F(PartnerImportTest, BlankNameKeepsLaterStatusesOnTheirRows)
{
    auto w = OpenCustomers(Sheet("d.xlsx", { "客户名称", "备注" },
        { { "甲", "1" }, { "乙", "2" }, { "", "3" }, { "丁", "4" }, { "戊", "5" }, { "己", "6" } }));
    w->btnNextClick();
    ExecSQL("update jxc_importdata set id_sele=0 where id_exceldata='戊'");
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), "导入完毕\r\n\r\n共6条记录\r\n\r\n成功导入4条\r\n\r\n失败1条\r\n\r\n取消导入1条");
    EXPECT_EQ(Statuses(), QStringList({ "2:导入成功", "2:导入成功", "2:导入成功", "1:", "2:导入成功" }));
    EXPECT_EQ(Scalar("select count(*) from jxc_khxx where kh_name='戊'"), "0");
    EXPECT_EQ(Scalar("select kh_note from jxc_khxx where kh_name='己'"), "6");
}

TEST_F(PartnerImportTest, NotAWorkbookIsRefused)
{
    QFile f(Folder() + "x.xlsx");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("plain text");
    f.close();
    auto w = OpenCustomers(Folder() + "x.xlsx");
    EXPECT_TRUE(prompt.LastMessage().startsWith("您没有安装Excel或导入文件不是Excel，不能进行导入操作！"));
    EXPECT_FALSE(w->btnNext->isEnabled());
    EXPECT_EQ(Scalar("select count(*) from jxc_importchk"), "0");
}

TEST_F(PartnerImportTest, TwoOperatorsStageApart)
{
    auto w = OpenCustomers(Sheet("e.xlsx", { "客户名称" }, { { "甲" } }));
    w->btnNextClick();
    const QString first = CurrentAdminName;
    // The other operator works in another program; here in the supplier window, which
    // remembers its own workbook.
    CurrentAdminName = "另一位";
    auto other = std::make_unique<TF_Ghsgl_Import>();
    other->Activate();
    prompt.AnswerFile(Sheet("f.xlsx", { "供货商名称" }, { { "乙" }, { "丙" } }));
    other->btnOpenClick();
    other->btnNextClick();
    EXPECT_EQ(
        Column("select i_excelfield from jxc_importchk where a_name='" + first + "'"), QStringList({ "客户名称" }));
    EXPECT_EQ(Column("select id_exceldata from jxc_importdata where a_name='另一位' order by id"),
        QStringList({ "乙", "丙" }));
    CurrentAdminName = first;
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(Column("select id_exceldata from jxc_importdata where a_name='" + first + "'"), QStringList({ "甲" }));
    EXPECT_EQ(Scalar("select count(*) from jxc_ghsxx where ghs_name in ('乙','丙')"), "0");
    EXPECT_EQ(Scalar("select count(*) from jxc_khxx where kh_name='甲'"), "1");
}

TEST_F(PartnerImportTest, UntickingAllDisablesImportAndClearsSelection)
{
    auto w = OpenCustomers(Sheet("g.xlsx", { "客户名称" }, { { "甲" }, { "乙" } }));
    w->btnNextClick();
    w->chkAll->setChecked(false);
    w->chkAllClick();
    EXPECT_FALSE(w->btnImport->isEnabled());
    EXPECT_EQ(Scalar("select sum(id_sele) from jxc_importdata"), "0");
    w->chkAll->setChecked(true);
    w->chkAllClick();
    EXPECT_EQ(Scalar("select sum(id_sele) from jxc_importdata"), "2");
}

TEST_F(PartnerImportTest, OpeningAmountsTypesZonesAndCuts)
{
    const QString longText = QString(300, QChar('x'));
    auto w = OpenCustomers(Sheet("h.xlsx",
        { "客户名称", "期初应收", "客户类型", "所属地区", "联系人", "联系电话", "备注" },
        { { "零", "", "", "东区", longText, longText, longText }, { "零二", "0.00", "未知类型", "东区", "", "", "" },
            { "欠款", "150", "", "", "", "", "" }, { "O'Neil", "abc", "", "", "", "", "" } }));
    w->btnNextClick();
    prompt.Clear();
    w->btnImportClick();
    const QString defaultType = Scalar("select kt_name from jxc_khtype where kt_sn='1000'");
    EXPECT_EQ(Scalar("select kh_lwje from jxc_khxx where kh_name='零'"), "0");
    EXPECT_EQ(Scalar("select length(kh_lxr) || ',' || length(kh_tele) || ',' || length(kh_note) from jxc_khxx "
                     "where kh_name='零'"),
        "16,32,200");
    EXPECT_EQ(Scalar("select kt_sn || kt_name from jxc_khxx where kh_name='零二'"), "1000" + defaultType);
    const QString owes = Scalar("select kh_sn from jxc_khxx where kh_name='欠款'");
    EXPECT_EQ(Scalar("select count(*) from jxc_ysyfk_dj where k_note='导入时应收款'"), "2");
    EXPECT_EQ(Scalar("select k_yfje from jxc_ysyfk_dj where k_ghskh='" + owes + "'"), "150");
    EXPECT_EQ(Scalar("select k_yfje from jxc_ysyfk where k_ghskh='" + owes + "'"), "150");
    EXPECT_TRUE(Scalar("select gl_djh from jxc_ysyfk_dj where k_ghskh='" + owes + "'").startsWith("YS240305"));
    EXPECT_EQ(Scalar("select count(*) || z_jm from jxc_zone where z_name='东区' group by z_jm"), "1DQ");
    EXPECT_EQ(Column("select id_status from jxc_importdata order by id").last(), "导入失败,期初应收必须是数字!");
}

TEST_F(PartnerImportTest, SupplierAddsTypesAndTakesApostrophes)
{
    auto w = std::make_unique<TF_Ghsgl_Import>();
    w->Activate();
    prompt.AnswerFile(Sheet("s.xlsx", { "供货商名称", "供货商类型", "期初应付" },
        { { "O'Brien", "新类型", "20" }, { "O'Brien", "", "" } }));
    w->btnOpenClick();
    w->btnNextClick();
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(Scalar("select gt_name from jxc_ghsxx where ghs_name='O''Brien'"), "新类型");
    EXPECT_EQ(Scalar("select count(*) from jxc_ghstype where gt_name='新类型'"), "1");
    EXPECT_EQ(Column("select id_status from jxc_importdata order by id"),
        QStringList({ "导入成功", "导入失败,供货商已经存在!" }));
    EXPECT_EQ(Scalar("select count(*) from jxc_ysyfk_dj where k_note='导入时应付款' and gl_djh like 'YF%'"), "1");
}

TEST_F(PartnerImportTest, AnUntickedColumnFeedsNothing)
{
    auto w = OpenCustomers(Sheet("u.xlsx", { "客户名称", "备注" }, { { "甲", "不要" } }));
    ExecSQL("update jxc_importchk set i_sele=0 where i_excelfield='备注'");
    w->btnNextClick();
    prompt.Clear();
    w->btnImportClick();
    EXPECT_EQ(Scalar("select coalesce(kh_note,'null') from jxc_khxx where kh_name='甲'"), "null");
}

}
