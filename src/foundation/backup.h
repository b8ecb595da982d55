#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

class Connection;

// Backup copies of an account set: "<account set>yy_MM_dd_HH_mm_ss.DAT" files in a
// backup folder, made with SQLite's online backup so that a copy taken while other
// operators write is still a whole database.

// The account-set name with every character that a file name cannot hold replaced by "_".
QString SafeFileNamePart(const QString& text);

// The file name (no folder) of a backup of that account set made at that moment.
QString BackupFileName(const QString& accountSetName, const QDateTime& moment);

struct BackupResult {
    bool ok = false;
    QString file;  // the backup file, when ok
    QString error; // why it failed, when not ok
};

// Copies the database of the connection into folder (which must exist) under
// BackupFileName. A backup of the same name is replaced only once the new copy is
// whole; a failed copy leaves no .DAT file behind.
BackupResult BackupDatabaseTo(const Connection& source, const QString& folder, const QString& accountSetName,
                              const QDateTime& moment);

// Deletes every *.DAT file of the folder (any account set) whose last write lies more
// than days days before today's midnight; days <= 0 keeps everything. Returns how
// many were deleted.
int DeleteOldBackupFiles(const QString& folder, int days, const QDate& today);
