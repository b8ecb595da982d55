#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/programstate.h"
#include "foundation/settings.h"
#include "support/accountset.h"

#include <stdexcept>

namespace {

class ProgramStateTest : public AccountSetTest { };

TEST_F(ProgramStateTest, ResetEmptiesLoginHandOverAndSettings)
{
    LoadSystemSettings();
    ASSERT_FALSE(CompanyName.isEmpty());
    ASSERT_TRUE(ShowCostPrice);
    OpenMode = QStringLiteral("edit");
    SelectedSn = QStringLiteral("100101");
    CurrentCustomerSn = QStringLiteral("200001");

    ResetProgramState();

    for (const QString* v :
        { &CurrentAdminName, &CurrentAdminSn, &CurrentRoleSn, &CurrentDbName, &CurrentAccountSetName, &OpenMode,
            &SelectedSn, &CurrentCustomerSn, &CompanyName, &TotalDecimals, &DocDateMode })
        EXPECT_TRUE(v->isEmpty()) << v->toStdString();
    EXPECT_EQ(AmountDecimals, 0);
    EXPECT_FALSE(ShowCostPrice);
}

TEST_F(ProgramStateTest, DatasetsMustBeDeclared)
{
    try {
        dm->Q(QStringLiteral("Q_Undeclared"));
        FAIL() << "an undeclared dataset was handed out";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("Q_Undeclared"), std::string::npos) << e.what();
    }
    EXPECT_THROW(dm->D(QStringLiteral("D_Undeclared")), std::invalid_argument);

    DeclareDatasets({ QStringLiteral("Q_Declared") });
    Query& q = dm->Q(QStringLiteral("Q_Declared"));
    EXPECT_EQ(dm->D(QStringLiteral("D_Declared")).GetQuery(), &q);
    // The foundation's own pickers are declared by the data module.
    EXPECT_NO_THROW(dm->Q(QStringLiteral("Q_Khxx")));
}

}
