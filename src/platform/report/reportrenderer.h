#pragma once
#include "platform/report/preparedreport.h"

#include <QFont>
#include <QImage>

class QPainter;

// Chinese text needs a font with the CJK glyphs on screen, paper and in PDFs alike.
inline const QString kReportDefaultFont = QStringLiteral("Noto Sans CJK SC");

// The font of a text or barcode object, in points.
QFont ReportFont(const ReportObject& o);

// Draws one page with its top left paper corner at the painter's origin; the
// device's own resolution sets the scale, so fonts given in points come out at their size.
void RenderReportPage(QPainter& p, const PreparedPage& page);

// The page as a white image at that resolution.
QImage RenderReportPageImage(const PreparedPage& page, double dpi);
