#include "platform/db/connection.h"

#include "platform/db/backend.h"
#include "platform/db/dberror.h"

#include <QFileInfo>

// ---- Statement ----

Statement::Statement(std::unique_ptr<StatementImpl> impl) : d_(std::move(impl)) { }
Statement::Statement(Statement&&) noexcept = default;
Statement::~Statement() = default;

void Statement::Bind(int position, const QVariant& value)
{
    d_->Bind(position, value);
}
void Statement::Bind(const SqlParams& params)
{
    d_->Bind(params);
}
bool Statement::Next()
{
    return d_->Next();
}
QVariant Statement::Value(int col) const
{
    return d_->Value(col);
}
int Statement::ColumnCount() const
{
    return d_->ColumnCount();
}
void Statement::Reset()
{
    d_->Reset();
}

void Statement::Run()
{
    while (d_->Next()) { }
    d_->Reset();
}

// ---- Connection ----

Connection::Connection() = default;

Connection::~Connection()
{
    Close();
}

bool Connection::IsServerAddress(const QString& name)
{
    const QString t = name.trimmed();
    return t.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || t.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

namespace {
// The address as it may be shown: without a password written into it.
QString PublicAddress(const QString& address)
{
    const int scheme = address.indexOf(QLatin1String("://"));
    const int at = address.indexOf(QLatin1Char('@'));
    if (scheme < 0 || at < 0)
        return address;
    const int colon = address.indexOf(QLatin1Char(':'), scheme + 3);
    if (colon < 0 || colon > at)
        return address;
    return address.left(colon) + address.mid(at);
}
}

void Connection::Open(const QString& target, OpenMode mode, const QString& password)
{
    Close();
    if (IsServerAddress(target)) {
        const QString shown = PublicAddress(target.trimmed());
        b_ = OpenServerBackend(target.trimmed(), password, shown);
        target_ = shown;
        return;
    }
    if (mode == OpenMode::ExistingOnly && !QFileInfo(target).isFile())
        throw DbError(QStringLiteral("unable to open database file"), target);
    b_ = OpenSqliteBackend(target, mode == OpenMode::CreateIfMissing, false);
    target_ = target;
}

void Connection::OpenMemory(const QString& name)
{
    Close();
    b_ = OpenSqliteBackend(name, true, true);
    target_ = name;
}

void Connection::Close()
{
    b_.reset();
    depth_ = 0;
}

Connection::Kind Connection::GetKind() const
{
    return b_ ? b_->GetKind() : Kind::None;
}

DbBackend& Connection::Require() const
{
    if (!b_)
        throw DbError(QStringLiteral("not connected"), target_, DbError::Kind::Statement);
    return *b_;
}

void Connection::Exec(const QString& sql)
{
    Require().Exec(sql);
}

void Connection::Exec(const QString& sql, const SqlParams& params)
{
    Require().Exec(sql, params);
}

ResultSet Connection::Fetch(const QString& sql, const SqlParams& params)
{
    return Require().Fetch(sql, params);
}

qint64 Connection::Insert(const QString& sql, const SqlParams& params)
{
    return Require().Insert(sql, params);
}

qint64 Connection::LastInsertId() const
{
    return b_ ? b_->LastInsertId() : 0;
}

int Connection::Changes() const
{
    return b_ ? b_->Changes() : 0;
}

bool Connection::TableExists(const QString& table) const
{
    return b_ && b_->TableExists(table);
}

QStringList Connection::TableNames() const
{
    return Require().TableNames();
}

QStringList Connection::ColumnNames(const QString& table) const
{
    return Require().ColumnNames(table);
}

Statement Connection::Prepare(const QString& sql) const
{
    return Statement(Require().Prepare(sql));
}

bool Connection::BackupTo(const QString& target, QString* error) const
{
    if (!b_ || b_->GetKind() != Kind::SQLite) {
        if (error)
            *error = b_ ? QStringLiteral("a server database is backed up with BackupServerSet")
                        : QStringLiteral("not connected");
        return false;
    }
    return SqliteBackupTo(*b_, target, error);
}

void Connection::SetLockTimeout(int ms)
{
    Require().SetLockTimeout(ms);
}
