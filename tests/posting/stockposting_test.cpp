#include "stockdocfixture.h"

#include "posting/stockposting.h"

using namespace stockfixture;

namespace {

const QString kLastLog = QStringLiteral("select log_note from jxc_log order by id desc limit 1");

TEST_F(StockDocTest, TransferMovesStockBetweenWarehousesAndKeepsTheTotal)
{
    const double total = Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));
    PostStockDoc({ QStringLiteral("DB240510001"), kDay, QStringLiteral("100001"), QStringLiteral("W2"),
        { { QStringLiteral("G1"), 4, 50, { RS(3), BM(1) } }, { QStringLiteral("G2"), 2, 30, {} } } });
    // In rows first, then out rows; a whole half is written without decimals.
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,ck_sn,gl_sl,gl_zje,ghs_name from jxc_goodslist where "
                                  "gl_djh='DB240510001' order by id")),
        (QStringList { S("G1 W2 4 200 调拨入库"), S("G2 W2 2 60 调拨入库"), S("G1 100001 -4 -200 调拨出库"),
            S("G2 100001 -2 -60 调拨出库") }));
    EXPECT_EQ(Text(kLastLog), S("增加已审核库存调拨单DB240510001，共2种商品"));
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), total);
    EXPECT_EQ(Rows(QStringLiteral("select ck_sn,color_sn,t_sl from jxc_tkc where g_sn='G1' and cm_sn in ('S','M') "
                                  "order by ck_sn,color_sn")),
        (QStringList { QStringLiteral("100001 B 11"), QStringLiteral("100001 R 9"), QStringLiteral("W2 B 5"),
            QStringLiteral("W2 R 7") }));
    // G2 had no stock row in W2: the posting makes one at the line's price.
    EXPECT_EQ(Rows(QStringLiteral("select kc_zsl,kc_cbj from jxc_kcsp where g_sn='G2' and ck_sn='W2'")),
        QStringList { QStringLiteral("2 30") });
    EXPECT_EQ(Text(QStringLiteral("select db_checker||' '||db_chkrq from jxc_kcdbd where gl_djh='DB240510001'")),
        QStringLiteral("admin 2024-05-10"));

    // A second approval finds the header approved and writes nothing.
    const Snapshot posted = TakeSnapshot();
    ApproveTransfer(QStringLiteral("DB240510001"));
    EXPECT_EQ(posted, TakeSnapshot());
}

TEST_F(StockDocTest, EveryTransferLineGetsItsLedgerRowsValuedAtItsPrice)
{
    // Valued at db_dj whatever the sale price; a goods whose row is gone and a handler
    // who left still write both rows, with empty names, as their stock moves anyway.
    Sql(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq,db_status,u_sn,db_note,a_name) values "
                       "('DB240510009','100001','W2','2024-05-10 11:00',0,'GONE','','admin')"));
    Sql(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,db_sl,db_dj,db_sj,db_zje,a_name) values "
                       "('DB240510009','G1',5,12,30,150,'admin'),('DB240510009','GX',1,7,7,7,'admin')"));
    Sql(QStringLiteral("update jxc_dbsp set tid=id"));
    ApproveTransfer(QStringLiteral("DB240510009"));
    EXPECT_EQ(
        Rows(QStringLiteral("select g_sn,'['||g_name||']',ck_sn,'['||ck_name||']',gl_sl,gl_zje,gl_dj,gl_je,"
                            "'['||u_name||']',ghs_name from jxc_goodslist where gl_djh='DB240510009' order by id")),
        (QStringList { S("G1 [衬衫] W2 [二号仓] 5 60 12 60 [] 调拨入库"), S("GX [] W2 [二号仓] 1 7 7 7 [] 调拨入库"),
            S("G1 [衬衫] 100001 [主仓库] -5 -60 12 -60 [] 调拨出库"),
            S("GX [] 100001 [主仓库] -1 -7 7 -7 [] 调拨出库") }));
    EXPECT_EQ(Text(kLastLog), S("增加已审核库存调拨单DB240510009，共2种商品"));
}

TEST_F(StockDocTest, LossAndOverflowBookTheirCostDifference)
{
    PostStockDoc({ QStringLiteral("BS240510001"), kDay, QStringLiteral("100001"), {},
        { { QStringLiteral("G1"), -3, 50, { RS(2), BM(1) } } } });
    PostStockDoc(
        { QStringLiteral("BY240510001"), kDay, QStringLiteral("100001"), {}, { { QStringLiteral("G2"), 2, 30, {} } } });
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,gl_sl,gl_zje,gl_sysl from jxc_goodslist where gl_flag in ('bs','by') "
                                  "order by id")),
        (QStringList { QStringLiteral("BS240510001 -3 -150 3"), QStringLiteral("BY240510001 2 60 2") }));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,fy_lx,fy_je,fy_flag,fy_note from jxc_yyfy order by id")),
        (QStringList { S("BS240510001 费用 -150 1 报损单BS240510001成本差额"),
            S("BY240510001 收入 60 2 报溢单BY240510001成本差额") }));
    EXPECT_EQ(Text(kLastLog), S("增加已审核商品报溢单BY240510001，共1种商品"));
    EXPECT_EQ(Numbers(QStringLiteral("select kc_sl,kc_zsl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")),
        (std::vector<double> { 21, 21 }));
}

TEST_F(StockDocTest, StockTakeMakesTheCountTheStock)
{
    // G1 counted 15 (book 24), red S 9 and blue M 6; G2 counted as booked.
    PostStockDoc({ QStringLiteral("PD240510001"), kDay, QStringLiteral("100001"), {},
        { { QStringLiteral("G1"), 15, 50, { RS(9), BM(6) } }, { QStringLiteral("G2"), 10, 30, {} } } });
    EXPECT_EQ(Rows(QStringLiteral("select g_sn,gl_sl,gl_zje,gl_sysl from jxc_goodslist where gl_djh='PD240510001'")),
        QStringList { QStringLiteral("G1 -9 -450 15") });
    EXPECT_EQ(Numbers(QStringLiteral("select kc_sl,kc_zsl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")),
        (std::vector<double> { 15, 15 }));
    EXPECT_EQ(Rows(QStringLiteral("select fy_lx,fy_je from jxc_yyfy")), QStringList { S("费用 -450") });
    EXPECT_EQ(Text(kLastLog), S("库存盘点单通过PD240510001审核，共1个商品"));
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 15 + 8);
}

} // namespace
