#pragma once
#include "platform/db/dberror.h"

#include <QStringList>
#include <functional>

class Connection;

// What keeps a database file of data/ (an account set, the catalogue) from being used.
enum class DbFileFault {
    Unusable,    // missing, empty, not a database, damaged, or not the kind of file expected
    CannotWrite, // the file, or the folder where its journal files go, cannot be written
};

// A file failure found by OpenDatabaseFile. Its text names the file, as every file
// failure does.
class DbFileError : public DbError {
public:
    DbFileError(DbFileFault fault, const QString& message, const QString& file, const QString& where = QString());
    DbFileFault fault() const { return fault_; }
    // The file or folder that cannot be written.
    QString where() const { return where_; }

private:
    DbFileFault fault_;
    QString where_;
};

// Whether this user may write a path: the system's answer unless a check is given
// (an empty one restores it). Tests give one, since root may write anything.
using WritableCheck = std::function<bool(const QString& path)>;
void SetWritableCheck(WritableCheck check);

// Opens an existing database file on the connection. Before opening, and without
// changing the file, it checks that the file is an SQLite database no shorter than its
// header says and that the file and its folder can be written; after opening, that
// the tables that mark its kind are there. Raises DbFileError and leaves c closed.
void OpenDatabaseFile(Connection& c, const QString& file, const QStringList& markTables);

// Whether the error is another connection holding the database longer than the
// busy timeout: worth trying again, nothing is wrong with the data.
bool IsDatabaseBusy(const std::exception& error);
