#include "warehousetest.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "support/tradefixtures.h"
#include "warehouse/kcdb.h"
#include "warehouse/modidate.h"
#include "warehouse/stockdocs.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {

// The transfer window opened on the fixture's account set: out of the main
// warehouse into W2, the default staff as handler.
class KcdbTest : public WarehouseTest {
protected:
    void SetUp() override
    {
        WarehouseTest::SetUp();
        Open();
    }
    void TearDown() override
    {
        w.reset();
        WarehouseTest::TearDown();
    }
    void Open()
    {
        w.reset();
        w = std::make_unique<TF_Kcdb>();
        F_Kcdb = w.get();
        w->Activate();
    }
    void Scan(const QString& code)
    {
        w->tSptm->setText(code);
        w->tSptmKeyUp();
    }
    QString No() const { return w->gldjh->text(); }
    void Save(Prompt::Answer answer = Prompt::Answer::Yes)
    {
        prompt.Answer(answer);
        w->btnOKClick();
    }
    std::unique_ptr<TF_Kcdb> w;
};

TEST_F(KcdbTest, SavingRefusesInItsOrder)
{
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("没有调拨商品，不能保存！"));
    Scan(QStringLiteral("G1RS"));
    ASSERT_EQ(Count(QStringLiteral("jxc_dbsp")), 1);

    const int handler = w->comUser->currentIndex();
    w->comUser->setCurrentIndex(-1);
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择经办人！"));
    w->comUser->setCurrentIndex(handler);
    w->comCk->setCurrentIndex(-1);
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择调出仓库！"));
    w->comCk->setCurrentIndex(0);
    const int in = w->comCkIn->currentIndex();
    w->comCkIn->setCurrentIndex(-1);
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择调入仓库！"));
    w->comCkIn->setCurrentIndex(in);

    // Same name, other codes: refused at saving and at printing.
    Sql(QStringLiteral("update jxc_ckxx set ck_name='主仓库' where ck_sn='W2'"));
    w->FormActivate();
    Scan(QStringLiteral("G1RS"));
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("调出仓库与调入仓库不能相同！"));
    prompt.Clear();
    w->btnPreviewClick();
    EXPECT_EQ(prompt.LastMessage(), U8("调出仓库与调入仓库不能相同！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_kcdbd")), 0);
    EXPECT_TRUE(prompt.Questions().isEmpty());
}

TEST_F(KcdbTest, WithOneWarehouseTheInWarehouseStartsEmpty)
{
    Sql(QStringLiteral("delete from jxc_ckxx where ck_sn='W2'"));
    w->FormActivate();
    Scan(QStringLiteral("G1RS"));
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("请选择调入仓库！"));
}

TEST_F(KcdbTest, ScanRefusesUnknownCodesRepeatsAndMissingStock)
{
    Scan(QStringLiteral("NOPE"));
    EXPECT_EQ(prompt.LastMessage(), U8("没有找到与该条码匹配的商品，请检查！"));
    EXPECT_EQ(w->tSptm->text(), QStringLiteral("NOPE"));

    // Red M has no stock row, blue S none either: the colour and size is what counts.
    Scan(QStringLiteral("G1RM"));
    EXPECT_EQ(prompt.LastMessage(), U8("库存数量出现负数，不能出库！"));
    EXPECT_EQ(w->tSptm->text(), QStringLiteral("G1RM"));
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp")), 0);

    // The part before a full-width comma is the code.
    Scan(U8("G1RS，附加"));
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp")), 1);
    EXPECT_EQ(w->tSptm->text(), QString());
    w->btnNoRepeat->setChecked(true);
    Scan(QStringLiteral("G1BM"));
    EXPECT_EQ(prompt.LastMessage(), U8("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！"));
    EXPECT_EQ(w->tSptm->text(), QString());
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp")), 1);
}

TEST_F(KcdbTest, ScansPriceTheLineByTheModeAndAccumulateOnTheGoodsBarcode)
{
    Sql(QStringLiteral("update jxc_goods set g_sptm='G1RS' where g_sn='G1'"));
    struct Case {
        const char* mode;
        const char* accumulate;
        QStringList lines; // db_sl db_dj db_sj db_zje
        int rows;
    };
    const Case cases[] = {
        { "0", "1", { QStringLiteral("2 10 30 20") }, 2 },
        { "0", "0", { QStringLiteral("1 10 30 10"), QStringLiteral("1 10 30 10") }, 2 },
        { "1", "1", { QStringLiteral("2 10 30 60") }, 2 },
        { "2", "0", { QStringLiteral("1 12 30 12"), QStringLiteral("1 12 30 12") }, 2 },
    };
    for (const Case& c : cases) {
        Sql(QStringLiteral("delete from jxc_dbsp"));
        Sql(QStringLiteral("delete from jxc_dbspmx"));
        TransferPriceMode = QLatin1String(c.mode);
        ScanAccumulates = QLatin1String(c.accumulate);
        Scan(QStringLiteral("G1RS"));
        Scan(QStringLiteral("G1RS"));
        EXPECT_EQ(Rows(QStringLiteral("select db_sl,db_dj,db_sj,db_zje from jxc_dbsp order by id")), c.lines)
            << c.mode << c.accumulate;
        EXPECT_EQ(Rows(QStringLiteral("select a.t_sl from jxc_dbspmx a,jxc_dbsp b where a.tid=b.id")),
            QStringList(c.rows, QStringLiteral("1")))
            << c.mode << c.accumulate;
    }
    // The line's buttons show once it has lines.
    EXPECT_FALSE(w->btnModi->isHidden());
}

TEST_F(KcdbTest, TwoOperatorsOnOneNumberKeepTheirOwnRows)
{
    const QString number = No();
    TransferLine(number, QStringLiteral("admin"), QStringLiteral("G1"), 10, { { "R", "S", 1 } });
    TransferLine(number, QStringLiteral("op2"), QStringLiteral("G1"), 10, { { "B", "M", 2 } });
    TransferLine(number, QStringLiteral("op2"), QStringLiteral("G2"), 30, { { "100001", "100001", 1 } });

    // op2's window shows the same number; his first scan switches him to a fresh
    // number and takes his rows along.
    CurrentAdminName = QStringLiteral("op2");
    auto other = std::make_unique<TF_Kcdb>();
    other->Activate();
    ASSERT_EQ(other->gldjh->text(), number);
    other->tSptm->setText(QStringLiteral("G1BM"));
    other->tSptmKeyUp();
    const QString fresh = other->gldjh->text();
    EXPECT_NE(fresh, number);
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp"), QStringLiteral("gl_djh='%1'").arg(fresh)), 3);
    EXPECT_EQ(Count(QStringLiteral("jxc_dbspmx"), QStringLiteral("gl_djh='%1'").arg(fresh)), 3);
    EXPECT_EQ(Rows(QStringLiteral("select a_name from jxc_dbsp where gl_djh='%1'").arg(number)),
        QStringList { QStringLiteral("admin") });

    // His save takes his rows only.
    prompt.Answer(Prompt::Answer::Yes);
    other->btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,a_name,db_status from jxc_kcdbd")),
        QStringList { fresh + QStringLiteral(" op2 0") });
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8("增加未审核库存调拨单") + fresh + U8("，共3种商品"));
    other.reset();

    // admin keeps the number: Cancel keeps everything, No deletes only his rows.
    CurrentAdminName = QStringLiteral("admin");
    TransferLine(number, QStringLiteral("op3"), QStringLiteral("G1"), 10, { { "R", "S", 1 } });
    w->openGridViewData(number);
    ASSERT_EQ(No(), number);
    prompt.Answer(Prompt::Answer::Cancel);
    EXPECT_FALSE(w->FormCloseQuery());
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp"), QStringLiteral("gl_djh='%1'").arg(number)), 2);
    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_EQ(Rows(QStringLiteral("select a_name from jxc_dbsp where gl_djh='%1'").arg(number)),
        QStringList { QStringLiteral("op3") });
    EXPECT_EQ(Rows(QStringLiteral("select a_name from jxc_dbspmx where gl_djh='%1'").arg(number)),
        QStringList { QStringLiteral("op3") });
}

TEST_F(KcdbTest, ApproveOnSaveIsOffOnlyForZeroOrFalse)
{
    for (const char* setting : { "", "0", "False", "1" }) {
        ApproveOnSave = QLatin1String(setting);
        w->FormActivate();
        Scan(QStringLiteral("G1RS"));
        const QString number = No();
        Save();
        const bool approves
            = QLatin1String(setting) != QLatin1String("0") && QLatin1String(setting) != QLatin1String("False");
        EXPECT_EQ(Scalar(QStringLiteral("select db_status from jxc_kcdbd where gl_djh='%1'").arg(number)),
            approves ? QStringLiteral("1") : QStringLiteral("0"))
            << setting;
        EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='%1'").arg(number)), approves ? 2 : 0)
            << setting;
        EXPECT_EQ(Scalar(QStringLiteral("select db_dbrq from jxc_kcdbd where gl_djh='%1'").arg(number)),
            QStringLiteral("2024-05-10 10:20"));
        // A new draft starts after each save.
        EXPECT_NE(No(), number);
        EXPECT_EQ(w->cxGridView->RowCount(), 0);
    }
    // Answering No at the confirmation changes nothing.
    w->FormActivate();
    Scan(QStringLiteral("G1RS"));
    Save(Prompt::Answer::No);
    EXPECT_EQ(Count(QStringLiteral("jxc_kcdbd"), QStringLiteral("gl_djh='%1'").arg(No())), 0);
}

TEST_F(KcdbTest, TheTransferOfMustShowPostsBothWarehousesAndCancelsBack)
{
    // W2 has held these goods before, so that cancelling leaves no empty stock rows behind.
    fixture::AddDocument({ fixture::Trade::GoodsIn, QStringLiteral("CJ2"), QStringLiteral("2024-05-02 09:00"),
        QStringLiteral("S1"), QStringLiteral("W2"), QStringLiteral("100001"), 1,
        { { QStringLiteral("G1"), 2, 10,
              { { QStringLiteral("R"), QStringLiteral("S"), 1 }, { QStringLiteral("B"), QStringLiteral("M"), 1 } } },
            { QStringLiteral("G2"), 1, 30, {} } } });
    Sql(QStringLiteral("update jxc_jhd set j_sfje=0,j_kmmc='现金',j_jsfs='1',j_checker='admin' where gl_djh='CJ2'"));
    Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0 where gl_djh='CJ2'"));
    ApprovePurchaseDoc(QStringLiteral("CJ2"));
    const QString number = No();
    TransferLine(number, QStringLiteral("admin"), QStringLiteral("G1"), 10, { { "R", "S", 2 } });
    TransferLine(number, QStringLiteral("admin"), QStringLiteral("G1"), 10, { { "B", "M", 1 } });
    TransferLine(number, QStringLiteral("admin"), QStringLiteral("G2"), 12, { { "100001", "100001", 5 } });
    w->openGridViewData(number);
    const fixture::Snapshot before = fixture::TakeSnapshot();
    const double total = Number(QStringLiteral("select sum(g_kc) from jxc_goods"));
    const QString balance
        = QStringLiteral("select coalesce(sum(js_sl),0) from jxc_kcjs where js_rq='2024-05' and ck_sn='%1'");
    const double inBefore = Number(balance.arg(QStringLiteral("W2")));
    const double outBefore = Number(balance.arg(QStringLiteral("100001")));

    ApproveOnSave.clear();
    TransferPriceMode = QStringLiteral("1");
    Save();
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='%1'").arg(number)), 6);
    EXPECT_EQ(Rows(QStringLiteral("select ck_sn,gl_sl,gl_zje,ghs_name from jxc_goodslist where gl_djh='%1' and "
                                  "g_sn='G2' order by id")
                       .arg(number)),
        (QStringList { U8("W2 5 60 调拨入库"), U8("100001 -5 -60 调拨出库") }));
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8("增加已审核库存调拨单") + number + U8("，共3种商品"));
    EXPECT_EQ(Rows(QStringLiteral("select ck_sn,kc_sl from jxc_kcsp where g_sn='G2' order by ck_sn")),
        (QStringList { QStringLiteral("100001 5"), QStringLiteral("W2 6") }));
    EXPECT_EQ(Rows(QStringLiteral("select ck_sn,t_sl from jxc_tkc where g_sn='G2' order by ck_sn")),
        (QStringList { QStringLiteral("100001 5"), QStringLiteral("W2 6") }));
    EXPECT_EQ(Number(QStringLiteral("select sum(g_kc) from jxc_goods")), total);
    EXPECT_EQ(Number(balance.arg(QStringLiteral("W2"))) - inBefore, 8);
    EXPECT_EQ(Number(balance.arg(QStringLiteral("100001"))) - outBefore, -8);

    // A second approval changes nothing; the query tab's cancel restores every table.
    const fixture::Snapshot approved = fixture::TakeSnapshot();
    w->checkDj(number);
    EXPECT_EQ(approved, fixture::TakeSnapshot());
    w->cxPage->setCurrentWidget(w->cxTab3);
    ASSERT_EQ(w->cxGridDjbView->RowCount(), 1);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnUnapproveClick();
    EXPECT_EQ(UnapproveResult, QStringLiteral("ok"));
    EXPECT_EQ(w->cxGridDjbView->RowCount(), 0);
    const fixture::Snapshot after = fixture::TakeSnapshot();
    EXPECT_EQ(before, after) << fixture::Difference(before, after).toStdString();
}

TEST_F(KcdbTest, PendingTabApprovesDeletesAndChangesTheDate)
{
    PendingTransfer(QStringLiteral("DB24050910001"));
    const qint64 line = TransferLine(
        QStringLiteral("DB24050910001"), QStringLiteral("op2"), QStringLiteral("G1"), 10, { { "R", "S", 1 } });
    PendingTransfer(QStringLiteral("DB24050910002"));
    TransferLine(QStringLiteral("DB24050910002"), QStringLiteral("admin"), QStringLiteral("G2"), 30,
        { { "100001", "100001", 1 } });
    w->cxPage->setCurrentWidget(w->cxTab2);
    ASSERT_EQ(w->cxGrid2View->RowCount(), 2);
    EXPECT_EQ(w->ldjh->text(), QStringLiteral("DB24050910001"));

    // A date change: a new number of that day, the time of day kept, the note edited.
    w->btnDate->setEnabled(true);
    prompt.OnModal(QStringLiteral("TF_ModiDate"), [](QDialog* d) {
        auto* m = static_cast<TF_ModiDate*>(d);
        m->dateCg->setDate(QDate(2024, 5, 8));
        m->tnote->setPlainText(QStringLiteral("moved"));
        m->btnOKClick();
        return 1;
    });
    w->btnDateClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,db_dbrq,db_note from jxc_kcdbd where gl_djh like 'DB240508%'")),
        QStringList { QStringLiteral("DB24050810001 2024-05-08 08:30 moved") });
    EXPECT_EQ(Count(QStringLiteral("jxc_dbspmx"), QStringLiteral("gl_djh='DB24050810001' and tid=%1").arg(line)), 1);
    // The entry tab keeps its draft.
    EXPECT_EQ(No(), QStringLiteral("DB24051010001"));

    // Deleting the last line of a document deletes the document.
    w->cxGrid2View->SetCurrentRow(0);
    ASSERT_EQ(w->ldjh->text(), QStringLiteral("DB24050810001"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDel2Click();
    EXPECT_EQ(Count(QStringLiteral("jxc_kcdbd"), QStringLiteral("gl_djh='DB24050810001'")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_dbspmx"), QStringLiteral("gl_djh='DB24050810001'")), 0);

    // 审核全部: one transaction per document.
    prompt.Answer(Prompt::Answer::Yes);
    w->btnCheckAllClick();
    EXPECT_EQ(
        Scalar(QStringLiteral("select db_status from jxc_kcdbd where gl_djh='DB24050910002'")), QStringLiteral("1"));
    EXPECT_EQ(w->cxGrid2View->RowCount(), 0);
}

TEST_F(KcdbTest, EntryPrintCarriesTheScreenAndKeepsTheDraft)
{
    Scan(QStringLiteral("G1RS"));
    w->tnote->setText(QStringLiteral("hello"));
    PrintLog::Clear();
    w->btnPreviewClick();
    const PrintRecord* r = PrintLog::Last();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->templateFile.section(QLatin1Char('/'), -1), QStringLiteral("kcdbd.fr3"));
    EXPECT_EQ(r->variables.value(QStringLiteral("jhDate")), QStringLiteral("2024-05-10"));
    EXPECT_EQ(r->variables.value(QStringLiteral("ckOut")), U8("主仓库"));
    EXPECT_EQ(r->variables.value(QStringLiteral("ckIn")), U8("二号仓"));
    EXPECT_EQ(r->variables.value(QStringLiteral("Note")), QStringLiteral("hello"));
    EXPECT_FALSE(r->variables.value(QStringLiteral("uName")).isEmpty());
    EXPECT_FALSE(r->variables.contains(QStringLiteral("yf")));
    EXPECT_EQ(w->cxGridView->RowCount(), 1);

    const QString number = No();
    Save();
    w->cxPage->setCurrentWidget(w->cxTab2);
    w->btnViewClick();
    r = PrintLog::Last();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->variables.contains(QStringLiteral("yf")));
    EXPECT_EQ(r->variables.value(QStringLiteral("ckIn")), U8("二号仓"));
    EXPECT_EQ(Count(QStringLiteral("jxc_dbsp"), QStringLiteral("gl_djh='%1'").arg(number)), 1);
}

TEST_F(KcdbTest, QueryRangesIncludeTheWholeEndDay)
{
    PendingTransfer(QStringLiteral("DB24051010009"), QStringLiteral("2024-05-10 23:59:30"));
    TransferLine(QStringLiteral("DB24051010009"), QStringLiteral("admin"), QStringLiteral("G2"), 30,
        { { "100001", "100001", 1 } });
    ASSERT_TRUE(ApproveStockDocument(TransferKind(), QStringLiteral("DB24051010009")));
    w->cxPage->setCurrentWidget(w->cxTab3);
    EXPECT_EQ(w->cxGridDjbView->RowCount(), 1);
    EXPECT_EQ(w->cxGridDjb1View->RowCount(), 1);
    for (QRadioButton* view : { w->rHzb2, w->rMxb2, w->rYscm2 }) {
        view->click();
        EXPECT_GT(F_DataModule
                      ->Q(view == w->rHzb2       ? QStringLiteral("Q_Dbhzb")
                              : view == w->rMxb2 ? QStringLiteral("Q_Dbmxb")
                                                 : QStringLiteral("Q_PdStep1"))
                      .RecordCount(),
            0);
    }
}

} // namespace
