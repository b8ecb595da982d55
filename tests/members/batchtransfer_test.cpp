#include "topupfixture.h"

#include "members/batchtopup.h"
#include "members/hyglzz.h"
#include "members/hyxfpl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

class BatchTopUpTest : public TopUpTest {
protected:
    void SetUp() override
    {
        TopUpTest::SetUp();
        AddMethod(QStringLiteral("200001"), 0, 1.2);
        AddMethod(QStringLiteral("200002"), 1, 1);
        AddMethod(QStringLiteral("200003"), 2, 1);
        AddRule(100, 20, 0, 0, QStringLiteral("充值100元赠送20元"));
        AddMemberOn(QStringLiteral("300001"), QStringLiteral("200001"), 10, QStringLiteral("13800000001"));
        AddMemberOn(QStringLiteral("300002"), QStringLiteral("200002"), 0, QStringLiteral("13800000002"));
        AddMemberOn(QStringLiteral("300003"), QStringLiteral("200003"), 0);
        AddMemberOn(QStringLiteral("300004"), QStringLiteral("100001"), 0);
    }
    // The row of the window's list that shows the member.
    static int RowOf(TF_Hyxf_pl& w, const QString& sn)
    {
        const int col = w.Q_hyplxf->FieldIndex(QStringLiteral("hy_sn"));
        for (int i = 0; i < w.Q_hyplxf->RecordCount(); ++i)
            if (w.Q_hyplxf->TextAt(i, col) == sn)
                return i;
        return -1;
    }
};

TEST_F(BatchTopUpTest, TickedMembersGetTheirOwnBonusAndOneSmsNumber)
{
    UseGateway();
    PointsRule = QStringLiteral("0");
    AmountPerPoint = QStringLiteral("10");
    TF_Hyxf_pl w;
    w.Activate();
    for (const char* sn : { "300001", "300002", "300003" })
        w.SetTicked(RowOf(w, QLatin1String(sn)), true);
    w.tje->setText(QStringLiteral("100"));
    w.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("共有3个会员卡续费成功！"));
    EXPECT_EQ(Rows(QStringLiteral("select hy_sn,hy_zhje,hy_jf from jxc_hyxx where hy_sn like '30000%' order by hy_sn")),
        (QStringList { "300001 130 10", "300002 100 10", "300003 120 10", "300004 0 0" }));
    EXPECT_EQ(Column(QStringLiteral("select xj_je from jxc_xjyh where gl_djh like 'XF%'")),
        (QStringList { "100", "100", "100" }));
    EXPECT_EQ(Scalar(QStringLiteral("select count(distinct gl_djh) from jxc_hyxf")), QStringLiteral("3"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,sms_note from jxc_smshy order by hy_sn")).size(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("select count(distinct gl_djh) from jxc_smshy")), QStringLiteral("1"));
    EXPECT_EQ(Column(QStringLiteral("select sms_note from jxc_smshy order by hy_sn")),
        (QStringList { QStringLiteral("会员300001充值100余额130积分10/10【店】"),
            QStringLiteral("会员300002充值100余额100积分10/10【店】") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_chk<>0")), 0);
}

TEST_F(BatchTopUpTest, RefusalsAndAnEmptyRun)
{
    TF_Hyxf_pl w;
    w.Activate();
    w.tje->setText(QStringLiteral("-50"));
    w.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("储值金额不能为零或负数！"));
    w.tje->setText(QStringLiteral("100"));
    w.btnOKClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("共有0个会员卡续费成功！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 0);
}

TEST_F(BatchTopUpTest, TicksBelongToEachWindow)
{
    TF_Hyxf_pl first;
    first.Activate();
    first.chkAll->setChecked(true);
    first.chkAllClick();
    EXPECT_EQ(first.TickedCount(), 4);
    TF_Hyxf_pl second;
    second.Activate();
    EXPECT_EQ(second.TickedCount(), 0);
    second.SetTicked(RowOf(second, QStringLiteral("300004")), true);
    EXPECT_EQ(first.TickedCount(), 4);
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_chk<>0")), 0);
    second.tje->setText(QStringLiteral("5"));
    second.btnOKClick();
    EXPECT_EQ(Rows(QStringLiteral("select hy_sn from jxc_hyxf")), QStringList { "300004" });
}

class TransferTest : public TopUpTest {
protected:
    void SetUp() override
    {
        TopUpTest::SetUp();
        AddMemberOn(QStringLiteral("300001"), QStringLiteral("100001"), 80, QStringLiteral("13800000001"));
        AddMemberOn(QStringLiteral("300002"), QStringLiteral("100001"), 5);
        dm->ADOConn.Exec(
            QStringLiteral("update jxc_hyxx set hy_mm=:p where hy_sn='300001'"), { { "p", QStringLiteral("a‘1") } });
        OpenRegister();
        window->Q_Hyxx.Locate(QStringLiteral("hy_sn"), QStringLiteral("300001"));
    }
    // The transfer window with the target chosen from its list.
    std::unique_ptr<TF_Hygl_Zz2> Open(const QString& targetCard)
    {
        auto w = std::make_unique<TF_Hygl_Zz2>();
        w->Activate();
        w->btnCxClick();
        w->tbh->setText(targetCard);
        w->tbhChange();
        w->cxGrid1View->SetCurrentRow(0);
        w->btnOKClick();
        return w;
    }
};

TEST_F(TransferTest, PasswordIsComparedInItsStoredForm)
{
    TF_Hygl_Zz w;
    w.Activate();
    w.tmm->setText(QStringLiteral("a1"));
    w.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("密码不正确，请重新输入！"));
    OpenMode.clear();
    w.tmm->setText(QStringLiteral(" a'1 "));
    w.btnSaveClick();
    EXPECT_EQ(OpenMode, QStringLiteral("1"));
}

TEST_F(TransferTest, Refusals)
{
    struct Case {
        const char *chosen, *typed;
        double amount;
        const char* message;
    } cases[] = {
        { "", "C300002", 10, "请选择转入会员！" },
        { "C300002", "C300009", 10, "请选择转入会员！" },
        { "C300001", "C300001", 10, "转入会员不能与转出会员相同，请重新输入！" },
        { "C300009", "C300009", 10, "转入会员不存在，请重新输入！" },
        { "C300002", "C300002", 0, "转账金额必须大于0！" },
        { "C300002", "C300002", 80.01, "转账金额不能大于卡内余额！" },
        { "C300002", "C300002", 80, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(
            TransferRefusal(QLatin1String(c.chosen), QLatin1String(c.typed), QStringLiteral("C300001"), c.amount, 80),
            QString::fromUtf8(c.message))
            << c.message;
}

TEST_F(TransferTest, WholeAmountEmptiesTheSourceAndOnlyMembersWithMobileAreInformed)
{
    UseGateway();
    auto w = Open(QStringLiteral("C300002"));
    EXPECT_EQ(w->bh->text(), QStringLiteral("C300002"));
    EXPECT_TRUE(w->rAll->isChecked());
    w->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("转账成功"));
    EXPECT_EQ(
        Rows(QStringLiteral("select hy_sn,hy_zhje from jxc_hyxx where hy_sn in ('300001','300002') order by hy_sn")),
        (QStringList { "300001 0", "300002 85" }));
    EXPECT_EQ(Scalar(QStringLiteral("select count(distinct gl_djh) from jxc_hyxf")), QStringLiteral("1"));
    EXPECT_EQ(Scalar(QStringLiteral("select sum(xf_je) from jxc_hyxf")).toDouble(), 0);
    EXPECT_EQ(Column(QStringLiteral("select xf_note from jxc_hyxf order by xf_je")),
        (QStringList { QStringLiteral("2024-03-05 10:20:30:向会员C300002转出80元"),
            QStringLiteral("2024-03-05 10:20:30:由会员C300001转入80元") }));
    EXPECT_EQ(Column(QStringLiteral("select hy_sn from jxc_smshy")), QStringList { "300001" });
    EXPECT_EQ(gateway->Requests().size(), 1);
}

TEST_F(TransferTest, BothMembersInformedUnderOneNumber)
{
    UseGateway();
    dm->ADOConn.Exec(QStringLiteral("update jxc_hyxx set hy_mobile='13800000002' where hy_sn='300002'"));
    auto w = Open(QStringLiteral("C300002"));
    w->rBfje->setChecked(true);
    w->rBfjeClick();
    w->tje->setText(QStringLiteral("30"));
    w->btnSaveClick();
    EXPECT_EQ(
        Rows(QStringLiteral("select hy_sn,hy_zhje from jxc_hyxx where hy_sn in ('300001','300002') order by hy_sn")),
        (QStringList { "300001 50", "300002 35" }));
    EXPECT_EQ(Count(QStringLiteral("jxc_smshy")), 2);
    EXPECT_EQ(Scalar(QStringLiteral("select count(distinct gl_djh) from jxc_smshy")), QStringLiteral("1"));
}

} // namespace
