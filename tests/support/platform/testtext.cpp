#include "support/platform/testtext.h"

#include <QDir>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << s.toStdString();
}

QString SourceResource(const QString& relativePath)
{
    return QDir(QStringLiteral(VESTORA_SOURCE_RESOURCES)).filePath(relativePath);
}
