#include "platform/device/cashdrawer.h"

#include "platform/device/devicefiles.h"

#include <QFile>

namespace {

void writeRaw(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return;
    // ExistingOnly: a device that is not there must not turn into a new plain file.
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return;
    device.write(bytes);
    device.close();
}

}

namespace CashDrawer {

QByteArray PulseCommand()
{
    return QByteArray("\x1b\x70\x00\x3f\x3f", 5);
}

void Open(int interfaceNo)
{
    if (interfaceNo == 1)
        writeRaw(DeviceFiles::PathOf(QStringLiteral("PRN")), PulseCommand());
    else if (interfaceNo == 2)
        writeRaw(DeviceFiles::PathOf(QStringLiteral("LPT1")), PulseCommand());
}

}
