#pragma once
#include <QString>

class Connection;

// The account-set schema: every table dropped, created and seeded in order.
// Each driver runs in one transaction on the given connection.
void CreateAllTables(Connection& c);
// The account-set catalogue table jxc_xtzt with the row of the delivered set.
void CreateCatalogue(Connection& c);
