#include "foundation/keynames.h"
#include "foundation/moneywords.h"
#include "foundation/sqltext.h"
#include "support/accountset.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCleaning, EachCleanerReplacesItsOwnCharacters)
{
    struct Case {
        const char* input;
        const char* safe;
        const char* fullWidth;
        const char* safe2;
    };
    const Case cases[] = {
        { "it's", "it‘s", "it‘s", "it‘s" },
        { "50%", "50％", "50％", "50％" },
        { "a?b", "a？b", "a？b", "a？b" },
        { "hi!", "hi！", "hi！", "hi!" },
        { "$5", "￥5", "￥5", "$5" },
        { "A&B", "A＆B", "A＆B", "A&B" },
        { "a,b", "a，b", "a，b", "a,b" },
        { "(x)", "（x）", "(x)", "(x)" },
        { "1+2-3/4", "1＋2－3／4", "1+2-3/4", "1+2-3/4" },
        { "a@b~c", "a＠b～c", "a＠b～c", "a@b~c" },
        { "say \"hi\"", "say “hi“", "say “hi“", "say \"hi\"" },
        { "x^y`z", "xyz", "xyz", "x^yz" },
        { "牛仔裤 M码=1;[2]", "牛仔裤 M码=1;[2]", "牛仔裤 M码=1;[2]", "牛仔裤 M码=1;[2]" },
        { "", "", "", "" },
    };
    for (const auto& c : cases) {
        const QString in = QString::fromUtf8(c.input);
        EXPECT_EQ(SafeSqlText(in), QString::fromUtf8(c.safe)) << c.input;
        EXPECT_EQ(ToFullWidthText(in), QString::fromUtf8(c.fullWidth)) << c.input;
        EXPECT_EQ(SafeSqlText2(in), QString::fromUtf8(c.safe2)) << c.input;
    }
}

TEST(AmountInWords, WritesCapitalMoneyWords)
{
    const std::pair<const char*, const char*> cases[] = {
        { "1005", "壹仟零伍元整" },
        { "10.5", "壹拾元伍角" },
        { "100.05", "壹佰元零伍分" },
        { "-12.50", "负壹拾贰元伍角" },
        { "0", "零元整" },
        { "", "零元整" },
        { "1,000.00", "" },
        { ".29", "贰角玖分" },
        { "100000000.00", "壹亿元整" },
        { "110000000.00", "壹亿壹仟万元整" },
        { "1000001.00", "壹佰万零壹元整" },
        { "0.5", "伍角" },
        { "0.05", "零伍分" },
        { "5.", "伍元整" },
        { "007", "柒元整" },
        { "12.345", "壹拾贰元叁角肆分" },
        { "20.10", "贰拾元壹角" },
        { "100010", "壹拾万零壹拾元整" },
        { "123456789.12", "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分" },
        { "1000000000000", "壹万亿元整" },
        { "abc", "" },
        { "1e5", "" },
        { "１２", "" },
        // a second point or a signed zero would make no sense in words
        { "1.2.3", "" },
        { "-0", "零元整" },
        { "-0.00", "零元整" },
    };
    for (const auto& [amount, words] : cases)
        EXPECT_EQ(AmountInWords(QString::fromUtf8(amount)), QString::fromUtf8(words)) << amount;
}

TEST(KeyCodeToName, NamesTheKeysTheTillOffers)
{
    const std::pair<int, const char*> cases[] = {
        { 32, "Space" },
        { 33, "Page Up" },
        { 34, "Page Down" },
        { 35, "End" },
        { 36, "Home" },
        { 37, "←" },
        { 39, "→" },
        { 45, "Insert" },
        { 46, "Delete" },
        { 107, "+" },
        { 109, "-" },
        { 111, "/" },
        { 112, "F1" },
        { 116, "F5" },
        { 123, "F12" },
        { 186, ";" },
        { 187, "=" },
        { 188, "," },
        { 189, "-" },
        { 191, "/" },
        { 192, "`" },
        { 219, "[" },
        { 220, "\\" },
        { 221, "]" },
        { 222, "'" },
        { 38, "" },
        { 40, "" },
        { 48, "" },
        { 65, "" },
        { 124, "" },
        { 0, "" },
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(KeyCodeToName(code), QString::fromUtf8(name)) << code;
}

} // namespace

namespace {

class PosKeyNameTest : public AccountSetTest { };

TEST_F(PosKeyNameTest, NamesTheKeyAssignedToATillFunction)
{
    dm->ADOConn.Exec(QStringLiteral("delete from jxc_gnb"));
    if (TestDb::OnServer())
        GTEST_SKIP() << "a text kept in a number column, which only SQLite allows";
    dm->ADOConn.Exec(QStringLiteral("insert into jxc_gnb (gn_name,gn_jz) values ('结帐',116),('挂单','x')"));
    EXPECT_EQ(GetPosKeyName(QStringLiteral("结帐")), QStringLiteral("F5"));
    EXPECT_EQ(GetPosKeyName(QStringLiteral("会员")), QString());
    EXPECT_THROW(GetPosKeyName(QStringLiteral("挂单")), std::exception);
}

} // namespace
