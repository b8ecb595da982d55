#include "spxstest.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

// Saving on goods at the full price of 100 (no default discount).
class SaveTest : public SpxsTest {
protected:
    void SetUp() override
    {
        SpxsTest::SetUp();
        Sql(QStringLiteral("update jxc_goods set g_dzll=1"));
        // Enough red S for several approved sales: 13 pieces in all.
        Sql(QStringLiteral("update jxc_tkc set t_sl=10 where color_sn='R' and cm_sn='S'"));
        fixture::SetWarehouseStock(QStringLiteral("G1"), Warehouse(), 13, 40, 13);
    }
    // One piece at 100, paid as given, in settlement mode 0 or 1, saved with Yes to
    // every question.
    void SaveOne(double paid, int mode, int questions = 1)
    {
        Scan(QStringLiteral("G1RS"));
        SaveScanned(paid, mode, questions);
    }
    void SaveScanned(double paid, int mode, int questions = 1)
    {
        w->tkh->setText(U8("客户一"));
        CurrentCustomerSn = QStringLiteral("K1");
        w->comJsfs->setCurrentIndex(mode);
        w->tssje->setText(NumberText(paid));
        for (int i = 0; i < questions; ++i)
            prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
    }
};

TEST_F(SaveTest, RefusalsComeInTheirOrder)
{
    struct Case {
        int broken; // the first check that fails; the later ones fail too
        const char* message;
    };
    const Case cases[] = { { 0, "单据中没有业务发生，不能保存！" }, { 1, "请选择客户！" }, { 2, "请选择经办人！" },
        { 3, "请选择仓库！" } };
    for (const Case& c : cases) {
        w->Activate();
        if (c.broken > 0)
            Scan(QStringLiteral("G1RS"));
        if (c.broken <= 1)
            w->tkh->setText(QStringLiteral("  "));
        if (c.broken <= 2)
            w->comUser->setCurrentIndex(-1);
        w->comCk->setCurrentIndex(-1);
        prompt.Clear();
        w->btnOKClick();
        EXPECT_EQ(prompt.Messages(), QStringList { U8(c.message) });
        EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd")), 0);
    }
}

TEST_F(SaveTest, AGoodsTheWarehouseNeverHeldIsRefusedOrAsked)
{
    Sql(QStringLiteral("delete from jxc_kcsp"));
    Scan(QStringLiteral("G1RS"));
    w->btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), U8("当前仓库中商品‘衬衫’库存不足，\r\n\r\n不能销售。"));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd")), 0);

    AllowZeroStockOut = QStringLiteral("1");
    prompt.Answer(Prompt::Answer::No);
    w->btnOKClick();
    EXPECT_EQ(prompt.Questions().value(0), U8("当前仓库中商品‘衬衫’不存在，\r\n\r\n销售将会出现负库存，是否继续？"));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd")), 0);
    prompt.Answer(Prompt::Answer::Yes);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd")), 1);
}

TEST_F(SaveTest, SavingPendingWritesTheHeaderLogsAndStartsTheNext)
{
    const QString number = No();
    w->tnote->setText(U8(" 秋季补货 "));
    w->tyf->setText(QStringLiteral("5"));
    SaveOne(100, 1);
    EXPECT_TRUE(prompt.Questions().value(0).startsWith(U8("单据保存后处于“未审核”状态")));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,kh_sn,ls_xsrq,ls_yfje,ls_sfje,ls_note,ls_status,ls_jsfs,ls_yhje,"
                                  "ls_crk,ls_qk,ls_yffs,ls_dzl,a_name from jxc_lsxsd")),
        QStringList { U8("%1 K1 2024-05-10 10:20 100 100 秋季补货 0 1 0 1 1 我方付运费 1 admin").arg(number) });
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8("增加未审核销售单%1，共1种商品").arg(number));
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), 0) << "nothing posted";
    EXPECT_NE(No(), number) << "the next document starts";
    EXPECT_EQ(w->Q_Lsxssp.RecordCount(), 0);
    EXPECT_TRUE(w->btnOK->isEnabled());
}

TEST_F(SaveTest, ADifferenceInModeZeroIsADiscountLineOrSpreadOverTheLines)
{
    const QString number = No();
    SaveOne(90, 0);
    EXPECT_EQ(Rows(QStringLiteral("select ls_yfje,ls_sfje from jxc_lsxsd")), QStringList { QStringLiteral("100 90") });
    EXPECT_EQ(Rows(QStringLiteral("select ls_zje,ls_je from jxc_lsxssp where g_sn='00000000'")),
        QStringList { QStringLiteral("-10 -10") });
    w->checkDj(number);
    EXPECT_EQ(Rows(QStringLiteral("select ls_status,ls_yhje from jxc_lsxsd")), QStringList { QStringLiteral("1 10") });

    DiscountLineMode = QStringLiteral("0");
    const QString second = No();
    SaveOne(110, 0);
    EXPECT_EQ(Rows(QStringLiteral("select ls_yfje,ls_sfje from jxc_lsxsd where gl_djh='%1'").arg(second)),
        QStringList { QStringLiteral("100 100") });
}

TEST_F(SaveTest, AShortPrepaymentIsAskedAtSavingAndAtApproval)
{
    WarnLowPrepayment = QStringLiteral("1");
    ApproveOnSave = QString();
    const QString number = No();
    // Prepayment question, confirmation, then the approval's own prepayment question: No.
    prompt.Answer(Prompt::Answer::Yes);
    prompt.Answer(Prompt::Answer::Yes);
    prompt.Answer(Prompt::Answer::No);
    SaveOne(30, 1, 0);
    const QStringList q = prompt.Questions();
    ASSERT_EQ(q.size(), 3);
    EXPECT_EQ(q[0], U8("该客户当前的预付款余额为：0，\r\n\r\n不足以支付本单的金额。\r\n\r\n继续保存吗？"));
    EXPECT_TRUE(q[1].startsWith(U8("单据保存后将直接审核")));
    EXPECT_EQ(q[2], q[0]);
    EXPECT_EQ(
        Scalar(QStringLiteral("select ls_status from jxc_lsxsd where gl_djh='%1'").arg(number)), QStringLiteral("0"))
        << "saved, left pending";
}

TEST_F(SaveTest, SavingWithApprovalPostsTheSale)
{
    ApproveOnSave = QString();
    const QString number = No();
    const int cash = Count(QStringLiteral("jxc_xjyh"));
    const int receivables = Count(QStringLiteral("jxc_ysyfk"));
    SaveOne(100, 0);
    EXPECT_TRUE(prompt.Questions().value(0).startsWith(U8("单据保存后将直接审核")));
    EXPECT_EQ(Rows(QStringLiteral("select ls_status,ls_checker,ls_chkrq,ls_lr from jxc_lsxsd")),
        QStringList { QStringLiteral("1 admin 2024-05-10 60") });
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh")), cash + 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk")), receivables + 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_flag='xs' and gl_djh='%1'").arg(number)), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslistmx")), 1);
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'")), 12);
    EXPECT_EQ(Number(QStringLiteral("select sum(t_sl) from jxc_tkc where color_sn='R' and cm_sn='S'")), 9);
}

TEST_F(SaveTest, AFailedPostingLeavesTheDocumentPending)
{
    ApproveOnSave = QString();
    const int cash = Count(QStringLiteral("jxc_xjyh"));
    const int receivables = Count(QStringLiteral("jxc_ysyfk"));
    Scan(QStringLiteral("G1RS"));
    // The stock ledger goes away after the money rows are written.
    Sql(QStringLiteral("drop table jxc_goodslist"));
    EXPECT_ANY_THROW(SaveScanned(100, 0));
    EXPECT_EQ(Scalar(QStringLiteral("select ls_status from jxc_lsxsd")), QStringLiteral("0"));
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh")), cash);
    EXPECT_EQ(Count(QStringLiteral("jxc_ysyfk")), receivables);
    EXPECT_EQ(Number(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='G1'")), 13);
}

TEST_F(SaveTest, ApprovingAnApprovedNumberOnlyRemovesPendingDuplicates)
{
    const QString number = No();
    SaveOne(100, 0);
    w->checkDj(number);
    Sql(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ls_status,a_name,ls_jsfs,ls_yfje,ls_sfje) values "
                       "('%1','K1',0,'admin',0,5,5),('XS24051099999','K1',0,'admin',0,5,5)")
            .arg(number));
    const int ledger = Count(QStringLiteral("jxc_goodslist"));
    w->checkDj(number);
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_status from jxc_lsxsd order by id")),
        (QStringList { number + QStringLiteral(" 1"), QStringLiteral("XS24051099999 0") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), ledger) << "posted once";
}

TEST_F(SaveTest, ThePendingTabApprovesOneOrEveryListedDocument)
{
    const QString first = No();
    SaveOne(100, 0);
    const QString second = No();
    SaveOne(100, 0);
    prompt.Answer(Prompt::Answer::No);
    w->btnRCheckClick({ first, QStringLiteral("2024-05-10 10:20"), QStringLiteral("admin") });
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_status=1")), 0);
    prompt.Answer(Prompt::Answer::Yes);
    w->btn_CheckClick({ { first, QStringLiteral("2024-05-10 10:20"), QStringLiteral("admin") },
        { second, QStringLiteral("2024-05-10 10:20"), QStringLiteral("admin") } });
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_status=1")), 2);
}

} // namespace
