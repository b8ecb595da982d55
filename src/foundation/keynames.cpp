#include "foundation/keynames.h"

#include "foundation/datamodule.h"

#include <stdexcept>

QString KeyCodeToName(int keyCode)
{
    if (keyCode >= 112 && keyCode <= 123)
        return QStringLiteral("F") + QString::number(keyCode - 111);
    switch (keyCode) {
    case 32:
        return QStringLiteral("Space");
    case 33:
        return QStringLiteral("Page Up");
    case 34:
        return QStringLiteral("Page Down");
    case 35:
        return QStringLiteral("End");
    case 36:
        return QStringLiteral("Home");
    case 37:
        return QStringLiteral("←");
    case 39:
        return QStringLiteral("→");
    case 45:
        return QStringLiteral("Insert");
    case 46:
        return QStringLiteral("Delete");
    case 107:
        return QStringLiteral("+");
    case 109:
        return QStringLiteral("-");
    case 111:
        return QStringLiteral("/");
    case 186:
        return QStringLiteral(";");
    case 187:
        return QStringLiteral("=");
    case 188:
        return QStringLiteral(",");
    case 189:
        return QStringLiteral("-");
    case 191:
        return QStringLiteral("/");
    case 192:
        return QStringLiteral("`");
    case 219:
        return QStringLiteral("[");
    case 220:
        return QStringLiteral("\\");
    case 221:
        return QStringLiteral("]");
    case 222:
        return QStringLiteral("'");
    default:
        return QString();
    }
}

QString GetPosKeyName(const QString& functionName)
{
    const QString code
        = QueryScalar(QStringLiteral("select gn_jz from jxc_gnb where gn_name='") + functionName + QStringLiteral("'"));
    if (code.isEmpty())
        return QString();
    bool ok = false;
    const int keyCode = code.toInt(&ok);
    if (!ok)
        throw std::runtime_error(QStringLiteral("'%1' is not a valid integer value").arg(code).toStdString());
    return KeyCodeToName(keyCode);
}
