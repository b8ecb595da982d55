#include "warehousetest.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "warehouse/bsby.h"
#include "warehouse/bsbylists.h"
#include "warehouse/modidate.h"
#include "warehouse/stockdocs.h"

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>

namespace {

// The loss and overflow window on the fixture's account set (G2: 10 at 30 in the
// main warehouse 100001).
class BsbyTest : public WarehouseTest {
protected:
    void SetUp() override
    {
        WarehouseTest::SetUp();
        w = std::make_unique<TF_Bsby>();
        F_Bsby = w.get();
        w->Activate();
    }
    void TearDown() override
    {
        w.reset();
        WarehouseTest::TearDown();
    }
    void Line(const StockKind& k, const QString& number, const QString& goods, double qty, double price)
    {
        const QString x = k.doc.linePrefix;
        Sql(QStringLiteral("insert into %1 (gl_djh,g_sn,%2_sl,%2_dj,%2_zje,%2_note,a_name) values "
                           "('%3','%4',%5,%6,%7,'','admin')")
                .arg(k.doc.lines, x, number, goods)
                .arg(qty)
                .arg(price)
                .arg(qty * price));
    }
    void Pending(const StockKind& k, const QString& number, const QString& note = QString(),
        const QString& date = QStringLiteral("2024-05-10 15:00"))
    {
        Sql(QStringLiteral("insert into %1 (gl_djh,ck_sn,%2,%3,%4,%5,u_sn,%6,a_name) values "
                           "('%7','100001','%8',0,'','','100001','%9','admin')")
                .arg(k.doc.header, k.doc.dateColumn, k.doc.statusColumn, k.doc.checkerColumn, k.doc.checkDateColumn,
                    k.noteColumn, number, date, note));
    }
    // A colour-by-size row of the latest line of the kind (the line's tid becomes its id).
    void SizeRow(const StockKind& k, const QString& number, const QString& goods, const QString& color,
        const QString& size, double qty)
    {
        Sql(QStringLiteral("update %1 set tid=id where tid is null").arg(k.doc.lines));
        Sql(QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select '%2','%3','%4','%5',%6,"
                           "'admin',max(id) from %7")
                .arg(k.doc.detail, number, goods, size, color)
                .arg(qty)
                .arg(k.doc.lines));
    }
    QString Column(Query& q, int row, const char* field) { return q.TextAt(row, q.FieldIndex(QLatin1String(field))); }
    std::unique_ptr<TF_Bsby> w;
};

TEST_F(BsbyTest, SavingRefusesInOrderAndTheKindComboChoosesTheTables)
{
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择商品！"));
    {
        const QSignalBlocker block(w->comDjlx);
        w->comDjlx->setCurrentIndex(-1);
    }
    w->btnAddClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择单据类型！"));

    // An empty draft may turn into an overflow: number, title and date label follow.
    w->comDjlx->setCurrentIndex(1);
    const QString number = w->gldjh->text();
    EXPECT_TRUE(number.startsWith(QLatin1String("BY"))) << number.toStdString();
    EXPECT_EQ(w->ltitle->text(), U8("商品报溢"));
    EXPECT_EQ(w->ldate->text(), U8("报溢日期："));
    Line(OverflowKind(), number, QStringLiteral("G2"), 2, 30);
    w->openGridViewData(number);
    // With lines the kind stays.
    w->comDjlx->setCurrentIndex(0);
    EXPECT_EQ(w->comDjlx->currentIndex(), 1);
    EXPECT_EQ(w->gldjh->text(), number);

    const int handler = w->comUser->currentIndex();
    w->comUser->setCurrentIndex(-1);
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择经办人！"));
    w->comUser->setCurrentIndex(handler);
    w->comCk->setCurrentIndex(-1);
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择仓库！"));
    w->comCk->setCurrentIndex(0);

    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(Scalar(QStringLiteral("select ck_sn||'/'||cast(by_status as varchar(5))||'/'||u_sn from jxc_byd where "
                                    "gl_djh='")
                  + number + QStringLiteral("'")),
        QStringLiteral("100001/0/100001"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bsd")), 0);
    // The next draft starts as a loss again.
    EXPECT_EQ(w->comDjlx->currentIndex(), 0);
    EXPECT_TRUE(w->gldjh->text().startsWith(QLatin1String("BS")));
}

TEST_F(BsbyTest, PendingListShowsLossesFirstAndActsOnTheNumbersKind)
{
    Pending(OverflowKind(), QStringLiteral("BY240510001"), QString(), QStringLiteral("2024-05-10 08:00"));
    Line(OverflowKind(), QStringLiteral("BY240510001"), QStringLiteral("G2"), 2, 30);
    Pending(LossKind(), QStringLiteral("BS240510002"));
    Line(LossKind(), QStringLiteral("BS240510002"), QStringLiteral("G2"), 3, 30);
    w->cxPage->setCurrentWidget(w->cxTab2);

    ASSERT_EQ(w->Q_Bsbysh.RecordCount(), 2);
    EXPECT_EQ(Column(w->Q_Bsbysh, 0, "gl_djh"), QStringLiteral("BS240510002"));
    EXPECT_EQ(Column(w->Q_Bsbysh, 0, "djlx"), U8("商品报损"));
    EXPECT_EQ(Column(w->Q_Bsbysh, 1, "djlx"), U8("商品报溢"));

    // The overflow's lines come from its own table and its approval posts an overflow.
    w->cxGrid2View->SetCurrentRow(1);
    w->setBsbyshList();
    EXPECT_EQ(w->ldjh->text(), QStringLiteral("BY240510001"));
    ASSERT_EQ(w->Q_Bsbysh2.RecordCount(), 1);
    EXPECT_EQ(w->Q_Bsbysh2.AsString(QStringLiteral("sl")), QStringLiteral("2"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnRChkClick();
    EXPECT_EQ(Number(QStringLiteral("select by_status from jxc_byd where gl_djh='BY240510001'")), 1);
    EXPECT_EQ(
        Scalar(QStringLiteral("select gl_flag from jxc_goodslist where gl_djh='BY240510001'")), QStringLiteral("by"));
    EXPECT_EQ(Number(QStringLiteral("select gl_sl from jxc_goodslist where gl_djh='BY240510001'")), 2);
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'")), 12);
    EXPECT_EQ(Number(QStringLiteral("select bs_status from jxc_bsd where gl_djh='BS240510002'")), 0);

    // Deleting the remaining loss removes it from the loss tables only.
    ASSERT_EQ(w->Q_Bsbysh.RecordCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bsd")), 0);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bssp")), 0);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bysp")), 1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_log where log_note='") + U8("删除商品报损单：BS240510002")
                  + QStringLiteral("'")),
        1);
}

TEST_F(BsbyTest, LossSummaryKeepsStockTakeLossesApartByTheFlag)
{
    Pending(LossKind(), QStringLiteral("BS240510001"), U8("盘点库存报损"));
    Line(LossKind(), QStringLiteral("BS240510001"), QStringLiteral("G1"), 2, 10);
    Pending(LossKind(), QStringLiteral("BS240510002"), U8("破损"));
    Line(LossKind(), QStringLiteral("BS240510002"), QStringLiteral("G2"), 3, 30);
    // "审核全部" approves both from the pending list.
    w->cxPage->setCurrentWidget(w->cxTab2);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnCheckAllClick();
    ASSERT_EQ(Number(QStringLiteral("select count(*) from jxc_bsd where bs_status=1")), 2);

    // Entering the tab lists this month to today; documents later on the end day count.
    w->cxPage->setCurrentWidget(w->cxTab3);
    EXPECT_EQ(w->Q_Bsby1.RecordCount(), 2);
    EXPECT_EQ(Column(w->Q_Bsby1, 0, "gl_djh"), QStringLiteral("BS240510002"));

    w->setQueryView(1);
    ASSERT_EQ(w->Q_BsbyHzb.RecordCount(), 1);
    EXPECT_EQ(Column(w->Q_BsbyHzb, 0, "g_sn"), QStringLiteral("G2"));
    EXPECT_EQ(Column(w->Q_BsbyHzb, 0, "sl"), QStringLiteral("3"));
    w->QueryStockTakeOnly = QStringLiteral("1");
    w->btnSearch1Click();
    ASSERT_EQ(w->Q_BsbyHzb.RecordCount(), 1);
    EXPECT_EQ(Column(w->Q_BsbyHzb, 0, "g_sn"), QStringLiteral("G1"));
    // The overflow summary has no such condition and no documents here.
    w->comType->setCurrentIndex(1);
    EXPECT_EQ(w->Q_BsbyHzb.RecordCount(), 0);
}

TEST_F(BsbyTest, CancellingFromTheQueryTabUsesTheKindsReversal)
{
    Pending(LossKind(), QStringLiteral("BS240510001"));
    Line(LossKind(), QStringLiteral("BS240510001"), QStringLiteral("G2"), 3, 10);
    ASSERT_TRUE(ApproveStockDocument(LossKind(), QStringLiteral("BS240510001")));
    ASSERT_EQ(Number(QStringLiteral("select fy_je from jxc_yyfy where gl_djh='BS240510001'")), -30);
    w->cxPage->setCurrentWidget(w->cxTab3);
    ASSERT_EQ(w->Q_Bsby1.RecordCount(), 1);
    EXPECT_EQ(w->Q_BsbyList.RecordCount(), 1);

    prompt.Answer(Prompt::Answer::Yes);
    w->btnUnapproveClick();
    EXPECT_EQ(Number(QStringLiteral("select bs_status from jxc_bsd where gl_djh='BS240510001'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_yyfy where gl_djh='BS240510001'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'")), 10);
    EXPECT_EQ(w->Q_Bsby1.RecordCount(), 0);
}

TEST_F(BsbyTest, EntryDateMovesTheDraftInItsKindsTables)
{
    w->comDjlx->setCurrentIndex(1);
    const QString number = w->gldjh->text();
    Line(OverflowKind(), number, QStringLiteral("G2"), 2, 30);
    w->openGridViewData(number);
    w->dateCg->setDate(QDate(2024, 5, 8));
    w->dateCgExit();
    const QString moved = w->gldjh->text();
    EXPECT_TRUE(moved.startsWith(QLatin1String("BY240508"))) << moved.toStdString();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bysp where gl_djh='") + moved + QStringLiteral("'")), 1);
    EXPECT_EQ(w->Q_Bsby.RecordCount(), 1);

    // F5 saves from the keyboard (here refused for want of a handler).
    w->comUser->setCurrentIndex(-1);
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &f5);
    EXPECT_EQ(prompt.LastMessage(), U8("请选择经办人！"));

    // A day after today is asked for; No puts today back.
    prompt.Answer(Prompt::Answer::No);
    w->dateCg->setDate(QDate(2024, 5, 12));
    EXPECT_EQ(w->dateCg->date(), QDate(2024, 5, 10));
    w->dateCgExit();
    EXPECT_TRUE(w->gldjh->text().startsWith(QLatin1String("BY240510")));
}

TEST_F(BsbyTest, ColourSizeDetailAndSummaryViewsTakeTheirKinds)
{
    Pending(LossKind(), QStringLiteral("BS240510001"), U8("破损"));
    Line(LossKind(), QStringLiteral("BS240510001"), QStringLiteral("G1"), 2, 10);
    SizeRow(
        LossKind(), QStringLiteral("BS240510001"), QStringLiteral("G1"), QStringLiteral("R"), QStringLiteral("S"), 2);
    Pending(OverflowKind(), QStringLiteral("BY240510001"));
    Line(OverflowKind(), QStringLiteral("BY240510001"), QStringLiteral("G1"), 1, 12);
    SizeRow(OverflowKind(), QStringLiteral("BY240510001"), QStringLiteral("G1"), QStringLiteral("B"),
        QStringLiteral("M"), 1);

    // Pending colour-by-size rows of both kinds, each priced by its own line.
    w->cxPage->setCurrentWidget(w->cxTab2);
    w->rYscm->setChecked(true);
    w->rDjbClick();
    ASSERT_EQ(w->Q_PdStep2.RecordCount(), 2);
    EXPECT_EQ(Column(w->Q_PdStep2, 0, "gl_djh"), QStringLiteral("BS240510001"));
    EXPECT_EQ(Column(w->Q_PdStep2, 0, "zje"), QStringLiteral("20"));
    EXPECT_EQ(Column(w->Q_PdStep2, 1, "zje"), QStringLiteral("12"));
    w->tgname->setText(QStringLiteral("G2"));
    w->btnSearchClick();
    EXPECT_EQ(w->Q_PdStep2.RecordCount(), 0);

    ASSERT_TRUE(ApproveLossOrOverflow(QStringLiteral("BS240510001")));
    w->cxPage->setCurrentWidget(w->cxTab3);
    // Approved loss rows only: the overflow is still pending.
    w->setQueryView(3);
    ASSERT_EQ(w->Q_PdStep1.RecordCount(), 1);
    EXPECT_EQ(Column(w->Q_PdStep1, 0, "color_sn"), QStringLiteral("R"));
    w->comType->setCurrentIndex(1);
    EXPECT_EQ(w->Q_PdStep1.RecordCount(), 0);
    w->comType->setCurrentIndex(0);

    // The detail list, and the summary's documents of the goods; the keyword reads
    // the line remark there, so the header's "破损" finds nothing.
    w->setQueryView(2);
    ASSERT_EQ(w->Q_BsbyList3.RecordCount(), 1);
    EXPECT_EQ(Column(w->Q_BsbyList3, 0, "sl"), QStringLiteral("2"));
    EXPECT_EQ(w->lkey2->text(), U8("单号或商品备注："));
    w->setQueryView(1);
    ASSERT_EQ(w->Q_BsbyList2.RecordCount(), 1);
    EXPECT_EQ(Column(w->Q_BsbyList2, 0, "gl_djh"), QStringLiteral("BS240510001"));
    w->tkey2->setText(U8("破损"));
    w->btnSearch1Click();
    EXPECT_EQ(w->Q_BsbyHzb.RecordCount(), 0);
    EXPECT_FALSE(w->Q_BsbyList2.Active());
    w->tkey2->clear();

    // The list print takes the view's template and the kind's title.
    w->setQueryView(2);
    PrintLog::Clear();
    w->btnPrin3->setEnabled(true);
    w->btnPrin3Click();
    const PrintRecord* r = PrintLog::Last();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->templateFile.section(QLatin1Char('/'), -1), QStringLiteral("bsbymxb.fr3"));
    EXPECT_EQ(r->variables.value(QStringLiteral("bTitle")), U8("商品报损明细表"));
    ASSERT_TRUE(r->datasets.contains(QStringLiteral("bsbymxb")));
    EXPECT_EQ(r->datasets.value(QStringLiteral("bsbymxb")).rows.size(), 1);
}

TEST_F(BsbyTest, PendingOverflowMovesByDateLosesLinesAndPrintsAsItsKind)
{
    Pending(OverflowKind(), QStringLiteral("BY240510001"), QString(), QStringLiteral("2024-05-10 15:40"));
    Line(OverflowKind(), QStringLiteral("BY240510001"), QStringLiteral("G1"), 1, 12);
    SizeRow(OverflowKind(), QStringLiteral("BY240510001"), QStringLiteral("G1"), QStringLiteral("B"),
        QStringLiteral("M"), 1);
    Line(OverflowKind(), QStringLiteral("BY240510001"), QStringLiteral("G2"), 2, 30);
    const QString draft = w->gldjh->text();
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->ldjh->text(), QStringLiteral("BY240510001"));

    w->btnDate->setEnabled(true);
    prompt.OnModal(QStringLiteral("TF_ModiDate"), [](QDialog* d) {
        auto* m = static_cast<TF_ModiDate*>(d);
        m->dateCg->setDate(QDate(2024, 5, 8));
        m->tnote->setPlainText(QStringLiteral("moved"));
        m->btnOKClick();
        return 1;
    });
    w->btnDateClick();
    const QString moved = w->ldjh->text();
    EXPECT_TRUE(moved.startsWith(QLatin1String("BY240508"))) << moved.toStdString();
    EXPECT_EQ(Scalar(QStringLiteral("select by_byrq||'/'||by_note from jxc_byd where gl_djh='") + moved
                  + QStringLiteral("'")),
        QStringLiteral("2024-05-08 15:40/moved"));
    EXPECT_EQ(
        Number(QStringLiteral("select count(*) from jxc_byspmx where gl_djh='") + moved + QStringLiteral("'")), 1);
    EXPECT_EQ(w->gldjh->text(), draft);

    // The stored document prints from the overflow tables with the overflow's title.
    PrintLog::Clear();
    w->btnViewClick();
    const PrintRecord* r = PrintLog::Last();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->templateFile.section(QLatin1Char('/'), -1),
        ShowCostPrice ? QStringLiteral("bsby.fr3") : QStringLiteral("bsby2.fr3"));
    EXPECT_EQ(r->variables.value(QStringLiteral("title")), U8("商品报溢单"));
    EXPECT_EQ(r->variables.value(QStringLiteral("dNote")), QStringLiteral("moved"));
    EXPECT_EQ(r->datasets.value(QStringLiteral("frxDBDataset1")).rows.size(), 2);

    // Deleting a line reaches the overflow tables; the last one takes the document.
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDel2Click();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_bysp where gl_djh='") + moved + QStringLiteral("'")), 1);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_byspmx")), 0);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDel2Click();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_byd")), 0);
    EXPECT_EQ(w->Q_Bsbysh.RecordCount(), 0);
}

TEST_F(BsbyTest, EntryPrintCarriesTheDraftAndTheKind)
{
    w->comDjlx->setCurrentIndex(1);
    const QString number = w->gldjh->text();
    Line(OverflowKind(), number, QStringLiteral("G2"), 2, 30);
    w->openGridViewData(number);
    w->setButtons();
    EXPECT_FALSE(w->btnPrin->isHidden());
    EXPECT_FALSE(w->comCk->isEnabled());
    w->tnote->setText(QStringLiteral("found"));
    for (const bool cost : { true, false }) {
        ShowCostPrice = cost;
        PrintLog::Clear();
        w->btnPreviewClick();
        const PrintRecord* r = PrintLog::Last();
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->templateFile.section(QLatin1Char('/'), -1),
            cost ? QStringLiteral("bsby.fr3") : QStringLiteral("bsby2.fr3"));
        EXPECT_EQ(r->variables.value(QStringLiteral("title")), U8("商品报溢单"));
        EXPECT_EQ(r->variables.value(QStringLiteral("ckName")), U8("主仓库"));
        EXPECT_EQ(r->variables.value(QStringLiteral("dNote")), QStringLiteral("found"));
        EXPECT_EQ(
            r->datasets.value(QStringLiteral("frxDBDataset1")).Text(0, QStringLiteral("sl")), QStringLiteral("2"));
    }
}

} // namespace
