#include "documents/prinsele.h"
#include "documents/viewdocument.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/report/printlog.h"
#include "support/accountset.h"
#include "support/tradefixtures.h"

#include <QRadioButton>

namespace {

class ViewDocumentTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        fixture::AddCustomer(QStringLiteral("K1"), QStringLiteral("K"));
        fixture::AddGoods({ QStringLiteral("G1"), QStringLiteral("G") });
        // Printed lines carry the goods' category.
        ExecSQL(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('C1','C')"));
        ExecSQL(QStringLiteral("update jxc_goods set gc_sn='C1' where g_sn='G1'"));
        fixture::AddDocument(
            { fixture::Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-03-05 09:00"), QStringLiteral("K1"),
                QStringLiteral("100001"), QStringLiteral("100001"), 1, { { QStringLiteral("G1"), 2, 10 } } });
        PrintLog::Clear();
    }
    void TearDown() override
    {
        ChooseSalesPrintFormat = QStringLiteral("0");
        AccountSetTest::TearDown();
    }
};

TEST_F(ViewDocumentTest, OtherPrefixesShowNothing)
{
    EXPECT_FALSE(ViewDocument(QStringLiteral("YS24030510001")));
    EXPECT_FALSE(ViewDocument(QString()));
    EXPECT_EQ(PrintLog::Last(), nullptr);
}

TEST_F(ViewDocumentTest, SalesDocumentWithTheTemplateChoice)
{
    ChooseSalesPrintFormat = QStringLiteral("1");
    SalesDocTemplate = QStringLiteral("spxs.fr3");
    prompt.OnModal(QStringLiteral("F_PrinSele"), [](QDialog* d) {
        static_cast<TF_PrinSele*>(d)->rPrin2Click();
        return 0;
    });
    EXPECT_TRUE(ViewDocument(QStringLiteral("XS1")));
    EXPECT_TRUE(PrintTemplateKind.isEmpty());
    EXPECT_EQ(F_PrinSele, nullptr);
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("spxs4.fr3")));
    EXPECT_FALSE(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.isEmpty());
    EXPECT_FALSE(F_DataModule->Q_GoodsPrin.Active());
}

} // namespace
