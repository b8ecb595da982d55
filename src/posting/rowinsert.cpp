#include "posting/rowinsert.h"

#include "platform/db/connection.h"
#include "posting/postingdb.h"

#include <QStringList>

namespace posting {

qint64 InsertRow(const QString& table, const Row& values)
{
    QStringList columns, names;
    Params params;
    for (const auto& [column, value] : values) {
        columns << column;
        names << QLatin1Char(':') + column;
        params.insert(column, value);
    }
    Run(QStringLiteral("insert into ") + table + QStringLiteral(" (") + columns.join(QLatin1Char(','))
            + QStringLiteral(") values (") + names.join(QLatin1Char(',')) + QLatin1Char(')'),
        params);
    return Db().LastInsertId();
}

} // namespace posting
