#include "foundation/datamodule.h"
#include "foundation/dbfaults.h"
#include "foundation/globals.h"
#include "foundation/loading.h"
#include "foundation/mainform.h"
#include "foundation/settings.h"
#include "foundation/startup.h"
#include "platform/db/dberror.h"
#include "support/accountset.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <functional>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kBadDatabase = QStringLiteral("数据库格式不可识别！\r\n\r\n系统将退出！");
const QString kWillExit = QStringLiteral("\r\n\r\n系统将退出！");

// The file's bytes, or "" when it is not there.
QByteArray Fingerprint(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256).toHex() + ":"
        + QByteArray::number(f.size());
}

void WriteFile(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray RandomBytes(int n)
{
    QByteArray b(n, '\0');
    QRandomGenerator gen(15);
    for (char& c : b)
        c = char(gen.bounded(256));
    return b;
}

using DataModuleTest = AccountSetTest;

TEST_F(DataModuleTest, ScalarOfNoRowOrOfANullIsEmpty)
{
    ExecSQL("create table t_probe (id integer primary key autoincrement, v varchar(8) collate nocase)");
    ExecSQL("insert into t_probe (v) values (null)");
    EXPECT_EQ(QueryScalar("select v from t_probe where 1>2"), "");
    EXPECT_EQ(QueryScalar("select v from t_probe"), "");
    ExecSQL("insert into t_probe (v) values ('x')");
    EXPECT_EQ(QueryScalar("select count(*) from t_probe"), "2");
    EXPECT_FALSE(dm->QueryTmp.Active());

    OpenSelect("select * from t_probe order by id");
    EXPECT_EQ(dm->QuerySelect.RecordCount(), 2);
}

TEST_F(DataModuleTest, DropTableIfExistsIsSilentForAMissingTable)
{
    DropTableIfExists("jxc_no_such_table");
    ExecSQL("create table t_gone (id integer)");
    DropTableIfExists("t_gone");
    EXPECT_FALSE(dm->ADOConn.TableExists("t_gone"));
    EXPECT_TRUE(prompt.History().isEmpty());

    // A table that is there but cannot be dropped (a view by that name) raises.
    dm->ADOConn.Exec("create view t_view as select 1 as id");
    EXPECT_ANY_THROW(DropTableIfExists("t_view"));
    EXPECT_TRUE(dm->ADOConn.TableExists("t_view"));
}

TEST_F(DataModuleTest, ErrorsReachTheHandlerInLowerCaseAndOnlyTheDeliveredSetEndsTheProgram)
{
    ResetProgramEnding();
    try {
        ExecSQL("SELECT * FROM JXC_MISSING");
        FAIL() << "no error";
    } catch (const std::exception& e) {
        dm->ApplicationEvents1Exception(nullptr, e);
    }
    ASSERT_EQ(prompt.Messages().size(), 1);
    EXPECT_TRUE(prompt.LastMessage().contains("jxc_missing"));
    EXPECT_EQ(prompt.LastMessage(), prompt.LastMessage().toLower());
    EXPECT_EQ(prompt.History().last().caption, "系统提示");
    EXPECT_FALSE(ProgramEnding());

    // A missing further account set is reported, and the program goes on.
    try {
        ConnectDatabase("jxc_1002.mdb");
        FAIL() << "a missing set connected";
    } catch (const std::exception& e) {
        dm->ApplicationEvents1Exception(nullptr, e);
    }
    EXPECT_TRUE(prompt.LastMessage().contains("jxc_1002.mdb"));
    EXPECT_FALSE(ProgramEnding());

    dm->ApplicationEvents1Exception(nullptr, DbError("Unrecognized database format", Folder() + "data/JXC.MDB"));
    EXPECT_EQ(prompt.LastMessage(), kBadDatabase);
    EXPECT_TRUE(ProgramEnding());
    ResetProgramEnding();
}

using StartUpTest = UiTest;

TEST_F(StartUpTest, AMissingDeliveredDatabaseEndsStartUp)
{
    ProgramWindows w;
    EXPECT_FALSE(StartProgram(w));
    EXPECT_EQ(prompt.LastMessage(), kBadDatabase);
    EXPECT_TRUE(ProgramEnding());
    EXPECT_FALSE(w.mainForm->isVisible());
    ResetProgramEnding();
}

TEST_F(StartUpTest, ReadOnlyDeliveredDatabaseIsMadeWritableAndConnected)
{
    LayOutAccountSet(Folder());
    const QString file = Folder() + "data/jxc.mdb";
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    ProgramWindows w;
    ASSERT_TRUE(StartProgram(w));
    EXPECT_TRUE(QFile::permissions(file) & QFileDevice::WriteOwner);
    EXPECT_TRUE(w.dataModule->ADOConn.Connected());
    EXPECT_EQ(F_DataModule, w.dataModule.get());
    EXPECT_EQ(F_MainForm, w.mainForm.get());
    EXPECT_EQ(prompt.ModalNames(), QStringList({ "TF_Loading" }));
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(StartUpTest, AnUnusableDeliveredDatabaseIsToldApartFromAnUnwritableOneAndLeftAsItWas)
{
    const QString file = Folder() + "data/jxc.mdb";
    const QString folder = Folder() + "data";
    const QString cannotWriteFile = "数据库文件无法写入：" + QDir::toNativeSeparators(file) + kWillExit;
    const QString cannotWriteFolder = "数据库文件无法写入：" + QDir::toNativeSeparators(folder) + kWillExit;
    struct Case {
        const char* what;
        std::function<void()> arrange;
        QString message;
    };
    const Case cases[] = {
        { "missing", [&] { QFile::remove(file); }, kBadDatabase },
        { "zero bytes", [&] { QFile::resize(file, 0); }, kBadDatabase },
        { "truncated", [&] { QFile::resize(file, QFileInfo(file).size() / 2); }, kBadDatabase },
        { "random bytes", [&] { WriteFile(file, RandomBytes(8192)); }, kBadDatabase },
        { "a database of something else",
            [&] {
                QFile::remove(file);
                Connection other;
                other.Open(file, Connection::OpenMode::CreateIfMissing);
                other.Exec("create table t_other (id integer)");
            },
            kBadDatabase },
        // Root may write anything, so the system's answer is stood in for.
        { "read-only file", [&] { SetWritableCheck([&](const QString& p) { return p != file; }); }, cannotWriteFile },
        { "read-only folder", [&] { SetWritableCheck([&](const QString& p) { return p != folder; }); },
            cannotWriteFolder },
        // What SQLite meets when it cannot create the log beside the file, even as root.
        { "log cannot be created", [&] { ASSERT_TRUE(QDir().mkpath(file + "-wal")); }, cannotWriteFolder },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(folder).removeRecursively();
        LayOutAccountSet(Folder());
        c.arrange();
        const QByteArray before = Fingerprint(file);
        prompt.Clear();
        ResetProgramEnding();
        {
            ProgramWindows w;
            EXPECT_FALSE(StartProgram(w));
            EXPECT_FALSE(w.dataModule->ADOConn.Connected());
        }
        SetWritableCheck(nullptr);
        EXPECT_EQ(prompt.Messages(), QStringList { c.message });
        EXPECT_TRUE(ProgramEnding());
        EXPECT_EQ(ProgramExitCode(), 1);
        EXPECT_EQ(Fingerprint(file), before);
    }
    ResetProgramEnding();
}

TEST_F(StartUpTest, AFurtherSetThatCannotBeWrittenIsReportedAndTheProgramGoesOn)
{
    LayOutAccountSet(Folder());
    ASSERT_TRUE(QFile::copy(Folder() + "data/jxc.mdb", Folder() + "data/jxc_1002.mdb"));
    ResetProgramEnding();
    TF_DataModule dm;
    dm.DataModuleCreate();
    SetWritableCheck([](const QString& p) { return !p.endsWith("jxc_1002.mdb"); });
    try {
        ConnectDatabase("jxc_1002.mdb");
        ADD_FAILURE() << "connected";
    } catch (const std::exception& e) {
        dm.ApplicationEvents1Exception(nullptr, e);
    }
    SetWritableCheck(nullptr);
    EXPECT_EQ(prompt.Messages(),
        QStringList { "数据库文件无法写入：" + QDir::toNativeSeparators(Folder() + "data/jxc_1002.mdb") });
    EXPECT_FALSE(ProgramEnding());
}

// Each user's runtime folder is a temporary one, so that the test neither meets
// nor leaves a lock of a real session.
class SingleInstanceTest : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        saved_ = qgetenv("XDG_RUNTIME_DIR");
        UseRuntimeFolder("me");
    }
    void TearDown() override
    {
        qputenv("XDG_RUNTIME_DIR", saved_);
        UiTest::TearDown();
    }
    QString UseRuntimeFolder(const QString& user)
    {
        const QString folder = users_.path() + "/" + user;
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", folder.toUtf8());
        return folder;
    }

private:
    QByteArray saved_;
    QTemporaryDir users_;
};

TEST_F(SingleInstanceTest, ASecondCopyOfTheSameUserEndsSilently)
{
    std::unique_ptr<QLockFile> first(AcquireSingleInstance("vestpos"));
    ASSERT_TRUE(first);
    EXPECT_FALSE(std::unique_ptr<QLockFile>(AcquireSingleInstance("vestpos")));
    const int windowsBefore = int(QApplication::topLevelWidgets().size());
    char name[] = "vestora";
    char* argv[] = { name, nullptr };
    EXPECT_EQ(RunProgram(1, argv), 0);
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), windowsBefore);
    EXPECT_TRUE(prompt.History().isEmpty());
    first.reset();
    EXPECT_TRUE(std::unique_ptr<QLockFile>(AcquireSingleInstance("vestpos")));
}

TEST_F(SingleInstanceTest, AnotherUsersCopyIsNotConsulted)
{
    const QString other = UseRuntimeFolder("other");
    std::unique_ptr<QLockFile> theirs(AcquireSingleInstance("vestpos"));
    ASSERT_TRUE(theirs);
    EXPECT_TRUE(QFile::exists(other + "/vestpos.lock"));
    const QString mine = UseRuntimeFolder("me");
    std::unique_ptr<QLockFile> own(AcquireSingleInstance("vestpos"));
    EXPECT_TRUE(own);
    EXPECT_EQ(SingleInstanceLockFile("vestpos"), mine + "/vestpos.lock");
}

TEST_F(SingleInstanceTest, TheLockOfACopyThatDiedIsTakenOver)
{
    const QString lockFile = SingleInstanceLockFile("vestpos");
    // A copy that takes the lock and ends without giving it back, as a crash would.
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(lockFile);
        lock.setStaleLockTime(0);
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(lockFile));
    std::unique_ptr<QLockFile> lock(AcquireSingleInstance("vestpos"));
    EXPECT_TRUE(lock);
}

class ExitSignalTest : public FileAccountSetTest {
protected:
    void SetUp() override
    {
        FileAccountSetTest::SetUp();
        if (IsSkipped())
            return;
        ResetProgramEnding();
        ClosingFlag.clear();
        LoadSystemSettings();
    }
    void TearDown() override
    {
        RemoveExitSignals();
        ResetProgramEnding();
        ClosingFlag.clear();
        FileAccountSetTest::TearDown();
    }
    void RaiseAndWait(int signal)
    {
        ASSERT_EQ(raise(signal), 0);
        QDeadlineTimer deadline(5000);
        while (!ProgramEnding() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
};

TEST_F(ExitSignalTest, TermAndHangUpRunTheExitAsIfItWereConfirmed)
{
    for (int signal : { SIGTERM, SIGHUP }) {
        SCOPED_TRACE(signal);
        ExecSQL("delete from jxc_log");
        QDir(Folder() + "数据备份").removeRecursively();
        ResetProgramEnding();
        TF_MainForm main;
        InstallExitSignals([&] { ExitWithoutAsking(&main); });
        RaiseAndWait(signal);
        EXPECT_TRUE(ProgramEnding());
        EXPECT_EQ(ProgramExitCode(), 0);
        EXPECT_EQ(ClosingFlag, "1");
        EXPECT_EQ(Column("select a_name || ':' || log_note from jxc_log"), QStringList { "admin:退出系统" });
        EXPECT_EQ(QDir(Folder() + "数据备份").entryList({ "*.DAT" }, QDir::Files).size(), 1);
        EXPECT_TRUE(prompt.Questions().isEmpty());
        RemoveExitSignals();
    }
}

TEST_F(ExitSignalTest, BeforeTheFirstLoginASignalJustEndsTheProgram)
{
    CurrentAdminName.clear();
    TF_MainForm main;
    InstallExitSignals([&] { ExitWithoutAsking(&main); });
    RaiseAndWait(SIGTERM);
    EXPECT_TRUE(ProgramEnding());
    EXPECT_EQ(Count("jxc_log"), 0);
    EXPECT_FALSE(QDir(Folder() + "数据备份").exists());
}

TEST_F(StartUpTest, SplashStepsItsTextOncePerTickAndClosesOnTheThird)
{
    TF_Loading s;
    s.show();
    EXPECT_EQ(s.windowTitle(), "Vestora服装进销存管理系统");
    EXPECT_EQ(s.lMsg->text(), "正在装载系统......");
    EXPECT_EQ(s.Step, 1);
    EXPECT_TRUE(s.Timer1->isActive());
    EXPECT_EQ(s.Timer1->interval(), 1000);
    EXPECT_EQ(BrandWord, "Vestora");
    EXPECT_EQ(ProductVersion, "2023V2");

    s.Timer1Timer();
    EXPECT_EQ(s.lMsg->text(), "正在设置环境参数......");
    EXPECT_EQ(s.Step, 2);
    s.Timer1Timer();
    EXPECT_EQ(s.lMsg->text(), "系统即将启动......");
    EXPECT_EQ(s.Step, 3);
    EXPECT_TRUE(s.isVisible());
    s.Timer1Timer();
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(s.Timer1->isActive());
}

TEST(DateTimeFormats, ForcedOnlyWhenTheSystemFormDiffers)
{
    EXPECT_FALSE(ForceDateTimeFormats("2024-03-05 10:20:30", "2024-03-05 10:20:30"));
    EXPECT_TRUE(ForceDateTimeFormats("05/03/2024 10:20", "2024-03-05 10:20:30"));
    EXPECT_EQ(ShortDateFormat, "yyyy-MM-dd");
    EXPECT_EQ(LongTimeFormat, "HH:mm:ss");
}

} // namespace
