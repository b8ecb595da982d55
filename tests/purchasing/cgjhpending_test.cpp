#include "cgjhtest.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

using PendingTest = CgjhTest;

TEST_F(PendingTest, ApprovalSetsTheDiscountBySettleMode)
{
    struct Case {
        int settle;
        const char* discount;
    };
    for (const Case& c : { Case { 0, "20" }, Case { 1, "0" } }) {
        const QString number = QStringLiteral("CJ2405100000%1").arg(c.settle);
        Pending(number, QStringLiteral("admin"), 100, 80, c.settle);
        ShowPending();
        ASSERT_TRUE(w->Q_Shdj.Locate(QStringLiteral("gl_djh"), number));
        prompt.Answer(Prompt::Answer::Yes);
        w->btnRChkClick();
        EXPECT_EQ(Rows(QStringLiteral("select j_status,j_yhje,j_checker from jxc_jhd where gl_djh='%1'").arg(number)),
            QStringList { QStringLiteral("1 %1 admin").arg(QLatin1String(c.discount)) });
        EXPECT_GT(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_djh='%1'").arg(number)), 0);
    }
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 0) << "approved documents leave the list";
}

TEST_F(PendingTest, ApproveAllOverTwoOperatorsDraftsUnderOneNumber)
{
    const QString number = QStringLiteral("CJ24051010001");
    Pending(number, QStringLiteral("admin"), 20, 20, 0);
    Pending(number, QStringLiteral("other"), 40, 40, 0);
    ShowPending();
    ASSERT_EQ(w->Q_Shdj.RecordCount(), 2);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,a_name,j_status from jxc_jhd order by id")),
        (QStringList { QStringLiteral("CJ24051010001 admin 1"), QStringLiteral("CJ24051010002 other 0") }));
    EXPECT_EQ(Column(QStringLiteral("select distinct gl_djh from jxc_jhsp where a_name='other'")),
        QStringList { QStringLiteral("CJ24051010002") });
    EXPECT_EQ(Number(QStringLiteral("select sum(gl_sl) from jxc_goodslist where gl_djh='CJ24051010001'")), 2)
        << "only the approved document's lines are posted";
    EXPECT_EQ(w->Q_Shdj.RecordCount(), 1);
}

TEST_F(PendingTest, ApproveAllAsksFirst)
{
    Pending(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 20, 20, 0);
    ShowPending();
    prompt.Answer(Prompt::Answer::No);
    w->btn_CheckClick();
    EXPECT_EQ(prompt.Questions().value(0),
        U8("您的操作将审核当前列表中所有未审核的单据，确认吗？\r\n\r\n（如需审核某个单据，请按右键！）"));
    EXPECT_EQ(Number(QStringLiteral("select j_status from jxc_jhd")), 0);
}

TEST_F(PendingTest, AFailingPostingLeavesTheDocumentPending)
{
    Pending(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 20, 20, 0);
    TestDb::RefuseInserts(dm->ADOConn, QStringLiteral("jxc_kcjs"));
    ShowPending();
    const fixture::Snapshot before = fixture::TakeSnapshot();
    EXPECT_ANY_THROW(w->checkDj(QStringLiteral("CJ24051010001")));
    EXPECT_EQ(Rows(QStringLiteral("select j_status,coalesce(j_checker,'') from jxc_jhd")),
        QStringList { QStringLiteral("0 ") });
    const fixture::Snapshot after = fixture::TakeSnapshot();
    EXPECT_TRUE(before == after) << fixture::Difference(before, after).toStdString();
}

TEST_F(PendingTest, DeletingLinesAndDocuments)
{
    Pending(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 20, 20, 0);
    Line(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 5, 0, 1, { 2 });
    Pending(QStringLiteral("CJ24051010002"), QStringLiteral("admin"), 30, 30, 0);
    Line(QStringLiteral("CJ24051010002"), QStringLiteral("other"), 7, 0, 1, { 1 }) /* another operator's draft */;
    ShowPending();

    // Two lines under the first: deleting one recomputes the header, the last takes it along.
    ASSERT_EQ(w->Q_Shsp.RecordCount(), 2);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick();
    EXPECT_EQ(Rows(QStringLiteral("select j_yfje,j_sfje from jxc_jhd where gl_djh='CJ24051010001'")),
        QStringList { QStringLiteral("10 10") });
    prompt.Answer(Prompt::Answer::Yes);
    w->btnDeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_jhd"), QStringLiteral("gl_djh='CJ24051010001'")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_jhspmx"), QStringLiteral("gl_djh='CJ24051010001'")), 0);
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8("因删除单据的所有商品而删除采购进货单：CJ24051010001"));

    // The whole document, every operator's rows under its number.
    ASSERT_EQ(w->Q_Shdj.AsString(QStringLiteral("gl_djh")), QStringLiteral("CJ24051010002"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_DeleClick();
    EXPECT_EQ(prompt.Questions().last(), U8("您确定要删除“待审核”单据吗！"));
    for (const char* table : { "jxc_jhd", "jxc_jhsp", "jxc_jhspmx" })
        EXPECT_EQ(Count(QLatin1String(table)), 0) << table;
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8("删除采购进货单：CJ24051010002"));
    EXPECT_FALSE(w->btnDele->isEnabled());
}

TEST_F(PendingTest, AChangedLineBringsThePayableAndByTheSettingThePaid)
{
    struct Case {
        int settle;
        const char* payDefault;
        const char* header;
    };
    for (const Case& c : { Case { 1, "1", "26 0" }, Case { 0, "1", "26 26" }, Case { 1, "0", "26 26" } }) {
        Sql(QStringLiteral("delete from jxc_jhd"));
        Sql(QStringLiteral("delete from jxc_jhsp"));
        PurchasePayDefault = QLatin1String(c.payDefault);
        Pending(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 20, 0, c.settle);
        Sql(QStringLiteral("update jxc_jhsp set jh_zje=26"));
        ShowPending();
        w->updateCheckShdjYfje();
        EXPECT_EQ(Rows(QStringLiteral("select j_yfje,j_sfje from jxc_jhd")), QStringList { QLatin1String(c.header) })
            << c.settle << c.payDefault;
        EXPECT_EQ(w->Q_Shdj.AsString(QStringLiteral("j_yfje")), QStringLiteral("26"));
    }
}

TEST_F(PendingTest, SearchBySupplierAndDocumentTextAndTheColourAndSizeView)
{
    fixture::AddSupplier(QStringLiteral("S2"), U8("供应二"));
    Pending(QStringLiteral("CJ24051010001"), QStringLiteral("admin"), 20, 20, 0);
    Pending(QStringLiteral("CJ24051010002"), QStringLiteral("admin"), 30, 30, 0);
    Sql(QStringLiteral("update jxc_jhd set ghs_sn='S2',j_note='急件' where gl_djh='CJ24051010002'"));
    struct Case {
        const char* supplier;
        const char* key;
        int rows;
    };
    for (const Case& c :
        { Case { "全部供货商", "", 2 }, Case { "供应二", "", 1 }, Case { "", "急件", 1 }, Case { "S1", "10002", 0 } }) {
        ShowPending();
        w->tGhsName->setText(U8(c.supplier));
        w->tchkKey->setText(U8(c.key));
        w->btnSearch2Click();
        EXPECT_EQ(w->Q_Shdj.RecordCount(), c.rows) << c.supplier << c.key;
    }
    w->rYscm0->setChecked(true);
    EXPECT_EQ(w->Q_PdStep2.RecordCount(), 2) << "the document text still applies";
    w->tchkKey->clear();
    w->btnSearch2Click();
    EXPECT_EQ(w->Q_PdStep2.RecordCount(), 4) << "two colour-by-size rows per document";
}

} // namespace
