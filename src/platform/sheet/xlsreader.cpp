#include "platform/sheet/xlsreader.h"

#include "platform/sheet/celltext.h"
#include "platform/sheet/compoundreader.h"

#include <QFile>
#include <QtEndian>
#include <freexl.h>

namespace
{

enum class StringTable { Readable, TooLong, Broken };

// FreeXL misreads a shared string that runs over more than two records of the
// string table (it cuts it short, and with several such strings it may crash), so
// such a workbook is refused before FreeXL sees it. Spreadsheet programs write
// texts of more than about 4,000 characters that way.
StringTable CheckStringTable(const QByteArray& stream)
{
    // The string table and its continuation records, as spans of the stream.
    std::vector<std::pair<qsizetype, qsizetype>> records;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const quint16 type = qFromLittleEndian<quint16>(stream.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(stream.constData() + at + 2);
        if (at + 4 + length > stream.size())
            break;
        if (type == 0x00FC || (type == 0x003C && !records.empty()))
            records.emplace_back(at + 4, length);
        else if (!records.empty())
            break;
        at += 4 + length;
    }
    if (records.empty())
        return StringTable::Readable;

    size_t record = 0;
    qsizetype pos = 8; // after the two counts
    const char* data = stream.constData();
    auto left = [&]() { return records[record].second - pos; };
    auto nextRecord = [&]() {
        ++record;
        pos = 0;
        return record < records.size();
    };
    // Reads a little-endian field that never straddles records.
    auto field = [&](int bytes, quint32* value) {
        if (left() == 0 && !nextRecord())
            return false;
        if (left() < bytes)
            return false;
        const char* p = data + records[record].first + pos;
        *value = bytes == 1 ? quint8(*p) : bytes == 2 ? qFromLittleEndian<quint16>(p) : qFromLittleEndian<quint32>(p);
        pos += bytes;
        return true;
    };
    // Skips bytes that may run over into later records.
    auto skip = [&](qint64 bytes) {
        while (bytes > 0) {
            if (left() == 0 && !nextRecord())
                return false;
            const qint64 take = std::min<qint64>(bytes, left());
            pos += take;
            bytes -= take;
        }
        return true;
    };

    if (records[0].second < 8)
        return StringTable::Broken;
    const quint32 unique = qFromLittleEndian<quint32>(data + records[0].first + 4);
    for (quint32 i = 0; i < unique; ++i) {
        quint32 count = 0, flags = 0, runs = 0, extra = 0;
        if (!field(2, &count) || !field(1, &flags))
            return StringTable::Broken;
        const size_t first = record;
        if ((flags & 0x08) && !field(2, &runs))
            return StringTable::Broken;
        if ((flags & 0x04) && !field(4, &extra))
            return StringTable::Broken;
        qint64 remaining = count;
        int width = (flags & 0x01) ? 2 : 1;
        while (remaining > 0) {
            if (left() == 0) {
                // A string continued in the next record repeats its character width there.
                quint32 again = 0;
                if (!nextRecord() || !field(1, &again))
                    return StringTable::Broken;
                width = (again & 0x01) ? 2 : 1;
                continue;
            }
            const qint64 take = std::min<qint64>(remaining, left() / width);
            if (take == 0)
                return StringTable::Broken;
            pos += take * width;
            remaining -= take;
        }
        if (!skip(qint64(runs) * 4 + extra))
            return StringTable::Broken;
        if (record > first + 1)
            return StringTable::TooLong;
    }
    return StringTable::Readable;
}

}

XlsWorkbook::~XlsWorkbook()
{
    if (handle_)
        freexl_close(handle_);
}

bool XlsWorkbook::Open(const QString& path, QString* reason)
{
    CompoundFileReader container;
    if (container.Open(path)) {
        if (container.StreamNames().contains(QStringLiteral("EncryptedPackage"), Qt::CaseInsensitive)) {
            *reason = QStringLiteral("文件已加密");
            return false;
        }
        QByteArray stream;
        if (container.Stream(QStringLiteral("Workbook"), &stream)) {
            switch (CheckStringTable(stream)) {
            case StringTable::TooLong:
                *reason = QStringLiteral("单元格文字过长");
                return false;
            case StringTable::Broken:
                *reason = QStringLiteral("文件已损坏");
                return false;
            case StringTable::Readable:
                break;
            }
        }
    }
    const int rc = freexl_open(QFile::encodeName(path).constData(), &handle_);
    if (rc != FREEXL_OK) {
        if (rc == FREEXL_BIFF_WORKBOOK_NOT_FOUND)
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
            if (!out)
                continue;
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
    return !out || builder.Build(names_.at(index), out, reason);
}
