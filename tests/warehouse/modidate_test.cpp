#include "warehousetest.h"

#include "warehouse/modidate.h"

#include <QDateEdit>
#include <QLabel>

namespace {

class ModiDateTest : public WarehouseTest {
protected:
    void SetUp() override
    {
        WarehouseTest::SetUp();
        d.Fill(QStringLiteral("DB24050910001"), QDate(2024, 5, 9), QStringLiteral("note"));
        d.Activate();
    }
    TF_ModiDate d;
};

TEST_F(ModiDateTest, TheNumberFollowsTheDayAndComesBackWithIt)
{
    // Drafts of every operator on the 8th count.
    Sql(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,a_name) values ('DB24050810003','G1','op2')"));
    d.dateCg->setDate(QDate(2024, 5, 8));
    EXPECT_EQ(d.gldjh->text(), QStringLiteral("DB24050810004"));
    d.dateCg->setDate(QDate(2024, 5, 9));
    EXPECT_EQ(d.gldjh->text(), QStringLiteral("DB24050910001"));

    // A day after today answered No goes back to the starting day.
    prompt.Answer(Prompt::Answer::No);
    d.dateCg->setDate(QDate(2024, 5, 12));
    EXPECT_EQ(d.dateCg->date(), QDate(2024, 5, 9));
    EXPECT_EQ(d.gldjh->text(), QStringLiteral("DB24050910001"));
    prompt.Answer(Prompt::Answer::Yes);
    d.dateCg->setDate(QDate(2024, 5, 12));
    EXPECT_EQ(d.gldjh->text(), QStringLiteral("DB24051210001"));

    EXPECT_TRUE(DateEditDocNo.isEmpty());
    d.btnOKClick();
    EXPECT_EQ(DateEditDocNo, QStringLiteral("1"));
    DateEditDocNo.clear();
}

} // namespace
