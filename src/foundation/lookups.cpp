#include "foundation/lookups.h"

#include "foundation/datamodule.h"
#include "foundation/operatorscope.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/db/query.h"

namespace {

// The first choice when it names a row, otherwise the fallback.
QString FirstOf(const QString& first, const QString& fallback)
{
    const QString v = QueryScalar(first);
    return v.isEmpty() ? QueryScalar(fallback) : v;
}

QString Direction(const QString& orderFlag)
{
    return orderFlag == QLatin1String("1") ? QStringLiteral("desc") : QStringLiteral("asc");
}

} // namespace

QString DefaultUserSn()
{
    return FirstOf(QStringLiteral("select u_sn from jxc_user where u_name='' or u_name is null order by id limit 1"),
        QStringLiteral("select u_sn from jxc_user order by id limit 1"));
}

QString DefaultUserName()
{
    return QueryScalar(QStringLiteral("select u_name from jxc_user order by id limit 1"));
}

QString DefaultSupplierSn()
{
    return FirstOf(
        QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id limit 1"),
        QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_forbid=0 order by id limit 1"));
}

QString DefaultSupplierName()
{
    return FirstOf(
        QStringLiteral("select ghs_name from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id limit 1"),
        QStringLiteral("select ghs_name from jxc_ghsxx where ghs_forbid=0 order by id limit 1"));
}

QString DefaultCustomerSn()
{
    return FirstOf(QStringLiteral("select kh_sn from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id limit 1"),
        QStringLiteral("select kh_sn from jxc_khxx where kh_forbid=0 order by id limit 1"));
}

QString DefaultCustomerName()
{
    return FirstOf(
        QStringLiteral("select kh_name from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id limit 1"),
        QStringLiteral("select kh_name from jxc_khxx where kh_forbid=0 order by id limit 1"));
}

QString DefaultWarehouseSn()
{
    return FirstOf(QStringLiteral("select ck_sn from jxc_ckxx where ck_default<>0 order by id limit 1"),
        QStringLiteral("select ck_sn from jxc_ckxx order by id limit 1"));
}

QString DefaultWarehouseName()
{
    return FirstOf(QStringLiteral("select ck_name from jxc_ckxx where ck_default<>0 order by id limit 1"),
        QStringLiteral("select ck_name from jxc_ckxx order by id limit 1"));
}

bool RowExists(const QString& table, const QString& column, const QString& condition)
{
    return !QueryScalar(QStringLiteral("select ") + column + QStringLiteral(" from ") + table + QLatin1Char(' ')
        + condition + QStringLiteral(" limit 1"))
                .isEmpty();
}

bool ValueExists(const QString& table, const QString& column, const QString& value)
{
    return !FirstRowId(table, column, value).isEmpty();
}

QString FirstRowId(const QString& table, const QString& column, const QString& value)
{
    return QueryScalar(QStringLiteral("select id from ") + table + QStringLiteral(" where ") + column
        + QStringLiteral("=") + SqlQuoted(value) + QStringLiteral(" order by id limit 1"));
}

QString GetCustomerType(const QString& customerSn)
{
    QString type;
    if (IsTrue(UseGradePrices))
        type = QueryScalar(QStringLiteral("select kt_sn from jxc_khxx where kh_sn=") + SqlQuoted(customerSn)
            + QStringLiteral(" limit 1"));
    return type.isEmpty() ? QStringLiteral("1000") : type;
}

QString GetImportFieldId(const QString& caption, const QString& table)
{
    return QueryScalar(QStringLiteral("select i_fieldid from jxc_import where i_tablename=") + SqlQuoted(table)
        + QStringLiteral(" and i_fieldname=") + SqlQuoted(caption));
}

void OpenSupplierList(const QString& orderFlag)
{
    const QString sql = OperatorBound()
        ? QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 and ") + WarehouseRestriction()
            + QStringLiteral(" order by id ") + Direction(orderFlag)
        : QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 order by id ") + Direction(orderFlag);
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Ghsxx")), sql);
}

void OpenCustomerList(const QString& orderFlag)
{
    QString sql = QStringLiteral("select a.*,b.kt_name as ktname from jxc_khxx a,jxc_khtype b "
                                 "where a.kt_sn=b.kt_sn and a.kh_forbid=0");
    if (OperatorBound())
        sql += QStringLiteral(" and ") + WarehouseRestriction(QStringLiteral("a.ck_sn"));
    OpenQuery(
        F_DataModule->Q(QStringLiteral("Q_Khxx")), sql + QStringLiteral(" order by a.id ") + Direction(orderFlag));
}

namespace {
void Reopen(const QString& name)
{
    Query& q = F_DataModule->Q(name);
    if (!q.Active() && !q.SQL().isEmpty())
        q.Open();
}
}

void ReopenSupplierQuery()
{
    Reopen(QStringLiteral("Q_Ghsxx"));
}

void ReopenCustomerQuery()
{
    Reopen(QStringLiteral("Q_Khxx"));
}
