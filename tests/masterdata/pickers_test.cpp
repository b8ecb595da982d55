#include "registryfixture.h"

#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "masterdata/pickers.h"
#include "masterdata/pickerscallers.h"
#include "masterdata/user.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

namespace {

// A stand-in for a document window: its handler combo and remark edit registered
// under the tag it opens the pickers with.
class PickerTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        AddStaff("100002", "采购员", "100");
        AddStaff("100003", "销售员", "010");
        AddStaff("100004", "仓管员", "001");
        AddStaff("100005", "离职员", "111", true);
    }
    void TearDown() override
    {
        PickerCallers::Unregister(tag);
        PickerCaller.clear();
        BindSalesmanCustomer.clear();
        CurrentCustomerSn.clear();
        RegistryTest::TearDown();
    }
    void Caller(const QString& t)
    {
        PickerCallers::Unregister(tag);
        tag = t;
        PickerCaller = t;
        PickerCallers::RegisterHandlerCombo(t, &comUser);
        PickerCallers::RegisterRemarkEdit(t, &tnote);
    }
    // Opens the handler picker, chooses the staff member and confirms.
    void ChooseHandler(const QString& name)
    {
        TF_User2 picker;
        picker.Activate();
        const QStringList names = Listed(*picker.cxGrid, "u_name");
        picker.cxGrid->SetCurrentRow(names.indexOf(name));
        picker.btnOKClick();
    }
    QStringList Listed(DataGrid& grid, const char* field)
    {
        QStringList values;
        for (int r = 0; r < grid.RowCount(); ++r)
            values << grid.Value(r, field).toString();
        return values;
    }
    QStringList Items()
    {
        QStringList items;
        for (int i = 0; i < comUser.count(); ++i)
            items << comUser.itemText(i);
        return items;
    }
    QString tag;
    KeyedCombo comUser;
    QLineEdit tnote;
};

TEST_F(PickerTest, HandlerAnswerFollowsTheCallersFlag)
{
    struct Case {
        const char* tag;
        const char* chosen;
        QStringList items;
        const char* selected;
    } cases[] = {
        { "jh", "采购员", { "默认员工", "采购员" }, "采购员" },
        { "jh", "销售员", { "默认员工", "采购员" }, "" },
        { "kcpd", "仓管员", { "默认员工", "仓管员" }, "仓管员" },
        { "xs", "销售员", { "默认员工", "销售员" }, "销售员" },
        { "sctk", "采购员", { "默认员工", "采购员" }, "采购员" },
        { "bmth", "仓管员", { "默认员工", "采购员", "销售员", "仓管员" }, "仓管员" },
    };
    for (const Case& c : cases) {
        Caller(c.tag);
        ChooseHandler(c.chosen);
        EXPECT_EQ(Items(), c.items) << c.tag;
        EXPECT_EQ(comUser.currentText(), c.selected) << c.tag << " " << c.chosen;
    }
    // A tag nothing registered answers nothing.
    comUser.clear();
    PickerCaller = "cgd";
    ChooseHandler("采购员");
    EXPECT_EQ(comUser.count(), 0);
}

TEST_F(PickerTest, SalesmanBindingSelectsTheCustomersFirstSalesman)
{
    AddStaff("100006", "专属销售", "010");
    ExecSQL("insert into jxc_khxx (kh_sn,kh_name,kh_usn,kh_uname) values ('K1','客一','100006,','专属销售,')");
    CurrentCustomerSn = "K1";
    BindSalesmanCustomer = "1";
    Caller("spdd");
    ChooseHandler("销售员");
    EXPECT_EQ(comUser.currentText(), "专属销售");
    EXPECT_EQ(Items().first(), "专属销售");
}

TEST_F(PickerTest, PickerListsActiveStaffAndOffersEditingByRight)
{
    Caller("jh");
    {
        TF_User2 picker;
        picker.Activate();
        EXPECT_EQ(Listed(*picker.cxGrid, "u_name"), (QStringList { "默认员工", "采购员", "销售员", "仓管员" }));
        EXPECT_FALSE(picker.btnAdd->isHidden());
        picker.tkey->setText("仓管");
        EXPECT_EQ(Listed(*picker.cxGrid, "u_name"), QStringList { "仓管员" });
        picker.tkey->clear();

        // A member added from the picker is listed at once and can be chosen.
        prompt.OnModal("TF_User_Add", [](QDialog* d) {
            auto* add = static_cast<TF_User_Add*>(d);
            add->tname->setText("新采购");
            add->btnOKClick();
            return 1;
        });
        picker.btnAddClick();
        const QStringList names = Listed(*picker.cxGrid, "u_name");
        ASSERT_TRUE(names.contains("新采购"));
        picker.cxGrid->SetCurrentRow(names.indexOf("新采购"));
        picker.btnOKClick();
        EXPECT_EQ(comUser.currentText(), "新采购");
    }
    ExecSQL("insert into jxc_role (r_sn,r_name,qtcz) values ('100002','店员','11100000000000000000')");
    CurrentRoleSn = "100002";
    TF_User2 picker;
    picker.Activate();
    EXPECT_TRUE(picker.btnAdd->isHidden());
    EXPECT_TRUE(picker.btnModi->isHidden());
}

TEST_F(PickerTest, RemarkPickerHistoryAndAnswer)
{
    for (int i = 1; i <= 12; ++i)
        ExecSQL(QString("insert into jxc_jhd (gl_djh,j_note) values ('JH%1','备注%1')").arg(i));
    ExecSQL("insert into jxc_jhd (gl_djh,j_note) values ('JH0','')");
    ExecSQL("insert into jxc_djbz (dj_sn,dj_name) values ('100001','货到付款')");
    Caller("bmly");
    TF_Djbz picker;
    picker.Activate();
    const QStringList history = Listed(*picker.cxGridLs, "j_note");
    ASSERT_EQ(history.size(), 10);
    EXPECT_EQ(history.first(), "备注1");
    EXPECT_EQ(history.last(), "备注10");
    picker.btnOKClick();
    EXPECT_EQ(tnote.text(), "货到付款");

    picker.Activate();
    picker.pages->setCurrentIndex(1);
    picker.cxGridLs->SetCurrentRow(2);
    picker.btnOKClick();
    EXPECT_EQ(tnote.text(), "备注3");

    // The stock windows have no remark edit to answer into.
    Caller("kcdb");
    picker.Activate();
    picker.btnOKClick();
    EXPECT_EQ(tnote.text(), "备注3");
}

TEST_F(PickerTest, RemarkEditorRefusals)
{
    ExecSQL("insert into jxc_djbz (dj_sn,dj_name) values ('100001','货到付款'),('100002','含税（13％）')");
    EXPECT_EQ(RemarkSaveRefusal(" ", "1", ""), kRemarkMissing);
    EXPECT_EQ(RemarkSaveRefusal("货到付款", "1", ""), kRemarkTaken);
    EXPECT_EQ(RemarkSaveRefusal("含税(13%)", "1", ""), kRemarkTaken);
    EXPECT_EQ(RemarkSaveRefusal("货到付款", "2", "100001"), QString());
    EXPECT_EQ(RemarkSaveRefusal("货到付款", "2", "100002"), kRemarkTaken);

    TF_Djbz picker;
    picker.Activate();
    prompt.OnModal("TF_Djbz_Add", [](QDialog* d) {
        auto* add = static_cast<TF_Djbz_Add*>(d);
        EXPECT_EQ(add->windowTitle(), "增加常用备注信息");
        add->tname->setText("月结30天");
        add->btnSaveClick();
        return 1;
    });
    picker.btnAddClick();
    EXPECT_EQ(Listed(*picker.cxGrid, "dj_name").last(), "月结30天");
    EXPECT_EQ(Scalar("select dj_sn from jxc_djbz where dj_name='月结30天'"), "100003");
}

}
