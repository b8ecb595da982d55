#include "listing/barchart.h"

#include <QBarSet>
#include <QColor>
#include <QStackedBarSeries>

#include <algorithm>

namespace {

// Bars side by side never share a colour while there are fewer than this.
constexpr int kBarPalette = 8;

// Neighbouring sets in clearly different colours.
QColor paletteColour(int i)
{
    return QColor::fromHsv((i * 137) % 360, 170, 225);
}

} // namespace

QStackedBarSeries* NewColouredBars(const QList<double>& values)
{
    auto* bars = new QStackedBarSeries;
    const int n = int(values.size());
    const int sets = std::min(n, kBarPalette);
    for (int s = 0; s < sets; ++s) {
        auto* set = new QBarSet(QString());
        for (int i = 0; i < n; ++i)
            *set << (i % sets == s ? values[i] : 0);
        set->setColor(paletteColour(s));
        bars->append(set);
    }
    bars->setLabelsVisible(true);
    return bars;
}

QStringList UniqueCategoryNames(const QStringList& names)
{
    QStringList places;
    for (int i = 0; i < names.size(); ++i)
        places << (places.contains(names[i]) ? names[i] + QStringLiteral(" (%1)").arg(i + 1) : names[i]);
    return places;
}
