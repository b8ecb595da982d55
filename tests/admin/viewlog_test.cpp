#include "admin/adminwindows.h"
#include "admin/viewlog.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "support/accountset.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class ViewLogTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        Clock::SetFixed(QDateTime(QDate(2024, 3, 20), QTime(10, 0)));
        ExecSQL("delete from jxc_log");
        // May views the log but may not clear it.
        ExecSQL("insert into jxc_role (r_sn,r_name,qtcz) values ('100002','店长','11111111110000000000')");
        struct Line {
            const char* time;
            const char* name;
            const char* note;
        } lines[] = {
            { "2024-02-29 23:59:59", "王芳", "审核销售单" }, // before the period
            { "2024-03-01 00:00:00", "王芳", "登录系统" }, { "2024-03-05 09:30:00", "李强", "增加进货单" },
            { "2024-03-20 23:59:30", "李强", "审核销售单" }, // the last day's last minute
            { "2024-03-21 00:00:00", "王芳", "退出系统" },   // after the period
        };
        for (const Line& l : lines)
            ExecSQL(QStringLiteral("insert into jxc_log (log_time,a_name,log_note) values ('%1','%2','%3')")
                        .arg(QString::fromUtf8(l.time), QString::fromUtf8(l.name), QString::fromUtf8(l.note)));
    }
    void TearDown() override
    {
        Clock::Release();
        AccountSetTest::TearDown();
    }
    static QStringList Listed()
    {
        QStringList times;
        Query& q = F_DataModule->Q("Q_Log");
        for (q.First(); !q.Eof(); q.Next())
            times << q.AsString("log_time");
        return times;
    }
};

TEST_F(ViewLogTest, ListsThePeriodNewestFirstAndSearchesTextAndOperator)
{
    TF_ViewLog w;
    w.Activate();
    EXPECT_EQ(w.tdate11->date(), QDate(2024, 3, 1));
    EXPECT_EQ(w.tdate12->date(), QDate(2024, 3, 20));
    // The whole of the last day is in, the next day's first second is not.
    EXPECT_EQ(Listed(), (QStringList { "2024-03-20 23:59:30", "2024-03-05 09:30:00", "2024-03-01 00:00:00" }));

    struct Case {
        const char* text;
        QStringList expected;
    } cases[] = {
        { "审核", { "2024-03-20 23:59:30" } }, { " 李强 ", { "2024-03-20 23:59:30", "2024-03-05 09:30:00" } },
        { "删除", {} }, { "'", {} }, // made safe, not a broken statement
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        w.tname->setText(QString::fromUtf8(c.text));
        w.btnSearchClick();
        EXPECT_EQ(Listed(), c.expected);
    }
    // A preset searches with the text as it stands.
    w.tname->setText("王芳");
    w.tdate11->setDate(QDate(2024, 2, 1));
    w.FormKeyDown(Qt::Key_F2);
    EXPECT_EQ(Listed(), (QStringList { "2024-03-01 00:00:00", "2024-02-29 23:59:59" }));
}

TEST_F(ViewLogTest, SearchTextRefusesTheFrameCharacters)
{
    TF_ViewLog w;
    w.Activate();
    QTest::keyClicks(w.tname, "a'b%c");
    EXPECT_EQ(w.tname->text(), "abc");
}

TEST_F(ViewLogTest, ClearingNeedsTheRight)
{
    CurrentRoleSn = "100002";
    TF_ViewLog w;
    w.Activate();
    EXPECT_TRUE(w.btn_Dele->isHidden());
    w.btn_DeleClick();
    EXPECT_EQ(prompt.LastMessage(), "您没有权限进行清除日志！");
    EXPECT_EQ(QueryScalar("select count(*) from jxc_log"), "5");
}

TEST_F(ViewLogTest, ClearingDeletesEveryLineAndLogsNothing)
{
    TF_ViewLog w;
    w.Activate();
    EXPECT_FALSE(w.btn_Dele->isHidden());
    w.tname->setText("审核");
    w.btnSearchClick();

    prompt.Answer(Prompt::Answer::No);
    w.btn_DeleClick();
    EXPECT_EQ(QueryScalar("select count(*) from jxc_log"), "5");

    prompt.Answer(Prompt::Answer::Yes);
    w.btn_DeleClick();
    EXPECT_EQ(prompt.Questions().last(), "将清除所有日志，并不能恢复，确认清除吗？");
    // Lines outside the period and the search go too, and the clearing leaves no line.
    EXPECT_EQ(QueryScalar("select count(*) from jxc_log"), "0");
    EXPECT_TRUE(F_DataModule->Q("Q_Log").Active());
    EXPECT_TRUE(Listed().isEmpty());
}

TEST_F(ViewLogTest, ClearingWithNothingListedDoesNothing)
{
    TF_ViewLog w;
    w.Activate();
    w.tdate11->setDate(QDate(2023, 1, 1));
    w.tdate12->setDate(QDate(2023, 1, 31));
    w.btnSearchClick();
    ASSERT_TRUE(Listed().isEmpty());
    w.btn_DeleClick(); // an unscripted question would fail the test
    EXPECT_EQ(QueryScalar("select count(*) from jxc_log"), "5");
}

} // namespace
