#pragma once
#include <QString>

// The names of shortcut keys that the till shows.

// Display name of a virtual-key code as the till shows it ("F5", "Page Up");
// empty for digits, letters and keys the till does not offer.
QString KeyCodeToName(int keyCode);
// The display name of the key assigned to a till function in jxc_gnb; empty when none.
QString GetPosKeyName(const QString& functionName);
