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

QString LedgerWarehouseScope(const QString& warehouse, const QString& ledger)
{
    if (!warehouse.isEmpty())
        return QStringLiteral(" and ") + ledger + QStringLiteral(".ck_sn=") + SqlQuoted(warehouse) + QLatin1Char(' ');
    // A sub-select rather than a join: most operators are not bound, and then the
    // ledger's rows need no look-up of their warehouse at all.
    const QString binding = WarehouseBindingCondition(QStringLiteral("m"));
    if (binding.isEmpty())
        return QString();
    return QStringLiteral(" and ") + ledger + QStringLiteral(".ck_sn in (select m.ck_sn from jxc_ckxx m where 1=1")
        + binding + QStringLiteral(") ");
}
