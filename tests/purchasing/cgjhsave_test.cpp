#include "cgjhtest.h"

#include "platform/ui/keyedcombo.h"

#include <QPushButton>

namespace {

using SaveTest = CgjhTest;

TEST_F(SaveTest, RefusalsComeInTheirOrder)
{
    struct Case {
        int broken; // the first check that fails; the later ones fail too
        const char* message;
    };
    const Case cases[] = { { 0, "单据中没有业务发生，不能保存！" }, { 1, "请选择供货商！" }, { 2, "请选择经办人！" },
        { 3, "请选择仓库！" } };
    for (const Case& c : cases) {
        w->Activate();
        if (c.broken > 0)
            Scan(QStringLiteral("G1RS"));
        if (c.broken <= 1)
            w->tghs->setText(QStringLiteral("  "));
        if (c.broken <= 2)
            w->comUser->setCurrentIndex(-1);
        w->comCk->setCurrentIndex(-1);
        prompt.Clear();
        w->btnOKClick();
        EXPECT_EQ(prompt.Messages(), QStringList { U8(c.message) });
        EXPECT_EQ(Count(QStringLiteral("jxc_jhd")), 0);
        EXPECT_TRUE(w->btnOK->isEnabled());
    }
}

TEST_F(SaveTest, SavingPendingLogsTheDocumentAndPreparesTheNext)
{
    Scan(QStringLiteral("G1RS"));
    Scan(QStringLiteral("G1BM"));
    w->tnote->setText(U8(" 春季到货 "));
    w->tyf->setText(QStringLiteral("0"));
    w->comJsfs->setCurrentIndex(1);
    w->tsfje->setText(QStringLiteral("5"));

    prompt.Answer(Prompt::Answer::No);
    w->btnOKClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_jhd")), 0) << "declined";
    EXPECT_TRUE(w->btnOK->isEnabled());

    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_TRUE(prompt.Questions().value(1).startsWith(U8("单据保存后处于“未审核”状态")));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,j_note,j_status,j_jsfs,j_yhje,"
                                  "j_crk,j_qk,coalesce(j_yffs,''),a_name from jxc_jhd")),
        QStringList { U8("CJ24051010001 %1 100001 2024-05-10 10:20 20 5 春季到货 0 1 0 1 1  admin")
                          .arg(Scalar(QStringLiteral("select ghs_sn from jxc_ghsxx order by id limit 1"))) });
    EXPECT_EQ(Column(QStringLiteral("select jh_rksl from jxc_jhsp")), QStringList(2, QStringLiteral("1")));
    EXPECT_EQ(Scalar(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U8("增加未审核进货单CJ24051010001，共2种商品"));
    EXPECT_EQ(Count(QStringLiteral("jxc_goodslist")), 0) << "nothing posted";
    EXPECT_EQ(No(), QStringLiteral("CJ24051010002")) << "the next document";
    EXPECT_EQ(w->Q_Jhsp.RecordCount(), 0);
    EXPECT_TRUE(w->btnOK->isEnabled());
}

TEST_F(SaveTest, AnEmptyApproveOnSaveApprovesAndPostsAtOnce)
{
    ApproveOnSave.clear();
    Scan(QStringLiteral("G1RS"));
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_TRUE(prompt.Questions().value(0).startsWith(U8("单据保存后将直接审核")));
    EXPECT_EQ(Rows(QStringLiteral("select j_status,j_checker,j_chkrq from jxc_jhd")),
        QStringList { QStringLiteral("1 admin 2024-05-10") });
    EXPECT_EQ(Rows(QStringLiteral("select gl_sl,gl_je from jxc_goodslist where gl_djh='CJ24051010001'")),
        QStringList { QStringLiteral("1 10") });
}

TEST_F(SaveTest, TheSecondOfTwoOperatorsOnOneNumberSavesUnderTheNext)
{
    Scan(QStringLiteral("G1RS"));
    // Another operator drew the same number and saved first.
    Pending(No(), QStringLiteral("other"), 40, 40, 0);
    prompt.Answer(Prompt::Answer::Yes);
    w->btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,a_name from jxc_jhd order by id")),
        (QStringList { QStringLiteral("CJ24051010001 other"), QStringLiteral("CJ24051010002 admin") }));
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_jhsp where a_name='admin' union all "
                                    "select gl_djh from jxc_jhspmx where a_name='admin'")),
        QStringList(2, QStringLiteral("CJ24051010002")));
    EXPECT_EQ(Count(QStringLiteral("jxc_jhsp"), QStringLiteral("gl_djh='CJ24051010001'")), 1);
}

TEST_F(SaveTest, PaidBelowPayableSettledByPayment)
{
    struct Case {
        const char* mode;
        const char* header;
        const char* discountLines;
    };
    for (const Case& c : { Case { "0", "15 15", "0" }, Case { "1", "20 15", "1" } }) {
        for (const char* table : { "jxc_jhd", "jxc_jhsp", "jxc_jhspmx" })
            Sql(QStringLiteral("delete from ") + QLatin1String(table));
        DiscountLineMode = QLatin1String(c.mode);
        w->Activate();
        Scan(QStringLiteral("G1RS"));
        Scan(QStringLiteral("G1BM"));
        w->comJsfs->setCurrentIndex(0);
        w->tsfje->setText(QStringLiteral("15"));
        const QString number = No();
        prompt.Answer(Prompt::Answer::Yes);
        w->btnOKClick();
        EXPECT_EQ(Rows(QStringLiteral("select j_yfje,j_sfje from jxc_jhd where gl_djh='%1'").arg(number)),
            QStringList { QLatin1String(c.header) })
            << c.mode;
        EXPECT_EQ(Number(QStringLiteral("select round(sum(jh_zje),2) from jxc_jhsp where gl_djh='%1'").arg(number)), 15)
            << c.mode;
        EXPECT_EQ(
            Scalar(QStringLiteral("select count(*) from jxc_jhsp where g_sn='00000000' and gl_djh='%1'").arg(number)),
            QLatin1String(c.discountLines))
            << c.mode;
    }
}

TEST_F(SaveTest, AFailingApprovalLeavesTheDraftAsItWas)
{
    ApproveOnSave = QStringLiteral("1");
    Scan(QStringLiteral("G1RS"));
    // The save moves the lines away from a saved number before it fails.
    Pending(No(), QStringLiteral("other"), 40, 40, 0);
    TestDb::RefuseInserts(dm->ADOConn, QStringLiteral("jxc_goodslist"));
    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_ANY_THROW(w->btnOKClick());
    EXPECT_EQ(Count(QStringLiteral("jxc_jhd"), QStringLiteral("a_name='admin'")), 0);
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_jhsp where a_name='admin' union all "
                                    "select gl_djh from jxc_jhspmx where a_name='admin'")),
        QStringList(2, QStringLiteral("CJ24051010001")))
        << "the lines stay under the number they were drafted under";
    EXPECT_EQ(No(), QStringLiteral("CJ24051010001"));
    EXPECT_TRUE(w->btnOK->isEnabled());
}

} // namespace
