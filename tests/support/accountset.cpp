#include "support/accountset.h"

#include "foundation/globals.h"
#include "foundation/programstate.h"
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"
#include "platform/db/serverset.h"

namespace {

// The server template: a set built once per test program and copied for each test.
QString ServerTemplate()
{
    static const QString name = [] {
        const QString address = TestDb::NewServerDatabase();
        Connection c;
        c.Open(address);
        CreateAllTables(c);
        return ServerDatabaseName(address);
    }();
    return name;
}

}

void AccountSetTest::SetUp()
{
    UiTest::SetUp();
    ResetProgramState();
    LayOutAccountSet(Folder());
    setName_ = QStringLiteral("jxc.mdb");
    if (TestDb::OnServer()) {
        serverSet_ = TestDb::NewServerDatabase(ServerTemplate());
        setName_ = serverSet_;
        Connection catalogue;
        catalogue.Open(Folder() + QStringLiteral("data/codeinfo.dll"));
        catalogue.Exec(QStringLiteral("update jxc_xtzt set zt_dbname=:name where zt_sn='100001'"),
            { { QStringLiteral("name"), serverSet_ } });
    }
    dm = std::make_unique<TF_DataModule>();
    dm->DataModuleCreate();
    if (!serverSet_.isEmpty())
        ConnectDatabase(serverSet_);
    CurrentAdminName = QStringLiteral("admin");
    CurrentAdminSn = QStringLiteral("100001");
    CurrentRoleSn = QStringLiteral("100001");
    CurrentDbName = setName_;
    CurrentAccountSetName = QStringLiteral("默认帐套");
}

void AccountSetTest::TearDown()
{
    dm.reset();
    ResetProgramState();
    if (!serverSet_.isEmpty()) {
        TestDb::DropServerDatabase(serverSet_);
        serverSet_.clear();
    }
    UiTest::TearDown();
}
