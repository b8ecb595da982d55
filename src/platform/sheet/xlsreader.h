#pragma once
#include "platform/sheet/celltext.h"
#include "platform/sheet/compoundreader.h"
#include "platform/sheet/sheetdata.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <optional>
#include <vector>

// A workbook of the older format (.xls): the BIFF8 or BIFF5 workbook stream of a
// compound document. Only worksheets count as sheets; charts, macro sheets and the
// records that carry no cell values are passed over. Every length is checked against
// the stream, so a damaged file ends in a reason, never a crash. Failures give a
// short reason in the operator's language.
class XlsWorkbook {
public:
    // The reason given for the raw files of Excel 4.0 and before, and whether the
    // first bytes of a file are such a file's first record.
    static QString OldFormat();
    static bool IsOldFormat(const QByteArray& head);

    bool Open(const QString& path, QString* reason);
    QStringList SheetNames() const { return names_; }
    bool ReadSheet(int index, SheetData* out, QString* reason);

private:
    bool ReadGlobals(QString* reason);
    // A text within a record at offset, its length in lengthBytes8 or lengthBytes5
    // bytes: in BIFF8 with a flags byte and 8- or 16-bit characters, in BIFF5 with
    // 8-bit characters in the code page.
    bool RecordText(const char* data, int size, int offset, int lengthBytes8, int lengthBytes5, QString* out) const;
    // An 8-bit text of the older version in the workbook's code page.
    QString Decode(const char* bytes, qsizetype size) const;

    CompoundFileReader container_;
    QByteArray stream_;
    bool biff8_ = true;
    int codePage_ = 1252;
    QStringList names_;
    std::vector<quint32> offsets_;                // where each worksheet's records begin
    QStringList strings_;                         // the shared string table
    std::vector<CellText::DateKind> cellFormats_; // per cell format (XF)
    CellText::NumberTexts numbers_;
    mutable std::optional<QStringDecoder> decoder_;
};
