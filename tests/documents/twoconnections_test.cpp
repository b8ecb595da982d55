#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "support/accountset.h"

namespace {

// Two machines on one account set (two connections, as two program instances hold
// them): a back-office machine and a till drafting goods-in lines under one drawn
// number, each under its own operator.
class TwoConnectionsTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
        till.Open(dm->ADOConn.FileName());
    }
    void TearDown() override
    {
        till.Close();
        Clock::Release();
        AccountSetTest::TearDown();
    }
    static void Draft(Connection& c, const QString& number, const QString& op)
    {
        c.Exec(QStringLiteral("insert into jxc_jhsp (gl_djh,g_sn,a_name,jh_sl) values (:n,'G1',:op,1)"),
            { { QStringLiteral("n"), number }, { QStringLiteral("op"), op } });
        c.Exec(QStringLiteral("update jxc_jhsp set tid=id where tid is null"));
        c.Exec(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,a_name,t_sl,cm_sn,color_sn,tid) select "
                              "gl_djh,g_sn,a_name,1,'100001','100001',id from jxc_jhsp where gl_djh=:n and a_name=:op"),
            { { QStringLiteral("n"), number }, { QStringLiteral("op"), op } });
    }
    // The numbers of an operator's lines and rows as a connection sees them.
    static QStringList Where(Connection& c, const QString& op)
    {
        return SelectColumn(c,
            QStringLiteral("select gl_djh from jxc_jhsp where a_name=:op union all "
                           "select gl_djh from jxc_jhspmx where a_name=:op"),
            { { QStringLiteral("op"), op } });
    }
    Connection till;
};

TEST_F(TwoConnectionsTest, TheSecondSaveOnOneDrawnNumberMovesItsLinesToTheNext)
{
    const QString number = NextDocNo(
        QStringLiteral("jxc_jhsp"), QStringLiteral("gl_djh"), QStringLiteral("CJ"), QStringLiteral("2024-05-10"));
    Draft(dm->ADOConn, number, QStringLiteral("admin"));
    Draft(till, number, QStringLiteral("till1"));
    // Each machine sees the other's lines under the number.
    EXPECT_TRUE(DocNoExists(QStringLiteral("jxc_jhsp"), QStringLiteral("gl_djh"), number));
    EXPECT_EQ(SelectScalar(till, QStringLiteral("select count(*) from jxc_jhsp where gl_djh=:n"),
                  { { QStringLiteral("n"), number } }),
        QStringLiteral("2"));

    // The till saves first: its header carries the number.
    till.Exec(QStringLiteral("insert into jxc_jhd (gl_djh,j_jhrq,a_name) values (:n,'2024-05-10 09:00',"
                             "'till1')"),
        { { QStringLiteral("n"), number } });
    // The back office's save moves its line and row to the next number, which the
    // till sees too; the till's draft stays where it was.
    const QString saved = RedrawForSave(GoodsInKind(), number, QStringLiteral("2024-05-10"));
    EXPECT_NE(saved, number);
    EXPECT_EQ(Where(till, QStringLiteral("admin")), (QStringList { saved, saved }));
    EXPECT_EQ(Where(till, QStringLiteral("till1")), (QStringList { number, number }));
}

} // namespace
