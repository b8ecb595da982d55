#pragma once
#include "platform/sheet/sheetdata.h"

#include <QString>
#include <QStringList>

// Reading spreadsheet files of either format, told apart by their content, not by
// their extension. A failure gives the text to show the operator:
// "无法读取文件：" + the file's name + "（" + why + "）".
namespace SheetReader {

// The worksheet names in workbook order.
bool SheetNames(const QString& path, QStringList* names, QString* error);
// One worksheet by position (0 is the first) as a table whose first row names the columns.
bool ReadSheet(const QString& path, int index, SheetData* out, QString* error);

}
