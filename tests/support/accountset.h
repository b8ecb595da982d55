#pragma once
#include "app/devtools/accountsetlayout.h"
#include "foundation/datamodule.h"
#include "support/platform/dbprobe.h"
#include "support/platform/uitest.h"

#include <memory>

// A test with a fresh account set: a temporary program folder holding data/jxc.mdb
// (every table with its seed rows) and data/codeinfo.dll, the data module connected
// to it, and the administrator logged in.
class AccountSetTest : public UiTest, protected DbProbe {
protected:
    AccountSetTest() : DbProbe([this]() -> Connection& { return dm->ADOConn; }) {}
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TF_DataModule> dm;
};
