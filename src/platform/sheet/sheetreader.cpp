#include "platform/sheet/sheetreader.h"

#include "platform/sheet/xlsreader.h"
#include "platform/sheet/xlsxreader.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class Format { Xlsx, Xls };

QString Failure(const QString& path, const QString& reason)
{
    return QStringLiteral("无法读取文件：") + QFileInfo(path).fileName() + QStringLiteral("（") + reason
        + QStringLiteral("）");
}

bool Detect(const QString& path, Format* format, QString* reason)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        *reason = QStringLiteral("文件不存在");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("文件无法打开");
        return false;
    }
    const QByteArray head = file.read(8);
    if (XlsWorkbook::IsOldFormat(head)) {
        *reason = XlsWorkbook::OldFormat();
        return false;
    }
    if (head.startsWith("PK\x03\x04")) {
        *format = Format::Xlsx;
        return true;
    }
    if (head == QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)) {
        *format = Format::Xls;
        return true;
    }
    *reason = QStringLiteral("不是Excel文件");
    return false;
}

// The worksheet names and, when index is not negative, that worksheet.
bool Read(const QString& path, int index, QStringList* names, SheetData* sheet, QString* reason)
{
    Format format;
    if (!Detect(path, &format, reason))
        return false;
    auto read = [&](auto& book) {
        if (!book.Open(path, reason))
            return false;
        *names = book.SheetNames();
        return index < 0 || book.ReadSheet(index, sheet, reason);
    };
    if (format == Format::Xlsx) {
        XlsxWorkbook book;
        return read(book);
    }
    XlsWorkbook book;
    return read(book);
}

}

namespace SheetReader {

bool SheetNames(const QString& path, QStringList* names, QString* error)
{
    names->clear();
    SheetData unused;
    QString reason;
    const bool ok = Read(path, -1, names, &unused, &reason);
    if (!ok && error)
        *error = Failure(path, reason);
    return ok;
}

bool ReadSheet(const QString& path, int index, SheetData* out, QString* error)
{
    *out = SheetData();
    QStringList names;
    QString reason;
    const bool ok = Read(path, index, &names, out, &reason);
    if (!ok) {
        *out = SheetData();
        if (error)
            *error = Failure(path, reason);
    }
    return ok;
}

}
