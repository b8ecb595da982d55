#include "platform/sheet/xlsreader.h"

#include "platform/sheet/celltext.h"

#include <QFile>
#include <freexl.h>

XlsWorkbook::~XlsWorkbook()
{
    if (handle_)
        freexl_close(handle_);
}

bool XlsWorkbook::Open(const QString& path, QString* reason)
{
    const int rc = freexl_open(QFile::encodeName(path).constData(), &handle_);
    if (rc != FREEXL_OK) {
        if (IsEncryptedPackage(path))
            *reason = QStringLiteral("文件已加密");
        else if (rc == FREEXL_BIFF_WORKBOOK_NOT_FOUND)
            *reason = QStringLiteral("不是Excel文件");
        else
            *reason = QStringLiteral("文件已损坏");
        return false;
    }
    unsigned int info = 0;
    if (freexl_get_info(handle_, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED) {
        *reason = QStringLiteral("文件已加密");
        return false;
    }
    unsigned int count = 0;
    if (freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK) {
        *reason = QStringLiteral("文件已损坏");
        return false;
    }
    for (unsigned int i = 0; i < count && i < 65535; ++i) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle_, static_cast<unsigned short>(i), &name) != FREEXL_OK) {
            *reason = QStringLiteral("文件已损坏");
            return false;
        }
        names_ << QString::fromUtf8(name ? name : "");
    }
    return true;
}

bool XlsWorkbook::ReadSheet(int index, SheetData* out, QString* reason)
{
    if (index < 0 || index >= names_.size()) {
        *reason = QStringLiteral("工作表不存在");
        return false;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(handle_, static_cast<unsigned short>(index)) != FREEXL_OK
        || freexl_worksheet_dimensions(handle_, &rows, &columns) != FREEXL_OK) {
        *reason = QStringLiteral("文件已损坏");
        return false;
    }
    SheetBuilder builder;
    for (unsigned int r = 0; r < rows; ++r) {
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(handle_, r, c, &cell) != FREEXL_OK) {
                *reason = QStringLiteral("文件已损坏");
                return false;
            }
            QString text;
            switch (cell.type) {
            case FREEXL_CELL_INT:
                text = QString::number(cell.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                text = CellText::Number(cell.value.double_value);
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                // Dates come as "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" and "HH:MM:SS",
                // the program's own forms.
                text = QString::fromUtf8(cell.value.text_value ? cell.value.text_value : "");
                break;
            default:
                continue;
            }
            if (!builder.Set(static_cast<int>(r), c, text)) {
                *reason = QStringLiteral("文件已损坏");
                return false;
            }
        }
    }
    return builder.Build(names_.at(index), out, reason);
}

bool IsEncryptedPackage(const QString& path)
{
    // The directory of a compound file names its streams in UTF-16; the stream
    // "EncryptedPackage" holds the encrypted workbook.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString marker = QStringLiteral("EncryptedPackage");
    const QByteArray needle(reinterpret_cast<const char*>(marker.utf16()), marker.size() * 2);
    constexpr qint64 chunk = 1 << 20;
    QByteArray carry;
    while (!file.atEnd()) {
        const QByteArray block = carry + file.read(chunk);
        if (block.contains(needle))
            return true;
        carry = block.right(needle.size());
    }
    return false;
}
