#pragma once
#include "platform/sheet/sheetdata.h"

#include <QString>
#include <QStringList>

// A workbook of the older format (.xls, BIFF8 and earlier) read through FreeXL.
// Failures give a short reason in the operator's language.
class XlsWorkbook
{
public:
    XlsWorkbook() = default;
    ~XlsWorkbook();
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    bool Open(const QString& path, QString* reason);
    QStringList SheetNames() const { return names_; }
    // Without a table to fill (out null) the cells are only visited.
    bool ReadSheet(int index, SheetData* out, QString* reason);

private:
    const void* handle_ = nullptr;
    QStringList names_;
};
