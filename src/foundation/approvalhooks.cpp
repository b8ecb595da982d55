#include "foundation/approvalhooks.h"

QString CheckApproveAllowed(const QString& docNo, const QString& docDate)
{
    Q_UNUSED(docNo);
    Q_UNUSED(docDate);
    return QStringLiteral("ok");
}

QString CheckUnapproveAllowed(const QString& docNo)
{
    Q_UNUSED(docNo);
    return QStringLiteral("ok");
}
