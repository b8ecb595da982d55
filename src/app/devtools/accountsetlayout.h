#pragma once
#include <QString>

// Writes a fresh account set (data/jxc.mdb, every table with its seed rows) and the
// catalogue (data/codeinfo.dll) into a program folder. Building every table takes a
// while, so each process builds them once and copies them. For tests and the
// developers' screenshot command. A file that cannot be written raises
// std::runtime_error naming it; a failed build raises and is tried again next time.
void LayOutAccountSet(const QString& folder);
