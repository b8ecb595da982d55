#include "support/platform/testdb.h"

#include "platform/db/connection.h"
#include "platform/db/jetfunctions.h"
#include "platform/db/serverset.h"

#include <QCoreApplication>
#include <atomic>

namespace {
QString serverAddress()
{
    return qEnvironmentVariable("VESTORA_TEST_SERVER");
}

bool serverPass()
{
    return qEnvironmentVariable("VESTORA_TEST_BACKEND") == QLatin1String("server");
}
}

namespace TestDb {

bool OnServer()
{
    return serverPass() && !serverAddress().isEmpty();
}

void RefuseInserts(Connection& c, const QString& table)
{
    if (OnServer()) {
        c.Exec(QStringLiteral("create or replace function refuse() returns trigger language plpgsql as "
                              "'begin raise exception ''refused''; end'"));
        c.Exec(QStringLiteral("create trigger refuse before insert on ") + table
            + QStringLiteral(" for each row execute function refuse()"));
    } else {
        c.Exec(QStringLiteral("create trigger refuse before insert on ") + table
            + QStringLiteral(" begin select raise(abort,'refused'); end"));
    }
}

void AllowInserts(Connection& c, const QString& table)
{
    c.Exec(OnServer() ? QStringLiteral("drop trigger refuse on ") + table : QStringLiteral("drop trigger refuse"));
}

bool ServerPassWithoutServer()
{
    return serverPass() && serverAddress().isEmpty();
}

QString NewServerDatabase(const QString& templateName)
{
    static std::atomic<int> serial { 0 };
    const QString name = QStringLiteral("vt_%1_%2").arg(QCoreApplication::applicationPid()).arg(++serial);
    const QString address = ServerAddressWithDatabase(serverAddress(), name);
    Connection c;
    c.Open(serverAddress());
    // A copy of a template's files is about twice as fast as the default, which
    // writes the whole template through the log; every server test makes one.
    c.Exec(QStringLiteral("create database ") + name
        + (templateName.isEmpty()
                ? QString()
                : QStringLiteral(" template ") + templateName + QStringLiteral(" strategy file_copy")));
    return address;
}

void DropServerDatabase(const QString& address)
{
    ::DropServerDatabase(address);
}

QString OpenFresh(Connection& c, const QString& folder)
{
    if (!OnServer()) {
        const QString file = folder + QStringLiteral("test.db");
        c.Open(file, Connection::OpenMode::CreateIfMissing);
        return file;
    }
    const QString address = NewServerDatabase();
    c.Open(address);
    CreateServerFunctions(c);
    return address;
}

FreshDatabase::~FreshDatabase()
{
    if (!address_.isEmpty()) {
        try {
            TestDb::DropServerDatabase(address_);
        } catch (...) {
            // The throw-away server goes with its databases.
        }
    }
}

QString FreshDatabase::Open(Connection& c, const QString& folder)
{
    const QString opened = OpenFresh(c, folder);
    if (OnServer())
        address_ = opened;
    return opened;
}

}
