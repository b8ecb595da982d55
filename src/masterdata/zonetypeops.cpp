#include "masterdata/zonetypeops.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "platform/db/transaction.h"

QString SaveZone(qint64 id, const QString& name, bool isDefault)
{
    const QString typed = name.trimmed();
    if (typed.isEmpty())
        return kZoneNameMissing;
    const QString stored = ToFullWidthText(typed);
    Transaction t(F_DataModule->ADOConn);
    if (isDefault)
        ExecSQL(QStringLiteral("update jxc_zone set z_default=0"));
    SqlParams v { { "n", stored }, { "j", GetPyCode(stored) }, { "d", isDefault ? 1 : 0 } };
    if (id >= 0) {
        v.insert(QStringLiteral("i"), id);
        ExecBound(QStringLiteral("update jxc_zone set z_name=:n,z_jm=:j,z_default=:d where id=:i"), v);
    } else {
        v.insert(QStringLiteral("s"), GetNextSn(QStringLiteral("jxc_zone"), QStringLiteral("z_sn")));
        ExecBound(QStringLiteral("insert into jxc_zone (z_sn,z_name,z_jm,z_default) values (:s,:n,:j,:d)"), v);
    }
    t.Commit();
    return QString();
}

QString ZoneDeleteRefusal(const QString& name)
{
    const bool used = !ScalarBound(
        QStringLiteral("select z_name from (select z_name from jxc_ghsxx where z_name=:n limit 1) a "
                       "union select z_name from (select z_name from jxc_khxx where z_name=:n "
                       "limit 1) b"),
        { { "n", name } }).isEmpty();
    return used ? kZoneInUse : QString();
}

void DeleteZone(qint64 id)
{
    ExecBound(QStringLiteral("delete from jxc_zone where id=:i"), { { "i", id } });
}

QString RenameCustomerType(qint64 id, const QString& name)
{
    const QString typed = name.trimmed();
    if (typed.isEmpty())
        return kCustomerTypeNameMissing;
    const QString stored = SafeSqlText(typed);
    Transaction t(F_DataModule->ADOConn);
    const QString old = ScalarBound(QStringLiteral("select kt_name from jxc_khtype where id=:i"), { { "i", id } });
    ExecBound(QStringLiteral("update jxc_khtype set kt_name=:n where id=:i"), { { "n", stored }, { "i", id } });
    if (stored != old)
        ExecBound(QStringLiteral("update jxc_khxx set kt_name=:n where kt_name=:o"), { { "n", stored }, { "o", old } });
    t.Commit();
    return QString();
}

QString SaveSupplierType(qint64 id, const QString& name, bool isDefault)
{
    const QString typed = name.trimmed();
    if (typed.isEmpty())
        return kSupplierTypeNameMissing;
    const QString stored = ToFullWidthText(typed);
    Transaction t(F_DataModule->ADOConn);
    if (isDefault)
        ExecSQL(QStringLiteral("update jxc_ghstype set gt_default=0"));
    SqlParams v { { "n", stored }, { "d", isDefault ? 1 : 0 } };
    if (id >= 0) {
        const QString old = ScalarBound(QStringLiteral("select gt_name from jxc_ghstype where id=:i"), { { "i", id } });
        v.insert(QStringLiteral("i"), id);
        ExecBound(QStringLiteral("update jxc_ghstype set gt_name=:n,gt_default=:d where id=:i"), v);
        // Suppliers carry their type by name; a renamed type keeps its suppliers.
        if (stored != old)
            ExecBound(
                QStringLiteral("update jxc_ghsxx set gt_name=:n where gt_name=:o"), { { "n", stored }, { "o", old } });
    } else {
        v.insert(QStringLiteral("s"), GetNextSn(QStringLiteral("jxc_ghstype"), QStringLiteral("gt_sn")));
        ExecBound(QStringLiteral("insert into jxc_ghstype (gt_sn,gt_name,gt_default) values (:s,:n,:d)"), v);
    }
    t.Commit();
    return QString();
}

QString SupplierTypeDeleteRefusal(const QString& name)
{
    return ScalarBound(QStringLiteral("select gt_name from jxc_ghsxx where gt_name=:n limit 1"), { { "n", name } })
               .isEmpty()
        ? QString()
        : kSupplierTypeInUse;
}

void DeleteSupplierType(qint64 id)
{
    ExecBound(QStringLiteral("delete from jxc_ghstype where id=:i"), { { "i", id } });
}
