#include "platform/device/customerdisplay.h"

#include "platform/device/devicefiles.h"

#include <QSerialPort>
#include <memory>

namespace {

std::function<void(int)>& writeObserver()
{
    static std::function<void(int)> observer;
    return observer;
}

// The display's port stays open between amounts: opening a serial port costs more
// than a scan may take. It is opened again when the port, its device or the baud
// rate change, or after it failed.
struct HeldPort {
    std::unique_ptr<QSerialPort> serial;
    QString path;
    int baudRate = 0;
};

HeldPort& heldPort()
{
    static HeldPort held;
    return held;
}

QSerialPort* displayPort(int port, int baudRate)
{
    if (port <= 0)
        return nullptr;
    const QString path = DeviceFiles::PathOf(QStringLiteral("COM") + QString::number(port));
    if (path.isEmpty())
        return nullptr;
    HeldPort& held = heldPort();
    if (held.serial && held.serial->isOpen() && held.path == path && held.baudRate == baudRate)
        return held.serial.get();
    held.serial.reset();
    auto serial = std::make_unique<QSerialPort>();
    serial->setPortName(path);
    if (!serial->open(QIODevice::ReadWrite))
        return nullptr;
    const bool ok = serial->setBaudRate(baudRate) && serial->setDataBits(QSerialPort::Data8)
        && serial->setParity(QSerialPort::NoParity) && serial->setStopBits(QSerialPort::OneStop)
        && serial->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok)
        return nullptr;
    held.serial = std::move(serial);
    held.path = path;
    held.baudRate = baudRate;
    return held.serial.get();
}

}

namespace CustomerDisplay {

void Prepare(int port, int baudRate)
{
    displayPort(port, baudRate);
}

void ShowAmount(int port, int baudRate, const QString& amount)
{
    QSerialPort* serial = displayPort(port, baudRate);
    if (!serial)
        return;
    const QString shown = amount.isEmpty() ? QStringLiteral("0.00") : amount;
    const QByteArray text
        = QByteArray("\f") + QByteArray("\x1bs2") + QByteArray("\x1bQA") + shown.toLatin1() + QByteArray("\r");
    if (serial->write(text) != text.size()) {
        Close();
        return;
    }
    serial->flush();
    if (serial->bytesToWrite() > 0 && !serial->waitForBytesWritten(200)) {
        Close();
        return;
    }
    if (writeObserver())
        writeObserver()(int(serial->handle()));
}

void Close()
{
    heldPort().serial.reset();
}

void SetWriteObserver(std::function<void(int descriptor)> observer)
{
    writeObserver() = std::move(observer);
}

}
