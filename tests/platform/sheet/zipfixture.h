#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <utility>
#include <vector>
#include <zip.h>

// Writes a zip package of the given parts: the fixtures build their workbooks of
// the newer format by hand, part by part, so that every kind of cell can be placed.
inline bool WriteZip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& parts)
{
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    if (!z)
        return false;
    for (const auto& [name, data] : parts) {
        zip_source_t* src = zip_source_buffer(z, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
        if (!src || zip_file_add(z, name.toUtf8().constData(), src, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(src);
            zip_discard(z);
            return false;
        }
    }
    return zip_close(z) == 0;
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Rewrites the uncompressed size that a package states for one entry, in its local
// header and in the central directory, leaving the content as it is.
inline bool StateEntrySize(const QString& path, const QByteArray& entry, quint32 size)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = f.readAll();
    int patched = 0;
    for (qsizetype at = bytes.indexOf(entry); at >= 0; at = bytes.indexOf(entry, at + 1)) {
        // The name follows 30 bytes of a local header or 46 of a central one.
        if (at >= 30 && bytes.mid(at - 30, 4) == QByteArray("PK\x03\x04", 4)) {
            qToLittleEndian(size, bytes.data() + at - 30 + 22);
            ++patched;
        } else if (at >= 46 && bytes.mid(at - 46, 4) == QByteArray("PK\x01\x02", 4)) {
            qToLittleEndian(size, bytes.data() + at - 46 + 24);
            ++patched;
        }
    }
    f.seek(0);
    return patched == 2 && f.write(bytes) == bytes.size();
}
