#include "platform/ui/displayformat.h"

#include <QLocale>

// Placeholder: the full formatter replaces this.
QString FormatFloat(const QString& format, double value)
{
    Q_UNUSED(format);
    return QLocale::c().toString(value, 'f', 2);
}
