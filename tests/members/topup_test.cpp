#include "topupfixture.h"

#include "members/hyxf.h"
#include "members/topupops.h"
#include "platform/db/valuetext.h"

#include <QLabel>
#include <QLineEdit>

namespace {

class TopUpRowsTest : public TopUpTest {
protected:
    TopUpResult TopUp(const QString& sn, const QString& method, double amount, double credited = -1)
    {
        TopUpEntry e;
        e.memberSn = sn;
        e.memberName = QStringLiteral("会员") + sn;
        e.methodSn = method;
        e.amount = amount;
        e.credited = credited;
        e.tenders.cash = amount;
        e.note = QStringLiteral("备注");
        return RecordTopUp(e);
    }
    QString JournalRow(const QString& number)
    {
        return Rows(QStringLiteral("select xf_je,xf_yhje,hs_zsje,hs_zsfs,hs_myje,coalesce(xf_zsrq,''),xf_note,xf_zt "
                                   "from jxc_hyxf where gl_djh='")
            + number + "'")
            .value(0);
    }
};

TEST_F(TopUpRowsTest, BonusFollowsTheMethodKindAndTheRule)
{
    AddMethod(QStringLiteral("200001"), 0, 1.1);
    AddMethod(QStringLiteral("200002"), 1, 1);
    AddMethod(QStringLiteral("200003"), 2, 1);
    AddRule(500, 100, 0, 0, QStringLiteral("充值500元赠送100元"));
    AddRule(300, 60, 1, 20, QStringLiteral("充值300元赠送60元，按月赠送"));
    struct Case {
        const char* method;
        double amount, credited;
        const char* row;
        double growth;
    } cases[] = {
        { "200001", 100, -1, "100 10 10 0 0  备注 储值卡续费", 110 },
        { "200001", 100, 120, "100 20 20 0 0  备注 储值卡续费", 120 },
        { "200002", 100, -1, "100 0 0 0 0  备注 储值卡续费", 100 },
        { "200003", 500, -1, "500 100 100 0 0 2024-03-05 备注 储值卡续费", 600 },
        { "200003", 300, -1, "300 0 60 1 20 2024-03-05 充值300元赠送60元，按月赠送 储值卡续费", 300 },
        { "200003", 250, -1, "250 0 0 0 0  备注 储值卡续费", 250 },
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString sn = QString::number(300001 + n++);
        AddMemberOn(sn, QLatin1String(c.method), 5);
        const TopUpResult r = TopUp(sn, QLatin1String(c.method), c.amount, c.credited);
        EXPECT_EQ(JournalRow(r.number), QString::fromUtf8(c.row)) << c.method << " " << c.amount;
        EXPECT_DOUBLE_EQ(Balance(sn), 5 + c.growth) << c.method << " " << c.amount;
    }
}

TEST_F(TopUpRowsTest, CashRowIsApprovedAndTheRunningBalanceRecomputed)
{
    AddMemberOn(QStringLiteral("300001"), QStringLiteral("100001"));
    dm->ADOConn.Exec(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_kmmc,xj_chk,xj_ljje) "
                                    "values ('2024-03-01','XJ1','存款',40,'现金','1',40)"));
    const TopUpResult r = TopUp(QStringLiteral("300001"), QStringLiteral("100001"), 100);
    EXPECT_EQ(Rows(QStringLiteral("select xj_dlx,xj_je,xj_kmmc,xj_chk,ghs_sn,ghs_name,xj_ljje from jxc_xjyh "
                                  "where gl_djh='")
                  + r.number + "'"),
        QStringList { QStringLiteral("储值卡续费 100 现金 1 300001 会员300001 140") });
    EXPECT_TRUE(r.number.startsWith(QStringLiteral("XF240305")));
}

TEST_F(TopUpRowsTest, PointsFollowThePointsSettings)
{
    struct Case {
        const char* rule;
        const char* perPoint;
        double amount;
        qint64 points;
        const char* level;
    } cases[] = {
        { "0", "10", 95, 9, "100002" },
        { "0", "2.5", 100, 40, "100002" },
        { "0", "0", 95, 0, "100001" },
        { "1", "10", 95, 0, "100009" },
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString sn = QString::number(300001 + n++);
        AddMemberOn(sn, QStringLiteral("100001"));
        // The card follows its points; level 100009 stands for "not touched".
        dm->ADOConn.Exec(QStringLiteral("update jxc_hyxx set hy_sj=1,hl_sn='100009' where hy_sn=:s"), { { "s", sn } });
        PointsRule = QLatin1String(c.rule);
        AmountPerPoint = QLatin1String(c.perPoint);
        EXPECT_EQ(TopUp(sn, QStringLiteral("100001"), c.amount).points, c.points) << c.rule << c.perPoint;
        EXPECT_EQ(Rows(QStringLiteral("select hy_jf,hy_zjf,hl_sn from jxc_hyxx where hy_sn='") + sn + "'"),
            QStringList { QString::number(c.points) + " " + QString::number(c.points) + " " + c.level })
            << c.rule << c.perPoint;
    }
}

TEST_F(TopUpRowsTest, RuleAmountIsComparedInCents)
{
    AddRule(100, 20, 0, 0, QStringLiteral("r"));
    EXPECT_TRUE(FindBonusRule(100.000000001).found);
    EXPECT_TRUE(FindBonusRule(99.999999999).found);
    EXPECT_FALSE(FindBonusRule(100.01).found);
}

// The window and its charge window.
class TopUpWindowTest : public TopUpTest {
protected:
    void SetUp() override
    {
        TopUpTest::SetUp();
        AddMethod(QStringLiteral("200001"), 0, 1.1);
        AddMemberOn(QStringLiteral("300001"), QStringLiteral("200001"), 0, QStringLiteral("13800000000"));
        OpenMode = QStringLiteral("300001");
        w = std::make_unique<TF_Hyxf>();
        w->Activate();
    }
    void TearDown() override
    {
        w.reset();
        delete F_Hygl_Sf;
        F_Hygl_Sf = nullptr;
        TopUpTest::TearDown();
    }
    void Enter(const QString& amount)
    {
        w->tje->setText(amount);
        w->tjeChange();
    }
    // The charge window answers with the cash given, confirmed or cancelled.
    void Charge(const QString& cash, bool confirm, QString* change = nullptr)
    {
        prompt.OnModal(QStringLiteral("TF_Hygl_Sf"), [=](QDialog* d) {
            auto* sf = static_cast<TF_Hygl_Sf*>(d);
            if (!confirm)
                return int(QDialog::Rejected);
            sf->tfkje->setText(cash);
            if (change)
                *change = sf->zlje->text();
            sf->btnSaveClick();
            return d->result();
        });
    }
    std::unique_ptr<TF_Hyxf> w;
};

TEST_F(TopUpWindowTest, ChangeIsShownAndStored)
{
    Enter(QStringLiteral("150"));
    EXPECT_EQ(w->tsjje->text(), QStringLiteral("165"));
    QString change;
    Charge(QStringLiteral("200"), true, &change);
    w->btnSaveClick();
    EXPECT_EQ(change, QStringLiteral("50.00"));
    EXPECT_EQ(Rows(QStringLiteral("select xf_je,xf_xj,xf_zlje from jxc_hyxf")), QStringList { "150 200 50" });
    EXPECT_DOUBLE_EQ(Balance(QStringLiteral("300001")), 165);
    EXPECT_EQ(PickerCaller, QStringLiteral("ok"));
}

TEST_F(TopUpWindowTest, RefusalsAndCancelWriteNothing)
{
    Enter(QStringLiteral("0"));
    w->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("储值金额不能为零！"));

    Enter(QStringLiteral("100"));
    prompt.OnModal(QStringLiteral("TF_Hygl_Sf"), [](QDialog* d) {
        auto* sf = static_cast<TF_Hygl_Sf*>(d);
        sf->tfkje->setText(QStringLiteral("90"));
        sf->btnSaveClick();
        return int(QDialog::Rejected);
    });
    w->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("付款金额不足，不能保存！"));

    Charge(QString(), false);
    w->btnSaveClick();
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_xjyh"), QStringLiteral("gl_djh like 'XF%'")), 0);
    EXPECT_DOUBLE_EQ(Balance(QStringLiteral("300001")), 0);

    // The charge window is reused: tenders reset, cash preset to the new amount.
    EXPECT_EQ(prompt.ModalNames().size(), 2);
    Enter(QStringLiteral("80"));
    prompt.OnModal(QStringLiteral("TF_Hygl_Sf"), [](QDialog* d) {
        auto* sf = static_cast<TF_Hygl_Sf*>(d);
        EXPECT_EQ(sf->tfkje->text(), QStringLiteral("80"));
        EXPECT_EQ(sf->tyhk->text(), QStringLiteral("0"));
        sf->btnSaveClick();
        return d->result();
    });
    w->btnSaveClick();
    EXPECT_DOUBLE_EQ(Balance(QStringLiteral("300001")), 88);

    // A member who is no longer there gets nothing.
    OpenMode = QStringLiteral("399999");
    w->Activate();
    Enter(QStringLiteral("10"));
    w->btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("会员不存在！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 1);
}

TEST_F(TopUpWindowTest, SmsQuotesTheNewBalance)
{
    UseGateway();
    Enter(QStringLiteral("100"));
    Charge(QStringLiteral("100"), true);
    w->btnSaveClick();
    ASSERT_EQ(gateway->Requests().size(), 1);
    EXPECT_EQ(Rows(QStringLiteral("select hy_sn,hy_mobile,sms_note from jxc_smshy")),
        QStringList { QStringLiteral("300001 13800000000 会员300001充值100余额110积分0/0【店】") });
    EXPECT_TRUE(gateway->Bodies().first().contains(SmsGateway::FormEncode(QStringLiteral("余额110"))));
}

TEST_F(TopUpWindowTest, FailedSmsIsReportedOnceAndUndoesNothing)
{
    for (const auto mode :
        { TestSmsGateway::Mode::Refuse, TestSmsGateway::Mode::ServerError, TestSmsGateway::Mode::Late }) {
        UseGateway(mode);
        prompt.Clear();
        OpenMode = QStringLiteral("300001");
        w->Activate();
        Enter(QStringLiteral("10"));
        Charge(QStringLiteral("10"), true);
        w->btnSaveClick();
        const QStringList messages = prompt.Messages();
        ASSERT_EQ(messages.size(), 1) << int(mode);
        EXPECT_TRUE(messages.first().startsWith(QStringLiteral("短信发送失败："))) << int(mode);
    }
    EXPECT_EQ(Count(QStringLiteral("jxc_hyxf")), 3);
    EXPECT_EQ(Count(QStringLiteral("jxc_smshy")), 3);
    EXPECT_DOUBLE_EQ(Balance(QStringLiteral("300001")), 33);
    EXPECT_EQ(Count(QStringLiteral("jxc_log"), QStringLiteral("log_note like '短信发送失败：%'")), 3);
}

} // namespace
