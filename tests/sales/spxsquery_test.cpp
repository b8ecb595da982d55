#include "spxstest.h"

#include "foundation/functionwindows.h"
#include "listing/queryframe.h"
#include "platform/base/programfolder.h"
#include "platform/report/printlog.h"
#include "support/platform/testtext.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Approved deliveries listed on the query tab.
class QueryTabTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        fixture::AddCustomer(QStringLiteral("K2"), U8("客户二"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 20, 40, 20);
        Sql(QStringLiteral("update jxc_tkc set t_sl=10 where color_sn='R' and cm_sn='S'"));
        QDir().mkpath(ProgramFolder::File(QStringLiteral("report")));
        QFile::copy(
            SourceResource(QStringLiteral("report/spxs.fr3")), ProgramFolder::File(QStringLiteral("report/spxs.fr3")));
    }
    // Approves every pending delivery through the pending tab, then shows the query tab.
    void ApproveAndQuery()
    {
        w->cxPage->setCurrentWidget(w->cxTab2);
        prompt.Answer(Prompt::Answer::Yes);
        w->btn_CheckClick();
        w->cxPage->setCurrentWidget(w->cxTab3);
    }
    QStringList Listed(const char* dataset = "Q_KhDj", const char* field = "gl_djh")
    {
        QStringList numbers;
        Query& q = F_DataModule->Q(QLatin1String(dataset));
        for (q.First(); !q.Eof(); q.Next())
            numbers << q.AsString(QLatin1String(field));
        q.First();
        return numbers;
    }
};

TEST_F(QueryTabTest, ThePeriodIncludesAllOfItsLastDayAndTheViewsFollowTheFilters)
{
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1 }, QStringLiteral("2024-05-10 23:59:30"));
    Pending(QStringLiteral("XS2"), QStringLiteral("K2"), { 2 }, QStringLiteral("2024-05-11 00:00:00"));
    Pending(QStringLiteral("XS3"), QStringLiteral("K1"), { 3 }, QStringLiteral("2023-02-01 08:00:00"));
    ApproveAndQuery();
    ASSERT_EQ(Count(QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_status=1")), 3);
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS1") });
    EXPECT_EQ(w->khmsg->text(), QStringLiteral("XS1 ") + U8("客户一"));
    EXPECT_EQ(Listed("Q_Xssp3"), QStringList { QStringLiteral("XS1") });

    ApplyPreset(DatePreset::AllTime, w->tdate11, w->tdate12, [this] { w->btnSearch1Click(); });
    EXPECT_EQ(Listed(), (QStringList { QStringLiteral("XS2"), QStringLiteral("XS1"), QStringLiteral("XS3") }));

    w->tKhName1->setText(U8("客户二"));
    w->btnSearch1Click();
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS2") });
    w->tKhName1->clear();
    w->tKey3->setText(QStringLiteral("XS3"));
    w->btnSearch1Click();
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS3") });

    w->tKey3->clear();
    w->rHzbClick();
    EXPECT_EQ(w->lKey3->text(), U8("商品名称或编码："));
    Query& sums = F_DataModule->Q(QStringLiteral("Q_GXsHZ"));
    ASSERT_EQ(sums.RecordCount(), 1);
    EXPECT_DOUBLE_EQ(sums.AsFloat(QStringLiteral("sl")), 6);
    EXPECT_EQ(w->gname->text(), U8("衬衫"));
    EXPECT_EQ(Listed("Q_GXsList").size(), 3);

    w->tKhName1->setText(U8("客户一"));
    w->rMxbClick();
    // In ledger order: approval went by document date.
    EXPECT_EQ(Listed("Q_GList2"), (QStringList { QStringLiteral("XS3"), QStringLiteral("XS1") }));
    w->rYscmClick();
    EXPECT_EQ(Listed("Q_Sppc"), (QStringList { QStringLiteral("XS1"), QStringLiteral("XS3") }));
    EXPECT_DOUBLE_EQ(F_DataModule->Q(QStringLiteral("Q_Sppc")).AsFloat(QStringLiteral("zje")), 100);
}

TEST_F(QueryTabTest, CancellingOneOrAllReturnsDocumentsToPending)
{
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1 });
    Pending(QStringLiteral("XS2"), QStringLiteral("K1"), { 2 });
    ApproveAndQuery();
    ASSERT_EQ(Listed().size(), 2);

    w->rHzbClick();
    w->btn_UnChkClick();
    EXPECT_EQ(prompt.LastMessage(), U8("批量取消只能在单据表进行！"));
    w->btn_UnChkAllClick();
    EXPECT_EQ(prompt.LastMessage(), U8("取消审核只能在单据表进行！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_status=1")), 2);

    // A stock-out document on XS2 keeps its approval.
    Sql(QStringLiteral("insert into jxc_cksp (gl_djh,gl_djh2,g_sn) values ('CK1','XS2','G1')"));
    w->rDjbClick();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkAllClick();
    EXPECT_EQ(prompt.LastMessage(),
        U8("取消审核完成，共 2 个单据，\r\n\r\n取消审核 1 "
           "个单据，\r\n\r\n如果有未取消审核的单据，\r\n\r\n请单独取消审核！"));
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS2") });
    EXPECT_EQ(Scalar(QStringLiteral("select ls_status from jxc_lsxsd where gl_djh='XS1'")), QStringLiteral("0"));

    Sql(QStringLiteral("delete from jxc_cksp"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkClick();
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='xs'")), 0);
}

TEST_F(QueryTabTest, ApprovingThenCancellingRestoresThePostedTables)
{
    // An earlier delivery gives the goods its ledger history.
    Pending(QStringLiteral("XS0"), QStringLiteral("K1"), { 1 }, QStringLiteral("2024-05-02 09:00"));
    ApproveAndQuery();
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 2 });
    Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=150,ls_jsfs=1 where gl_djh='XS1'"));
    const fixture::Snapshot before = fixture::TakeSnapshot();
    ApproveAndQuery();
    ASSERT_EQ(Listed(), (QStringList { QStringLiteral("XS1"), QStringLiteral("XS0") }));
    ASSERT_FALSE(fixture::TakeSnapshot() == before);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_UnChkClick();
    const fixture::Snapshot after = fixture::TakeSnapshot();
    EXPECT_TRUE(after == before) << fixture::Difference(before, after).toStdString();
    w->cxPage->setCurrentWidget(w->cxTab2);
    EXPECT_EQ(w->SelectedPendingNo(), QStringLiteral("XS1"));
}

TEST_F(QueryTabTest, WholeReturnHandsTheSelectedDocumentOverOnlyFromTheDocumentView)
{
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1 });
    Pending(QStringLiteral("XS2"), QStringLiteral("K1"), { 1 }, QStringLiteral("2024-05-09 09:00"));
    ApproveAndQuery();
    // The return window is another part of the program; the button waits for it.
    FunctionWindows::Register<Form>(QStringLiteral("TF_Xsth"));
    w->cxPageChange();
    w->show();
    w->rHzbClick();
    w->btn_ZdthClick();
    EXPECT_EQ(prompt.LastMessage(), U8("整单退货只能在单据表进行！"));
    EXPECT_TRUE(WholeReturnDocNo.isEmpty());

    w->rDjbClick();
    Sql(QStringLiteral("update jxc_lsxsd set ls_th=1 where gl_djh='XS1'"));
    w->btnSearch1Click();
    w->btn_ZdthClick();
    EXPECT_EQ(prompt.LastMessage(), U8("该单据已经进行过整单退货，不能重复退货！"));
    EXPECT_TRUE(w->isVisible());

    F_DataModule->Q(QStringLiteral("Q_KhDj")).Locate(QStringLiteral("gl_djh"), QStringLiteral("XS2"));
    w->btn_ZdthClick();
    EXPECT_EQ(WholeReturnDocNo, QStringLiteral("XS2"));
    EXPECT_FALSE(w->isVisible());
    WholeReturnDocNo.clear();
    FunctionWindows::Unregister(QStringLiteral("TF_Xsth"));
}

TEST_F(QueryTabTest, ViewingAndPrintingFollowTheView)
{
    for (const char* n : { "XS1", "XS2", "XS3" })
        Pending(QLatin1String(n), QStringLiteral("K1"), { 1 });
    Scan(QStringLiteral("G1RS"));
    const QString entry = No();
    ApproveAndQuery();
    PrintLog::Clear();
    w->rYscmClick();
    w->btn_Chakan3Click();
    ASSERT_EQ(PrintLog::Count(QStringLiteral("preview")), 1);
    EXPECT_TRUE(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.isEmpty());
    w->btn_Lxdy3Click();
    EXPECT_EQ(prompt.LastMessage(), U8("连续打印只能在“单据表”进行。"));

    w->rDjbClick();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_Lxdy3Click();
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 3);
    EXPECT_EQ(No(), entry);
    EXPECT_TRUE(w->EntryHasRows());
}

} // namespace
