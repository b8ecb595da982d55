#pragma once
// Bar charts in which every bar takes a colour of its own, for the query and
// ranking windows.
#include <QList>
#include <QStringList>

class QStackedBarSeries;

// One bar per value with its value as label. The bars are spread over a small
// palette of sets, bar i in set i % palette, the others of its place 0: one set
// per bar would lay out bars × bars items, and a year of days or a long ranking
// then takes seconds to draw.
QStackedBarSeries* NewColouredBars(const QList<double>& values);

// The names of a category axis, repeats made unique: the axis drops a repeated
// name and the bars after it would shift.
QStringList UniqueCategoryNames(const QStringList& names);
