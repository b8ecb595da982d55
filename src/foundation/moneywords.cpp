#include "foundation/moneywords.h"

namespace {

// The amount as a digit string in fen (hundredths), without a point.
QString FenDigits(const QString& s)
{
    if (s.size() < 4) {
        const double value = s.isEmpty() ? 0 : s.toDouble();
        if (value < 1)
            return QString::number(qRound64(value * 100));
    }
    QString r = s;
    qsizetype lead = 0;
    while (lead < r.size() && r[lead] == QLatin1Char('0'))
        ++lead;
    r.remove(0, lead);
    const qsizetype n = r.size();
    const qsizetype point = r.indexOf(QLatin1Char('.'));
    const qsizetype k = point < 0 ? n + 1 : point + 1;
    if (k == 1)
        return r.mid(1, 2);
    if (k == n - 1)
        return r.left(k - 1) + r.mid(k, 1) + QLatin1Char('0');
    if (k == n)
        return r.left(k - 1) + QStringLiteral("00");
    if (k == n + 1)
        return r + QStringLiteral("00");
    return r.left(k - 1) + r.mid(k, 2);
}

QString PositionWord(int p)
{
    switch (p) {
    case 1:
        return QStringLiteral("分");
    case 2:
        return QStringLiteral("角");
    case 3:
        return QString();
    case 7:
        return QStringLiteral("万");
    case 11:
        return QStringLiteral("亿");
    case 15:
        return QStringLiteral("万亿");
    case 19:
        return QStringLiteral("亿亿");
    case 23:
        return QStringLiteral("万亿亿");
    case 27:
        return QStringLiteral("亿亿亿");
    default:
        break;
    }
    switch ((p - 4) % 4) {
    case 0:
        return QStringLiteral("拾");
    case 1:
        return QStringLiteral("佰");
    default:
        return QStringLiteral("仟");
    }
}

bool IsGroupPosition(int p)
{
    return p >= 7 && (p - 7) % 4 == 0;
}

const int kLastPosition = 30;

} // namespace

QString AmountInWords(const QString& amount)
{
    QString s = amount;
    QString prefix;
    if (s.startsWith(QLatin1Char('-'))) {
        prefix = QStringLiteral("负");
        s.remove(0, 1);
    }
    for (const QChar c : s) {
        if (c != QLatin1Char('.') && (c < QLatin1Char('0') || c > QLatin1Char('9')))
            return QString();
    }
    // A second point would leave a point among the digits of the words.
    if (s.count(QLatin1Char('.')) > 1)
        return QString();

    const QString t = FenDigits(s);
    // Beyond the largest place there are no words; such an amount is not written.
    if (t.size() > kLastPosition)
        return QString();

    static const QString digitWords[] = { QString(), QStringLiteral("壹"), QStringLiteral("贰"), QStringLiteral("叁"),
        QStringLiteral("肆"), QStringLiteral("伍"), QStringLiteral("陆"), QStringLiteral("柒"), QStringLiteral("捌"),
        QStringLiteral("玖") };
    QString words;
    bool zeroPending = false;
    bool groupOpen = true;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const int p = int(t.size() - i);
        const int digit = t[i].digitValue();
        if (digit != 0) {
            if (zeroPending)
                words += QStringLiteral("零");
            words += digitWords[digit] + PositionWord(p);
            zeroPending = false;
            groupOpen = !IsGroupPosition(p);
        } else {
            zeroPending = true;
            if (IsGroupPosition(p) && groupOpen) {
                words += PositionWord(p);
                zeroPending = false;
                groupOpen = false;
            }
        }
        if (p == 3) {
            words += QStringLiteral("元");
            zeroPending = false;
        }
    }
    if (t.endsWith(QStringLiteral("00")))
        words += QStringLiteral("整");
    // A zero amount reads the same with or without a sign.
    if (words.isEmpty() || words == QStringLiteral("整"))
        return QStringLiteral("零元整");
    return prefix + words;
}
