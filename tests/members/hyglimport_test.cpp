#include "memberfixture.h"

#include "members/hyglimport.h"
#include "platform/grid/datagrid.h"
#include "platform/sheet/sheetwriter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <memory>

namespace {

class HyglImportTest : public MembersTest {
protected:
    void SetUp() override
    {
        MembersTest::SetUp();
        wizard = std::make_unique<TF_Hygl_Import>();
    }
    void TearDown() override
    {
        wizard.reset();
        MembersTest::TearDown();
    }
    QString Sheet(const QString& name, const QStringList& captions, const QList<QStringList>& rows)
    {
        SheetTable t;
        t.captions = captions;
        for (const QStringList& r : rows) {
            QVector<QVariant> cells;
            for (const QString& c : r)
                cells << c;
            t.rows << cells;
        }
        const QString path = Folder() + name;
        QString error;
        const bool ok = name.endsWith(".xls") ? WriteXls(path, t, &error) : WriteXlsx(path, t, &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return path;
    }
    // Opens the file on the mapping panel.
    void Open(const QString& path)
    {
        w().Activate();
        w().btnNext1Click();
        prompt.AnswerFile(path);
        w().btnOpenClick();
    }
    QStringList Mapping()
    {
        return Column("select i_excelfield||'='||coalesce(i_fieldid,'')||':'||cast(case when i_sele<>0 then 1 else 0 "
                      "end as text) from jxc_importchk order by id");
    }
    QStringList Outcomes()
    {
        return Column("select id_exceldata||' '||coalesce(id_status,'') from jxc_importdata order by id");
    }
    std::unique_ptr<TF_Hygl_Import> wizard;
    TF_Hygl_Import& w() { return *wizard; }
};

TEST_F(HyglImportTest, MappingPreviewAndImportPairRowsWithTheirSheetRows)
{
    const QString path = Sheet("members.xlsx", { "会员卡号", "会员姓名", "会员积分", "性别", "出生日期", "备用" },
        { { "C1", "甲", "abc", "女", "1990-01-02", "x" }, { "C1", "乙", "5", "男", "1991-01-02", "" },
            { "C9", "", "7", "", "", "" }, { "C3", "丙", "12", "", "", "" } });
    Open(path);
    EXPECT_EQ(Mapping(),
        (QStringList { "会员卡号=hy_bh:1", "会员姓名=hy_name:1", "会员积分=hy_jf:1", "性别=hy_sex:1",
            "出生日期=hy_sr:1", "备用=:0" }));
    EXPECT_EQ(w().grpFields->title(), QStringLiteral("请选择要导入的字段（共6个字段）"));
    // Without automatic numbers a card column must be mapped.
    w().chkAuto->setChecked(false);
    w().MappingTickClick(0);
    EXPECT_EQ(Mapping().first(), "会员卡号=:0");
    w().btnNext2Click();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("请选择会员卡号对应的字段！"));
    w().MappingTickClick(0);
    dm->Q("Q_Importchk").Edit();
    dm->Q("Q_Importchk").SetValue("i_fieldid", "hy_bh");
    dm->Q("Q_Importchk").Post();

    w().btnNext2Click();
    EXPECT_EQ(w().grpData->title(), QStringLiteral("选择要导入的 会员资料（共3条记录）"));
    w().btnImportClick();
    EXPECT_EQ(prompt.LastMessage(),
        QStringLiteral("导入完毕\r\n\r\n共3条记录\r\n\r\n成功导入2条\r\n\r\n失败1条\r\n\r\n取消导入0条"));
    EXPECT_EQ(Outcomes(),
        (QStringList { "[C1]甲 加入日期为空，将使用默认日期!", "[C1]乙 导入失败,会员卡号不能重复!",
            "[C3]丙 性别为空，将使用默认性别!" }));
    EXPECT_EQ(Column("select hy_bh||' '||hy_name||' '||cast(cast(hy_jf as integer) as text)||' '||"
                     "cast(cast(hy_zjf as integer) as text)||' '||hy_sex||' '||hy_sr from jxc_hyxx "
                     "where hy_sn<>'100001' order by id"),
        (QStringList { "C1 甲 0 0 女 1990-01-02", "C3 丙 12 12 男 1994-03-05" }));
    EXPECT_EQ(Scalar("select hy_jm from jxc_hyxx where hy_name='丙'"), "B");
}

TEST_F(HyglImportTest, AutomaticNumbersFromAnXlsFile)
{
    AddMember({ .sn = "100002", .card = "100007", .name = "老会员" });
    const QString path = Sheet("members.xls", { "会员姓名", "移动电话" },
        { { "老会员", "1" }, { "", "" }, { "新会员", "13900001111" }, { "第三", "" } });
    Open(path);
    w().btnNext2Click();
    // Preview numbers run with the sheet rows, the nameless one included.
    EXPECT_EQ(Outcomes(), (QStringList { "[100008]老会员 ", "[100010]新会员 ", "[100011]第三 " }));
    w().chkUnique->setChecked(true);
    dm->ADOConn.Exec("update jxc_importdata set id_sele=0 where id_exceldata like '%第三'");
    w().btnImportClick();
    EXPECT_EQ(prompt.LastMessage(),
        QStringLiteral("导入完毕\r\n\r\n共3条记录\r\n\r\n成功导入1条\r\n\r\n失败1条\r\n\r\n取消导入1条"));
    EXPECT_EQ(Column("select hy_bh||' '||hy_name||' '||hy_mobile from jxc_hyxx where hy_sn>'100002'"),
        QStringList { "100008 新会员 13900001111" });
    EXPECT_EQ(Outcomes()[0], QStringLiteral("[100008]老会员 导入失败,会员名称已经存在!"));
}

TEST_F(HyglImportTest, SelectAllGatesTheImport)
{
    Open(Sheet("one.xlsx", { "会员姓名" }, { { "甲" } }));
    w().btnNext2Click();
    w().chkAll->setChecked(false);
    w().chkAllClick();
    EXPECT_FALSE(w().btnImport->isEnabled());
    EXPECT_EQ(Count("jxc_importdata", "id_sele<>0"), 0);
    w().chkAll->setChecked(true);
    w().chkAllClick();
    EXPECT_TRUE(w().btnImport->isEnabled());
    EXPECT_EQ(Count("jxc_importdata", "id_sele<>0"), 1);
}

} // namespace
