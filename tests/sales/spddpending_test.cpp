#include "spddtest.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "foundation/lookups.h"
#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"
#include "sales/spddmodi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using SpddPending = SpddTest;

TEST_F(SpddPending, DeletingTheOnlyLineDeletesTheOrderAndLogs)
{
    Scan(QStringLiteral("G1RS"));
    w->tkh->setText(U8d("客户一"));
    CurrentCustomerSn = QStringLiteral("K1");
    const QString number = No();
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->SelectedPendingNo(), number);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_xsd")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsspmx")), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8d("因删除单据的所有商品而删除商品销售订单：%1").arg(number));
}

TEST_F(SpddPending, OnAccountWithCollectionByDefaultOnlyTheReceivableFollowsTheLines)
{
    const QString number = SaveTwo(150, 1);
    SalesCollectDefault = QStringLiteral("1");
    w->cxPage->setCurrentWidget(w->cxTab2);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick(); // one of the two lines goes
    EXPECT_EQ(Rows(QStringLiteral("select ls_yfje,ls_sfje from jxc_xsd where gl_djh='%1'").arg(number)),
        QStringList { QStringLiteral("100 150") });
}

TEST_F(SpddPending, ApproveAllTakesOnlyTheListedOrdersAndListsDeliveryMarkedOnes)
{
    const QString first = SaveTwo();
    fixture::AddCustomer(QStringLiteral("K2"), U8d("客户二"));
    const QString second = SaveTwo();
    Sql(QStringLiteral("update jxc_xsd set kh_sn='K2',ls_dhbz=1 where gl_djh='%1'").arg(second));
    w->cxPage->setCurrentWidget(w->cxTab2);
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 2) << "an order marked for delivery is listed";
    // The customer taken from the tab's customer list narrows the list.
    Sql(QStringLiteral("update jxc_khxx set kt_sn=(select min(kt_sn) from jxc_khtype)"));
    OpenCustomerList(QString());
    w->RzPanel_Kh2->Open();
    DataGrid* customers = w->RzPanel_Kh2->Grid();
    for (int r = 0; r < customers->RowCount(); ++r)
        if (customers->Value(r, QStringLiteral("kh_name")).toString() == U8d("客户一"))
            customers->SetCurrentRow(r);
    w->RzPanel_Kh2->Confirm();
    EXPECT_EQ(w->tGhsName->text(), U8d("客户一"));
    ASSERT_EQ(w->Q_Shdj.RecordCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_status from jxc_xsd order by gl_djh")),
        (QStringList { first + QStringLiteral(" 1"), second + QStringLiteral(" 0") }));
}

class SpddModi : public SpddTest {
protected:
    void SetUp() override
    {
        SpddTest::SetUp();
        number = SaveTwo();
        Sql(QStringLiteral("update jxc_xsd set ls_xsrq='2024-05-08 07:45'"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 4, 40, 4);
        w->cxPage->setCurrentWidget(w->cxTab2);
        d = std::make_unique<TF_Spdd_Modi>();
        d->Activate();
    }
    QString number;
    std::unique_ptr<TF_Spdd_Modi> d;
};

TEST_F(SpddModi, AWarehouseWithoutTheGoodsIsRefusedEvenUnchanged)
{
    Sql(QStringLiteral("delete from jxc_kcsp"));
    d->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), U8d("当前仓库中不存在商品：“G1”，不能更换仓库！"));
    EXPECT_EQ(Scalar(QStringLiteral("select ls_xsrq from jxc_xsd")), QStringLiteral("2024-05-08 07:45"));
}

TEST_F(SpddModi, BackToTheStoredDateKeepsNumberAndDateText)
{
    d->tnote->setPlainText(U8d("改"));
    d->dateCg->setDate(QDate(2024, 5, 9));
    EXPECT_NE(d->gldjh->text(), number);
    d->dateCg->setDate(QDate(2024, 5, 8));
    EXPECT_EQ(d->gldjh->text(), number);
    d->btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_xsrq,ls_note from jxc_xsd")),
        QStringList { number + U8d(" 2024-05-08 07:45 改") });
}

TEST_F(SpddModi, ANewDateRenumbersEverythingAndKeepsTheTimeOfDay)
{
    d->dateCg->setDate(QDate(2024, 5, 9));
    d->btnSaveClick();
    const QString moved = Scalar(QStringLiteral("select gl_djh from jxc_xsd"));
    EXPECT_TRUE(moved.startsWith(QStringLiteral("XD240509")));
    EXPECT_EQ(Scalar(QStringLiteral("select ls_xsrq from jxc_xsd")), QStringLiteral("2024-05-09 07:45"));
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh='%1'").arg(moved)), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsspmx"), QStringLiteral("gl_djh='%1'").arg(moved)), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_xssp"), QStringLiteral("gl_djh='%1'").arg(number)), 0);
}

TEST_F(SpddModi, AFutureDateAnsweredNoRestoresTheStoredDate)
{
    prompt.Answer(Prompt::Answer::No);
    d->dateCg->setDate(QDate(2024, 6, 1));
    EXPECT_EQ(d->dateCg->date(), QDate(2024, 5, 8));
    EXPECT_EQ(d->gldjh->text(), number);
}

TEST_F(SpddModi, AMissingHandlerIsRefusedBeforeAnythingIsWritten)
{
    d->comUser->setCurrentIndex(-1);
    d->dateCg->setDate(QDate(2024, 5, 9));
    d->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), U8d("请选择经办人！"));
    EXPECT_EQ(Scalar(QStringLiteral("select gl_djh from jxc_xsd")), number);
}

class SpddQuery : public SpddTest {
protected:
    void SetUp() override
    {
        SpddTest::SetUp();
        ApproveOnSave = QString();
        number = SaveTwo();
        w->cxPage->setCurrentWidget(w->cxTab3);
    }
    QString number;
};

TEST_F(SpddQuery, VoidingDropsTheOrderAndUnvoidingRestoresIt)
{
    ASSERT_EQ(w->Q_Cgd.RecordCount(), 1);
    EXPECT_EQ(w->VoidCaption(), U8d("单据作废(&Z)"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRZfClick();
    EXPECT_EQ(w->Q_Cgd.RecordCount(), 0);
    w->chkZf->setChecked(true);
    w->btnSearch3Click();
    ASSERT_EQ(w->Q_Cgd.RecordCount(), 1);
    EXPECT_EQ(w->VoidCaption(), U8d("取消作废(&Z)"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRZfClick();
    EXPECT_EQ(Number(QStringLiteral("select ls_qk from jxc_xsd")), 0);
}

TEST_F(SpddQuery, CancellingAVoidOrdersApprovalKeepsItVoidAndNotOffered)
{
    SetSalesOrderVoid(number, true);
    w->chkZf->setChecked(true);
    w->btnSearch3Click();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select ls_status,ls_checker,ls_qk from jxc_xsd")), QStringList { QStringLiteral("0  1") });
    ASSERT_TRUE(ApproveSalesOrder(number, QStringLiteral("admin")));
    OrderListFilter f { QStringLiteral("2024-05-01"), QStringLiteral("2024-05-10") };
    f.showFinished = true;
    SqlParams p;
    Query q(&dm->ADOConn);
    OpenWithParams(q, TakeOverOrdersSql(f, p), p);
    EXPECT_EQ(q.RecordCount(), 0);
    SqlParams p2;
    OpenWithParams(q, TakeOverLinesSql(f, p2), p2);
    EXPECT_EQ(q.RecordCount(), 0);
}

TEST_F(SpddQuery, DetailViewRefusesCancelAndShowsTheWholeOrderRemaining)
{
    w->rMxb->setChecked(true);
    ASSERT_EQ(w->Q_Cgsp2.RecordCount(), 2);
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(w->Q_Cgsp2.TextAt(r, w->Q_Cgsp2.FieldIndex(QStringLiteral("dsl"))),
            w->Q_Cgsp2.TextAt(r, w->Q_Cgsp2.FieldIndex(QStringLiteral("ls_sl"))));
    w->btn_UnChkClick();
    EXPECT_EQ(prompt.LastMessage(), U8d("取消审核操作只能在“单据表”进行。"));
    EXPECT_EQ(Number(QStringLiteral("select ls_status from jxc_xsd")), 1);
}

TEST_F(SpddQuery, TheRangeIncludesTheWholeLastDay)
{
    Sql(QStringLiteral("update jxc_xsd set ls_xsrq='2024-05-10 23:59'"));
    w->btnSearch3Click();
    EXPECT_EQ(w->Q_Cgd.RecordCount(), 1);
    w->tdate32->setDate(QDate(2024, 5, 9));
    w->btnSearch3Click();
    EXPECT_EQ(w->Q_Cgd.RecordCount(), 0);
}

} // namespace
