#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "support/accountset.h"

namespace {

class RightsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl,qtcz) values ('100002','店员','01x1','')"));
        Sql(QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn) values ('100002','小王','100002')"));
        BindOperatorWarehouse.clear();
    }
    void TearDown() override
    {
        BindOperatorWarehouse.clear();
        AccountSetTest::TearDown();
    }
    void Sql(const QString& statement) { dm->ADOConn.Exec(statement); }
    void LogInAsClerk()
    {
        CurrentAdminName = QStringLiteral("小王");
        CurrentAdminSn = QStringLiteral("100002");
        CurrentRoleSn = QStringLiteral("100002");
    }
};

TEST_F(RightsTest, ARightIsACharacterOneAtItsPosition)
{
    LogInAsClerk();
    const std::pair<int, bool> cases[] = { { 1, false }, { 2, true }, { 3, false }, { 4, true }, { 5, false },
        { 20, false }, { 0, false }, { -1, false } };
    for (const auto& [position, expected] : cases)
        EXPECT_EQ(HasRight(QStringLiteral("cggl"), position), expected) << position;
    EXPECT_FALSE(HasRight(QStringLiteral("qtcz"), 1)); // empty text
    EXPECT_FALSE(HasRight(QStringLiteral("xsgl"), 1)); // null

    CurrentRoleSn = QStringLiteral("999999"); // no such role
    EXPECT_FALSE(HasRight(QStringLiteral("cggl"), 2));
}

TEST_F(RightsTest, OperatorsBoundToWarehousesNeedOne)
{
    LogInAsClerk();
    BindOperatorWarehouse = QStringLiteral("1");
    EXPECT_FALSE(HasRight(QStringLiteral("cggl"), 2));

    Sql(QStringLiteral("update jxc_ckxx set ck_asn='100001,100002,'"));
    EXPECT_TRUE(HasRight(QStringLiteral("cggl"), 2));
    EXPECT_FALSE(HasRight(QStringLiteral("cggl"), 1));

    // The binding is a text containment: a code inside a longer listed code counts.
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='1000021,'"));
    EXPECT_TRUE(HasRight(QStringLiteral("cggl"), 2));

    // Only exactly "1" binds.
    Sql(QStringLiteral("update jxc_ckxx set ck_asn=''"));
    BindOperatorWarehouse = QStringLiteral("True");
    EXPECT_TRUE(HasRight(QStringLiteral("cggl"), 2));
}

TEST_F(RightsTest, TheAdministratorRoleSkipsTheBindingButNotItsRoleRow)
{
    BindOperatorWarehouse = QStringLiteral("1");
    Sql(QStringLiteral("update jxc_ckxx set ck_asn=''"));
    EXPECT_TRUE(HasRight(QStringLiteral("qtcz"), 16));
    EXPECT_FALSE(HasRight(QStringLiteral("qtcz"), 61)); // the seed row holds sixty
    Sql(QStringLiteral("update jxc_role set qtcz='0' where r_sn='100001'"));
    EXPECT_FALSE(HasRight(QStringLiteral("qtcz"), 1));
}

TEST_F(RightsTest, RightsOfAnotherOperatorByName)
{
    BindOperatorWarehouse = QStringLiteral("1"); // no warehouse lists 小王; HasRightOf does not ask
    EXPECT_TRUE(HasRightOf(QStringLiteral("cggl"), 2, QStringLiteral("小王")));
    EXPECT_FALSE(HasRightOf(QStringLiteral("cggl"), 3, QStringLiteral("小王")));
    EXPECT_TRUE(HasRightOf(QStringLiteral("cggl"), 3, QStringLiteral("admin")));
    EXPECT_FALSE(HasRightOf(QStringLiteral("cggl"), 2, QStringLiteral("nobody")));
    EXPECT_FALSE(HasRightOf(QStringLiteral("cggl"), 2, QStringLiteral("o'brien")));
}

TEST_F(RightsTest, TheLogKeepsTheFirst200CharactersOfANote)
{
    const QString longNote = QString(150, QChar(0x5355)) + QString(100, QLatin1Char('x'));
    WriteLog(QStringLiteral("登录系统"));
    WriteLog(longNote);
    Query q(&dm->ADOConn);
    q.SetSQL(QStringLiteral("select log_time,a_name,log_note from jxc_log order by id"));
    q.Open();
    ASSERT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.AsString(QStringLiteral("log_time")), QStringLiteral("2024-03-05 10:20:30"));
    EXPECT_EQ(q.AsString(QStringLiteral("a_name")), QStringLiteral("admin"));
    EXPECT_EQ(q.AsString(QStringLiteral("log_note")), QStringLiteral("登录系统"));
    q.Next();
    EXPECT_EQ(q.AsString(QStringLiteral("log_note")), longNote.left(200));
}

TEST_F(RightsTest, WritingTheLogLeavesTheSharedSelectQueryOpen)
{
    OpenSelect(QStringLiteral("select a_name from jxc_admin order by id"));
    WriteLog(QStringLiteral("审核采购进货单CJ24030510001，共2种商品"));
    Query& q = dm->QuerySelect;
    ASSERT_TRUE(q.Active());
    EXPECT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(Count(QStringLiteral("jxc_log")), 1);
}

} // namespace
