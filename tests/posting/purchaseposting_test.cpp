#include "postingtest.h"

#include "posting/purchaseposting.h"
#include "posting/salesposting.h"

using namespace fixture;

namespace {

// A goods-in of G1 (two colour-by-size rows per line), received in full, approved
// and ready to post; the supplier "S1" owes nothing yet.
class GoodsInTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddSupplier(QStringLiteral("S1"), QStringLiteral("供应一"));
        UseInvoices = QStringLiteral("0");
    }
    void GoodsIn(const QString& no, QList<LineSpec> lines, double payable, double paid,
        const QString& mode = QStringLiteral("1"), const QString& date = QStringLiteral("2024-05-10 09:00"))
    {
        AddDocument({ Trade::GoodsIn, no, date, QStringLiteral("S1"), QStringLiteral("100001"),
            QStringLiteral("100001"), 1, lines });
        Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0 where gl_djh='%1'").arg(no));
        Sql(QStringLiteral("update jxc_jhd set j_yfje=%1,j_sfje=%2,j_jsfs='%3',j_kmmc='现金' where gl_djh='%4'")
                .arg(payable)
                .arg(paid)
                .arg(mode, no));
    }
    static LineSpec Shirts(double qty, double price)
    {
        return { QStringLiteral("G1"), qty, price,
            { { QStringLiteral("R"), QStringLiteral("S"), qty / 2 },
                { QStringLiteral("B"), QStringLiteral("M"), qty / 2 } } };
    }
    // A ledger row of the supplier with its balance already standing.
    void SupplierOwes(double amount)
    {
        Sql(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_ghskh,k_type,k_yfje,k_sfje,k_qcje,k_ljje,k_flag) "
                           "values ('QC','2024-01-01','S1','ghs',%1,0,0,%1,1)")
                .arg(amount));
    }
};

TEST_F(GoodsInTest, SettledToAccountWritesMoneyLedgerAndStock)
{
    SupplierOwes(200);
    GoodsIn(QStringLiteral("CJ1"), { Shirts(10, 100) }, 1000, 600);
    Sql(QStringLiteral("update jxc_jhd set j_yffs='我方付运费',j_yf=30,j_bzf=0"));
    ApprovePurchaseDoc(QStringLiteral("CJ1"));

    EXPECT_EQ(Rows(QStringLiteral("select k_yfje,k_sfje,k_ljje,k_djlx,k_djtxt from jxc_ysyfk where gl_djh='CJ1'")),
        QStringList { QStringLiteral("1000 600 600 CJ 采购进货单") });
    EXPECT_EQ(Rows(QStringLiteral("select xj_dlx,xj_je,xj_kmmc,xj_note from jxc_xjyh where gl_djh='CJ1' order by id")),
        (QStringList {
            QStringLiteral("采购进货 -600 现金 "), QStringLiteral("费用付款 -30 现金 采购单CJ1产生的运费") }));
    EXPECT_EQ(Rows(QStringLiteral("select fy_lx,fy_je,fy_kmmc from jxc_yyfy where gl_djh='CJ1'")),
        QStringList { QStringLiteral("运费 -30 现金") });
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_flag,gl_sl,gl_je,gl_kc,gl_pjjj,tid=id2 from jxc_goodslist where gl_djh='CJ1'")),
        QStringList { QStringLiteral("cj 10 1000 10 100 1") });
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_goodslistmx where gl_djh='CJ1'")), 2);
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl,kc_cbj from jxc_kcsp where g_sn='G1'")),
        QStringList { QStringLiteral("10 10 100") });
    EXPECT_EQ(Rows(QStringLiteral("select g_kc,g_pjjj,g_scjj,ghs_sn,g_cgpl from jxc_goods where g_sn='G1'")),
        QStringList { QStringLiteral("10 100 100 S1 1") });
    EXPECT_EQ(Rows(QStringLiteral("select color_sn,cm_sn,t_sl from jxc_tkc order by color_sn")),
        (QStringList { QStringLiteral("B M 5"), QStringLiteral("R S 5") }));
    EXPECT_EQ(Number(QStringLiteral("select js_sl from jxc_kcjs where ck_sn='100001' and js_rq like '2024-05%'")), 10);
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        QStringLiteral("审核采购进货单CJ1，共1种商品"));
    EXPECT_EQ(Number(QStringLiteral("select u_cgpl from jxc_user where u_sn='100001'")), 1);
}

TEST_F(GoodsInTest, WithInvoicesOnTheInvoiceRegisterKeepsItsRunningBalance)
{
    UseInvoices = QStringLiteral("1");
    struct Case {
        const char* no;
        const char* mode;
        const char* expected; // fp_yfje fp_sfje fp_kpje fp_ljje fp_no
    } cases[] = {
        // The balance grows by what is to be invoiced less what was invoiced.
        { "CJ1", "1", "1000 600 300 700 FP001" },
        // Settled by payment the amount to be invoiced is what was paid; the row's
        // provisional balance gives way to the recomputed one.
        { "CJ2", "0", "600 600 200 1100 FP001" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.no);
        const QString no = QString::fromLatin1(c.no);
        GoodsIn(no, { Shirts(10, 100) }, 1000, 600, QString::fromLatin1(c.mode));
        Sql(QStringLiteral("update jxc_jhd set j_fpje=%1,j_fpno='FP001' where gl_djh='%2'")
                .arg(no == QLatin1String("CJ1") ? 300 : 200)
                .arg(no));
        ApprovePurchaseDoc(no);
        EXPECT_EQ(Rows(QStringLiteral("select fp_yfje,fp_sfje,fp_kpje,fp_ljje,fp_no from jxc_fpdjb where gl_djh='%1'")
                           .arg(no)),
            QStringList { QString::fromUtf8(c.expected) });
    }
    EXPECT_EQ(Rows(QStringLiteral("select distinct fp_type||' '||fp_ghskh||' '||fp_djlx from jxc_fpdjb")),
        QStringList { QStringLiteral("ghs S1 CJ") });
}

TEST_F(GoodsInTest, FreightThePartnerPaysAndNothingPaid)
{
    GoodsIn(QStringLiteral("CJ1"), { Shirts(2, 10) }, 20, 0);
    Sql(QStringLiteral("update jxc_jhd set j_yffs='对方付运费',j_yf=30"));
    ApprovePurchaseDoc(QStringLiteral("CJ1"));
    EXPECT_EQ(
        Rows(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='CJ1'")), QStringList { QStringLiteral("0") });
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_yyfy")), 0);
    EXPECT_EQ(Number(QStringLiteral("select ghs_lwje from jxc_ghsxx where ghs_sn='S1'")), 20);
}

TEST_F(GoodsInTest, DeferredStockInMovesOnlyTheBookQuantity)
{
    GoodsIn(QStringLiteral("CJ1"), { Shirts(4, 10) }, 40, 40);
    Sql(QStringLiteral("update jxc_jhsp set jh_rksl=0"));
    ApprovePurchaseDoc(QStringLiteral("CJ1"));
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl from jxc_kcsp where g_sn='G1'")),
        QStringList { QStringLiteral("0 4") });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_tkc")), 0);

    // One line received, one deferred: only the received line's rows reach the colour-by-size stock.
    const auto ids
        = AddDocument({ Trade::GoodsIn, QStringLiteral("CJ2"), QStringLiteral("2024-05-10 09:30"), QStringLiteral("S1"),
            QStringLiteral("100001"), QStringLiteral("100001"), 1, { Shirts(2, 10), Shirts(6, 10) } });
    Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl where id=%1").arg(ids[0]));
    ApprovePurchaseDoc(QStringLiteral("CJ2"));
    EXPECT_EQ(Rows(QStringLiteral("select color_sn,t_sl from jxc_tkc order by color_sn")),
        (QStringList { QStringLiteral("B 1"), QStringLiteral("R 1") }));
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl from jxc_kcsp where g_sn='G1'")),
        QStringList { QStringLiteral("2 12") });
}

TEST_F(GoodsInTest, DiscountLineThenSettledByPayment)
{
    SupplierOwes(200);
    DiscountLineMode = QStringLiteral("1");
    GoodsIn(QStringLiteral("CJ1"), { Shirts(10, 100) }, 1000, 950, QStringLiteral("0"));
    ApplyPurchaseDiscount(QStringLiteral("CJ1"), 950, 1000);
    EXPECT_EQ(Rows(QStringLiteral("select jh_zje,jh_je,jh_sl,jh_dzl from jxc_jhsp where g_sn='00000000'")),
        QStringList { QStringLiteral("-50 -50 0 1") });
    ApplyPurchaseDiscount(QStringLiteral("CJ1"), 940, 1000); // a second save rewrites the same line
    EXPECT_EQ(Rows(QStringLiteral("select jh_zje from jxc_jhsp where g_sn='00000000'")),
        QStringList { QStringLiteral("-60") });
    Sql(QStringLiteral("update jxc_jhsp set jh_zje=-50,jh_je=-50 where g_sn='00000000'"));

    ApprovePurchaseDoc(QStringLiteral("CJ1"));
    EXPECT_EQ(Rows(QStringLiteral("select k_yfje,k_sfje,k_ljje from jxc_ysyfk where gl_djh='CJ1'")),
        QStringList { QStringLiteral("950 950 200") });
    EXPECT_EQ(Number(QStringLiteral("select ghs_lwje from jxc_ghsxx where ghs_sn='S1'")), 200);
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        QStringLiteral("审核采购进货单CJ1，共1种商品"));
}

TEST_F(GoodsInTest, SpreadReachesTheTargetEvenWhenASharRoundsAway)
{
    DiscountLineMode = QStringLiteral("0");
    GoodsIn(QStringLiteral("CJ1"), { Shirts(1, 100), Shirts(1, 50) }, 150, 120, QStringLiteral("0"));
    ApplyPurchaseDiscount(QStringLiteral("CJ1"), 120, 150);
    EXPECT_EQ(Rows(QStringLiteral("select jh_zje,jh_dj,jh_je,jh_taxdj from jxc_jhsp order by id")),
        (QStringList { QStringLiteral("85 85 85 85"), QStringLiteral("35 35 35 35") }));
    EXPECT_EQ(Rows(QStringLiteral("select j_yfje,j_sfje from jxc_jhd")), QStringList { QStringLiteral("120 120") });

    // 0.01 over three lines: the share rounds to 0, the cent goes onto the largest line.
    GoodsIn(QStringLiteral("CJ2"), { Shirts(1, 10), Shirts(1, 20), Shirts(1, 30) }, 60, 59.99, QStringLiteral("0"));
    ApplyPurchaseDiscount(QStringLiteral("CJ2"), 59.99, 60);
    EXPECT_EQ(Rows(QStringLiteral("select jh_zje from jxc_jhsp where gl_djh='CJ2' order by id")),
        (QStringList { QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("29.99") }));
    EXPECT_EQ(Rows(QStringLiteral("select j_yfje,j_sfje from jxc_jhd where gl_djh='CJ2'")),
        QStringList { QStringLiteral("59.99 59.99") });

    // Paid more than payable: nothing to spread, both amounts become the payable.
    GoodsIn(QStringLiteral("CJ3"), { Shirts(1, 10) }, 10, 12, QStringLiteral("0"));
    ApplyPurchaseDiscount(QStringLiteral("CJ3"), 12, 10);
    EXPECT_EQ(Rows(QStringLiteral("select j_yfje,j_sfje from jxc_jhd where gl_djh='CJ3'")),
        QStringList { QStringLiteral("10 10") });
}

TEST_F(GoodsInTest, FirstInFirstOutBatchesFeedALaterSale)
{
    CostMethod = QStringLiteral("1");
    GoodsIn(QStringLiteral("CJ1"), { Shirts(2, 10), Shirts(4, 12) }, 68, 68);
    ApprovePurchaseDoc(QStringLiteral("CJ1"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_dj,gl_sysl from jxc_rklist where gl_djh='CJ1' order by id")),
        (QStringList { QStringLiteral("10 2"), QStringLiteral("12 4") }));

    AddDocument({ Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-10 11:00"), QStringLiteral("100001"),
        QStringLiteral("100001"), QStringLiteral("100001"), 1, { { QStringLiteral("G1"), 3, 20 } } });
    Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl,t_zp='',ls_zcb=0,ls_cbj=0"));
    Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=60,ls_jsfs='1'"));
    ApproveSalesDoc(QStringLiteral("XS1"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_sysl from jxc_rklist order by id")),
        (QStringList { QStringLiteral("0"), QStringLiteral("3") }));
    // The header profit is that of the re-costed lines, as in the ledger.
    EXPECT_EQ(Rows(QStringLiteral("select ls_zcb from jxc_lsxssp")), QStringList { QStringLiteral("32") });
    EXPECT_EQ(Number(QStringLiteral("select ls_lr from jxc_lsxsd")), 28);
    EXPECT_EQ(Number(QStringLiteral("select sum(gl_lr) from jxc_goodslist where gl_djh='XS1'")), 28);
}

TEST_F(GoodsInTest, AFailureAnywhereLeavesNothingWritten)
{
    GoodsIn(QStringLiteral("CJ1"), { Shirts(2, 10) }, 20, 20);
    const Snapshot before = TakeSnapshot();
    TestDb::RefuseInserts(dm->ADOConn, QStringLiteral("jxc_kcjs"));
    EXPECT_ANY_THROW(ApprovePurchaseDoc(QStringLiteral("CJ1")));
    const Snapshot after = TakeSnapshot();
    EXPECT_TRUE(before == after) << Difference(before, after).toStdString();
    TestDb::AllowInserts(dm->ADOConn, QStringLiteral("jxc_kcjs"));

    // A header whose supplier is missing posts nothing at all.
    Sql(QStringLiteral("update jxc_jhd set ghs_sn='NONE'"));
    EXPECT_ANY_THROW(ApprovePurchaseDoc(QStringLiteral("CJ1")));
    const Snapshot missing = TakeSnapshot();
    EXPECT_TRUE(before == missing) << Difference(before, missing).toStdString();
}

TEST_F(GoodsInTest, PurchaseReturnKeepsTheDayOnMoneyRows)
{
    GoodsIn(QStringLiteral("CJ1"), { Shirts(10, 50) }, 500, 500);
    ApprovePurchaseDoc(QStringLiteral("CJ1"));
    AddDocument({ Trade::PurchaseReturn, QStringLiteral("CT1"), QStringLiteral("2024-03-05 16:40"),
        QStringLiteral("S1"), QStringLiteral("100001"), QStringLiteral("100001"), 1,
        { { QStringLiteral("G1"), 2, 50, { { QStringLiteral("R"), QStringLiteral("S"), 2 } } } } });
    Sql(QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,u_sn,th_thrq,th_status,a_name) "
                       "values ('CT1','S1','100001','100001','2024-03-05 16:40',0,'other')"));
    Sql(QStringLiteral("update jxc_thd set th_yfje=-100,th_sfje=-100,th_kmmc='现金',th_jsfs='1'"));
    const double balance = Number(QStringLiteral("select ghs_lwje from jxc_ghsxx where ghs_sn='S1'"));
    ApprovePurchaseReturn(QStringLiteral("CT1"));

    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_thd")), 1); // the pending copy is gone
    EXPECT_EQ(Rows(QStringLiteral("select xj_rq,xj_je,xj_dlx from jxc_xjyh where gl_djh='CT1'")),
        QStringList { QStringLiteral("2024-03-05 100 采购退货") });
    EXPECT_EQ(Rows(QStringLiteral("select k_rq,k_yfje,k_sfje from jxc_ysyfk where gl_djh='CT1'")),
        QStringList { QStringLiteral("2024-03-05 -100 -100") });
    EXPECT_EQ(Number(QStringLiteral("select ghs_lwje from jxc_ghsxx where ghs_sn='S1'")), balance);
    EXPECT_EQ(Rows(QStringLiteral("select gl_kdrq,gl_sl,gl_sysl,gl_je from jxc_goodslist where gl_djh='CT1'")),
        QStringList { QStringLiteral("2024-03-05 16:40 -2 -2 -100") });
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl from jxc_kcsp where g_sn='G1'")),
        QStringList { QStringLiteral("8 8") });
    EXPECT_EQ(Rows(QStringLiteral("select g_kc,g_cgpl from jxc_goods where g_sn='G1'")),
        QStringList { QStringLiteral("8 0") });
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where color_sn='R'")), 3);
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        QStringLiteral("增加采购退货单CT1，共1种商品"));
}

} // namespace
