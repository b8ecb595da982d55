#pragma once
#include <QString>

// The till's devices are named as the shop knows them ("COM1" to "COM8", "LPT1" and
// the receipt printer "PRN"); each name stands for a device file. By default COMn is
// the system's serial port n-1 (/dev/ttyS0 for COM1), LPT1 the first parallel port
// (/dev/lp0) and PRN the first USB printer (/dev/usb/lp0). A shop with other devices,
// and the tests, point a name at another file.
namespace DeviceFiles {
QString PathOf(const QString& name);
// An empty path gives the name its default again.
void SetPath(const QString& name, const QString& path);
void ResetPaths();
}
