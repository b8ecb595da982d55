// The ranking charts: one value per goods, cashier or category.
#include "pos/posxsph.h"

#include "listing/barchart.h"
#include "platform/db/valuetext.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QColor>
#include <QLegend>
#include <QLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Neighbouring points in clearly different colours.
QColor rankColour(int i)
{
    return QColor::fromHsv((i * 137) % 360, 170, 225);
}

QString rankValueText(double v)
{
    return NumberText(std::round(v * 100) / 100);
}

} // namespace

QChart* MakeRankingChart(
    const QStringList& names, const QList<double>& values, const QString& content, RankingChartKind kind)
{
    auto* chart = new QChart;
    chart->legend()->hide();
    const int n = int(std::min(names.size(), values.size()));
    if (kind == RankingChartKind::Pie) {
        auto* pie = new QPieSeries;
        for (int i = 0; i < n; ++i) {
            QPieSlice* slice = pie->append(rankValueText(values[i]), values[i]);
            slice->setColor(rankColour(i));
            slice->setLabelVisible(true);
        }
        chart->addSeries(pie);
        chart->setTitle(content);
        // The slices are labelled with their values, the legend with the names.
        const QList<QLegendMarker*> markers = chart->legend()->markers(pie);
        for (int i = 0; i < markers.size() && i < n; ++i)
            markers[i]->setLabel(names[i]);
        chart->legend()->show();
        return chart;
    }
    auto* bars = NewColouredBars(values.mid(0, n));
    const QStringList places = UniqueCategoryNames(names.mid(0, n));
    auto* categories = new QBarCategoryAxis;
    categories->append(places);
    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(content);
    chart->addSeries(bars);
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    bars->attachAxis(categories);
    bars->attachAxis(valueAxis);
    double low = 0;
    double high = 0;
    for (int i = 0; i < n; ++i) {
        low = std::min(low, values[i]);
        high = std::max(high, values[i]);
    }
    valueAxis->setRange(low < 0 ? low * 1.1 : 0, high > 0 ? high * 1.1 : 1);
    return chart;
}
