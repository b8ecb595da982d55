#include "support/accountset.h"

#include "foundation/globals.h"
#include "foundation/programstate.h"
#include "platform/db/connection.h"

void AccountSetTest::SetUp()
{
    UiTest::SetUp();
    ResetProgramState();
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
    ResetProgramState();
    UiTest::TearDown();
}
