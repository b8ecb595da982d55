#include "platform/sheet/compoundreader.h"

#include <QtEndian>

namespace {

constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr int MiniSectorSize = 64;

}

bool CompoundFileReader::Open(const QString& path)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        return false;
    const qint64 fileSize = file_.size();
    if (fileSize < 512)
        return false;
    if (uchar* mapped = file_.map(0, fileSize))
        data_ = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), static_cast<qsizetype>(fileSize));
    else
        data_ = file_.readAll();
    if (data_.size() < 512 || !data_.startsWith(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)))
        return false;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(data_.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(data_.constData() + at); };
    const int shift = u16(30);
    if (shift != 9 && shift != 12)
        return false;
    sectorSize_ = 1 << shift;
    miniCutoff_ = u32(56);
    const qint64 sectors = data_.size() / sectorSize_;
    auto sectorAt = [&](quint32 s) -> qsizetype {
        const qint64 at = (qint64(s) + 1) * sectorSize_;
        return at + sectorSize_ <= data_.size() ? at : -1;
    };

    // The allocation table's own sectors: 109 listed in the header, the rest in a chain.
    std::vector<quint32> fatSectors;
    const quint32 fatCount = std::min<quint32>(u32(44), static_cast<quint32>(sectors));
    for (int i = 0; i < 109 && fatSectors.size() < fatCount; ++i)
        fatSectors.push_back(u32(76 + i * 4));
    quint32 difat = u32(68);
    for (quint32 hops = 0; difat != EndOfChain && difat != FreeSector && fatSectors.size() < fatCount; ++hops) {
        const qsizetype at = sectorAt(difat);
        if (at < 0 || hops > sectors)
            return false;
        const int perSector = sectorSize_ / 4 - 1;
        for (int i = 0; i < perSector && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(u32(at + i * 4));
        difat = u32(at + perSector * 4);
    }
    for (quint32 s : fatSectors) {
        const qsizetype at = sectorAt(s);
        if (at < 0)
            return false;
        for (int i = 0; i < sectorSize_ / 4; ++i)
            fat_.push_back(u32(at + i * 4));
    }

    QByteArray directory;
    if (!Chain(fat_, u32(48), data_, sectorSize_, sectorSize_, qint64(fat_.size()) * sectorSize_, &directory))
        return false;
    for (qsizetype at = 0; at + 128 <= directory.size(); at += 128) {
        const char* e = directory.constData() + at;
        Entry entry;
        entry.type = static_cast<quint8>(e[66]);
        const int length = std::min<int>(qFromLittleEndian<quint16>(e + 64), 64);
        entry.name = QString::fromUtf16(reinterpret_cast<const char16_t*>(e), std::max(0, length / 2 - 1));
        entry.start = qFromLittleEndian<quint32>(e + 116);
        entry.size = shift == 9 ? qFromLittleEndian<quint32>(e + 120) : qFromLittleEndian<quint64>(e + 120);
        if (entry.type != 0)
            entries_.push_back(entry);
    }
    if (entries_.empty() || entries_.front().type != 5)
        return false;

    // Streams below the cutoff live in the mini stream, the root entry's content,
    // in 64-byte sectors chained by the mini allocation table. A file whose small
    // streams are broken is still read when the stream asked for is a large one.
    const Entry& root = entries_.front();
    QByteArray table;
    if (root.size > 0 && root.size <= quint64(data_.size())
        && Chain(fat_, root.start, data_, sectorSize_, sectorSize_, qint64(root.size), &miniStream_)
        && Chain(fat_, u32(60), data_, sectorSize_, sectorSize_, qint64(u32(64)) * sectorSize_, &table)) {
        for (qsizetype at = 0; at + 4 <= table.size(); at += 4)
            miniFat_.push_back(qFromLittleEndian<quint32>(table.constData() + at));
    }
    return true;
}

bool CompoundFileReader::Chain(const std::vector<quint32>& table, quint32 start, const QByteArray& data, int sectorSize,
    qint64 offset, qint64 limit, QByteArray* out) const
{
    out->clear();
    // Sectors that follow one another are handed out as one view without a copy.
    const qint64 first = qint64(start) * sectorSize + offset;
    qint64 length = 0;
    bool contiguous = true;
    quint32 s = start;
    for (size_t hops = 0; s != EndOfChain && length < limit; ++hops) {
        const qint64 at = qint64(s) * sectorSize + offset;
        if (s >= table.size() || hops > table.size() || at + sectorSize > data.size())
            return false;
        if (contiguous && at != first + length) {
            contiguous = false;
            out->reserve(static_cast<qsizetype>(std::min<qint64>(limit, data.size())));
            out->append(data.constData() + first, static_cast<qsizetype>(length));
        }
        if (!contiguous)
            out->append(data.constData() + at, sectorSize);
        length += sectorSize;
        s = table[s];
    }
    const qsizetype size = static_cast<qsizetype>(std::min(length, limit));
    if (contiguous)
        *out = QByteArray::fromRawData(data.constData() + first, size);
    else
        out->truncate(size);
    return true;
}

QStringList CompoundFileReader::StreamNames() const
{
    QStringList names;
    for (const Entry& e : entries_) {
        if (e.type == 2)
            names << e.name;
    }
    return names;
}

bool CompoundFileReader::Stream(const QString& name, QByteArray* out) const
{
    for (const Entry& e : entries_) {
        if (e.type != 2 || e.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (e.size > quint64(data_.size()))
            return false;
        const bool mini = e.size < miniCutoff_;
        const bool ok = mini ? Chain(miniFat_, e.start, miniStream_, MiniSectorSize, 0, qint64(e.size), out)
                             : Chain(fat_, e.start, data_, sectorSize_, sectorSize_, qint64(e.size), out);
        return ok && quint64(out->size()) == e.size;
    }
    return false;
}
