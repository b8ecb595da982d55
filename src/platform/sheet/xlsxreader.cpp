#include "platform/sheet/xlsxreader.h"

#include "platform/sheet/celltext.h"

#include <QDateTime>
#include <QFile>
#include <QIODevice>
#include <QXmlStreamReader>
#include <zip.h>

namespace {

const QString Damaged = QStringLiteral("文件已损坏");
const QString Encrypted = QStringLiteral("文件已加密");
const QString NotWorkbook = QStringLiteral("不是Excel文件");
const QString TooLarge = QStringLiteral("文件过大");

// The most a part may inflate to. A full sheet of a real workbook stays well below;
// a larger part is a zip bomb and is refused before it fills the memory.
constexpr qint64 MaxPartSize = 256LL * 1024 * 1024;

// A part read as it inflates, never beyond MaxPartSize bytes.
class PartDevice : public QIODevice {
public:
    explicit PartDevice(zip_file_t* file) : file_(file) { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    ~PartDevice() override { zip_fclose(file_); }
    bool isSequential() const override { return true; }
    bool TooLarge() const { return tooLarge_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (tooLarge_)
            return -1;
        const zip_int64_t n = zip_fread(file_, data, static_cast<zip_uint64_t>(maxSize));
        if (n < 0)
            return -1;
        read_ += n;
        if (read_ > MaxPartSize) {
            tooLarge_ = true;
            return -1;
        }
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file_t* file_;
    qint64 read_ = 0;
    bool tooLarge_ = false;
};

// The next token of a part. A document type declaration is refused: the package
// format allows none, and the entities it declares could expand without end.
QXmlStreamReader::TokenType Next(QXmlStreamReader& xml)
{
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::DTD) {
        xml.raiseError(QStringLiteral("DTD"));
        return QXmlStreamReader::Invalid;
    }
    return token;
}

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
    while (Next(xml) != QXmlStreamReader::Invalid) {
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
void ParseRelationships(QXmlStreamReader& xml, const QString& folder, QHash<QString, Relationship>* out)
{
    while (!xml.atEnd()) {
        Next(xml);
        if (xml.isStartElement() && xml.name() == u"Relationship") {
            const auto a = xml.attributes();
            if (a.value(QLatin1String("TargetMode")) != u"External")
                out->insert(a.value(QLatin1String("Id")).toString(),
                    { a.value(QLatin1String("Type")).toString(),
                        Resolve(folder, a.value(QLatin1String("Target")).toString()) });
        }
    }
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

namespace {

// An entry name as the package's parts are looked up: "/" for "\" (some programs
// write their zip entries that way), without regard to case.
QString EntryKey(const QString& name)
{
    QString key = name.toLower();
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return key;
}

}

bool XlsxWorkbook::Required(ReadResult result, const QString& whenMissing, QString* reason)
{
    if (result == ReadResult::Missing)
        *reason = whenMissing;
    return result == ReadResult::Ok;
}

XlsxWorkbook::ReadResult XlsxWorkbook::ReadPart(
    const QString& name, const std::function<void(QXmlStreamReader&)>& parse, QString* reason) const
{
    const auto found = entries_.constFind(EntryKey(name));
    if (found == entries_.cend())
        return ReadResult::Missing;
    // A size stated beyond the limit is refused before anything inflates; a part that
    // states less than it holds stops at the limit as it is read.
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip_, *found, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)
        && st.size > static_cast<zip_uint64_t>(MaxPartSize)) {
        *reason = TooLarge;
        return ReadResult::Failed;
    }
    zip_file_t* file = zip_fopen_index(zip_, *found, 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(zip_));
        *reason = (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP) ? Encrypted
                                                                                                        : Damaged;
        return ReadResult::Failed;
    }
    PartDevice device(file);
    QXmlStreamReader xml(&device);
    parse(xml);
    if (device.TooLarge() || xml.hasError()) {
        *reason = device.TooLarge() ? TooLarge : Damaged;
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
    const zip_int64_t count = zip_get_num_entries(zip_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char* name = zip_get_name(zip_, static_cast<zip_uint64_t>(i), 0)) {
            const QString key = EntryKey(QString::fromUtf8(name));
            if (!entries_.contains(key))
                entries_.insert(key, static_cast<quint64>(i));
        }
    }

    // The package's root relationships name the workbook part.
    QString workbookPart = QStringLiteral("xl/workbook.xml");
    QHash<QString, Relationship> rels;
    const auto parseRels = [&](const QString& folder) {
        return [&rels, folder](QXmlStreamReader& xml) { ParseRelationships(xml, folder, &rels); };
    };
    if (ReadPart(QStringLiteral("_rels/.rels"), parseRels(QString()), reason) == ReadResult::Failed)
        return false;
    for (const Relationship& r : std::as_const(rels)) {
        if (r.type.endsWith(QLatin1String("/officeDocument")))
            workbookPart = r.target;
    }

    // The workbook names its sheets by relationship id; its own relationships say
    // which part each one is. Without them no sheet can be found: the file is damaged.
    const QString folder = Folder(workbookPart);
    const QString relsPart
        = folder + QStringLiteral("_rels/") + workbookPart.mid(folder.size()) + QStringLiteral(".rels");
    rels.clear();
    const ReadResult relsRead = ReadPart(relsPart, parseRels(folder), reason);

    struct Listed {
        QString name;
        QString id;
    };
    std::vector<Listed> listed;
    bool epoch1904 = false;
    const auto parseWorkbook = [&](QXmlStreamReader& xml) {
        while (!xml.atEnd()) {
            Next(xml);
            if (!xml.isStartElement())
                continue;
            const auto a = xml.attributes();
            if (xml.name() == u"workbookPr") {
                const auto v = a.value(QLatin1String("date1904"));
                epoch1904 = v == u"1" || v == u"true";
            } else if (xml.name() == u"sheet") {
                // The relationship id is the attribute "id" of the relationships namespace.
                QString id;
                for (const QXmlStreamAttribute& attr : a) {
                    if (attr.name() == u"id" && !attr.namespaceUri().isEmpty())
                        id = attr.value().toString();
                }
                listed.push_back({ a.value(QLatin1String("name")).toString(), id });
            }
        }
    };
    if (!Required(ReadPart(workbookPart, parseWorkbook, reason), NotWorkbook, reason)
        || !Required(relsRead, Damaged, reason))
        return false;
    numbers_.SetEpoch1904(epoch1904);
    for (const Listed& sheet : listed) {
        const auto rel = rels.constFind(sheet.id);
        if (rel != rels.cend() && rel->type.endsWith(QLatin1String("/worksheet")))
            sheets_.push_back({ sheet.name, rel->target });
    }

    for (const Relationship& r : std::as_const(rels)) {
        if (r.type.endsWith(QLatin1String("/sharedStrings")) && !ReadSharedStrings(r.target, reason))
            return false;
        if (r.type.endsWith(QLatin1String("/styles")) && !ReadStyles(r.target, reason))
            return false;
    }
    return true;
}

bool XlsxWorkbook::ReadSharedStrings(const QString& part, QString* reason)
{
    return ReadPart(
               part,
               [&](QXmlStreamReader& xml) {
                   while (!xml.atEnd()) {
                       Next(xml);
                       if (xml.isStartElement() && xml.name() == u"si")
                           sharedStrings_ << ReadStringItem(xml);
                   }
               },
               reason)
        != ReadResult::Failed;
}

bool XlsxWorkbook::ReadStyles(const QString& part, QString* reason)
{
    QHash<int, CellText::DateKind> custom;
    return ReadPart(
               part,
               [&](QXmlStreamReader& xml) {
                   bool inCellXfs = false;
                   while (!xml.atEnd()) {
                       Next(xml);
                       if (xml.isStartElement()) {
                           const auto a = xml.attributes();
                           if (xml.name() == u"numFmt") {
                               custom.insert(a.value(QLatin1String("numFmtId")).toInt(),
                                   CellText::KindOfFormat(a.value(QLatin1String("formatCode")).toString()));
                           } else if (xml.name() == u"cellXfs") {
                               inCellXfs = true;
                           } else if (inCellXfs && xml.name() == u"xf") {
                               const int id = a.value(QLatin1String("numFmtId")).toInt();
                               dateKinds_.push_back(
                                   custom.contains(id) ? custom.value(id) : CellText::KindOfBuiltInFormat(id));
                           }
                       } else if (xml.isEndElement() && xml.name() == u"cellXfs") {
                           inCellXfs = false;
                       }
                   }
               },
               reason)
        != ReadResult::Failed;
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
    SheetBuilder builder;
    bool outside = false; // a cell beyond the limits of a sheet
    const auto parse = [&](QXmlStreamReader& xml) {
        int row = -1, column = -1;
        // The cell being read.
        QString type, value;
        int style = 0;
        bool inCell = false;
        while (!xml.atEnd()) {
            Next(xml);
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
                if (!builder.Set(row, column, CellValue(type, value, style))) {
                    outside = true;
                    return;
                }
            }
        }
    };
    if (!Required(ReadPart(sheets_[static_cast<size_t>(index)].part, parse, reason), Damaged, reason))
        return false;
    if (outside) {
        *reason = Damaged;
        return false;
    }
    return builder.Build(sheets_[static_cast<size_t>(index)].name, out, reason);
}

QString XlsxWorkbook::CellValue(const QString& type, const QString& value, int style)
{
    if (type == u"s") {
        bool ok = false;
        const int i = value.toInt(&ok);
        return ok && i >= 0 && i < sharedStrings_.size() ? sharedStrings_.at(i) : QString();
    }
    if (type == u"inlineStr" || type == u"e")
        return value;
    if (type == u"str")
        return DecodeEscapes(value);
    if (type == u"b")
        return CellText::Boolean(value.trimmed() == u"1" || value.trimmed() == u"true");
    if (type == u"d") {
        const QDateTime when = QDateTime::fromString(value, Qt::ISODate);
        return !when.isValid()           ? value
            : when.time() == QTime(0, 0) ? when.toString(QStringLiteral("yyyy-MM-dd"))
                                         : when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value;
    const auto kind = style >= 0 && style < static_cast<int>(dateKinds_.size()) ? dateKinds_[static_cast<size_t>(style)]
                                                                                : CellText::DateKind::None;
    return numbers_.Text(number, kind);
}
