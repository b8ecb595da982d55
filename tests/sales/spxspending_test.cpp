#include "spxstest.h"

#include "platform/base/programfolder.h"
#include "platform/report/printlog.h"
#include "support/platform/testtext.h"

#include <QDir>
#include <QFile>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

using fixture::DocSpec;
using fixture::LineSpec;
using fixture::Trade;

// Pending deliveries written straight into the account set, listed on the pending tab.
class PendingTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        fixture::AddCustomer(QStringLiteral("K2"), U8("客户二"));
        StockRow();
        Sql(QStringLiteral("update jxc_tkc set t_sl=10 where color_sn='R' and cm_sn='S'"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 13, 40, 13);
        QDir().mkpath(ProgramFolder::File(QStringLiteral("report")));
        QFile::copy(
            SourceResource(QStringLiteral("report/spxs.fr3")), ProgramFolder::File(QStringLiteral("report/spxs.fr3")));
    }
    QStringList Listed()
    {
        QStringList numbers;
        Query& q = F_DataModule->Q(QStringLiteral("Q_Shdj"));
        for (q.First(); !q.Eof(); q.Next())
            numbers << q.AsString(QStringLiteral("gl_djh"));
        return numbers;
    }
    // Turning to the tab lists; a search lists again when the tab is already shown.
    void ShowPending()
    {
        if (w->cxPage->currentWidget() == w->cxTab2)
            w->btnSearch2Click();
        else
            w->cxPage->setCurrentWidget(w->cxTab2);
    }
};

TEST_F(PendingTest, TheListFollowsCustomerAndKeyAndLeavesTakenOverDocumentsOut)
{
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1 });
    Pending(QStringLiteral("XS2"), QStringLiteral("K2"), { 1 });
    Pending(QStringLiteral("XS3"), QStringLiteral("K1"), { 1 });
    Sql(QStringLiteral("update jxc_lsxsd set ls_dhbz=1 where gl_djh='XS3'"));
    ShowPending();
    EXPECT_EQ(Listed(), (QStringList { QStringLiteral("XS1"), QStringLiteral("XS2") }));

    w->tGhsName->setText(U8("客户二"));
    w->btnSearch2Click();
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS2") });
    EXPECT_EQ(w->ghsname->text(), U8("客户二"));

    w->chkKhAllClick();
    EXPECT_EQ(w->tGhsName->text(), U8("全部客户"));
    EXPECT_TRUE(w->RzPanel_Kh2->isHidden());
    EXPECT_EQ(Listed(), (QStringList { QStringLiteral("XS1"), QStringLiteral("XS2") }));

    w->comSort->setCurrentIndex(1);
    EXPECT_EQ(Listed(), (QStringList { QStringLiteral("XS2"), QStringLiteral("XS1") }));

    w->tchkKey->setText(QStringLiteral("XS1"));
    w->btnSearch2Click();
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS1") });

    // The colour-by-size view: one row per size row with its amount.
    w->rYscm0Click();
    Query& rows = F_DataModule->Q(QStringLiteral("Q_Shspmx"));
    ASSERT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(rows.AsString(QStringLiteral("gl_djh")), QStringLiteral("XS1"));
    EXPECT_DOUBLE_EQ(rows.AsFloat(QStringLiteral("zje")), 100);
    EXPECT_FALSE(w->tgname->isHidden());
}

TEST_F(PendingTest, DeletingALineRecomputesTheHeaderAndTheLastLineTakesTheDocument)
{
    struct Case {
        int mode;
        const char* collectDefault;
        double paidAfter;
    };
    // On account with the collection defaulting to nothing, the paid amount stays.
    const Case cases[] = { { 0, "1", 100 }, { 1, "0", 100 }, { 1, "1", 300 } };
    int n = 0;
    for (const Case& c : cases) {
        const QString number = QStringLiteral("XS") + QString::number(++n);
        Pending(number, QStringLiteral("K1"), { 1, 2 });
        Sql(QStringLiteral("update jxc_lsxsd set ls_jsfs=") + QString::number(c.mode)
            + QStringLiteral(" where gl_djh='") + number + QStringLiteral("'"));
        SalesCollectDefault = QLatin1String(c.collectDefault);
        ShowPending();
        ASSERT_TRUE(F_DataModule->Q(QStringLiteral("Q_Shdj")).Locate(QStringLiteral("gl_djh"), number));
        w->setShspList();
        Query& lines = F_DataModule->Q(QStringLiteral("Q_Shsp"));
        ASSERT_EQ(lines.RecordCount(), 2);
        lines.Last();
        prompt.Answer(Prompt::Answer::Yes);
        w->btnDeleClick();
        const QString where = QStringLiteral("gl_djh='") + number + QStringLiteral("'");
        EXPECT_EQ(Number(QStringLiteral("select ls_yfje from jxc_lsxsd where ") + where), 100) << c.mode;
        EXPECT_EQ(Number(QStringLiteral("select ls_sfje from jxc_lsxsd where ") + where), c.paidAfter)
            << c.mode << c.collectDefault;
        EXPECT_EQ(Count(QStringLiteral("jxc_lsxsspmx"), where), 1);
        EXPECT_EQ(w->SelectedPendingNo(), number);

        prompt.Answer(Prompt::Answer::Yes);
        w->btnDeleClick();
        EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd"), where), 0);
        EXPECT_EQ(Count(QStringLiteral("jxc_lsxsspmx"), where), 0);
        EXPECT_EQ(Count(QStringLiteral("jxc_log"),
                      QStringLiteral("log_note='") + U8("因删除单据的所有商品而删除商品销售单：") + number
                          + QStringLiteral("'")),
            1);
    }
}

TEST_F(PendingTest, DeletingADocumentTakesItsRowsAndContract)
{
    Pending(QStringLiteral("XS1"), QStringLiteral("K1"), { 1, 1 });
    Pending(QStringLiteral("XS2"), QStringLiteral("K1"), { 1 });
    Sql(QStringLiteral("update jxc_lsxsd set ht_sn='HT1' where gl_djh='XS1'"));
    Sql(QStringLiteral("insert into jxc_htgl (ht_sn,ht_path) values ('HT1','远程FTP服务器')"));
    ShowPending();
    prompt.Answer(Prompt::Answer::No);
    w->btn_DeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 3);

    prompt.Answer(Prompt::Answer::Yes);
    w->btn_DeleClick();
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("XS2") });
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp"), QStringLiteral("gl_djh='XS1'")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("gl_djh='XS1'")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_htgl")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_log"),
                  QStringLiteral("log_note='") + U8("删除商品销售单：XS1") + QStringLiteral("'")),
        1);
}

TEST_F(PendingTest, ApproveAllPostsEveryListedDocumentAndEmptiesTheList)
{
    for (const char* n : { "XS1", "XS2", "XS3" })
        Pending(QLatin1String(n), QStringLiteral("K1"), { 1 });
    ShowPending();
    ASSERT_EQ(Listed().size(), 3);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_status=1")), 3);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='xs'")), 3);
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_FALSE(w->btnAdd->isEnabled());
}

TEST_F(PendingTest, ContinuousPrintingPrintsEachListedDocumentAndLeavesTheEntryAlone)
{
    for (const char* n : { "XS1", "XS2", "XS3" })
        Pending(QLatin1String(n), QStringLiteral("K1"), { 1 });
    Scan(QStringLiteral("G1RS"));
    const QString entry = No();
    ShowPending();
    PrintLog::Clear();
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_LxdyClick();
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 3);
    EXPECT_EQ(No(), entry);
    EXPECT_TRUE(w->EntryHasRows());
}

} // namespace
