#pragma once
#include <QHash>
#include <QString>

class Report;

// Header variables of a stored goods document for its printed form. The kind picks
// the header table ("cgjh", "cgth", "spxs", "xsth", "kcdb", "cgd", "spdd", "spcf",
// "spkb", "spbs", "spby", "kcpd", "khjh", "SC", "LY"); any other kind sets nothing.
// The template must be loaded first: the document kinds start from an empty
// variable list, the others add to the template's own variables.
void SetDocPrintVars(Report& report, const QString& number, const QString& kind);

// The pieces of a document's variables that a window sets itself for a document
// still under entry: the company ("comName", "comTele", "comLxr", "comNote",
// "comAddress"), the customer ("khName", "khLxr", "khTele", "khAddress", "khNote")
// and an amount in words after the "#.00" format.
void SetCompanyPrintVars(Report& report);
void SetCustomerPrintVars(Report& report, const QString& customerSn);
QString PrintAmountWords(double amount);

// Computed numbers on printed forms: general format, 15 significant digits.
QString PrintNumber(double value);

// The first row of a statement bound to ":n" as texts by lower-case column name
// (the first of two equal names wins); empty when no row matches.
QHash<QString, QString> FirstRowTexts(const QString& sql, const QString& value);
