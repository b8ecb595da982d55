#pragma once
#include "documents/dockind.h"

#include <QString>

// A barcode scanned on the entry tab of a goods-in or an order: one line of quantity 1
// at the purchase price the settings name, with its colour-by-size row, under the
// window's number (redrawn when another operator holds it).
struct ScannedLine {
    enum Outcome { Added, UnknownCode, Repeated } outcome = UnknownCode;
    // The number in force after the scan.
    QString number;
};
// `refuseRepeat`: a goods already on the operator's lines under the number is refused.
ScannedLine ScanPurchaseLine(
    const DocKind& kind, const QString& number, const QString& date, const QString& code, bool refuseRepeat);
