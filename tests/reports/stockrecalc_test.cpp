#include "reportsfixture.h"

#include "posting/purchaseposting.h"
#include "posting/salesposting.h"
#include "reports/kccxjs.h"
#include "reports/stockrecalc.h"

#include <QDateEdit>

namespace {

class StockRecalcTest : public ReportsTest {
protected:
    double Num(const QString& sql) { return ValueNumber(QueryScalar(sql)); }
    int Count(const QString& sql) { return static_cast<int>(Num(sql)); }
    // A stock row of its own (duplicates allowed), answering its id.
    qint64 StockRow(const QString& goods, const QString& warehouse, double qty, double cost = 0, double value = 0)
    {
        return dm->ADOConn.Insert(QStringLiteral("insert into jxc_kcsp(g_sn,ck_sn,kc_sl,kc_zsl,kc_cbj,kc_zcb,kc_xssl) "
                                                 "values(:g,:ck,:q,:q,:c,:v,0)"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse }, { QStringLiteral("q"), qty },
                { QStringLiteral("c"), cost }, { QStringLiteral("v"), value } });
    }
    // The running columns of every ledger row and the stock rows of A, as text.
    QString RunningFields()
    {
        QStringList out;
        Query q(&dm->ADOConn);
        for (const char* sql : { "select id,gl_sqsl,gl_sqje,gl_kc,gl_kczje,gl_pjjj from jxc_goodslist order by id",
                 "select ck_sn,kc_sl,kc_cbj,kc_zcb from jxc_kcsp where g_sn='A' order by ck_sn" }) {
            q.SetSQL(QString::fromLatin1(sql));
            q.Open();
            for (q.First(); !q.Eof(); q.Next()) {
                QStringList row;
                for (int c = 0; c < q.FieldCount(); ++c)
                    row << QString::number(ValueNumber(q.ValueAt(q.RecNo(), c)), 'f', 4);
                out << row.join(QLatin1Char(','));
            }
        }
        return out.join(QLatin1Char('\n'));
    }
};

TEST_F(StockRecalcTest, OverwrittenRunningFieldsComeBackAsThePostingsWroteThem)
{
    Goods(QStringLiteral("A"));
    fixture::AddSupplier(QStringLiteral("S1"), S("供货商"));
    fixture::AddCustomer(QStringLiteral("K1"), S("客户"));
    const auto goodsIn = [&](const QString& no, const QString& date, double qty, double price) {
        fixture::AddDocument({ fixture::Trade::GoodsIn, no, date, QStringLiteral("S1"), QStringLiteral("100001"),
            QStringLiteral("100001"), 0, { { QStringLiteral("A"), qty, price } } });
        Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0 where gl_djh='%1'").arg(no));
        ApprovePurchaseDoc(no);
    };
    goodsIn(QStringLiteral("CJ1"), QStringLiteral("2024-02-20 09:00"), 10, 10);
    goodsIn(QStringLiteral("CJ2"), QStringLiteral("2024-03-01 09:00"), 10, 22);
    fixture::AddDocument(
        { fixture::Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-03-02 09:00"), QStringLiteral("K1"),
            QStringLiteral("100001"), QStringLiteral("100001"), 0, { { QStringLiteral("A"), 5, 30 } } });
    Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl,t_zp=''"));
    ApproveSalesDoc(QStringLiteral("XS1"));
    goodsIn(QStringLiteral("CJ3"), QStringLiteral("2024-03-03 09:00"), 5, 40);
    const QString posted = RunningFields();
    ASSERT_EQ(Count(QStringLiteral("select count(*) from jxc_goodslist where g_sn='A'")), 4);

    Sql(QStringLiteral("update jxc_goodslist set gl_sqsl=99,gl_sqje=99,gl_kc=99,gl_kczje=99,gl_pjjj=99"));
    Sql(QStringLiteral("update jxc_kcsp set kc_cbj=1,kc_zcb=1"));
    RecalcStockBalances(QDate(2024, 2, 1), QStringLiteral("-1"));
    EXPECT_EQ(RunningFields(), posted);

    // From a later day the rows before it are not walked; the later ones are.
    Sql(QStringLiteral("update jxc_goodslist set gl_kc=99 where gl_kdrq<'2024-03-01'"));
    Sql(QStringLiteral("update jxc_goodslist set gl_pjjj=99 where gl_kdrq>='2024-03-01'"));
    RecalcStockBalances(QDate(2024, 3, 1), QStringLiteral("-1"));
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select gl_kc from jxc_goodslist where gl_djh='CJ1'")), 99);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_goodslist where gl_pjjj=99")), 0);
}

TEST_F(StockRecalcTest, CarryForwardRowsDuplicatesTotalsAndSoldQuantities)
{
    Goods(QStringLiteral("A"));
    Goods(QStringLiteral("B"));
    const qint64 kept = StockRow(QStringLiteral("A"), QStringLiteral("100001"), 5, 3, 15);
    StockRow(QStringLiteral("A"), QStringLiteral("100001"), 7);
    StockRow(QStringLiteral("A"), QStringLiteral("W2"), 2);
    StockRow(QStringLiteral("B"), QStringLiteral("W2"), 4);
    Sql(QStringLiteral("update jxc_kcsp set kc_xssl=9"));
    Sql(QStringLiteral("update jxc_goods set g_kc=123"));
    // Net sold in W2: 4 sold, 1 returned. B's pair has no sales rows and keeps its figure.
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-01 10:00"), QStringLiteral("A"), 4, 40, 0, 0,
        QStringLiteral("W2"));
    Ledger(QStringLiteral("xt"), QStringLiteral("2024-03-02 10:00"), QStringLiteral("A"), -1, -10, 0, 0,
        QStringLiteral("W2"));
    for (const char* name : { "期初结转", "库存同步", "同步", "数据结算结转" }) {
        const qint64 id = Ledger(QStringLiteral("qc"), QStringLiteral("2023-12-31 00:00"), QStringLiteral("B"), 1, 1);
        Sql(QStringLiteral("update jxc_goodslist set ghs_name='%1' where id=%2").arg(S(name)).arg(id));
    }

    RecalcStockBalances(QDate(2024, 3, 1), QStringLiteral("-1"));

    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_goodslist where gl_flag='qc'")), 2);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_goodslist where gl_flag='qc' and (ghs_name='") + S("同步")
                  + QStringLiteral("' or ghs_name='") + S("数据结算结转") + QStringLiteral("')")),
        2);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_kcsp where g_sn='A' and ck_sn='100001'")), 1);
    EXPECT_EQ(Count(QStringLiteral("select id from jxc_kcsp where g_sn='A' and ck_sn='100001'")), kept);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select g_kc from jxc_goods where g_sn='A'")), 7);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select g_kc from jxc_goods where g_sn='B'")), 4);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_xssl from jxc_kcsp where g_sn='A' and ck_sn='W2'")), 3);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_xssl from jxc_kcsp where g_sn='B'")), 9);
    // A's pair in 100001 has no ledger row on or after the day: its cost stays.
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_cbj from jxc_kcsp where g_sn='A' and ck_sn='100001'")), 3);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_zcb from jxc_kcsp where g_sn='A' and ck_sn='100001'")), 15);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select sum(kc_sl) from jxc_kcsp")), 11);
}

TEST_F(StockRecalcTest, OneWarehouseLimitsTheDuplicatesAndTheWalkOnly)
{
    Goods(QStringLiteral("A"));
    StockRow(QStringLiteral("A"), QStringLiteral("100001"), 5, 3, 15);
    StockRow(QStringLiteral("A"), QStringLiteral("100001"), 7);
    StockRow(QStringLiteral("A"), QStringLiteral("W2"), 2, 1, 2);
    StockRow(QStringLiteral("A"), QStringLiteral("W2"), 1);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-01 10:00"), QStringLiteral("A"), 5, 50, 5, 50);
    Ledger(QStringLiteral("cj"), QStringLiteral("2024-03-01 10:00"), QStringLiteral("A"), 2, 40, 2, 40,
        QStringLiteral("W2"));
    Ledger(QStringLiteral("xs"), QStringLiteral("2024-03-02 10:00"), QStringLiteral("A"), 1, 30, 0, 0);
    const qint64 qc = Ledger(QStringLiteral("qc"), QStringLiteral("2023-12-31 00:00"), QStringLiteral("A"), 1, 1);
    Sql(QStringLiteral("update jxc_goodslist set ghs_name='%1' where id=%2").arg(S("期初结转")).arg(qc));

    RecalcStockBalances(QDate(2024, 3, 1), QStringLiteral("W2"));

    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_kcsp where ck_sn='100001'")), 2);
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_kcsp where ck_sn='W2'")), 1);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select kc_cbj from jxc_kcsp where ck_sn='W2'")), 20);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select min(kc_cbj) from jxc_kcsp where ck_sn='100001'")), 0);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select max(kc_cbj) from jxc_kcsp where ck_sn='100001'")), 3);
    // Steps over every warehouse still run.
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_goodslist where gl_flag='qc'")), 0);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select g_kc from jxc_goods where g_sn='A'")), 14);
    EXPECT_DOUBLE_EQ(Num(QStringLiteral("select max(kc_xssl) from jxc_kcsp where ck_sn='100001'")), 1);
}

TEST_F(StockRecalcTest, DialogRunsOnYesAndChangesNothingOnNo)
{
    Goods(QStringLiteral("A"));
    StockRow(QStringLiteral("A"), QStringLiteral("100001"), 5);
    StockRow(QStringLiteral("A"), QStringLiteral("100001"), 7);

    auto no = std::make_unique<TF_Kccx_Js>();
    no->FormActivate();
    EXPECT_EQ(no->tdate1->date(), QDate(2024, 2, 1));
    const fixture::Snapshot before = fixture::TakeSnapshot();
    prompt.Answer(Prompt::Answer::No);
    no->btnSaveClick();
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_kcsp")), 2);
    EXPECT_TRUE(before == fixture::TakeSnapshot())
        << fixture::Difference(before, fixture::TakeSnapshot()).toStdString();
    EXPECT_TRUE(prompt.Messages().isEmpty());

    auto yes = std::make_unique<TF_Kccx_Js>();
    yes->FormActivate();
    prompt.Answer(Prompt::Answer::Yes);
    yes->btnSaveClick();
    EXPECT_EQ(Count(QStringLiteral("select count(*) from jxc_kcsp")), 1);
    EXPECT_EQ(prompt.Messages(), QStringList { S("重新计算完成！") });
}

}
