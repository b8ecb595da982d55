#include "platform/base/displayformat.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(FormatFloat, RendersTheFormatsOfGridsEditsAndFooters)
{
    const FormatCase cases[] = {
        // amounts with the currency sign, both negative forms
        { "￥,0.00;-￥,0.00", 1234567.891, "￥1,234,567.89" },
        { "￥,0.00;-￥,0.00", -1234.5, "-￥1,234.50" },
        { "￥,0.00;-￥,0.00", 0, "￥0.00" },
        { "￥,0.00;-￥,0.00", 999.995, "￥1,000.00" },
        { "￥,0.00;￥-,0.00", -12.3, "￥-12.30" },
        { "￥,0.00", -5, "-￥5.00" },
        { ",0.00", 1234.5, "1,234.50" },
        { "#,0.00;-#,0.00", 100, "100.00" },
        { "#,0.00;-#,0.00", 1000, "1,000.00" },
        { "#,0.0;-#,0.0", -1234.56, "-1,234.6" },
        { "#,0;-#,0", 0.4, "0" },
        { "#,0;-#,0", 1234567, "1,234,567" },
        { "#,0.00000000;-#,0.00000000", 1.5, "1.50000000" },
        { "#,0,0;-#,0,0", 12345, "12,345" },
        // quantities: '#' before the point drops a zero integer part
        { "#0.00;-#.00", 3, "3.00" },
        { "#0.00;-#.00", 0, "0.00" },
        { "#0.00;-#.00", -0.5, "-.50" },
        { "#0.00;-#.00", -2.25, "-2.25" },
        { "#0.0;-#.0", 2.25, "2.3" },
        { "#0.00000000;-#.00000000", -0.1, "-.10000000" },
        { "#;-#", 5, "5" },
        { "#;-#", -5, "-5" },
        { "#;-#", 0, "" },
        { "#0;-#0", 0, "0" },
        { "#0;-#0", -7.5, "-8" },
        { "0;-0", 12.5, "13" },
        { "0;-0", -12.5, "-13" },
        // per cent is a literal sign: the stored value is already in per cent
        { "0.00%", 5, "5.00%" },
        { "0.00%;-0.00%", -12.345, "-12.35%" },
        // sections without their own sign, literals, optional decimals
        { "0.00;0.00", -4, "4.00" },
        { "0.0000;-0.0000", 2.00005, "2.0001" },
        { "0.00", 1.005, "1.01" },
        { "0.00", 2.675, "2.68" },
        { "0 条", 12, "12 条" },
        { "\"共\"0\"件\"", 3, "共3件" },
        { "'a;b'0", 7, "a;b7" },
        { "#.##", 5.1, "5.1" },
        { "#.##", 5, "5" },
        { "000", 7, "007" },
        { "00-00", 1234, "12-34" },
        { ".00", 5.5, "5.50" },
        // zero section, and no "-0" for values that round to zero
        { "0.00;-0.00;\"零\"", 0.001, "零" },
        { "0.00;-0.00", -0.001, "0.00" },
        { "0.00", -0.004, "0.00" },
        { "0.00", -3.999, "-4.00" },
        // no format: the shortest form
        { "", 1234.5, "1234.5" },
        { "", -0.1, "-0.1" },
        { "", 0, "0" },
        { "", 100000000, "100000000" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.expected))
            << c.format << " with " << c.value;
    }
}

TEST(FormatFloat, NonFiniteValuesGiveEmptyText)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), std::numeric_limits<double>::infinity()), QString());
    EXPECT_EQ(FormatFloat(QStringLiteral("0.00"), std::numeric_limits<double>::quiet_NaN()), QString());
}

} // namespace
