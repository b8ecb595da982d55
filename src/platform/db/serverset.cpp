#include "platform/db/serverset.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

// Where the database name sits in an address: after the authority, before the options.
void splitAddress(const QString& address, QString* head, QString* db, QString* tail)
{
    const int scheme = address.indexOf(QLatin1String("://"));
    const int slash = address.indexOf(QLatin1Char('/'), scheme < 0 ? 0 : scheme + 3);
    int query = address.indexOf(QLatin1Char('?'), scheme < 0 ? 0 : scheme + 3);
    if (query < 0)
        query = int(address.size());
    if (slash < 0 || slash > query) {
        *head = address.left(query);
        db->clear();
    } else {
        *head = address.left(slash);
        *db = address.mid(slash + 1, query - slash - 1);
    }
    *tail = address.mid(query);
}

QString identifier(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

void openMaintenance(Connection& c, const QString& address, const QString& password)
{
    c.Open(
        ServerAddressWithDatabase(address, QStringLiteral("postgres")), Connection::OpenMode::ExistingOnly, password);
}

bool runTool(const QString& program, const QStringList& args, const QString& password, QString* error)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!password.isEmpty())
        env.insert(QStringLiteral("PGPASSWORD"), password);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForStarted(10000)) {
        if (error)
            *error = program + QStringLiteral(" could not be started");
        return false;
    }
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

} // namespace

QString ServerDatabaseName(const QString& address)
{
    QString head, db, tail;
    splitAddress(address, &head, &db, &tail);
    return db;
}

QString ServerAddressWithDatabase(const QString& address, const QString& database)
{
    QString head, db, tail;
    splitAddress(address, &head, &db, &tail);
    return head + QLatin1Char('/') + database + tail;
}

void CreateServerDatabase(const QString& address, const QString& password)
{
    Connection c;
    openMaintenance(c, address, password);
    c.Exec(QStringLiteral("create database ") + identifier(ServerDatabaseName(address)));
}

void DropServerDatabase(const QString& address, const QString& password)
{
    Connection c;
    openMaintenance(c, address, password);
    c.Exec(QStringLiteral("drop database if exists ") + identifier(ServerDatabaseName(address))
        + QStringLiteral(" with (force)"));
}

bool BackupServerSet(const QString& address, const QString& password, const QString& datFile, QString* error)
{
    return runTool(QStringLiteral("pg_dump"),
        { QStringLiteral("--format=custom"), QStringLiteral("--file=") + datFile,
            QStringLiteral("--dbname=") + address },
        password, error);
}

bool RestoreServerSet(const QString& address, const QString& password, const QString& datFile,
    const std::function<bool(Connection&, QString*)>& check, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const QString name = ServerDatabaseName(address);
    const QString candidate = name + QStringLiteral("_restore");
    const QString old = name + QStringLiteral("_old");
    const QString candidateAddress = ServerAddressWithDatabase(address, candidate);
    try {
        DropServerDatabase(candidateAddress, password);
        CreateServerDatabase(candidateAddress, password);
    } catch (const DbError& e) {
        return fail(e.message());
    }
    auto dropCandidate = [&] {
        try {
            DropServerDatabase(candidateAddress, password);
        } catch (const DbError&) {
            // The candidate is left for the next restore, which drops it first.
        }
    };
    QString why;
    if (!runTool(QStringLiteral("pg_restore"),
            { QStringLiteral("--no-owner"), QStringLiteral("--no-privileges"), QStringLiteral("--exit-on-error"),
                QStringLiteral("--dbname=") + candidateAddress, datFile },
            password, &why)) {
        dropCandidate();
        return fail(why);
    }
    try {
        Connection c;
        c.Open(candidateAddress, Connection::OpenMode::ExistingOnly, password);
        const bool ok = check ? check(c, &why) : !c.TableNames().isEmpty();
        if (!ok) {
            c.Close();
            dropCandidate();
            return fail(why.isEmpty() ? QStringLiteral("the backup holds no account set") : why);
        }
    } catch (const DbError& e) {
        dropCandidate();
        return fail(e.message());
    }
    try {
        Connection m;
        openMaintenance(m, address, password);
        m.Exec(QStringLiteral("drop database if exists ") + identifier(old));
        m.Exec(QStringLiteral("alter database ") + identifier(name) + QStringLiteral(" rename to ") + identifier(old));
        try {
            m.Exec(QStringLiteral("alter database ") + identifier(candidate) + QStringLiteral(" rename to ")
                + identifier(name));
        } catch (const DbError&) {
            m.Exec(
                QStringLiteral("alter database ") + identifier(old) + QStringLiteral(" rename to ") + identifier(name));
            throw;
        }
        m.Exec(QStringLiteral("drop database ") + identifier(old));
    } catch (const DbError& e) {
        dropCandidate();
        return fail(e.message());
    }
    return true;
}
