#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <QStringList>

namespace {

// A list of 25 goods read four rows at a time.
class PagedQueryTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        fresh.Open(c, Folder());
        c.Exec("create table jxc_goods (id integer primary key autoincrement, g_sn varchar(32) collate nocase, "
               "g_name nvarchar(128) collate nocase, g_sj real)");
        Transaction t(c);
        for (int i = 1; i <= 25; ++i)
            c.Exec("insert into jxc_goods (g_sn,g_name,g_sj) values (:sn,:name,:price)",
                { { "sn", QString("G%1").arg(i, 2, 10, QChar('0')) }, { "name", QString("goods %1").arg(i) },
                    { "price", i * 1.5 } });
        t.Commit();
    }

    void OpenPaged(Query& q, const QString& sql = "select id,g_sn,g_name,g_sj from jxc_goods order by g_sn desc")
    {
        q.SetPageRows(4);
        q.SetSQL(sql);
        q.Open();
    }

    QStringList Walk(Query& q)
    {
        QStringList codes;
        for (q.First(); !q.Eof(); q.Next())
            codes << q.AsString("g_sn");
        return codes;
    }

    QStringList Expected(int from, int to)
    {
        QStringList codes;
        for (int i = from; i >= to; --i)
            codes << QString("G%1").arg(i, 2, 10, QChar('0'));
        return codes;
    }

    TestDb::FreshDatabase fresh;
    Connection c;
};

TEST_F(PagedQueryTest, CountsExactlyAndReadsEveryRowOnceInOrder)
{
    Query q(&c);
    OpenPaged(q);
    EXPECT_EQ(q.RecordCount(), 25);
    EXPECT_FALSE(q.Complete());
    // A row far down is there before the ones above it were read.
    EXPECT_EQ(q.TextAt(17, 1), "G08");
    EXPECT_FALSE(q.Complete());
    EXPECT_EQ(Walk(q), Expected(25, 1));
    EXPECT_TRUE(q.Complete());

    // A list shorter than a page is whole at once.
    Query small(&c);
    OpenPaged(small, "select g_sn from jxc_goods where id<=3 order by g_sn desc");
    EXPECT_TRUE(small.Complete());
    EXPECT_EQ(Walk(small), Expected(3, 1));
    // Exactly one page.
    Query page(&c);
    OpenPaged(page, "select g_sn from jxc_goods where id<=4 order by g_sn desc");
    EXPECT_EQ(page.RecordCount(), 4);
    EXPECT_EQ(Walk(page), Expected(4, 1));
    // Only the statement's own closing order is left out of the count and the sums.
    Query quoted(&c);
    OpenPaged(quoted,
        "select id,g_sn,g_sj,' order by x' as note from jxc_goods where id in "
        "(select id from jxc_goods where id>5 order by g_sj desc) order by g_sn desc");
    EXPECT_EQ(quoted.RecordCount(), 20);
    EXPECT_DOUBLE_EQ(quoted.FieldSum(2), 1.5 * (325 - 15));
    EXPECT_EQ(Walk(quoted), Expected(25, 6));
}

TEST_F(PagedQueryTest, BoundValuesHoldForLaterPages)
{
    // OpenWithParams clears the values once the first page is in.
    Query q(&c);
    q.SetPageRows(4);
    OpenWithParams(q, "select id,g_sn from jxc_goods where g_sj>:least order by g_sn desc", { { "least", 9.0 } });
    EXPECT_EQ(q.RecordCount(), 19);
    EXPECT_EQ(Walk(q), Expected(25, 7));
}

TEST_F(PagedQueryTest, FooterSumsShareOnePassUntilTheNextOpening)
{
    // "late" is empty on the first page and text further down: it is left out of the
    // shared pass (a server cannot sum text).
    const QString sql = "select id,g_sn,g_sj,g_sj*2 as twice,case when id>20 then 'x' end as late "
                        "from jxc_goods order by g_sn";
    Query q(&c);
    OpenPaged(q, sql);
    EXPECT_DOUBLE_EQ(q.FieldSum(q.FieldIndex("g_sj")), 1.5 * 325);
    c.Exec("update jxc_goods set g_sj=0");
    EXPECT_DOUBLE_EQ(q.FieldSum(q.FieldIndex("twice")), 3.0 * 325);
    EXPECT_DOUBLE_EQ(q.FieldSum(q.FieldIndex("id")), 325);
    EXPECT_FALSE(q.Complete());
    OpenPaged(q, sql);
    EXPECT_DOUBLE_EQ(q.FieldSum(q.FieldIndex("twice")), 0);
}

TEST_F(PagedQueryTest, SumsWithoutFetchingAndFetchesForFiltersSortsAndEdits)
{
    Query q(&c);
    OpenPaged(q);
    EXPECT_DOUBLE_EQ(q.FieldSum(q.FieldIndex("g_sj")), 1.5 * 325);
    EXPECT_FALSE(q.Complete());

    EXPECT_TRUE(q.Locate("g_sn", "g03"));
    EXPECT_EQ(q.RecNo(), 22);
    q.SetValue("g_name", "renamed");
    q.Post();
    EXPECT_EQ(SelectScalar(c, "select g_name from jxc_goods where g_sn='G03'"), "renamed");
    EXPECT_EQ(q.RecordCount(), 25);

    Query f(&c);
    OpenPaged(f);
    f.SetFilter("g_name like 'goods 1%'");
    f.SetFiltered(true);
    EXPECT_EQ(Walk(f), QStringList({ "G19", "G18", "G17", "G16", "G15", "G14", "G13", "G12", "G11", "G10", "G01" }));
    // The sum follows the filter.
    EXPECT_DOUBLE_EQ(f.FieldSum(f.FieldIndex("g_sj")), 1.5 * (145 + 1));

    Query s(&c);
    OpenPaged(s);
    s.SortBy("g_sn");
    EXPECT_EQ(s.RecordCount(), 25);
    EXPECT_EQ(s.AsString("g_sn"), "G01");

    Query a(&c);
    OpenPaged(a);
    a.Append();
    a.SetValue("g_sn", "G26");
    a.Post();
    EXPECT_EQ(a.RecordCount(), 26);
    EXPECT_EQ(a.TextAt(24, 1), "G01");
    EXPECT_EQ(a.TextAt(25, 1), "G26");
}

TEST_F(PagedQueryTest, RowsDeletedByOthersAfterOpeningLeaveEmptyRows)
{
    Query q(&c);
    OpenPaged(q);
    c.Exec("delete from jxc_goods where id<=3");
    EXPECT_EQ(q.RecordCount(), 25);
    EXPECT_EQ(q.TextAt(21, 1), "G04");
    EXPECT_EQ(q.TextAt(24, 1), "");
    EXPECT_TRUE(q.Complete());
    q.Requery();
    EXPECT_EQ(q.RecordCount(), 22);
}

} // namespace
