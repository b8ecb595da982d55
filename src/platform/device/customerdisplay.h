#pragma once
#include <QString>
#include <functional>

// The customer display on a serial port ("COM1" to "COM8" by its number), 8 data
// bits, no parity, one stop bit at the given baud rate. Port 0 means no display and
// touches nothing; every error is swallowed, so the display never stops a sale.
namespace CustomerDisplay {
// Opens the port with its line settings; nothing is written. The port stays open for
// the amounts that follow.
void Prepare(int port, int baudRate);
// Clears the display, switches it to the amount mode and shows the amount: form
// feed, ESC "s2", ESC "QA" + amount + CR. An empty amount shows "0.00".
void ShowAmount(int port, int baudRate, const QString& amount);
// Closes the held port (the till closing); the next amount opens it again.
void Close();
// Called with the open port's file descriptor after an amount was written; tests read
// the line settings there.
void SetWriteObserver(std::function<void(int descriptor)> observer);
}
