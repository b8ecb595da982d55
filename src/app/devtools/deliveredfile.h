#pragma once
#include <QString>

// A delivered file (a path under resources/, "report/cgjh.fr3"): the program folder's
// copy, else the one laid out beside the running program, else the source tree's.
QString DeliveredFile(const QString& relativePath);
