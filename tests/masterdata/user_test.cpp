#include "registryfixture.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/user.h"
#include "masterdata/userops.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QComboBox>
#include <QLineEdit>
#include <memory>

namespace {

class StaffTest : public RegistryTest {
protected:
    void TearDown() override
    {
        list.reset();
        BindPartnersWarehouse.clear();
        RegistryTest::TearDown();
    }
    void OpenList()
    {
        list = std::make_unique<TF_User>();
        list->Activate();
    }
    QStringList Listed()
    {
        QStringList names;
        for (int r = 0; r < list->cxGrid->RowCount(); ++r)
            names << list->cxGrid->Value(r, "u_name").toString();
        return names;
    }
    void Focus(const QString& name) { list->cxGrid->SetCurrentRow(Listed().indexOf(name)); }
    std::unique_ptr<TF_User> list;
};

TEST_F(StaffTest, DeleteRefusalsAndTheBuiltInFirst)
{
    struct Case {
        const char* code;
        const char* name;
        const char* reference;
    } cases[] = {
        { "100002", "甲", "insert into jxc_goodslist (u_name,g_sn) values ('甲','G1')" },
        { "100003", "乙", "insert into jxc_ysyfk (u_sn,k_ghskh) values ('100003','K1')" },
        { "100004", "丙", "insert into jxc_yyfy (u_sn,de_sn) values ('100004','100001')" },
        { "100005", "丁", "insert into jxc_xjyh (u_name,gl_djh) values ('丁','SK1')" },
        { "100006", "戊", "insert into jxc_zcmx (u_name) values ('戊')" },
    };
    for (const Case& c : cases) {
        AddStaff(c.code, c.name);
        EXPECT_EQ(StaffDeleteRefusal(c.code, c.name), QString()) << c.name;
        ExecSQL(c.reference);
        EXPECT_EQ(StaffDeleteRefusal(c.code, c.name), kStaffInUse) << c.name;
    }
    // The built-in member is refused before its own ledger rows are looked at.
    ExecSQL("insert into jxc_goodslist (u_name,g_sn) values ('默认员工','G1')");
    EXPECT_EQ(StaffDeleteRefusal("100001", "默认员工"), kStaffBuiltIn);

    AddStaff("100007", "己");
    OpenList();
    Focus("甲");
    list->btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), kStaffInUse);
    Focus("己");
    prompt.Answer(Prompt::Answer::Yes);
    list->btnDeleClick();
    EXPECT_EQ(Count("jxc_user", "u_name='己'"), 0);
}

TEST_F(StaffTest, AddStoresRateMethodAndRefusesDuplicates)
{
    OpenList();
    TF_User_Add add;
    add.Activate();
    EXPECT_FALSE(add.tzdlr->isEnabled());
    add.tname->setText(" 业务-甲 ");
    add.ttc->setText("5%");
    add.comTcfs->setCurrentIndex(1);
    add.tzdlr->setText("30");
    add.comTcfs->setCurrentIndex(0);
    add.btnOKClick();
    // The amounts are read as values: joined in SQL, their text differs between backends.
    EXPECT_EQ(Scalar("select u_tc from jxc_user where u_name='业务-甲'"), "5");
    EXPECT_EQ(Scalar("select u_zdlr from jxc_user where u_name='业务-甲'"), "0");
    EXPECT_EQ(Scalar("select u_tcfs || '|' || u_tctxt || '|' || u_cg || u_xs || u_kc "
                     "|| u_jy || '|' || ck_sn || '|' || ck_name from jxc_user where u_name='业务-甲'"),
        "0|按销售额提成|1110|-1|所有仓库");
    EXPECT_EQ(Listed().last(), "业务-甲");

    TF_User_Add again;
    again.Activate();
    again.tname->setText("默认员工");
    again.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), kStaffNameTaken);
    again.tname->setText("  ");
    again.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), kStaffNameMissing);
    EXPECT_EQ(Count("jxc_user"), 2);
}

TEST_F(StaffTest, RenameFollowsIntoLedgersAndOnlyTheEqualSalesmanEntry)
{
    EXPECT_EQ(ReplaceSalesmanEntry("业务甲,业务甲乙,", "业务甲", "新"), "新,业务甲乙,");
    EXPECT_EQ(ReplaceSalesmanEntry("业务甲乙,", "业务甲", "新"), "业务甲乙,");

    AddStaff("100002", "业务甲");
    ExecSQL("insert into jxc_goodslist (u_name,g_sn) values ('业务甲','G1'),('业务甲乙','G1')");
    ExecSQL("insert into jxc_xjyh (u_name,gl_djh) values ('业务甲','SK1')");
    ExecSQL("insert into jxc_zcmx (u_name) values ('业务甲')");
    ExecSQL("insert into jxc_khxx (kh_sn,kh_name,kh_uname) values "
            "('K1','客一','业务甲乙,业务甲,'),('K2','客二','业务甲乙,')");
    OpenList();
    Focus("业务甲");
    TF_User_Modi modi;
    modi.Activate();
    modi.tname->setText("业务丙");
    modi.btnOKClick();
    EXPECT_EQ(Column("select u_name from jxc_goodslist order by id"), (QStringList { "业务丙", "业务甲乙" }));
    EXPECT_EQ(Count("jxc_xjyh", "u_name='业务丙'"), 1);
    EXPECT_EQ(Count("jxc_zcmx", "u_name='业务丙'"), 1);
    EXPECT_EQ(Column("select kh_uname from jxc_khxx where kh_sn like 'K_' order by kh_sn"),
        (QStringList { "业务甲乙,业务丙,", "业务甲乙," }));
    EXPECT_TRUE(Listed().contains("业务丙"));

    // Its own name is no duplicate; another member's is.
    Focus("业务丙");
    TF_User_Modi again;
    again.Activate();
    again.btnOKClick();
    EXPECT_TRUE(prompt.Messages().isEmpty());
    again.tname->setText("默认员工");
    again.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), kStaffNameTaken);
}

TEST_F(StaffTest, UnmatchedWarehouseKeepsTheStoredBindingAndBuiltInStaysLocked)
{
    BindPartnersWarehouse = "True";
    AddStaff("100002", "甲", "111", false, "999999");
    ExecSQL("update jxc_user set ck_name='旧仓' where u_sn='100002'");
    OpenList();
    Focus("甲");
    TF_User_Modi modi;
    modi.Activate();
    EXPECT_EQ(modi.comCk->currentIndex(), -1);
    modi.tduty->setText("店长");
    modi.btnOKClick();
    EXPECT_EQ(Scalar("select ck_sn || ck_name || u_duty from jxc_user where u_sn='100002'"), "999999旧仓店长");

    Focus("默认员工");
    TF_User_Modi builtIn;
    builtIn.Activate();
    EXPECT_FALSE(builtIn.comCk->isEnabled());
    EXPECT_EQ(builtIn.comCk->currentText(), "所有仓库");
}

TEST_F(StaffTest, BoundOperatorSeesOwnWarehousesStaffOnly)
{
    AddWarehouseRow("100002", "二仓", "100009,");
    AddWarehouseRow("100003", "三仓", "100008,");
    AddStaff("100002", "二仓员", "111", false, "100002");
    AddStaff("100003", "三仓员", "111", false, "100003");
    BindPartnersWarehouse = "True";
    CurrentRoleSn = "100002";
    CurrentAdminSn = "100009";
    OpenList();
    EXPECT_EQ(Listed(), (QStringList { "默认员工", "二仓员" }));
    CurrentRoleSn = "100001";
    OpenList();
    EXPECT_EQ(Listed().size(), 3);
}

TEST_F(StaffTest, QuickSearchDisableAndPrint)
{
    AddStaff("100002", "张三");
    AddStaff("100003", "李四");
    ExecSQL("update jxc_user set u_jm='ZS',u_tc=5 where u_sn='100002'");
    OpenList();
    EXPECT_EQ(list->cxGrid->Text(1, list->cxGrid->ColumnByField("u_tc")), "5.00%");
    list->tkey->setText("zs");
    list->searchKeys();
    EXPECT_EQ(Listed(), QStringList { "张三" });
    CapturePrint("user.fr3");
    list->btnPrintClick();
    EXPECT_TRUE(printed.contains("张三"));
    EXPECT_FALSE(printed.contains("李四"));
    EXPECT_EQ(Listed().size(), 3);

    list->strtele = "";
    list->strname = "李";
    list->filterData();
    EXPECT_EQ(Listed(), QStringList { "李四" });
    list->miDisableClick(true);
    EXPECT_EQ(Scalar("select u_jy from jxc_user where u_sn='100003'"), "True");
    list->btnAllClick();
    EXPECT_EQ(Listed().size(), 3);
}

}
