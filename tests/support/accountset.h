#pragma once
#include "app/devtools/accountsetlayout.h"
#include "foundation/datamodule.h"
#include "support/platform/dbprobe.h"
#include "support/platform/testdb.h"
#include "support/platform/uitest.h"

#include <memory>

// A test with a fresh account set: a temporary program folder holding data/jxc.mdb
// (every table with its seed rows) and data/codeinfo.dll, the data module connected
// to it, and the administrator logged in. In a server pass the set is a new database
// on the test server, which the catalogue's delivered entry names instead of the file.
class AccountSetTest : public UiTest, protected DbProbe {
protected:
    AccountSetTest() : DbProbe([this]() -> Connection& { return dm->ADOConn; }) { }
    void SetUp() override;
    void TearDown() override;

    // The name the catalogue gives the set: "jxc.mdb", or the server address.
    QString SetName() const { return setName_; }

    std::unique_ptr<TF_DataModule> dm;

private:
    QString setName_;
    QString serverSet_;
};

// For tests about the account set's file itself: skipped in a server pass.
class FileAccountSetTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        SQLITE_FILE_ONLY();
        AccountSetTest::SetUp();
    }
    void TearDown() override
    {
        if (!TestDb::OnServer())
            AccountSetTest::TearDown();
    }
};
