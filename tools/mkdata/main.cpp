// Build-time tool: writes the delivered account set and the account-set catalogue
// into a data folder.
//   vestora-mkdata <data folder>   -> <data folder>/jxc.mdb, <data folder>/codeinfo.dll
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>

namespace {

// Builds into a fresh file beside the target and puts it in place only when whole,
// so a failed build never leaves a half-made database behind.
bool Make(const QString& target, const std::function<void(Connection&)>& build)
{
    const QString fresh = target + QStringLiteral(".new");
    for (const QString& f : { fresh, fresh + QStringLiteral("-wal"), fresh + QStringLiteral("-shm") })
        QFile::remove(f);
    try {
        Connection c;
        c.Open(fresh, Connection::OpenMode::CreateIfMissing);
        build(c);
        c.Close();
    } catch (const DbError& e) {
        std::fprintf(stderr, "vestora-mkdata: %s: %s\n", qPrintable(target), e.what());
        QFile::remove(fresh);
        return false;
    }
    for (const QString& f : { target, target + QStringLiteral("-wal"), target + QStringLiteral("-shm") })
        QFile::remove(f);
    if (!QFile::rename(fresh, target)) {
        std::fprintf(stderr, "vestora-mkdata: cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vestora-mkdata <data folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "vestora-mkdata: cannot create %s\n", argv[1]);
        return 1;
    }
    const QDir dir(folder);
    const bool ok = Make(dir.filePath(QStringLiteral("jxc.mdb")), [](Connection& c) { CreateAllTables(c); })
        && Make(dir.filePath(QStringLiteral("codeinfo.dll")), [](Connection& c) { CreateCatalogue(c); });
    return ok ? 0 : 1;
}
