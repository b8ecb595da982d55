#include "support/accountset.h"

#include "foundation/globals.h"
#include "platform/db/connection.h"

void AccountSetTest::SetUp()
{
    UiTest::SetUp();
    LayOutAccountSet(Folder());
    dm = std::make_unique<TF_DataModule>();
    dm->DataModuleCreate();
    CurrentAdminName = QStringLiteral("admin");
    CurrentAdminSn = QStringLiteral("100001");
    CurrentRoleSn = QStringLiteral("100001");
    CurrentDbName = QStringLiteral("jxc.mdb");
    CurrentAccountSetName = QStringLiteral("默认帐套");
}

void AccountSetTest::TearDown()
{
    dm.reset();
    CurrentAdminName.clear();
    CurrentAdminSn.clear();
    CurrentRoleSn.clear();
    CurrentDbName.clear();
    CurrentAccountSetName.clear();
    UiTest::TearDown();
}

QStringList AccountSetTest::Column(const QString& sql)
{
    return SelectColumn(dm->ADOConn, sql);
}

int AccountSetTest::Count(const QString& table, const QString& where)
{
    QString sql = QStringLiteral("select count(*) from ") + table;
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    return QueryScalar(sql).toInt();
}
