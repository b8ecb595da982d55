#include "cgjhtest.h"

#include "foundation/functionwindows.h"
#include "foundation/moneywords.h"
#include "listing/queryframe.h"
#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/report/report.h"
#include "platform/sheet/sheetdata.h"
#include "platform/sheet/sheetreader.h"
#include "posting/balances.h"
#include "purchasing/purchasingwindows.h"

#include <QDateEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Three approved goods-in of supplier S1 (payable 20, 40, 60): one early in May,
// one on 2024-05-10 at 23:59:30 and one in April.
class QueryTabTest : public CgjhTest {
protected:
    void SetUp() override
    {
        CgjhTest::SetUp();
        RegisterPurchasingWindows();
        PrepareForQueries();
        PrintLog::Clear();
        Approved(QStringLiteral("CJ24050110001"), 20, QStringLiteral("2024-05-01 09:00"));
        Approved(QStringLiteral("CJ24051010001"), 40, QStringLiteral("2024-05-10 23:59:30"));
        Approved(QStringLiteral("CJ24042010001"), 60, QStringLiteral("2024-04-20 10:00"));
    }
    void Approved(const QString& number, double payable, const QString& date)
    {
        Pending(number, QStringLiteral("admin"), payable, payable, 0, date);
        w->checkDj(number);
    }
    void ShowQuery(QRadioButton* view = nullptr)
    {
        w->cxPage->setCurrentWidget(w->cxTab3);
        SetPeriod(w->tdate1, w->tdate2, { QDate(2024, 5, 1), QDate(2024, 5, 10) });
        if (view)
            view->setChecked(true);
        w->btnSearch3Click();
    }
    QStringList DocNumbers()
    {
        QStringList numbers;
        for (int r = 0; r < w->Q_GhsDJ.RecordCount(); ++r)
            numbers << w->Q_GhsDJ.TextAt(r, w->Q_GhsDJ.FieldIndex(QStringLiteral("djh")));
        return numbers;
    }
};

TEST_F(QueryTabTest, FourViewsOverThePeriodWithCountsAndSums)
{
    ShowQuery();
    EXPECT_EQ(DocNumbers(), (QStringList { QStringLiteral("CJ24051010001"), QStringLiteral("CJ24050110001") }))
        << "the document at 23:59:30 of the last day is listed, newest first";
    EXPECT_EQ(w->cxGrid1View->FooterText(0), U8("记录数：2"));
    EXPECT_EQ(w->cxGrid1View->FooterSum(w->cxGrid1View->ColumnByField(QStringLiteral("yfje"))), 60);
    EXPECT_EQ(w->Q_Jhsp2.RecordCount(), 1) << "the ledger row of the first document's line";
    EXPECT_TRUE(w->ldjmsg->text().startsWith(QStringLiteral("CJ24051010001 ")));

    w->rHzb->setChecked(true);
    ASSERT_EQ(w->Q_GoodsHZ.RecordCount(), 1);
    EXPECT_EQ(w->Q_GoodsHZ.AsFloat(QStringLiteral("sl")), 4);
    EXPECT_EQ(w->Q_GoodsList.RecordCount(), 2) << "the goods' rows under the summary";
    EXPECT_EQ(w->lKey3->text(), U8("商品名称或编码："));

    w->rMxb->setChecked(true);
    EXPECT_EQ(w->Q_GoodsList.RecordCount(), 2);
    EXPECT_EQ(w->cxGrid35View->FooterText(0), U8("记录数：2"));
    w->rYscm->setChecked(true);
    EXPECT_EQ(w->Q_Sppc.RecordCount(), 4);

    w->rDjb->setChecked(true);
    ApplyPreset(DatePreset::AllTime, w->tdate1, w->tdate2, [this] { w->btnSearch3Click(); });
    EXPECT_EQ(DocNumbers().size(), 3) << "all time has no upper bound";
    w->tKey3->setText(QStringLiteral("0420"));
    w->btnSearch3Click();
    EXPECT_EQ(DocNumbers(), QStringList { QStringLiteral("CJ24042010001") });
}

TEST_F(QueryTabTest, CancelOutsideTheDocumentViewIsRefused)
{
    struct Case {
        void (TF_Cgjh::*handler)();
        const char* message;
    };
    for (const Case& c : { Case { &TF_Cgjh::btn_UnChkClick, "批量取消只能在单据表进行！" },
             Case { &TF_Cgjh::btn_UnChkAllClick, "取消审核只能在单据表进行！" } }) {
        ShowQuery(w->rHzb);
        prompt.Clear();
        (w.get()->*c.handler)();
        EXPECT_EQ(prompt.Messages().value(0), U8(c.message));
    }
    EXPECT_EQ(Count(QStringLiteral("jxc_jhd"), QStringLiteral("j_status=1")), 3);
}

TEST_F(QueryTabTest, CancelAllCountsTheRefusedOnes)
{
    // A stock-in against the April document keeps it approved.
    Sql(QStringLiteral("insert into jxc_rksp (gl_djh,g_sn) values ('CJ24042010001','G1')"));
    ShowQuery();
    ApplyPreset(DatePreset::AllTime, w->tdate1, w->tdate2, [this] { w->btnSearch3Click(); });
    prompt.Clear();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkAllClick();
    EXPECT_EQ(prompt.Messages().last(),
        U8("取消审核完成，共 3 个单据，\r\n\r\n取消审核 2 "
           "个单据，\r\n\r\n如果有未取消审核的单据，\r\n\r\n请单独取消审核！"));
    EXPECT_EQ(DocNumbers(), QStringList { QStringLiteral("CJ24042010001") });
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh<>'CJ24042010001'")), 0);
    EXPECT_EQ(AuxTag, QString());

    prompt.Answer(Prompt::Answer::No);
    w->btn_UnChkAllClick();
    EXPECT_EQ(DocNumbers().size(), 1) << "No cancels nothing";
}

TEST_F(QueryTabTest, CancelOneReversesTheSelectedDocument)
{
    ShowQuery();
    ASSERT_TRUE(w->Q_GhsDJ.Locate(QStringLiteral("djh"), QStringLiteral("CJ24050110001")));
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkClick();
    EXPECT_EQ(DocNumbers(), QStringList { QStringLiteral("CJ24051010001") });
    EXPECT_EQ(Scalar(QStringLiteral("select j_status from jxc_jhd where gl_djh='CJ24050110001'")), QStringLiteral("0"));
}

TEST_F(QueryTabTest, HandOverOnlyFromTheDocumentViewAndWithItsWindow)
{
    FunctionWindows::Register<TF_Cgjh>(QStringLiteral("TF_Cgth"));
    w->Activate();
    ShowQuery(w->rMxb);
    ASSERT_TRUE(w->btn_Zdth->isEnabled());
    EXPECT_FALSE(w->btn_Zdly->isEnabled()) << "no department requisition window registered";
    w->btn_ZdthClick();
    EXPECT_EQ(prompt.Messages().value(0), U8("整单退货只能在单据表进行！"));
    EXPECT_EQ(WholeReturnDocNo, QString());

    w->show();
    w->rDjb->setChecked(true);
    w->btn_ZdthClick();
    EXPECT_EQ(WholeReturnDocNo, QStringLiteral("CJ24051010001"));
    EXPECT_FALSE(w->isVisible());
    FunctionWindows::Unregister(QStringLiteral("TF_Cgth"));
    WholeReturnDocNo.clear();
}

TEST_F(QueryTabTest, EntryPrintShowsTheBalanceBeforeAndAfter)
{
    // The supplier owes 40 from an approved document on account.
    Pending(QStringLiteral("CJ24050910001"), QStringLiteral("admin"), 40, 0, 1, QStringLiteral("2024-05-09 09:00"));
    w->checkDj(QStringLiteral("CJ24050910001"));
    const QString balance = GetLedgerBalance(QStringLiteral("S1"), QStringLiteral("ghs"));
    ASSERT_EQ(balance.toDouble(), 40);
    w->Activate();
    CurrentSupplierSn = QStringLiteral("S1");
    Scan(QStringLiteral("G1RS"));
    w->tsfje->setText(QStringLiteral("2.5"));
    w->setPrinPara(No(), QStringLiteral("1"));
    const Report& r = *w->frxReport1;
    const double payable = w->tyfje->text().toDouble();
    EXPECT_EQ(r.Variable(QStringLiteral("khqk")).toString(), balance);
    EXPECT_DOUBLE_EQ(r.Variable(QStringLiteral("ljqkje")).toDouble(), 40 + payable - 2.5);
    EXPECT_EQ(r.Variable(QStringLiteral("sf")).toString(), AmountInWords(QStringLiteral("2.50")));
    EXPECT_EQ(r.Variable(QStringLiteral("yf")).toString(), AmountInWords(QString::number(payable, 'f', 2)));
    EXPECT_EQ(w->Q_GoodsPrin.RecordCount(), 1) << "the draft's detail row";
}

TEST_F(QueryTabTest, ContinuousPrintingPrintsEveryPendingDocumentWithoutAsking)
{
    ChoosePurchasePrintFormat = QStringLiteral("1");
    for (int i = 1; i <= 3; ++i)
        Pending(QStringLiteral("CJ2405101000%1").arg(i + 4), QStringLiteral("admin"), 10, 10, 0);
    ShowPending();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_LxdyClick();
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 3);
    EXPECT_TRUE(prompt.ModalNames().isEmpty()) << "no template choice";
    EXPECT_EQ(TF_Cgjh::BatchPrinting, QString());
    ChoosePurchasePrintFormat = QStringLiteral("0");
}

TEST_F(QueryTabTest, SavingWithAutomaticPrintPrintsTheSavedDocument)
{
    AutoPrintPurchaseDoc = QStringLiteral("1");
    Scan(QStringLiteral("G1RS"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    AutoPrintPurchaseDoc = QStringLiteral("0");
    const QString saved = Scalar(QStringLiteral("select gl_djh from jxc_jhd where j_status=0"));
    ASSERT_FALSE(saved.isEmpty());
    ASSERT_EQ(PrintLog::Count(QStringLiteral("print")), 1);
    EXPECT_EQ(
        PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).Text(0, QStringLiteral("gl_djh")), saved);
    EXPECT_NE(No(), saved) << "the next document is prepared";
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 0);
}

TEST_F(QueryTabTest, ListPrintsAndExports)
{
    ShowQuery();
    struct Case {
        QRadioButton* view;
        const char* file;
        const char* dataset;
        int rows;
    };
    for (const Case& c : { Case { w->rDjb, "cgjhdjb.fr3", "cgjhdjb", 2 }, Case { w->rHzb, "cgjhhzb.fr3", "cgjhhzb", 1 },
             Case { w->rMxb, "cgjhmxb.fr3", "cgjhmxb", 2 } }) {
        c.view->setChecked(true);
        PrintLog::Clear();
        w->btn_Prin3Click();
        ASSERT_NE(PrintLog::Last(), nullptr) << c.file;
        EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QLatin1String(c.file)));
        EXPECT_GT(PrintLog::Last()->pages, 0) << c.file;
        EXPECT_EQ(PrintLog::Last()->datasets.value(QLatin1String(c.dataset)).rows.size(), c.rows) << c.file;
        EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("date2")), QStringLiteral("2024-05-10"));
    }
    ShowPending();
    PrintLog::Clear();
    w->btn_PrinClick();
    EXPECT_EQ(PrintLog::Count(QStringLiteral("preview")), 0) << "no pending documents, no print";

    ShowQuery();
    for (const char* ext : { ".xlsx", ".xls" }) {
        const QString file = Folder() + QStringLiteral("docs") + QLatin1String(ext);
        prompt.AnswerFile(file);
        w->btn_Export3Click();
        SheetData sheet;
        QString error;
        ASSERT_TRUE(SheetReader::ReadSheet(file, 0, &sheet, &error)) << error.toStdString();
        EXPECT_EQ(sheet.RowCount(), 2) << ext;
        EXPECT_EQ(sheet.Text(0, U8("单据号")), QStringLiteral("CJ24051010001")) << ext;
    }
}

} // namespace
