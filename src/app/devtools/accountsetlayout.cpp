#include "foundation/accountsetlayout.h"

#include "foundation/schema/schema.h"
#include "platform/db/connection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
const QString& templateFolder()
{
    static QTemporaryDir dir;
    static bool built = false;
    if (!built) {
        built = true;
        {
            Connection c;
            c.Open(dir.filePath(QStringLiteral("jxc.mdb")), Connection::OpenMode::CreateIfMissing);
            CreateAllTables(c);
        }
        {
            Connection c;
            c.Open(dir.filePath(QStringLiteral("codeinfo.dll")), Connection::OpenMode::CreateIfMissing);
            CreateCatalogue(c);
        }
    }
    static QString path = dir.path() + QLatin1Char('/');
    return path;
}
}

void LayOutAccountSet(const QString& folder)
{
    QDir(folder).mkpath(QStringLiteral("data"));
    for (const QString& f : {QStringLiteral("jxc.mdb"), QStringLiteral("codeinfo.dll")}) {
        const QString target = folder + QStringLiteral("/data/") + f;
        QFile::remove(target);
        QFile::copy(templateFolder() + f, target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}
