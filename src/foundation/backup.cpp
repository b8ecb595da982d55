#include "foundation/backup.h"

#include "platform/db/connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

BackupResult BackupDatabaseTo(const Connection& source, const QString& folder, const QString& accountSetName,
                              const QDateTime& moment)
{
    BackupResult r;
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        r.error = QStringLiteral("backup folder does not exist: ") + folder;
        return r;
    }
    const QString target = dir.filePath(BackupFileName(accountSetName, moment));
    // Copy beside the target first: an existing backup of the same second is only
    // replaced by a whole copy, and a failure leaves nothing that looks like a backup.
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    QString why;
    if (!source.BackupTo(part, &why)) {
        QFile::remove(part);
        r.error = why;
        return r;
    }
    if (QFile::exists(target) && !QFile::remove(target)) {
        QFile::remove(part);
        r.error = QStringLiteral("cannot replace ") + target;
        return r;
    }
    if (!QFile::rename(part, target)) {
        QFile::remove(part);
        r.error = QStringLiteral("cannot write ") + target;
        return r;
    }
    r.ok = true;
    r.file = target;
    return r;
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
