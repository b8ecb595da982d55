#include "foundation/pinyin.h"

#include <iconv.h>

namespace {

#include "foundation/pinyin_table.inc"

constexpr char32_t kFirst = 0x4E00;
constexpr char32_t kLast = 0x9FA5;
static_assert(sizeof(kPyInitialsTable) - 1 == 3 * (kLast - kFirst + 1), "three letters per code point");

const char* Slot(char32_t c)
{
    return kPyInitialsTable + 3 * (c - kFirst);
}

// Whether the 8-bit code page can hold a character; the ideographs the table
// covers and ASCII always can.
class CodePage {
public:
    CodePage() : cd_(iconv_open("CP936", "UTF-32LE")) { }
    ~CodePage()
    {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    bool Holds(char32_t c)
    {
        if (c < 0x80 || (c >= kFirst && c <= kLast))
            return true;
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return true; // without the converter no character is lost
        QByteArray bytes;
        return Convert(c, bytes);
    }

    // One character in the code page's bytes; '?' when it cannot be held.
    QByteArray Encode(char32_t c)
    {
        if (c < 0x80)
            return QByteArray(1, char(c));
        QByteArray bytes;
        if (cd_ == reinterpret_cast<iconv_t>(-1) || !Convert(c, bytes))
            return QByteArray(1, '?');
        return bytes;
    }

private:
    bool Convert(char32_t c, QByteArray& bytes)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char in[4] = { char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF), char((c >> 24) & 0xFF) };
        char out[16];
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = sizeof in;
        size_t outLeft = sizeof out;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0)
            return false;
        bytes = QByteArray(out, int(sizeof out - outLeft));
        return true;
    }

    iconv_t cd_;
};

} // namespace

QString PyInitialsOf(char32_t codePoint)
{
    if (codePoint < kFirst || codePoint > kLast)
        return QString();
    return QString::fromLatin1(Slot(codePoint), 3).trimmed();
}

QString GetPyInitials(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= kFirst && u <= kLast)
            out += QLatin1Char(Slot(u)[0]);
        else
            out += c;
    }
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    }
    return out;
}

QByteArray ToShopCodePage(const QString& text)
{
    thread_local CodePage page;
    QByteArray out;
    for (const char32_t c : text.toUcs4())
        out += page.Encode(c);
    return out;
}

QString GetPyCode(const QString& name)
{
    thread_local CodePage page;
    QString carried;
    carried.reserve(name.size());
    for (const char32_t c : name.toUcs4())
        carried += page.Holds(c) ? QString::fromUcs4(&c, 1) : QStringLiteral("?");
    return GetPyInitials(carried);
}
