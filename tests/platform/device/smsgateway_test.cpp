#include "platform/device/smsgateway.h"
#include "support/platform/testsmsgateway.h"

#include <gtest/gtest.h>

namespace {

SmsGateway::Message Sample()
{
    return { QStringLiteral("u"), QStringLiteral("p"), QStringLiteral("13800000000"),
        QStringLiteral("尊敬的 业务甲~") };
}

SmsGateway::Endpoint At(const TestSmsGateway& gateway)
{
    return { QStringLiteral("127.0.0.1"), gateway.Port() };
}

class SmsGatewayTest : public ::testing::Test {
protected:
    void TearDown() override { SmsGateway::SetTimeoutMs(0); }
};

TEST_F(SmsGatewayTest, FormEncodingKeepsTheSafeCharactersAndEscapesUtf8Bytes)
{
    EXPECT_EQ(SmsGateway::FormEncode(QStringLiteral("Az09*-._")), QByteArray("Az09*-._"));
    EXPECT_EQ(SmsGateway::FormEncode(QStringLiteral("a b+c&d=【")), QByteArray("a+b%2Bc%26d%3D%E3%80%90"));
    EXPECT_EQ(SmsGateway::FormEncode(QStringLiteral("~'%")), QByteArray("%7E%27%25"));
}

TEST_F(SmsGatewayTest, PostsTheFormToShortMessage)
{
    TestSmsGateway gateway;
    const SmsGateway::Outcome outcome = SmsGateway::Post(At(gateway), Sample());
    EXPECT_TRUE(outcome.sent) << outcome.reason.toStdString();
    ASSERT_EQ(gateway.Requests().size(), 1);
    const auto& r = gateway.Requests().first();
    EXPECT_EQ(r.method, QByteArray("POST"));
    EXPECT_EQ(r.target, QByteArray("/shortMessage?"));
    EXPECT_EQ(r.contentType, QByteArray("application/x-www-form-urlencoded"));
    EXPECT_EQ(r.body,
        QByteArray("username=u&passwd=p&phone=13800000000&msg=%E5%B0%8A%E6%95%AC%E7%9A%84+%E4%B8%9A%E5%8A%A1%E7%94%"
                   "B2%7E&needstatus=true&port=&sendtime="));
}

TEST_F(SmsGatewayTest, FailuresComeBackWithAReason)
{
    SmsGateway::SetTimeoutMs(300);
    struct Case {
        TestSmsGateway::Mode mode;
        int requests;
    };
    for (const Case c : { Case { TestSmsGateway::Mode::Refuse, 0 }, Case { TestSmsGateway::Mode::ServerError, 1 },
             Case { TestSmsGateway::Mode::Late, 1 } }) {
        TestSmsGateway gateway(c.mode);
        const SmsGateway::Outcome outcome = SmsGateway::Post(At(gateway), Sample());
        EXPECT_FALSE(outcome.sent) << int(c.mode);
        EXPECT_FALSE(outcome.reason.isEmpty()) << int(c.mode);
        EXPECT_EQ(gateway.Requests().size(), c.requests) << int(c.mode);
    }
    TestSmsGateway gateway(TestSmsGateway::Mode::ServerError);
    EXPECT_TRUE(SmsGateway::Post(At(gateway), Sample()).reason.contains(QStringLiteral("500")));
    EXPECT_FALSE(SmsGateway::Post({ QString(), 8500 }, Sample()).sent);
}

} // namespace
