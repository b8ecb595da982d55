#include "platform/sheet/xlsxreader.h"

#include "platform/sheet/celltext.h"

#include <QDateTime>
#include <QFile>
#include <QXmlStreamReader>
#include <zip.h>

namespace
{

const QString Damaged = QStringLiteral("文件已损坏");
const QString Encrypted = QStringLiteral("文件已加密");
const QString NotWorkbook = QStringLiteral("不是Excel文件");

// No part of a real workbook comes near this; a larger one is a zip bomb.
constexpr qint64 MaxPartSize = 1024LL * 1024 * 1024;

// Control characters are stored as "_x000D_"; "_x005F_" escapes a literal underscore.
QString DecodeEscapes(const QString& text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('_') && i + 6 < text.size() && text.at(i + 1) == QLatin1Char('x')
            && text.at(i + 6) == QLatin1Char('_')) {
            bool ok = false;
            const ushort code = text.mid(i + 2, 4).toUShort(&ok, 16);
            if (ok) {
                out += QChar(code);
                i += 6;
                continue;
            }
        }
        out += text.at(i);
    }
    return out;
}

// The text of a string item (<si> or <is>): its runs, without phonetic guides.
QString ReadStringItem(QXmlStreamReader& xml)
{
    QString text;
    const QString end = xml.name().toString();
    int phonetic = 0;
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++phonetic;
            else if (xml.name() == u"t" && phonetic == 0)
                text += xml.readElementText();
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return DecodeEscapes(text);
}

// The directory of a part name, with its trailing slash ("xl/" of "xl/workbook.xml").
QString Folder(const QString& part)
{
    const int slash = part.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : part.left(slash + 1);
}

// A relationship's target made a part name: absolute from the package root, or
// relative to the folder of the part that names it.
QString Resolve(const QString& folder, const QString& target)
{
    QString path = target.startsWith(QLatin1Char('/')) ? target.mid(1) : folder + target;
    QStringList kept;
    for (const QString& segment : path.split(QLatin1Char('/'))) {
        if (segment == QLatin1String(".."))
            kept.removeLast();
        else if (!segment.isEmpty() && segment != QLatin1String("."))
            kept << segment;
    }
    return kept.join(QLatin1Char('/'));
}

struct Relationship {
    QString type;
    QString target;
};

// Relationship id -> relationship, from a .rels part.
QHash<QString, Relationship> ParseRelationships(const QByteArray& data, const QString& folder)
{
    QHash<QString, Relationship> out;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"Relationship") {
            const auto a = xml.attributes();
            if (a.value(QLatin1String("TargetMode")) != u"External")
                out.insert(a.value(QLatin1String("Id")).toString(),
                    { a.value(QLatin1String("Type")).toString(),
                        Resolve(folder, a.value(QLatin1String("Target")).toString()) });
        }
    }
    return out;
}

// A cell reference ("AB12") as row and column counted from 0; -1 for a part that is malformed.
void ParseReference(QStringView ref, int* row, int* column)
{
    int c = 0, i = 0;
    while (i < ref.size() && ref.at(i).isLetter()) {
        c = c * 26 + (ref.at(i).toUpper().unicode() - 'A' + 1);
        if (c > SheetBuilder::MaxColumns)
            break;
        ++i;
    }
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    *column = i > 0 ? c - 1 : -1;
    *row = ok ? r - 1 : -1;
}

}

XlsxWorkbook::~XlsxWorkbook()
{
    if (zip_)
        zip_discard(zip_);
}

XlsxWorkbook::ReadResult XlsxWorkbook::ReadPart(const QString& name, QByteArray* data, QString* reason) const
{
    data->clear();
    const zip_int64_t index = zip_name_locate(zip_, name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return ReadResult::Missing;
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip_, static_cast<zip_uint64_t>(index), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)
        && st.size > static_cast<zip_uint64_t>(MaxPartSize)) {
        *reason = Damaged;
        return ReadResult::Failed;
    }
    zip_file_t* file = zip_fopen_index(zip_, static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(zip_));
        *reason = (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP) ? Encrypted
                                                                                                        : Damaged;
        return ReadResult::Failed;
    }
    if (st.valid & ZIP_STAT_SIZE)
        data->reserve(static_cast<qsizetype>(st.size));
    char buffer[65536];
    zip_int64_t n = 0;
    while ((n = zip_fread(file, buffer, sizeof buffer)) > 0) {
        data->append(buffer, static_cast<qsizetype>(n));
        if (data->size() > MaxPartSize)
            break;
    }
    zip_fclose(file);
    if (n < 0 || data->size() > MaxPartSize) {
        data->clear();
        *reason = Damaged;
        return ReadResult::Failed;
    }
    return ReadResult::Ok;
}

bool XlsxWorkbook::Open(const QString& path, QString* reason)
{
    // The caller has seen the zip signature, so a package that will not open is damaged.
    zip_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, nullptr);
    if (!zip_) {
        *reason = Damaged;
        return false;
    }

    // The package's root relationships name the workbook part.
    QByteArray data;
    QString workbookPart = QStringLiteral("xl/workbook.xml");
    if (ReadPart(QStringLiteral("_rels/.rels"), &data, reason) == ReadResult::Ok) {
        for (const Relationship& r : ParseRelationships(data, QString())) {
            if (r.type.endsWith(QLatin1String("/officeDocument")))
                workbookPart = r.target;
        }
    }
    switch (ReadPart(workbookPart, &data, reason)) {
    case ReadResult::Missing:
        *reason = NotWorkbook;
        return false;
    case ReadResult::Failed:
        return false;
    case ReadResult::Ok:
        break;
    }
    const QByteArray workbook = data;

    const QString folder = Folder(workbookPart);
    const QString relsPart
        = folder + QStringLiteral("_rels/") + workbookPart.mid(folder.size()) + QStringLiteral(".rels");
    QHash<QString, Relationship> rels;
    if (ReadPart(relsPart, &data, reason) == ReadResult::Ok)
        rels = ParseRelationships(data, folder);

    QXmlStreamReader xml(workbook);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        if (xml.name() == u"workbookPr") {
            const auto v = a.value(QLatin1String("date1904"));
            epoch1904_ = v == u"1" || v == u"true";
        } else if (xml.name() == u"sheet") {
            // The relationship id is the attribute "id" of the relationships namespace.
            QString id;
            for (const QXmlStreamAttribute& attr : a) {
                if (attr.name() == u"id" && !attr.namespaceUri().isEmpty())
                    id = attr.value().toString();
            }
            const auto rel = rels.constFind(id);
            if (rel == rels.cend() || !rel->type.endsWith(QLatin1String("/worksheet")))
                continue;
            sheets_.push_back({ a.value(QLatin1String("name")).toString(), rel->target });
        }
    }
    if (xml.hasError()) {
        *reason = Damaged;
        return false;
    }

    for (const Relationship& r : rels) {
        if (r.type.endsWith(QLatin1String("/sharedStrings")) && !ReadSharedStrings(r.target, reason))
            return false;
        if (r.type.endsWith(QLatin1String("/styles")) && !ReadStyles(r.target, reason))
            return false;
    }
    return true;
}

bool XlsxWorkbook::ReadSharedStrings(const QString& part, QString* reason)
{
    QByteArray data;
    const ReadResult result = ReadPart(part, &data, reason);
    if (result == ReadResult::Failed)
        return false;
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            sharedStrings_ << ReadStringItem(xml);
    }
    if (xml.hasError()) {
        *reason = Damaged;
        return false;
    }
    return true;
}

bool XlsxWorkbook::ReadStyles(const QString& part, QString* reason)
{
    QByteArray data;
    const ReadResult result = ReadPart(part, &data, reason);
    if (result == ReadResult::Failed)
        return false;
    QHash<int, CellText::DateKind> custom;
    QXmlStreamReader xml(data);
    bool inCellXfs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto a = xml.attributes();
            if (xml.name() == u"numFmt") {
                custom.insert(a.value(QLatin1String("numFmtId")).toInt(),
                    CellText::KindOfFormat(a.value(QLatin1String("formatCode")).toString()));
            } else if (xml.name() == u"cellXfs") {
                inCellXfs = true;
            } else if (inCellXfs && xml.name() == u"xf") {
                const int id = a.value(QLatin1String("numFmtId")).toInt();
                const CellText::DateKind kind
                    = custom.contains(id) ? custom.value(id) : CellText::KindOfBuiltInFormat(id);
                dateKinds_.push_back(static_cast<int>(kind));
            }
        } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
            inCellXfs = false;
        }
    }
    if (xml.hasError()) {
        *reason = Damaged;
        return false;
    }
    return true;
}

QStringList XlsxWorkbook::SheetNames() const
{
    QStringList names;
    for (const Sheet& s : sheets_)
        names << s.name;
    return names;
}

bool XlsxWorkbook::ReadSheet(int index, SheetData* out, QString* reason)
{
    if (index < 0 || index >= static_cast<int>(sheets_.size())) {
        *reason = QStringLiteral("工作表不存在");
        return false;
    }
    QByteArray data;
    switch (ReadPart(sheets_[static_cast<size_t>(index)].part, &data, reason)) {
    case ReadResult::Missing:
        *reason = Damaged;
        return false;
    case ReadResult::Failed:
        return false;
    case ReadResult::Ok:
        break;
    }

    SheetBuilder builder;
    QXmlStreamReader xml(data);
    int row = -1, column = -1;
    // The cell being read.
    QString type, value;
    int style = 0;
    bool inCell = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"row") {
                const auto r = xml.attributes().value(QLatin1String("r"));
                row = r.isEmpty() ? row + 1 : r.toInt() - 1;
                column = -1;
            } else if (name == u"c") {
                const auto a = xml.attributes();
                const auto ref = a.value(QLatin1String("r"));
                if (ref.isEmpty()) {
                    ++column;
                } else {
                    int r = -1;
                    ParseReference(ref, &r, &column);
                    if (r >= 0)
                        row = r;
                }
                type = a.value(QLatin1String("t")).toString();
                style = a.value(QLatin1String("s")).toInt();
                value.clear();
                inCell = true;
            } else if (inCell && name == u"v") {
                value = xml.readElementText();
            } else if (inCell && name == u"is") {
                value = ReadStringItem(xml);
            }
        } else if (xml.isEndElement() && xml.name() == u"c") {
            inCell = false;
            if (value.isEmpty())
                continue;
            QString text;
            if (type == u"s") {
                bool ok = false;
                const int i = value.toInt(&ok);
                if (ok && i >= 0 && i < sharedStrings_.size())
                    text = sharedStrings_.at(i);
            } else if (type == u"inlineStr" || type == u"e") {
                text = value;
            } else if (type == u"str") {
                text = DecodeEscapes(value);
            } else if (type == u"b") {
                text = value.trimmed() == u"1" || value.trimmed() == u"true" ? QStringLiteral("True")
                                                                             : QStringLiteral("False");
            } else if (type == u"d") {
                const QDateTime when = QDateTime::fromString(value, Qt::ISODate);
                text = !when.isValid()           ? value
                    : when.time() == QTime(0, 0) ? when.toString(QStringLiteral("yyyy-MM-dd"))
                                                 : when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            } else {
                bool ok = false;
                const double number = value.toDouble(&ok);
                const auto kind = style >= 0 && style < static_cast<int>(dateKinds_.size())
                    ? static_cast<CellText::DateKind>(dateKinds_[static_cast<size_t>(style)])
                    : CellText::DateKind::None;
                text = !ok                             ? value
                    : kind == CellText::DateKind::None ? CellText::Number(number)
                                                       : CellText::Date(number, kind, epoch1904_);
            }
            if (!builder.Set(row, column, text)) {
                *reason = Damaged;
                return false;
            }
        }
    }
    if (xml.hasError()) {
        *reason = Damaged;
        return false;
    }
    return builder.Build(sheets_[static_cast<size_t>(index)].name, out, reason);
}
