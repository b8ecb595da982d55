#pragma once
#include "platform/sheet/sheetdata.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

typedef struct zip zip_t;

// A workbook of the newer format (.xlsx): a zip package of XML parts read with
// libzip and QXmlStreamReader. Failures give a short reason in the operator's
// language; the caller adds which file it was.
class XlsxWorkbook
{
public:
    XlsxWorkbook() = default;
    ~XlsxWorkbook();
    XlsxWorkbook(const XlsxWorkbook&) = delete;
    XlsxWorkbook& operator=(const XlsxWorkbook&) = delete;

    bool Open(const QString& path, QString* reason);
    // The worksheets by position (chart sheets are no tables and are left out).
    QStringList SheetNames() const;
    bool ReadSheet(int index, SheetData* out, QString* reason);

private:
    struct Sheet {
        QString name;
        QString part;
    };
    enum class ReadResult { Ok, Missing, Failed };
    ReadResult ReadPart(const QString& name, QByteArray* data, QString* reason) const;
    bool ReadSharedStrings(const QString& part, QString* reason);
    bool ReadStyles(const QString& part, QString* reason);

    zip_t* zip_ = nullptr;
    std::vector<Sheet> sheets_;
    QStringList sharedStrings_;
    std::vector<int> dateKinds_; // per cell style: a CellText::DateKind
    bool epoch1904_ = false;
};
