#include "platform/sheet/biffworkbook.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr int MaxRecordData = 8224;
constexpr quint16 CellXf = 15;   // the default cell format
constexpr quint16 HeaderXf = 16; // the same with the bold font

// A growing byte buffer in little-endian order.
class Bytes {
public:
    QByteArray data;
    void U8(quint8 v) { data.append(static_cast<char>(v)); }
    void U16(quint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        data.append(b, 2);
    }
    void U32(quint32 v)
    {
        char b[4];
        qToLittleEndian(v, b);
        data.append(b, 4);
    }
    void F64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToLittleEndian(bits, b);
        data.append(b, 8);
    }
    void Utf16(const QString& s)
    {
        for (const QChar c : s)
            U16(c.unicode());
    }
    int Size() const { return static_cast<int>(data.size()); }
};

void Record(Bytes& out, quint16 type, const QByteArray& body)
{
    out.U16(type);
    out.U16(static_cast<quint16>(body.size()));
    out.data.append(body);
}

QByteArray Font(quint16 weight)
{
    Bytes b;
    b.U16(220);    // 11 points, in twentieths
    b.U16(0);      // no italic or strike-through
    b.U16(0x7FFF); // the window text colour
    b.U16(weight);
    b.U16(0);   // no super- or subscript
    b.U8(0);    // no underline
    b.U8(0);    // family
    b.U8(0x86); // GB 2312 character set
    b.U8(0);
    const QString name = QStringLiteral("宋体");
    b.U8(static_cast<quint8>(name.size()));
    b.U8(1); // 16-bit characters
    b.Utf16(name);
    return b.data;
}

QByteArray Xf(quint16 font, bool style)
{
    Bytes b;
    b.U16(font);
    b.U16(0);                       // the General number format
    b.U16(style ? 0xFFF5 : 0x0001); // locked; a style has no parent
    b.U8(0x20);                     // bottom-aligned
    b.U8(0);
    b.U8(0);
    b.U8(style ? 0xF4 : (font == 5 ? 0x08 : 0x00)); // which attributes this format sets
    b.U32(0);                                       // no borders
    b.U32(0);
    b.U16(0x20C0); // default pattern colours
    return b.data;
}

// The shared string table, split over continuation records where it outgrows one
// record, and the index into it that readers use to seek.
struct StringTable {
    QStringList strings;
    QHash<QString, int> index;
    quint32 total = 0;

    quint32 Add(const QString& s)
    {
        ++total;
        auto it = index.constFind(s);
        if (it != index.cend())
            return static_cast<quint32>(*it);
        const int i = static_cast<int>(strings.size());
        strings << s;
        index.insert(s, i);
        return static_cast<quint32>(i);
    }

    // Appends the SST, its CONTINUE records and the EXTSST to out.
    void Write(Bytes& out) const
    {
        const int count = static_cast<int>(strings.size());
        const int bucket = std::max(8, (count + 127) / 128);
        struct Seek {
            quint32 position;
            quint16 offset;
        };
        std::vector<Seek> seeks;

        std::vector<QByteArray> records;
        Bytes current;
        current.U32(total);
        current.U32(static_cast<quint32>(count));
        // Where the records written so far end, from the start of the stream.
        qint64 recordStart = out.Size();
        auto startContinue = [&]() {
            recordStart += 4 + current.Size();
            records.push_back(current.data);
            current = Bytes();
        };
        for (int i = 0; i < count; ++i) {
            const QString& s = strings.at(i);
            // A string's header never splits, nor does it stand without its first character.
            const int room = MaxRecordData - current.Size();
            if (room < 3 + (s.isEmpty() ? 0 : 2))
                startContinue();
            if (i % bucket == 0)
                seeks.push_back({ static_cast<quint32>(recordStart + 4 + current.Size()),
                    static_cast<quint16>(4 + current.Size()) });
            current.U16(static_cast<quint16>(s.size()));
            current.U8(1); // 16-bit characters
            int done = 0;
            while (done < s.size()) {
                int room = (MaxRecordData - current.Size()) / 2;
                if (room == 0) {
                    startContinue();
                    current.U8(1); // a continued string repeats its character width
                    room = (MaxRecordData - current.Size()) / 2;
                }
                const int take = std::min(room, static_cast<int>(s.size()) - done);
                current.Utf16(s.mid(done, take));
                done += take;
            }
        }
        records.push_back(current.data);
        for (size_t r = 0; r < records.size(); ++r)
            Record(out, r == 0 ? 0x00FC : 0x003C, records[r]);

        Bytes ext;
        ext.U16(static_cast<quint16>(bucket));
        for (const Seek& s : seeks) {
            ext.U32(s.position);
            ext.U16(s.offset);
            ext.U16(0);
        }
        Record(out, 0x00FF, ext.data);
    }
};

QByteArray Bof(quint16 kind)
{
    Bytes b;
    b.U16(0x0600); // BIFF8
    b.U16(kind);
    b.U16(0x0DBB);
    b.U16(0x07CC);
    b.U32(0);
    b.U32(6);
    return b.data;
}

}

QByteArray BuildBiffWorkbook(const QString& sheetName, const PreparedSheet& sheet)
{
    StringTable strings;
    int columns = 0;
    for (const auto& row : sheet.rows)
        columns = std::max(columns, static_cast<int>(row.size()));

    // The worksheet first, so that its strings are known when the table is written.
    Bytes cells;
    for (size_t r = 0; r < sheet.rows.size(); ++r) {
        const auto& row = sheet.rows[r];
        for (size_t c = 0; c < row.size(); ++c) {
            const SheetCell& cell = row[c];
            if (cell.kind == SheetCell::Kind::Empty)
                continue;
            Bytes b;
            b.U16(static_cast<quint16>(r));
            b.U16(static_cast<quint16>(c));
            b.U16(r == 0 ? HeaderXf : CellXf);
            if (cell.kind == SheetCell::Kind::Number) {
                b.F64(cell.number);
                Record(cells, 0x0203, b.data); // NUMBER
            } else {
                b.U32(strings.Add(cell.text));
                Record(cells, 0x00FD, b.data); // LABELSST
            }
        }
    }

    Bytes book;
    Record(book, 0x0809, Bof(0x0005));
    {
        Bytes b;
        b.U16(1200); // texts are UTF-16
        Record(book, 0x0042, b.data);
    }
    {
        Bytes b;
        b.U16(0);
        b.U16(0);
        b.U16(15000);
        b.U16(9000);
        b.U16(0x0038);
        b.U16(0);
        b.U16(0);
        b.U16(1);
        b.U16(600);
        Record(book, 0x003D, b.data); // WINDOW1
    }
    // Font 4 does not exist in this format: four regular fonts, then the bold one as 5.
    for (int i = 0; i < 4; ++i)
        Record(book, 0x0031, Font(400));
    Record(book, 0x0031, Font(700));
    Record(book, 0x00E0, Xf(0, true));
    for (int i = 1; i < 15; ++i)
        Record(book, 0x00E0, Xf(0, true));
    Record(book, 0x00E0, Xf(0, false));
    Record(book, 0x00E0, Xf(5, false));
    {
        Bytes b;
        b.U16(0x8000); // built-in style on format 0
        b.U8(0);       // Normal
        b.U8(0xFF);
        Record(book, 0x0293, b.data); // STYLE
    }
    const int sheetOffsetAt = book.Size() + 4;
    {
        const QString name = sheetName.left(31);
        Bytes b;
        b.U32(0); // where the worksheet starts, set below
        b.U8(0);  // visible
        b.U8(0);  // a worksheet
        b.U8(static_cast<quint8>(name.size()));
        b.U8(1);
        b.Utf16(name);
        Record(book, 0x0085, b.data); // BOUNDSHEET
    }
    strings.Write(book);
    Record(book, 0x000A, QByteArray());

    qToLittleEndian(static_cast<quint32>(book.Size()), book.data.data() + sheetOffsetAt);

    Record(book, 0x0809, Bof(0x0010));
    for (size_t c = 0; c < sheet.widths.size() && static_cast<int>(c) < columns; ++c) {
        Bytes b;
        b.U16(static_cast<quint16>(c));
        b.U16(static_cast<quint16>(c));
        b.U16(static_cast<quint16>(std::clamp(sheet.widths[c] * 256.0, 256.0, 65280.0)));
        b.U16(CellXf);
        b.U16(0);
        b.U16(0);
        Record(book, 0x007D, b.data); // COLINFO
    }
    {
        Bytes b;
        b.U32(0);
        b.U32(static_cast<quint32>(sheet.rows.size()));
        b.U16(0);
        b.U16(static_cast<quint16>(columns));
        b.U16(0);
        Record(book, 0x0200, b.data); // DIMENSIONS
    }
    book.data.append(cells.data);
    {
        Bytes b;
        b.U16(0x06B6); // grid, headings, zeros, outline symbols; the sheet selected
        b.U16(0);
        b.U16(0);
        b.U16(64);
        b.U16(0);
        b.U16(0);
        b.U16(0);
        b.U32(0);
        Record(book, 0x023E, b.data); // WINDOW2
    }
    Record(book, 0x000A, QByteArray());
    return book.data;
}
