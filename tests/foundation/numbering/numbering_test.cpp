#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "support/accountset.h"

#include <stdexcept>

namespace {

class Numbering : public AccountSetTest {
protected:
    void Doc(const QString& table, const QString& number, const QString& operatorName = QStringLiteral("admin"))
    {
        ExecSQL(QStringLiteral("insert into %1 (gl_djh,a_name) values ('%2','%3')").arg(table, number, operatorName));
    }
    void Lines(const QString& table, const QString& number)
    {
        ExecSQL(QStringLiteral("insert into %1 (gl_djh) values ('%2')").arg(table, number));
    }
    void Category(int key, int parent, const QString& code)
    {
        ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_name,gc_key,gc_pid,gc_sn) values ('c',%1,%2,'%3')")
                    .arg(key)
                    .arg(parent)
                    .arg(code));
    }
    void Goods(const QString& code)
    {
        ExecSQL(QStringLiteral("insert into jxc_goods (g_sn,g_name) values ('%1','g')").arg(code));
    }
};

TEST_F(Numbering, DocumentNumbersRunPerPrefixAndDay)
{
    // The clock stands at 2024-03-05; numbers of other days and other prefixes do not count.
    Doc(QStringLiteral("jxc_jhd"), QStringLiteral("CJ24030499999"));
    Doc(QStringLiteral("jxc_jhd"), QStringLiteral("CJ24030610007"));
    Doc(QStringLiteral("jxc_jhd"), QStringLiteral("CT24030510050"));
    EXPECT_EQ(NextDocNoToday("jxc_jhd", "gl_djh", "CJ"), "CJ24030510001");

    Doc(QStringLiteral("jxc_jhd"), QStringLiteral("CJ24030510001"));
    EXPECT_EQ(NextDocNoToday("jxc_jhd", "gl_djh", "CJ"), "CJ24030510002");
    // Only the first ten characters of the date count.
    EXPECT_EQ(NextDocNo("jxc_jhd", "gl_djh", "CJ", "2024-03-05 23:59:59"), "CJ24030510002");
    EXPECT_EQ(NextDocNo("jxc_jhd", "gl_djh", "CJ", "2024-03-06"), "CJ24030610008");
}

TEST_F(Numbering, SerialBelowTenThousandCountsAsTenThousand)
{
    Doc(QStringLiteral("jxc_lsxsd"), QStringLiteral("XS24030509999"));
    EXPECT_EQ(NextDocNo("jxc_lsxsd", "gl_djh", "XS", "2024-03-05"), "XS24030510001");
}

TEST_F(Numbering, KindsThatShareASeriesContinueEachOther)
{
    struct Case {
        const char* prefix;
        const char* header;
        const char* sharing;
        bool shares;
    };
    const Case cases[] = {
        { "XS", "jxc_lsxsd", "jxc_posxssp", true },
        { "YF", "jxc_ysyfk", "jxc_ysyfk_dj", true },
        { "FK", "jxc_ysyfk", "jxc_ysyfk_dj", true },
        { "YS", "jxc_ysyfk", "jxc_ysyfk_dj", true },
        { "SK", "jxc_ysyfk", "jxc_ysyfk_dj", true },
        { "XT", "jxc_xsthd", "jxc_posxssp", false },
        { "CJ", "jxc_jhd", "jxc_ysyfk_dj", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        const QString prefix = QLatin1String(c.prefix);
        Lines(QLatin1String(c.header), prefix + QStringLiteral("24030510003"));
        Lines(QLatin1String(c.sharing), prefix + QStringLiteral("24030510020"));
        const QString expected = prefix + (c.shares ? QStringLiteral("24030510021") : QStringLiteral("24030510004"));
        EXPECT_EQ(NextDocNoToday(QLatin1String(c.header), "gl_djh", prefix), expected);
    }
    // A lower number in the sharing table leaves the document's own series in charge.
    Lines(QStringLiteral("jxc_lsxsd"), QStringLiteral("XS24030510090"));
    EXPECT_EQ(NextDocNoToday("jxc_lsxsd", "gl_djh", "XS"), "XS24030510091");
}

TEST_F(Numbering, DocumentDateMustBeADate)
{
    EXPECT_THROW(NextDocNo("jxc_jhd", "gl_djh", "CJ", "05.03.2024"), std::invalid_argument);
    Doc(QStringLiteral("jxc_jhd"), QStringLiteral("CJ240305ABCDE"));
    EXPECT_THROW(NextDocNoToday("jxc_jhd", "gl_djh", "CJ"), std::invalid_argument);
}

TEST_F(Numbering, DocNoExistsTellsOwnDraftsFromOthersNumbers)
{
    const QString mine = QStringLiteral("CJ24030510001");
    const QString shared = QStringLiteral("CJ24030510002");
    const QString theirs = QStringLiteral("CJ24030510003");
    Doc(QStringLiteral("jxc_jhsp"), mine);
    Doc(QStringLiteral("jxc_jhsp"), mine);
    Doc(QStringLiteral("jxc_jhsp"), shared);
    Doc(QStringLiteral("jxc_jhsp"), shared, QStringLiteral("clerk"));
    Doc(QStringLiteral("jxc_jhsp"), theirs, QStringLiteral("clerk"));
    EXPECT_FALSE(DocNoExists("jxc_jhsp", "gl_djh", mine));
    EXPECT_TRUE(DocNoExists("jxc_jhsp", "gl_djh", shared));
    EXPECT_TRUE(DocNoExists("jxc_jhsp", "gl_djh", theirs));
    EXPECT_FALSE(DocNoExists("jxc_jhsp", "gl_djh", "CJ24030510004"));

    // A sale number is also held by sales lines being entered and by the POS.
    EXPECT_FALSE(DocNoExists("jxc_lsxsd", "gl_djh", "XS24030510001"));
    Lines(QStringLiteral("jxc_lsxssptemp"), QStringLiteral("XS24030510001"));
    Lines(QStringLiteral("jxc_posxssp"), QStringLiteral("XS24030510002"));
    Lines(QStringLiteral("jxc_jhsp"), QStringLiteral("CJ24030510009"));
    EXPECT_TRUE(DocNoExists("jxc_lsxsd", "gl_djh", "XS24030510001"));
    EXPECT_TRUE(DocNoExists("jxc_lsxsd", "gl_djh", "XS24030510002"));
}

TEST_F(Numbering, MasterCodes)
{
    ExecSQL("delete from jxc_zone");
    EXPECT_EQ(GetNextSn("jxc_zone", "z_sn"), "100001");
    ExecSQL("insert into jxc_zone (z_sn,z_name) values ('100001','a'),('100009','b'),('100003','c')");
    EXPECT_EQ(GetNextSn("jxc_zone", "z_sn"), "100010");
    ExecSQL("insert into jxc_zone (z_sn,z_name) values ('X1','d')");
    EXPECT_THROW(GetNextSn("jxc_zone", "z_sn"), std::invalid_argument);

    // The catalogue's codes are drawn on its own connection.
    ConnectAccountSets();
    dm->ADOConnZT.Exec("insert into jxc_xtzt (zt_sn,zt_name) values ('100050','x')");
    EXPECT_EQ(GetNextSnZt("jxc_xtzt", "zt_sn"), "100051");
    CloseAccountSets();
}

TEST_F(Numbering, MemberNumbersIgnoreCodesThatAreNotSixDigits)
{
    ExecSQL("delete from jxc_hyxx");
    EXPECT_EQ(GetNextMemberNo("jxc_hyxx", "hy_bh"), "100001");
    ExecSQL("insert into jxc_hyxx (hy_sn,hy_bh) values ('1','100005'),('2','99999'),('3','A10009'),"
            "('4','9999999'),('5','100002')");
    EXPECT_EQ(GetNextMemberNo("jxc_hyxx", "hy_bh"), "100006");
}

// The length that counts is that of the number handed out, not of the largest stored:
// a shorter one would be missed by the next look-up and handed out again.
TEST_F(Numbering, MemberNumbersAreSixDigitsOrStartAgainAt100001)
{
    const struct {
        QStringList stored;
        QString next;
    } cases[] = {
        { { "000001", "000002" }, "100001" },
        { { "000123", "012345" }, "100001" },
        { { "099998" }, "100001" },
        { { "099999" }, "100000" },
        { { "100001", "123456" }, "123457" },
    };
    for (const auto& c : cases) {
        ExecSQL("delete from jxc_hyxx");
        for (const QString& no : c.stored)
            ExecSQL("insert into jxc_hyxx (hy_sn,hy_bh) values ('" + no + "','" + no + "')");
        EXPECT_EQ(GetNextMemberNo("jxc_hyxx", "hy_bh"), c.next) << c.stored.join(',').toStdString();
    }
    // What is handed out is found again: no number is given twice.
    ExecSQL("delete from jxc_hyxx");
    ExecSQL("insert into jxc_hyxx (hy_sn,hy_bh) values ('1','000002')");
    const QString first = GetNextMemberNo("jxc_hyxx", "hy_bh");
    ExecSQL("insert into jxc_hyxx (hy_sn,hy_bh) values ('2','" + first + "')");
    EXPECT_NE(GetNextMemberNo("jxc_hyxx", "hy_bh"), first);
}

TEST_F(Numbering, CategoryCodesEncodeTheTree)
{
    // The seed holds the root (key 1) and "默认类别" 1000 (key 2) at the top.
    Category(3, 1, QString());
    EXPECT_EQ(GetNextClassSn("3"), "1001");
    Category(5, 1, QStringLiteral("1003"));
    EXPECT_EQ(GetNextClassSn("3"), "1004");

    Category(6, 5, QString());
    EXPECT_EQ(GetNextClassSn("6"), "1003100");
    ExecSQL("update jxc_goodsclass set gc_sn='1003100' where gc_key=6");
    // A grandchild's longer code does not count among the children.
    Category(8, 6, QStringLiteral("1003100100"));
    Category(7, 5, QString());
    EXPECT_EQ(GetNextClassSn("7"), "1003101");
    Category(9, 6, QString());
    EXPECT_EQ(GetNextClassSn("9"), "1003100101");
}

TEST_F(Numbering, GoodsCodesUnderACategoryPrefix)
{
    EXPECT_EQ(GetNextGoodsSn("1001"), "10010001");
    EXPECT_EQ(GetNextGoodsSn("5"), "50000001");
    EXPECT_EQ(GetNextGoodsSn("12"), "12000001");
    EXPECT_EQ(GetNextGoodsSn("123456789"), "12345671");

    Goods(QStringLiteral("10010001"));
    Goods(QStringLiteral("1001ABCD"));
    EXPECT_EQ(GetNextGoodsSn("1001"), "10010002");
    // The serial continues after the largest code of the length of the newest one.
    Goods(QStringLiteral("10010123"));
    Goods(QStringLiteral("10010050"));
    EXPECT_EQ(GetNextGoodsSn("1001"), "10010124");

    // A serial that runs into the next prefix continues under that prefix.
    Goods(QStringLiteral("10199999"));
    EXPECT_EQ(GetNextGoodsSn("101"), "10200001");
    Goods(QStringLiteral("10200007"));
    EXPECT_EQ(GetNextGoodsSn("101"), "10200008");

    // A maximum that is numeric but not whole starts the prefix afresh.
    Goods(QStringLiteral("2001.5"));
    EXPECT_EQ(GetNextGoodsSn("2001"), "20010001");
}

} // namespace
