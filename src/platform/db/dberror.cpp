#include "platform/db/dberror.h"

namespace {
std::string compose(const QString& message, const QString& file, DbError::Kind kind)
{
    if (file.isEmpty() || kind == DbError::Kind::Statement)
        return message.toStdString();
    return QStringLiteral("%1 (%2)").arg(message, file).toStdString();
}
}

DbError::DbError(const QString& message, const QString& file, Kind kind)
    : std::runtime_error(compose(message, file, kind)), message_(message), file_(file), kind_(kind)
{
}
