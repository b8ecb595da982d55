#include "topupfixture.h"

#include "members/hygladd.h"
#include "members/hyxf.h"
#include "platform/ui/keyedcombo.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

class MemberAddTest : public TopUpTest {
protected:
    void SetUp() override
    {
        TopUpTest::SetUp();
        AddMethod(QStringLiteral("200001"), 0, 1.1);
        w = std::make_unique<TF_Hygl_Add>();
        w->Activate();
    }
    void TearDown() override
    {
        w.reset();
        TopUpTest::TearDown();
    }
    void Fill(const QString& card, const QString& stored, const QString& method = QStringLiteral("200001"))
    {
        w->hy_bh->setText(card);
        w->hy_name->setText(QStringLiteral("新会员"));
        w->hy_zhje->setText(stored);
        w->hy_mobile->setText(QStringLiteral("13900000000"));
        for (int i = 0; i < w->comHyyh->count(); ++i)
            if (w->comHyyh->Code(i) == method)
                w->comHyyh->setCurrentIndex(i);
    }
    void PayDeposit(bool confirm)
    {
        prompt.OnModal(QStringLiteral("TF_Hygl_Sf"), [confirm](QDialog* d) {
            if (!confirm)
                return int(QDialog::Rejected);
            static_cast<TF_Hygl_Sf*>(d)->btnSaveClick();
            return d->result();
        });
    }
    std::unique_ptr<TF_Hygl_Add> w;
};

TEST_F(MemberAddTest, RefusalsStoreNothing)
{
    AddMemberOn(QStringLiteral("300001"), QStringLiteral("100001"));
    struct Case {
        const char *card, *name, *password, *confirm, *stored, *message;
    } cases[] = {
        { " ", "甲", "", "", "0", "会员编号必须填写！" },
        { "A1", "甲", "12", "13", "0", "两次密码输入不一致！" },
        { "A1", " ", "", "", "0", "会员名称必须填写！" },
        { "A1", "甲", "", "", "-1", "储值金额不能为负数！" },
        { " C300001 ", "甲", "", "", "0", "会员卡号不能重复！" },
    };
    for (const Case& c : cases) {
        w->hy_bh->setText(QString::fromUtf8(c.card));
        w->hy_name->setText(QString::fromUtf8(c.name));
        w->hy_mm->setText(QLatin1String(c.password));
        w->hy_mm1->setText(QLatin1String(c.confirm));
        w->hy_zhje->setText(QLatin1String(c.stored));
        w->btnSaveClick();
        EXPECT_EQ(prompt.LastMessage(), QString::fromUtf8(c.message)) << c.card;
    }
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxx")), 2);
}

TEST_F(MemberAddTest, NoDepositOpensNoChargeWindow)
{
    UseGateway();
    PointsRule = QStringLiteral("0");
    AmountPerPoint = QStringLiteral("10");
    Fill(QStringLiteral("A1"), QStringLiteral("0"));
    w->hy_mm->setText(QStringLiteral(" a'b "));
    w->hy_mm1->setText(QStringLiteral("a'b"));
    w->btnSaveClick();
    EXPECT_TRUE(prompt.ModalNames().isEmpty());
    EXPECT_EQ(Rows(QStringLiteral("select hy_bh,hy_zhje,hy_jf,hy_zjf,hy_mm from jxc_hyxx where hy_bh='A1'")),
        QStringList { QStringLiteral("A1 0 0 0 a‘b") });
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 0);
    EXPECT_TRUE(gateway->Requests().isEmpty());
    EXPECT_EQ(PickerCaller, QStringLiteral("ok"));
    EXPECT_EQ(LogNotes().last(), QStringLiteral("新添加会员：A1"));
}

TEST_F(MemberAddTest, DepositIsCreditedOnceWithPointsAndSms)
{
    UseGateway();
    PointsRule = QStringLiteral("0");
    AmountPerPoint = QStringLiteral("10");
    Fill(QStringLiteral("A1"), QStringLiteral("95"));
    PayDeposit(true);
    w->btnSaveClick();
    const QString sn = Scalar(QStringLiteral("select hy_sn from jxc_hyxx where hy_bh='A1'"));
    EXPECT_EQ(Rows(QStringLiteral("select hy_zhje,hy_jf,hy_zjf,hl_sn from jxc_hyxx where hy_sn='") + sn + "'"),
        QStringList { QStringLiteral("104.5 9 9 100002") });
    EXPECT_EQ(Rows(QStringLiteral("select xf_je,xf_yhje,xf_note from jxc_hyxf")),
        QStringList { QStringLiteral("95 9.5 会员开户时充值") });
    EXPECT_EQ(Rows(QStringLiteral("select xj_dlx,xj_je,ghs_name from jxc_xjyh where gl_djh like 'XF%'")),
        QStringList { QStringLiteral("会员开户时充值 95 新会员") });
    EXPECT_EQ(Count(QStringLiteral("jxc_smshy"), QStringLiteral("hy_sn='") + sn + "'"), 1);
    EXPECT_EQ(gateway->Requests().size(), 1);
}

TEST_F(MemberAddTest, FactorCreditsTheDeposit)
{
    Fill(QStringLiteral("A1"), QStringLiteral("100"));
    PayDeposit(true);
    w->btnSaveClick();
    EXPECT_EQ(Scalar(QStringLiteral("select hy_zhje from jxc_hyxx where hy_bh='A1'")), QStringLiteral("110"));
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 1);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh like 'XF%'")), 1);
}

TEST_F(MemberAddTest, UnpaidDepositTakesTheMemberBackAndASecondSaveWorks)
{
    Fill(QStringLiteral("A1"), QStringLiteral("100"));
    PayDeposit(false);
    w->btnSaveClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_bh='A1'")), 0);
    EXPECT_NE(PickerCaller, QStringLiteral("ok"));
    PayDeposit(true);
    w->btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select hy_zhje from jxc_hyxx where hy_bh='A1'")), QStringList { "110" });
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 1);
}

TEST_F(MemberAddTest, LevelFollowsThePointsOrTheLowestLevel)
{
    Fill(QStringLiteral("A1"), QStringLiteral("0"));
    w->hy_jf->setText(QStringLiteral("50"));
    EXPECT_EQ(w->comHyfl->Code(w->comHyfl->currentIndex()), QStringLiteral("100002"));
    w->hy_jf->setText(QStringLiteral("5000000"));
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("会员卡级别设置有误，会员卡升级没有成功！"));
    w->btnSaveClick();
    EXPECT_EQ(Rows(QStringLiteral("select hl_sn,hy_jf from jxc_hyxx where hy_bh='A1'")),
        QStringList { QStringLiteral("100001 5000000") });
}

TEST_F(MemberAddTest, ModifyKeepsPointsCardAndBalance)
{
    AddMemberOn(QStringLiteral("300001"), QStringLiteral("100001"), 40);
    dm->ADOConn.Exec(QStringLiteral("update jxc_hyxx set hy_jf=5,hy_zjf=80,hy_mm='x' where hy_sn='300001'"));
    OpenRegister();
    ASSERT_TRUE(window->Q_Hyxx.Locate(QStringLiteral("hy_sn"), QStringLiteral("300001")));
    TF_Hygl_Modi m;
    m.Activate();
    EXPECT_TRUE(m.hy_jf->isReadOnly());
    m.hy_name->setText(QStringLiteral("改名"));
    m.chkSj->setChecked(false);
    m.btnSaveClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select hy_bh,hy_name,hy_jf,hy_zjf,hy_zhje,hy_mm from jxc_hyxx where hy_sn='300001'")),
        QStringList { QStringLiteral("C300001 改名 5 80 40 x") });
    EXPECT_EQ(LogNotes().last(), QStringLiteral("更新会员信息：C300001"));
    EXPECT_EQ(window->Q_Hyxx.AsString(QStringLiteral("hy_name")), QStringLiteral("改名"));
}

} // namespace
