#include "platform/db/connection.h"
#include "platform/db/datasource.h"
#include "platform/db/dberror.h"
#include "platform/db/jetfunctions.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <QFile>
#include <QSignalSpy>

namespace {

class QueryTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        fresh.Open(c, Folder());
        c.Exec("create table jxc_goods (id integer primary key autoincrement, g_sn varchar(32) collate nocase, "
               "g_name nvarchar(128) collate nocase, g_sj real, g_jy bit not null default 0);"
               "create table jxc_kcsp (id integer primary key autoincrement, g_sn varchar(32) collate nocase, "
               "kc_sl real);"
               "insert into jxc_goods (g_sn,g_name,g_sj,g_jy) values ('A1','Shirt',12.5,1),('B2','Jeans',99,0),"
               "('C3','shirt long',7,0);"
               "insert into jxc_kcsp (g_sn,kc_sl) values ('A1',3),('B2',4);");
    }

    QString scalar(const QString& sql) { return SelectScalar(c, sql); }

    TestDb::FreshDatabase fresh;
    Connection c;
};

TEST_F(QueryTest, ValuesReadAsTheProgramsTextForms)
{
    Query q(&c);
    q.SetSQL("select g_sn, g_sj, g_jy, null as nil, g_sj*2 as twice from jxc_goods order by id");
    q.Open();
    ASSERT_EQ(q.RecordCount(), 3);
    EXPECT_EQ(q.AsString("g_jy"), "True");
    EXPECT_EQ(q.AsString("g_sj"), "12.5");
    EXPECT_EQ(q.AsString("nil"), "");
    EXPECT_EQ(q.AsString("twice"), "25");
    q.Next();
    EXPECT_EQ(q.AsString("g_jy"), "False");
    EXPECT_EQ(q.AsString("g_sj"), "99");
    EXPECT_DOUBLE_EQ(q.FieldByName("g_sj").AsFloat(), 99);

    EXPECT_EQ(NumberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(NumberText(6901234567890.0), "6901234567890");
    EXPECT_EQ(NumberText(-0.5), "-0.5");
    EXPECT_THROW(q.FieldByName("no_such_field"), DbError);
}

TEST_F(QueryTest, CursorWalksEveryRowOnceAndLocateIgnoresCase)
{
    Query q(&c);
    q.SetSQL("select * from jxc_goods order by id");
    q.Open();
    QStringList seen;
    for (q.First(); !q.Eof(); q.Next())
        seen << q.AsString("g_sn");
    EXPECT_EQ(seen, QStringList({ "A1", "B2", "C3" }));
    EXPECT_TRUE(q.Locate("g_name", QString("JEANS")));
    EXPECT_EQ(q.AsString("g_sn"), "B2");
    EXPECT_TRUE(q.Locate("g_sn", QString("c"), true));
    EXPECT_EQ(q.RecNo(), 2);
    EXPECT_FALSE(q.Locate("g_sn", QString("zz")));

    Query empty(&c);
    empty.SetSQL("select * from jxc_goods where 1>2");
    empty.Open();
    EXPECT_TRUE(empty.Eof());
    EXPECT_EQ(empty.RecordCount(), 0);
}

TEST_F(QueryTest, AppendThroughAnEmptySelectGetsTheNewId)
{
    Query q(&c);
    q.SetSQL("select * from jxc_goods where 1>2");
    q.Open();
    q.Append();
    q.FieldByName("g_sn").SetValue("D4");
    q.FieldByName("g_name").SetValue("O'Neil coat");
    q.Post();
    const qint64 id = q.AsInteger("id");
    EXPECT_EQ(id, 4);
    // The stored default shows in the row after posting.
    EXPECT_EQ(q.AsString("g_jy"), "False");
    EXPECT_EQ(scalar("select g_name from jxc_goods where id=4"), "O'Neil coat");

    q.Edit();
    q.SetValue("g_sj", 45.5);
    q.Post();
    EXPECT_EQ(scalar("select g_sj from jxc_goods where id=4"), "45.5");
    q.Delete();
    EXPECT_EQ(scalar("select count(*) from jxc_goods"), "3");
    EXPECT_EQ(q.RecordCount(), 0);
}

TEST_F(QueryTest, AJoinEditsItsBaseTableOnly)
{
    Query q(&c);
    q.SetSQL("select a.*, b.g_name from jxc_kcsp a, jxc_goods b where a.g_sn=b.g_sn order by a.id");
    q.Open();
    ASSERT_EQ(q.BaseTable(), "jxc_kcsp");
    ASSERT_EQ(q.RecordCount(), 2);
    q.Last();
    q.SetValue("kc_sl", 10);
    q.SetValue("g_name", "renamed in the grid only");
    q.Post();
    EXPECT_EQ(scalar("select kc_sl from jxc_kcsp where g_sn='B2'"), "10");
    EXPECT_EQ(scalar("select g_name from jxc_goods where g_sn='B2'"), "Jeans");
    // The goods table's own ids are untouched: the row written is the stock row by its id.
    EXPECT_EQ(scalar("select count(*) from jxc_kcsp where kc_sl=10"), "1");

    q.Cancel(); // nothing pending: harmless
    q.Edit();
    q.SetValue("kc_sl", 77);
    q.Cancel();
    EXPECT_EQ(q.AsString("kc_sl"), "10");
}

TEST_F(QueryTest, FilterJoinsLikeConditionsWithoutRegardToCase)
{
    Query q(&c);
    q.SetSQL("select * from jxc_goods order by id");
    q.Open();
    q.SetFilter("g_name like '%SHIRT%' and g_sj > 10 or g_sn = 'b2'");
    q.SetFiltered(true);
    QStringList seen;
    for (q.First(); !q.Eof(); q.Next())
        seen << q.AsString("g_sn");
    EXPECT_EQ(seen, QStringList({ "A1", "B2" }));
    q.SetFilter("not (g_name like 'shirt%')");
    EXPECT_EQ(q.RecordCount(), 1);
    q.SetFiltered(false);
    EXPECT_EQ(q.RecordCount(), 3);
    EXPECT_THROW(q.SetFilter("g_name like"), DbError);
    EXPECT_THROW(q.SetFilter("nope = 1"), DbError);

    q.SortBy("g_sj", false);
    EXPECT_EQ(q.AsString("g_sn"), "B2");
}

TEST_F(QueryTest, TransactionRollsBackWhenLeftByAnErrorAndNestsThroughSavepoints)
{
    auto goods = [&] { return scalar("select count(*) from jxc_goods").toInt(); };
    try {
        Transaction t(c);
        c.Exec("insert into jxc_goods (g_sn) values ('X')");
        c.Exec("insert into no_such_table values (1)");
        t.Commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(goods(), 3);

    {
        Transaction outer(c);
        c.Exec("insert into jxc_goods (g_sn) values ('Y')");
        {
            Transaction inner(c);
            c.Exec("insert into jxc_goods (g_sn) values ('Z')");
        } // inner leaves uncommitted: only its row goes
        EXPECT_EQ(goods(), 4);
        {
            Transaction inner(c);
            c.Exec("insert into jxc_goods (g_sn) values ('W')");
            inner.Commit();
        }
        outer.Commit();
    }
    EXPECT_EQ(goods(), 5);
    EXPECT_EQ(SelectColumn(c, "select g_sn from jxc_goods where id>3 order by id"), QStringList({ "Y", "W" }));
}

TEST_F(QueryTest, JetFunctionsWorkInStatements)
{
    EXPECT_EQ(scalar("select left('CJ24030510001',2)"), "CJ");
    EXPECT_EQ(scalar("select right ('CJ24030510001', 5)"), "10001");
    EXPECT_EQ(scalar("select mid('2024-03-05',6,2)"), "03");
    EXPECT_EQ(scalar("select len('服装')"), "2");
    EXPECT_EQ(scalar("select count(*) from jxc_goods where isnumeric(g_sj)=1 and len(g_sn)=2"), "3");
    EXPECT_EQ(scalar("select isnumeric('12a')"), "0");
    // A join keyword is not a function call.
    EXPECT_EQ(scalar("select count(*) from jxc_goods a left join jxc_kcsp b on a.g_sn=b.g_sn"), "3");
    EXPECT_EQ(scalar("select 'left(' || g_sn from jxc_goods where id=1"), "left(A1");
    EXPECT_EQ(scalar("select date()"), "2024-03-05");
    EXPECT_EQ(scalar("select now()"), "2024-03-05 10:20:30");
}

TEST(JetDateDiff, CountsBoundariesAsTheOriginalDid)
{
    struct Case {
        const char* unit;
        const char* from;
        const char* to;
        long long expected;
    } cases[] = {
        { "m", "2024-01-31", "2024-02-01", 1 },
        { "m", "2024-03-01", "2024-03-31", 0 },
        { "m", "2023-12-15 10:00", "2024-03-05", 3 },
        { "m", "2024-05-01", "2024-03-05", -2 },
        { "d", "2024-03-04 23:59:00", "2024-03-05 00:01:00", 1 },
        { "d", "2024-02-28", "2024-03-01", 2 },
        { "ww", "2024-03-02", "2024-03-03", 1 }, // Saturday to Sunday crosses a week
        { "ww", "2024-03-03", "2024-03-09", 0 }, // Sunday to Saturday does not
        { "w", "2024-03-01", "2024-03-14", 1 },
        { "yyyy", "2023-12-31", "2024-01-01", 1 },
        { "h", "2024-03-05 10:59", "2024-03-05 11:00", 1 },
    };
    for (const Case& c : cases) {
        bool ok = false;
        long long got = JetDateDiff(c.unit, ParseDbDateTime(c.from), ParseDbDateTime(c.to), &ok);
        EXPECT_TRUE(ok) << c.unit;
        EXPECT_EQ(got, c.expected) << c.unit << " " << c.from << " -> " << c.to;
    }
}

TEST_F(QueryTest, DatediffInSqlTakesTextDates)
{
    EXPECT_EQ(scalar("select datediff('m','2024-01-20','2024-03-05')"), "2");
    EXPECT_EQ(scalar("select datediff('ww','2024-02-24',date())"), "2");
    EXPECT_EQ(scalar("select datediff('d',null,date())"), "");
}

TEST_F(QueryTest, OpeningNeverCreatesAMissingFileAndRefusesANonDatabase)
{
    SQLITE_FILE_ONLY();
    Connection other;
    const QString missing = Folder() + "data/none.mdb";
    try {
        other.Open(missing);
        FAIL() << "a missing file opened";
    } catch (const DbError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("none.mdb"));
    }
    EXPECT_FALSE(QFile::exists(missing));

    QFile junk(Folder() + "junk.mdb");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    EXPECT_THROW(other.Open(Folder() + "junk.mdb"), DbError);
    EXPECT_FALSE(other.Connected());
}

TEST_F(QueryTest, NamedParametersAndDataSourceFollowTheQuery)
{
    Query q(&c);
    q.SetSQL("select * from jxc_goods where g_sj >= :least order by id");
    q.SetParam("least", 10);
    q.Open();
    EXPECT_EQ(q.RecordCount(), 2);

    DataSource ds(&q);
    EXPECT_EQ(ds.rowCount(), 2);
    EXPECT_EQ(ds.data(ds.index(0, q.FieldIndex("g_name"))).toString(), "Shirt");
    QSignalSpy inserted(&ds, &QAbstractItemModel::rowsInserted);
    q.Append();
    q.SetValue("g_sn", "E5");
    q.Post();
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(ds.rowCount(), 3);
    EXPECT_TRUE(ds.setData(ds.index(0, q.FieldIndex("g_name")), "Polo"));
    EXPECT_EQ(scalar("select g_name from jxc_goods where g_sn='A1'"), "Polo");
    q.Close();
    EXPECT_EQ(ds.rowCount(), 0);
}

TEST_F(QueryTest, AReusedStatementSeesTheTableAsItIsNow)
{
    const QString sql = "select * from jxc_kcsp order by id";
    Query q(&c);
    q.SetSQL(sql);
    q.Open();
    EXPECT_EQ(q.FieldCount(), 3);
    c.Exec("alter table jxc_kcsp add column kc_note varchar(20) collate nocase");
    c.Exec("update jxc_kcsp set kc_note='new'");
    q.Open();
    ASSERT_EQ(q.FieldCount(), 4);
    EXPECT_EQ(q.AsString("kc_note"), "new");
    EXPECT_EQ(q.AsString("g_sn"), "A1");
}

TEST_F(QueryTest, OnlineBackupCopiesAWholeDatabase)
{
    SQLITE_FILE_ONLY();
    QString error;
    ASSERT_TRUE(c.BackupTo(Folder() + "copy.DAT", &error)) << error.toStdString();
    Connection copy;
    copy.Open(Folder() + "copy.DAT");
    Query q(&copy);
    q.SetSQL("pragma integrity_check");
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsString(), "ok");
    q.SetSQL("select count(*) from jxc_goods");
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsString(), "3");
    EXPECT_FALSE(c.BackupTo(Folder() + "no/such/folder/x.DAT", &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
