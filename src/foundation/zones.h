#pragma once
#include <QString>

// Adds a zone name typed in a partner window to the zone list when it is new.
void EnsureZone(const QString& name);
