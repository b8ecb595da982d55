#include "platform/sheet/celltext.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace CellText {

QString Number(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && value == std::trunc(value))
        return QString::number(static_cast<qint64>(value));
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = std::clamp(14 - exponent, 0, 340);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

DateKind KindOfFormat(const QString& formatCode)
{
    // Only the first section decides; quoted text, escaped characters and bracketed
    // parts (colours, locales, conditions) carry no date letters of their own,
    // except the elapsed-time brackets [h], [mm], [ss].
    bool date = false, time = false, month = false, elapsed = false;
    bool inQuote = false;
    for (int i = 0; i < formatCode.size(); ++i) {
        const QChar c = formatCode.at(i);
        if (inQuote) {
            if (c == QLatin1Char('"'))
                inQuote = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuote = true;
        } else if (c == QLatin1Char('\\') || c == QLatin1Char('_') || c == QLatin1Char('*')) {
            ++i;
        } else if (c == QLatin1Char(';')) {
            break;
        } else if (c == QLatin1Char('[')) {
            const int end = formatCode.indexOf(QLatin1Char(']'), i);
            if (end < 0)
                break;
            const QString inside = formatCode.mid(i + 1, end - i - 1).toLower();
            if (!inside.isEmpty()
                && (inside.at(0) == QLatin1Char('h') || inside.at(0) == QLatin1Char('m')
                    || inside.at(0) == QLatin1Char('s'))
                && inside.count(inside.at(0)) == inside.size())
                time = elapsed = true;
            i = end;
        } else {
            switch (c.toLower().unicode()) {
            case 'e':
                // "E+" and "E-" are exponents; a lone "e" is an East Asian era year.
                if (i + 1 < formatCode.size()
                    && (formatCode.at(i + 1) == QLatin1Char('+') || formatCode.at(i + 1) == QLatin1Char('-')))
                    ++i;
                else
                    date = true;
                break;
            case 'y':
            case 'd':
                date = true;
                break;
            case 'h':
            case 's':
                time = true;
                break;
            case 'm':
                month = true;
                break;
            case 'g':
                // "General" is no date; "g", "gg", "ggg" (era names) are.
                if (formatCode.mid(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                    i += 6;
                else
                    date = true;
                break;
            default:
                break;
            }
        }
    }
    // "m" is minutes beside hours or seconds, otherwise months.
    if (month && !time)
        date = true;
    if (elapsed && !date)
        return DateKind::Duration;
    if (date && time)
        return DateKind::DateTime;
    if (date)
        return DateKind::Date;
    if (time)
        return DateKind::Time;
    return DateKind::None;
}

DateKind KindOfBuiltInFormat(int id)
{
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 54) || id == 57 || id == 58)
        return DateKind::Date;
    if (id == 46)
        return DateKind::Duration; // [h]:mm:ss
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 35) || id == 45 || id == 47 || id == 55 || id == 56)
        return DateKind::Time;
    if (id == 22)
        return DateKind::DateTime;
    return DateKind::None;
}

QString Date(double serial, DateKind kind, bool epoch1904)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958466.0)
        return Number(serial);
    qint64 seconds = std::llround(serial * 86400.0);
    if (kind == DateKind::Duration) {
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    qint64 days = seconds / 86400;
    seconds %= 86400;
    QDate date;
    if (epoch1904) {
        date = QDate(1904, 1, 1).addDays(days);
    } else {
        // The 1900 system counts a 29 February 1900 that never was: from day 61 on,
        // day numbers are one ahead of the calendar.
        if (days >= 61 || days == 0)
            date = QDate(1899, 12, 30).addDays(days);
        else
            date = QDate(1899, 12, 31).addDays(days);
    }
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(seconds));
    switch (kind) {
    case DateKind::Time:
        return time.toString(QStringLiteral("HH:mm:ss"));
    case DateKind::DateTime:
        return date.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
            + time.toString(QStringLiteral("HH:mm:ss"));
    default:
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    }
}

QString Boolean(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString Error(int code)
{
    static const std::pair<int, const char*> errors[] = { { 0x00, "#NULL!" }, { 0x07, "#DIV/0!" }, { 0x0F, "#VALUE!" },
        { 0x17, "#REF!" }, { 0x1D, "#NAME?" }, { 0x24, "#NUM!" }, { 0x2A, "#N/A" } };
    for (const auto& [known, text] : errors) {
        if (known == code)
            return QString::fromLatin1(text);
    }
    return QString();
}

QString NumberTexts::Text(double value, DateKind kind)
{
    const QPair<double, int> key(value, static_cast<int>(kind));
    const auto it = cache_.constFind(key);
    if (it != cache_.cend())
        return *it;
    // Bounded: a sheet of all-different numbers only pays for the lookups.
    if (cache_.size() >= 65536)
        cache_.clear();
    const QString text = kind == DateKind::None ? Number(value) : Date(value, kind, epoch1904_);
    cache_.insert(key, text);
    return text;
}

}
