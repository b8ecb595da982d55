#include "admin/adminwindows.h"
#include "admin/backupwindow.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "support/accountset.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace {

class BackupWindowTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        RegisterAdminWindows();
        backups = Folder() + "backups";
        QDir().mkpath(backups);
    }

    // Runs the window with a script while it shows.
    void WithWindow(std::function<void(TF_Backup&)> script)
    {
        TF_Backup w;
        prompt.OnModal("TF_Backup", [&](QDialog* d) {
            script(*static_cast<TF_Backup*>(d));
            d->reject();
            return d->result();
        });
        w.ShowModal();
    }

    void Touch(const QString& file, int daysBack)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.flush();
        f.setFileTime(Clock::Now().addDays(-daysBack), QFileDevice::FileModificationTime);
    }

    QString backups;
};

TEST_F(BackupWindowTest, TheFolderIsTheSameWithOrWithoutATrailingSeparator)
{
    EXPECT_EQ(BackupFolderOf(backups), backups + "/");
    EXPECT_EQ(BackupFolderOf(" " + backups + "/ "), backups + "/");
    EXPECT_EQ(BackupFolderOf(backups + "\\"), backups + "/");
}

TEST_F(BackupWindowTest, ABackupSavesTheSettingsCopiesTheSetAndPrunesOldCopies)
{
    Touch(backups + "/old.DAT", 9);
    Touch(backups + "/recent.DAT", 3);
    Touch(backups + "/notes.txt", 30);
    AutoBackup = "1";
    WithWindow([&](TF_Backup& w) {
        w.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), "备份路径必须填写！");
        w.tPath->setText(backups);
        w.chkAuto->setChecked(false);
        w.chkExit->setChecked(true);
        w.comDays->setCurrentIndex(w.comDays->findText("7"));
        w.btnOKClick();
    });
    EXPECT_EQ(prompt.LastMessage(), "备份完成！");
    EXPECT_EQ(
        Scalar("select back_auto||'/'||back_exit||'/'||back_days||'/'||back_path from jxc_backup"), "0/1/7/" + backups);
    EXPECT_EQ(AutoBackup, "0");
    EXPECT_EQ(BackupOnExit, "1");
    EXPECT_EQ(QDir(backups).entryList(QDir::Files, QDir::Name),
        QStringList({ "notes.txt", "recent.DAT", "默认帐套24_03_05_10_20_30.DAT" }));
}

TEST_F(BackupWindowTest, ALongPathIsUsedButNotStoredAndAMissingFolderIsRefused)
{
    QString deep = backups;
    while (deep.size() <= 128)
        deep += "/子目录";
    QDir().mkpath(deep);
    ExecSQL("insert into jxc_backup (back_auto,back_sj,back_days,back_path,back_exit) values (1,3,9,'x',0)");
    WithWindow([&](TF_Backup& w) {
        // An unknown day count shows as 7.
        EXPECT_EQ(w.comDays->currentText(), "7");
        EXPECT_EQ(w.tsj->value(), 3);
        EXPECT_TRUE(w.tsj->isEnabled());
        w.tPath->setText(deep);
        w.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), "备份完成！");
        EXPECT_EQ(QDir(deep).entryList({ "*.DAT" }).size(), 1);
        w.tPath->setText(Folder() + "missing");
        w.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), "备份失败，文件夹不存在！");
    });
    WithWindow([&](TF_Backup& w) {
        // The long path was not stored; the missing folder was (settings are saved first).
        EXPECT_EQ(Scalar("select count(*) from jxc_backup"), "1");
        EXPECT_EQ(w.tPath->text(), Folder() + "missing");
    });
    EXPECT_EQ(AutoBackup, "1");
}

TEST_F(BackupWindowTest, ARestoreChecksTheFileAndKeepsTheReplacedDatabase)
{
    ExecSQL("insert into jxc_goods (g_sn,g_name) values ('G1','衬衫')");
    ExecSQL(
        "insert into jxc_backup (back_auto,back_sj,back_days,back_path,back_exit) values (0,12,0,'" + backups + "',0)");
    WithWindow([&](TF_Backup& w) { w.btnOKClick(); });
    const QStringList made = QDir(backups).entryList({ "*.DAT" });
    ASSERT_EQ(made.size(), 1);
    ExecSQL("delete from jxc_goods where g_sn='G1'");
    ExecSQL("update jxc_xtcs set cs_hbfh='$'");
    QFile text(Folder() + "text.DAT");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some text, not a database");
    text.close();

    WithWindow([&](TF_Backup& w) {
        w.PageControl1->setCurrentIndex(1);
        w.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), "恢复路径必须填写！");
        w.tPath1->setText(text.fileName());
        w.btnOKClick();
        EXPECT_TRUE(prompt.LastMessage().startsWith("数据恢复失败！\r\n\r\n")) << prompt.LastMessage().toStdString();
        EXPECT_EQ(Count("jxc_goods", "g_sn='G1'"), 0);
        w.tPath1->setText(backups + "/" + made[0]);
        w.btnOKClick();
        EXPECT_EQ(prompt.LastMessage(), "恢复完成！");
    });
    EXPECT_EQ(Count("jxc_goods", "g_sn='G1'"), 1);
    // The settings of the restored set are the ones in force.
    EXPECT_EQ(CurrencySign, Scalar("select cs_hbfh from jxc_xtcs"));
    EXPECT_NE(CurrencySign, "$");
    // The failed attempt kept nothing; the restore kept the database it replaced.
    EXPECT_EQ(QDir(backups).entryList({ "*.DAT" }).size(), 2);
}

}
