#include "foundation/dbfaults.h"

#include "platform/db/connection.h"

#include <QFile>
#include <QFileInfo>

namespace {
WritableCheck g_writable;

bool writable(const QString& path)
{
    return g_writable ? g_writable(path) : QFileInfo(path).isWritable();
}

quint32 bigEndian32(const QByteArray& b, int at)
{
    return quint32(uchar(b[at])) << 24 | quint32(uchar(b[at + 1])) << 16 | quint32(uchar(b[at + 2])) << 8
        | quint32(uchar(b[at + 3]));
}

bool nonEmptyFile(const QString& path)
{
    const QFileInfo f(path);
    return f.isFile() && f.size() > 0;
}

// Why the file is not a whole SQLite database, judged from its first 100 bytes and
// its length; empty when it looks whole.
QString headerProblem(const QString& file)
{
    QFile f(file);
    if (!f.exists())
        return QStringLiteral("unable to open database file");
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("unable to read database file");
    const QByteArray h = f.read(100);
    if (h.size() < 100 || !h.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return QStringLiteral("file is not a database");
    qint64 pageSize = quint32(uchar(h[16])) << 8 | uchar(h[17]);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 changeCounter = bigEndian32(h, 24);
    const quint32 pages = bigEndian32(h, 28);
    // The page count in the header holds only when it was written with the change
    // counter; pages still in a log or journal beside the file may complete it.
    if (pages > 0 && bigEndian32(h, 92) == changeCounter && f.size() < qint64(pages) * pageSize
        && !nonEmptyFile(file + QStringLiteral("-wal")) && !nonEmptyFile(file + QStringLiteral("-journal")))
        return QStringLiteral("database disk image is truncated");
    return QString();
}

bool isWriteFailure(const DbError& e)
{
    // SQLite's words when the file opens but the journal beside it cannot be made.
    const QString m = e.message();
    return m.startsWith(QLatin1String("unable to open database file")) || m.contains(QLatin1String("readonly"));
}
}

DbFileError::DbFileError(DbFileFault fault, const QString& message, const QString& file, const QString& where)
    : DbError(message, file, Kind::File), fault_(fault), where_(where)
{
}

void SetWritableCheck(WritableCheck check)
{
    g_writable = std::move(check);
}

void OpenDatabaseFile(Connection& c, const QString& file, const QStringList& markTables)
{
    c.Close();
    const QString problem = headerProblem(file);
    if (!problem.isEmpty())
        throw DbFileError(DbFileFault::Unusable, problem, file);
    const QString folder = QFileInfo(file).absolutePath();
    if (!writable(file))
        throw DbFileError(DbFileFault::CannotWrite, QStringLiteral("attempt to write a readonly database"), file, file);
    if (!writable(folder))
        throw DbFileError(DbFileFault::CannotWrite, QStringLiteral("unable to create the journal files"), file, folder);
    try {
        c.Open(file);
    } catch (const DbError& e) {
        if (isWriteFailure(e))
            throw DbFileError(DbFileFault::CannotWrite, e.message(), file, folder);
        throw DbFileError(DbFileFault::Unusable, e.message(), file);
    }
    for (const QString& table : markTables) {
        if (!c.TableExists(table)) {
            c.Close();
            throw DbFileError(DbFileFault::Unusable, QStringLiteral("no such table: ") + table, file);
        }
    }
}

bool IsDatabaseBusy(const std::exception& error)
{
    // SQLite's fixed words for SQLITE_BUSY and SQLITE_LOCKED.
    const QString text = QString::fromUtf8(error.what());
    return text.contains(QLatin1String("database is locked"))
        || text.contains(QLatin1String("database table is locked"));
}
