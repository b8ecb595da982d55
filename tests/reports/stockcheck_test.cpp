#include "reportsfixture.h"

#include "foundation/functionwindows.h"
#include "reports/kccx.h"
#include "reports/stockcheck.h"
#include "reports/stockcheckwindows.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

namespace {

class StockCheckTest : public ReportsTest {
protected:
    void TearDown() override
    {
        UseStockIn = QStringLiteral("0");
        UseStockOut = QStringLiteral("0");
        QtyDecimals = 2;
        ReportsTest::TearDown();
    }
    double Num(const QString& sql) { return ValueNumber(QueryScalar(sql)); }
    QString W2() const { return QStringLiteral("W2"); }
    // A pair with its stock figures, a colour and size row per quantity given and two
    // ledger rows of which the later one holds `balance`.
    void Pair(const QString& goods, const QString& warehouse, double stock, double book, double balance,
        const QList<double>& sizes)
    {
        Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-01 09:00"), goods, 1, 10, balance - 1, (balance - 1) * 10,
            warehouse, 10);
        Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-02 09:00"), goods, 1, 10, balance, balance * 10, warehouse,
            10);
        fixture::SetWarehouseStock(goods, warehouse, stock, 10, book);
        int size = 0;
        for (double q : sizes) {
            const QString cm = goods + QString::number(++size) + warehouse.right(1);
            Sql(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) values ('%1','%1')").arg(cm));
            Sql(QStringLiteral(
                "insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) values ('%1','%2','100001','%3',%4)")
                    .arg(goods, warehouse, cm)
                    .arg(q));
        }
    }
    QStringList Listed(const QString& warehouse = QStringLiteral("-1"), const QString& key = QString())
    {
        Query& list = dm->Q(QStringLiteral("Q_GhsDjFk"));
        OpenStockCheckList(list, warehouse, key);
        QStringList out;
        for (const StockCheckRow& p : StockCheckPairs(list))
            out << p.goods + QLatin1Char('@') + p.warehouse;
        return out;
    }
    int CarryRows() { return int(Num(S("select count(*) from jxc_goodslist where gl_note='库存同步'"))); }
};

TEST_F(StockCheckTest, ListComparesStockOrBookStockWithTheLastLedgerBalance)
{
    for (const char* g : { "A", "B", "C" })
        Goods(QString::fromLatin1(g));
    Pair(QStringLiteral("A"), QStringLiteral("100001"), 8, 10, 10, { 3, 5 });
    Pair(QStringLiteral("B"), QStringLiteral("100001"), 5, 6, 5, { 5 });
    // Differing, but without a colour and size row: never listed.
    Pair(QStringLiteral("C"), QStringLiteral("100001"), 1, 1, 4, {});

    EXPECT_EQ(Listed(), QStringList { QStringLiteral("A@100001") });
    Query& list = dm->Q(QStringLiteral("Q_GhsDjFk"));
    EXPECT_EQ(list.RecordCount(), 2) << "one row per colour and size row";
    EXPECT_TRUE(list.HasField(QStringLiteral("id")));
    EXPECT_EQ(Listed(QStringLiteral("100001"), QStringLiteral("nothing")), QStringList());
    EXPECT_EQ(Listed(W2()), QStringList());

    UseStockIn = QStringLiteral("1");
    EXPECT_EQ(Listed(), QStringList { QStringLiteral("B@100001") });
}

TEST_F(StockCheckTest, EachSynchronisationWayWritesItsFigures)
{
    struct Case {
        bool step;
        int item;
        double stock, book, goodsTotal;
        int carryRows;
        double newBalance;
    };
    // A: kc_sl 8, kc_zsl 9, balance 10 in the main warehouse; 3 more in W2; g_kc 0.
    const Case cases[] = {
        { false, 0, 10, 10, 13, 0, 0 },
        { false, 1, 8, 8, 0, 1, 8 },
        { true, 0, 8, 10, 11, 0, 0 },
        { true, 1, 8, 9, 0, 1, 9 },
        { true, 2, 8, 8, 0, 0, 0 },
        { true, 3, 9, 9, 12, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("step %1 item %2").arg(c.step).arg(c.item).toStdString());
        Sql(QStringLiteral("delete from jxc_goods"));
        Sql(QStringLiteral("delete from jxc_goodslist"));
        Sql(QStringLiteral("delete from jxc_kcsp"));
        Sql(QStringLiteral("delete from jxc_tkc"));
        Sql(QStringLiteral("delete from jxc_cm where cm_sn<>'100001'"));
        Goods(QStringLiteral("A"));
        Pair(QStringLiteral("A"), QStringLiteral("100001"), 8, 9, 10, { 8 });
        fixture::SetWarehouseStock(QStringLiteral("A"), W2(), 3, 10, 3);
        Sql(QStringLiteral("update jxc_goods set g_kc=0"));
        UseStockIn = c.step ? QStringLiteral("1") : QStringLiteral("0");
        ASSERT_EQ(Listed(), QStringList { QStringLiteral("A@100001") });

        EXPECT_EQ(SyncStock(StockCheckPairs(dm->Q(QStringLiteral("Q_GhsDjFk"))), c.item, c.step), c.carryRows);
        EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='A' and ck_sn='100001'")), c.stock);
        EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_zsl from jxc_kcsp where g_sn='A' and ck_sn='100001'")), c.book);
        EXPECT_DOUBLE_EQ(Num(QStringLiteral("select g_kc from jxc_goods where g_sn='A'")), c.goodsTotal);
        ASSERT_EQ(CarryRows(), c.carryRows);
        if (c.carryRows == 0)
            continue;
        const auto row = Keyed(S("select * from jxc_goodslist where gl_note='库存同步'"), QStringLiteral("g_sn"));
        const Row& r = row.at(QStringLiteral("A"));
        EXPECT_EQ(r.at(QStringLiteral("ghs_name")).toString(), S("同步"));
        EXPECT_EQ(r.at(QStringLiteral("gl_flag")).toString(), QStringLiteral("qc"));
        EXPECT_EQ(r.at(QStringLiteral("gl_kdrq")).toString(), QStringLiteral("2024-03-15 10:00"));
        EXPECT_DOUBLE_EQ(N(r, "gl_sqsl"), 10);
        EXPECT_DOUBLE_EQ(N(r, "gl_sqje"), 100);
        EXPECT_DOUBLE_EQ(N(r, "gl_kc"), c.newBalance);
        EXPECT_DOUBLE_EQ(N(r, "gl_sl"), c.newBalance - 10);
        EXPECT_DOUBLE_EQ(N(r, "gl_kczje"), N(r, "gl_pjjj") * c.newBalance);
        // The carry-forward row is now the latest: the pair leaves the list.
        EXPECT_EQ(Listed(), QStringList());
    }
}

TEST_F(StockCheckTest, PairsAreHandledOnceAndRoundedZeroWritesNoRow)
{
    Goods(QStringLiteral("A"));
    Pair(QStringLiteral("A"), QStringLiteral("100001"), 6, 6, 10, { 2, 4 });
    Pair(QStringLiteral("A"), W2(), 1, 1, 5, { 1, 0 });
    EXPECT_EQ(Listed().size(), 2);
    EXPECT_EQ(dm->Q(QStringLiteral("Q_GhsDjFk")).RecordCount(), 4);
    EXPECT_EQ(SyncStock(StockCheckPairs(dm->Q(QStringLiteral("Q_GhsDjFk"))), 1, false), 2);
    EXPECT_EQ(CarryRows(), 2);

    // Book stock a hair above the balance: listed, but nothing to carry forward.
    Goods(QStringLiteral("B"));
    Pair(QStringLiteral("B"), QStringLiteral("100001"), 3, 10.0001, 10, { 3 });
    UseStockIn = QStringLiteral("1");
    ASSERT_EQ(Listed(QStringLiteral("100001"), QStringLiteral("B")), QStringList { QStringLiteral("B@100001") });
    EXPECT_EQ(SyncStock(StockCheckPairs(dm->Q(QStringLiteral("Q_GhsDjFk"))), 1, true), 0);
}

TEST_F(StockCheckTest, CorrectionSetsOneSizeAndDerivesTheTotals)
{
    Goods(QStringLiteral("A"));
    Pair(QStringLiteral("A"), QStringLiteral("100001"), 6, 9, 10, { 2, 4 });
    fixture::SetWarehouseStock(QStringLiteral("A"), W2(), 3, 10, 3);
    ASSERT_EQ(Listed().size(), 1);

    TF_kccx_Hd list;
    list.FormActivate();
    Query& rows = dm->Q(QStringLiteral("Q_GhsDjFk"));
    ASSERT_EQ(rows.RecordCount(), 2);
    rows.First();
    QString shownStock;
    prompt.OnModal(QStringLiteral("TF_Kccx_Dphd"), [&](QDialog* d) {
        auto* w = static_cast<TF_Kccx_Dphd*>(d);
        shownStock = w->tStock->text();
        w->tsl->setValue(7);
        w->btnOKClick();
        return 0;
    });
    list.btnDphdClick();
    EXPECT_EQ(shownStock, QStringLiteral("6.00")) << "the warehouse's stock";
    EXPECT_TRUE(SourceDocNo.isEmpty());
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn='A' and ck_sn='100001'")), 11);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='A' and ck_sn='100001'")), 11);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_zsl from jxc_kcsp where g_sn='A' and ck_sn='100001'")), 9);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select g_kc from jxc_goods where g_sn='A'")), 14);

    // From the stock query's colour and size page the field shows that row's quantity.
    FunctionWindows::Register<TF_Kccx_Dphd>(QStringLiteral("TF_Kccx_Dphd"));
    TF_Kccx query;
    query.Activate();
    query.btnCx4Click();
    ASSERT_TRUE(TF_Kccx::Detail().Locate(QStringLiteral("t_sl"), 4));
    ASSERT_TRUE(query.cxButton1->isEnabled());
    prompt.OnModal(QStringLiteral("TF_Kccx_Dphd"), [&](QDialog* d) {
        shownStock = static_cast<TF_Kccx_Dphd*>(d)->tStock->text();
        return 0;
    });
    query.cxButton1Click();
    EXPECT_EQ(shownStock, QStringLiteral("4.00"));
    FunctionWindows::Unregister(QStringLiteral("TF_Kccx_Dphd"));
}

TEST_F(StockCheckTest, SynchronisationDialogAsksAndRefreshesTheList)
{
    Goods(QStringLiteral("A"));
    Pair(QStringLiteral("A"), QStringLiteral("100001"), 8, 8, 10, { 8 });
    TF_kccx_Hd list;
    list.FormActivate();
    ASSERT_EQ(dm->Q(QStringLiteral("Q_GhsDjFk")).RecordCount(), 1);

    prompt.OnModal(QStringLiteral("TF_Kccx_Tb"), [](QDialog* d) {
        auto* w = static_cast<TF_Kccx_Tb*>(d);
        EXPECT_EQ(w->comKctb->count(), 2);
        w->btnSaveClick();
        return 0;
    });
    prompt.Answer(Prompt::Answer::No);
    list.btnKchdClick();
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='A'")), 8);

    prompt.OnModal(QStringLiteral("TF_Kccx_Tb"), [](QDialog* d) {
        static_cast<TF_Kccx_Tb*>(d)->btnSaveClick();
        return 0;
    });
    prompt.Answer(Prompt::Answer::Yes);
    list.btnKchdClick();
    EXPECT_EQ(prompt.LastMessage(), S("同步完成！"));
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_sl from jxc_kcsp where g_sn='A'")), 10);
    EXPECT_EQ(dm->Q(QStringLiteral("Q_GhsDjFk")).RecordCount(), 0);
}

} // namespace
