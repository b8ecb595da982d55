#pragma once
#include <QString>

// The detail rows of a stored goods document for its printed form, as one select
// statement that the caller opens on the print query (Q_GoodsPrin). The prefix is
// the document's number prefix ("XS", "CJ", "DB", ...); a prefix without detail
// rows gives an empty text. For sales deliveries ("XS") and goods-in ("CJ") the
// fixed rows per form and the size merging are prepared in the operator's scratch
// rows (jxc_tempspxf), which the statement reads; they stay until the next
// ClearTempLines. Every call writes one line to the operation log.
QString BuildColorSizePrintData(const QString& number, const QString& prefix);
