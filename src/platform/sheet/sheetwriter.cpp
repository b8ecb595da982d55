#include "platform/sheet/sheetwriter.h"

#include "platform/sheet/biffworkbook.h"
#include "platform/sheet/compoundfile.h"
#include "platform/sheet/sheetcell.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <xlsxwriter.h>

namespace {

const QString SheetName = QStringLiteral("Sheet1");
// The most characters a cell of the newer format holds.
constexpr int MaxXlsxText = 32767;

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("无法写入文件：") + QFileInfo(path).fileName() + QStringLiteral("（") + reason
        + QStringLiteral("）");
}

bool IsNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

SheetCell TextCell(const QString& s, int maxText)
{
    SheetCell cell;
    if (!s.isEmpty()) {
        cell.kind = SheetCell::Kind::Text;
        cell.text = s.left(maxText);
    }
    return cell;
}

SheetCell Prepare(const SheetTable& table, int column, const QVariant& v, int maxText)
{
    auto Text = [maxText](const QString& s) { return TextCell(s, maxText); };
    if (v.isNull() || !v.isValid())
        return {};
    if (IsNumber(v)) {
        const double number = v.toDouble();
        const QString format = table.formats.value(column);
        if (!format.isEmpty() && table.formatNumber)
            return Text(table.formatNumber(format, number));
        SheetCell cell;
        // Neither format can hold infinity or "not a number"; such a value shows nothing.
        if (std::isfinite(number)) {
            cell.kind = SheetCell::Kind::Number;
            cell.number = number;
        }
        return cell;
    }
    switch (v.typeId()) {
    case QMetaType::Bool:
        return Text(v.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    case QMetaType::QDate:
        return Text(v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
    case QMetaType::QDateTime:
        return Text(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    default:
        return Text(v.toString());
    }
}

// How many character widths a text takes: East Asian characters count twice.
int DisplayWidth(const QString& s)
{
    int width = 0;
    for (const QChar c : s)
        width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

PreparedSheet Prepare(const SheetTable& table, int maxText)
{
    PreparedSheet sheet;
    int columns = static_cast<int>(table.captions.size());
    for (const auto& row : table.rows)
        columns = std::max(columns, static_cast<int>(row.size()));
    sheet.rows.reserve(static_cast<size_t>(table.rows.size()) + 1);
    std::vector<SheetCell> header;
    for (const QString& caption : table.captions)
        header.push_back(TextCell(caption, maxText));
    sheet.rows.push_back(std::move(header));
    for (const auto& row : table.rows) {
        std::vector<SheetCell> cells;
        cells.reserve(static_cast<size_t>(row.size()));
        for (int c = 0; c < row.size(); ++c)
            cells.push_back(Prepare(table, c, row.at(c), maxText));
        sheet.rows.push_back(std::move(cells));
    }
    // Wide enough for the longest entry, within reason.
    std::vector<int> widest(static_cast<size_t>(columns), 0);
    for (const auto& row : sheet.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            const SheetCell& cell = row[c];
            int w = 0;
            if (cell.kind == SheetCell::Kind::Text)
                w = DisplayWidth(cell.text.left(200));
            else if (cell.kind == SheetCell::Kind::Number)
                w = static_cast<int>(QString::number(cell.number, 'g', 15).size());
            widest[c] = std::max(widest[c], w);
        }
    }
    for (int w : widest)
        sheet.widths.push_back(std::clamp(w + 2, 8, 80));
    return sheet;
}

bool Save(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = Failure(path, file.errorString());
        return false;
    }
    return true;
}

// Checked before anything is prepared, so that an oversized table costs nothing.
bool CheckLimits(
    const QString& path, const SheetTable& table, qint64 maxRows, int maxColumns, const QString& limits, QString* error)
{
    qsizetype columns = table.captions.size();
    for (const auto& row : table.rows)
        columns = std::max(columns, row.size());
    if (table.rows.size() + 1 > maxRows || columns > maxColumns) {
        if (error)
            *error = Failure(path, QStringLiteral("数据超出此文件格式的上限：") + limits);
        return false;
    }
    return true;
}

}

bool WriteXlsx(const QString& path, const SheetTable& table, QString* error)
{
    if (!CheckLimits(path, table, LXW_ROW_MAX, LXW_COL_MAX, QStringLiteral("1048576行，16384列"), error))
        return false;
    const PreparedSheet sheet = Prepare(table, MaxXlsxText);

    // The library writes to a file of its own; the target is replaced only once
    // that file is whole.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = Failure(path, QStringLiteral("无法建立临时文件"));
        return false;
    }
    const QString temporary = scratch.filePath(QStringLiteral("book.xlsx"));
    // Rows go out in order, so each can be flushed as it is written.
    const QByteArray scratchFolder = QFile::encodeName(scratch.path());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(scratchFolder.constData());
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(temporary).constData(), &options);
    if (!book) {
        if (error)
            *error = Failure(path, QStringLiteral("内存不足"));
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(book, SheetName.toUtf8().constData());
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    for (size_t c = 0; c < sheet.widths.size(); ++c)
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), sheet.widths[c], nullptr);
    lxw_error failed = LXW_NO_ERROR;
    for (size_t r = 0; r < sheet.rows.size() && failed == LXW_NO_ERROR; ++r) {
        const auto& row = sheet.rows[r];
        for (size_t c = 0; c < row.size() && failed == LXW_NO_ERROR; ++c) {
            const SheetCell& cell = row[c];
            lxw_format* format = r == 0 ? bold : nullptr;
            const auto rr = static_cast<lxw_row_t>(r);
            const auto cc = static_cast<lxw_col_t>(c);
            if (cell.kind == SheetCell::Kind::Number)
                failed = worksheet_write_number(ws, rr, cc, cell.number, format);
            else if (cell.kind == SheetCell::Kind::Text)
                failed = worksheet_write_string(ws, rr, cc, cell.text.toUtf8().constData(), format);
        }
    }
    const lxw_error closed = workbook_close(book);
    if (failed == LXW_NO_ERROR)
        failed = closed;
    if (failed != LXW_NO_ERROR) {
        if (error)
            *error = Failure(path, QString::fromUtf8(lxw_strerror(failed)));
        return false;
    }
    QFile written(temporary);
    if (!written.open(QIODevice::ReadOnly)) {
        if (error)
            *error = Failure(path, written.errorString());
        return false;
    }
    return Save(path, written.readAll(), error);
}

bool WriteXls(const QString& path, const SheetTable& table, QString* error)
{
    if (!CheckLimits(path, table, 65536, 256, QStringLiteral("65536行，256列"), error))
        return false;
    const PreparedSheet sheet = Prepare(table, MaxBiffText);
    const QByteArray workbook = BuildBiffWorkbook(SheetName, sheet);
    return Save(path, BuildCompoundFile({ { QStringLiteral("Workbook"), workbook } }), error);
}
