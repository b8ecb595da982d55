#include "reportsfixture.h"

#include "platform/grid/datagrid.h"
#include "platform/report/printlog.h"
#include "reports/kccx.h"
#include "reports/kccxrules.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

class StockQueryTest : public ReportsTest {
protected:
    // Stock, book stock and value of a goods in a warehouse, as the postings keep them.
    void Stock(const QString& goods, const QString& warehouse, double qty, double bookQty, double value)
    {
        fixture::SetWarehouseStock(goods, warehouse, qty, 0, bookQty);
        Sql(QStringLiteral("update jxc_kcsp set kc_zcb=%1,kc_cbj=%2 where g_sn='%3' and ck_sn='%4'")
                .arg(value)
                .arg(qty != 0 ? value / qty : 0)
                .arg(goods, warehouse));
    }
    std::map<QString, Row> Current(const CurrentStockFilter& f = {})
    {
        return Keyed(CurrentStockStatement(f), QStringLiteral("g_sn"));
    }
};

TEST_F(StockQueryTest, AverageCostOverAllWarehousesIsTheBookStockWeightedValue)
{
    Goods(QStringLiteral("A"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 10, 10, 100);
    Stock(QStringLiteral("A"), QStringLiteral("W2"), 5, 5, 50);
    // Book stock summing to zero: the goods' own average stands in.
    Goods(QStringLiteral("B"));
    Sql(QStringLiteral("update jxc_goods set g_pjjj=7 where g_sn='B'"));
    Stock(QStringLiteral("B"), QStringLiteral("100001"), 5, 5, 50);
    Stock(QStringLiteral("B"), QStringLiteral("W2"), -5, -5, -20);
    // A negative weighted value shows positive.
    Goods(QStringLiteral("C"));
    Stock(QStringLiteral("C"), QStringLiteral("100001"), 2, 2, -30);

    auto rows = Current();
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "cbjj"), 10);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "kcsl"), 15);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "kczje"), 150);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("B")], "cbjj"), 7);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("C")], "cbjj"), 15);
    EXPECT_EQ(rows.count(QStringLiteral("00000000")), 0u);

    // One warehouse: that warehouse's own cost.
    CurrentStockFilter one;
    one.warehouse = QStringLiteral("W2");
    rows = Current(one);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "cbjj"), 10);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "kcsl"), 5);
    EXPECT_EQ(rows.count(QStringLiteral("C")), 0u);
}

TEST_F(StockQueryTest, BoundOperatorSumsOverHisWarehousesOnly)
{
    Goods(QStringLiteral("A"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 10, 10, 100);
    Stock(QStringLiteral("A"), QStringLiteral("W2"), 5, 5, 50);
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='S7,' where ck_sn='W2'"));
    Sql(QStringLiteral("update jxc_ckxx set ck_asn='S9,' where ck_sn='100001'"));
    BindOperatorWarehouse = QStringLiteral("1");
    const QString adminSn = CurrentAdminSn;
    CurrentAdminSn = QStringLiteral("S7");
    CurrentRoleSn = QStringLiteral("100002");
    EXPECT_DOUBLE_EQ(N(Current()[QStringLiteral("A")], "kcsl"), 5);
    CurrentRoleSn = QStringLiteral("100001");
    EXPECT_DOUBLE_EQ(N(Current()[QStringLiteral("A")], "kcsl"), 15);
    CurrentAdminSn = adminSn;
}

TEST_F(StockQueryTest, SecondUnitStockWithoutAFactorIsEmpty)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("B"));
    Sql(QStringLiteral("update jxc_goods set g_zhxs=0 where g_sn='A'"));
    Sql(QStringLiteral("update jxc_goods set g_zhxs=4 where g_sn='B'"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 8, 8, 80);
    Stock(QStringLiteral("B"), QStringLiteral("100001"), 8, 8, 80);
    for (const QString& warehouse : { QString(), QStringLiteral("100001") }) {
        CurrentStockFilter f;
        f.warehouse = warehouse;
        auto rows = Current(f);
        EXPECT_TRUE(rows[QStringLiteral("A")][QStringLiteral("fzkc")].isNull()) << warehouse.toStdString();
        EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("B")], "fzkc"), 2) << warehouse.toStdString();
    }
}

TEST_F(StockQueryTest, FindDialogFiltersOnlyWithAComparison)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("B"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 2, 2, 20);
    Stock(QStringLiteral("B"), QStringLiteral("100001"), 6, 6, 60);
    Sql(QStringLiteral("update jxc_goods set ghs_sn='S1' where g_sn='A'"));
    const struct {
        const char* comparison;
        bool supplier;
        int rows;
    } cases[] = { { "", false, 2 }, { ">", false, 1 }, { "<=", false, 1 }, { "", true, 1 } };
    for (const auto& c : cases) {
        CurrentStockFilter f;
        f.fromFind = true;
        f.comparison = QString::fromLatin1(c.comparison);
        f.qty = 3;
        f.supplierGiven = c.supplier;
        f.supplier = QStringLiteral("S1");
        EXPECT_EQ(int(Current(f).size()), c.rows) << c.comparison << c.supplier;
    }
}

TEST_F(StockQueryTest, HistoryTakesTheLastRowUpToTheCutOff)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("B"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 1, 1, 1);
    Stock(QStringLiteral("B"), QStringLiteral("100001"), 1, 1, 1);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-01 09:00"), QStringLiteral("A"), 5, 50, 5, 50);
    // Two rows on the latest date: the later id wins although its time is earlier.
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-10 18:00"), QStringLiteral("A"), 1, 10, 6, 60);
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-10 18:00"), QStringLiteral("A"), 2, 20, 4, 40);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-11 08:00"), QStringLiteral("A"), 9, 90, 13, 130);
    // B moved only after the cut-off.
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-12 08:00"), QStringLiteral("B"), 3, 30, 3, 30);

    auto rows = Keyed(HistoryStockStatement(QStringLiteral("100001"), QDate(2024, 3, 10), QString(), QString()),
        QStringLiteral("g_sn"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "gl_kc"), 4);
    EXPECT_DOUBLE_EQ(N(rows[QStringLiteral("A")], "gl_kczje"), 40);

    // Another operator's scratch rows stay untouched.
    Sql(QStringLiteral("insert into jxc_jxchz (id2,a_name) values (1,'other')"));
    HistoryStockStatement(QStringLiteral("100001"), QDate(2024, 3, 12), QString(), QString());
    EXPECT_EQ(Count(QStringLiteral("jxc_jxchz"), QStringLiteral("a_name='other'")), 1);
}

TEST_F(StockQueryTest, DetailMatchesCategoryByPrefixAndBarcodesDropRows)
{
    Sql(S("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_key) values ('甲',1,3,'1100',3)"));
    Sql(S("insert into jxc_goodsclass (gc_name,gc_pid,gc_cid,gc_sn,gc_key) values ('乙',1,4,'1001100',4)"));
    Goods(QStringLiteral("A"), QStringLiteral("1100"));
    Goods(QStringLiteral("B"), QStringLiteral("1001100"));
    for (const char* g : { "A", "B" })
        Sql(QStringLiteral(
            "insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) values ('%1','100001','100001','100001',3)")
                .arg(QLatin1String(g)));
    // A has a barcode for the combination, B none.
    Sql(QStringLiteral("delete from jxc_tm where g_sn='B'"));

    const auto goods = [this](const StockDetailFilter& f) {
        return Column(QStringLiteral("select g_sn from (") + StockDetailStatement(f) + QStringLiteral(") t"));
    };
    StockDetailFilter f;
    f.category = QStringLiteral("1100");
    EXPECT_EQ(goods(f), QStringList { QStringLiteral("A") });
    f.category.clear();
    EXPECT_EQ(goods(f), (QStringList { QStringLiteral("A"), QStringLiteral("B") }));
    f.withBarcodes = true;
    EXPECT_EQ(goods(f), QStringList { QStringLiteral("A") });
}

class StockWindowTest : public StockQueryTest { };

TEST_F(StockWindowTest, StockBelowTheMinimumIsDrawnInTheWarningColour)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("B"));
    Sql(QStringLiteral("update jxc_goods set g_zdkc=5"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 4, 4, 40);
    Stock(QStringLiteral("B"), QStringLiteral("100001"), 5, 5, 50);
    TF_Kccx w;
    w.Activate();
    ASSERT_EQ(w.cxGrid1View->RowCount(), 2);
    const QColor warning(245, 143, 152);
    for (int row = 0; row < 2; ++row) {
        const QVariant colour = w.cxGrid1View->model()->data(w.cxGrid1View->model()->index(row, 0), Qt::ForegroundRole);
        const bool below = w.cxGrid1View->Value(row, QStringLiteral("g_sn")).toString() == QLatin1String("A");
        EXPECT_EQ(colour.isValid() && colour.value<QColor>() == warning, below) << row;
    }
}

TEST_F(StockWindowTest, F2SearchesOnTheFirstPageOnly)
{
    Goods(QStringLiteral("A"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 4, 4, 40);
    TF_Kccx w;
    w.Activate();
    ASSERT_EQ(TF_Kccx::Stock().RecordCount(), 1);
    Goods(QStringLiteral("B"));
    Stock(QStringLiteral("B"), QStringLiteral("100001"), 4, 4, 40);
    for (QWidget* page : { w.cxTab2, w.cxTab3 }) {
        w.cxPage->setCurrentWidget(page);
        EXPECT_TRUE(w.FormKeyDown(Qt::Key_F2));
        EXPECT_EQ(TF_Kccx::Stock().RecordCount(), 1);
    }
    w.cxPage->setCurrentWidget(w.cxTab1);
    w.FormKeyDown(Qt::Key_F2);
    EXPECT_EQ(TF_Kccx::Stock().RecordCount(), 2);
}

TEST_F(StockWindowTest, DetailOpensTheLedgerOfTheRowsGoodsAndCheckButtonsWaitForTheirWindows)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("AB"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 4, 4, 40);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-02 09:00"), QStringLiteral("A"), 4, 40, 4, 40);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-02 09:00"), QStringLiteral("AB"), 1, 10, 1, 10);
    TF_Kccx w;
    w.Activate();
    EXPECT_FALSE(w.btnKchd->isEnabled());
    EXPECT_FALSE(w.cxButton1->isEnabled());
    QStringList listed;
    QString caption;
    prompt.OnModal(QStringLiteral("TF_Jxcmx"), [&](QDialog* d) {
        caption = d->windowTitle();
        Query& rows = F_DataModule->Q(QStringLiteral("Q_Jxcmx"));
        for (rows.First(); !rows.Eof(); rows.Next())
            listed << rows.AsString(QStringLiteral("g_sn"));
        return 0;
    });
    w.btn_CkmxClick();
    EXPECT_EQ(caption, S("商品库存明细表(商品A)"));
    EXPECT_EQ(listed, QStringList { QStringLiteral("A") });
    EXPECT_EQ(DetailGoodsSn, QString());
}

TEST_F(StockWindowTest, PrintsTheFirstPageWithItsWarehouse)
{
    Goods(QStringLiteral("A"));
    Stock(QStringLiteral("A"), QStringLiteral("100001"), 4, 4, 40);
    TF_Kccx w;
    w.Activate();
    PrintLog::Clear();
    w.btn_PrinClick();
    ASSERT_NE(PrintLog::Last(), nullptr);
    EXPECT_TRUE(PrintLog::Last()->templateFile.endsWith(QStringLiteral("kccx.fr3")));
    EXPECT_EQ(PrintLog::Last()->variables.value(QStringLiteral("ckName")), S("所有仓库"));
    EXPECT_EQ(PrintLog::Last()->datasets.value(QStringLiteral("frxDBDataset1")).rows.size(), 1);
}

TEST_F(StockWindowTest, WithoutCostRightNoCostColumnsAndNoPrint)
{
    ShowCostPrice = false;
    TF_Kccx w;
    w.Activate();
    for (const char* f : { "g_scjj", "cbjj", "kczje" })
        EXPECT_FALSE(w.cxGrid1View->ColumnVisible(w.cxGrid1View->ColumnByField(QString::fromLatin1(f)))) << f;
    EXPECT_FALSE(w.btn_Prin->isEnabled());
}

} // namespace
