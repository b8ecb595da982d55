#include "registryfixture.h"

#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "masterdata/partnerdialogs.h"
#include "masterdata/partnerlist.h"
#include "masterdata/partnerops.h"
#include "platform/grid/checktree.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <memory>

namespace {

class PartnerTest : public RegistryTest {
protected:
    void TearDown() override
    {
        BindPartnersWarehouse.clear();
        CurrentRoleSn = "100001";
        AuxTag.clear();
        RegistryTest::TearDown();
    }
    QString AddCustomer(const QString& name, const QString& extra = QString(), const QString& values = QString())
    {
        const QString code = QString::number(Scalar("select max(kh_sn) from jxc_khxx").toInt() + 1);
        ExecSQL("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kt_sn,kt_name,ck_sn,ck_name,kh_lwje" + extra + ") values ('"
            + code + "','" + name + "','','1000','零售客户','-1','所有仓库',0" + values + ")");
        return code;
    }
    template <class List> std::unique_ptr<List> Open()
    {
        auto l = std::make_unique<List>();
        l->Activate();
        return l;
    }
    QStringList Listed(PartnerListForm& l)
    {
        const QString f = l.kind == PartnerKind::Customer ? "kh_name" : "ghs_name";
        QStringList names;
        for (int r = 0; r < l.cxGrid->RowCount(); ++r)
            names << l.cxGrid->Value(r, f).toString();
        return names;
    }
    void Focus(PartnerListForm& l, const QString& name) { l.cxGrid->SetCurrentRow(Listed(l).indexOf(name)); }
};

TEST_F(PartnerTest, CustomerDeleteRefusesBusinessAndTheBuiltInRow)
{
    const QString sold = AddCustomer("甲");
    const QString pos = AddCustomer("乙");
    const QString received = AddCustomer("丙");
    const QString cash = AddCustomer("丁");
    ExecSQL("insert into jxc_lsxsd (gl_djh,kh_sn) values ('XS1','" + sold + "')");
    ExecSQL("insert into jxc_posxsd (gl_djh,kh_sn) values ('LS1','" + pos + "')");
    ExecSQL("insert into jxc_ysyfk (gl_djh,k_type,k_ghskh,k_djtxt) values ('SK1','kh','" + received + "','收款')");
    ExecSQL("insert into jxc_xjyh (gl_djh,ghs_sn,ghs_name) values ('SK2','" + cash + "','丁')");
    const QString inUse = "该客户已发生过业务，不能删除！";
    for (const QString& code : { sold, pos, received, cash })
        EXPECT_EQ(PartnerDeleteRefusal(PartnerKind::Customer, code), inUse) << code.toStdString();
    EXPECT_EQ(PartnerDeleteRefusal(PartnerKind::Customer, "100001"), "该客户为系统内置客户，不能删除！");
    EXPECT_EQ(PartnerDeleteRefusal(PartnerKind::Supplier, "100001"), "该供货商为系统内置供货商，不能删除！");
    // A supplier's cash row under the same code is not this customer's business.
    ExecSQL("update jxc_xjyh set ghs_name='某供货商'");
    EXPECT_EQ(PartnerDeleteRefusal(PartnerKind::Customer, cash), QString());

    // The opening booking alone goes with the customer, through the list.
    PartnerInput in;
    in.name = "戊";
    in.typeCode = "1000";
    in.amount = 20;
    QString code;
    ASSERT_EQ(AddPartner(PartnerKind::Customer, in, &code), QString());
    auto list = Open<TF_Khgl>();
    Focus(*list, "甲");
    list->btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), inUse);
    Focus(*list, "戊");
    prompt.Answer(Prompt::Answer::Yes);
    list->btnDeleClick();
    EXPECT_EQ(prompt.Questions(), QStringList { "您确定要删除当前客户吗！" });
    EXPECT_FALSE(Listed(*list).contains("戊"));
    EXPECT_EQ(Count("jxc_ysyfk", "k_ghskh='" + code + "'") + Count("jxc_ysyfk_dj", "k_ghskh='" + code + "'"), 0);
}

TEST_F(PartnerTest, SupplierWithPurchaseOrdersOnlyIsDeleted)
{
    ExecSQL("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm) values ('100002','甲','J'),('100003','乙','Y')");
    ExecSQL("insert into jxc_jhd (gl_djh,ghs_sn) values ('JH1','100003')");
    ExecSQL("insert into jxc_cgd (gl_djh,ghs_sn) values ('CG1','100002')");
    EXPECT_EQ(PartnerDeleteRefusal(PartnerKind::Supplier, "100003"), "该供货商已发生过业务，不能删除！");
    EXPECT_EQ(PartnerDeleteRefusal(PartnerKind::Supplier, "100002"), QString());
    auto list = Open<TF_Ghsgl>();
    Focus(*list, "甲");
    prompt.Answer(Prompt::Answer::Yes);
    list->btnDeleClick();
    EXPECT_EQ(Listed(*list), (QStringList { "普通供货商", "乙" }));
}

TEST_F(PartnerTest, ListsFollowTheWarehouseBindingAndTheTypeJoin)
{
    AddWarehouseRow("100002", "二仓", "100009,");
    AddWarehouseRow("100003", "三仓", "100008,");
    AddCustomer("二仓客户");
    ExecSQL("update jxc_khxx set ck_sn='100002' where kh_name='二仓客户'");
    AddCustomer("三仓客户");
    ExecSQL("update jxc_khxx set ck_sn='100003' where kh_name='三仓客户'");
    AddCustomer("无类型");
    ExecSQL("update jxc_khxx set kt_sn='9999' where kh_name='无类型'");
    ExecSQL("insert into jxc_ghsxx (ghs_sn,ghs_name,ck_sn) values ('100002','二仓供货商','100002'),"
            "('100003','三仓供货商','100003')");

    auto customers = Open<TF_Khgl>();
    EXPECT_EQ(Listed(*customers), (QStringList { "普通客户", "二仓客户", "三仓客户" }));
    EXPECT_FALSE(customers->cxGrid->ColumnVisible(customers->cxGrid->ColumnByField("ck_name")));

    BindPartnersWarehouse = "True";
    CurrentRoleSn = "100002";
    CurrentAdminSn = "100009";
    customers->Activate();
    EXPECT_EQ(Listed(*customers), (QStringList { "普通客户", "二仓客户" }));
    EXPECT_TRUE(customers->cxGrid->ColumnVisible(customers->cxGrid->ColumnByField("ck_name")));
    auto suppliers = Open<TF_Ghsgl>();
    EXPECT_EQ(Listed(*suppliers), (QStringList { "普通供货商", "二仓供货商" }));
}

TEST_F(PartnerTest, SearchesShortCodeAndForbidFlag)
{
    AddCustomer("城东", ",kh_tele,z_name", ",'8866','东区'");
    AddCustomer("城西", ",kh_tele,z_name", ",'7766','西区'");
    ExecSQL("update jxc_khxx set kt_name='一级' where kh_name='城西'");
    auto list = Open<TF_Khgl>();
    EXPECT_EQ(list->cxGrid->FooterText(list->cxGrid->ColumnByField("kh_name")), "3");
    list->tkey->setText("66");
    list->searchKeys();
    EXPECT_EQ(Listed(*list), (QStringList { "城东", "城西" }));
    list->miAllClick();
    EXPECT_EQ(Listed(*list).size(), 3);

    TF_Khgl_Search search(list.get());
    search.Activate();
    search.tname->setText("城");
    search.comType->setCurrentIndex(search.comType->findText("一级"));
    search.btnOKClick();
    EXPECT_EQ(Listed(*list), QStringList { "城西" });
    list->khtype.clear();
    list->strname.clear();
    list->khzone = "东";
    list->filterData();
    EXPECT_EQ(Listed(*list), QStringList { "城东" });

    // The short code is stored upper-cased; an empty edit stores an empty code.
    prompt.OnModal("TF_Ghsgl_Jm", [](QDialog* d) {
        auto* jm = static_cast<TF_Ghsgl_Jm*>(d);
        jm->tjm->setText(" cd-1 ");
        jm->btnSaveClick();
        return 0;
    });
    list->miShortCodeClick();
    EXPECT_EQ(Scalar("select kh_jm from jxc_khxx where kh_name='城东'"), "CD-1");
    EXPECT_TRUE(SelectedSn.isEmpty());

    list->miForbidClick();
    EXPECT_EQ(Scalar("select kh_forbid from jxc_khxx where kh_name='城东'"), "True");
    EXPECT_TRUE(list->miForbid->isChecked());
    list->miForbidClick();
    EXPECT_EQ(Scalar("select kh_forbid from jxc_khxx where kh_name='城东'"), "False");

    CapturePrint("khgl.fr3");
    list->btnPrintClick();
    EXPECT_TRUE(printed.contains("城东"));
    EXPECT_FALSE(printed.contains("城西"));
}

TEST_F(PartnerTest, AddDialogSavesAndHandsTheCustomerToASalesWindow)
{
    AddStaff("100002", "张三");
    AddStaff("100003", "李四");
    // A stand-in sales window: its customer list newest first, AuxTag "xs".
    OpenCustomerList("1");
    AuxTag = "xs";
    {
        TF_Khgl_Add cancelled;
        cancelled.Activate();
        cancelled.btnExitClick();
    }
    EXPECT_EQ(AuxTag, "xs");

    TF_Khgl_Add dialog;
    EXPECT_EQ(F_Khgl_Add, &dialog);
    dialog.Activate();
    EXPECT_EQ(dialog.comType->currentText(), "零售客户");
    EXPECT_FALSE(dialog.comCk->isVisible());
    dialog.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), "客户名称必须填写！");
    dialog.tname->setText(" 新客户 ");
    dialog.comType->setCurrentIndex(dialog.comType->findText("二级"));
    dialog.tzone->setText("新区");
    dialog.chkDefault->setChecked(true);
    dialog.chkTree->SetChecked(0, 2, true);
    dialog.chkTree->SetChecked(0, 1, true);
    dialog.tje->setValue(100);
    dialog.btnSaveClick();
    EXPECT_EQ(AuxTag, "xs9");
    Query& q = dm->Q("Q_Khxx");
    ASSERT_TRUE(q.Active());
    q.First();
    EXPECT_EQ(q.AsString("kh_name"), "新客户");
    EXPECT_EQ(q.AsString("ktname"), "二级");
    EXPECT_EQ(Scalar("select kt_sn || kt_name || kh_uname || kh_usn || z_name || ck_sn || ck_name || kh_jm "
                     "from jxc_khxx where kh_name='新客户'"),
        "1002二级张三,李四,100002,100003,新区-1所有仓库XKH");
    EXPECT_EQ(Column("select kh_name from jxc_khxx where kh_default<>0"), QStringList { "新客户" });
    EXPECT_EQ(Count("jxc_zone", "z_name='新区'"), 1);
    EXPECT_EQ(Count("jxc_ysyfk", "k_type='kh'"), 1);
    EXPECT_EQ(DefaultCustomerSn(), q.AsString("kh_sn"));
}

TEST_F(PartnerTest, DuplicateNamesAskAndNoWritesNothing)
{
    AddCustomer("甲");
    const QString other = AddCustomer("乙");
    TF_Khgl_Add add;
    add.Activate();
    add.tname->setText("甲");
    add.tje->setValue(50);
    add.tzone->setText("某区");
    prompt.Answer(Prompt::Answer::No);
    add.btnSaveClick();
    EXPECT_EQ(prompt.Questions(), QStringList { "客户已经存在，确认重复添加吗？" });
    EXPECT_EQ(Count("jxc_khxx"), 3);
    EXPECT_EQ(Count("jxc_zone", "z_name='某区'") + Count("jxc_ysyfk"), 0);

    auto list = Open<TF_Khgl>();
    Focus(*list, "乙");
    TF_Khgl_Modi modi;
    modi.Activate();
    EXPECT_EQ(modi.keptCode, other);
    EXPECT_FALSE(modi.tje->isEnabled());
    modi.tname->setText("甲");
    prompt.Answer(Prompt::Answer::No);
    modi.btnSaveClick();
    EXPECT_EQ(prompt.Questions().last(), "客户已经存在，确认可以重复吗？");
    EXPECT_EQ(Scalar("select kh_name from jxc_khxx where kh_sn='" + other + "'"), "乙");

    // Saving the unchanged name asks nothing: the row itself is not a duplicate.
    modi.tname->setText("乙");
    modi.btnSaveClick();
    EXPECT_EQ(prompt.Questions().size(), 2);

    ExecSQL("insert into jxc_ghsxx (ghs_sn,ghs_name) values ('100002','丙')");
    TF_Ghsgl_Add supplier;
    supplier.Activate();
    supplier.tname->setText("丙");
    prompt.Answer(Prompt::Answer::No);
    supplier.btnSaveClick();
    EXPECT_EQ(prompt.Questions().last(), "供货商名称已经存在，确认重复添加吗？");
    EXPECT_EQ(Count("jxc_ghsxx"), 2);
}

TEST_F(PartnerTest, ModifyTicksSalesmenInAnyOrderAndRenamesOnlyItsOwnRows)
{
    AddStaff("100002", "张三");
    AddStaff("100003", "李四");
    const QString code = AddCustomer("甲", ",kh_uname,kh_usn", ",'李四,张三,','100003,100002,'");
    ExecSQL("insert into jxc_goodslist (g_sn,ghs_sn,ghs_name) values ('G','" + code + "','甲'),('G','" + code
        + "','别名'),('G','999999','甲')");
    ExecSQL("insert into jxc_xjyh (gl_djh,ghs_sn,ghs_name) values ('SK1','" + code + "','甲'),('FK1','999999','甲')");
    auto list = Open<TF_Khgl>();
    Focus(*list, "甲");
    TF_Khgl_Modi modi;
    modi.Activate();
    EXPECT_EQ(modi.TickedSalesmen(), (QStringList { "张三", "李四" }));
    modi.tname->setText("甲(新)");
    modi.btnSaveClick();
    EXPECT_EQ(Column("select ghs_name from jxc_goodslist order by id"), (QStringList { "甲(新)", "别名", "甲" }));
    EXPECT_EQ(Column("select ghs_name from jxc_xjyh where gl_djh in ('SK1','FK1') order by gl_djh"),
        (QStringList { "甲", "甲(新)" }));
    EXPECT_EQ(Scalar("select kh_uname || kh_usn from jxc_khxx where kh_sn='" + code + "'"), "张三,李四,100002,100003,");

    // The built-in customer keeps its type and warehouse.
    Focus(*list, "普通客户");
    TF_Khgl_Modi builtIn;
    builtIn.Activate();
    EXPECT_FALSE(builtIn.comType->isEnabled());
    EXPECT_FALSE(builtIn.comCk->isEnabled());
}

TEST_F(PartnerTest, SupplierDialogsCutTheNoteAndKeepTheTypeByName)
{
    OpenSupplierList("0");
    TF_Ghsgl_Add add;
    add.Activate();
    EXPECT_EQ(add.comType->currentText(), "");
    add.tname->setText("新供货商");
    add.tnote->setText(QString(70, QChar(u'备')));
    add.comType->setCurrentIndex(add.comType->findText("B级供货商"));
    add.btnSaveClick();
    Query& q = dm->Q("Q_Ghsxx");
    EXPECT_EQ(q.AsString("ghs_name"), "新供货商");
    EXPECT_EQ(Scalar("select ghs_note from jxc_ghsxx where ghs_name='新供货商'"), QString(64, QChar(u'备')));
    EXPECT_EQ(Scalar("select gt_name from jxc_ghsxx where ghs_name='新供货商'"), "B级供货商");

    // The modify dialog edits the positioned row; the built-in one keeps its warehouse.
    q.Locate("ghs_sn", "100001");
    TF_Ghsgl_Modi modi;
    modi.Activate();
    EXPECT_FALSE(modi.comCk->isEnabled());
    EXPECT_TRUE(modi.comType->isEnabled());
    modi.comType->setCurrentIndex(modi.comType->findText("A级供货商"));
    modi.tnote->setText(QString(70, QChar(u'注')));
    modi.btnSaveClick();
    EXPECT_EQ(Scalar("select gt_name || ghs_note from jxc_ghsxx where ghs_sn='100001'"),
        "A级供货商" + QString(64, QChar(u'注')));
}

TEST_F(PartnerTest, CopyingACustomerTwiceIsRefusedTheSecondTime)
{
    AddCustomer("甲", ",kh_tele,z_name", ",'8866','东区'");
    ExecSQL("update jxc_khxx set kt_name='自定类型' where kh_name='甲'");
    auto suppliers = Open<TF_Ghsgl>();
    TF_Ghsgl_Copy copy;
    copy.Activate();
    copy.tkey->setText("甲");
    ASSERT_EQ(copy.cxGrid->RowCount(), 1);
    copy.btnOKClick();
    EXPECT_EQ(Scalar("select gt_name || ghs_tele || z_name || ghs_jm from jxc_ghsxx where ghs_name='甲'"),
        "自定类型8866东区J");
    copy.Activate();
    copy.tkey->setText("甲");
    copy.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), "供货商已经存在！");
    EXPECT_EQ(Count("jxc_ghsxx", "ghs_name='甲'"), 1);
}

TEST_F(PartnerTest, ListsShowWhatTheirDialogsSaved)
{
    auto customers = Open<TF_Khgl>();
    prompt.OnModal("TF_Khgl_Add", [](QDialog* d) {
        EXPECT_EQ(PickerCaller, "khgl_add");
        auto* add = static_cast<TF_Khgl_Add*>(d);
        add->tname->setText("新客户");
        add->btnSaveClick();
        return 0;
    });
    customers->btnAddClick();
    EXPECT_TRUE(PickerCaller.isEmpty());
    EXPECT_EQ(Listed(*customers), (QStringList { "普通客户", "新客户" }));

    auto suppliers = Open<TF_Ghsgl>();
    prompt.OnModal("TF_Ghsgl_Modi", [](QDialog* d) {
        auto* modi = static_cast<TF_Ghsgl_Modi*>(d);
        modi->tname->setText("改名供货商");
        modi->btnSaveClick();
        return 0;
    });
    suppliers->btnModiClick();
    EXPECT_EQ(Listed(*suppliers), QStringList { "改名供货商" });
}

}
