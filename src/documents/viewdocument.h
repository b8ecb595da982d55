#pragma once
#include <QString>

// The print preview of a stored goods document by its number, as the list and query
// windows show the document behind a row. The number's prefix picks the template
// setting, the header variables and the detail rows; sales deliveries and goods-in
// offer the template choice first when the settings ask for it. A number of any
// other prefix shows nothing; false then.
// templateFile, when given, replaces the settings' template (a file of report/).
bool ViewDocument(const QString& number, const QString& templateFile = QString());
// The same printed without the preview and the printer dialog, as continuous printing
// does; offerChoice false skips the template choice.
bool PrintDocument(const QString& number, bool offerChoice);

// The same for the purchase-sales-stock detail, by its own table of kinds: more
// prefixes (stock, loan, production and department documents), templates without
// costs for operators who may not see costs, and the header variables set before
// the detail rows except for stock-takes, loans and department documents.
bool ViewLedgerDocument(const QString& number);
// The same for the document query: the stock-moving kinds it lists, processing and
// outsourcing documents included.
bool ViewQueriedStockDocument(const QString& number);
