#include "accounts/cashaccounts.h"
#include "accounts/yhzh.h"
#include "accountsfixture.h"

namespace {

class CashAccountsTest : public AccountsTest {
protected:
    qint64 IdOf(const QString& name)
    {
        return Scalar(QStringLiteral("select id from jxc_yhzh where yh_name='%1'").arg(name)).toLongLong();
    }
    void Movement(const QString& account, const QString& date, double amount, const char* chk)
    {
        ExecSQL(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_ljje,xj_chk,xj_kmmc) values "
                               "('%1','XJ1','现金银行收款',%2,0,'%3','%4')")
                    .arg(date)
                    .arg(amount)
                    .arg(QString::fromLatin1(chk), account));
    }
};

TEST_F(CashAccountsTest, NewAccountGetsItsOpeningRowAlsoForZero)
{
    const CashAccountEntry e { QStringLiteral(" 农行 "), QStringLiteral("农行,一"), QStringLiteral("n"), 0 };
    EXPECT_EQ(CashAccountRefusal(e), QString());
    AddCashAccount(e, QDate(2024, 2, 1));
    EXPECT_EQ(
        Column(QStringLiteral("select yh_sn || ' ' || yh_type || ' ' || yh_name from jxc_yhzh where yh_sn='100007'")),
        QStringList { S("100007 农行 农行，一") });
    EXPECT_EQ(Column(QStringLiteral("select xj_rq || ' ' || xj_dlx || ' ' || xj_chk from jxc_xjyh where xj_kmmc='%1'")
                         .arg(S("农行，一"))),
        QStringList { S("2024-02-01 期初金额 1") });
    EXPECT_EQ(Number(QStringLiteral("select xj_ljje from jxc_xjyh where xj_kmmc='%1'").arg(S("农行，一"))), 0);

    // Compared as stored: the same text typed again, or the same type under a new name.
    EXPECT_EQ(CashAccountRefusal(e), S("账户名称或账户类型不能重复！"));
    EXPECT_EQ(CashAccountRefusal({ S("农行"), S("新名"), QString(), 0 }), S("账户名称或账户类型不能重复！"));
    EXPECT_EQ(CashAccountRefusal({ S("农行"), S("农行，一"), QString(), 0 }, IdOf(S("农行，一"))), QString());
    EXPECT_EQ(CashAccountRefusal({ S("x"), QStringLiteral(" "), QString(), 0 }), S("账户名称必须填写！"));
    EXPECT_EQ(CashAccountRefusal({ QString(), S("y"), QString(), 0 }), S("账户类型必须填写！"));
}

TEST_F(CashAccountsTest, RenameMovesTheJournalAndPendingDocuments)
{
    ExecSQL(S("update jxc_xjyh set xj_rq='2024-01-01',xj_je=10 where xj_kmmc='微信' and xj_dlx='期初金额'"));
    Movement(S("微信"), QStringLiteral("2024-02-01 10:00"), 5, "1");
    Movement(S("微信"), QStringLiteral("2024-02-02 10:00"), 7, "0");
    ExecSQL(S("insert into jxc_ysyfk_dj (gl_djh,k_fkfs,k_check) values ('SK1','微信',0),('SK2','微信',1)"));
    ExecSQL(S("insert into jxc_yyfy (gl_djh,fy_kmmc,fy_chk) values ('FY1','微信','0'),('FY2','微信','1')"));
    ModifyCashAccount(IdOf(S("微信")), { S("微信 "), S("微信钱包"), QString(), 0 }, false);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), S("xj_kmmc='微信钱包'")), 3);
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_ysyfk_dj where k_fkfs='%1'").arg(S("微信钱包"))),
        QStringList { QStringLiteral("SK1") });
    EXPECT_EQ(Column(QStringLiteral("select gl_djh from jxc_yyfy where fy_kmmc='%1'").arg(S("微信钱包"))),
        QStringList { QStringLiteral("FY1") });
    EXPECT_EQ(Number(QStringLiteral("select xj_ljje from jxc_xjyh where gl_djh='XJ1' and xj_chk='1'")), 15);

    // The opening amount shifts every later balance of the approved rows.
    SetCashOpeningAmount(IdOf(S("微信钱包")), 20);
    EXPECT_EQ(Number(QStringLiteral("select xj_ljje from jxc_xjyh where gl_djh='XJ1' and xj_chk='1'")), 25);
    EXPECT_EQ(Number(QStringLiteral("select yh_zje from jxc_yhzh where yh_name='%1'").arg(S("微信钱包"))), 20);
}

TEST_F(CashAccountsTest, WithoutAnOpeningRowOnlyTheAccountChanges)
{
    ExecSQL(S("delete from jxc_xjyh where xj_kmmc='支付宝'"));
    Movement(S("支付宝"), QStringLiteral("2024-02-01 10:00"), 5, "1");
    ModifyCashAccount(IdOf(S("支付宝")), { S("支付宝 "), S("支付宝"), S("新备注"), 9 }, true);
    SetCashOpeningAmount(IdOf(S("支付宝")), 9);
    EXPECT_EQ(Number(S("select yh_zje from jxc_yhzh where yh_name='支付宝'")), 9);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), S("xj_kmmc='支付宝'")), 1);
    EXPECT_EQ(Number(S("select xj_ljje from jxc_xjyh where xj_kmmc='支付宝'")), 0);
}

TEST_F(CashAccountsTest, CashAndAccountsWithBusinessAreKept)
{
    TF_Yhzh w;
    w.Activate();
    ASSERT_TRUE(TF_Yhzh::Accounts().Locate(QStringLiteral("yh_name"), S("现金")));
    w.btnModiClick();
    EXPECT_EQ(prompt.LastMessage(), S("“现金”不能修改！"));
    w.btnDeleClick();
    EXPECT_EQ(prompt.LastMessage(), S("“现金”不能删除！"));
    prompt.OnModal(QStringLiteral("TF_Yhzh_Qcjz"), [](QDialog* d) {
        auto* q = static_cast<TF_Yhzh_Qcjz*>(d);
        q->tfyje->setText(QStringLiteral("100"));
        q->btnOkClick();
        return q->result();
    });
    w.btnQcjeClick();
    EXPECT_EQ(Number(S("select xj_ljje from jxc_xjyh where xj_kmmc='现金'")), 100);

    Movement(S("微信"), QStringLiteral("2024-02-02 10:00"), 7, "0");
    EXPECT_EQ(CashAccountDeleteRefusal(S("微信")), S("该账户已发生过业务，不能删除！"));
    ASSERT_TRUE(TF_Yhzh::Accounts().Locate(QStringLiteral("yh_name"), S("支付宝")));
    prompt.Answer(Prompt::Answer::Yes);
    w.btnDeleClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_yhzh"), S("yh_name='支付宝'")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), S("xj_kmmc='支付宝'")), 0);
}

} // namespace
