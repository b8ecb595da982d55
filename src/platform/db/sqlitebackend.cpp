#include "platform/db/backend.h"
#include "platform/db/dberror.h"
#include "platform/db/jetfunctions.h"

#include <sqlite3.h>

namespace {

constexpr int kCacheSize = 96;
constexpr int kBusyTimeoutMs = 10000;

bool isFileFailure(int code)
{
    switch (code & 0xff) {
    case SQLITE_CANTOPEN:
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_IOERR:
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_FULL:
        return true;
    default:
        return false;
    }
}

QVariant columnValue(sqlite3_stmt* st, int col)
{
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(st, col)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, col));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(st, col)), sqlite3_column_bytes(st, col)));
    case SQLITE_BLOB:
        return QVariant(
            QByteArray(static_cast<const char*>(sqlite3_column_blob(st, col)), sqlite3_column_bytes(st, col)));
    default:
        return QVariant();
    }
}

int bindValue(sqlite3_stmt* st, int i, const QVariant& v)
{
    if (v.isNull() || !v.isValid())
        return sqlite3_bind_null(st, i);
    switch (v.typeId()) {
    case QMetaType::Bool:
        return sqlite3_bind_int(st, i, v.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(st, i, v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(st, i, v.toDouble());
    case QMetaType::QByteArray: {
        QByteArray b = v.toByteArray();
        return sqlite3_bind_blob(st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    }
    default: {
        QByteArray t = v.toString().toUtf8();
        return sqlite3_bind_text(st, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    }
    }
}

class SqliteBackend;

// A cached statement is lent to one user at a time; a second user of the same text
// gets a statement of its own, and a full cache drops only the ones not lent.
struct CacheEntry {
    sqlite3_stmt* st = nullptr;
    bool held = false;
};

class Lease {
public:
    Lease(SqliteBackend& b, const QString& sql);
    ~Lease();
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    sqlite3_stmt* get() const { return st_; }

private:
    SqliteBackend& b_;
    QString sql_;
    sqlite3_stmt* st_ = nullptr;
    bool cached_ = false;
};

class SqliteBackend : public DbBackend {
public:
    SqliteBackend(sqlite3* db, const QString& file) : db_(db), file_(file) { }
    ~SqliteBackend() override
    {
        for (const CacheEntry& e : std::as_const(cache_))
            sqlite3_finalize(e.st);
        sqlite3_close_v2(db_);
    }

    QString Target() const override { return file_; }
    Connection::Kind GetKind() const override { return Connection::Kind::SQLite; }
    sqlite3* db() const { return db_; }

    DbError LastError(const QString& context = QString()) const
    {
        QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
        if (!context.isEmpty())
            msg += QStringLiteral(": ") + context;
        return DbError(
            msg, file_, isFileFailure(sqlite3_extended_errcode(db_)) ? DbError::Kind::File : DbError::Kind::Statement);
    }

    // A statement for the text: the cached one when nobody holds it, else a new one.
    sqlite3_stmt* Acquire(const QString& sql, bool* cached)
    {
        auto it = cache_.find(sql);
        if (it != cache_.end() && !it->held) {
            it->held = true;
            *cached = true;
            return it->st;
        }
        sqlite3_stmt* st = nullptr;
        QByteArray text = RewriteJetSql(sql).toUtf8();
        if (sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &st, nullptr)
            != SQLITE_OK)
            throw LastError(sql);
        if (!st)
            throw DbError(QStringLiteral("empty statement"), file_, DbError::Kind::Statement);
        *cached = false;
        if (it != cache_.end())
            return st;
        if (cache_.size() >= kCacheSize) {
            for (auto e = cache_.begin(); e != cache_.end();) {
                if (e->held) {
                    ++e;
                } else {
                    sqlite3_finalize(e->st);
                    e = cache_.erase(e);
                }
            }
        }
        cache_.insert(sql, CacheEntry { st, true });
        *cached = true;
        return st;
    }

    void Release(const QString& sql, sqlite3_stmt* st, bool cached)
    {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        if (!cached) {
            sqlite3_finalize(st);
            return;
        }
        auto it = cache_.find(sql);
        if (it != cache_.end() && it->st == st)
            it->held = false;
        else
            sqlite3_finalize(st);
    }

    void BindAll(sqlite3_stmt* st, const SqlParams& params)
    {
        const int n = sqlite3_bind_parameter_count(st);
        for (int i = 1; i <= n; ++i) {
            const char* raw = sqlite3_bind_parameter_name(st, i);
            if (!raw)
                continue;
            auto it = params.find(QString::fromUtf8(raw + 1));
            if (it == params.end())
                it = params.find(QString::fromUtf8(raw));
            if (bindValue(st, i, it == params.end() ? QVariant() : *it) != SQLITE_OK)
                throw LastError(QStringLiteral("binding :%1").arg(QString::fromUtf8(raw + 1)));
        }
    }

    void Exec(const QString& sql) override
    {
        if (sqlite3_exec(db_, RewriteJetSql(sql).toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw LastError(sql);
        changes_ = sqlite3_changes(db_);
    }

    void Exec(const QString& sql, const SqlParams& params) override
    {
        Lease l(*this, sql);
        BindAll(l.get(), params);
        int rc;
        while ((rc = sqlite3_step(l.get())) == SQLITE_ROW) { }
        if (rc != SQLITE_DONE)
            throw LastError(sql);
        changes_ = sqlite3_changes(db_);
    }

    ResultSet Fetch(const QString& sql, const SqlParams& params) override
    {
        Lease l(*this, sql);
        sqlite3_stmt* st = l.get();
        BindAll(st, params);
        // The first step re-prepares a cached statement whose tables have changed, so
        // the columns are read after it.
        int rc = sqlite3_step(st);
        const int cols = sqlite3_column_count(st);
        ResultSet r;
        for (int i = 0; i < cols; ++i) {
            r.names << QString::fromUtf8(sqlite3_column_name(st, i));
            const char* decl = sqlite3_column_decltype(st, i);
            r.bit << (decl && qstrnicmp(decl, "bit", 3) == 0);
            const char* tab = sqlite3_column_table_name(st, i);
            const char* org = sqlite3_column_origin_name(st, i);
            r.originTable << (tab ? QString::fromUtf8(tab) : QString());
            r.originColumn << (org ? QString::fromUtf8(org) : QString());
        }
        for (; rc == SQLITE_ROW; rc = sqlite3_step(st)) {
            QVector<QVariant> row(cols);
            for (int i = 0; i < cols; ++i)
                row[i] = columnValue(st, i);
            r.rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE)
            throw LastError(sql);
        return r;
    }

    qint64 Insert(const QString& sql, const SqlParams& params) override
    {
        Exec(sql, params);
        return sqlite3_last_insert_rowid(db_);
    }

    qint64 LastInsertId() override { return sqlite3_last_insert_rowid(db_); }
    int Changes() const override { return changes_; }

    bool TableExists(const QString& table) override
    {
        return !Fetch(QStringLiteral("select 1 from sqlite_master where type in ('table','view') and name=:t "
                                     "collate nocase"),
            { { QStringLiteral("t"), table } })
                    .rows.empty();
    }

    QStringList TableNames() override
    {
        QStringList out;
        for (const auto& row : Fetch(QStringLiteral("select lower(name) from sqlite_master where type='table' "
                                                    "and name not like 'sqlite!_%' escape '!' order by 1"),
                 {})
                                   .rows)
            out << row.value(0).toString();
        return out;
    }

    QStringList ColumnNames(const QString& table) override
    {
        QStringList out;
        for (const auto& row : Fetch(QStringLiteral("select name from pragma_table_info(:t) order by cid"),
                 { { QStringLiteral("t"),
                     table } }).rows)
            out << row.value(0).toString();
        return out;
    }

    std::unique_ptr<StatementImpl> Prepare(const QString& sql) override;

    QString BeginText() const override { return QStringLiteral("begin immediate"); }
    void SetLockTimeout(int ms) override { sqlite3_busy_timeout(db_, ms); }

private:
    sqlite3* db_;
    QString file_;
    int changes_ = 0;
    QHash<QString, CacheEntry> cache_;
};

Lease::Lease(SqliteBackend& b, const QString& sql) : b_(b), sql_(sql)
{
    st_ = b_.Acquire(sql, &cached_);
}

Lease::~Lease()
{
    b_.Release(sql_, st_, cached_);
}

class SqliteStatement : public StatementImpl {
public:
    SqliteStatement(SqliteBackend& b, const QString& sql) : b_(b), sql_(sql), lease_(b, sql) { }
    void Bind(int position, const QVariant& value) override
    {
        if (bindValue(lease_.get(), position, value) != SQLITE_OK)
            throw b_.LastError(QStringLiteral("binding ?%1").arg(position));
    }
    void Bind(const SqlParams& params) override { b_.BindAll(lease_.get(), params); }
    bool Next() override
    {
        const int rc = sqlite3_step(lease_.get());
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE) {
            DbError e = b_.LastError(sql_);
            sqlite3_reset(lease_.get());
            throw e;
        }
        return false;
    }
    QVariant Value(int col) const override { return columnValue(lease_.get(), col); }
    int ColumnCount() const override { return sqlite3_column_count(lease_.get()); }
    void Reset() override { sqlite3_reset(lease_.get()); }

private:
    SqliteBackend& b_;
    QString sql_;
    Lease lease_;
};

std::unique_ptr<StatementImpl> SqliteBackend::Prepare(const QString& sql)
{
    return std::make_unique<SqliteStatement>(*this, sql);
}

} // namespace

std::unique_ptr<DbBackend> OpenSqliteBackend(const QString& file, bool create, bool memory)
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    if (memory)
        flags |= SQLITE_OPEN_MEMORY | SQLITE_OPEN_URI;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
        QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("unable to open database file");
        sqlite3_close(db);
        if (memory)
            throw DbError(QStringLiteral("unable to open an in-memory database"));
        throw DbError(msg, file);
    }
    auto b = std::make_unique<SqliteBackend>(db, file);
    RegisterJetFunctions(db);
    if (!memory) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        sqlite3_extended_result_codes(db, 1);
        // Recalculations and imports rewrite a large part of a shop's ledger in one
        // transaction: a page cache of 64 MB keeps them from spilling to the journal page
        // by page (the default is 2 MB).
        b->Exec(QStringLiteral("pragma journal_mode=wal; pragma synchronous=normal; pragma foreign_keys=off; "
                               "pragma cache_size=-65536;"));
        // A file that is not a database opens without complaint; reading its schema tells.
        b->Exec(QStringLiteral("select count(*) from sqlite_master"));
    }
    return b;
}

bool SqliteBackupTo(DbBackend& backend, const QString& target, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    sqlite3* source = static_cast<SqliteBackend&>(backend).db();
    sqlite3* dest = nullptr;
    if (sqlite3_open_v2(target.toUtf8().constData(), &dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        QString why = dest ? QString::fromUtf8(sqlite3_errmsg(dest)) : QStringLiteral("cannot create the file");
        sqlite3_close(dest);
        return fail(why + QStringLiteral(" (") + target + QLatin1Char(')'));
    }
    sqlite3_busy_timeout(dest, kBusyTimeoutMs);
    sqlite3_backup* b = sqlite3_backup_init(dest, "main", source, "main");
    if (!b) {
        QString why = QString::fromUtf8(sqlite3_errmsg(dest));
        sqlite3_close(dest);
        return fail(why);
    }
    int rc;
    // Copy in steps so that writers on other connections are not held up for long;
    // a page changed under us makes SQLite restart the copy.
    do {
        rc = sqlite3_backup_step(b, 256);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(20);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(b);
    QString why = rc == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errstr(rc));
    // A backup is a single plain file: no write-ahead log beside it.
    if (rc == SQLITE_DONE)
        sqlite3_exec(dest, "pragma journal_mode=delete", nullptr, nullptr, nullptr);
    sqlite3_close(dest);
    if (rc != SQLITE_DONE)
        return fail(why);
    return true;
}
