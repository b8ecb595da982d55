#pragma once
#include <QString>

// The amount in capital money words ("壹仟零伍元整"); empty when the text is not a
// plain decimal number with an optional leading '-'.
QString AmountInWords(const QString& amount);
