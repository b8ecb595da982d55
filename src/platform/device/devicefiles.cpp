#include "platform/device/devicefiles.h"

#include <QHash>

namespace {

QHash<QString, QString>& overrides()
{
    static QHash<QString, QString> paths;
    return paths;
}

QString defaultPath(const QString& name)
{
    const QString upper = name.toUpper();
    if (upper.startsWith(QLatin1String("COM"))) {
        bool ok = false;
        const int n = upper.mid(3).toInt(&ok);
        if (ok && n >= 1)
            return QStringLiteral("/dev/ttyS") + QString::number(n - 1);
        return QString();
    }
    if (upper == QLatin1String("LPT1"))
        return QStringLiteral("/dev/lp0");
    if (upper == QLatin1String("PRN"))
        return QStringLiteral("/dev/usb/lp0");
    return QString();
}

}

namespace DeviceFiles {

QString PathOf(const QString& name)
{
    const auto it = overrides().constFind(name.toUpper());
    return it != overrides().constEnd() ? *it : defaultPath(name);
}

void SetPath(const QString& name, const QString& path)
{
    if (path.isEmpty())
        overrides().remove(name.toUpper());
    else
        overrides().insert(name.toUpper(), path);
}

void ResetPaths()
{
    overrides().clear();
}

}
