#pragma once
#include <QString>
#include <QStringList>

// How a statement written in SQLite's dialect is sent to the PostgreSQL server:
// ":name", "?" and "?N" marks become "$N" (the names, in order, go to `params`; "?"
// marks are named "1", "2", ... by position); "collate nocase" is dropped (text
// columns are citext); in create and alter statements the column types become the
// server's (integer primary key autoincrement as an identity column, real as double
// precision, bit as smallint, text types as citext). Quoted text is left alone.
QString ServerStatement(const QString& sql, QStringList* params = nullptr);
// Whether the statement changes the schema (create, drop, alter).
bool IsSchemaStatement(const QString& sql);
// The statements that create the Jet functions in their own schema "jet" (which the
// connection's search path puts before pg_catalog) and the citext extension.
QString ServerFunctionsSql();
