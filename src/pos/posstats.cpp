#include "pos/posstats.h"

#include "platform/db/query.h"
#include "platform/report/report.h"
#include "posting/posprint.h"

QString NotHeldCondition(const QString& ticketAlias)
{
    return QStringLiteral(" and coalesce(") + ticketAlias + QStringLiteral(".pos_note,'')<>'gd' ");
}

void ViewPosTicket(Query& rows)
{
    if (!rows.Active() || rows.IsEmpty())
        return;
    Report report;
    PrintPosDocument(report, rows.AsString(QStringLiteral("gl_djh")));
}
