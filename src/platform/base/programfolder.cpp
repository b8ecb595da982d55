#include "platform/base/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_folder;

QString withSlash(QString f)
{
    f = QDir::fromNativeSeparators(f);
    if (!f.endsWith('/'))
        f += '/';
    return f;
}
}

namespace ProgramFolder {
QString Path()
{
    if (g_folder.isEmpty())
        g_folder = withSlash(QCoreApplication::applicationDirPath());
    return g_folder;
}

void Set(const QString& folder)
{
    g_folder = withSlash(folder);
}

QString File(const QString& relative)
{
    QString r = relative;
    r.replace('\\', '/');
    while (r.startsWith('/'))
        r.remove(0, 1);
    return Path() + r;
}
}
