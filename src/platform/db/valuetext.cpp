#include "platform/db/valuetext.h"

#include <charconv>
#include <cmath>

QString NumberText(double d)
{
    if (std::isnan(d) || std::isinf(d))
        return QString();
    if (d == 0)
        return QStringLiteral("0");
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::fixed);
    if (r.ec != std::errc())
        return QString::number(d, 'f');
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

QString ValueText(const QVariant& v, bool isBit)
{
    if (!v.isValid() || v.isNull())
        return QString();
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        if (isBit)
            return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
        return QString::number(v.toLongLong());
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        if (isBit)
            return v.toDouble() != 0 ? QStringLiteral("True") : QStringLiteral("False");
        return NumberText(v.toDouble());
    case QMetaType::QByteArray:
        return QString::fromUtf8(v.toByteArray());
    default:
        return v.toString();
    }
}

double ValueNumber(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return 0;
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return v.toDouble();
    default: {
        bool ok = false;
        double d = v.toString().trimmed().toDouble(&ok);
        return ok ? d : 0;
    }
    }
}
