#include "posfixture.h"

#include "foundation/sqltext.h"
#include "pos/poscart.h"
#include "pos/posselehy.h"

#include <QLineEdit>
#include <QStackedWidget>

namespace {

class MemberChoiceTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        InstallPosTillHooks();
        SetStock("G1", "02", "01", 5);
        Member m;
        m.rate = 0.8;
        m.balance = 50;
        m.password = ToFullWidthText(QStringLiteral("a'b"));
        AddMember(m);
    }
    // The member key with the dialog filled; answers whether the dialog closed.
    bool Choose(const QString& member, const QString& password = QStringLiteral("a'b"))
    {
        bool closed = false;
        prompt.OnModal(QStringLiteral("TF_Posxs_SeleHy"), [&](QDialog* d) {
            auto* dialog = static_cast<TF_Posxs_SeleHy*>(d);
            dialog->thybh->setText(member);
            dialog->tpwd->setText(password);
            dialog->btnOKClick();
            closed = dialog->result() == QDialog::Accepted;
            return dialog->result();
        });
        posHy(*till);
        till->afterMemberChoice();
        return closed;
    }
};

TEST_F(MemberChoiceTest, RefusalsKeepTheDialogAndTheCart)
{
    Open();
    Scan(QStringLiteral("G10101"));
    const QStringList before = Lines();
    ExecSQL(QStringLiteral("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_status,hl_sn,hy_mm) "
                           "values ('H2','VIP002','停用',0,'100001','')"));
    struct Case {
        const char* member;
        const char* password;
        const char* expiry;
        const char* message;
    };
    for (const Case& c : { Case { "VIP001", "ab", "", "会员不存在或密码错误，请重新输入！" },
             Case { "VIP999", "a'b", "", "会员不存在或密码错误，请重新输入！" },
             Case { "停用", "", "", "会员不存在或密码错误，请重新输入！" },
             Case { "VIP001", "a'b", "2024-03-04", "该会员已到期，不能使用！" } }) {
        ExecSQL(QStringLiteral("update jxc_hyxx set hy_dqrq='%1' where hy_sn='H1'").arg(QLatin1String(c.expiry)));
        prompt.Clear();
        EXPECT_FALSE(Choose(QString::fromUtf8(c.member), QLatin1String(c.password))) << c.member;
        EXPECT_EQ(prompt.LastMessage(), QString::fromUtf8(c.message)) << c.member;
        EXPECT_EQ(till->hy_bh->text(), QString());
        EXPECT_EQ(Lines(), before);
    }
    // The expiry day itself is still good; the password matches with its punctuation,
    // and the member is found by name too.
    ExecSQL(QStringLiteral("update jxc_hyxx set hy_dqrq='2024-03-05' where hy_sn='H1'"));
    EXPECT_TRUE(Choose(QStringLiteral(" 李四 "), QStringLiteral(" a'b ")));
    EXPECT_EQ(till->hy_bh->text(), "VIP001");
}

TEST_F(MemberChoiceTest, EmptyCartOnlyFillsThePanelWithTheDueInstalment)
{
    ExecSQL(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,hs_zsfs,hs_zsje,hs_myje,xf_zsrq) values "
                           "('CZ1','H1',2,100,20,'2024-02-05'),('CZ2','H1',4,100,7,'2024-03-05')"));
    Open();
    EXPECT_TRUE(Choose(QStringLiteral("13800000000")));
    EXPECT_EQ(till->hy_name->text(), "李四");
    EXPECT_EQ(till->hl_zk->text(), "0.8");
    EXPECT_EQ(till->hy_zhye->text(), "70");
    EXPECT_EQ(ActiveDocKind, "70");
    EXPECT_EQ(till->bottomPanel->currentIndex(), 1);
    EXPECT_EQ(Count("jxc_lsxssp"), 0);
    // Credited this month already: the daily one is not due either (credited today).
    ExecSQL(QStringLiteral("update jxc_hyxf set xf_zsrq='2024-03-01' where gl_djh='CZ1'"));
    EXPECT_EQ(PendingInstalment(QStringLiteral("H1")), 0);
    ExecSQL(QStringLiteral("update jxc_hyxf set xf_zsrq='2024-03-04' where gl_djh='CZ2'"));
    EXPECT_EQ(PendingInstalment(QStringLiteral("H1")), 7);
}

TEST_F(MemberChoiceTest, CartIsRepricedForTheMemberAndBack)
{
    // Special price 70, member price 60, always on.
    ExecSQL(QStringLiteral("update jxc_goods set g_tjsp=1,g_tjqx=0,g_tj=70,g_hyj=60 where g_sn='G1'"));
    Open();
    Scan(QStringLiteral("G10101"));
    Scan(QStringLiteral("G10201"));
    Scan(QStringLiteral("G10102"));
    PosCart::SetGift(till->Cart().AsInteger(QStringLiteral("id")), QStringLiteral("admin"));
    // A line in a larger unit keeps its unit price.
    ExecSQL(QStringLiteral("update jxc_lsxssp set g_zhxs=6,ls_dj=600,ls_zje=600 where id=(select min(id) from "
                           "jxc_lsxssp)"));
    EXPECT_TRUE(Choose(QStringLiteral("VIP001")));
    EXPECT_EQ(Lines(), (QStringList { "G1|1|600|1|600|", "G1|1|60|1|60|", "G1|1|0|0.8|0|(赠品)" }));
    // Off again: plain prices, the special price stays, the gift stays free.
    EXPECT_TRUE(Choose(QString()));
    EXPECT_EQ(till->hy_bh->text(), QString());
    EXPECT_EQ(ActiveDocKind, QString());
    EXPECT_EQ(Lines(), (QStringList { "G1|1|600|1|600|", "G1|1|70|1|70|", "G1|1|0|0.8|0|(赠品)" }));
    EXPECT_EQ(till->hjje->text(), "670");
}

TEST_F(MemberChoiceTest, LevelGoodsRateOnlyForFlaggedGoods)
{
    ExecSQL(QStringLiteral("insert into jxc_dxdz (g_sn,hl_sn,hl_dxzk) values ('G1','H1L',0.5)"));
    Open();
    Scan(QStringLiteral("G10101"));
    Scan(QStringLiteral("G10201"));
    EXPECT_TRUE(Choose(QStringLiteral("VIP001")));
    EXPECT_EQ(Lines(), (QStringList { "G1|1|100|0.8|80|", "G1|1|100|0.8|80|" }));
    ExecSQL(QStringLiteral("update jxc_goods set g_dxdz=1 where g_sn='G1'"));
    EXPECT_TRUE(Choose(QStringLiteral("VIP001")));
    EXPECT_EQ(Lines(), (QStringList { "G1|1|100|0.5|50|", "G1|1|100|0.5|50|" }));
    // On a member day every line takes the member-day rate.
    ExecSQL(QStringLiteral("update jxc_jfsz set jf_hyr=1,jf_hyrmy1='01',jf_hyrmy2='31',jf_hyrzk=0.7"));
    LoadSystemSettings();
    EXPECT_TRUE(Choose(QStringLiteral("VIP001")));
    EXPECT_EQ(Lines(), (QStringList { "G1|1|100|0.7|70|", "G1|1|100|0.7|70|" }));
}

}
