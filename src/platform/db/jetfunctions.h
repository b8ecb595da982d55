#pragma once
struct sqlite3;

// The Jet SQL functions that the program's statements use: left, right, mid, len, isnumeric, datediff, date, now,
// format, val, trim.
void RegisterJetFunctions(sqlite3* db);

// On a server database, creates the Jet functions that SQLite connections register
// for themselves (and the case-blind text type); nothing on SQLite.
class Connection;
void CreateServerFunctions(Connection& c);

// Jet's datediff: the number of interval boundaries crossed
// between two date texts ("yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s").
class QString;
class QDateTime;
long long JetDateDiff(const QString& interval, const QDateTime& a, const QDateTime& b, bool* ok = nullptr);
QDateTime ParseDbDateTime(const QString& text);

// SQLite reads left( and right( as join keywords; statements may use them as the
// functions they are in Jet's dialect, so they are quoted before preparing.
QString RewriteJetSql(const QString& sql);
