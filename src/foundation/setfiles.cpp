#include "foundation/setfiles.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/serverset.h"
#include "platform/ui/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString setFile(const QString& dbName)
{
    return ProgramFolder::File(QStringLiteral("data/") + dbName);
}

bool isInUse(const QString& dbName)
{
    return !dbName.isEmpty() && dbName == CurrentDbName;
}

// The checks of a candidate that may be opened and changed (a copy of the chosen file).
QString candidateProblem(const QString& part)
{
    QFile f(part);
    if (!f.open(QIODevice::ReadOnly) || f.read(16) != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("所选文件不是本系统的数据库备份文件");
    f.close();
    try {
        Connection c;
        c.Open(part);
        const bool settings = c.TableExists(QStringLiteral("jxc_xtcs"));
        c.Close();
        if (!settings)
            return QStringLiteral("所选文件不是本系统的帐套数据（缺少系统设置表）");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    const QString problem = DatabaseCopyProblem(part);
    if (!problem.isEmpty())
        return QStringLiteral("所选文件已损坏（") + problem + QStringLiteral("）");
    return QString();
}

void removeJournals(const QString& file)
{
    QFile::remove(file + QStringLiteral("-wal"));
    QFile::remove(file + QStringLiteral("-shm"));
}

// Puts the checked copy in place of the set's file; the old file comes back when
// the swap fails half-way.
QString swapIn(const QString& part, const QString& target)
{
    const QString old = target + QStringLiteral(".old");
    QFile::remove(old);
    if (QFile::exists(target) && !QFile::rename(target, old))
        return QStringLiteral("无法替换帐套文件：") + QDir::toNativeSeparators(target);
    removeJournals(target);
    if (!QFile::rename(part, target)) {
        QFile::rename(old, target);
        return QStringLiteral("无法替换帐套文件：") + QDir::toNativeSeparators(target);
    }
    QFile::remove(old);
    removeJournals(old);
    return QString();
}

void reopenInUse(const QString& dbName)
{
    ConnectDatabase(dbName);
    LoadSystemSettings();
}

} // namespace

QString AccountSetPassword(const QString& dbName)
{
    if (!Connection::IsServerAddress(dbName))
        return QString();
    Connection catalogue;
    catalogue.Open(ProgramFolder::File(QStringLiteral("data/codeinfo.dll")));
    return SelectScalar(catalogue, QStringLiteral("select zt_dbpwd from jxc_xtzt where zt_dbname=:name"),
        { { QStringLiteral("name"), dbName } });
}

BackupResult BackupAccountSet(
    const QString& dbName, const QString& folder, const QString& namePart, const QDateTime& moment)
{
    if (Connection::IsServerAddress(dbName)) {
        BackupResult r;
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
            r.error = QStringLiteral("备份文件夹不存在：") + QDir::toNativeSeparators(folder);
            return r;
        }
        // Like a file set's copy, a copy of the same second never replaces an earlier one.
        const QString base = BackupFileName(namePart, moment).chopped(4);
        QString target = QDir(folder).filePath(base + QStringLiteral(".DAT"));
        for (int n = 2; QFile::exists(target); ++n)
            target = QDir(folder).filePath(base + QStringLiteral("_%1.DAT").arg(n));
        r.ok = BackupServerSet(dbName, AccountSetPassword(dbName), target, &r.error);
        if (r.ok)
            r.file = target;
        return r;
    }
    const QString file = setFile(dbName);
    const Connection& current = F_DataModule->ADOConn;
    if (current.Connected() && QFileInfo(current.FileName()) == QFileInfo(file))
        return BackupDatabaseTo(current, folder, namePart, moment);
    try {
        Connection own;
        own.Open(file);
        return BackupDatabaseTo(own, folder, namePart, moment);
    } catch (const std::exception& e) {
        BackupResult r;
        r.error = QString::fromUtf8(e.what());
        return r;
    }
}

RestoreResult RestoreAccountSet(const QString& dbName, const QString& file, const QString& keepFolder,
    const QString& namePart, const QDateTime& moment)
{
    RestoreResult r;
    const bool server = Connection::IsServerAddress(dbName);
    const QString target = setFile(dbName);
    const QString part = target + QStringLiteral(".restore");
    if (!server) {
        QFile::remove(part);
        if (!QFile::copy(file, part)) {
            r.error = QStringLiteral("无法读取所选文件：") + QDir::toNativeSeparators(file);
            return r;
        }
        QFile(part).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        r.error = candidateProblem(part);
        if (!r.error.isEmpty()) {
            QFile::remove(part);
            return r;
        }
    }
    // The database being replaced is kept first: without that copy nothing is replaced.
    QDir().mkpath(keepFolder);
    const BackupResult kept = BackupAccountSet(dbName, keepFolder, namePart, moment);
    if (!kept.ok) {
        QFile::remove(part);
        r.error = QStringLiteral("无法保留当前帐套数据的备份：") + kept.error;
        return r;
    }
    const bool inUse = isInUse(dbName);
    if (inUse)
        F_DataModule->ADOConn.Close();
    if (server) {
        const auto hasSettings = [](Connection& c, QString* why) {
            if (c.TableExists(QStringLiteral("jxc_xtcs")))
                return true;
            *why = QStringLiteral("所选文件不是本系统的帐套数据（缺少系统设置表）");
            return false;
        };
        if (!RestoreServerSet(dbName, AccountSetPassword(dbName), file, hasSettings, &r.error)) {
            // The set is as it was: the copy of it is not needed.
            QFile::remove(kept.file);
            if (inUse)
                reopenInUse(dbName);
            return r;
        }
    } else {
        r.error = swapIn(part, target);
        if (!r.error.isEmpty()) {
            QFile::remove(part);
            if (inUse)
                reopenInUse(dbName);
            return r;
        }
    }
    if (inUse)
        reopenInUse(dbName);
    r.ok = true;
    r.error.clear();
    r.keptCopy = kept.file;
    return r;
}

void ShowBackupFailure(const QString& reason)
{
    Prompt::Info(QStringLiteral("数据备份失败！\r\n\r\n") + reason, Prompt::kInfoCaption, Prompt::Icon::Warning);
}

void ShowRestoreFailure(const QString& reason)
{
    Prompt::Info(QStringLiteral("数据恢复失败！\r\n\r\n") + reason, Prompt::kInfoCaption, Prompt::Icon::Warning);
}
