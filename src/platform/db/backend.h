#pragma once
// The database layer's inside: what each backend provides behind Connection,
// Statement and Transaction. Nothing outside src/platform/db includes this.
#include "platform/db/connection.h"

// A statement held by a caller: bound, stepped row by row, returned when done.
class StatementImpl {
public:
    virtual ~StatementImpl() = default;
    virtual void Bind(int position, const QVariant& value) = 0;
    virtual void Bind(const SqlParams& params) = 0;
    virtual bool Next() = 0;
    virtual QVariant Value(int col) const = 0;
    virtual int ColumnCount() const = 0;
    virtual void Reset() = 0;
};

class DbBackend {
public:
    virtual ~DbBackend() = default;
    virtual QString Target() const = 0;
    virtual Connection::Kind GetKind() const = 0;
    virtual void Exec(const QString& sql) = 0;
    virtual void Exec(const QString& sql, const SqlParams& params) = 0;
    virtual ResultSet Fetch(const QString& sql, const SqlParams& params) = 0;
    virtual qint64 Insert(const QString& sql, const SqlParams& params) = 0;
    virtual qint64 LastInsertId() = 0;
    virtual int Changes() const = 0;
    virtual bool TableExists(const QString& table) = 0;
    virtual QStringList TableNames() = 0;
    virtual QStringList ColumnNames(const QString& table) = 0;
    virtual std::unique_ptr<StatementImpl> Prepare(const QString& sql) = 0;
    virtual QString BeginText() const = 0;
    virtual void SetLockTimeout(int ms) = 0;
};

std::unique_ptr<DbBackend> OpenSqliteBackend(const QString& file, bool create, bool memory);
std::unique_ptr<DbBackend> OpenServerBackend(const QString& address, const QString& password, const QString& shown);
// SQLite's online backup of a file backend; false with the reason otherwise.
bool SqliteBackupTo(DbBackend& b, const QString& target, QString* error);
