#include "platform/sheet/compoundfile.h"

#include <QtEndian>
#include <algorithm>
#include <functional>

namespace {

constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSector = 0xFFFFFFFD;
constexpr quint32 DifatSector = 0xFFFFFFFC;
constexpr quint32 NoStream = 0xFFFFFFFF;
constexpr int SectorSize = 512;
constexpr int MiniStreamCutoff = 4096;

void Put16(QByteArray& b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}
void Put32(QByteArray& b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}

int SectorsFor(qint64 bytes)
{
    return static_cast<int>((bytes + SectorSize - 1) / SectorSize);
}

// A directory entry of 128 bytes.
QByteArray Entry(
    const QString& name, quint8 type, quint32 left, quint32 right, quint32 child, quint32 start, quint32 size)
{
    QByteArray e(128, '\0');
    const QString shortName = name.left(31);
    for (int i = 0; i < shortName.size(); ++i)
        Put16(e, i * 2, shortName.at(i).unicode());
    Put16(e, 64, static_cast<quint16>((shortName.size() + 1) * 2));
    e[66] = static_cast<char>(type);
    e[67] = 1; // black
    Put32(e, 68, left);
    Put32(e, 72, right);
    Put32(e, 76, child);
    Put32(e, 116, start);
    Put32(e, 120, size);
    return e;
}

// Directory order: shorter names first, then by upper-case code units.
bool NameLess(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a.toUpper() < b.toUpper();
}

}

QByteArray BuildCompoundFile(const std::vector<std::pair<QString, QByteArray>>& input)
{
    std::vector<std::pair<QString, QByteArray>> streams = input;
    for (auto& s : streams) {
        if (s.second.size() < MiniStreamCutoff)
            s.second.append(QByteArray(MiniStreamCutoff - s.second.size(), '\0'));
    }

    // Sectors: the streams one after another, then the directory, the allocation
    // table and, for very large files, the extra table of allocation sectors.
    std::vector<quint32> starts;
    int dataSectors = 0;
    for (const auto& s : streams) {
        starts.push_back(static_cast<quint32>(dataSectors));
        dataSectors += SectorsFor(s.second.size());
    }
    const int entries = static_cast<int>(streams.size()) + 1;
    const int dirSectors = (entries + 3) / 4;
    int fatSectors = 1, difatSectors = 0;
    for (;;) {
        difatSectors = fatSectors <= 109 ? 0 : (fatSectors - 109 + 126) / 127;
        if (fatSectors * 128 >= dataSectors + dirSectors + fatSectors + difatSectors)
            break;
        ++fatSectors;
    }
    const int firstDir = dataSectors;
    const int firstFat = firstDir + dirSectors;
    const int firstDifat = firstFat + fatSectors;
    const int totalSectors = firstDifat + difatSectors;

    std::vector<quint32> fat(static_cast<size_t>(fatSectors) * 128, FreeSector);
    auto chain = [&](int first, int count) {
        for (int i = 0; i < count; ++i)
            fat[static_cast<size_t>(first + i)] = i + 1 < count ? static_cast<quint32>(first + i + 1) : EndOfChain;
    };
    for (size_t i = 0; i < streams.size(); ++i)
        chain(static_cast<int>(starts[i]), SectorsFor(streams[i].second.size()));
    chain(firstDir, dirSectors);
    for (int i = 0; i < fatSectors; ++i)
        fat[static_cast<size_t>(firstFat + i)] = FatSector;
    for (int i = 0; i < difatSectors; ++i)
        fat[static_cast<size_t>(firstDifat + i)] = DifatSector;

    // The streams hang under the root as a balanced tree in directory order.
    std::vector<int> order(streams.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return NameLess(streams[static_cast<size_t>(a)].first, streams[static_cast<size_t>(b)].first);
    });
    std::vector<quint32> left(streams.size(), NoStream), right(streams.size(), NoStream);
    std::function<quint32(int, int)> subtree = [&](int lo, int hi) -> quint32 {
        if (lo > hi)
            return NoStream;
        const int mid = (lo + hi) / 2;
        const int node = order[static_cast<size_t>(mid)];
        left[static_cast<size_t>(node)] = subtree(lo, mid - 1);
        right[static_cast<size_t>(node)] = subtree(mid + 1, hi);
        return static_cast<quint32>(node + 1); // entry 0 is the root
    };
    const quint32 top = subtree(0, static_cast<int>(order.size()) - 1);

    QByteArray directory = Entry(QStringLiteral("Root Entry"), 5, NoStream, NoStream, top, EndOfChain, 0);
    for (size_t i = 0; i < streams.size(); ++i)
        directory += Entry(streams[i].first, 2, left[i], right[i], NoStream, starts[i],
            static_cast<quint32>(streams[i].second.size()));
    while (directory.size() < dirSectors * SectorSize) {
        QByteArray empty(128, '\0');
        Put32(empty, 68, NoStream);
        Put32(empty, 72, NoStream);
        Put32(empty, 76, NoStream);
        directory += empty;
    }

    QByteArray header(SectorSize, '\0');
    const char signature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    std::copy(signature, signature + 8, header.data());
    Put16(header, 24, 0x003E);
    Put16(header, 26, 0x0003);
    Put16(header, 28, 0xFFFE);
    Put16(header, 30, 9);
    Put16(header, 32, 6);
    Put32(header, 44, static_cast<quint32>(fatSectors));
    Put32(header, 48, static_cast<quint32>(firstDir));
    Put32(header, 56, MiniStreamCutoff);
    Put32(header, 60, EndOfChain);
    Put32(header, 68, difatSectors ? static_cast<quint32>(firstDifat) : EndOfChain);
    Put32(header, 72, static_cast<quint32>(difatSectors));
    for (int i = 0; i < 109; ++i)
        Put32(header, 76 + i * 4, i < fatSectors ? static_cast<quint32>(firstFat + i) : FreeSector);

    QByteArray out;
    out.reserve(SectorSize * (totalSectors + 1));
    out += header;
    for (const auto& s : streams) {
        out += s.second;
        out += QByteArray(SectorsFor(s.second.size()) * SectorSize - s.second.size(), '\0');
    }
    out += directory;
    QByteArray table(fatSectors * SectorSize, '\0');
    for (size_t i = 0; i < fat.size(); ++i)
        Put32(table, static_cast<int>(i * 4), fat[i]);
    out += table;
    for (int d = 0; d < difatSectors; ++d) {
        QByteArray sector(SectorSize, '\0');
        for (int i = 0; i < 127; ++i) {
            const int fatIndex = 109 + d * 127 + i;
            Put32(sector, i * 4, fatIndex < fatSectors ? static_cast<quint32>(firstFat + fatIndex) : FreeSector);
        }
        Put32(sector, 508, d + 1 < difatSectors ? static_cast<quint32>(firstDifat + d + 1) : EndOfChain);
        out += sector;
    }
    return out;
}
