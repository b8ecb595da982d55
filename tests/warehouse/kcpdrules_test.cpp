#include "warehousetest.h"

#include "warehouse/kcpdrules.h"
#include "warehouse/stockdocs.h"

namespace {

// Stock-takes on the fixture's account set: G1 and G2 stocked in the main
// warehouse 100001 on 2024-05-01.
class KcpdRulesTest : public WarehouseTest {
protected:
    void StockTake(
        const QString& number, const QString& warehouse, const QString& date, int status, const QStringList& goods)
    {
        Sql(QStringLiteral("insert into jxc_kcpd (gl_djh,ck_sn,pd_rq,pd_sl,kc_sl,pd_note,pd_status,pd_checker,pd_chkrq,"
                           "u_sn,a_name) values ('%1','%2','%3',0,0,'',%4,'','','100001','admin')")
                .arg(number, warehouse, date)
                .arg(status));
        for (const QString& g : goods)
            Line(number, g);
    }
    void Line(const QString& number, const QString& goods)
    {
        Sql(QStringLiteral("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl,kc_zsl,pd_dj,pd_zje,a_name) values "
                           "('%1','%2',7,10,10,5,-15,'admin')")
                .arg(number, goods));
    }
    // A ledger row of a goods in a warehouse.
    void Moved(const QString& number, const QString& goods, const QString& warehouse, const QString& date,
        const QString& flag = QStringLiteral("xs"))
    {
        Sql(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_zje) values "
                           "('%1','%2','%3','%4','%5',-1,-10)")
                .arg(flag, number, date, goods, warehouse));
    }
};

TEST_F(KcpdRulesTest, SavingIsRefusedByLaterStockTakesAndLaterMovements)
{
    const QString day = QStringLiteral("2024-05-10");
    EXPECT_EQ(StockTakeSaveRefusal(QStringLiteral("PD1"), QStringLiteral("100001"), day, false),
        U8("单据中没有业务发生，不能保存！"));
    Line(QStringLiteral("PD1"), QStringLiteral("G2"));
    EXPECT_EQ(StockTakeSaveRefusal(QStringLiteral("PD1"), QStringLiteral("100001"), day, true), QString());

    // A stock-take later the same day, or of another warehouse, does not block.
    StockTake(QStringLiteral("PD2"), QStringLiteral("100001"), QStringLiteral("2024-05-10 23:59:30"), 0, {});
    StockTake(QStringLiteral("PD3"), QStringLiteral("W2"), QStringLiteral("2024-05-12 08:00"), 1, {});
    EXPECT_EQ(StockTakeSaveRefusal(QStringLiteral("PD1"), QStringLiteral("100001"), day, true), QString());
    StockTake(QStringLiteral("PD4"), QStringLiteral("100001"), QStringLiteral("2024-05-11 00:00"), 0, {});
    EXPECT_EQ(StockTakeSaveRefusal(QStringLiteral("PD1"), QStringLiteral("100001"), day, true),
        U8("在【2024-05-10】日期之后已有盘点单，不能再次盘点！"));
    Sql(QStringLiteral("delete from jxc_kcpd where gl_djh='PD4'"));

    // Movements: only of a counted goods, in the warehouse, on a later day.
    Moved(QStringLiteral("XS1"), QStringLiteral("G2"), QStringLiteral("100001"), QStringLiteral("2024-05-10 22:00"));
    Moved(QStringLiteral("XS2"), QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-11 09:00"));
    Moved(QStringLiteral("XS3"), QStringLiteral("G2"), QStringLiteral("W2"), QStringLiteral("2024-05-11 09:00"));
    EXPECT_EQ(StockTakeSaveRefusal(QStringLiteral("PD1"), QStringLiteral("100001"), day, true), QString());
    Moved(QStringLiteral("XS4"), QStringLiteral("G2"), QStringLiteral("100001"), QStringLiteral("2024-05-11 09:00"));
    EXPECT_EQ(StockTakeSaveRefusal(QStringLiteral("PD1"), QStringLiteral("100001"), day, true),
        U8("在【2024-05-10】日期之后盘点的商品已发生业务，不能盘点！"));
}

TEST_F(KcpdRulesTest, ApprovalIsRefusedBySameDayBusinessAfterTheSavedTime)
{
    StockTake(QStringLiteral("PD1"), QStringLiteral("100001"), QStringLiteral("2024-05-10 10:00"), 0,
        { QStringLiteral("G2") });
    Moved(QStringLiteral("XS1"), QStringLiteral("G2"), QStringLiteral("100001"), QStringLiteral("2024-05-10 09:00"));
    EXPECT_EQ(getPdMsg(QStringLiteral("PD1"), QStringLiteral("2024-05-10 10:00"), QStringLiteral("100001")), QString());
    Moved(QStringLiteral("XS2"), QStringLiteral("G2"), QStringLiteral("100001"), QStringLiteral("2024-05-10 11:00"));
    EXPECT_EQ(getPdMsg(QStringLiteral("PD1"), QStringLiteral("2024-05-10 10:00"), QStringLiteral("100001")),
        U8("在【2024-05-10 10:00】日期之后盘点的商品已发生业务，，\r\n\r\n单号为：【XS2】，\r\n\r\n"
           "不能盘点，该盘点单 PD1 已作废！"));
}

TEST_F(KcpdRulesTest, ApprovingAllSetsStockToTheCountAndCollectsRefusals)
{
    StockTake(QStringLiteral("PD1"), QStringLiteral("100001"), QStringLiteral("2024-05-10 10:00"), 0,
        { QStringLiteral("G2") });
    StockTake(QStringLiteral("PD2"), QStringLiteral("100001"), QStringLiteral("2024-05-10 10:00"), 0,
        { QStringLiteral("G1") });
    UpdateStockTakeTotals(QStringLiteral("PD1"));
    EXPECT_EQ(Rows(QStringLiteral("select pd_sl,kc_sl from jxc_kcpd where gl_djh='PD1'")),
        QStringList { QStringLiteral("7 10") });
    Moved(QStringLiteral("XS2"), QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-10 11:00"));

    const QString refusals
        = ApproveStockTakes({ { QStringLiteral("PD1"), QStringLiteral("2024-05-10 10:00"), QStringLiteral("100001") },
            { QStringLiteral("PD2"), QStringLiteral("2024-05-10 10:00"), QStringLiteral("100001") } });
    EXPECT_EQ(refusals, getPdMsg(QStringLiteral("PD2"), QStringLiteral("2024-05-10 10:00"), QStringLiteral("100001")));
    EXPECT_TRUE(refusals.contains(QLatin1String("XS2")));
    EXPECT_EQ(Number(QStringLiteral("select pd_status from jxc_kcpd where gl_djh='PD2'")), 0);

    // Book 10, count 7 at 5: a ledger row of -3 and -15, the stock set to the count.
    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,gl_sl,gl_zje,ghs_name from jxc_goodslist where gl_djh='PD1'")),
        QStringList { U8("pd -3 -15 库存盘点") });
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl from jxc_kcsp where g_sn='G2' and ck_sn='100001'")),
        QStringList { QStringLiteral("7 7") });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'")), 7);
    EXPECT_EQ(Rows(QStringLiteral("select fy_je,fy_lx,fy_flag,fy_note from jxc_yyfy where gl_djh='PD1'")),
        QStringList { U8("-15 费用 1 商品盘点单PD1成本差额") });
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_log where log_note='")
                  + U8("库存盘点单通过PD1审核，共1个商品") + QStringLiteral("'")),
        1);
}

TEST_F(KcpdRulesTest, BulkCancelReversesListedPrefixesAfterTheLatestStockTake)
{
    StockTake(QStringLiteral("PD1"), QStringLiteral("100001"), QStringLiteral("2024-05-08 10:00"), 1, {});
    StockTake(QStringLiteral("PD2"), QStringLiteral("W2"), QStringLiteral("2024-05-09 10:00"), 1, {});
    StockTake(QStringLiteral("PD3"), QStringLiteral("100001"), QStringLiteral("2024-05-09 12:00"), 0, {});
    const StockTakeMark mark = LatestApprovedStockTake();
    EXPECT_EQ(mark.number, QStringLiteral("PD2"));
    EXPECT_EQ(mark.date, QStringLiteral("2024-05-09 10:00"));

    // An approved loss and a production goods-in after it; the stock-take's own rows
    // and the goods-in before it stay out of the list.
    Sql(QStringLiteral("insert into jxc_bsd (gl_djh,ck_sn,bs_bsrq,bs_status,bs_checker,bs_chkrq,u_sn,bs_note,a_name) "
                       "values ('BS240510001','100001','2024-05-10 09:00',0,'','','100001','','admin')"));
    Sql(QStringLiteral("insert into jxc_bssp (gl_djh,g_sn,bs_sl,bs_dj,bs_zje,bs_note,a_name) values "
                       "('BS240510001','G2',3,10,30,'','admin')"));
    ASSERT_TRUE(ApproveStockDocument(LossKind(), QStringLiteral("BS240510001")));
    Moved(QStringLiteral("SC240510001"), QStringLiteral("G1"), QStringLiteral("100001"),
        QStringLiteral("2024-05-10 12:00"), QStringLiteral("sc"));
    Moved(QStringLiteral("PD9"), QStringLiteral("G1"), QStringLiteral("100001"), QStringLiteral("2024-05-10 13:00"),
        QStringLiteral("pd"));
    const QStringList numbers = DocsAfterStockTake(mark.date);
    EXPECT_EQ(numbers, (QStringList { QStringLiteral("BS240510001"), QStringLiteral("SC240510001") }));

    for (const char* skipped : { "SC1", "ST1", "LY1", "LT1", "PD1", "QC1" })
        EXPECT_FALSE(StockTakeCancelsPrefix(QLatin1String(skipped))) << skipped;
    for (const char* reversed : { "CJ1", "ct1", "XS1", "XT1", "DB1", "CF1", "KB1", "BY1", "JH1", "HH1" })
        EXPECT_TRUE(StockTakeCancelsPrefix(QLatin1String(reversed))) << reversed;

    const int cancelled = CancelDocsAfterStockTake(numbers, nullptr);
    EXPECT_EQ(cancelled, 1);
    EXPECT_TRUE(AuxTag.isEmpty());
    EXPECT_EQ(Number(QStringLiteral("select bs_status from jxc_bsd where gl_djh='BS240510001'")), 0);
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'")), 10);
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_goodslist where gl_djh='SC240510001'")), 1);
    EXPECT_EQ(StockTakeCancelSummary(int(numbers.size()), cancelled),
        U8("取消审核完成，共2个单据，\r\n\r\n取消审核 1 个单据。"));
}

} // namespace
