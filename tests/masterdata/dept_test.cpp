#include "registryfixture.h"

#include "foundation/globals.h"
#include "masterdata/dept.h"
#include "masterdata/deptops.h"
#include "masterdata/pickerscallers.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QLineEdit>
#include <memory>

namespace {

class DeptTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        ExecSQL("insert into jxc_dept (de_sn,de_name) values ('100002','裁剪部'),('100003','车缝部')");
    }
    void TearDown() override
    {
        list.reset();
        PickerCaller.clear();
        OpenMode.clear();
        RegistryTest::TearDown();
    }
    void OpenList()
    {
        list = std::make_unique<TF_Dept>();
        list->Activate();
    }
    QStringList Listed()
    {
        QStringList names;
        for (int r = 0; r < list->cxGrid->RowCount(); ++r)
            names << list->cxGrid->Value(r, "de_name").toString();
        return names;
    }
    void Focus(const QString& name) { list->cxGrid->SetCurrentRow(Listed().indexOf(name)); }
    // Runs the department dialog on the list with the given name typed.
    void Edit(bool add, const QString& name)
    {
        prompt.OnModal("TF_Dept_Sele", [name](QDialog* d) {
            auto* sele = static_cast<TF_Dept_Sele*>(d);
            sele->tname->setText(name);
            sele->btnSaveClick();
            return 1;
        });
        add ? list->btnAddClick() : list->btnModiClick();
    }
    std::unique_ptr<TF_Dept> list;
};

TEST_F(DeptTest, DeleteRefusesBuiltInAndExpensesButNotDocuments)
{
    ExecSQL("insert into jxc_yyfy (de_sn) values ('100002')");
    ExecSQL("insert into jxc_goodslist (ghs_sn,ghs_name,g_sn) values ('100003','车缝部','G1')");
    EXPECT_EQ(DeptDeleteRefusal("100001"), kDeptBuiltIn);
    EXPECT_EQ(DeptDeleteRefusal("100002"), kDeptInUse);
    EXPECT_EQ(DeptDeleteRefusal("100003"), QString());
    OpenList();
    Focus("车缝部");
    prompt.Answer(Prompt::Answer::Yes);
    list->btnDeleClick();
    EXPECT_EQ(prompt.Questions(), QStringList { "您确定要删除该部门信息吗！" });
    EXPECT_EQ(Listed(), (QStringList { "默认部门", "裁剪部" }));
}

TEST_F(DeptTest, AddAndRenameWithLedgerRowsOfTheOldName)
{
    ExecSQL("insert into jxc_goodslist (ghs_sn,ghs_name,g_sn) values ('100002','裁剪部','G1'),('100002','别名','G2'),"
            "('100003','裁剪部','G3')");
    OpenList();
    Edit(true, "裁剪部");
    EXPECT_EQ(Count("jxc_dept", "de_name='裁剪部'"), 2);
    Edit(true, " ");
    EXPECT_EQ(prompt.LastMessage(), kDeptNameMissing);
    Focus("车缝部");
    list->tkey->setText("100002");
    list->btnKeyClick();
    Edit(false, "裁床(一)");
    EXPECT_EQ(
        Column("select ghs_name from jxc_goodslist order by id"), (QStringList { "裁床（一）", "别名", "裁剪部" }));
    EXPECT_TRUE(OpenMode.isEmpty());

    // The built-in department takes a new name.
    list->tkey->clear();
    list->btnKeyClick();
    Focus("默认部门");
    Edit(false, "总部");
    EXPECT_EQ(Scalar("select de_name from jxc_dept where de_sn='100001'"), "总部");
}

TEST_F(DeptTest, ConfirmAnswersTheCallerByItsTag)
{
    KeyedCombo comDept;
    PickerCallers::RegisterDeptCombo("fyjsr_add", &comDept);
    PickerCaller = "fyjsr_add";
    OpenList();
    Focus("车缝部");
    list->btnOKClick();
    ASSERT_EQ(comDept.count(), 4);
    EXPECT_EQ(comDept.itemText(3), "添加新部门...");
    EXPECT_EQ(comDept.Code(3), "-1");
    EXPECT_EQ(comDept.currentText(), "车缝部");

    // Q_Dept2 belongs to the department document windows; "bmly" reopens it.
    Query& dept2 = dm->Q("Q_Dept2");
    dept2.SetSQL("select * from jxc_dept order by id");
    dept2.Open();
    ExecSQL("insert into jxc_dept (de_sn,de_name) values ('100004','后整部')");
    PickerCaller = "bmly";
    OpenList();
    list->btnOKClick();
    EXPECT_EQ(dept2.RecordCount(), 4);

    // A tag nothing registered answers nothing.
    PickerCaller = "fyjsr_add1";
    OpenList();
    list->btnOKClick();
    EXPECT_EQ(comDept.count(), 4);
    PickerCallers::Unregister("fyjsr_add");
}

}
