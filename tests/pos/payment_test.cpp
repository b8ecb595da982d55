#include "posfixture.h"

#include "platform/report/printlog.h"
#include "platform/ui/keyedcombo.h"
#include "pos/posfk.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// A till with the payment functions, a member of rate 0.9 and the receipt templates.
class PaymentTest : public PosTest {
protected:
    void SetUp() override
    {
        PosTest::SetUp();
        InstallPosTillHooks();
        const QDir source(QFileInfo(QStringLiteral(__FILE__))
                              .absoluteDir()
                              .absoluteFilePath(QStringLiteral("../../resources/report")));
        QDir().mkpath(Folder() + QStringLiteral("report"));
        for (const char* file : { "posxp.fr3", "posxp58.fr3" })
            ASSERT_TRUE(QFile::copy(
                source.filePath(QLatin1String(file)), Folder() + QStringLiteral("report/") + QLatin1String(file)));
        PrintLog::Clear();
        ExecSQL(QStringLiteral("update jxc_posprint set pp_zjdy=0,pp_fs=1,pp_bzxx=0"));
        ExecSQL(QStringLiteral("update jxc_admin set a_zreoje=5"));
        // A point for every 10 spent.
        ExecSQL(QStringLiteral("update jxc_jfsz set jf_mfje=10"));
        LoadSystemSettings();
        SetStock("G1", "02", "01", 5);
        sent.clear();
        PosSmsSend() = [this](const QString& text, const QString& mobile) {
            sent << mobile + QStringLiteral("|") + text;
            return gatewayDown ? QStringLiteral("网关无法连接") : QString();
        };
    }
    void TearDown() override
    {
        PosSmsSend() = nullptr;
        PosTest::TearDown();
    }
    // A payment window over a due of `total` with the member balance `balance`.
    std::unique_ptr<TF_Posxs_Fk> Window(const QString& total, const QString& balance = QStringLiteral("0"))
    {
        ActiveDocKind = balance;
        auto fk = std::make_unique<TF_Posxs_Fk>();
        fk->total = total;
        fk->sale.op = CurrentAdminName;
        fk->saveToken = true;
        fk->Activate();
        return fk;
    }
    static void Type(QLineEdit* edit, const QString& text, const std::function<void()>& handler)
    {
        edit->setText(text);
        handler();
    }
    // Pays the till's cart through the pay key; `script` fills the window first.
    void Pay(const std::function<void(TF_Posxs_Fk&)>& script = {})
    {
        prompt.OnModal(QStringLiteral("TF_Posxs_Fk"), [script](QDialog* d) {
            auto* fk = static_cast<TF_Posxs_Fk*>(d);
            if (script)
                script(*fk);
            fk->btnOKClick();
            return fk->result();
        });
        till->DispatchKey(116);
    }
    void SmsOn(const QString& saleText)
    {
        ExecSQL(QStringLiteral("delete from jxc_smscs"));
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_smscs (sms_sign,sms_user,sms_pwd,sms_cznote,sms_xfnote) "
                                        "values ('衣尚','u','p','',:t)"),
            { { "t", saleText } });
        ExecSQL(QStringLiteral("update jxc_xtcs set cs_sms=1"));
        LoadSystemSettings();
    }
    QStringList sent;
    bool gatewayDown = false;
};

TEST_F(PaymentTest, DueIsCutToThePaymentDecimals)
{
    struct Case {
        const char* total;
        const char* decimals;
        const char* due;
    };
    for (const Case& c : { Case { "99.9", "0", "99" }, Case { "99.99", "1", "99.9" }, Case { "99.99", "2", "99.99" },
             Case { "150", "0", "150" }, Case { "12.5", "3", "12.5" } })
        EXPECT_EQ(PosDueText(QLatin1String(c.total), QLatin1String(c.decimals)), QLatin1String(c.due))
            << c.total << " " << c.decimals;
}

TEST_F(PaymentTest, OpeningTakesTheMembersBalanceFirst)
{
    Setting(QStringLiteral("cs_posfkws"), QStringLiteral("2"));
    auto fk = Window(QStringLiteral("150"), QStringLiteral("200"));
    EXPECT_EQ(fk->yfje->text(), "150");
    EXPECT_EQ(fk->tczk->text(), "150");
    EXPECT_EQ(fk->tfkje->text(), "0");
    EXPECT_EQ(fk->zlje->text(), "0.00");
    EXPECT_EQ(fk->tmlje2->text(), "5");

    fk = Window(QStringLiteral("150"), QStringLiteral("50"));
    EXPECT_EQ(fk->tczk->text(), "50");
    EXPECT_EQ(fk->tfkje->text(), "100");
    EXPECT_TRUE(fk->tczk->isEnabled());

    fk = Window(QStringLiteral("99.90"), QStringLiteral("0"));
    EXPECT_FALSE(fk->tczk->isEnabled());
    EXPECT_EQ(fk->tfkje->text(), "99.9");
    Setting(QStringLiteral("cs_posfkws"), QStringLiteral("0"));
    fk = Window(QStringLiteral("99.90"));
    EXPECT_EQ(fk->yfje->text(), "99");
}

TEST_F(PaymentTest, TendersAndRounding)
{
    auto fk = Window(QStringLiteral("100"), QStringLiteral("30"));
    // One tender pays alone unless combined payment is on.
    Type(fk->twxje, QStringLiteral("100"), [&] { fk->tenderChange(fk->twxje); });
    EXPECT_EQ(fk->tfkje->text(), "0");
    EXPECT_EQ(fk->tczk->text(), "0");
    // The stored-value tender never goes above the balance.
    Type(fk->tczk, QStringLiteral("80"), [&] { fk->tenderChange(fk->tczk); });
    EXPECT_EQ(fk->tczk->text(), "30");
    EXPECT_EQ(fk->twxje->text(), "0");
    EXPECT_EQ(fk->zlje->text(), "-70.00");
    fk->chkLh->setChecked(true);
    Type(fk->tfkje, QStringLiteral("70"), [&] { fk->tenderChange(fk->tfkje); });
    EXPECT_EQ(fk->tczk->text(), "30");
    EXPECT_EQ(fk->zlje->text(), "0.00");
    // Rounding above the operator's limit is lowered; the first tender in use pays the rest.
    Type(fk->tmlje, QStringLiteral("8"), [&] { fk->tmljeChange(); });
    EXPECT_EQ(fk->tmlje->text(), "5");
    EXPECT_EQ(fk->tfkje->text(), "65");
    EXPECT_EQ(fk->zlje->text(), "0.00");
    // Entering a tender with combined payment off puts the whole due on it.
    fk->chkLh->setChecked(false);
    fk->tenderEnter(fk->tyhk);
    EXPECT_EQ(fk->tyhk->text(), "100");
    EXPECT_EQ(fk->tfkje->text(), "0");
}

TEST_F(PaymentTest, RefusalsLeaveTheWindowOpenAndWriteNothing)
{
    struct Case {
        const char* due;
        QLineEdit* TF_Posxs_Fk::*edit;
        const char* value;
        const char* message;
    };
    for (const Case& c : { Case { "50", &TF_Posxs_Fk::tyhk, "-1", "付款金额不能为负数，不能保存！" },
             Case { "50", &TF_Posxs_Fk::tfkje, "40", "付款金额不足，不能保存！" },
             Case { "50", &TF_Posxs_Fk::tmlje, "8", "您的最大抹零金额为：5元，不能超过这一数值！" },
             Case { "50", &TF_Posxs_Fk::tfkje, "100000", "付款金额太高，不能保存！" } }) {
        auto fk = Window(QLatin1String(c.due));
        (fk.get()->*c.edit)->setText(QLatin1String(c.value));
        fk->countZl();
        prompt.Clear();
        fk->btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), QString::fromUtf8(c.message)) << c.value;
        EXPECT_TRUE(fk->btnOK->isEnabled());
        EXPECT_FALSE(fk->saved);
    }
    EXPECT_EQ(Count("jxc_posxsd"), 0);
    PosTenders big;
    big.cash = 100000;
    EXPECT_EQ(CheckPosPayment(big, 120000, 0, 5, -20000 + 0.0), "付款金额不足，不能保存！");
    EXPECT_EQ(CheckPosPayment(big, 100000, 0, 5, 0), QString());
    EXPECT_EQ(CheckPosPayment(big, 120000, 20000, 20000, 0), QString());
}

TEST_F(PaymentTest, MemberSaleIsStoredApprovedSettledAndTold)
{
    Member m;
    m.balance = 50;
    AddMember(m);
    SmsOn(QStringLiteral("{HYNAME}消费{xfje}元，积分{bcjf}"));
    ExecSQL(QStringLiteral("update jxc_posprint set pp_zjdy=1,pp_fs=2"));
    LoadSystemSettings();
    Open();
    PutMember(m);
    for (const char* code : { "G10101", "G10102", "G10201" })
        Scan(QLatin1String(code));
    // The blue line is taken down to nothing before paying.
    ExecSQL(QStringLiteral("update jxc_lsxssp set ls_sl=0,ls_zje=0 where id=(select max(id) from jxc_lsxssp)"));
    till->updateBottomHjje();
    const QString number = till->SaleNumber();
    prompt.Answer(Prompt::Answer::Yes); // the balance of 50 does not cover 180
    Pay([](TF_Posxs_Fk& fk) {
        EXPECT_EQ(fk.zhje->text(), "50");
        EXPECT_EQ(fk.tczk->text(), "50");
        EXPECT_EQ(fk.tfkje->text(), "130");
        fk.tmlje->setText(QStringLiteral("0.5"));
        fk.tmljeChange();
    });
    EXPECT_EQ(prompt.Questions().value(0),
        "该会员卡余额不足，请收取现金，\r\n\r\n或使用联合结账完成结算。\r\n\r\n确认结账吗？");

    EXPECT_EQ(Rows(QStringLiteral("select hy_sn,kh_sn,ck_sn,pos_yfje,pos_sfje,pos_mlje,pos_yhje,pos_yhzkje,pos_zffs,"
                                  "pos_xj,pos_czk,pos_zlje,a_name from jxc_posxsd where gl_djh='%1'")
                       .arg(number)),
        QStringList { "H1 100001 100001 179.5 179.5 0.5 0.5 20.5 5 129.5 50 0 admin" });
    EXPECT_TRUE(Scalar(QStringLiteral("select pos_note from jxc_posxsd")).startsWith("该会员卡余额不足"));
    // The zero line is gone; the POS lines and their rows are linked by their own id.
    EXPECT_EQ(Count("jxc_posxssp", QStringLiteral("gl_djh='%1'").arg(number)), 2);
    EXPECT_EQ(Count("jxc_lsxssp", QStringLiteral("gl_djh='%1' and ls_sl=0 and g_sn='G1'").arg(number)), 0);
    EXPECT_EQ(Count("jxc_posxssp", "tid<>id"), 0);
    EXPECT_EQ(
        Rows(QStringLiteral("select b.color_sn,b.cm_sn,b.t_sl from jxc_posxssp a,jxc_posxsspmx b where a.id=b.tid "
                            "order by a.id")),
        (QStringList { "01 01 1", "01 02 1" }));
    EXPECT_EQ(Rows(QStringLiteral("select ls_status,ls_zt,ls_yfje,ls_sfje,ls_yhje,ls_jsfs,ls_kmmc,hy_sn from jxc_lsxsd "
                                  "where gl_djh='%1'")
                       .arg(number)),
        QStringList { "1 pos 180 179.5 0.5 0 现金 H1" });
    // The rounding rides on the lines as ApplyDocDiscount writes it.
    EXPECT_NEAR(Scalar(QStringLiteral("select sum(ls_zje) from jxc_lsxssp where gl_djh='%1'").arg(number)).toDouble(),
        179.5, 0.001);
    EXPECT_GT(Count("jxc_goodslist", QStringLiteral("gl_djh='%1'").arg(number)), 0);
    EXPECT_EQ(Count("jxc_goodslist", QStringLiteral("gl_djh='%1' and gl_fdmc<>'99'").arg(number)), 0);
    const QString points = Scalar(QStringLiteral("select pos_bcjf from jxc_posxsd where gl_djh='%1'").arg(number));
    EXPECT_GT(points.toDouble(), 0);
    ASSERT_EQ(sent.size(), 1);
    EXPECT_EQ(sent[0], QStringLiteral("13800000000|李四消费179.5元，积分%1【衣尚】").arg(points));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,hy_sn,hy_mobile,a_name from jxc_smshy")),
        QStringList { "SM24030510001 H1 13800000000 admin" });
    EXPECT_EQ(PrintLog::Count(QStringLiteral("print")), 2);
    // A new sale starts.
    EXPECT_NE(till->SaleNumber(), number);
    EXPECT_TRUE(till->CartEmpty());
}

TEST_F(PaymentTest, GatewayDownKeepsTheSale)
{
    Member m;
    m.balance = 500;
    AddMember(m);
    SmsOn(QStringLiteral("谢谢"));
    gatewayDown = true;
    Open();
    PutMember(m);
    Scan(QStringLiteral("G10101"));
    const QString number = till->SaleNumber();
    Pay();
    EXPECT_EQ(sent.size(), 1);
    EXPECT_EQ(Count("jxc_lsxsd", QStringLiteral("gl_djh='%1' and ls_status=1").arg(number)), 1);
    EXPECT_EQ(Count("jxc_smshy"), 0);
    EXPECT_EQ(Count("jxc_log", "log_note like '短信发送失败%'"), 1);
    EXPECT_TRUE(prompt.LastMessage().startsWith("短信发送失败"));
}

TEST_F(PaymentTest, SaleWithoutMemberHasNoSettlementNorSms)
{
    SmsOn(QStringLiteral("谢谢"));
    Open();
    // An empty salesman list is no salesman.
    till->comUser->clear();
    Scan(QStringLiteral("G10101"));
    Pay([](TF_Posxs_Fk& fk) { EXPECT_FALSE(fk.tczk->isEnabled()); });
    EXPECT_EQ(Rows(QStringLiteral("select 'm'||coalesce(hy_sn,'-'),'u'||coalesce(u_sn,'-'),pos_bcjf,pos_xj,pos_sfje "
                                  "from jxc_posxsd")),
        QStringList { "m u 0 100 100" });
    EXPECT_TRUE(sent.isEmpty());
}

TEST_F(PaymentTest, NumberTakenMeanwhileIsRedrawn)
{
    Open();
    Scan(QStringLiteral("G10101"));
    const QString number = till->SaleNumber();
    // Another cashier paid a sale under the same number meanwhile.
    ExecSQL(QStringLiteral("insert into jxc_lsxsd (gl_djh,a_name,ls_status) values ('%1','小王',1)").arg(number));
    ExecSQL(QStringLiteral("insert into jxc_posxsd (gl_djh,a_name,pos_sfje) values ('%1','小王',77)").arg(number));
    Pay();
    EXPECT_EQ(
        Rows(QStringLiteral("select a_name from jxc_lsxsd where gl_djh='%1'").arg(number)), QStringList { "小王" });
    EXPECT_EQ(
        Rows(QStringLiteral("select pos_sfje from jxc_posxsd where gl_djh='%1'").arg(number)), QStringList { "77" });
    EXPECT_EQ(Count("jxc_lsxsd", QStringLiteral("a_name='admin' and gl_djh<>'%1' and ls_status=1").arg(number)), 1);
    EXPECT_EQ(Count("jxc_posxssp", QStringLiteral("gl_djh='%1'").arg(number)), 0);
}

TEST_F(PaymentTest, ClosingWithLinesPaysOnYes)
{
    Open();
    Scan(QStringLiteral("G10101"));
    const QString number = till->SaleNumber();
    prompt.Answer(Prompt::Answer::Yes); // save the lines
    prompt.Answer(Prompt::Answer::No);  // but stay in the till
    prompt.OnModal(QStringLiteral("TF_Posxs_Fk"), [](QDialog* d) {
        auto* fk = static_cast<TF_Posxs_Fk*>(d);
        fk->btnOKClick();
        return fk->result();
    });
    EXPECT_FALSE(till->FormCloseQuery());
    EXPECT_EQ(Count("jxc_lsxsd", QStringLiteral("gl_djh='%1' and ls_status=1").arg(number)), 1);
    EXPECT_EQ(Count("jxc_lsxssp", QStringLiteral("gl_djh='%1'").arg(number)), 1);
}

}
