#include "topupfixture.h"

#include "members/sms.h"
#include "members/smscs.h"
#include "members/smsops.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class SmsTest : public TopUpTest { };

TEST_F(SmsTest, SenderPostsTheSettingsAccount)
{
    UseGateway();
    const auto outcome = SmsSender().sendSms(QStringLiteral("尊敬的 业务甲~"), QStringLiteral("13800000000"));
    EXPECT_TRUE(outcome.sent);
    ASSERT_EQ(gateway->Requests().size(), 1);
    EXPECT_EQ(gateway->Requests().first().body,
        QByteArray("username=u&passwd=p&phone=13800000000&msg=%E5%B0%8A%E6%95%AC%E7%9A%84+%E4%B8%9A%E5%8A%A1%E7%94%"
                   "B2%7E&needstatus=true&port=&sendtime="));
}

TEST_F(SmsTest, NothingIsSentWithoutSwitchAccountOrMobile)
{
    struct Case {
        const char *use, *user, *password, *mobile;
    } cases[]
        = { { "0", "u", "p", "1380" }, { "1", "", "p", "1380" }, { "1", "u", "", "1380" }, { "1", "u", "p", "" } };
    UseGateway();
    for (const Case& c : cases) {
        UseSms = QLatin1String(c.use);
        SmsUser = QLatin1String(c.user);
        SmsPassword = QLatin1String(c.password);
        SmsAction action;
        EXPECT_TRUE(action.Send(QStringLiteral("x"), QLatin1String(c.mobile)));
        EXPECT_EQ(action.Failures(), 0);
    }
    EXPECT_TRUE(gateway->Requests().isEmpty());
}

TEST_F(SmsTest, TemplatesReplaceKnownPlaceholdersInAnyCase)
{
    SmsSign = QStringLiteral("店");
    EXPECT_EQ(SignedSms(FillSmsTemplate(QStringLiteral("{HYNAME}/{hyName}【活动】{xfje}"),
                  { { QStringLiteral("{hyname}"), QStringLiteral("甲") } })),
        QStringLiteral("甲/甲【活动】{xfje}【店】"));
}

TEST_F(SmsTest, SettingsRefuseAndReplaceTheRow)
{
    EXPECT_EQ(
        SaveSmsSettings({ QString(), QStringLiteral("  "), QStringLiteral("p") }), QStringLiteral("用户名必须填写！"));
    EXPECT_EQ(SaveSmsSettings({ QString(), QStringLiteral("u"), QString() }), QStringLiteral("密码必须填写！"));
    EXPECT_EQ(Count(QStringLiteral("jxc_smscs")), 0);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(SaveSmsSettings({ QStringLiteral(" 店 "), QStringLiteral(" u1 "), QStringLiteral("p1"),
                      QStringLiteral(" 充{czje} "), QStringLiteral("消"), QStringLiteral(" sms.local "), QString() }),
            QString());
    EXPECT_EQ(Rows(QStringLiteral("select sms_sign,sms_user,sms_pwd,sms_cznote,sms_host,sms_port from jxc_smscs")),
        QStringList { QStringLiteral("店 u1 p1 充{czje} sms.local 8500") });
    EXPECT_EQ(SmsUser, QStringLiteral("u1"));
    EXPECT_EQ(SmsHost, QStringLiteral("sms.local"));
    EXPECT_EQ(SmsPort, QStringLiteral("8500"));

    TF_Sms_Cs w;
    w.Activate();
    EXPECT_EQ(w.tuser->text(), QStringLiteral("u1"));
    w.tuser->clear();
    w.btnSaveClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("用户名必须填写！"));
}

// Bulk messages and their log.
class BulkSmsTest : public TopUpTest {
protected:
    void SetUp() override
    {
        TopUpTest::SetUp();
        UseGateway();
        AddMemberOn(QStringLiteral("300001"), QStringLiteral("100001"), 12.5, QStringLiteral("13800000001"));
        AddMemberOn(QStringLiteral("300002"), QStringLiteral("100001"), 0, QStringLiteral("13800000002"));
    }
};

TEST_F(BulkSmsTest, SendFillsEachRecipientsValuesAndKeepsTheTextTyped)
{
    const QString number = NextSmsNumber();
    AddSmsRecipients(number, { QStringLiteral("300001"), QStringLiteral("300002") });
    EXPECT_EQ(SmsBatchRefusal(2, QStringLiteral(" 尊敬的{hyname}您好： ")), QStringLiteral("请输入短信内容！"));
    EXPECT_EQ(SmsBatchRefusal(0, QStringLiteral("x")), QStringLiteral("单据中会员信息，不能保存！"));
    EXPECT_EQ(SendSmsBatch(number, QDate(2024, 3, 5), QStringLiteral("{hyname}余额{czkje}{xfje}'")), 2);
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,sms_note from jxc_smshy order by id")),
        (QStringList { number + QStringLiteral(" 会员300001余额12.5{xfje}'【店】"),
            number + QStringLiteral(" 会员300002余额0{xfje}'【店】") }));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,sms_rq,sms_note from jxc_sms")),
        QStringList { number + QStringLiteral(" 2024-03-05 {hyname}余额{czkje}{xfje}'") });
    EXPECT_EQ(gateway->Requests().size(), 2);
}

TEST_F(BulkSmsTest, LogListsSentRowsAndDeletingTheLastRowDropsTheHeader)
{
    const QString number = NextSmsNumber();
    AddSmsRecipients(number, { QStringLiteral("300001") });
    SendSmsBatch(number, QDate(2024, 3, 5), QStringLiteral("hi"));
    AddSmsRecipients(NextSmsNumber(), { QStringLiteral("300002") }); // prepared only
    const auto logged = [this] {
        Query q(&dm->ADOConn);
        OpenWithParams(
            q, SmsLogSql(), { { "d1", "2024-03-01" }, { "d2", "2024-03-06" }, { "k", "" }, { "pat", "%%" } });
        return q.RecordCount();
    };
    EXPECT_EQ(logged(), 1);

    const qint64 id = Scalar(QStringLiteral("select id from jxc_smshy where sms_rq<>''")).toLongLong();
    ResendSms(id);
    EXPECT_EQ(Column(QStringLiteral("select sms_note from jxc_smshy where sms_rq<>'' order by id")),
        (QStringList { QStringLiteral("hi【店】"), QStringLiteral("hi【店】") }));
    EXPECT_EQ(Count(QStringLiteral("jxc_smshy"), QStringLiteral("gl_djh='") + number + "'"), 1);
    EXPECT_EQ(logged(), 2);

    DeleteSmsLogRow(id);
    EXPECT_EQ(Count(QStringLiteral("jxc_sms")), 0);
}

TEST_F(BulkSmsTest, DateChangeMovesOnlyTheOperatorsPreparedRows)
{
    const QString number = NextSmsNumber();
    AddSmsRecipients(number, { QStringLiteral("300001") });
    dm->ADOConn.Exec(QStringLiteral("insert into jxc_smshy (gl_djh,hy_sn,hy_mobile,a_name) values (:n,'300002','',"
                                    "'other')"),
        { { "n", number } });
    const QString moved = RenumberSmsBatch(number, QDate(2024, 3, 1));
    EXPECT_TRUE(moved.startsWith(QStringLiteral("SM240301")));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,a_name from jxc_smshy order by id")),
        (QStringList { moved + QStringLiteral(" admin"), number + QStringLiteral(" other") }));
}

TEST_F(BulkSmsTest, WindowSendsThePickedMembersAndStartsAnewBatch)
{
    dm->ADOConn.Exec(QStringLiteral("insert into jxc_smscs (sms_user,sms_pwd) values ('u','p')"));
    TF_Sms w;
    w.Activate();
    const QString first = w.jsn->text();
    w.btnAddHyClick();
    w.btnPickOkClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("请选择会员！"));
    ASSERT_EQ(w.cxGridHy->RowCount(), 2);
    w.cxGridHy->selectionModel()->select(
        w.cxGridHy->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    w.btnPickOkClick();
    EXPECT_EQ(w.Q_Sms.RecordCount(), 1);
    w.btnSendClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("请输入短信内容！"));
    w.tnote->setPlainText(QStringLiteral("{hyname}你好"));
    w.btnSendClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("短信发送成功，共1个会员"));
    EXPECT_NE(w.jsn->text(), first);
    EXPECT_EQ(w.Q_Sms.RecordCount(), 0);
    EXPECT_EQ(Count(QStringLiteral("jxc_smshy"), QStringLiteral("sms_rq<>''")), 1);
}

} // namespace
