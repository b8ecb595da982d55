#pragma once
#include "platform/sheet/celltext.h"
#include "platform/sheet/sheetdata.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QXmlStreamReader;
typedef struct zip zip_t;

// A workbook of the newer format (.xlsx): a zip package of XML parts read with
// libzip and QXmlStreamReader, each part parsed as it inflates. Failures give a
// short reason in the operator's language; the caller adds which file it was.
class XlsxWorkbook {
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
    // Runs parse over a part found by name, without regard to case and with a
    // backslash standing for "/".
    ReadResult ReadPart(
        const QString& name, const std::function<void(QXmlStreamReader&)>& parse, QString* reason) const;
    // Whether a part that must be there was read; a missing one gives whenMissing.
    static bool Required(ReadResult result, const QString& whenMissing, QString* reason);
    bool ReadSharedStrings(const QString& part, QString* reason);
    bool ReadStyles(const QString& part, QString* reason);
    // A cell's text by its type ("s", "b", "e", ...), raw value and style.
    QString CellValue(const QString& type, const QString& value, int style);

    zip_t* zip_ = nullptr;
    QHash<QString, quint64> entries_; // the package's entries by normalised name
    std::vector<Sheet> sheets_;
    QStringList sharedStrings_;
    std::vector<CellText::DateKind> dateKinds_; // per cell style
    CellText::NumberTexts numbers_;
};
