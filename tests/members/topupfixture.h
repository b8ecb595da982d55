#pragma once
#include "memberfixture.h"

#include "foundation/settings.h"
#include "members/smssend.h"
#include "platform/device/smsgateway.h"
#include "platform/grid/datagrid.h"
#include "support/platform/testsmsgateway.h"

// Members with discount methods and bonus rules, points settings and the SMS
// switched to a local gateway.
class TopUpTest : public MembersTest {
protected:
    void SetUp() override
    {
        MembersTest::SetUp();
        SmsGateway::SetTimeoutMs(400);
    }
    void TearDown() override
    {
        SmsGateway::SetTimeoutMs(0);
        delete F_Sms_Send;
        F_Sms_Send = nullptr;
        gateway.reset();
        MembersTest::TearDown();
    }
    void AddMethod(const QString& sn, int kind, double factor)
    {
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_hyyh (hh_sn,hh_name,hh_zl,hh_yh1,hh_yh2,hh_yh3,hh_zlname,"
                                        "hh_note) values (:sn,:n,:k,:f,0,0,'','')"),
            { { "sn", sn }, { "n", QStringLiteral("方式") + sn }, { "k", kind }, { "f", factor } });
    }
    void AddRule(double amount, double bonus, int mode, double instalment, const QString& note)
    {
        dm->ADOConn.Exec(QStringLiteral("insert into jxc_hyczzs (hs_sn,hs_czje,hs_zsje,hs_zsfs,hs_myje,hs_note,hs_txt) "
                                        "values (:sn,:a,:b,:m,:i,:n,'')"),
            { { "sn", QString::number(100000 + int(amount)) }, { "a", amount }, { "b", bonus }, { "m", mode },
                { "i", instalment }, { "n", note } });
    }
    // A member on the method, with a balance and optionally a mobile number.
    void AddMemberOn(const QString& sn, const QString& method, double stored = 0, const QString& mobile = QString())
    {
        Member m;
        m.sn = sn;
        m.card = QStringLiteral("C") + sn;
        m.name = QStringLiteral("会员") + sn;
        m.stored = stored;
        m.mobile = mobile;
        AddMember(m);
        dm->ADOConn.Exec(
            QStringLiteral("update jxc_hyxx set hh_sn=:h where hy_sn=:s"), { { "h", method }, { "s", sn } });
    }
    double Balance(const QString& sn)
    {
        return Scalar(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='") + sn + "'").toDouble();
    }
    // SMS on, through a gateway on this machine.
    void UseGateway(TestSmsGateway::Mode mode = TestSmsGateway::Mode::Accept)
    {
        gateway = std::make_unique<TestSmsGateway>(mode);
        UseSms = QStringLiteral("1");
        SmsUser = QStringLiteral("u");
        SmsPassword = QStringLiteral("p");
        SmsSign = QStringLiteral("店");
        SmsHost = QStringLiteral("127.0.0.1");
        SmsPort = QString::number(gateway->Port());
        SmsTopUpText = QStringLiteral("{hyname}充值{czje}余额{czkje}积分{bcjf}/{zjf}");
    }
    std::unique_ptr<TestSmsGateway> gateway;
};
