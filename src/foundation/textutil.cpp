#include "foundation/textutil.h"

#include "foundation/datamodule.h"

#include <stdexcept>

namespace {

// One replacement per character; an empty replacement drops the character.
struct Replacement {
    char ascii;
    const char16_t* replacement;
};

QString ReplaceEach(const QString& text, std::initializer_list<Replacement> table)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const Replacement* hit = nullptr;
        for (const auto& r : table) {
            if (c == QLatin1Char(r.ascii)) {
                hit = &r;
                break;
            }
        }
        if (hit)
            out += QString::fromUtf16(hit->replacement);
        else
            out += c;
    }
    return out;
}

} // namespace

QString SafeSqlText(const QString& text)
{
    return ReplaceEach(text, {{'\'', u"\u2018"}, {'?', u"？"}, {'%', u"％"}, {'!', u"！"}, {'$', u"￥"},
                              {'&', u"＆"}, {',', u"，"}, {'(', u"（"}, {')', u"）"}, {'+', u"＋"},
                              {'-', u"－"}, {'/', u"／"}, {'@', u"＠"}, {'~', u"～"}, {'"', u"\u201C"},
                              {'^', u""}, {'`', u""}});
}

QString ToFullWidthText(const QString& text)
{
    return ReplaceEach(text, {{'\'', u"\u2018"}, {'?', u"？"}, {'%', u"％"}, {'!', u"！"}, {'$', u"￥"},
                              {'&', u"＆"}, {',', u"，"}, {'@', u"＠"}, {'~', u"～"}, {'"', u"\u201C"},
                              {'^', u""}, {'`', u""}});
}

QString SafeSqlText2(const QString& text)
{
    return ReplaceEach(text, {{'\'', u"\u2018"}, {'?', u"？"}, {'%', u"％"}, {'`', u""}});
}

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
    case 1: return QStringLiteral("分");
    case 2: return QStringLiteral("角");
    case 3: return QString();
    case 7: return QStringLiteral("万");
    case 11: return QStringLiteral("亿");
    case 15: return QStringLiteral("万亿");
    case 19: return QStringLiteral("亿亿");
    case 23: return QStringLiteral("万亿亿");
    case 27: return QStringLiteral("亿亿亿");
    default: break;
    }
    switch ((p - 4) % 4) {
    case 0: return QStringLiteral("拾");
    case 1: return QStringLiteral("佰");
    default: return QStringLiteral("仟");
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

    static const QString digitWords[] = {QString(), QStringLiteral("壹"), QStringLiteral("贰"),
                                         QStringLiteral("叁"), QStringLiteral("肆"), QStringLiteral("伍"),
                                         QStringLiteral("陆"), QStringLiteral("柒"), QStringLiteral("捌"),
                                         QStringLiteral("玖")};
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

QString KeyCodeToName(int keyCode)
{
    if (keyCode >= 112 && keyCode <= 123)
        return QStringLiteral("F") + QString::number(keyCode - 111);
    switch (keyCode) {
    case 32: return QStringLiteral("Space");
    case 33: return QStringLiteral("Page Up");
    case 34: return QStringLiteral("Page Down");
    case 35: return QStringLiteral("End");
    case 36: return QStringLiteral("Home");
    case 37: return QStringLiteral("←");
    case 39: return QStringLiteral("→");
    case 45: return QStringLiteral("Insert");
    case 46: return QStringLiteral("Delete");
    case 107: return QStringLiteral("+");
    case 109: return QStringLiteral("-");
    case 111: return QStringLiteral("/");
    case 186: return QStringLiteral(";");
    case 187: return QStringLiteral("=");
    case 188: return QStringLiteral(",");
    case 189: return QStringLiteral("-");
    case 191: return QStringLiteral("/");
    case 192: return QStringLiteral("`");
    case 219: return QStringLiteral("[");
    case 220: return QStringLiteral("\\");
    case 221: return QStringLiteral("]");
    case 222: return QStringLiteral("'");
    default: return QString();
    }
}

QString GetPosKeyName(const QString& functionName)
{
    const QString code =
        QueryScalar(QStringLiteral("select gn_jz from jxc_gnb where gn_name='") + functionName + QStringLiteral("'"));
    if (code.isEmpty())
        return QString();
    bool ok = false;
    const int keyCode = code.toInt(&ok);
    if (!ok)
        throw std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(code).toStdString());
    return KeyCodeToName(keyCode);
}

int PosAfterNth(const QString& sub, const QString& text, int n)
{
    if (sub.isEmpty() || n < 1)
        return 0;
    int found = 0;
    qsizetype position = 0;
    qsizetype from = 0;
    while (found < n) {
        const qsizetype at = text.indexOf(sub, from);
        if (at < 0)
            break;
        position = at + 1;
        ++found;
        from = at + 1;
    }
    return int(position);
}

QString CheckApproveAllowed(const QString& docNo, const QString& docDate)
{
    Q_UNUSED(docNo);
    Q_UNUSED(docDate);
    return QStringLiteral("ok");
}

QString CheckUnapproveAllowed(const QString& docNo)
{
    Q_UNUSED(docNo);
    return QStringLiteral("ok");
}
