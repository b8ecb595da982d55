#pragma once
#include <QString>
#include <QVariant>

// How values read from the database look as text: null as "", yes/no columns as
// "True"/"False", numbers in their shortest decimal form in the C locale.
QString ValueText(const QVariant& v, bool isBit = false);
// Shortest decimal text of a number that reads back to the same double, never in exponent form.
QString NumberText(double d);
// A text or number as a double; texts that are not numbers give 0.
double ValueNumber(const QVariant& v);
