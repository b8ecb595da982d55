#pragma once
#include "platform/report/reporttemplate.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Draws the data as a barcode (libzint) filling the rectangle, given in the painter's
// device units: linear codes stretch across its width with the human-readable text
// below the bars, a QR symbol stays square and centred. False, and nothing drawn,
// when the data cannot be encoded in that symbology.
bool DrawBarcode(
    QPainter& p, const QRectF& rect, ReportBarcodeType type, const QString& data, bool showText, const QFont& font);

// zint's number for the symbology.
int ZintSymbology(ReportBarcodeType type);
