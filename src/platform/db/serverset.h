#pragma once
#include <QString>
#include <functional>

class Connection;

// Account sets on a PostgreSQL server, named by addresses such as
// "postgresql://shop-server/jxc_100002".

// The database an address names, and the same address naming another database.
QString ServerDatabaseName(const QString& address);
QString ServerAddressWithDatabase(const QString& address, const QString& database);

// Creates or drops a database on the server of the address (through the server's
// "postgres" database); DbError on failure. Dropping a missing database does nothing.
void CreateServerDatabase(const QString& address, const QString& password = QString());
void DropServerDatabase(const QString& address, const QString& password = QString());

// Writes the whole database into one file with pg_dump (custom format). False and
// the reason when the copy could not be made whole.
bool BackupServerSet(const QString& address, const QString& password, const QString& datFile, QString* error = nullptr);

// Loads a backup into a new database beside the set, lets `check` look at it, then
// swaps it in under the set's name; the old database is kept until the swap has
// succeeded and dropped after. Nobody may be connected to the set meanwhile. False
// and the reason when anything failed, with the set as it was.
bool RestoreServerSet(const QString& address, const QString& password, const QString& datFile,
    const std::function<bool(Connection&, QString*)>& check = {}, QString* error = nullptr);
