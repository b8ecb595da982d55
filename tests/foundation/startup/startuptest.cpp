#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/loading.h"
#include "foundation/mainform.h"
#include "foundation/startup.h"
#include "platform/db/dberror.h"
#include "support/accountset.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QTimer>
#include <memory>

namespace {

const QString kBadDatabase = QStringLiteral("数据库格式不可识别！\r\n\r\n系统将退出！");

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

TEST_F(DataModuleTest, ConnectExcelChoosesTheReaderByTheLowerCaseExtension)
{
    ConnectExcel("/x/IMPORT.XLS");
    EXPECT_TRUE(dm->ExcelConnectionString.contains("excel 8.0"));
    ConnectExcel("/x/import.xlsx");
    EXPECT_TRUE(dm->ExcelConnectionString.contains("Excel 12.0"));
    ConnectExcel("/x/import.csv");
    EXPECT_TRUE(dm->ExcelConnectionString.contains("HDR=YES"));
    EXPECT_FALSE(dm->XLSConn.Connected());
    CloseExcel();
    CloseAccountSets(); // closed already: nothing happens
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
    EXPECT_EQ(prompt.ModalNames(), QStringList({"TF_Loading"}));
    EXPECT_TRUE(prompt.Messages().isEmpty());
}

TEST_F(StartUpTest, ASecondCopyEndsSilently)
{
    std::unique_ptr<QLockFile> first(AcquireSingleInstance("vestpos"));
    ASSERT_TRUE(first) << "another Vestora is running on this machine";
    std::unique_ptr<QLockFile> second(AcquireSingleInstance("vestpos"));
    EXPECT_FALSE(second);
    const int windowsBefore = int(QApplication::topLevelWidgets().size());
    char name[] = "vestora";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(RunProgram(1, argv), 0);
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), windowsBefore);
    EXPECT_TRUE(prompt.History().isEmpty());
    first.reset();
    std::unique_ptr<QLockFile> again(AcquireSingleInstance("vestpos"));
    EXPECT_TRUE(again);
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
