#pragma once
#include "platform/sheet/sheetcell.h"

#include <QByteArray>
#include <QString>

// The workbook stream of an .xls file (BIFF8) with one worksheet: shared strings,
// numbers, column widths and a bold first row. The caller keeps within the
// format's 65,536 rows and 256 columns, and to texts of at most MaxBiffText characters.
constexpr int MaxBiffText = 32767;
QByteArray BuildBiffWorkbook(const QString& sheetName, const PreparedSheet& sheet);
