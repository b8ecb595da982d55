#pragma once
#include <QString>

// The print preview of a stored goods document by its number, as the list and query
// windows show the document behind a row. The number's prefix picks the template
// setting, the header variables and the detail rows; sales deliveries and goods-in
// offer the template choice first when the settings ask for it. A number of any
// other prefix shows nothing; false then.
// templateFile, when given, replaces the settings' template (a file of report/).
bool ViewDocument(const QString& number, const QString& templateFile = QString());
