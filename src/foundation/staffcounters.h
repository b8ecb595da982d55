#pragma once
#include <QString>

// How often a staff member bought or sold: counters, not ledgers.
void IncUserPurchaseCount(const QString& staffSn);
void IncUserSalesCount(const QString& staffSn);
