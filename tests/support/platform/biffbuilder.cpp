#include "support/platform/biffbuilder.h"

#include <QStringEncoder>
#include <QtEndian>
#include <cstring>

namespace {

QByteArray U8(quint8 v)
{
    return QByteArray(1, static_cast<char>(v));
}
QByteArray U16(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}
QByteArray U32(quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}
QByteArray F64(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    return QByteArray(b, 8);
}
QByteArray Utf16(const QString& s)
{
    QByteArray out;
    for (const QChar c : s)
        out += U16(c.unicode());
    return out;
}

}

BiffBuilder::BiffBuilder(int version, int codePage) : version_(version), codePage_(codePage)
{
    xfCount_ = 0;
    Xf(0); // the default cell format, General
}

QByteArray BiffBuilder::Record(quint16 type, const QByteArray& body)
{
    return U16(type) + U16(static_cast<quint16>(body.size())) + body;
}

void BiffBuilder::Raw(quint16 type, const QByteArray& body)
{
    (sheets_.empty() ? globals_ : sheets_.back().records) += Record(type, body);
}

QByteArray BiffBuilder::Bof(quint16 kind) const
{
    if (version_ == 5)
        return Record(0x0809, U16(0x0500) + U16(kind) + U16(0x0DBB) + U16(0x07CC));
    return Record(0x0809, U16(0x0600) + U16(kind) + U16(0x0DBB) + U16(0x07CC) + U32(0) + U32(6));
}

QByteArray BiffBuilder::Encode(const QString& text) const
{
    QStringEncoder encoder(codePage_ == 936 ? "GBK" : "windows-1252");
    return encoder.encode(text);
}

QByteArray BiffBuilder::LongText(const QString& text) const
{
    if (version_ == 5) {
        const QByteArray bytes = Encode(text);
        return U16(static_cast<quint16>(bytes.size())) + bytes;
    }
    return U16(static_cast<quint16>(text.size())) + U8(1) + Utf16(text);
}

void BiffBuilder::FilePass()
{
    Raw(0x002F, U16(1) + U16(1) + QByteArray(48, '\x11'));
}

void BiffBuilder::Epoch1904()
{
    Raw(0x0022, U16(1));
}

void BiffBuilder::Format(quint16 id, const QString& code)
{
    if (version_ == 5) {
        const QByteArray bytes = Encode(code);
        Raw(0x041E, U16(id) + U8(static_cast<quint8>(bytes.size())) + bytes);
    } else {
        Raw(0x041E, U16(id) + LongText(code));
    }
}

quint16 BiffBuilder::Xf(quint16 formatId)
{
    Raw(0x00E0, U16(0) + U16(formatId) + U16(0x0001) + QByteArray(version_ == 5 ? 10 : 14, '\0'));
    return xfCount_++;
}

void BiffBuilder::Sheet(const QString& name, quint8 type)
{
    sheets_.push_back({ name, type, QByteArray() });
}

QByteArray BiffBuilder::CellHead(int row, int column, quint16 xf) const
{
    return U16(static_cast<quint16>(row)) + U16(static_cast<quint16>(column)) + U16(xf);
}

void BiffBuilder::Number(int row, int column, double value, quint16 xf)
{
    Raw(0x0203, CellHead(row, column, xf) + F64(value));
}

void BiffBuilder::Rk(int row, int column, quint32 rk, quint16 xf)
{
    Raw(0x027E, CellHead(row, column, xf) + U32(rk));
}

void BiffBuilder::MulRk(int row, int firstColumn, const std::vector<quint32>& rks, quint16 xf)
{
    QByteArray body = U16(static_cast<quint16>(row)) + U16(static_cast<quint16>(firstColumn));
    for (quint32 rk : rks)
        body += U16(xf) + U32(rk);
    Raw(0x00BD, body + U16(static_cast<quint16>(firstColumn + rks.size() - 1)));
}

void BiffBuilder::Text(int row, int column, const QString& text, int runs)
{
    if (version_ == 5) {
        Label(row, column, text);
        return;
    }
    strings_ << text;
    stringRuns_.push_back(runs);
    Raw(0x00FD, CellHead(row, column, 0) + U32(static_cast<quint32>(strings_.size() - 1)));
}

void BiffBuilder::Label(int row, int column, const QString& text)
{
    Raw(0x0204, CellHead(row, column, 0) + LongText(text));
}

void BiffBuilder::Blank(int row, int column)
{
    Raw(0x0201, CellHead(row, column, 0));
}

void BiffBuilder::BoolErr(int row, int column, quint8 value, bool error)
{
    Raw(0x0205, CellHead(row, column, 0) + U8(value) + U8(error ? 1 : 0));
}

void BiffBuilder::Formula(int row, int column, const QByteArray& result, bool shared, quint16 xf)
{
    // Not shared: =B2*C2 as two references and a multiplication. Shared: a pointer to
    // the SHRFMLA record that holds the tokens.
    const QByteArray tokens = shared ? U8(0x01) + U16(static_cast<quint16>(row)) + U16(static_cast<quint16>(column))
                                     : U8(0x24) + U16(1) + U16(0xC001) + U8(0x24) + U16(1) + U16(0xC002) + U8(0x05);
    Raw(0x0006,
        CellHead(row, column, xf) + result + U16(shared ? 0x0008 : 0) + U32(0)
            + U16(static_cast<quint16>(tokens.size())) + tokens);
    if (shared) {
        const QByteArray relative = U8(0x2C) + U16(0) + U16(0xC001) + U8(0x2C) + U16(0) + U16(0xC002) + U8(0x05);
        Raw(0x04BC,
            U16(static_cast<quint16>(row)) + U16(static_cast<quint16>(row + 9)) + U8(static_cast<quint8>(column))
                + U8(static_cast<quint8>(column)) + U8(0) + U8(10) + U16(static_cast<quint16>(relative.size()))
                + relative);
    }
}

void BiffBuilder::FormulaNumber(int row, int column, double value, quint16 xf, bool shared)
{
    Formula(row, column, F64(value), shared, xf);
}

void BiffBuilder::FormulaText(int row, int column, const QString& text, bool shared)
{
    Formula(row, column, QByteArray::fromHex("000000000000ffff"), shared);
    Raw(0x0207, LongText(text));
}

void BiffBuilder::FormulaBool(int row, int column, bool value)
{
    Formula(row, column, U8(1) + U8(0) + U8(value ? 1 : 0) + QByteArray(3, '\0') + U16(0xFFFF), false);
}

void BiffBuilder::FormulaError(int row, int column, quint8 code)
{
    Formula(row, column, U8(2) + U8(0) + U8(code) + QByteArray(3, '\0') + U16(0xFFFF), false);
}

void BiffBuilder::EmbeddedChart()
{
    Raw(0x00EC, QByteArray(60, '\x0F'));                                         // a drawing
    Raw(0x005D, U16(0x15) + U16(0x12) + U16(5) + U16(1) + QByteArray(12, '\0')); // its object: a chart
    QByteArray& records = sheets_.back().records;
    records += Bof(0x0020);
    records += Record(0x1002, QByteArray(16, '\0')); // CHART
    // A value of the chart's own data: no cell of the worksheet.
    records += Record(0x0203, CellHead(0, 0, 0) + F64(999));
    records += Record(0x000A, QByteArray());
}

QByteArray BiffBuilder::StringTable() const
{
    std::vector<QByteArray> records;
    QByteArray current = U32(static_cast<quint32>(strings_.size())) + U32(static_cast<quint32>(strings_.size()));
    auto room = [&]() { return sstRecordSize_ - static_cast<int>(current.size()); };
    auto next = [&]() {
        records.push_back(current);
        current.clear();
    };
    for (int i = 0; i < strings_.size(); ++i) {
        const QString& s = strings_.at(i);
        const int runs = stringRuns_[static_cast<size_t>(i)];
        bool wide = false;
        for (const QChar c : s)
            wide = wide || c.unicode() > 0xFF;
        const int width = wide ? 2 : 1;
        // The header and the first character stay together.
        const int header = 3 + (runs ? 2 : 0);
        if (room() < header + (s.isEmpty() ? 0 : width))
            next();
        current += U16(static_cast<quint16>(s.size())) + U8((wide ? 0x01 : 0) | (runs ? 0x08 : 0));
        if (runs)
            current += U16(static_cast<quint16>(runs));
        int done = 0;
        while (done < s.size()) {
            if (room() < width) {
                next();
                current += U8(wide ? 1 : 0); // a continued text repeats its width
            }
            const int take = std::min<int>(room() / width, static_cast<int>(s.size()) - done);
            const QString part = s.mid(done, take);
            current += wide ? Utf16(part) : part.toLatin1();
            done += take;
        }
        // Formatting runs may be cut anywhere.
        for (int b = 0; b < runs * 4; ++b) {
            if (room() < 1)
                next();
            current += U8(static_cast<quint8>(b));
        }
    }
    records.push_back(current);
    QByteArray out;
    for (size_t r = 0; r < records.size(); ++r)
        out += Record(r == 0 ? 0x00FC : 0x003C, records[r]);
    return out;
}

QByteArray BiffBuilder::Stream() const
{
    QByteArray out = Bof(0x0005) + Record(0x0042, U16(static_cast<quint16>(codePage_))) + globals_;
    std::vector<int> offsetAt;
    for (const SheetPart& sheet : sheets_) {
        offsetAt.push_back(static_cast<int>(out.size()) + 4);
        const QByteArray name = version_ == 5 ? Encode(sheet.name) : Utf16(sheet.name);
        out += Record(0x0085,
            U32(0) + U8(0) + U8(sheet.type) + U8(static_cast<quint8>(version_ == 5 ? name.size() : sheet.name.size()))
                + (version_ == 5 ? QByteArray() : U8(1)) + name);
    }
    if (version_ == 8)
        out += StringTable();
    out += Record(0x000A, QByteArray());
    for (size_t i = 0; i < sheets_.size(); ++i) {
        const SheetPart& sheet = sheets_[i];
        qToLittleEndian(static_cast<quint32>(out.size()), out.data() + offsetAt[i]);
        const quint16 kind = sheet.type == 2 ? 0x0020 : sheet.type == 1 ? 0x0040 : 0x0010;
        out += Bof(kind);
        // The declared dimensions are one cell: readers must not trust them.
        if (sheet.type != 2)
            out += Record(0x0200, U32(0) + U32(1) + U16(0) + U16(1) + U16(0));
        out += sheet.records;
        out += Record(0x000A, QByteArray());
    }
    return out;
}
