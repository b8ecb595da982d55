#include "memberfixture.h"

#include "foundation/gridlayout.h"
#include "listing/queryframe.h"
#include "members/hygl.h"
#include "members/memberops.h"
#include "platform/base/clock.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

class HyglTest : public MembersTest {
protected:
    void SetUp() override
    {
        MembersTest::SetUp();
        AddMember({ .sn = "100002",
            .card = "A001",
            .name = "张三",
            .tele = "0571-1234",
            .points = 50,
            .total = 300,
            .accumulated = 50 });
        AddMember({ .sn = "100003",
            .card = "A002",
            .name = "李四",
            .mobile = "13900001111",
            .points = 20,
            .total = 100,
            .accumulated = 20,
            .usable = false });
        AddMember({ .sn = "100004", .card = "B003", .name = "王五", .level = "100001", .total = 80 });
        OpenRegister();
    }
    QStringList Listed(DataGrid* grid, const char* field = "hy_name")
    {
        QStringList out;
        for (int r = 0; r < grid->RowCount(); ++r)
            out << grid->Value(r, QLatin1String(field)).toString();
        return out;
    }
    void Focus(const QString& name) { window->cxGrid1View->SetCurrentRow(Listed(window->cxGrid1View).indexOf(name)); }
};

TEST_F(HyglTest, MemberSearchFilters)
{
    // Empty filters: everyone but the built-in member, newest first; "所有等级" matches all.
    EXPECT_EQ(window->comHyfl->currentText(), QStringLiteral("所有等级"));
    EXPECT_EQ(Listed(window->cxGrid1View), (QStringList { "王五", "李四", "张三" }));
    struct Case {
        QString key;
        int level, status;
        QStringList expected;
    };
    const Case cases[] = {
        { "1390000", 0, 0, { "李四" } },  // mobile only
        { "1234", 0, 0, { "张三" } },     // telephone only
        { "", 1, 0, { "王五" } },         // level 100001
        { "", 0, 1, { "王五", "张三" } }, // usable
        { "", 0, 2, { "李四" } },         // not usable
    };
    for (const Case& c : cases) {
        window->tKey->setText(c.key);
        window->comHyfl->setCurrentIndex(c.level);
        window->comStatus->setCurrentIndex(c.status);
        window->btnSearch2Click();
        EXPECT_EQ(Listed(window->cxGrid1View), c.expected) << c.key.toStdString() << c.level << c.status;
    }
}

TEST_F(HyglTest, ALongMemberListOpensWithOnePageYetCountsAndSumsEveryMember)
{
    dm->ADOConn.Exec(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i+1 from n where i<300) "
        "insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_jf,hy_zjf,hy_zhje,hy_zje,hy_tele,"
        "hy_mobile,hy_sj,hy_qx) select cast(200000+i as varchar(10)),cast(300000+i as varchar(10)),"
        "'会员'||cast(i as varchar(10)),'',1,'100002','100001',0,0,1,2,'','',0,0 from n"));
    window->btnSearch2Click();
    Query& q = window->Q_Hyxx;
    EXPECT_EQ(q.RecordCount(), 303);
    EXPECT_FALSE(q.Complete());
    DataGrid* g = window->cxGrid1View;
    EXPECT_EQ(g->FooterText(g->ColumnByField(QStringLiteral("hy_zje"))), QStringLiteral("1080"));
    EXPECT_EQ(g->FooterText(g->ColumnByField(QStringLiteral("hy_zhje"))), QStringLiteral("300"));
    EXPECT_FALSE(q.Complete());
    // The oldest member is last, and the dialogs read the row the grid points at.
    g->SetCurrentRow(302);
    EXPECT_EQ(q.AsString(QStringLiteral("hy_name")), QStringLiteral("张三"));
    EXPECT_FALSE(q.AsString(QStringLiteral("hh_name")).isEmpty());
}

TEST_F(HyglTest, ConsumptionAndTopUpSearchesIncludeTheWholeLastDay)
{
    AddTicket("XS1", "100002", "2024-03-05 23:59:30");
    AddTicket("XS2", "100002", "2024-03-06 00:00:00");
    AddMoneyRow("XF1", "100003", "2024-03-05 23:59:45");
    // F3 on the top-up tab runs the consumption search.
    window->cxTab->setCurrentIndex(2);
    window->tdate21->setDate(QDate(2024, 3, 5));
    window->tdate22->setDate(QDate(2024, 3, 5));
    window->Q_Hyxs.Close();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->cxTab->setCurrentIndex(2);
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_EQ(Listed(window->cxGrid21View, "gl_djh"), QStringList { "XS1" });
    EXPECT_EQ(Listed(window->cxGrid3View, "gl_djh"), QStringList { "XF1" });
    EXPECT_EQ(window->cxGrid3View->Value(0, "sjje").toDouble(), 110);
}

TEST_F(HyglTest, DateMenuAndBirthdays)
{
    // The period menu acts on the pickers of the tab in view (today is 2024-03-05).
    window->cxTab->setCurrentIndex(2);
    window->DateMenuClick(DatePreset::PreviousMonth);
    EXPECT_EQ(window->tdate31->date(), QDate(2024, 2, 1));
    EXPECT_EQ(window->tdate32->date(), QDate(2024, 2, 29));

    AddMember({ .sn = "100005", .card = "C1", .name = "年末", .birthday = "1985-12-30" });
    AddMember({ .sn = "100006", .card = "C2", .name = "年初", .birthday = "1991-01-05" });
    AddMember({ .sn = "100007", .card = "C3", .name = "太晚", .birthday = "1991-01-08" });
    Clock::SetFixed(QDateTime(QDate(2024, 12, 28), QTime(9, 0)));
    window->tts->setText("0");
    window->btnSearch5Click();
    EXPECT_EQ(window->tts->text(), "10");
    EXPECT_EQ(Listed(window->cxGrid5View), (QStringList { "年末", "年初" }));

    DeliverTemplate("hysr.fr3");
    window->btnPrin5Click();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_EQ(PrintLog::Last()->variables.value("title"), QStringLiteral("还有10要过生日的会员名单"));
    EXPECT_EQ(PrintLog::Last()->datasets.value("hysr").rows.size(), 2);
}

TEST_F(HyglTest, ClearsChangeExactlyTheListedMembers)
{
    window->tKey->setText("1234");
    window->btnSearch2Click();
    prompt.Answer(Prompt::Answer::Yes);
    window->btnRAllJeClick();
    EXPECT_EQ(prompt.Questions(), QStringList { "您确定要清除当前1个会员的消费金额吗？" });
    EXPECT_EQ(Scalar("select hy_zje from jxc_hyxx where hy_sn='100002'"), "0");
    EXPECT_EQ(Scalar("select hy_zje from jxc_hyxx where hy_sn='100003'"), "100");
    EXPECT_EQ(LogNotes().last(),
        QStringLiteral("清除当前1个会员的消费金额。会员状态：所有状态，会员等级：所有等级，会员信息：1234"));

    ExecSQL("update jxc_hyxx set hy_jf=7,hy_zjf=7 where hy_sn='100001'");
    window->tKey->clear();
    window->btnSearch2Click();
    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_EQ(ClearMemberPoints({}), 3);
    window->btnRAlljfClick();
    EXPECT_EQ(Count("jxc_hyxx", "hy_jf<>0 or hy_zjf<>0"), 1); // the built-in member keeps his
    EXPECT_EQ(Count("jxc_hyxx", "hl_sn='100001' and hy_sn<>'100001'"), 3);
    EXPECT_EQ(
        LogNotes().last(), QStringLiteral("清除当前3个会员的积分。会员状态：所有状态，会员等级：所有等级，会员信息："));

    prompt.Answer(Prompt::Answer::No);
    window->btnRAllJeClick();
    EXPECT_EQ(Scalar("select hy_zje from jxc_hyxx where hy_sn='100003'"), "100");
}

TEST_F(HyglTest, DeleteRefusesMembersWithBusiness)
{
    AddMember({ .sn = "100008", .card = "D1", .name = "储值", .stored = 20 });
    AddMember({ .sn = "100009", .card = "D2", .name = "小票" });
    AddMember({ .sn = "100010", .card = "D3", .name = "流水" });
    AddMember({ .sn = "100011", .card = "D4", .name = "兑换" });
    AddTicket("XS9", "100009", "2024-03-01 10:00:00");
    AddMoneyRow("XF9", "100010", "2024-03-01 10:00:00");
    ExecSQL("insert into jxc_dhd (gl_djh,hy_sn) values ('DH1','100011')");
    ExecSQL("insert into jxc_lsxsd (gl_djh,hy_sn) values ('XS0','100002')");
    for (const char* sn : { "100008", "100009", "100010", "100011", "100002" })
        EXPECT_EQ(MemberDeleteRefusal(sn), QStringLiteral("该会员已发生过业务，不能删除！")) << sn;
    window->btnSearch2Click();
    Focus("储值");
    window->btn_DeleClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("该会员已发生过业务，不能删除！"));
    EXPECT_EQ(Count("jxc_hyxx", "hy_sn='100008'"), 1);
}

TEST_F(HyglTest, DeleteTakesThePhotoAndTheIntroductionPoints)
{
    PointsJsrjl = "10";
    AddMember({ .sn = "100012", .card = "E1", .name = "新人", .introducer = "100002" });
    QDir().mkpath(Folder() + "picture");
    QFile photo(MemberPhotoFile("100012"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.close();
    window->btnSearch2Click();
    Focus("新人");
    prompt.Answer(Prompt::Answer::Yes);
    window->btn_DeleClick();
    EXPECT_EQ(prompt.Questions(), QStringList { "您确定要删除该会员信息吗！" });
    EXPECT_EQ(Count("jxc_hyxx", "hy_sn='100012'"), 0);
    EXPECT_FALSE(QFile::exists(MemberPhotoFile("100012")));
    EXPECT_EQ(Scalar("select hy_jf from jxc_hyxx where hy_sn='100002'"), "40");
    EXPECT_EQ(Scalar("select hy_zjf from jxc_hyxx where hy_sn='100002'"), "40");
    EXPECT_FALSE(Listed(window->cxGrid1View).contains("新人"));
    PointsJsrjl.clear();
}

TEST_F(HyglTest, StatusToggleMenuCaptionsAndRefusals)
{
    Focus("张三");
    window->PrepareMemberMenu();
    EXPECT_EQ(window->miStatus->text(), QStringLiteral("设置会员状态为“不可用”(&U)"));
    EXPECT_EQ(window->miLayout->text(), QStringLiteral("定义列表布局(&B)"));
    window->btnRZtClick();
    EXPECT_EQ(Scalar("select hy_status from jxc_hyxx where hy_sn='100002'"), "False");
    Focus("张三");
    GridLayoutConfirmed = "1";
    window->PrepareMemberMenu();
    EXPECT_EQ(window->miStatus->text(), QStringLiteral("设置会员状态为“可用”(&U)"));
    EXPECT_EQ(window->miLayout->text(), QStringLiteral("保存当前列表布局(&B)"));
    GridLayoutConfirmed.clear();

    Focus("王五");
    window->btnZzClick();
    EXPECT_EQ(prompt.LastMessage(), QStringLiteral("卡内金额为0不能转账！"));
}

TEST_F(HyglTest, PrintsCarryTheirDatasets)
{
    for (const char* t : { "hyxx.fr3", "hyxs.fr3", "hyxfb.fr3", "hyxf.fr3" })
        DeliverTemplate(t);
    window->btn_PrinClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_EQ(PrintLog::Last()->datasets.value("frxDBDataset4").rows.size(), 3);
    AddMoneyRow("XF5", "100002", "2024-03-02 09:00:00");
    window->btnSearch4Click();
    window->btnPrin3Click();
    EXPECT_EQ(PrintLog::Last()->variables.value("date1"), "2024-03-01");
    EXPECT_EQ(PrintLog::Last()->datasets.value("hyxfb").rows.size(), 1);
    window->btn_Chakan3Click();
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith("hyxf.fr3"));
    EXPECT_EQ(PrintLog::Last()->datasets.value("frxDBDataset1").Text(0, "hy_name"), QStringLiteral("张三"));
    window->cxButton2Click();
    EXPECT_TRUE(PrintLog::Last()->datasets.contains("hyxs"));
}

} // namespace
