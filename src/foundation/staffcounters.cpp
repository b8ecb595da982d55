#include "foundation/staffcounters.h"

#include "foundation/datamodule.h"
#include "foundation/sqltext.h"

void IncUserPurchaseCount(const QString& staffSn)
{
    ExecSQL(QStringLiteral("update jxc_user set u_cgpl=u_cgpl+1 where u_sn=") + SqlQuoted(staffSn));
}

void IncUserSalesCount(const QString& staffSn)
{
    ExecSQL(QStringLiteral("update jxc_user set u_xspl=u_xspl+1 where u_sn=") + SqlQuoted(staffSn));
}
