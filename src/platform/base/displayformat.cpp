#include "platform/base/displayformat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The decimal digits of a non-negative value rounded half away from zero to a number
// of decimals. The value is first taken to 15 significant digits, so that 1.005 is
// read as the 1.005 the operator typed and not as the binary 1.00499999....
struct Digits {
    std::string integer;  // no leading zeros; empty for a value below 1
    std::string fraction; // exactly `decimals` digits
    bool IsZero() const
    {
        return integer.find_first_not_of('0') == std::string::npos
            && fraction.find_first_not_of('0') == std::string::npos;
    }
};

Digits RoundTo(double value, int decimals)
{
    Digits out;
    out.fraction.assign(std::size_t(decimals), '0');
    if (value == 0)
        return out;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string digits(1, buf[0]);
    digits.append(buf + 2, 14);
    int point = std::atoi(std::strchr(buf, 'e') + 1) + 1; // digits before the point
    int keep = point + decimals;
    if (keep < 0)
        return out;
    if (keep < int(digits.size())) {
        const bool up = digits[std::size_t(keep)] >= '5';
        digits.resize(std::size_t(keep));
        if (up) {
            int k = keep - 1;
            while (k >= 0 && digits[std::size_t(k)] == '9')
                digits[std::size_t(k--)] = '0';
            if (k >= 0) {
                ++digits[std::size_t(k)];
            } else {
                digits.insert(digits.begin(), '1');
                ++point;
                ++keep;
            }
        }
    }
    digits.resize(std::size_t(keep), '0');
    if (point <= 0) {
        out.fraction = std::string(std::size_t(-point), '0') + digits;
    } else {
        out.integer = digits.substr(0, std::size_t(point));
        out.fraction = digits.substr(std::size_t(point));
    }
    const auto first = out.integer.find_first_not_of('0');
    out.integer.erase(0, first == std::string::npos ? out.integer.size() : first);
    return out;
}

QString GeneralText(double value)
{
    const double a = std::fabs(value);
    int point = 1;
    if (a != 0) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "%.14e", a);
        point = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    }
    Digits d = RoundTo(a, std::max(0, 15 - point));
    while (!d.fraction.empty() && d.fraction.back() == '0')
        d.fraction.pop_back();
    if (d.IsZero())
        return QStringLiteral("0");
    QString text = QString::fromStdString(d.integer.empty() ? std::string("0") : d.integer);
    if (!d.fraction.empty())
        text += QLatin1Char('.') + QString::fromStdString(d.fraction);
    return value < 0 ? QLatin1Char('-') + text : text;
}

QStringList SplitSections(const QString& format)
{
    QStringList sections { QString() };
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

struct Section {
    enum class Kind { Digit, Point, Literal };
    struct Token {
        Kind kind;
        QChar digit;  // '0' or '#'
        QString text; // literal text
    };
    std::vector<Token> tokens;
    bool grouping = false;
    int intPlaces = 0;
    int minIntDigits = 0;
    int decPlaces = 0;
    int minDecimals = 0;
    bool hasDigits = false;
};

Section ParseSection(const QString& text)
{
    Section s;
    bool afterPoint = false;
    int firstIntZero = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            s.tokens.push_back({ Section::Kind::Literal, QChar(), text.mid(i + 1, stop - i - 1) });
            i = stop;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            s.tokens.push_back({ Section::Kind::Digit, c, QString() });
            s.hasDigits = true;
            if (afterPoint) {
                ++s.decPlaces;
                if (c == QLatin1Char('0'))
                    s.minDecimals = s.decPlaces;
            } else {
                if (c == QLatin1Char('0') && firstIntZero < 0)
                    firstIntZero = s.intPlaces;
                ++s.intPlaces;
            }
        } else if (c == QLatin1Char('.') && !afterPoint) {
            s.tokens.push_back({ Section::Kind::Point, QChar(), QString() });
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            s.grouping = true;
        } else {
            s.tokens.push_back({ Section::Kind::Literal, QChar(), QString(c) });
        }
    }
    s.minIntDigits = firstIntZero < 0 ? 0 : s.intPlaces - firstIntZero;
    return s;
}

QString Render(const Section& s, const Digits& d)
{
    if (!s.hasDigits) {
        QString out;
        for (const auto& t : s.tokens)
            out += t.kind == Section::Kind::Point ? QStringLiteral(".") : t.text;
        return out;
    }

    std::string integer = d.integer;
    if (int(integer.size()) < s.minIntDigits)
        integer.insert(0, std::size_t(s.minIntDigits) - integer.size(), '0');
    std::string fraction = d.fraction;
    while (int(fraction.size()) > s.minDecimals && fraction.back() == '0')
        fraction.pop_back();

    const int len = int(integer.size());
    QString out;
    // Writes the integer digit that stands p places left of the point.
    auto putIntDigit = [&](int p) {
        out += QLatin1Char(integer[std::size_t(len - 1 - p)]);
        if (s.grouping && p > 0 && p % 3 == 0)
            out += QLatin1Char(',');
    };
    // Integer digits that have no placeholder of their own go before the first one.
    auto putLeadingDigits = [&](int places) {
        for (int p = len - 1; p >= places; --p)
            putIntDigit(p);
    };

    int intSeen = 0;
    int decSeen = 0;
    bool afterPoint = false;
    bool leadingDone = false;
    for (const auto& t : s.tokens) {
        switch (t.kind) {
        case Section::Kind::Literal:
            out += t.text;
            break;
        case Section::Kind::Point:
            if (!leadingDone) {
                putLeadingDigits(s.intPlaces);
                leadingDone = true;
            }
            afterPoint = true;
            if (!fraction.empty())
                out += QLatin1Char('.');
            break;
        case Section::Kind::Digit:
            if (!leadingDone) {
                putLeadingDigits(s.intPlaces);
                leadingDone = true;
            }
            if (!afterPoint) {
                const int p = s.intPlaces - 1 - intSeen++;
                if (p < len)
                    putIntDigit(p);
            } else {
                if (decSeen < int(fraction.size()))
                    out += QLatin1Char(fraction[std::size_t(decSeen)]);
                ++decSeen;
            }
            break;
        }
    }
    return out;
}

} // namespace

QString FormatFloat(const QString& format, double value)
{
    if (!std::isfinite(value))
        return QString();
    const QStringList sections = SplitSections(format);
    if (sections[0].isEmpty())
        return GeneralText(value);

    const bool negative = value < 0;
    int index = negative && sections.size() > 1 && !sections[1].isEmpty() ? 1 : 0;
    Section section = ParseSection(sections[index]);
    Digits digits = RoundTo(std::fabs(value), section.decPlaces);
    const bool zero = digits.IsZero();
    if (zero) {
        const int zeroIndex = sections.size() > 2 && !sections[2].isEmpty() ? 2 : 0;
        if (zeroIndex != index) {
            index = zeroIndex;
            section = ParseSection(sections[index]);
            digits = RoundTo(0, section.decPlaces);
        }
    }
    QString out = Render(section, digits);
    if (negative && !zero && index == 0)
        out.prepend(QLatin1Char('-'));
    return out;
}
