#pragma once
#include <QString>
#include <QVariant>
#include <QHash>
#include <memory>

class DbError;
struct sqlite3;
struct sqlite3_stmt;

// One SQLite connection. Several program instances on one machine may share a
// file (WAL journal, busy timeout); the file must exist: opening never creates it
// unless asked to.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    enum class OpenMode { ExistingOnly, CreateIfMissing };
    // Opens the file; a missing file or one that is not a database throws DbError.
    void Open(const QString& file, OpenMode mode = OpenMode::ExistingOnly);
    // An in-memory database (spreadsheet imports, scratch work).
    void OpenMemory(const QString& name = QStringLiteral(":memory:"));
    void Close();
    bool Connected() const { return db_ != nullptr; }
    QString FileName() const { return file_; }

    // Runs one or more statements without a result.
    void Exec(const QString& sql);
    // Runs one statement with named parameters (":name").
    void Exec(const QString& sql, const QHash<QString, QVariant>& params);
    qint64 LastInsertId() const;
    int Changes() const;
    bool TableExists(const QString& table) const;

    // Copies the live database into a new file with SQLite's online backup.
    // Returns false (and the reason) when the copy could not be made whole.
    bool BackupTo(const QString& target, QString* error = nullptr) const;

    // A prepared statement for the text, taken from a small cache; the caller
    // must reset it when done (StatementLease does).
    sqlite3_stmt* Prepare(const QString& sql) const;
    sqlite3* Handle() const { return db_; }
    [[noreturn]] void Throw(const QString& context = QString()) const;
    // The error for SQLite's last failure: a file failure or a statement failure.
    DbError LastError(const QString& context = QString()) const;

    // Transaction depth, kept by Transaction.
    int& Depth() { return depth_; }

private:
    void Configure();
    void ClearCache();

    sqlite3* db_ = nullptr;
    QString file_;
    int depth_ = 0;
    mutable QHash<QString, sqlite3_stmt*> cache_;
};

// Binds a parameter map to a prepared statement (":name" keys with or without colon).
void BindParams(sqlite3_stmt* st, const QHash<QString, QVariant>& params, const Connection& c);
// A column of the current row as a variant: null, qlonglong, double, QString or QByteArray.
QVariant ColumnValue(sqlite3_stmt* st, int col);
