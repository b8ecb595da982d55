#include "app/devtools/accountsetlayout.h"

#include "foundation/schema/schema.h"
#include "platform/db/connection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

const QString kFiles[] = { QStringLiteral("jxc.mdb"), QStringLiteral("codeinfo.dll") };

void build(const QString& file, void (*create)(Connection&))
{
    QFile::remove(file);
    Connection c;
    c.Open(file, Connection::OpenMode::CreateIfMissing);
    create(c);
}

// The folder of the two files, built whole on first use; a build that fails leaves
// it unbuilt so that the next call starts again.
const QString& templateFolder()
{
    static QTemporaryDir dir;
    static bool built = false;
    static const QString path = dir.path() + QLatin1Char('/');
    if (!built) {
        build(path + kFiles[0], &CreateAllTables);
        build(path + kFiles[1], &CreateCatalogue);
        built = true;
    }
    return path;
}

[[noreturn]] void fail(const QString& what)
{
    throw std::runtime_error(what.toStdString());
}

}

void LayOutAccountSet(const QString& folder)
{
    const QString& source = templateFolder();
    if (!QDir(folder).mkpath(QStringLiteral("data")))
        fail(QStringLiteral("cannot create ") + folder + QStringLiteral("/data"));
    for (const QString& f : kFiles) {
        const QString target = folder + QStringLiteral("/data/") + f;
        QFile::remove(target);
        if (!QFile::copy(source + f, target))
            fail(QStringLiteral("cannot copy ") + f + QStringLiteral(" to ") + target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}
