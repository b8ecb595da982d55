#include "foundation/sqltext.h"

#include <initializer_list>

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
    return ReplaceEach(text,
        { { '\'', u"\u2018" }, { '?', u"？" }, { '%', u"％" }, { '!', u"！" }, { '$', u"￥" }, { '&', u"＆" },
            { ',', u"，" }, { '(', u"（" }, { ')', u"）" }, { '+', u"＋" }, { '-', u"－" }, { '/', u"／" },
            { '@', u"＠" }, { '~', u"～" }, { '"', u"\u201C" }, { '^', u"" }, { '`', u"" } });
}

QString ToFullWidthText(const QString& text)
{
    return ReplaceEach(text,
        { { '\'', u"\u2018" }, { '?', u"？" }, { '%', u"％" }, { '!', u"！" }, { '$', u"￥" }, { '&', u"＆" },
            { ',', u"，" }, { '@', u"＠" }, { '~', u"～" }, { '"', u"\u201C" }, { '^', u"" }, { '`', u"" } });
}

QString SafeSqlText2(const QString& text)
{
    return ReplaceEach(text, { { '\'', u"\u2018" }, { '?', u"？" }, { '%', u"％" }, { '`', u"" } });
}
