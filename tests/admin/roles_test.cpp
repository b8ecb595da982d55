#include "admin/adminwindows.h"
#include "admin/rightstable.h"
#include "admin/role.h"
#include "admin/roles.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "platform/grid/checktree.h"
#include "platform/grid/datagrid.h"
#include "support/accountset.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class RoleTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
    }

    void TearDown() override
    {
        OpenMode.clear();
        AccountSetTest::TearDown();
    }

    QString Role(const QString& column, const QString& name)
    {
        return QueryScalar("select " + column + " from jxc_role where r_name='" + name + "'");
    }

    // Runs the role dialog that the list opens with the script.
    void RunDialog(std::function<void(TF_Role_Add&)> script, std::function<void()> open)
    {
        prompt.OnModal("TF_Role_Add", [&](QDialog* d) {
            script(*static_cast<TF_Role_Add*>(d));
            return d->result();
        });
        open();
    }
};

TEST_F(RoleTest, TheEditorShowsTheSixGroupsInOrder)
{
    QStringList captions;
    QList<int> counts;
    for (const RightGroup& g : RightGroups()) {
        captions << g.column + ":" + g.caption;
        counts << int(g.labels.size());
    }
    EXPECT_EQ(captions,
        (QStringList {
            "cggl:入库管理", "xsgl:出库管理", "kcgl:库存管理", "wlzk:往来帐款", "tjgl:统计报表", "qtcz:其它操作" }));
    EXPECT_EQ(counts, (QList<int> { 20, 22, 13, 15, 8, 20 }));
    EXPECT_EQ(RightGroupOf("qtcz")->labels[6], "系统参数");
    EXPECT_EQ(RightGroupOf("xsgl")->labels[21], "POS查询");
    EXPECT_EQ(RightGroupOf("rcgl"), nullptr);

    EXPECT_EQ(FlagsFromTicks({ true, false, true }), "101");
    EXPECT_EQ(TicksFromFlags("10x", 5), (QList<bool> { true, false, false, false, false }));
}

TEST_F(RoleTest, ANewRoleStartsWithEveryRightAndStoresSixStrings)
{
    TF_Role list;
    list.Activate();
    RunDialog(
        [](TF_Role_Add& d) {
            EXPECT_EQ(d.chkTree->GroupCount(), 6);
            EXPECT_EQ(d.chkTree->ItemCaption(0, 0), "采购进货");
            EXPECT_TRUE(d.chkSele->isChecked());
            EXPECT_EQ(d.chkTree->CheckedCaptions().size(), 98);
            d.chkSele->setChecked(false);
            d.chkSeleClick();
            EXPECT_TRUE(d.chkTree->CheckedCaptions().isEmpty());
            d.chkTree->SetChecked(0, 1, true);
            d.chkTree->SetChecked(4, 7, true);
            d.tname->setText(" 收银员 ");
            d.btnOKClick();
        },
        [&] { list.btn_AddClick(); });
    EXPECT_EQ(OpenMode, "");
    EXPECT_EQ(Role("r_sn", "收银员"), "100002");
    EXPECT_EQ(Role("cggl", "收银员"), "01" + QString(18, '0'));
    EXPECT_EQ(Role("xsgl", "收银员"), QString(22, '0'));
    EXPECT_EQ(Role("kcgl", "收银员").size(), 13);
    EXPECT_EQ(Role("wlzk", "收银员").size(), 15);
    EXPECT_EQ(Role("tjgl", "收银员"), "00000001");
    EXPECT_EQ(Role("qtcz", "收银员").size(), 20);
    EXPECT_EQ(Role("rcgl", "收银员"), "");
    EXPECT_EQ(Role("scjg", "收银员"), "");
    EXPECT_EQ(list.cxGridView->RowCount(), 2);
}

TEST_F(RoleTest, ModifyingShowsTheStoredRightsAndKeepsTheUnshownStrings)
{
    ExecSQL("insert into jxc_role (r_sn,r_name,cggl,xsgl,scjg,scjh,kcgl,wlzk,tjgl,rcgl,qtcz) values "
            "('100002','店长','1010','','111','000','1','','11111111111','1111','0000001')");
    TF_Role list;
    list.Activate();
    ASSERT_TRUE(dm->Q("Q_Role").Locate("r_sn", "100002"));
    RunDialog(
        [](TF_Role_Add& d) {
            EXPECT_EQ(d.tname->text(), "店长");
            EXPECT_FALSE(d.chkSele->isChecked());
            EXPECT_EQ(d.chkTree->CheckedCaptions(),
                (QStringList { "采购进货", "采购进货取消审核", "商品库存", "进销存明细", "进销存汇总", "发货对账单",
                    "收货对账单", "发货成本", "销售毛利", "业务员销售", "单据查询", "系统参数" }));
            d.btnOKClick();
        },
        [&] { list.btn_ModiClick(); });
    EXPECT_EQ(Role("r_sn", "店长"), "100002");
    EXPECT_EQ(Role("cggl", "店长"), "1010" + QString(16, '0'));
    EXPECT_EQ(Role("tjgl", "店长"), "11111111");
    EXPECT_EQ(Role("rcgl", "店长"), "");
    EXPECT_EQ(Role("scjg", "店长"), "111");
    EXPECT_EQ(Role("scjh", "店长"), "000");
}

TEST_F(RoleTest, NamesAreUniqueAfterConversion)
{
    ExecSQL("insert into jxc_role (r_sn,r_name) values ('100002','店长，副')");
    const qint64 id = QueryScalar("select id from jxc_role where r_sn='100002'").toLongLong();
    EXPECT_EQ(SaveRole(0, " ", {}), "角色名称必须填写！");
    EXPECT_EQ(SaveRole(0, "店长,副", {}), "角色名称已经存在，请重新输入！");
    EXPECT_EQ(SaveRole(1, "店长,副", {}), "角色名称已经存在，请重新输入！");
    EXPECT_EQ(SaveRole(id, "店长,副", { { "cggl", "1" } }), "");
    EXPECT_EQ(Role("cggl", "店长，副"), "1");
    EXPECT_EQ(Count("jxc_role"), 2);
}

TEST_F(RoleTest, TheAdministratorRoleStaysAsItIs)
{
    ExecSQL("insert into jxc_role (r_sn,r_name) values ('100002','收银员'),('100003','临时')");
    ExecSQL("insert into jxc_admin (a_sn,a_name,r_sn,a_jyt) values ('100002','业务甲','100002',0)");
    EXPECT_EQ(RoleModifyRefusal("100001"), "系统管理员不能修改！");
    EXPECT_EQ(RoleModifyRefusal("100002"), "");
    EXPECT_EQ(RoleDeleteRefusal("100001"), "该角色已在使用，不能删除！");
    EXPECT_EQ(RoleDeleteRefusal("100002"), "该角色已在使用，不能删除！");
    EXPECT_EQ(RoleDeleteRefusal("100003"), "");
    ExecSQL("delete from jxc_admin where a_sn='100001'");
    EXPECT_EQ(RoleDeleteRefusal("100001"), "系统管理员不能删除！");

    TF_Role list;
    list.Activate();
    list.btn_ModiClick(); // the administrator role is current
    EXPECT_EQ(prompt.LastMessage(), "系统管理员不能修改！");
    ASSERT_TRUE(dm->Q("Q_Role").Locate("r_sn", "100003"));
    prompt.Answer(Prompt::Answer::Yes);
    list.btn_DeleClick();
    EXPECT_EQ(prompt.Questions().last(), "您确定要删除选中的角色吗？");
    EXPECT_EQ(Count("jxc_role", "r_sn='100003'"), 0);
    EXPECT_EQ(list.cxGridView->RowCount(), 2);
}

TEST_F(RoleTest, ARightPastAStoredStringIsDenied)
{
    ExecSQL("insert into jxc_role (r_sn,r_name) values ('100002','统计')");
    const qint64 id = QueryScalar("select id from jxc_role where r_sn='100002'").toLongLong();
    ASSERT_EQ(SaveRole(id, "统计", { { "tjgl", "11111111" } }), "");
    CurrentRoleSn = "100002";
    EXPECT_TRUE(HasRight("tjgl", 8));
    EXPECT_FALSE(HasRight("tjgl", 9));
    EXPECT_FALSE(HasRight("rcgl", 4));
    CurrentRoleSn = "100001";
    EXPECT_TRUE(HasRight("tjgl", 19));
}

} // namespace

#include "foundation/functionwindows.h"

TEST(AdminWindows, TheMainWindowFindsTheThreeWindows)
{
    RegisterAdminWindows();
    for (const char* name : { "TF_Xtcs", "TF_Admin", "TF_Role" })
        EXPECT_TRUE(FunctionWindows::Available(name)) << name;
}
