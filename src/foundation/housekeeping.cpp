#include "foundation/housekeeping.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

void ClearTempLines()
{
    for (const char* table : { "jxc_tempspxf", "jxc_tempspxf2", "jxc_tempspxfmx" })
        ExecSQL(QStringLiteral("delete from ") + QLatin1String(table) + QStringLiteral(" where a_name=")
            + SqlQuoted(CurrentAdminName));
}

void ClearSpecialPrices()
{
    ExecSQL(QStringLiteral("update jxc_goods set g_tjsp=0,g_tjqx=0,g_ks=null,g_js=null where g_tjsp<>0 and "
                           "g_tjqx<>0 and g_js<")
        + SqlQuoted(Clock::Today().toString(ShortDateFormat)));
}

void DeleteOldHeldPosSales()
{
    if (PurgeOldHeldSales == QLatin1String("0") || PurgeOldHeldSales == QLatin1String("False"))
        return;
    Transaction work(F_DataModule->ADOConn);
    const QStringList held = SelectColumn(F_DataModule->ADOConn,
        QStringLiteral("select gl_djh from jxc_posxsd where pos_note='gd' and pos_xsrq<")
            + SqlQuoted(Clock::Today().toString(QStringLiteral("yyyy-MM-dd"))));
    for (const QString& number : held) {
        for (const char* table : { "jxc_posxsspmx", "jxc_posxssp", "jxc_posxsd" })
            ExecSQL(QStringLiteral("delete from ") + QLatin1String(table) + QStringLiteral(" where gl_djh=")
                + SqlQuoted(number));
    }
    work.Commit();
}
