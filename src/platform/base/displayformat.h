#pragma once
#include <QString>

// Renders a number by one of the display format strings that grids, footers and
// edits use: "￥,0.00;-￥,0.00", "#0.00;-#.00", "0.00%", "0;-0", "#,0;-#,0" and the like.
//
// The rules are those of the format strings the shop's templates and windows were
// written against:
// - Up to three sections separated by ';': positive, negative, zero. A negative value
//   uses the negative section when it is not empty and is then written without a
//   minus sign (the section carries its own); otherwise the positive section with a
//   leading '-'. A value that rounds to zero uses the zero section when there is one,
//   else the positive section, and is never written as "-0".
// - '0' is a digit that is always written, '#' a digit written only when significant.
//   Integer digits beyond the placeholders are all written; decimals are rounded half
//   away from zero to the number of placeholders after the first '.'.
// - A ',' anywhere in the section groups the integer digits by thousands with ','.
// - Texts in single or double quotes and every other character are written as they
//   stand, in their place ('%' is a literal: 5 with "0.00%" is "5.00%").
// - An empty format writes the shortest form of the number.
QString FormatFloat(const QString& format, double value);
