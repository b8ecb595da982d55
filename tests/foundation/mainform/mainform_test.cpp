#include "foundation/backup.h"
#include "foundation/datamodule.h"
#include "foundation/flowpicture.h"
#include "foundation/functionwindows.h"
#include "foundation/globals.h"
#include "foundation/login.h"
#include "foundation/mainform.h"
#include "foundation/settings.h"
#include "foundation/startup.h"
#include "platform/db/connection.h"
#include "support/accountset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <atomic>
#include <map>
#include <thread>

namespace {

const QString kBackupName = QStringLiteral("默认帐套24_03_05_10_20_30.DAT");

class MainFormTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        ResetProgramEnding();
        ClosingFlag.clear();
        LoadSystemSettings();
        form = std::make_unique<TF_MainForm>();
    }
    void TearDown() override
    {
        form.reset();
        for (const QString& w : registered)
            FunctionWindows::Unregister(w);
        FunctionWindows::FreeKept();
        ResetProgramEnding();
        ClosingFlag.clear();
        for (QString* v : { &ExpenseDocToPrint, &WholeReturnDocNo, &SourceDocNo, &ResultText, &OpenMode })
            v->clear();
        AccountSetTest::TearDown();
    }

    // A stand-in for a window of a later subsystem: an empty window titled by its class,
    // counted when made; its script (if any) runs while it shows.
    void Stand(const QString& windowClass, std::function<void()> whileShown = {})
    {
        registered << windowClass;
        FunctionWindows::Register(windowClass,
            FunctionWindows::Entry { [this, windowClass]() -> Form* {
                                        ++made[windowClass];
                                        auto* f = new Form();
                                        f->setObjectName(windowClass);
                                        f->setWindowTitle(windowClass);
                                        return f;
                                    },
                nullptr, nullptr });
        scripts[windowClass] = std::move(whileShown);
        form->UpdateFunctionAvailability();
    }
    // Expects the stand-ins to be shown in this order (scripts run each time).
    void ExpectShown(const QStringList& windows)
    {
        for (const QString& w : windows)
            prompt.OnModal(w, [this, w](QDialog*) {
                if (scripts[w])
                    scripts[w]();
                return 0;
            });
    }
    QStringList Opened() const
    {
        QStringList out;
        for (const auto& s : prompt.History())
            if (s.kind == "modal")
                out << s.caption;
        return out;
    }
    // A role of its own with exactly these rights, for a non-administrator operator.
    void LogInWithRights(const QString& module, const QList<int>& positions)
    {
        QString rights(60, QLatin1Char('0'));
        for (int p : positions)
            rights[p - 1] = QLatin1Char('1');
        dm->ADOConn.Exec("delete from jxc_role where r_sn='200001'");
        dm->ADOConn.Exec(
            "insert into jxc_role (r_sn,r_name," + module + ") values ('200001','店员',:r)", { { "r", rights } });
        CurrentRoleSn = "200001";
    }
    void ConfigureBackup(bool timed, int hours, int days, const QString& folder, bool onExit)
    {
        dm->ADOConn.Exec("delete from jxc_backup");
        dm->ADOConn.Exec("insert into jxc_backup (back_auto,back_sj,back_days,back_path,back_exit) "
                         "values (:a,:h,:d,:p,:e)",
            { { "a", timed ? 1 : 0 }, { "h", hours }, { "d", days }, { "p", folder }, { "e", onExit ? 1 : 0 } });
        LoadSystemSettings();
    }
    static QStringList Sorted(QStringList l)
    {
        l.sort();
        return l;
    }
    QStringList Files(const QString& folder) const { return Sorted(QDir(folder).entryList(QDir::Files)); }
    void LayOutSkin()
    {
        QDir().mkpath(Folder() + "skinfiles");
        QFile::copy(
            SourceResource(QStringLiteral("skinfiles/iMaginary.skinres")), Folder() + "skinfiles/iMaginary.skinres");
    }

    std::unique_ptr<TF_MainForm> form;
    QStringList registered;
    std::map<QString, int> made;
    std::map<QString, std::function<void()>> scripts;
};

const QString kNoRight = QStringLiteral("\r\n\r\n或者没有可用的仓库。");

TEST_F(MainFormTest, GoodsInIsRefusedWithoutItsRightAndOpensWithAnyOfIt)
{
    Stand("TF_Cgjh");
    WholeReturnDocNo = "untouched";
    LogInWithRights("cggl", { 4, 5, 6, 13 });
    form->ClickFunction("btn_Menu1_Btn1");
    EXPECT_EQ(prompt.Messages(), QStringList { "您没有权限进行采购进货！" + kNoRight });
    EXPECT_EQ(prompt.History().last().caption, "系统提示");
    EXPECT_TRUE(Opened().isEmpty());
    EXPECT_EQ(WholeReturnDocNo, "untouched");

    prompt.Clear();
    LogInWithRights("cggl", { 2 });
    ExpectShown({ "TF_Cgjh" });
    form->ClickFunction("btn_Menu1_Btn1");
    EXPECT_EQ(Opened(), QStringList { "TF_Cgjh" });
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(MainFormTest, EachFunctionTestsItsOwnRight)
{
    struct Case {
        const char* button;
        const char* module;
        QList<int> positions; // any of them grants the function
        const char* label;
        const char* window;
    };
    const Case cases[] = {
        { "btn_Menu1_Btn7", "cggl", { 18, 19, 20 }, "采购订单！", "TF_Cgd" },
        { "btn_Menu2_Btn9", "xsgl", { 4, 5, 6 }, "销售退货！", "TF_Xsth" },
        { "img_Menu3_Cangku", "kcgl", { 1 }, "库存商品变动查询！", "TF_Kccx" },
        { "btn_Menu3_Btn6", "kcgl", { 11 }, "库存报警查询！", "TF_Kcbj" },
        { "btn_Menu4_Btn3", "tjgl", { 4 }, "收货对账单！", "TF_Shdzd" },
        { "btn_Menu8_Btn7", "wlzk", { 13, 15 }, "现金银行！", "TF_Xjyh" },
        { "btn_Menu6_BtnC1", "qtcz", { 13 }, "帐套管理！", "TF_Ztgl" },
        { "btn_Bqjl", "qtcz", { 1 }, "商品信息管理！", "TF_Spxxgl" },
        { "btn_Djcx", "tjgl", { 8 }, "单据查询！", "TF_Djcx" },
    };
    for (const Case& c : cases) {
        prompt.Clear();
        Stand(c.window);
        // Every right of the module but this function's.
        QList<int> others;
        for (int p = 1; p <= 60; ++p)
            if (!c.positions.contains(p))
                others << p;
        LogInWithRights(c.module, others);
        form->ClickFunction(c.button);
        EXPECT_EQ(prompt.Messages(),
            QStringList { QString::fromUtf8("您没有权限进行") + QString::fromUtf8(c.label) + kNoRight })
            << c.button;
        EXPECT_TRUE(Opened().isEmpty()) << c.button;

        for (int p : c.positions) {
            prompt.Clear();
            LogInWithRights(c.module, { p });
            ExpectShown({ c.window });
            form->ClickFunction(c.button);
            EXPECT_EQ(Opened(), QStringList { c.window }) << c.button << " " << p;
        }
    }
}

TEST_F(MainFormTest, RolesAreForTheAdministratorRoleOnlyAndMaintenanceForEveryone)
{
    Stand("TF_Role");
    Stand("TF_Xtwh");
    LogInWithRights("qtcz", QList<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 });
    form->ClickFunction("btn_Menu6_Btn7");
    EXPECT_EQ(prompt.Messages(), QStringList { "只有系统管理员才能使用此功能！" });
    ExpectShown({ "TF_Xtwh" });
    form->ClickFunction("btn_Menu6_BtnD");
    EXPECT_EQ(Opened(), QStringList { "TF_Xtwh" });

    prompt.Clear();
    CurrentRoleSn = "100001";
    ExpectShown({ "TF_Role" });
    form->ClickFunction("btn_Menu6_Btn7");
    EXPECT_EQ(Opened(), QStringList { "TF_Role" });
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(MainFormTest, KeptWindowsLiveOnAndFreedOnesAreMadeAtEachPress)
{
    Stand("TF_Kcdb"); // kept
    Stand("TF_User"); // freed
    ExpectShown({ "TF_Kcdb", "TF_Kcdb", "TF_User", "TF_User" });
    form->ClickFunction("btn_Menu3_Btn1");
    form->ClickFunction("btn_Menu3_Btn1");
    form->ClickFunction("btn_Menu6_Btn9");
    QPointer<Form> kept = FunctionWindows::KeptInstance("TF_Kcdb");
    form->ClickFunction("btn_Menu6_Btn9");
    EXPECT_EQ(made["TF_Kcdb"], 1);
    EXPECT_EQ(made["TF_User"], 2);
    EXPECT_FALSE(kept.isNull());
    EXPECT_EQ(FunctionWindows::KeptInstance("TF_User"), nullptr);
}

TEST_F(MainFormTest, TakeOversOfTheGoodsInWindowOpenTheirWindows)
{
    Stand("TF_Cgjh", [] {
        EXPECT_EQ(ExpenseDocToPrint, "0");
        EXPECT_TRUE(SourceDocNo.isEmpty());
        WholeReturnDocNo = "CJ2403050001";
        ResultText = "CJ2403050001";
    });
    Stand("TF_Cgth");
    Stand("TF_Bmly");
    Stand("TF_Spxs");
    SourceDocNo = "left over";
    ExpectShown({ "TF_Cgjh", "TF_Cgth", "TF_Spxs" });
    form->ClickFunction("btn_Menu1_Btn8");
    EXPECT_EQ(Opened(), (QStringList { "TF_Cgjh", "TF_Cgth", "TF_Spxs" }));

    // The sales window's whole-document return opens the sales return, and is emptied after.
    prompt.Clear();
    scripts["TF_Spxs"] = [] { WholeReturnDocNo = "XS2403050001"; };
    Stand("TF_Xsth", [] { EXPECT_EQ(WholeReturnDocNo, "XS2403050001"); });
    ExpectShown({ "TF_Spxs", "TF_Xsth" });
    form->ClickFunction("btn_Menu2_Btn1");
    EXPECT_EQ(Opened(), (QStringList { "TF_Spxs", "TF_Xsth" }));
    EXPECT_TRUE(WholeReturnDocNo.isEmpty());
}

TEST_F(MainFormTest, PanelVariantsFollowTheSettings)
{
    struct Case {
        int purchaseOrders, salesOrders, pos;
    };
    QRectF members, accountSets;
    for (const Case c : { Case { 0, 0, 0 }, Case { 1, 1, 1 }, Case { 1, 0, 1 }, Case { 0, 1, 0 } }) {
        dm->ADOConn.Exec(QString("update jxc_xtcs set cs_cs007=%1,cs_cs008=%2,cs_posblur=%3")
                             .arg(c.purchaseOrders)
                             .arg(c.salesOrders)
                             .arg(c.pos));
        LoadSystemSettings();
        const std::string at = QString("%1%2%3").arg(c.purchaseOrders).arg(c.salesOrders).arg(c.pos).toStdString();

        form->menu1_btnClick();
        EXPECT_TRUE(form->RzPanel_Menu1->isVisibleTo(form.get())) << at;
        EXPECT_FALSE(form->RzPanel_Menu2->isVisibleTo(form.get())) << at;
        EXPECT_TRUE(form->menu1_btn->isChecked()) << at;
        const FlowPicture* p1 = form->RzPanel_Menu1;
        EXPECT_EQ(p1->BoxShown("btn_Menu1_Btn1"), !c.purchaseOrders) << at;
        EXPECT_EQ(p1->BoxShown("btn_Menu1_Btn2"), !c.purchaseOrders) << at;
        for (const char* b : { "btn_Menu1_Btn7", "btn_Menu1_Btn8", "btn_Menu1_Btn9" })
            EXPECT_EQ(p1->BoxShown(b), bool(c.purchaseOrders)) << at << b;
        EXPECT_TRUE(p1->BoxShown("btn_Menu1_Btn5") && p1->BoxShown("img_Menu1_Cangku")) << at;

        form->menu2_btnClick();
        EXPECT_TRUE(form->RzPanel_Menu2->isVisibleTo(form.get())) << at;
        EXPECT_FALSE(form->RzPanel_Menu1->isVisibleTo(form.get())) << at;
        const FlowPicture* p2 = form->RzPanel_Menu2;
        EXPECT_EQ(p2->BoxShown("btn_Menu2_Btn1"), !c.salesOrders) << at;
        EXPECT_EQ(p2->BoxShown("btn_Menu2_Btn4"), !c.salesOrders) << at;
        for (const char* b : { "btn_Menu2_Btn3", "btn_Menu2_Btn8", "btn_Menu2_Btn9" })
            EXPECT_EQ(p2->BoxShown(b), bool(c.salesOrders)) << at << b;
        EXPECT_EQ(p2->BoxShown("btn_Menu2_BtnA"), bool(c.pos)) << at;
        EXPECT_EQ(p2->BoxShown("btn_Menu2_BtnB"), bool(c.pos)) << at;

        form->menu6_btnClick();
        EXPECT_EQ(form->RzPanel_Menu6->BoxShown("btn_Menu6_BtnC"), bool(c.pos)) << at;
        EXPECT_EQ(form->RzPanel_Menu6->BoxShown("btn_Menu6_BtnC1"), !c.pos) << at;
        (c.pos ? members : accountSets) = form->RzPanel_Menu6->BoxRect(c.pos ? "btn_Menu6_BtnC" : "btn_Menu6_BtnC1");
    }
    // Members and account sets take turns at one place.
    EXPECT_FALSE(members.isEmpty());
    EXPECT_EQ(members, accountSets);
}

TEST_F(MainFormTest, FunctionsWithoutTheirWindowAreShownDisabledAndSaySo)
{
    QPushButton* goodsIn = form->FunctionButton("btn_Menu1_Btn1");
    ASSERT_NE(goodsIn, nullptr);
    EXPECT_FALSE(goodsIn->isEnabled());
    EXPECT_EQ(goodsIn->toolTip(), TF_MainForm::kNotAvailable);
    QPushButton* posQuery = form->FunctionButton("btn_Menu2_BtnB");
    EXPECT_FALSE(posQuery->isEnabled());
    EXPECT_FALSE(form->btn_Djcx->isEnabled());
    for (QToolButton* always : { form->btn_Login, form->btn_ModiPwd, form->btn_Help, form->btn_Tcxt })
        EXPECT_TRUE(always->isEnabled()) << always->objectName().toStdString();

    Stand("TF_Cgjh");
    Stand("TF_Posxs_Ph");
    EXPECT_TRUE(goodsIn->isEnabled());
    EXPECT_TRUE(goodsIn->toolTip().isEmpty());
    EXPECT_TRUE(posQuery->isEnabled());
    const QList<QAction*> items = form->PopupMenu_Pos->actions();
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[2]->text(), "POS销售排行(&V)");
    EXPECT_TRUE(items[2]->isEnabled());
    EXPECT_FALSE(items[4]->isEnabled());
    EXPECT_EQ(items[4]->toolTip(), TF_MainForm::kNotAvailable);

    // The cashier takings item tests its own right, not the POS query's.
    Stand("TF_Posxs_Sytj");
    LogInWithRights("xsgl", { 22 });
    form->PosMenuClick(4);
    EXPECT_EQ(prompt.Messages(), QStringList { "您没有权限进行收银员收银统计！" + kNoRight });
    ExpectShown({ "TF_Posxs_Ph" });
    form->PosMenuClick(2);
    EXPECT_EQ(Opened(), QStringList { "TF_Posxs_Ph" });
}

TEST_F(MainFormTest, TheFirstShowingLogsInAndActivates)
{
    LayOutSkin();
    CurrentAdminName.clear();
    CurrentAccountSetName.clear();
    prompt.OnModal("TF_Login", [](QDialog* d) {
        EXPECT_TRUE(OpenMode.isEmpty()); // so cancelling would end the program
        static_cast<TF_Login*>(d)->btnOKClick();
        return d->result();
    });
    form->FormShow();
    EXPECT_EQ(F_Login, nullptr);
    EXPECT_EQ(form->RzStatusPane_Admin->text(), "操作员：admin");
    EXPECT_EQ(form->RzStatusPane_Rj->text(), "当前帐套:默认帐套");
    EXPECT_EQ(form->RzStatusPane_LoginTime->text(), "登录时间:2024-03-05 10:20:30");
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 200);
    EXPECT_EQ(form->ActivationCount(), 1);
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    qApp->setStyleSheet(QString());
}

TEST_F(MainFormTest, AMissingSkinIsReportedAndTheLoginStillRuns)
{
    CurrentAdminName.clear();
    prompt.OnModal("TF_Login", [](QDialog* d) {
        static_cast<TF_Login*>(d)->btnOKClick();
        return d->result();
    });
    form->FormShow();
    ASSERT_EQ(prompt.Messages().size(), 1);
    EXPECT_TRUE(prompt.LastMessage().contains("skinfiles/imaginary.skinres")); // shown in lower case
    EXPECT_EQ(CurrentAdminName, "admin");
    EXPECT_EQ(form->ActivationCount(), 1);
}

TEST_F(MainFormTest, ActivationShowsGoodsInPreparesTheMonthAndArmsTimedBackups)
{
    for (int hours : { 0, -3, 2 }) {
        ConfigureBackup(true, hours, 0, Folder() + "bk/", false);
        ExpenseDocToPrint = "1";
        form->menu4_btnClick();
        form->FormActivate();
        EXPECT_TRUE(form->RzPanel_Menu1->isVisibleTo(form.get()));
        EXPECT_TRUE(ExpenseDocToPrint.isEmpty());
        EXPECT_EQ(form->windowTitle(), "Vestora服装进销存管理系统 [" + CompanyShortName + "] 2023V2");
        EXPECT_EQ(form->TimerBackUp->isActive(), hours > 0) << hours;
        if (hours > 0)
            EXPECT_EQ(form->TimerBackUp->interval(), hours * 3600000);
    }
    EXPECT_GT(Count("jxc_kcjs", "js_rq='2024-03'"), 0);
    EXPECT_EQ(Count("jxc_kcjs", "js_rq='2024-03'"), Count("jxc_ckxx"));
}

TEST_F(MainFormTest, TheStartTimerOpensTheTipAndTheRemindersOnce)
{
    Stand("TF_Mryt");
    Stand("TF_Sjtx");
    for (auto [tip, reminders] : { std::pair { 1, 1 }, std::pair { 0, 1 }, std::pair { 0, 0 } }) {
        prompt.Clear();
        dm->ADOConn.Exec(QString("update jxc_xtcs set cs_mryt=%1,cs_tx=%2").arg(tip).arg(reminders));
        LoadSystemSettings();
        QStringList expected;
        if (tip)
            expected << "TF_Mryt";
        if (reminders)
            expected << "TF_Sjtx";
        ExpectShown(expected);
        form->Timer1->start(200);
        form->Timer1Timer();
        EXPECT_FALSE(form->Timer1->isActive());
        EXPECT_EQ(Opened(), expected);
    }
    EXPECT_EQ(made["TF_Mryt"], 1); // freed after its showing
}

TEST_F(MainFormTest, ANewLoginGivenUpKeepsTheOperatorAndUpdatesTheStatusBar)
{
    prompt.OnModal("TF_Login", [](QDialog* d) {
        EXPECT_EQ(OpenMode, "hb");
        static_cast<TF_Login*>(d)->btnCancelClick();
        return d->result();
    });
    form->btn_LoginClick();
    EXPECT_TRUE(OpenMode.isEmpty());
    EXPECT_FALSE(ProgramEnding());
    EXPECT_NE(F_Login, nullptr);
    EXPECT_EQ(form->RzStatusPane_Admin->text(), "操作员：admin");
    EXPECT_EQ(form->RzStatusPane_Rj->text(), "当前帐套:默认帐套");
    delete F_Login;
    F_Login = nullptr;
}

TEST_F(MainFormTest, AnsweringNoToTheExitQuestionChangesNothing)
{
    ConfigureBackup(false, 12, 15, Folder() + "bk/", true);
    QDir().mkpath(Folder() + "bk");
    prompt.Answer(Prompt::Answer::No);
    prompt.Answer(Prompt::Answer::No);
    form->FormKeyDown(Qt::Key_Escape);
    EXPECT_FALSE(form->FormClose());
    EXPECT_EQ(prompt.Questions(), QStringList(2, "是否要退出系统？"));
    EXPECT_EQ(prompt.History().last().caption, "信息提醒");
    EXPECT_EQ(Count("jxc_log"), 0);
    EXPECT_TRUE(Files(Folder() + "bk").isEmpty());
    EXPECT_FALSE(ProgramEnding());
    EXPECT_TRUE(ClosingFlag.isEmpty());
}

TEST_F(MainFormTest, TheExitBackupIsAWholeDatabaseWhileAnotherConnectionWrites)
{
    SQLITE_FILE_ONLY();
    ConfigureBackup(false, 12, 0, Folder() + "bk", true);
    QDir().mkpath(Folder() + "bk");
    // A second operator keeps writing while the copy is made.
    std::atomic<bool> stop { false };
    std::atomic<int> written { 0 };
    std::thread writer([&] {
        Connection other;
        other.Open(Folder() + "data/jxc.mdb");
        while (!stop && written < 2000) {
            other.Exec("insert into jxc_log (log_time,a_name,log_note) values ('2024-03-05 10:20:30','小王','写入')");
            ++written;
        }
    });
    while (written < 20)
        std::this_thread::yield();
    prompt.Answer(Prompt::Answer::Yes);
    const bool closed = form->FormClose();
    stop = true;
    writer.join();

    EXPECT_TRUE(closed);
    EXPECT_TRUE(ProgramEnding());
    EXPECT_EQ(ClosingFlag, "1");
    ASSERT_EQ(Files(Folder() + "bk"), QStringList { kBackupName });
    Connection copy;
    copy.Open(Folder() + "bk/" + kBackupName);
    Query q(&copy);
    q.SetSQL("pragma integrity_check");
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsString(), "ok");
    q.SetSQL("select count(*) from jxc_log where log_note='退出系统' and a_name='admin'");
    q.Open();
    EXPECT_EQ(q.FieldAt(0).AsString(), "1");
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(MainFormTest, TheExitBacksUpUnlessOnlyTimedBackupsAreOn)
{
    SQLITE_FILE_ONLY();
    struct Case {
        bool timed, onExit, backedUp;
    };
    for (const Case c : { Case { true, false, false }, Case { true, true, true }, Case { false, true, true } }) {
        QDir(Folder() + "bk").removeRecursively();
        QDir().mkpath(Folder() + "bk");
        ConfigureBackup(c.timed, 12, 0, Folder() + "bk/", c.onExit);
        ResetProgramEnding();
        prompt.Answer(Prompt::Answer::Yes);
        EXPECT_TRUE(form->FormClose());
        EXPECT_EQ(Files(Folder() + "bk").size(), c.backedUp ? 1 : 0) << c.timed << c.onExit;
    }
}

TEST_F(MainFormTest, WithNothingConfiguredTheBackupWritesTheDefaults)
{
    SQLITE_FILE_ONLY();
    ASSERT_EQ(Count("jxc_backup"), 0);
    LoadSystemSettings();
    EXPECT_TRUE(form->backupDatabase());
    EXPECT_EQ(Files(Folder() + "数据备份"), QStringList { kBackupName });
    EXPECT_EQ(Column("select back_auto||','||back_sj||','||back_days||','||back_exit||','||back_path from jxc_backup"),
        QStringList { "0,12,15,1," + Folder() + "数据备份/" });
}

TEST_F(MainFormTest, ASetOnAServerIsBackedUpByTheTimedBackupToo)
{
    if (!TestDb::OnServer())
        GTEST_SKIP() << "about a set on a server";
    const QString bk = Folder() + "bk/";
    QDir().mkpath(bk);
    ConfigureBackup(true, 12, 0, bk, false);
    EXPECT_TRUE(form->backupDatabase());
    EXPECT_EQ(Files(bk), QStringList { kBackupName });
    QFile dump(bk + kBackupName);
    EXPECT_GT(dump.size(), 0);
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(MainFormTest, AFailedBackupIsReportedAndKeepsTheOldCopies)
{
    ConfigureBackup(true, 12, 1, Folder() + "missing/", false);
    EXPECT_FALSE(form->backupDatabase());
    ASSERT_EQ(prompt.Messages().size(), 1);
    EXPECT_TRUE(prompt.LastMessage().startsWith("数据备份失败！"));
    EXPECT_FALSE(QDir(Folder() + "missing").exists());
}

TEST_F(MainFormTest, OldBackupsPastTheKeptDaysAreDeleted)
{
    SQLITE_FILE_ONLY();
    const QString bk = Folder() + "bk/";
    QDir().mkpath(bk);
    const QDateTime midnight(QDate(2024, 3, 5), QTime(0, 0));
    const std::map<QString, QDateTime> files = {
        { "默认帐套24_02_18_09_00_00.DAT", midnight.addDays(-16) },
        { "其他帐套24_02_15_09_00_00.DAT", midnight.addDays(-20) },
        { "lower.dat", midnight.addDays(-20) },
        { "默认帐套24_02_19_00_00_00.DAT", midnight.addDays(-15) },
        { "默认帐套24_03_01_09_00_00.DAT", midnight.addDays(-3) },
        { "notes.txt", midnight.addDays(-30) },
    };
    for (const auto& [name, written] : files) {
        QFile f(bk + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.close();
        ASSERT_TRUE(f.open(QIODevice::Append));
        ASSERT_TRUE(f.setFileTime(written, QFileDevice::FileModificationTime));
    }
    ConfigureBackup(true, 12, 15, bk, false);
    EXPECT_TRUE(form->backupDatabase());
    EXPECT_EQ(Files(bk),
        Sorted({ kBackupName, "notes.txt", "默认帐套24_02_19_00_00_00.DAT", "默认帐套24_03_01_09_00_00.DAT" }));

    // Zero days keeps everything.
    ConfigureBackup(true, 12, 0, bk, false);
    QFile old(bk + "默认帐套24_02_19_00_00_00.DAT");
    old.open(QIODevice::Append);
    old.setFileTime(midnight.addDays(-400), QFileDevice::FileModificationTime);
    old.close();
    form->deleteBackupFiles(bk);
    EXPECT_EQ(Files(bk).size(), 4);
}

TEST(BackupFileNameTest, TheAccountSetNameIsMadeSafeForAFileName)
{
    const QDateTime at(QDate(2024, 3, 5), QTime(9, 7, 3));
    EXPECT_EQ(BackupFileName("默认帐套", at), "默认帐套24_03_05_09_07_03.DAT");
    EXPECT_EQ(BackupFileName("总店/分店:2*?", at), "总店_分店_2__24_03_05_09_07_03.DAT");
    EXPECT_EQ(BackupFileName("a\\b\"c<d>e|f\tg", at), "a_b_c_d_e_f_g24_03_05_09_07_03.DAT");
}

TEST_F(MainFormTest, F1OpensTheHelpAndTheHelpButtonTheGuide)
{
    form->FormKeyDown(Qt::Key_F1);
    form->btn_HelpClick();
    QStringList urls;
    for (const auto& s : prompt.History())
        if (s.kind == "url")
            urls << s.text;
    EXPECT_EQ(urls,
        (QStringList { QUrl::fromLocalFile(Folder() + "readme.htm").toString(),
            QUrl::fromLocalFile(Folder() + "readme2.htm").toString() }));
}

} // namespace
