#include "salesquerytest.h"
#include "salessheet.h"

#include "documents/docwindow.h"
#include "foundation/customerprice.h"
#include "sales/saleswindows.h"
#include "sales/spxsimport.h"

namespace {

// G1 "衬衫" stocked in the main warehouse, G2 "裤子" only in W2.
class SpxsImportTest : public SalesQueryTest {
protected:
    void SetUp() override
    {
        SalesQueryTest::SetUp();
        RegisterSalesWindows();
        fixture::AddWarehouse(QStringLiteral("W2"), S("二号仓"));
        fixture::GoodsSpec g { QStringLiteral("G2"), S("裤子"), {}, {}, 30, 30 };
        g.salePrice = 60;
        fixture::AddGoods(g);
        fixture::SetWarehouseStock(QStringLiteral("G2"), QStringLiteral("W2"), 10, 30, 10);
        DefaultTaxRate = QStringLiteral("0");
        RoundTotals = QStringLiteral("0");
    }
    SalesImportTarget Target(bool order = false) const
    {
        return { order, order ? QStringLiteral("XD24051010001") : QStringLiteral("XS24051010001"),
            QStringLiteral("2024-05-10"), QStringLiteral("100001"), QStringLiteral("K1") };
    }
    QStringList Staged() { return Rows(QStringLiteral("select g_sn,ghs_sn,ts_note from jxc_tempspxf2 order by id")); }
};

TEST_F(SpxsImportTest, RowsAreCheckedInOrderAndTheLastFailingCheckNamesThem)
{
    struct Case {
        QStringList cells; // code, name, price, discount, quantity
        const char* staged;
    };
    const Case cases[] = {
        { { "G2", "衬衫", "10", "1", "2" }, "G1 0 可顺利导入" },
        { { "G2", "裤子", "10", "1", "2" }, " 2 商品不存在" },
        { { "G1", "", "10", "1", "0" }, "G1 2 数量不能为零或负数" },
        { { "G1", "", "10", "1", "" }, "G1 2 数量不能为空" },
        { { "X", "X", "10", "1", "" }, " 2 数量不能为空" },
        { { "G1", "", "10", "1", "abc" }, "G1 2 数量必须是数字" },
        { { "G1", "", "1x", "1", "1" }, "G1 2 单价必须是数字" },
        { { "G1", "", "-1", "1", "1" }, "G1 2 单价不能为负数" },
    };
    for (const Case& c : cases) {
        QStringList cells;
        for (const QString& t : c.cells)
            cells << t;
        EXPECT_EQ(StageSalesImportRows({ cells }, Target()), QString::fromUtf8(c.staged).contains(" 2 ") ? 1 : 0);
        EXPECT_EQ(Staged(), QStringList { QString::fromUtf8(c.staged) }) << c.cells.join(',').toStdString();
    }
}

TEST_F(SpxsImportTest, ZeroPriceAndDiscountDefaults)
{
    StageSalesImportRows({ { "G1", "", "0", "0", "1" }, { "G1", "", "10", "abc", "1" } }, Target());
    const double customerPrice = GetCustomerPrice(QStringLiteral("K1"), QStringLiteral("G1")).toDouble();
    ASSERT_GT(customerPrice, 0);
    EXPECT_EQ(Rows(QStringLiteral("select ts_dj,ts_dzl,ghs_sn from jxc_tempspxf2 order by id")),
        (QStringList { QStringLiteral("%1 1 0").arg(customerPrice), QStringLiteral("10 1 0") }))
        << "a delivery takes the customer's price";

    StageSalesImportRows({ { "G1", "", "0", "1", "1" }, { "G1", "", "", "1", "1" } }, Target(true));
    EXPECT_EQ(Rows(QStringLiteral("select ghs_sn,ts_note from jxc_tempspxf2 order by id")),
        (QStringList { S("2 单价不能为零或负数"), S("2 单价不能为空") }))
        << "an order refuses it";
}

TEST_F(SpxsImportTest, ImportedLinesCarryTaxAndSkipRefusedRows)
{
    DefaultTaxRate = QStringLiteral("17");
    EXPECT_EQ(StageSalesImportRows({ { "G1", "", "10", "1", "2", "B01" }, { "X", "", "10", "1", "2" } }, Target()), 1);
    EXPECT_EQ(ImportStagedSalesLines(Target()), QStringLiteral("XS24051010001"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,g_sn,ls_sl,ls_je,ls_bz,a_name from jxc_lsxssp")),
        QStringList { QStringLiteral("XS24051010001 G1 2 20 B01 admin") });
    EXPECT_NEAR(Number(QStringLiteral("select ls_taxje from jxc_lsxssp")), 3.4, 1e-9);
    EXPECT_NEAR(Number(QStringLiteral("select ls_zje from jxc_lsxssp")), 23.4, 1e-9);
    EXPECT_EQ(Rows(QStringLiteral("select a.g_sn,a.cm_sn,a.color_sn,a.t_sl from jxc_lsxsspmx a,jxc_lsxssp b "
                                  "where a.tid=b.id")),
        QStringList { QStringLiteral("G1 100001 100001 2") })
        << "one colour-by-size row, the built-in colour and size of a goods without groups";
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf2")), 0);

    // A number another operator already holds: the import draws the next one and the
    // operator's own earlier line goes along.
    Sql(QStringLiteral("update jxc_lsxssp set a_name='other'"));
    Sql(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_sl,a_name) values ('XS24051010001','G1',5,'admin')"));
    StageSalesImportRows({ { "G1", "", "10", "1", "1" } }, Target());
    EXPECT_EQ(ImportStagedSalesLines(Target()), QStringLiteral("XS24051010002"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,ls_sl from jxc_lsxssp where a_name='admin' order by id")),
        (QStringList { QStringLiteral("XS24051010002 5"), QStringLiteral("XS24051010002 1") }));
}

TEST_F(SpxsImportTest, TheWizardReadsXlsxAndXlsAndCountsTheLastFile)
{
    const QString first = WriteSalesSheet(Folder() + QStringLiteral("a.xlsx"), { { "G1", "", "10", "1", "2", "" } });
    const QString second = WriteSalesSheet(
        Folder() + QStringLiteral("b.xls"), { { "G1", "", "10", "1", "1", "" }, { "X", "", "10", "1", "1", "" } });
    DocHost host;
    host.number = [] { return QStringLiteral("XS24051010001"); };
    host.date = [] { return QStringLiteral("2024-05-10"); };
    host.warehouse = [] { return QStringLiteral("100001"); };
    int reloads = 0;
    host.showNumber = [](const QString&) {};
    host.reloadDraft = [&reloads] { ++reloads; };
    SetDocHost(QStringLiteral("XS"), &host);
    TF_Spxs_Import w;
    w.Activate();
    prompt.AnswerFile(first);
    w.btnOpenClick();
    prompt.AnswerFile(second);
    w.btnOpenClick();
    w.btnNext3Click();
    w.btnImportClick();
    EXPECT_EQ(prompt.LastMessage(), S("导入完毕\r\n\r\n共2条记录\r\n\r\n成功导入1条\r\n\r\n失败1条"));
    EXPECT_EQ(Count(QStringLiteral("jxc_lsxssp")), 1);
    EXPECT_EQ(reloads, 1) << "the delivery window shows the imported line";
    SetDocHost(QStringLiteral("XS"), nullptr);
}

} // namespace
