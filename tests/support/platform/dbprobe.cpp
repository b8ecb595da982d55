#include "support/platform/dbprobe.h"

#include "platform/db/query.h"
#include "platform/db/valuetext.h"

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

QStringList DbProbe::Rows(const QString& sql) const
{
    Query q(&database_());
    q.SetSQL(sql);
    q.Open();
    QStringList out;
    for (int r = 0; r < q.RecordCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < q.FieldCount(); ++c)
            cells << ValueText(q.ValueAt(r, c));
        out << cells.join(QLatin1Char(' '));
    }
    return out;
}
