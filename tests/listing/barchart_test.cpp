#include "listing/barchart.h"

#include <QBarSet>
#include <QStackedBarSeries>
#include <gtest/gtest.h>

#include <memory>

TEST(BarChartTest, ALongSeriesKeepsASmallPaletteAndEveryValueInItsPlace)
{
    QList<double> values;
    for (int i = 0; i < 365; ++i)
        values << i + 1;
    std::unique_ptr<QStackedBarSeries> bars(NewColouredBars(values));
    ASSERT_EQ(bars->count(), 8);
    for (int i = 0; i < values.size(); ++i) {
        double sum = 0;
        for (QBarSet* set : bars->barSets())
            sum += set->at(i);
        EXPECT_DOUBLE_EQ(sum, values[i]) << i;
    }
    // Neighbours differ in colour.
    EXPECT_NE(bars->barSets()[0]->color(), bars->barSets()[1]->color());
    EXPECT_TRUE(bars->isLabelsVisible());

    std::unique_ptr<QStackedBarSeries> few(NewColouredBars({ 5, 7 }));
    EXPECT_EQ(few->count(), 2);
    std::unique_ptr<QStackedBarSeries> none(NewColouredBars({}));
    EXPECT_EQ(none->count(), 0);
}

TEST(BarChartTest, RepeatedCategoryNamesAreMadeUnique)
{
    EXPECT_EQ(UniqueCategoryNames({ "A", "B", "A", "A" }), QStringList({ "A", "B", "A (3)", "A (4)" }));
}
