#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

class DbError;
class DbBackend;
class StatementImpl;

// Named parameters (":name" keys with or without the colon).
using SqlParams = QHash<QString, QVariant>;

// A whole fetched result: column names, which columns are yes/no columns, the base
// table and column each one comes from (empty for expressions), and the rows.
struct ResultSet {
    QStringList names;
    QVector<bool> bit;
    QVector<QString> originTable;
    QVector<QString> originColumn;
    std::vector<QVector<QVariant>> rows;
};

// A prepared statement that a caller holds while it binds and steps it, for work that
// runs one statement many times. The connection never drops it while it is held.
class Statement {
public:
    explicit Statement(std::unique_ptr<StatementImpl> impl);
    Statement(Statement&&) noexcept;
    ~Statement();
    // "?" marks by position (from 1); named marks by name.
    void Bind(int position, const QVariant& value);
    void Bind(const SqlParams& params);
    // Steps to the next row; false at the end.
    bool Next();
    QVariant Value(int col) const;
    int ColumnCount() const;
    // Runs it to the end, for statements without a result.
    void Run();
    // Ready to be bound and run again.
    void Reset();

private:
    std::unique_ptr<StatementImpl> d_;
};

// One connection to an account set: an SQLite file (the embedded default) or a
// database on a PostgreSQL server, named by a "postgresql://" address. Statements are
// written once in SQLite's dialect; the server's side adapts them. Several program
// instances on one machine may share a file (WAL journal, busy timeout); a file must
// exist: opening never creates it unless asked to.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    enum class OpenMode { ExistingOnly, CreateIfMissing };
    enum class Kind { None, SQLite, PostgreSQL };
    // Whether an account set's name is a server address rather than a file name.
    static bool IsServerAddress(const QString& name);

    // Opens a file, or the server database of an address (the password for the
    // server); a missing file, one that is not a database or a server that cannot be
    // reached throws DbError.
    void Open(const QString& target, OpenMode mode = OpenMode::ExistingOnly, const QString& password = QString());
    // An in-memory SQLite database (spreadsheet imports, scratch work).
    void OpenMemory(const QString& name = QStringLiteral(":memory:"));
    void Close();
    bool Connected() const { return b_ != nullptr; }
    Kind GetKind() const;
    bool IsServer() const { return GetKind() == Kind::PostgreSQL; }
    // The file, or the server address without its password.
    QString FileName() const { return target_; }

    // Runs one or more statements without a result.
    void Exec(const QString& sql);
    // Runs one statement with named parameters (":name").
    void Exec(const QString& sql, const SqlParams& params);
    // The whole result of one statement.
    ResultSet Fetch(const QString& sql, const SqlParams& params = SqlParams());
    // Runs one "insert" statement and gives the id of the row it added.
    qint64 Insert(const QString& sql, const SqlParams& params = SqlParams());
    qint64 LastInsertId() const;
    int Changes() const;
    bool TableExists(const QString& table) const;
    // The tables of the database, in lower case, sorted.
    QStringList TableNames() const;
    // A table's columns in their order.
    QStringList ColumnNames(const QString& table) const;

    // Copies a live SQLite database into a new file with SQLite's online backup.
    // Returns false (and the reason) when the copy could not be made whole.
    bool BackupTo(const QString& target, QString* error = nullptr) const;

    Statement Prepare(const QString& sql) const;

    // How long a statement waits for another connection's lock before it is refused
    // with "database is locked" (10 s unless set).
    void SetLockTimeout(int ms);

    // Transaction depth, kept by Transaction.
    int Depth() const { return depth_; }

private:
    friend class Transaction;
    DbBackend& Require() const;

    std::unique_ptr<DbBackend> b_;
    QString target_;
    int depth_ = 0;
};
