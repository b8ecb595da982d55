#include "stockdocfixture.h"

#include "posting/stockposting.h"

using namespace stockfixture;

namespace {

class ProductionPostingTest : public StockDocTest {
protected:
    void SetUp() override
    {
        StockDocTest::SetUp();
        Sql(S("insert into jxc_dept (de_sn,de_name) values ('D1','车间')"));
    }
    // A pending production document (SC or ST by its prefix) of department D1 with
    // one line per goods; every line's quantity sits on one colour-by-size row.
    void Pending(const QString& no, const QString& warehouse, const QList<StockLine>& lines)
    {
        const int flag = no.startsWith(QLatin1String("ST")) ? -1 : 1;
        Sql(QStringLiteral("insert into jxc_scrkd (gl_djh,ghs_sn,de_sn,ck_sn,sc_rq,sc_flag,sc_yfje,sc_sfje,sc_status,"
                           "u_sn,sc_note,a_name) values ('%1','','D1','%2','2024-05-10 11:00',%3,0,0,0,'100001',"
                           "'返修','admin')")
                .arg(no, warehouse)
                .arg(flag));
        for (const StockLine& l : lines) {
            Sql(QStringLiteral("insert into jxc_scrksp (gl_djh,g_sn,sc_sl,sc_dj,sc_zje,sc_flag,sc_bz,a_name) values "
                               "('%1','%2',%3,%4,%5,1,'行','admin')")
                    .arg(no, l.goods)
                    .arg(l.qty)
                    .arg(l.price)
                    .arg(l.qty * l.price));
            Sql(QStringLiteral("update jxc_scrksp set tid=id where id=(select max(id) from jxc_scrksp)"));
            for (const SizeRow& r : l.rows)
                Sql(QStringLiteral("insert into jxc_scrkspmx (gl_djh,g_sn,color_sn,cm_sn,t_sl,tid,a_name) select "
                                   "'%1','%2','%3','%4',%5,max(id),'admin' from jxc_scrksp")
                        .arg(no, l.goods, r.color, r.size)
                        .arg(r.qty));
        }
    }
};

TEST_F(ProductionPostingTest, GoodsInAddsStockAtItsCostAndSetsTheGoodsWideAverage)
{
    const double g2 = Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'"));
    const double g1 = Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));
    Pending(QStringLiteral("SC240510001"), QStringLiteral("W2"),
        { { QStringLiteral("G2"), 5, 18, { Plain(5) } }, { QStringLiteral("G1"), 2, 45, { RS(2) } } });
    EXPECT_EQ(ApproveProductionIn(QStringLiteral("SC240510001")), QString());

    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,g_sn,gl_sl,gl_zje,gl_je,gl_dj,gl_sysl,ghs_sn,ghs_name,gl_bz,gl_note "
                                  "from jxc_goodslist where gl_djh='SC240510001' order by id")),
        (QStringList { S("sc G2 5 90 90 18 5 D1 车间 行 返修"), S("sc G1 2 90 90 45 2 D1 车间 行 返修") }));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_goodslistmx where gl_djh='SC240510001'")), 2);
    // No stock row of G2 in W2 yet: one at the unit cost.
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl,kc_cbj from jxc_kcsp where g_sn='G2' and ck_sn='W2'")),
        QStringList { QStringLiteral("5 5 18") });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G2'")), g2 + 5);
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), g1 + 2);
    // The average over both warehouses: (10 × 30 + 5 × 18) / 15.
    EXPECT_NEAR(Number(QStringLiteral("select g_pjjj from jxc_goods where g_sn='G2'")), 26, 0.005);
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and ck_sn='W2' and color_sn='R' and "
                                    "cm_sn='S'")),
        6);
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        S("增加生产加入库商品SC240510001，共2种商品"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_yyfy where gl_djh='SC240510001'")), 0);

    // Approved already: nothing changes.
    const Snapshot posted = TakeSnapshot();
    EXPECT_EQ(ApproveProductionIn(QStringLiteral("SC240510001")), QString());
    EXPECT_EQ(posted, TakeSnapshot());
}

TEST_F(ProductionPostingTest, ReturnIsRefusedOnShortStockUnlessAllowedAndTakesStockOut)
{
    Pending(QStringLiteral("ST240510001"), QStringLiteral("100001"), { { QStringLiteral("G1"), 15, 50, { RS(15) } } });
    const Snapshot before = TakeSnapshot();
    const QString refusal = ApproveProductionReturn(QStringLiteral("ST240510001"));
    EXPECT_TRUE(refusal.endsWith(S("库存出现负数，不能出库"))) << refusal.toStdString();
    EXPECT_EQ(before, TakeSnapshot());

    AllowZeroStockOut = QStringLiteral("1");
    const double g1 = Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));
    EXPECT_EQ(ApproveProductionReturn(QStringLiteral("ST240510001")), QString());
    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,gl_sl,gl_zje,gl_sysl from jxc_goodslist where "
                                  "gl_djh='ST240510001'")),
        QStringList { QStringLiteral("st -15 -750 15") });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), g1 - 15);
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and ck_sn='100001' and color_sn='R' "
                                    "and cm_sn='S'")),
        -3);
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        S("增加生产退库单ST240510001，共1种商品"));
}

} // namespace
