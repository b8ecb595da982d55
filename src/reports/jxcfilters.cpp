#include "reports/jxcfilters.h"

#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/sqltext.h"

#include <QRegularExpression>
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

QString LastLedgerRowOf(const QString& pair, const QString& rows)
{
    return QStringLiteral("(select x.id from jxc_goodslist x where x.g_sn=%1.g_sn and x.ck_sn=%1.ck_sn and ").arg(pair)
        + rows + QStringLiteral(" order by x.gl_kdrq desc,x.id desc limit 1)");
}

QString LedgerKindsNamed(const QStringList& conditions, const QString& alias)
{
    static const QRegularExpression named(QStringLiteral("gl_flag\\s*(?:=\\s*'(\\w+)'|in\\s*\\(([^)]*)\\))"));
    static const QRegularExpression quoted(QStringLiteral("'(\\w+)'"));
    QStringList kinds;
    const auto add = [&kinds](const QString& kind) {
        if (!kinds.contains(kind))
            kinds << kind;
    };
    for (const QString& condition : conditions)
        for (const auto& m : named.globalMatch(condition)) {
            if (!m.captured(1).isEmpty())
                add(m.captured(1));
            for (const auto& q : quoted.globalMatch(m.captured(2)))
                add(q.captured(1));
        }
    return alias + QStringLiteral(".gl_flag in ('") + kinds.join(QStringLiteral("','")) + QStringLiteral("')");
}
