#pragma once
#include <QString>
#include <Qt>

// The names of shortcut keys that the till shows.

// Display name of a virtual-key code as the till shows it ("F5", "Page Up");
// empty for digits, letters and keys the till does not offer.
QString KeyCodeToName(int keyCode);
// The display name of the key assigned to a till function in jxc_gnb; empty when none.
QString GetPosKeyName(const QString& functionName);
// The Windows virtual-key code that jxc_gnb stores for a Qt key press (F5 is 116,
// Delete 46, the "=" key 187); keypad keys have codes of their own. 0 for a key
// without one.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
