#pragma once
#include <QByteArray>

// The cash drawer hangs on the receipt printer and opens on the ESC/POS pulse
// (pin 2, 63 x 2 ms on and off).
namespace CashDrawer {
QByteArray PulseCommand();
// Interface 1 sends the pulse to the receipt printer's device ("PRN"), 2 to the
// parallel port ("LPT1"), 0 touches nothing. A missing or busy device is ignored:
// the drawer never stops a sale.
void Open(int interfaceNo);
}
