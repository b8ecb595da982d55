#include "reports/jxcfilters.h"

#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/sqltext.h"

#include <QStringList>

QString GoodsTextMatch(const QString& alias, const QString& text, bool exact)
{
    const QString t = SafeSqlText(text.trimmed());
    if (t.isEmpty())
        return QString();
    const QString value
        = exact ? QStringLiteral("='") + t + QLatin1Char('\'') : QStringLiteral(" like '%") + t + QStringLiteral("%'");
    QStringList parts;
    for (const char* column : { "g_sn", "g_jm", "g_name", "gg_name" })
        parts << alias + QLatin1Char('.') + QLatin1String(column) + value;
    return QStringLiteral(" and (") + parts.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

QString LedgerWarehouseScope(const QString& warehouse, const QString& ledger, const QString& warehouses)
{
    if (!warehouse.isEmpty())
        return QStringLiteral(" and ") + ledger + QStringLiteral(".ck_sn=") + SqlQuoted(warehouse) + QLatin1Char(' ');
    return WarehouseBindingCondition(warehouses);
}
