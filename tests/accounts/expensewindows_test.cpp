#include "accounts/expenses.h"
#include "accounts/fyjsr.h"
#include "accounts/fyjsradd.h"
#include "accounts/fylx.h"
#include "accountsfixture.h"
#include "masterdata/registration.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

class ExpenseWindowsTest : public AccountsTest {
protected:
    void SetUp() override
    {
        AccountsTest::SetUp();
        DeclareMasterDataDatasets(); // the department window
    }
    void TearDown() override
    {
        PickerCaller.clear();
        AuxTag.clear();
        ExpenseDocToPrint.clear();
        NoPrintBeforeSave = QStringLiteral("0");
        AccountsTest::TearDown();
    }
    // The dialog's script: the amount typed, then the given handler.
    static ExpenseEntryDialog* Dialog(QDialog* d) { return static_cast<ExpenseEntryDialog*>(d); }
};

TEST_F(ExpenseWindowsTest, ApproveOnSaveApprovesNewRecordsButNeverAModification)
{
    ApproveOnSave = QStringLiteral("1");
    TF_Fyjsr w;
    w.Activate();
    prompt.OnModal(QStringLiteral("TF_Fyjsr_Add"), [](QDialog* d) {
        Dialog(d)->tfyje->setText(QStringLiteral("30"));
        Dialog(d)->btnOKClick();
        return d->result();
    });
    w.btn_AddFyClick();
    EXPECT_EQ(Scalar(S("select fy_chk from jxc_yyfy where gl_djh='FY24030510001'")), QStringLiteral("1"));
    EXPECT_EQ(Number(S("select fy_je from jxc_yyfy where gl_djh='FY24030510001'")), -30);
    EXPECT_EQ(Scalar(S("select xj_je from jxc_xjyh where gl_djh='FY24030510001'")), QStringLiteral("-30"));
    EXPECT_EQ(OpenMode, QString());

    // A pending income modified from the first tab stays pending.
    ApproveOnSave = QStringLiteral("0");
    ExpenseEntry e;
    e.income = true;
    e.type = S("收入");
    e.amount = 8;
    e.handlerSn = QStringLiteral("100001");
    e.deptSn = QStringLiteral("100001");
    e.account = S("现金");
    e.date = QDate(2024, 3, 4);
    const QString sr = AddExpense(e);
    ApproveOnSave = QStringLiteral("1");
    w.cxPage->setCurrentWidget(w.cxTab1);
    ASSERT_EQ(w.cxGrid2View->RowCount(), 1);
    QString shown;
    prompt.OnModal(QStringLiteral("TF_Fyjsr_Add1"), [&shown](QDialog* d) {
        shown = Dialog(d)->tfyje->text();
        Dialog(d)->tfyje->setText(QStringLiteral("9"));
        Dialog(d)->btnOKClick();
        return d->result();
    });
    w.btn_ModiClick();
    EXPECT_EQ(ValueNumber(shown), 8);
    EXPECT_EQ(Scalar(QStringLiteral("select fy_chk from jxc_yyfy where gl_djh='") + sr + QStringLiteral("'")),
        QStringLiteral("0"));
    EXPECT_EQ(Number(QStringLiteral("select fy_je from jxc_yyfy where gl_djh='") + sr + QStringLiteral("'")), 9);
}

TEST_F(ExpenseWindowsTest, DialogRefusesInOrderAndPrintKeyOnARefusalSavesNothing)
{
    OpenMode = QStringLiteral("fy_add");
    TF_Fyjsr_Add d;
    d.Activate();
    d.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), S("金额必须填写！"));
    d.tfyje->setText(QStringLiteral("-5"));
    d.comFy->setCurrentIndex(-1);
    d.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), S("请选择费用类型！"));
    d.comFy->setCurrentIndex(0);
    d.comUser->setCurrentIndex(-1);
    d.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), S("请选择经办人！"));
    d.comUser->setCurrentIndex(0);

    // "添加新部门..." left through "退出" leaves the combo empty.
    prompt.OnModal(QStringLiteral("TF_Dept"), [](QDialog*) { return 0; });
    d.comDept->setCurrentIndex(d.comDept->count() - 1);
    d.comDeptChange();
    EXPECT_EQ(d.comDept->currentIndex(), -1);
    EXPECT_EQ(PickerCaller, QString());
    EXPECT_EQ(OpenMode, QStringLiteral("fy_add"));
    d.btnPrinClick();
    EXPECT_EQ(prompt.LastMessage(), S("请选择部门！"));
    EXPECT_EQ(ExpenseDocToPrint, QString());
    EXPECT_EQ(Count(QStringLiteral("jxc_yyfy")), 0);

    // Saved through the print key: the record's id comes back for its voucher.
    TF_Fyjsr_Add d2;
    d2.Activate();
    d2.tfyje->setText(QStringLiteral("-5"));
    d2.btnPrinClick();
    EXPECT_EQ(Number(S("select fy_je from jxc_yyfy")), 5);
    EXPECT_EQ(ExpenseDocToPrint, Scalar(S("select id from jxc_yyfy")));
    EXPECT_EQ(AuxTag, QStringLiteral("ok"));
    EXPECT_EQ(OpenMode, QStringLiteral("FY24030510001"));
}

TEST_F(ExpenseWindowsTest, TypeListOfTheIncomeDialog)
{
    OpenMode = QStringLiteral("fy_add");
    TF_Fyjsr_Add1 d;
    d.Activate();
    ASSERT_EQ(d.comFy->count(), 1);
    prompt.OnModal(QStringLiteral("TF_Fylx"), [this](QDialog* dialog) {
        auto* list = static_cast<TF_Fylx*>(dialog);
        EXPECT_EQ(list->cxGrid1View->RowCount(), 1);
        // A blank name saves nothing and says nothing; a name of the other direction is refused.
        ResultText = QStringLiteral("add");
        TF_Fylx_Sele sele;
        sele.Activate();
        sele.tname->setText(QStringLiteral("  "));
        sele.btnOKClick();
        EXPECT_TRUE(prompt.Messages().isEmpty());
        sele.tname->setText(S("运费"));
        sele.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), S("类型已经存在，不能加入！"));
        sele.tname->setText(S(" 房租收入 "));
        sele.tnote->setText(QStringLiteral("n"));
        sele.btnOKClick();
        ResultText.clear();
        list->reject();
        return 0;
    });
    d.btnTypeClick();
    EXPECT_EQ(Scalar(S("select fy_fx||'|'||fy_note from jxc_fylx where fy_lx='房租收入'")), QStringLiteral("1|n"));
    // Closing the list refilled the dialog's combo with its direction's types.
    EXPECT_EQ(d.comFy->count(), 2);
    EXPECT_EQ(d.comFy->currentIndex(), 0);
    EXPECT_EQ(PickerCaller, QString());
}

TEST_F(ExpenseWindowsTest, TypeListDeletesOnlyUnusedTypes)
{
    PickerCaller = QStringLiteral("add");
    TF_Fylx list;
    list.Activate();
    ASSERT_TRUE(TF_Fylx::Types().Locate(QStringLiteral("fy_lx"), S("费用")));
    list.btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), S("系统内置类型，不能删除！"));
    ASSERT_TRUE(TF_Fylx::Types().Locate(QStringLiteral("fy_lx"), S("包装费")));
    prompt.Answer(Prompt::Answer::Yes);
    list.btnDeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_fylx"), S("fy_lx='包装费'")), 0);
}

TEST_F(ExpenseWindowsTest, CancelFromTheDetailLeavesOtherPostingsAlone)
{
    ExecSQL(S("insert into jxc_yyfy (gl_djh,fy_rq,fy_lx,fy_je,fy_chk,fy_flag,fy_kmmc,u_sn,de_sn) values "
              "('CJ24030510001','2024-03-05 09:00','运费',-3,'1','1','现金','100001','100001')"));
    TF_Fyjsr w;
    w.Activate();
    ASSERT_EQ(w.cxGrid1View->RowCount(), 1);
    w.btn_UnChkClick();
    EXPECT_TRUE(prompt.Questions().isEmpty());
    EXPECT_EQ(Scalar(S("select fy_chk from jxc_yyfy")), QStringLiteral("1"));
}

} // namespace
