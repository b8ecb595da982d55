#include "platform/db/sqltext.h"

QString SqlQuoted(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}
