#pragma once
#include <QString>

// Renders a number by one of the display format strings that grids, footers and
// edits use: "￥,0.00;-￥,0.00", "#0.00;-#.00", "0.00%", "0;-0", "0.00", ",0.00" and the like
// (a positive section, an optional negative section after ';', ',' for thousands,
// '0' and '#' digits, literal text and a trailing '%').
QString FormatFloat(const QString& format, double value);
