#include "xsthtest.h"

#include "posting/tradereversal.h"
#include "sales/xsthrules.h"

#include <QPushButton>

namespace {

TEST_F(XsthTest, SavingWithoutLinesWritesNothing)
{
    ChooseK1();
    w->btnOKClick();
    EXPECT_EQ(prompt.Messages(), QStringList { QStringLiteral("单据中没有业务发生，不能保存！") });
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthd")), 0);
}

TEST_F(XsthTest, AmountsAreStoredNegativeAndTheRestGoesOnAccount)
{
    UseInvoices = QStringLiteral("1");
    ChooseK1();
    DraftLine(2, 50);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("100"));
    w->tfpje->setText(QStringLiteral("20"));
    w->tfpno->setText(QStringLiteral("F1"));
    const QString number = No();
    Save();
    EXPECT_EQ(Rows(QStringLiteral("select th_yfje,th_sfje,th_fpje,th_jsfs,th_status,kh_sn from jxc_xsthd")),
        QStringList { QStringLiteral("-100 -100 -20 1 0 K1") });
    EXPECT_EQ(Scalar(QStringLiteral("select gl_djh from jxc_xsthd")), number);
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        QStringLiteral("增加未审核销售退货单") + number + QStringLiteral("，共1种商品"));
    // The window starts the next return.
    EXPECT_FALSE(w->EntryHasRows());
}

TEST_F(XsthTest, RoundedTotalsRoundTheDueAndThePaidAmount)
{
    RoundTotals = QStringLiteral("1");
    TotalDecimals = QStringLiteral("0");
    SalesCollectDefault = QStringLiteral("1");
    ChooseK1();
    DraftLine(1, 99.5);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("100"));
    w->tssje->setText(QStringLiteral("12.5"));
    Save();
    EXPECT_EQ(
        Rows(QStringLiteral("select th_yfje,th_sfje from jxc_xsthd")), QStringList { QStringLiteral("-100 -13") });
}

TEST_F(XsthTest, PaidFollowsDueOnlyWhenCollectingByDefault)
{
    ChooseK1();
    SalesCollectDefault = QStringLiteral("1");
    DraftLine(1, 30);
    w->tssje->setText(QStringLiteral("5"));
    DraftLine(1, 20);
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("50"));
    EXPECT_EQ(w->tssje->text(), QStringLiteral("5"));
    SalesCollectDefault = QStringLiteral("0");
    w->updateBottomJe();
    EXPECT_EQ(w->tssje->text(), QStringLiteral("50"));
}

TEST_F(XsthTest, TheDiscountGoodsAndOtherOperatorsLinesDoNotCount)
{
    ChooseK1();
    DraftLine(1, 60);
    DraftLine(1, -10, -10, QStringLiteral("00000000"));
    CurrentAdminName = QStringLiteral("other");
    DraftLine(1, 500);
    CurrentAdminName = QStringLiteral("admin");
    w->openGridViewData(No());
    w->updateBottomJe();
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("60"));
    EXPECT_EQ(w->cxGridView->RowCount(), 1);
}

TEST_F(XsthTest, CustomerAndWarehouseAreLockedWhileTheReturnHasLines)
{
    ChooseK1();
    DraftLine(1, 10);
    EXPECT_FALSE(w->tkh->isEnabled());
    EXPECT_FALSE(w->comCk->isEnabled());
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthsp")), 0);
    EXPECT_TRUE(w->tkh->isEnabled());
    EXPECT_TRUE(w->comCk->isEnabled());
}

TEST_F(XsthTest, DeletingOnASortedGridRemovesTheLineShown)
{
    ChooseK1();
    DraftLine(1, 10);
    DraftLine(1, 70);
    w->openGridViewData(No());
    ASSERT_EQ(w->cxGridView->RowCount(), 2);
    const int amount = w->cxGridView->ColumnByField(QStringLiteral("je"));
    ASSERT_GE(amount, 0);
    w->cxGridView->SortByColumn(amount, Qt::DescendingOrder);
    w->cxGridView->SetCurrentRow(0);
    ASSERT_EQ(w->cxGridView->Value(0, QStringLiteral("je")).toDouble(), 70.0);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(Rows(QStringLiteral("select th_je from jxc_xsthsp")), QStringList { QStringLiteral("10") });
}

TEST_F(XsthTest, RemovingOneColourRecomputesTheLine)
{
    ChooseK1();
    const qint64 line = DraftLine(3, 10);
    Sql(QStringLiteral("insert into jxc_xsthspmx (gl_djh,g_sn,t_sl,cm_sn,color_sn,a_name,tid) values ('%1','G1',2,"
                       "'M','B','admin',%2)")
            .arg(No())
            .arg(line));
    w->openGridViewData(No());
    ASSERT_EQ(w->cxGridView->RowCount(), 2);
    w->cxGridView->SetCurrentRow(0);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    EXPECT_EQ(Rows(QStringLiteral("select th_sl,th_je,th_zje,th_zcb from jxc_xsthsp")),
        QStringList { QStringLiteral("2 20 20 80") });
    EXPECT_EQ(w->tyfje->text(), QStringLiteral("20"));
}

TEST_F(XsthTest, ApprovingOnSavePostsTheReturnAndCancellingRestoresEverything)
{
    ApproveOnSave = QStringLiteral("1");
    // An earlier return of one piece gives the shop its ledger and month rows.
    ChooseK1();
    DraftLine(1, 50);
    Save();
    ChooseK1();
    const fixture::Snapshot before = fixture::TakeSnapshot();
    DraftLine(3, 50);
    const QString number = No();
    Save();
    EXPECT_EQ(
        Number(QStringLiteral("select th_status from jxc_xsthd where gl_djh='") + number + QStringLiteral("'")), 1);
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'")), 4);
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 4);
    EXPECT_EQ(Rows(QStringLiteral("select gl_sl,gl_zje from jxc_goodslist where gl_flag='xt' and gl_djh='") + number
                  + QStringLiteral("'")),
        QStringList { QStringLiteral("-3 -150") });
    EXPECT_EQ(Count(QStringLiteral("jxc_log"), QStringLiteral("log_note like '增加未审核销售退货单%'")), 0);
    EXPECT_LT(
        Number(QStringLiteral("select sum(k_yfje) from jxc_ysyfk where gl_djh='") + number + QStringLiteral("'")), 0);

    prompt.Answer(Prompt::Answer::Yes);
    UnapproveSalesReturn(number);
    EXPECT_EQ(UnapproveResult, QStringLiteral("ok"));
    const fixture::Snapshot after = fixture::TakeSnapshot();
    EXPECT_TRUE(before == after) << fixture::Difference(before, after).toStdString();
}

TEST_F(XsthTest, ApprovingAnApprovedReturnOnlyDropsStrayPendingHeaders)
{
    ChooseK1();
    DraftLine(1, 50);
    const QString number = No();
    Save();
    w->checkDj(number);
    const double stock = Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'"));
    Sql(QStringLiteral("insert into jxc_xsthd (gl_djh,kh_sn,th_status,a_name) values ('%1','K1',0,'admin')")
            .arg(number));
    Sql(QStringLiteral("update jxc_xsthd set th_xsrq='2024-05-10 10:20' where th_status=0"));
    w->checkDj(number);
    EXPECT_EQ(Count(QStringLiteral("jxc_xsthd")), 1);
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'")), stock);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='xt'")), 1);
}

TEST_F(XsthTest, ClosingWithLinesAndNoDeletesOnlyTheOperatorsRows)
{
    ChooseK1();
    DraftLine(1, 10);
    CurrentAdminName = QStringLiteral("other");
    DraftLine(1, 20);
    CurrentAdminName = QStringLiteral("admin");
    w->openGridViewData(No());
    prompt.Answer(Prompt::Answer::No);
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_EQ(Column(QStringLiteral("select a_name from jxc_xsthsp")), QStringList { QStringLiteral("other") });
    EXPECT_EQ(Column(QStringLiteral("select a_name from jxc_xsthspmx")), QStringList { QStringLiteral("other") });
}

TEST_F(XsthTest, WholeReturnKeyChecksComeInTheirOrder)
{
    ChooseK1();
    DraftLine(1, 10);
    w->tkh->setText(QString());
    w->btnZdthClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("请先保存本次的退货单据！"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDelClick();
    w->tkh->setText(QStringLiteral("  "));
    w->btnZdthClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("请选择客户！"));
    w->comCk->clear();
    w->btnZdthClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("请添加仓库信息！"));
    EXPECT_TRUE(WholeReturnDocNo.isEmpty());
}

} // namespace
