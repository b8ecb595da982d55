#include "foundation/backup.h"

#include "platform/db/connection.h"
#include "platform/db/query.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <atomic>

QString SafeFileNamePart(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const bool unsafe = ch.unicode() < 0x20 || ch == QLatin1Char('/') || ch == QLatin1Char('\\')
            || ch == QLatin1Char(':') || ch == QLatin1Char('*') || ch == QLatin1Char('?') || ch == QLatin1Char('"')
            || ch == QLatin1Char('<') || ch == QLatin1Char('>') || ch == QLatin1Char('|');
        out += unsafe ? QLatin1Char('_') : ch;
    }
    return out;
}

QString BackupFileName(const QString& accountSetName, const QDateTime& moment)
{
    return SafeFileNamePart(accountSetName) + moment.toString(QStringLiteral("yy_MM_dd_HH_mm_ss"))
        + QStringLiteral(".DAT");
}

QString BackupFailureReason(const QString& raw, bool folderWritable, bool spaceLeft)
{
    const QString lowered = raw.toLower();
    if (!spaceLeft || lowered.contains(QLatin1String("disk is full")) || lowered.contains(QLatin1String("no space")))
        return QStringLiteral("磁盘空间不足");
    if (!folderWritable || lowered.contains(QLatin1String("readonly")) || lowered.contains(QLatin1String("permission"))
        || lowered.contains(QLatin1String("unable to open")))
        return QStringLiteral("没有写入备份文件夹的权限");
    return raw;
}

namespace {
// Each copy in progress has a name of its own, so that backups started in the same
// second, by this program or another, never write into one file.
QString partFileName(const QDir& dir, const QString& base)
{
    static std::atomic<int> serial { 0 };
    return dir.filePath(
        QStringLiteral("%1.%2.%3.part").arg(base).arg(QCoreApplication::applicationPid()).arg(++serial));
}

}

QString DatabaseCopyProblem(const QString& file)
{
    try {
        Connection copy;
        copy.Open(file);
        const QStringList check = SelectColumn(copy, QStringLiteral("pragma quick_check"));
        copy.Exec(QStringLiteral("pragma journal_mode=delete"));
        if (check == QStringList { QStringLiteral("ok") })
            return QString();
        return check.join(QLatin1Char('\n'));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

BackupResult BackupDatabaseTo(
    const Connection& source, const QString& folder, const QString& accountSetName, const QDateTime& moment)
{
    BackupResult r;
    const QDir dir(folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        r.error = QStringLiteral("备份文件夹不存在：") + QDir::toNativeSeparators(folder);
        return r;
    }
    const QString base = BackupFileName(accountSetName, moment).chopped(4);
    const QString target = dir.filePath(base + QStringLiteral(".DAT"));
    const QString part = partFileName(dir, base);
    auto fail = [&](const QString& reason) {
        QFile::remove(part);
        r.error
            = QStringLiteral("无法写入备份文件：") + QDir::toNativeSeparators(target) + QStringLiteral("\r\n") + reason;
        return r;
    };
    QString why;
    if (!source.BackupTo(part, &why)) {
        const qint64 needed = QFileInfo(source.FileName()).size();
        const QStorageInfo storage(folder);
        const bool spaceLeft = !storage.isValid() || storage.bytesAvailable() >= needed;
        return fail(BackupFailureReason(why.replace(part, target), QFileInfo(folder).isWritable(), spaceLeft));
    }
    // The online backup copies pages as they are: a damaged database gives a damaged
    // copy, which must not count as a backup (nor let older, good ones be pruned).
    const QString problem = DatabaseCopyProblem(part);
    if (!problem.isEmpty())
        return fail(QStringLiteral("备份副本校验未通过，数据库可能已损坏（") + problem + QStringLiteral("）"));
    // The first free name: a second backup of the same second gets "_2" and so on.
    // Renaming never replaces a file, so two copies finishing together both keep theirs.
    for (int n = 1; n <= 99; ++n) {
        const QString name = n == 1 ? target : dir.filePath(base + QStringLiteral("_%1.DAT").arg(n));
        if (QFile::rename(part, name)) {
            r.ok = true;
            r.file = name;
            return r;
        }
        if (!QFile::exists(name))
            break;
    }
    return fail(BackupFailureReason(QString(), QFileInfo(folder).isWritable(), true));
}

int DeleteOldBackupFiles(const QString& folder, int days, const QDate& today)
{
    if (days <= 0)
        return 0;
    const QDateTime midnight(today, QTime(0, 0));
    const qint64 limit = qint64(days) * 86400;
    int deleted = 0;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& f : files) {
        if (!f.fileName().endsWith(QLatin1String(".DAT"), Qt::CaseInsensitive))
            continue;
        if (f.lastModified().secsTo(midnight) > limit && QFile::remove(f.absoluteFilePath()))
            ++deleted;
    }
    return deleted;
}
