#include "platform/db/dberror.h"

namespace {
std::string compose(const QString& message, const QString& file)
{
    if (file.isEmpty())
        return message.toStdString();
    return QStringLiteral("%1 (%2)").arg(message, file).toStdString();
}
}

DbError::DbError(const QString& message, const QString& file)
    : std::runtime_error(compose(message, file)), message_(message), file_(file)
{
}
