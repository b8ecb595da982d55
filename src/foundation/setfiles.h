#pragma once
#include "foundation/backup.h"

#include <QDateTime>
#include <QString>

// Copies and replacements of an account set's database, whatever its kind: a file of
// data/ (SQLite online backup) or a database on a server (pg_dump and its restore).
// An account set is named as the catalogue names it (`zt_dbname`).

// The server password that the catalogue keeps for a set ("" for a file set).
QString AccountSetPassword(const QString& dbName);

// One checked copy of the set into folder (which must exist) as
// BackupFileName(namePart, moment). The set in use is copied through the open
// connection, so the copy is whole while others write.
BackupResult BackupAccountSet(
    const QString& dbName, const QString& folder, const QString& namePart, const QDateTime& moment);

struct RestoreResult {
    bool ok = false;
    QString error;    // why nothing was changed, when not ok
    QString keptCopy; // the copy of the replaced database, when ok
};

// Replaces the set's database with the backup file: the file is checked first; the
// current database is copied into keepFolder; when the set is the one in use its
// connection is closed, the database replaced and the connection opened again with
// the settings reloaded. A refused file or a failed copy changes nothing.
RestoreResult RestoreAccountSet(const QString& dbName, const QString& file, const QString& keepFolder,
    const QString& namePart, const QDateTime& moment);

// "数据备份失败！" and the reason, as the main window reports a failed copy.
void ShowBackupFailure(const QString& reason);
// "数据恢复失败！" and the reason.
void ShowRestoreFailure(const QString& reason);
