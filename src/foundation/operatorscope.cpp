#include "foundation/operatorscope.h"

#include "foundation/globals.h"
#include "foundation/settings.h"

namespace {
const QString kAdminRole = QStringLiteral("100001");
}

bool OperatorBound()
{
    return IsTrue(BindPartnersWarehouse) && CurrentRoleSn != kAdminRole;
}

QString WarehouseRestriction(const QString& column)
{
    return QStringLiteral("(") + column + QStringLiteral("='-1' or ") + column
        + QStringLiteral(" in (select ck_sn from jxc_ckxx where ck_asn like '%") + CurrentAdminSn
        + QStringLiteral("%'))");
}
