#include "platform/sheet/sheetreader.h"

#include "platform/sheet/xlsreader.h"
#include "platform/sheet/xlsxreader.h"

#include <QFile>
#include <QFileInfo>

namespace
{

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

// Opens the workbook in the reader its content calls for and runs the step on it.
template <typename Step> bool WithWorkbook(const QString& path, QString* error, Step step)
{
    Format format;
    QString reason;
    bool ok = Detect(path, &format, &reason);
    if (ok && format == Format::Xlsx) {
        XlsxWorkbook book;
        ok = book.Open(path, &reason) && step(book, &reason);
    } else if (ok) {
        XlsWorkbook book;
        ok = book.Open(path, &reason) && step(book, &reason);
    }
    if (!ok && error)
        *error = Failure(path, reason);
    return ok;
}

}

namespace SheetReader
{

bool SheetNames(const QString& path, QStringList* names, QString* error)
{
    names->clear();
    return WithWorkbook(path, error, [&](auto& book, QString*) {
        *names = book.SheetNames();
        return true;
    });
}

bool ReadSheet(const QString& path, int index, SheetData* out, QString* error)
{
    *out = SheetData();
    return WithWorkbook(path, error, [&](auto& book, QString* reason) { return book.ReadSheet(index, out, reason); });
}

}
