#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

namespace {

// Statements written once in SQLite's dialect give the same texts on either backend.
class DialectTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        address = fresh.Open(c, Folder());
        c.Exec("create table jxc_names (id integer primary key autoincrement, nm varchar(20) collate nocase, "
               "v real, flag bit not null default 0);"
               "insert into jxc_names (nm,v,flag) values ('beta',2.345,1),('Alpha',1,0),('alpha2',-1.5,0),"
               "('Gamma',null,0);");
    }

    QString address;
    TestDb::FreshDatabase fresh;
    Connection c;
};

TEST_F(DialectTest, FunctionsCollationAndNumbersReadAlike)
{
    const struct {
        const char* sql;
        const char* text;
    } cases[] = {
        { "select now()", "2024-03-05 10:20:30" },
        { "select date()", "2024-03-05" },
        { "select datediff('m','2024-01-31','2024-03-01')", "2" },
        { "select datediff('yyyy','2023-12-31','2024-01-01')", "1" },
        { "select datediff('w','2024-03-01','2024-03-14')", "1" },
        { "select datediff('ww','2024-03-02','2024-03-03')", "1" },
        { "select datediff('d','2024-03-01 23:00:00','2024-03-02 01:00:00')", "1" },
        { "select datediff('d',now(),'2024-03-15')", "10" },
        { "select datediff('x','2024-03-01','2024-03-02')", "" },
        { "select left('abcdef',2)||'/'||right('abcdef',2)||'/'||mid('abcdef',2,3)||'/'||mid('abcdef',3)",
            "ab/ef/bcd/cdef" },
        { "select len('abc')", "3" },
        { "select isnumeric('12.5')*1000+isnumeric('12a')*100+isnumeric('')*10+isnumeric(' -3 ')", "1001" },
        { "select round(2.345, 2)", "2.35" },
        { "select round(v, 2) from jxc_names where nm='beta'", "2.35" },
        { "select round(v * 3, 1) from jxc_names where nm='BETA'", "7" },
        { "select count(*) from jxc_names where nm='ALPHA'", "1" },
        { "select count(*) from jxc_names where nm like 'al%'", "2" },
        { "select flag from jxc_names where nm='beta'", "True" },
        { "select ifnull(v, 0) from jxc_names where nm='gamma'", "0" },
        { "select round(sum(v), 3) from jxc_names", "1.845" },
        { "select count(*) from jxc_names where v > 1.5", "1" },
    };
    for (const auto& k : cases)
        EXPECT_EQ(SelectScalar(c, k.sql), k.text) << k.sql;
    EXPECT_EQ(
        SelectColumn(c, "select nm from jxc_names order by nm"), QStringList({ "Alpha", "alpha2", "beta", "Gamma" }));
}

TEST_F(DialectTest, ParametersNewIdsAndSavepoints)
{
    EXPECT_EQ(SelectScalar(c, "select nm from jxc_names where v > :low and nm <> :skip order by v desc",
                  { { "low", 0.5 }, { ":skip", "BETA" } }),
        "Alpha");
    bool found = true;
    EXPECT_EQ(SelectScalar(c, "select nm from jxc_names where nm = :n", { { "n", "none" } }, &found), "");
    EXPECT_FALSE(found);
    // A quote inside a bound text is just a character; a text with a colon is no mark.
    c.Exec("insert into jxc_names (nm) values (:n)", { { "n", "it's" } });
    const qint64 id = c.LastInsertId();
    EXPECT_EQ(SelectScalar(c, "select nm || ':x' from jxc_names where id = :id", { { "id", id } }), "it's:x");
    EXPECT_EQ(c.Insert("insert into jxc_names (nm) values ('z')"), id + 1);
    // One name may fill columns of different types.
    c.Exec("insert into jxc_names (nm,v,flag) values ('twice',:k,:k)", { { "k", 1 } });
    EXPECT_EQ(SelectScalar(c, "select v from jxc_names where nm = 'twice'"), "1");
    EXPECT_EQ(SelectScalar(c, "select flag from jxc_names where nm = 'twice'"), "True");

    {
        Transaction outer(c);
        c.Exec("update jxc_names set v = 9 where nm = 'gamma'");
        {
            Transaction inner(c);
            c.Exec("update jxc_names set v = 10 where nm = 'gamma'");
            // A failed statement inside the savepoint leaves the outer work usable.
            EXPECT_THROW(c.Exec("select no_such_column from jxc_names"), DbError);
        }
        EXPECT_EQ(SelectScalar(c, "select v from jxc_names where nm = 'gamma'"), "9");
        outer.Commit();
    }
    EXPECT_EQ(SelectScalar(c, "select v from jxc_names where nm = 'gamma'"), "9");
    EXPECT_EQ(c.Depth(), 0);
}

TEST_F(DialectTest, QueryPostReadsTheStoredRowBack)
{
    Query q(&c);
    q.SetSQL("select * from jxc_names order by id");
    q.Open();
    q.Append();
    q.SetValue("nm", "delta");
    q.Post();
    // The default of the yes/no column shows as stored, and the new id is the row's.
    EXPECT_EQ(q.AsString("flag"), "False");
    EXPECT_EQ(SelectScalar(c, "select nm from jxc_names where id = :id", { { "id", q.AsInteger("id") } }), "delta");
    q.Edit();
    q.SetValue("v", 4.5);
    q.Post();
    q.Requery();
    ASSERT_TRUE(q.Locate("nm", "DELTA"));
    EXPECT_EQ(q.AsString("v"), "4.5");
}

TEST_F(DialectTest, AWriterWaitingForAnotherConnectionsLockIsRefusedClearly)
{
    Connection other;
    other.Open(address);
    other.SetLockTimeout(200);
    Transaction holding(c);
    c.Exec("update jxc_names set v = 1 where nm = 'beta'");
    try {
        Transaction t(other);
        other.Exec("update jxc_names set v = 2 where nm = 'beta'");
        ADD_FAILURE() << "the second writer was not refused";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("database is locked")) << e.what();
        EXPECT_EQ(e.kind(), DbError::Kind::Statement);
    }
    holding.Commit();
    other.Exec("update jxc_names set v = 2 where nm = 'beta'");
    EXPECT_EQ(SelectScalar(c, "select v from jxc_names where nm = 'beta'"), "2");
}

TEST_F(DialectTest, AHeldStatementSurvivesAFullCache)
{
    Statement held = c.Prepare("select nm from jxc_names order by id");
    ASSERT_TRUE(held.Next());
    EXPECT_EQ(held.Value(0).toString(), "beta");
    // More distinct statements than the cache holds.
    for (int i = 0; i < 300; ++i)
        SelectScalar(c, QString("select %1 from jxc_names limit 1").arg(i));
    ASSERT_TRUE(held.Next());
    EXPECT_EQ(held.Value(0).toString(), "Alpha");
    held.Reset();
    ASSERT_TRUE(held.Next());
    EXPECT_EQ(held.Value(0).toString(), "beta");
}

TEST_F(DialectTest, TablesAndColumnsAreListedInOrder)
{
    EXPECT_TRUE(c.TableExists("JXC_NAMES"));
    EXPECT_FALSE(c.TableExists("jxc_none"));
    EXPECT_EQ(c.TableNames(), QStringList({ "jxc_names" }));
    EXPECT_EQ(c.ColumnNames("jxc_names"), QStringList({ "id", "nm", "v", "flag" }));
}

}
