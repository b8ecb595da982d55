#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <vector>

// Reads the directory and the streams of a compound document. The file is mapped,
// not copied; every index is checked and every chain is bounded, so a damaged or
// crafted file only makes Open or Stream answer false.
class CompoundFileReader {
public:
    bool Open(const QString& path);
    QStringList StreamNames() const;
    // The content of a stream by name (without regard to case). A stream whose sectors
    // lie one after another is handed out without a copy: its bytes stay valid while
    // this reader lives. False when there is no such stream or its chain is broken.
    bool Stream(const QString& name, QByteArray* out) const;

private:
    struct Entry {
        QString name;
        int type = 0;
        quint32 start = 0;
        quint64 size = 0;
    };
    bool Chain(const std::vector<quint32>& table, quint32 start, const QByteArray& data, int sectorSize, qint64 offset,
        qint64 limit, QByteArray* out) const;

    QFile file_;
    QByteArray data_;
    int sectorSize_ = 512;
    quint32 miniCutoff_ = 4096;
    std::vector<quint32> fat_;
    std::vector<quint32> miniFat_;
    QByteArray miniStream_;
    std::vector<Entry> entries_;
};
