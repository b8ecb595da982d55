#pragma once
#include <QString>

// Sets up an account set on a PostgreSQL server: builds every table with its seed rows
// in the existing database of the address when it holds no set yet (another machine's
// run may have built it), brings it up to date, then lists it in the
// catalogue file under the name, with the server password. Returns the new entry's
// code. DbError when the server or the catalogue refuses, or when the catalogue
// already lists the address.
QString CreateServerAccountSet(
    const QString& address, const QString& name, const QString& password, const QString& catalogueFile);
