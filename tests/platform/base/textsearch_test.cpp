#include "platform/base/textsearch.h"

#include <gtest/gtest.h>

namespace {

TEST(PosAfterNth, FindsTheNthOccurrenceOrTheLastOne)
{
    EXPECT_EQ(PosAfterNth(QStringLiteral(","), QStringLiteral("a,b,c"), 1), 2);
    EXPECT_EQ(PosAfterNth(QStringLiteral(","), QStringLiteral("a,b,c"), 2), 4);
    EXPECT_EQ(PosAfterNth(QStringLiteral(","), QStringLiteral("a,b,c"), 5), 4);
    EXPECT_EQ(PosAfterNth(QStringLiteral("x"), QStringLiteral("a,b,c"), 1), 0);
    // occurrences that start inside the previous one count
    EXPECT_EQ(PosAfterNth(QStringLiteral("aa"), QStringLiteral("aaaa"), 2), 2);
    EXPECT_EQ(PosAfterNth(QStringLiteral("aa"), QStringLiteral("aaaa"), 4), 3);
    const QString sql = QStringLiteral("select * from (select a from t order by a) order by b order by c order by d");
    EXPECT_EQ(PosAfterNth(QStringLiteral("order"), sql, 4), sql.lastIndexOf(QStringLiteral("order")) + 1);
}

} // namespace
