#include "foundation/backup.h"
#include "foundation/datamodule.h"
#include "foundation/mainform.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "support/accountset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <thread>

namespace {

const QDateTime kMoment(QDate(2024, 3, 5), QTime(10, 20, 30));

QStringList DatFiles(const QString& folder)
{
    QStringList l = QDir(folder).entryList(QDir::Files);
    l.sort();
    return l;
}

bool SoundCopy(const QString& file)
{
    Connection c;
    c.Open(file);
    return SelectColumn(c, "pragma quick_check") == QStringList { "ok" };
}

class BackupTest : public FileAccountSetTest {
protected:
    void SetUp() override
    {
        FileAccountSetTest::SetUp();
        if (IsSkipped())
            return;
        bk = Folder() + "bk/";
        QDir().mkpath(bk);
    }

    // Fills a table of its own and then overwrites the file's last pages, which hold its
    // rows, as a failing disk would; the file still opens.
    void DamageTheAccountSet()
    {
        ExecSQL("create table t_filler (id integer primary key, v text)");
        ExecSQL("insert into t_filler (v) select hex(randomblob(300)) from "
                "(with recursive n(i) as (select 1 union all select i+1 from n where i<2000) select i from n)");
        const QString file = dm->ADOConn.FileName();
        dm->ADOConn.Close();
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 page = 4096;
        ASSERT_GT(f.size(), 20 * page);
        f.seek(f.size() - 8 * page);
        f.write(QByteArray(4 * page, '\xA5'));
        f.close();
        ConnectDatabase("jxc.mdb");
    }

    QString bk;
};

TEST_F(BackupTest, TwoBackupsOfTheSameSecondBothSucceed)
{
    const BackupResult first = BackupDatabaseTo(dm->ADOConn, bk, "默认帐套", kMoment);
    const BackupResult second = BackupDatabaseTo(dm->ADOConn, bk, "默认帐套", kMoment);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    ASSERT_TRUE(second.ok) << second.error.toStdString();
    EXPECT_EQ(DatFiles(bk), (QStringList { "默认帐套24_03_05_10_20_30.DAT", "默认帐套24_03_05_10_20_30_2.DAT" }));

    // Two copies of the same second written at the same time, as two programs would.
    QDir(bk).removeRecursively();
    QDir().mkpath(bk);
    BackupResult results[2];
    std::thread runs[2];
    for (int i = 0; i < 2; ++i)
        runs[i] = std::thread([&, i] {
            Connection own;
            own.Open(Folder() + "data/jxc.mdb");
            results[i] = BackupDatabaseTo(own, bk, "默认帐套", kMoment);
        });
    for (std::thread& t : runs)
        t.join();
    for (const BackupResult& r : results)
        EXPECT_TRUE(r.ok) << r.error.toStdString();
    const QStringList files = DatFiles(bk);
    ASSERT_EQ(files.size(), 2) << files.join(' ').toStdString();
    for (const QString& f : files)
        EXPECT_TRUE(SoundCopy(bk + f)) << f.toStdString();
}

TEST_F(BackupTest, FailuresNameTheBackupFileAndTheReasonInTheOperatorsWords)
{
    BackupResult r = BackupDatabaseTo(dm->ADOConn, Folder() + "missing", "默认帐套", kMoment);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "备份文件夹不存在：" + QDir::toNativeSeparators(Folder() + "missing"));

    Connection closed;
    r = BackupDatabaseTo(closed, bk, "默认帐套", kMoment);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(
        r.error.startsWith("无法写入备份文件：" + QDir::toNativeSeparators(bk + "默认帐套24_03_05_10_20_30.DAT")))
        << r.error.toStdString();
    EXPECT_FALSE(r.error.contains(".part"));
    EXPECT_TRUE(DatFiles(bk).isEmpty());

    struct Case {
        const char* raw;
        bool writable, space;
        const char* reason;
    };
    for (const Case& c : { Case { "database or disk is full", true, true, "磁盘空间不足" },
             Case { "disk I/O error", true, false, "磁盘空间不足" },
             Case { "unable to open database file", true, true, "没有写入备份文件夹的权限" },
             Case { "disk I/O error", false, true, "没有写入备份文件夹的权限" },
             Case { "attempt to write a readonly database", true, true, "没有写入备份文件夹的权限" },
             Case { "disk I/O error", true, true, "disk I/O error" } })
        EXPECT_EQ(BackupFailureReason(c.raw, c.writable, c.space), c.reason) << c.raw << c.writable << c.space;
}

TEST_F(BackupTest, ACopyOfADamagedDatabaseIsAFailedBackupAndPrunesNothing)
{
    DamageTheAccountSet();
    const BackupResult r = BackupDatabaseTo(dm->ADOConn, bk, "默认帐套", kMoment);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("备份副本校验未通过")) << r.error.toStdString();
    EXPECT_TRUE(DatFiles(bk).isEmpty());

    // Through the main window: an old good copy past the kept days stays.
    QFile old(bk + "默认帐套24_02_01_09_00_00.DAT");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("x");
    ASSERT_TRUE(old.setFileTime(kMoment.addDays(-30), QFileDevice::FileModificationTime));
    old.close();
    ExecSQL("delete from jxc_backup");
    dm->ADOConn.Exec("insert into jxc_backup (back_auto,back_sj,back_days,back_path,back_exit) "
                     "values (1,12,15,:p,0)",
        { { "p", bk } });
    LoadSystemSettings();
    TF_MainForm form;
    EXPECT_FALSE(form.backupDatabase());
    EXPECT_EQ(DatFiles(bk), QStringList { "默认帐套24_02_01_09_00_00.DAT" });
    ASSERT_EQ(prompt.Messages().size(), 1);
    EXPECT_TRUE(prompt.LastMessage().startsWith("数据备份失败！")) << prompt.LastMessage().toStdString();
}

} // namespace
