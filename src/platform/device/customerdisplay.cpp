#include "platform/device/customerdisplay.h"

#include "platform/device/devicefiles.h"

#include <QSerialPort>

namespace {

std::function<void(int)>& writeObserver()
{
    static std::function<void(int)> observer;
    return observer;
}

bool openDisplayPort(QSerialPort& serial, int port, int baudRate)
{
    if (port <= 0)
        return false;
    const QString path = DeviceFiles::PathOf(QStringLiteral("COM") + QString::number(port));
    if (path.isEmpty())
        return false;
    serial.setPortName(path);
    if (!serial.open(QIODevice::ReadWrite))
        return false;
    const bool ok = serial.setBaudRate(baudRate) && serial.setDataBits(QSerialPort::Data8)
        && serial.setParity(QSerialPort::NoParity) && serial.setStopBits(QSerialPort::OneStop)
        && serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        serial.close();
        return false;
    }
    return true;
}

}

namespace CustomerDisplay {

void Prepare(int port, int baudRate)
{
    QSerialPort serial;
    if (openDisplayPort(serial, port, baudRate))
        serial.close();
}

void ShowAmount(int port, int baudRate, const QString& amount)
{
    QSerialPort serial;
    if (!openDisplayPort(serial, port, baudRate))
        return;
    const QString shown = amount.isEmpty() ? QStringLiteral("0.00") : amount;
    for (const QByteArray& part :
        { QByteArray("\f"), QByteArray("\x1bs2"), QByteArray("\x1bQA") + shown.toLatin1() + QByteArray("\r") }) {
        if (serial.write(part) != part.size())
            break;
        serial.waitForBytesWritten(200);
    }
    if (writeObserver())
        writeObserver()(int(serial.handle()));
    serial.close();
}

}

void CustomerDisplay::SetWriteObserver(std::function<void(int descriptor)> observer)
{
    writeObserver() = std::move(observer);
}
