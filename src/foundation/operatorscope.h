#pragma once
#include <QString>

// Whether the operator is kept to the partners and staff of his own warehouses (the
// binding setting is on and he is not of the administrator role).
bool OperatorBound();
// The condition on a warehouse column that keeps a bound operator to his warehouses
// (and to the rows of every warehouse, "-1").
QString WarehouseRestriction(const QString& column = QStringLiteral("ck_sn"));
