#include "foundation/pinyin.h"

#include <gtest/gtest.h>

namespace {

TEST(PinyinShortCode, TakesThePrimaryInitialOfEachCharacter)
{
    const std::pair<const char*, const char*> cases[] = {
        { "服装", "FZ" },
        { "长袖T恤", "CXTX" },
        { "牛仔裤2023", "NZK2023" },
        { "Polo衫（白）", "POLOS（B）" },
        { "", "" },
        { "重庆红行", "ZQHX" },
        { "a-b_c d", "A-B_C D" },
        { "é", "é" },
    };
    for (const auto& [name, code] : cases) {
        EXPECT_EQ(GetPyInitials(QString::fromUtf8(name)), QString::fromUtf8(code)) << name;
        EXPECT_EQ(GetPyCode(QString::fromUtf8(name)), QString::fromUtf8(code)) << name;
    }
}

TEST(PinyinShortCode, TheTableHoldsTheReadingsOfCommonCharacters)
{
    const std::pair<char32_t, const char*> rows[] = {
        { 0x4E00, "y" },
        { 0x4E01, "dz" },
        { 0x4E07, "wm" },
        { 0x4E2D, "z" },
        { 0x4E50, "ly" },
        { 0x5973, "nr" },
        { 0x670D, "f" },
        { 0x7EA2, "hg" },
        { 0x884C, "xh" },
        { 0x88C5, "z" },
        { 0x91CD, "zc" },
        { 0x957F, "cz" },
    };
    for (const auto& [cp, letters] : rows)
        EXPECT_EQ(PyInitialsOf(cp), QLatin1String(letters)) << std::hex << unsigned(cp);
}

TEST(PinyinShortCode, EveryIdeographHasOneToThreeAllowedLetters)
{
    int failures = 0;
    for (char32_t cp = 0x4E00; cp <= 0x9FA5 && failures < 5; ++cp) {
        const QString letters = PyInitialsOf(cp);
        bool ok = letters.size() >= 1 && letters.size() <= 3;
        for (const QChar c : letters)
            ok = ok && c >= QLatin1Char('a') && c <= QLatin1Char('z') && !QStringLiteral("iuv").contains(c);
        if (!ok) {
            ADD_FAILURE() << std::hex << unsigned(cp) << " has '" << letters.toStdString() << "'";
            ++failures;
        }
    }
    EXPECT_EQ(PyInitialsOf(0x4DFF), QString());
    EXPECT_EQ(PyInitialsOf(0x9FA6), QString());
}

TEST(PinyinShortCode, CharactersTheCodePageCannotHoldBecomeQuestionMarks)
{
    // U+3400 (CJK extension A) and an emoji are outside GBK; the full-width bracket is inside.
    EXPECT_EQ(GetPyCode(QString::fromUtf8("衫\u3400【白】😀")), QString::fromUtf8("S?【B】?"));
    // The table is only read for the code page's ideographs: outside it the character stays.
    EXPECT_EQ(GetPyInitials(QString::fromUtf8("衫\u3400😀")), QString::fromUtf8("S\u3400😀"));
}

} // namespace
