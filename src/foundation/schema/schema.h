#pragma once
#include <QString>
#include <QStringList>

class Connection;

// The account-set schema. Every routine works on the given connection and runs in
// one transaction: when a statement fails the error is raised and the account set
// is left as it was before the call.

// Drops, creates and seeds every table of an account set, in the fixed build order.
void CreateAllTables(Connection& c);
// The account-set catalogue table jxc_xtzt with the row of the delivered set.
void CreateCatalogue(Connection& c);

// Drops, creates and seeds one table by name (DbError for an unknown name).
void CreateTable(Connection& c, const QString& table);
void CreateSettingsTable(Connection& c);
void CreateEmailTable(Connection& c);
void CreateReportListTable(Connection& c);
void CreateStockTable(Connection& c);

// Data clearing that keeps base data: every goods' stock total to 0 and its supplier
// to the default one, then every table but the kept ones rebuilt with its seeds.
void ClearBusinessData(Connection& c);
// The same, and the per-warehouse stock table emptied as well.
void ClearBusinessDataAndStock(Connection& c);

// The login-time stamp: brings an older account set up to the current schema date.
// Whatever the stamp, columns and lookup indexes added since a set was made are added.
void UpgradeSchema(Connection& c);

// The tables CreateAllTables builds, in build order.
QStringList SchemaTableNames();
// The base-data tables whose rows ClearBusinessData keeps.
QStringList KeptTableNames();
// The schema stamp that UpgradeSchema writes.
QString SchemaStamp();
// The brand word that seed rows put in front of shop, receipt and label texts (the
// same product constant that start-up puts in front of window captions).
QString SchemaBrandWord();
