#include "platform/sheet/compoundreader.h"

#include <QFile>
#include <QtEndian>

namespace
{

constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FreeSector = 0xFFFFFFFF;

}

bool CompoundFileReader::Open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    data_ = file.readAll();
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
    const quint32 fatCount = u32(44);
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
    if (!Chain(u32(48), &directory, qint64(fat_.size()) * sectorSize_))
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
    return true;
}

bool CompoundFileReader::Chain(quint32 start, QByteArray* out, qint64 limit) const
{
    out->clear();
    quint32 s = start;
    for (size_t hops = 0; s != EndOfChain && out->size() < limit; ++hops) {
        const qint64 at = (qint64(s) + 1) * sectorSize_;
        if (s >= fat_.size() || hops > fat_.size() || at + sectorSize_ > data_.size())
            return false;
        out->append(data_.constData() + at, sectorSize_);
        s = fat_[s];
    }
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
        if (e.size < miniCutoff_ || e.size > quint64(data_.size()))
            return false;
        if (!Chain(e.start, out, static_cast<qint64>(e.size)) || quint64(out->size()) < e.size)
            return false;
        out->truncate(static_cast<qsizetype>(e.size));
        return true;
    }
    return false;
}
