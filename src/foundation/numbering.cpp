#include "foundation/numbering.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/clock.h"
#include "platform/db/sqltext.h"

#include <QDate>
#include <stdexcept>

namespace {

qint64 WholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw std::invalid_argument(("'" + text + "' is not a valid integer value").toStdString());
    return v;
}

QString Plus1(const QString& text)
{
    return QString::number(WholeNumber(text) + 1);
}

// The largest number of a day: a range on the number column rather than a like,
// so that an index on the column serves it. base ends in a digit, so the upper
// bound is base with its last character raised by one.
QString DayMax(const QString& table, const QString& column, const QString& base)
{
    QString upper = base;
    upper[upper.size() - 1] = QChar(upper.at(upper.size() - 1).unicode() + 1);
    return QueryScalar(QStringLiteral("select max(") + column + QStringLiteral(") as sn from ") + table
        + QStringLiteral(" where ") + column + QStringLiteral(">=") + SqlQuoted(base) + QStringLiteral(" and ") + column
        + QStringLiteral("<") + SqlQuoted(upper));
}

// START(P): the prefix (at most seven characters) padded with zeros, then "1".
QString StartCode(const QString& prefix)
{
    return prefix.left(7).leftJustified(7, QLatin1Char('0')) + QLatin1Char('1');
}

// A maximum that the database calls numeric may still not be a whole number.
bool TryPlus1(const QString& text, QString* out)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    if (ok)
        *out = QString::number(v + 1);
    return ok;
}

} // namespace

QString GetNextSn(const QString& table, const QString& column)
{
    const QString max = QueryScalar(QStringLiteral("select max(") + column + QStringLiteral(") as sn from ") + table);
    return max.isEmpty() ? QStringLiteral("100001") : Plus1(max);
}

QString GetNextSnZt(const QString& table, const QString& column)
{
    const QString max = QueryScalarZT(QStringLiteral("select max(") + column + QStringLiteral(") as sn from ") + table);
    return max.isEmpty() ? QStringLiteral("100001") : Plus1(max);
}

QString GetNextMemberNo(const QString& table, const QString& column)
{
    const QString max = QueryScalar(QStringLiteral("select max(") + column + QStringLiteral(") as sn from ") + table
        + QStringLiteral(" where len(hy_bh)=6 and isnumeric(hy_bh)=1 "));
    // The number handed out must be six characters itself: a shorter one ("000002" + 1
    // is "3") would be left out of the next look-up and handed out again.
    const QString next = max.isEmpty() ? QString() : Plus1(max);
    return next.size() < 6 ? QStringLiteral("100001") : next;
}

QString NextDocNo(const QString& table, const QString& column, const QString& prefix, const QString& date)
{
    const QString head = date.left(10);
    const QDate day = QDate::fromString(head, ShortDateFormat);
    if (!day.isValid())
        throw std::invalid_argument(("'" + head + "' is not a valid date").toStdString());
    const QString base = prefix + day.toString(QStringLiteral("yyMMdd"));

    QString max = DayMax(table, column, base);
    // The POS and the receivable and payable entries draw from the same series as
    // the documents whose prefix they share.
    auto takeLarger = [&](const QString& other) {
        if (!other.isEmpty() && other > max)
            max = other;
    };
    if (prefix == QLatin1String("XS"))
        takeLarger(DayMax(QStringLiteral("jxc_posxssp"), QStringLiteral("gl_djh"), base));
    if (prefix == QLatin1String("YF") || prefix == QLatin1String("FK") || prefix == QLatin1String("YS")
        || prefix == QLatin1String("SK"))
        takeLarger(DayMax(QStringLiteral("jxc_ysyfk_dj"), QStringLiteral("gl_djh"), base));

    if (max.size() > 12) {
        qint64 serial = WholeNumber(max.mid(8, 5));
        if (serial < 10000)
            serial = 10000;
        return base + QString::number(serial + 1);
    }
    return base + QStringLiteral("10001");
}

QString NextDocNoToday(const QString& table, const QString& column, const QString& prefix)
{
    return NextDocNo(table, column, prefix, Clock::Today().toString(ShortDateFormat));
}

bool DocNoExists(const QString& table, const QString& column, const QString& number)
{
    // A number held only by this operator is his own draft; any row of another
    // operator (or of none) means someone else has taken it.
    bool taken = !QueryScalar(QStringLiteral("select 1 from ") + table + QStringLiteral(" where ") + column
        + QStringLiteral("=") + SqlQuoted(number) + QStringLiteral(" and (a_name is null or a_name<>")
        + SqlQuoted(CurrentAdminName) + QStringLiteral(") limit 1"))
                      .isEmpty();
    // A sale number may also be held by lines still being entered or by the POS.
    if (!taken && number.startsWith(QLatin1String("XS"))) {
        for (const QString lines : { QStringLiteral("jxc_lsxssptemp"), QStringLiteral("jxc_posxssp") }) {
            if (!QueryScalar(QStringLiteral("select 1 from ") + lines + QStringLiteral(" where gl_djh=")
                    + SqlQuoted(number) + QStringLiteral(" limit 1"))
                     .isEmpty())
                taken = true;
        }
    }
    return taken;
}

QString GetNextClassSn(const QString& key)
{
    const QString parent = QueryScalar(QStringLiteral("select gc_pid from jxc_goodsclass where gc_key=") + key);
    if (parent == QLatin1String("1")) {
        const QString max
            = QueryScalar(QStringLiteral("select max(gc_sn) as gcsn from jxc_goodsclass where len(gc_sn)=4"));
        return max.isEmpty() ? QStringLiteral("1000") : Plus1(max);
    }
    const QString p = QueryScalar(QStringLiteral("select gc_sn from jxc_goodsclass where gc_key=") + parent);
    const QString max = QueryScalar(QStringLiteral("select max(gc_sn) as gcsn from jxc_goodsclass where gc_sn like ")
        + SqlQuoted(p + QLatin1Char('%')) + QStringLiteral(" and len(gc_sn)=") + QString::number(p.size())
        + QStringLiteral("+3"));
    if (max.isEmpty())
        return p + QStringLiteral("100");
    return max.left(max.size() - 3) + QString::number(WholeNumber(max.right(3)) + 1);
}

QString GetNextGoodsSn(const QString& prefixIn)
{
    QString prefix = prefixIn;
    if (prefix.size() == 1)
        prefix += QStringLiteral("00");
    else if (prefix.size() == 2)
        prefix += QStringLiteral("0");

    auto maxOfLength = [](const QString& p, int length) {
        return QueryScalar(QStringLiteral("select max(g_sn) from jxc_goods where g_sn like ")
            + SqlQuoted(p + QLatin1Char('%')) + QStringLiteral(" and isnumeric(g_sn)=1 and len(g_sn)=")
            + QString::number(length) + QLatin1Char(' '));
    };
    // Next after the largest eight-character code under p, START(p) when there is none.
    auto nextEight = [&](const QString& p) {
        const QString max = maxOfLength(p, 8);
        if (max.isEmpty())
            return StartCode(p);
        QString next;
        return TryPlus1(max, &next) ? next : StartCode(p);
    };

    const QString last = QueryScalar(QStringLiteral("select g_sn from jxc_goods where isnumeric(g_sn)=1 and g_sn like ")
        + SqlQuoted(prefix + QLatin1Char('%')) + QStringLiteral(" order by id desc limit 1"));
    if (last.isEmpty())
        return nextEight(prefix);

    const QString max = maxOfLength(prefix, qMin(int(last.size()), 8));
    if (max.isEmpty())
        return StartCode(prefix);
    bool whole = false;
    const qint64 value = max.trimmed().toLongLong(&whole);
    if (!whole)
        return StartCode(prefix);
    if (value == 0)
        return StartCode(prefix);
    const QString next = QString::number(value + 1);
    if (next.startsWith(prefix))
        return next;
    // The serial has run into the next prefix: continue under that one.
    return nextEight(next.left(prefix.size()));
}
