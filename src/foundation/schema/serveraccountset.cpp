#include "foundation/schema/serveraccountset.h"

#include "foundation/schema/schema.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

QString CreateServerAccountSet(
    const QString& address, const QString& name, const QString& password, const QString& catalogueFile)
{
    if (!Connection::IsServerAddress(address))
        throw DbError(QStringLiteral("not a server address: ") + address, QString(), DbError::Kind::Statement);
    Connection catalogue;
    catalogue.Open(catalogueFile);
    bool listed = false;
    SelectScalar(catalogue, QStringLiteral("select zt_sn from jxc_xtzt where zt_dbname=:a"),
        { { QStringLiteral("a"), address } }, &listed);
    if (listed)
        throw DbError(QStringLiteral("the catalogue already lists ") + address, QString(), DbError::Kind::Statement);

    Connection set;
    set.Open(address, Connection::OpenMode::ExistingOnly, password);
    // A set that another machine has built already is only listed, never rebuilt.
    if (!set.TableExists(QStringLiteral("jxc_xtcs")))
        CreateAllTables(set);
    UpgradeSchema(set);
    set.Close();

    Transaction t(catalogue);
    const QString code = QString::number(qMax(100001LL,
        SelectScalar(catalogue, QStringLiteral("select max(cast(zt_sn as integer)) from jxc_xtzt")).toLongLong() + 1));
    catalogue.Exec(
        QStringLiteral("insert into jxc_xtzt (zt_sn,zt_name,zt_default,zt_forbid,zt_note,zt_dbname,zt_dbpwd) "
                       "values (:sn,:name,0,0,'',:a,:pwd)"),
        { { QStringLiteral("sn"), code }, { QStringLiteral("name"), name }, { QStringLiteral("a"), address },
            { QStringLiteral("pwd"), password } });
    t.Commit();
    return code;
}
