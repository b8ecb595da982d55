#include "foundation/schema/schema.h"
#include "foundation/schema/serveraccountset.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/serverset.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <QFile>
#include <QRegularExpression>

namespace {

// Account sets on the test server; skipped without one.
class ServerSetTest : public UiTest {
protected:
    void SetUp() override
    {
        if (!TestDb::OnServer())
            GTEST_SKIP() << "needs the test server";
        UiTest::SetUp();
        address = TestDb::NewServerDatabase();
    }
    void TearDown() override
    {
        if (!address.isEmpty())
            TestDb::DropServerDatabase(address);
        UiTest::TearDown();
    }

    QString address;
};

TEST_F(ServerSetTest, ACreatedServerSetMatchesTheDeliveredFileAndIsCatalogued)
{
    Connection catalogue;
    catalogue.Open(Folder() + "codeinfo.dll", Connection::OpenMode::CreateIfMissing);
    CreateCatalogue(catalogue);
    EXPECT_EQ(CreateServerAccountSet(address, "分店帐套", "secret", Folder() + "codeinfo.dll"), "100002");
    EXPECT_EQ(SelectColumn(catalogue,
                  "select zt_sn||'/'||zt_name||'/'||zt_default||'/'||zt_dbname||'/'||zt_dbpwd "
                  "from jxc_xtzt order by id"),
        QStringList({ "100001/默认帐套/1/jxc.mdb/", "100002/分店帐套/0/" + address + "/secret" }));
    // Listing the same set twice is refused; another machine's catalogue lists it
    // without rebuilding what is in it.
    EXPECT_ANY_THROW(CreateServerAccountSet(address, "again", "", Folder() + "codeinfo.dll"));
    {
        Connection set;
        set.Open(address);
        set.Exec("insert into jxc_goods (g_sn) values ('KEEP')");
    }
    Connection other;
    other.Open(Folder() + "other.dll", Connection::OpenMode::CreateIfMissing);
    CreateCatalogue(other);
    CreateServerAccountSet(address, "分店帐套", "secret", Folder() + "other.dll");
    {
        Connection set;
        set.Open(address);
        EXPECT_EQ(SelectScalar(set, "select count(*) from jxc_goods where g_sn='keep'"), "1");
        set.Exec("delete from jxc_goods where g_sn='KEEP'");
    }

    Connection file;
    file.Open(Folder() + "jxc.mdb", Connection::OpenMode::CreateIfMissing);
    CreateAllTables(file);
    UpgradeSchema(file);
    Connection server;
    server.Open(address);
    const QStringList tables = file.TableNames().filter(QRegularExpression("^jxc_"));
    EXPECT_EQ(server.TableNames().filter(QRegularExpression("^jxc_")), tables);
    for (const QString& t : tables) {
        EXPECT_EQ(server.ColumnNames(t), file.ColumnNames(t)) << t.toStdString();
        const QString rows = "select count(*) from " + t;
        EXPECT_EQ(SelectScalar(server, rows), SelectScalar(file, rows)) << t.toStdString();
    }
    const QString settings = "select cs_employdate||'/'||cs_hbfh||'/'||cs_cgdj from jxc_xtcs";
    EXPECT_EQ(SelectScalar(server, settings), SelectScalar(file, settings));
    EXPECT_EQ(SelectScalar(server, "select count(*) from pg_indexes where indexname like 'ix_%'"),
        SelectScalar(file, "select count(*) from sqlite_master where type='index' and name like 'ix!_%' escape '!'"));
}

TEST_F(ServerSetTest, BackupAndRestoreGiveBackTheSameRows)
{
    {
        Connection c;
        c.Open(address);
        CreateAllTables(c);
        c.Exec("insert into jxc_goods (g_sn,g_name,g_kc) values ('G1','衬衫',5)");
    }
    const QString dat = Folder() + "backup.DAT";
    QString error;
    ASSERT_TRUE(BackupServerSet(address, "", dat, &error)) << error.toStdString();
    const auto goods = [&] {
        Connection c;
        c.Open(address);
        return SelectColumn(c, "select g_sn||'/'||g_name||'/'||g_kc from jxc_goods order by id");
    };
    const QStringList before = goods();
    {
        Connection c;
        c.Open(address);
        c.Exec("delete from jxc_goods; update jxc_xtcs set cs_hbfh='$'");
    }
    // A file that is not a backup leaves the set as it is.
    QFile junk(Folder() + "junk.DAT");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a dump");
    junk.close();
    EXPECT_FALSE(RestoreServerSet(address, "", junk.fileName(), {}, &error));
    EXPECT_TRUE(goods().isEmpty());

    ASSERT_TRUE(RestoreServerSet(
        address, "", dat, [](Connection& c, QString*) { return c.TableExists("jxc_xtcs"); }, &error))
        << error.toStdString();
    EXPECT_EQ(goods(), before);
    EXPECT_EQ(before.size(), 2);
    Connection c;
    c.Open(address);
    EXPECT_EQ(SelectScalar(c, "select cs_hbfh from jxc_xtcs"), "￥");
    // The functions came back with the set.
    EXPECT_EQ(SelectScalar(c, "select left(g_name, 1) from jxc_goods where g_sn='g1'"), "衬");
}

}
