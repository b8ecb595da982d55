#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Reads the directory of a compound document and the streams kept in its main
// allocation table. Every index is checked, so a damaged or crafted file only
// makes Open or Stream answer false.
class CompoundFileReader
{
public:
    bool Open(const QString& path);
    QStringList StreamNames() const;
    // The content of a stream by name (without regard to case). False when there is
    // no such stream, when it lies in the mini stream (under 4096 bytes), or when its
    // chain is broken.
    bool Stream(const QString& name, QByteArray* out) const;

private:
    struct Entry {
        QString name;
        int type = 0;
        quint32 start = 0;
        quint64 size = 0;
    };
    bool Chain(quint32 start, QByteArray* out, qint64 limit) const;

    QByteArray data_;
    int sectorSize_ = 512;
    quint32 miniCutoff_ = 4096;
    std::vector<quint32> fat_;
    std::vector<Entry> entries_;
};
