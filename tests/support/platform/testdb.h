#pragma once
#include <QString>
#include <gtest/gtest.h>

class Connection;

// Database tests run on SQLite, and once more on a PostgreSQL server when ctest runs
// a program's server pass (VESTORA_TEST_BACKEND=server) with VESTORA_TEST_SERVER
// naming the server's "postgres" database ("postgresql:///postgres?host=...").
// scripts/test starts a throw-away server for that.
namespace TestDb {
// Whether this run's databases are on the server.
bool OnServer();
// Whether this is a server pass without a server to run on (the program then skips).
bool ServerPassWithoutServer();
// Opens the connection on a fresh empty database: a new file in the folder, or a new
// server database with the Jet functions installed. Returns the file or address.
QString OpenFresh(Connection& c, const QString& folder);
// A new database on the test server, a copy of the template database when one is named.
QString NewServerDatabase(const QString& templateName = QString());
void DropServerDatabase(const QString& address);
// A trigger that makes every insert into the table fail ("refused"), in the backend's
// own syntax, to test what a failure part-way leaves; AllowInserts drops it again.
void RefuseInserts(Connection& c, const QString& table);
void AllowInserts(Connection& c, const QString& table);

// A fresh empty database for one test (see OpenFresh); a server database is dropped
// when this goes, so declare it before the connection.
class FreshDatabase {
public:
    FreshDatabase() = default;
    FreshDatabase(const FreshDatabase&) = delete;
    FreshDatabase& operator=(const FreshDatabase&) = delete;
    ~FreshDatabase();
    QString Open(Connection& c, const QString& folder);

private:
    QString address_;
};
}

// For tests about an SQLite file itself (backups of a file, a damaged file).
#define SQLITE_FILE_ONLY()                                                                                             \
    do {                                                                                                               \
        if (TestDb::OnServer())                                                                                        \
            GTEST_SKIP() << "about an SQLite file";                                                                    \
    } while (0)
