#include "masterdata/deptops.h"

#include "foundation/datamodule.h"
#include "masterdata/boundsql.h"

QString DeptDeleteRefusal(const QString& code)
{
    if (code == QLatin1String("100001"))
        return kDeptBuiltIn;
    if (!ScalarBound(QStringLiteral("select de_sn from jxc_yyfy where de_sn=:c limit 1"), { { "c", code } }).isEmpty())
        return kDeptInUse;
    return QString();
}

void RenameDeptInLedger(const QString& code, const QString& oldName, const QString& newName)
{
    ExecBound(QStringLiteral("update jxc_goodslist set ghs_name=:n where ghs_sn=:c and ghs_name=:o"),
        { { "n", newName }, { "c", code }, { "o", oldName } });
}

void ReopenDeptList2()
{
    Query& q = F_DataModule->Q(QStringLiteral("Q_Dept2"));
    if (q.SQL().isEmpty())
        return;
    q.Close();
    q.Open();
}
