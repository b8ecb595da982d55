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
// BackupFileName, checks the copy with SQLite's quick check and only then gives it
// its name; a backup of the same second gets the first free name with "_2", "_3"...
// A failed or damaged copy leaves no .DAT file behind, and its error names the .DAT
// file and the reason in the operator's words where it is a common one.
BackupResult BackupDatabaseTo(
    const Connection& source, const QString& folder, const QString& accountSetName, const QDateTime& moment);

// Checks a database file with SQLite's quick check and leaves it as one plain file
// (no journal beside it); empty when it is sound, else the reason.
QString DatabaseCopyProblem(const QString& file);

// The reason of a failed copy as the operator reads it: no space, no permission, or
// SQLite's own words for anything else.
QString BackupFailureReason(const QString& raw, bool folderWritable, bool spaceLeft);

// Deletes every *.DAT file of the folder (any account set) whose last write lies more
// than days days before today's midnight; days <= 0 keeps everything. Returns how
// many were deleted.
int DeleteOldBackupFiles(const QString& folder, int days, const QDate& today);
