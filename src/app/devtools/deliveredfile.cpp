#include "app/devtools/deliveredfile.h"

#include "platform/base/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DeliveredFile(const QString& relativePath)
{
    const QStringList candidates = {
        ProgramFolder::File(relativePath),
        QDir(QCoreApplication::applicationDirPath()).filePath(relativePath),
        QDir(QStringLiteral(VESTORA_RESOURCES_DIR)).filePath(relativePath),
    };
    for (const QString& c : candidates)
        if (QFileInfo::exists(c))
            return QFileInfo(c).absoluteFilePath();
    return candidates.front();
}
