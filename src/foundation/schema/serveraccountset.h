#pragma once
#include <QString>

// Sets up an account set on a PostgreSQL server: builds every table with its seed rows
// in the (existing, empty or older) database of the address, then lists it in the
// catalogue file under the name, with the server password. Returns the new entry's
// code. DbError when the server or the catalogue refuses, or when the catalogue
// already lists the address.
QString CreateServerAccountSet(const QString& address, const QString& name, const QString& password,
                               const QString& catalogueFile);
