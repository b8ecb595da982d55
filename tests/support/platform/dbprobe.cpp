#include "support/platform/dbprobe.h"

#include "platform/db/query.h"

QStringList DbProbe::Column(const QString& sql) const
{
    return SelectColumn(database_(), sql);
}

QString DbProbe::Scalar(const QString& sql) const
{
    return Column(sql).value(0);
}

int DbProbe::Count(const QString& table, const QString& where) const
{
    QString sql = QStringLiteral("select count(*) from ") + table;
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    return Scalar(sql).toInt();
}
