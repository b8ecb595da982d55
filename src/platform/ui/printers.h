#pragma once
#include <QStringList>

// The printers installed on this machine, by name, as the settings windows list
// them. Tests set the list; by default it is the system's.
namespace Printers {
QStringList Installed();
// Replace the list (tests); Reset gives the system's back.
void SetInstalled(const QStringList& names);
void Reset();
}
