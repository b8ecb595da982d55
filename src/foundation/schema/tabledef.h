#pragma once
#include <QSet>
#include <QString>
#include <QVariant>
#include <span>

class Connection;

// One column of an account-set table. The type is written as the schema
// declares it ("varchar (32)", "numeric(28,8)", "bit"), optionally followed by a
// constraint ("not null", "default 1"); ColumnDeclaration turns it into SQLite's form.
// `seed` is used by the settings table only: the SQL literal of its one seed row.
struct ColumnDef {
    const char* name;
    const char* type;
    const char* seed = nullptr;
};

// One table: its columns after `id`, in order, and the routine writing its seed rows.
struct TableDef {
    const char* name;
    std::span<const ColumnDef> columns;
    void (*seed)(Connection&) = nullptr;
};

// The SQLite declaration of a column type: numeric(28,8) as real (SQLite's numeric
// affinity would store whole amounts as integers and divide them as integers), bit as
// "bit not null default 0", text types with "collate nocase"; a constraint written
// after the type is kept. An unknown type throws DbError.
QString ColumnDeclaration(const QString& type);
// "create table T (id integer primary key autoincrement, ...)".
QString CreateTableText(const TableDef& t);

// A seed row named column by column, then appended.
class SeedRow {
public:
    SeedRow(Connection& c, const char* table) : c_(c), table_(table) { }
    SeedRow& Set(const char* column, const QVariant& value);
    // Every column of a comma-separated list takes the value.
    SeedRow& Fill(const char* columns, const QVariant& value);
    void Insert();

private:
    Connection& c_;
    const char* table_;
    QByteArray columns_;
    QVariantList values_;
};

// Appends one seed row: the columns (comma-separated) receive the values in order;
// a null value leaves its column null.
void InsertSeedRow(Connection& c, const char* table, const char* columns, const QVariantList& values);

// The table definitions by family, each in the order its tables are documented.
std::span<const TableDef> GoodsTables();
std::span<const TableDef> PartnerTables();
std::span<const TableDef> DocumentTables();
std::span<const TableDef> StockDocumentTables();
std::span<const TableDef> ProcessingTables();
std::span<const TableDef> LedgerTables();
std::span<const TableDef> MoneyTables();
std::span<const TableDef> MemberTables();
std::span<const TableDef> SettingsTables();
std::span<const TableDef> WorkTables();

// The indexes of the postings' lookups on a table (lookupindexes.cpp); those named in
// `present` (lower case) are taken to exist already.
void CreateLookupIndexes(Connection& c, const TableDef& t, const QSet<QString>* present = nullptr);
// Builds the lookup indexes an existing set lacks (it was made before they were added).
void CreateMissingLookupIndexes(Connection& c);

// The definition of a table by name, or nullptr.
const TableDef* FindTableDef(const QString& table);
