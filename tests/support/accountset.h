#pragma once
#include "foundation/accountsetlayout.h"
#include "foundation/datamodule.h"
#include "support/platform/uitest.h"

#include <memory>

// A test with a fresh account set: a temporary program folder holding data/jxc.mdb
// (every table with its seed rows) and data/codeinfo.dll, the data module connected
// to it, and the administrator logged in.
class AccountSetTest : public UiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Rows of a statement's first column, as text.
    QStringList Column(const QString& sql);
    int Count(const QString& table, const QString& where = QString());

    std::unique_ptr<TF_DataModule> dm;
};
