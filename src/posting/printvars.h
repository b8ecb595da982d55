#pragma once
#include <QString>

class Report;

// Header variables of a stored goods document for its printed form. The kind picks
// the header table ("cgjh", "cgth", "spxs", "xsth", "kcdb", "cgd", "spdd", "spcf",
// "spkb", "spbs", "spby", "kcpd", "khjh", "SC", "LY"); any other kind sets nothing.
// The template must be loaded first: the document kinds start from an empty
// variable list, the others add to the template's own variables.
void SetDocPrintVars(Report& report, const QString& number, const QString& kind);

// Computed numbers on printed forms: general format, 15 significant digits.
QString PrintNumber(double value);
