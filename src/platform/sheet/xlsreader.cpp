#include "platform/sheet/xlsreader.h"

#include <QStringDecoder>
#include <QtEndian>
#include <cstring>

namespace {

const QString Damaged = QStringLiteral("文件已损坏");

enum RecordType : quint16 {
    Formula = 0x0006,
    Eof = 0x000A,
    DateMode = 0x0022,
    FilePass = 0x002F,
    Continue = 0x003C,
    CodePage = 0x0042,
    BoundSheet = 0x0085,
    MulRk = 0x00BD,
    RString = 0x00D6,
    Xf = 0x00E0,
    Sst = 0x00FC,
    LabelSst = 0x00FD,
    Number = 0x0203,
    Label = 0x0204,
    BoolErr = 0x0205,
    String = 0x0207,
    Rk = 0x027E,
    Format = 0x041E,
    Bof = 0x0809,
};

quint16 U16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}
double F64(const char* p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// A number packed into 32 bits: an integer or the high half of a double, either
// possibly divided by 100.
double RkValue(quint32 rk)
{
    double v;
    if (rk & 2) {
        v = static_cast<double>(static_cast<qint32>(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return (rk & 1) ? v / 100 : v;
}

struct Record {
    quint16 type = 0;
    const char* data = nullptr;
    int size = 0;
};

// The records of a workbook stream one after another, each checked to lie within it.
class Records {
public:
    enum Step { Ok, End, Broken };
    Records(const QByteArray& stream, qsizetype at) : stream_(stream), at_(at) { }

    Step Next(Record* r)
    {
        if (at_ >= stream_.size())
            return End;
        if (at_ < 0 || at_ + 4 > stream_.size())
            return Broken;
        const char* p = stream_.constData() + at_;
        r->type = U16(p);
        r->size = U16(p + 2);
        if (at_ + 4 + r->size > stream_.size())
            return Broken;
        r->data = p + 4;
        at_ += 4 + r->size;
        return Ok;
    }
    // Whether the next record continues the one just read.
    bool NextIsContinue() const { return at_ + 4 <= stream_.size() && U16(stream_.constData() + at_) == Continue; }

private:
    const QByteArray& stream_;
    qsizetype at_;
};

// A record's body followed by the bodies of the continuation records after it, read
// as one run of bytes. Characters of a text that runs over into the next record
// are preceded there by a byte that repeats whether they take one or two bytes.
class Pieces {
public:
    void Add(const char* data, qsizetype size) { parts_.push_back({ data, size }); }
    // Gathers the continuation records that follow the record just read.
    bool AddContinues(Records& records)
    {
        Record r;
        while (records.NextIsContinue()) {
            if (records.Next(&r) != Records::Ok)
                return false;
            Add(r.data, r.size);
        }
        return true;
    }
    bool Skip(qint64 n) { return Bytes(nullptr, n); }
    bool U8(quint8* v) { return Bytes(reinterpret_cast<char*>(v), 1); }
    bool U16(quint16* v)
    {
        char b[2];
        if (!Bytes(b, 2))
            return false;
        *v = qFromLittleEndian<quint16>(b);
        return true;
    }
    bool U32(quint32* v)
    {
        char b[4];
        if (!Bytes(b, 4))
            return false;
        *v = qFromLittleEndian<quint32>(b);
        return true;
    }

    // count characters of one or two bytes each; one-byte characters are Latin-1.
    bool Chars(qsizetype count, bool wide, QString* out)
    {
        out->clear();
        if (count > 0)
            out->reserve(count);
        while (count > 0) {
            if (part_ >= parts_.size())
                return false;
            if (pos_ == Left(part_)) {
                if (++part_ >= parts_.size() || parts_[part_].second < 1)
                    return false;
                wide = (parts_[part_].first[0] & 0x01) != 0;
                pos_ = 1;
            }
            const int width = wide ? 2 : 1;
            const qsizetype take = std::min(count, (Left(part_) - pos_) / width);
            if (take == 0)
                return false;
            const char* p = parts_[part_].first + pos_;
            if (wide)
                out->append(QStringView(reinterpret_cast<const char16_t*>(p), take));
            else
                out->append(QLatin1StringView(p, take));
            pos_ += take * width;
            count -= take;
        }
        return true;
    }

private:
    qsizetype Left(size_t part) const { return parts_[part].second; }
    bool Bytes(char* out, qint64 n)
    {
        while (n > 0) {
            if (part_ >= parts_.size())
                return false;
            if (pos_ == Left(part_)) {
                ++part_;
                pos_ = 0;
                continue;
            }
            const qint64 take = std::min<qint64>(n, Left(part_) - pos_);
            if (out) {
                std::memcpy(out, parts_[part_].first + pos_, static_cast<size_t>(take));
                out += take;
            }
            pos_ += take;
            n -= take;
        }
        return true;
    }

    std::vector<std::pair<const char*, qsizetype>> parts_;
    size_t part_ = 0;
    qsizetype pos_ = 0;
};

// A text of the newer version: its length (in one or two bytes), a flags byte, and
// for a rich text of the string table its formatting runs and phonetic block, which
// are skipped.
bool ReadText(Pieces& in, int lengthBytes, bool rich, QString* out)
{
    quint16 count = 0;
    quint8 flags = 0, shortCount = 0;
    if (lengthBytes == 1 ? !in.U8(&shortCount) : !in.U16(&count))
        return false;
    if (lengthBytes == 1)
        count = shortCount;
    if (!in.U8(&flags))
        return false;
    quint16 runs = 0;
    quint32 extra = 0;
    if (rich && (flags & 0x08) && !in.U16(&runs))
        return false;
    if (rich && (flags & 0x04) && !in.U32(&extra))
        return false;
    return in.Chars(count, flags & 0x01, out) && in.Skip(qint64(runs) * 4 + extra);
}

const char* CodePageName(int codePage)
{
    switch (codePage) {
    case 367:
        return "US-ASCII";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
    case 32768:
        return "macintosh";
    default:
        return nullptr;
    }
}

}

QString XlsWorkbook::OldFormat()
{
    return QStringLiteral("不支持Excel 4.0及更早的文件格式");
}

bool XlsWorkbook::IsOldFormat(const QByteArray& head)
{
    if (head.size() < 4)
        return false;
    const quint16 type = U16(head.constData());
    const quint16 length = U16(head.constData() + 2);
    return (type == 0x0009 || type == 0x0209 || type == 0x0409) && length >= 4 && length <= 16;
}

QString XlsWorkbook::Decode(const char* bytes, qsizetype size) const
{
    if (!decoder_) {
        QByteArray name;
        if (const char* known = CodePageName(codePage_))
            name = known;
        else if ((codePage_ >= 1250 && codePage_ <= 1258) || codePage_ == 874)
            name = "windows-" + QByteArray::number(codePage_);
        else if (codePage_ == 32769)
            name = "windows-1252";
        else
            name = "IBM" + QByteArray::number(codePage_);
        decoder_.emplace(name.constData());
        if (!decoder_->isValid())
            decoder_.emplace("windows-1252");
    }
    if (!decoder_->isValid())
        return QString::fromLatin1(bytes, size);
    decoder_->resetState();
    return decoder_->decode(QByteArrayView(bytes, size));
}

bool XlsWorkbook::RecordText(
    const char* data, int size, int offset, int lengthBytes8, int lengthBytes5, QString* out) const
{
    if (offset + (biff8_ ? lengthBytes8 : lengthBytes5) > size)
        return false;
    if (biff8_) {
        Pieces in;
        in.Add(data + offset, size - offset);
        return ReadText(in, lengthBytes8, false, out);
    }
    const int length = lengthBytes5 == 1 ? quint8(data[offset]) : U16(data + offset);
    if (offset + lengthBytes5 + length > size)
        return false;
    *out = Decode(data + offset + lengthBytes5, length);
    return true;
}

bool XlsWorkbook::Open(const QString& path, QString* reason)
{
    if (!container_.Open(path)) {
        *reason = Damaged;
        return false;
    }
    const QStringList streams = container_.StreamNames();
    if (streams.contains(QStringLiteral("EncryptedPackage"), Qt::CaseInsensitive)) {
        *reason = QStringLiteral("文件已加密");
        return false;
    }
    // "Workbook" for the newer version, "Book" for the older; some programs write them in capitals.
    QString name;
    for (const QString& candidate : { QStringLiteral("Workbook"), QStringLiteral("Book") }) {
        if (name.isEmpty() && streams.contains(candidate, Qt::CaseInsensitive))
            name = candidate;
    }
    if (name.isEmpty()) {
        *reason = QStringLiteral("不是Excel文件");
        return false;
    }
    if (!container_.Stream(name, &stream_)) {
        *reason = Damaged;
        return false;
    }
    return ReadGlobals(reason);
}

bool XlsWorkbook::ReadGlobals(QString* reason)
{
    *reason = Damaged;
    Records records(stream_, 0);
    Record r;
    if (records.Next(&r) != Records::Ok)
        return false;
    if (r.type != Bof) {
        if (IsOldFormat(stream_.left(4)))
            *reason = OldFormat();
        return false;
    }
    if (r.size < 4)
        return false;
    switch (U16(r.data)) {
    case 0x0600:
        biff8_ = true;
        break;
    case 0x0500:
        biff8_ = false;
        break;
    case 0x0200:
    case 0x0300:
    case 0x0400:
        *reason = OldFormat();
        return false;
    default:
        // Some programs leave the version out; the length of the record still tells.
        biff8_ = r.size >= 16;
        break;
    }

    std::vector<quint16> xfFormats;
    QHash<int, CellText::DateKind> formats;
    bool epoch1904 = false;
    for (;;) {
        switch (records.Next(&r)) {
        case Records::Ok:
            break;
        case Records::End:
        case Records::Broken:
            return false;
        }
        if (r.type == Eof)
            break;
        switch (r.type) {
        case FilePass:
            *reason = QStringLiteral("文件已加密");
            return false;
        case CodePage:
            if (r.size >= 2) {
                codePage_ = U16(r.data);
                decoder_.reset();
            }
            break;
        case DateMode:
            if (r.size >= 2)
                epoch1904 = U16(r.data) == 1;
            break;
        case Format: {
            QString code;
            if (r.size < 2 || !RecordText(r.data, r.size, 2, 2, 1, &code))
                return false;
            formats.insert(U16(r.data), CellText::KindOfFormat(code));
            break;
        }
        case Xf:
            if (r.size < 4)
                return false;
            xfFormats.push_back(U16(r.data + 2));
            break;
        case BoundSheet: {
            if (r.size < 7)
                return false;
            QString name;
            if (!RecordText(r.data, r.size, 6, 1, 1, &name))
                return false;
            // Type 0 is a worksheet (or a dialog); charts, macro sheets and modules are no tables.
            if (quint8(r.data[5]) == 0) {
                names_ << name;
                offsets_.push_back(U32(r.data));
            }
            break;
        }
        case Sst: {
            Pieces in;
            in.Add(r.data, r.size);
            if (!in.AddContinues(records))
                return false;
            quint32 total = 0, unique = 0;
            if (!in.U32(&total) || !in.U32(&unique))
                return false;
            // The count is only trusted as far as the records hold strings (three bytes at least).
            strings_.reserve(static_cast<qsizetype>(std::min<quint64>(unique, r.size / 3 + 1)));
            for (quint32 i = 0; i < unique; ++i) {
                QString text;
                if (!ReadText(in, 2, true, &text))
                    return false;
                strings_ << text;
            }
            break;
        }
        default:
            break;
        }
    }

    for (quint16 format : xfFormats) {
        const auto custom = formats.constFind(format);
        cellFormats_.push_back(custom != formats.cend() ? *custom : CellText::KindOfBuiltInFormat(format));
    }
    numbers_.SetEpoch1904(epoch1904);
    reason->clear();
    return true;
}

bool XlsWorkbook::ReadSheet(int index, SheetData* out, QString* reason)
{
    if (index < 0 || index >= names_.size()) {
        *reason = QStringLiteral("工作表不存在");
        return false;
    }
    *reason = Damaged;
    Records records(stream_, static_cast<qsizetype>(offsets_[static_cast<size_t>(index)]));
    Record r;
    if (records.Next(&r) != Records::Ok || r.type != Bof)
        return false;

    SheetBuilder builder;
    // A formula with a text result names its cell here; the text follows in a STRING record.
    int textRow = -1, textColumn = -1;
    auto kindOf = [&](quint16 xf) { return xf < cellFormats_.size() ? cellFormats_[xf] : CellText::DateKind::None; };
    // Embedded charts are whole substreams of their own inside the worksheet's.
    int depth = 1;
    for (;;) {
        const Records::Step step = records.Next(&r);
        if (step == Records::Broken)
            return false;
        if (step == Records::End)
            break;
        if (r.type == Bof) {
            ++depth;
            continue;
        }
        if (r.type == Eof) {
            if (--depth == 0)
                break;
            continue;
        }
        if (depth != 1)
            continue;

        if (r.type == String) {
            if (textRow < 0)
                continue;
            // In the newer version a long result goes on in continuation records.
            QString text;
            Pieces in;
            in.Add(r.data, r.size);
            if (biff8_ ? !in.AddContinues(records) || !ReadText(in, 2, false, &text)
                       : !RecordText(r.data, r.size, 0, 2, 2, &text))
                return false;
            if (!builder.Set(textRow, textColumn, text))
                return false;
            textRow = -1;
            continue;
        }

        int need = 0;
        switch (r.type) {
        case Number:
        case Formula:
            need = 14;
            break;
        case Rk:
        case LabelSst:
            need = 10;
            break;
        case BoolErr:
            need = 8;
            break;
        case Label:
        case RString:
        case MulRk:
            need = 6;
            break;
        default:
            continue; // no value of a cell
        }
        if (r.size < need)
            return false;
        textRow = -1;
        const int row = U16(r.data);
        const int column = U16(r.data + 2);
        const quint16 xf = U16(r.data + 4);
        QString text;
        switch (r.type) {
        case Number:
            text = numbers_.Text(F64(r.data + 6), kindOf(xf));
            break;
        case Rk:
            text = numbers_.Text(RkValue(U32(r.data + 6)), kindOf(xf));
            break;
        case MulRk: {
            // Pairs of format and number for the columns from the first on, then the last column.
            const int count = (r.size - 6) / 6;
            for (int i = 0; i < count; ++i) {
                const char* p = r.data + 4 + i * 6;
                if (!builder.Set(row, column + i, numbers_.Text(RkValue(U32(p + 2)), kindOf(U16(p)))))
                    return false;
            }
            continue;
        }
        case LabelSst: {
            const quint32 i = U32(r.data + 6);
            if (i >= quint32(strings_.size()))
                return false;
            text = strings_.at(i);
            break;
        }
        case Label:
        case RString:
            if (!RecordText(r.data, r.size, 6, 2, 2, &text))
                return false;
            break;
        case BoolErr:
            text = r.data[7] ? CellText::Error(quint8(r.data[6])) : CellText::Boolean(r.data[6] != 0);
            break;
        case Formula:
            // The cached result: a number, or a kind in the first byte and 0xFFFF in the last two.
            if (U16(r.data + 12) != 0xFFFF) {
                text = numbers_.Text(F64(r.data + 6), kindOf(xf));
                break;
            }
            switch (quint8(r.data[6])) {
            case 0:
                textRow = row;
                textColumn = column;
                break;
            case 1:
                text = CellText::Boolean(r.data[8] != 0);
                break;
            case 2:
                text = CellText::Error(quint8(r.data[8]));
                break;
            default:
                break; // an empty text
            }
            break;
        default:
            break;
        }
        if (!builder.Set(row, column, text))
            return false;
    }
    reason->clear();
    return out ? builder.Build(names_.at(index), out, reason) : true;
}
