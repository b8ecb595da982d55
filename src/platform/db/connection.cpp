#include "platform/db/connection.h"

#include "platform/db/dberror.h"
#include "platform/db/jetfunctions.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace {
constexpr int kCacheSize = 96;
constexpr int kBusyTimeoutMs = 10000;
}

Connection::Connection() = default;

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString& file, OpenMode mode)
{
    Close();
    if (mode == OpenMode::ExistingOnly && !QFileInfo(file).isFile())
        throw DbError(QStringLiteral("unable to open database file"), file);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode == OpenMode::CreateIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("unable to open database file");
        sqlite3_close(db);
        throw DbError(msg, file);
    }
    db_ = db;
    file_ = file;
    try {
        Configure();
        // A file that is not a database opens without complaint; reading its schema tells.
        Exec(QStringLiteral("select count(*) from sqlite_master"));
    } catch (...) {
        Close();
        throw;
    }
}

void Connection::OpenMemory(const QString& name)
{
    Close();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(name.toUtf8().constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_MEMORY | SQLITE_OPEN_URI,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw DbError(QStringLiteral("unable to open an in-memory database"));
    }
    db_ = db;
    file_ = name;
    RegisterJetFunctions(db_);
}

void Connection::Configure()
{
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db_, 1);
    Exec(QStringLiteral("pragma journal_mode=wal; pragma synchronous=normal; pragma foreign_keys=off;"));
    RegisterJetFunctions(db_);
}

void Connection::ClearCache()
{
    for (sqlite3_stmt* st : std::as_const(cache_))
        sqlite3_finalize(st);
    cache_.clear();
}

void Connection::Close()
{
    if (!db_)
        return;
    ClearCache();
    sqlite3_close_v2(db_);
    db_ = nullptr;
    depth_ = 0;
}

namespace {
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
}

DbError Connection::LastError(const QString& context) const
{
    if (!db_)
        return DbError(QStringLiteral("not connected"), file_, DbError::Kind::Statement);
    QString msg = QString::fromUtf8(sqlite3_errmsg(db_));
    if (!context.isEmpty())
        msg += QStringLiteral(": ") + context;
    return DbError(msg, file_,
                   isFileFailure(sqlite3_extended_errcode(db_)) ? DbError::Kind::File : DbError::Kind::Statement);
}

void Connection::Throw(const QString& context) const
{
    throw LastError(context);
}

sqlite3_stmt* Connection::Prepare(const QString& sql) const
{
    if (!db_)
        throw DbError(QStringLiteral("not connected"), file_, DbError::Kind::Statement);
    auto it = cache_.find(sql);
    if (it != cache_.end()) {
        sqlite3_stmt* st = it.value();
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        return st;
    }
    sqlite3_stmt* st = nullptr;
    QByteArray text = RewriteJetSql(sql).toUtf8();
    if (sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &st, nullptr)
        != SQLITE_OK)
        Throw(sql);
    if (!st)
        throw DbError(QStringLiteral("empty statement"), file_, DbError::Kind::Statement);
    if (cache_.size() >= kCacheSize) {
        for (sqlite3_stmt* old : std::as_const(cache_))
            sqlite3_finalize(old);
        cache_.clear();
    }
    cache_.insert(sql, st);
    return st;
}

void BindParams(sqlite3_stmt* st, const QHash<QString, QVariant>& params, const Connection& c)
{
    int n = sqlite3_bind_parameter_count(st);
    for (int i = 1; i <= n; ++i) {
        const char* raw = sqlite3_bind_parameter_name(st, i);
        if (!raw)
            continue;
        QString name = QString::fromUtf8(raw + 1);
        auto it = params.find(name);
        if (it == params.end())
            it = params.find(QString::fromUtf8(raw));
        int rc = SQLITE_OK;
        if (it == params.end() || it->isNull() || !it->isValid()) {
            rc = sqlite3_bind_null(st, i);
        } else {
            const QVariant& v = *it;
            switch (v.typeId()) {
            case QMetaType::Bool:
                rc = sqlite3_bind_int(st, i, v.toBool() ? 1 : 0);
                break;
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::ULongLong:
                rc = sqlite3_bind_int64(st, i, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(st, i, v.toDouble());
                break;
            case QMetaType::QByteArray: {
                QByteArray b = v.toByteArray();
                rc = sqlite3_bind_blob(st, i, b.constData(), int(b.size()), SQLITE_TRANSIENT);
                break;
            }
            default: {
                QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(st, i, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
            }
        }
        if (rc != SQLITE_OK)
            c.Throw(QStringLiteral("binding :%1").arg(QString::fromUtf8(raw + 1)));
    }
}

QVariant ColumnValue(sqlite3_stmt* st, int col)
{
    switch (sqlite3_column_type(st, col)) {
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(st, col)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(st, col));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col)),
                                          sqlite3_column_bytes(st, col)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(st, col)),
                                   sqlite3_column_bytes(st, col)));
    default:
        return QVariant();
    }
}

void Connection::Exec(const QString& sql)
{
    if (!db_)
        throw DbError(QStringLiteral("not connected"), file_, DbError::Kind::Statement);
    if (sqlite3_exec(db_, RewriteJetSql(sql).toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Throw(sql);
}

void Connection::Exec(const QString& sql, const QHash<QString, QVariant>& params)
{
    sqlite3_stmt* st = Prepare(sql);
    BindParams(st, params, *this);
    int rc;
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        sqlite3_reset(st);
        Throw(sql);
    }
    sqlite3_reset(st);
}

qint64 Connection::LastInsertId() const
{
    return db_ ? sqlite3_last_insert_rowid(db_) : 0;
}

int Connection::Changes() const
{
    return db_ ? sqlite3_changes(db_) : 0;
}

bool Connection::TableExists(const QString& table) const
{
    if (!db_)
        return false;
    sqlite3_stmt* st = Prepare(QStringLiteral("select 1 from sqlite_master where type in ('table','view') and name=?1 collate nocase"));
    QByteArray t = table.toUtf8();
    sqlite3_bind_text(st, 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    bool found = sqlite3_step(st) == SQLITE_ROW;
    sqlite3_reset(st);
    return found;
}

bool Connection::BackupTo(const QString& target, QString* error) const
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!db_)
        return fail(QStringLiteral("not connected"));
    sqlite3* dest = nullptr;
    if (sqlite3_open_v2(target.toUtf8().constData(), &dest, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        QString why = dest ? QString::fromUtf8(sqlite3_errmsg(dest)) : QStringLiteral("cannot create the file");
        sqlite3_close(dest);
        return fail(why + QStringLiteral(" (") + target + QLatin1Char(')'));
    }
    sqlite3_busy_timeout(dest, kBusyTimeoutMs);
    sqlite3_backup* b = sqlite3_backup_init(dest, "main", db_, "main");
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
