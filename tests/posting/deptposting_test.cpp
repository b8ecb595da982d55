#include "stockdocfixture.h"

#include "posting/stockposting.h"
#include "posting/stockreversal.h"

using namespace stockfixture;

namespace {

class DeptIssueTest : public StockDocTest {
protected:
    void SetUp() override
    {
        StockDocTest::SetUp();
        Sql(S("insert into jxc_dept (de_sn,de_name) values ('D1','行政部')"));
    }

    struct IssueLine {
        QString goods;
        double qty, price;
        QList<SizeRow> rows;
    };
    // A pending requisition of department D1; answers its line ids.
    QList<qint64> Pending(const QString& no, const QString& warehouse, const QList<IssueLine>& lines, double total)
    {
        Sql(QStringLiteral("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,u_sn,ly_rq,ly_zje,ly_status,ly_note,ly_flag,"
                           "a_name) values ('%1','%2','D1','100001','2024-05-10 11:00',%3,0,'备用','1','admin')")
                .arg(no, warehouse)
                .arg(total));
        QList<qint64> ids;
        for (const IssueLine& l : lines) {
            // Counters left over from an earlier approval, which the approval resets.
            Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_dj,ly_zje,ly_hhsl,ly_qxsl,id2,ly_flag,"
                               "t_ph,a_name) values ('%1','%2',%3,%4,%5,7,7,99,1,'行备','admin')")
                    .arg(no, l.goods)
                    .arg(l.qty)
                    .arg(l.price)
                    .arg(l.qty * l.price));
            const qint64 id = static_cast<qint64>(Number(QStringLiteral("select max(id) from jxc_bmlysp")));
            Sql(QStringLiteral("update jxc_bmlysp set tid=id where id=%1").arg(id));
            for (const SizeRow& r : l.rows)
                Sql(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,color_sn,cm_sn,t_sl,tid,a_name) values "
                                   "('%1','%2','%3','%4',%5,%6,'admin')")
                        .arg(no, l.goods, r.color, r.size)
                        .arg(r.qty)
                        .arg(id));
            ids << id;
        }
        return ids;
    }
};

TEST_F(DeptIssueTest, RequisitionTakesStockAtCostAndBooksTheDepartmentsExpense)
{
    const double goodsStock = Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));
    const QList<qint64> ids = Pending(
        QStringLiteral("LY240510001"), QStringLiteral("100001"), { { QStringLiteral("G1"), 2, 50, { RS(2) } } }, 100);
    EXPECT_EQ(ApproveDeptIssue(QStringLiteral("LY240510001")), QString());

    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,g_sn,gl_sl,gl_zje,gl_cbj,gl_zcb,gl_dj,ghs_sn,ghs_name,ck_name,gl_bz,"
                                  "gl_note,id2,tid from jxc_goodslist where gl_djh='LY240510001'")),
        QStringList { S("ly G1 2 100 50 100 50 D1 行政部 主仓库 行备 备用 %1 %1").arg(ids[0]) });
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_goodslistmx where gl_djh='LY240510001'")), 1);
    EXPECT_EQ(Rows(QStringLiteral("select id2,ly_hhsl,ly_qxsl from jxc_bmlysp where gl_djh='LY240510001'")),
        QStringList { QStringLiteral("%1 0 0").arg(ids[0]) });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), goodsStock - 2);
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and ck_sn='100001' and color_sn='R' "
                                    "and cm_sn='S'")),
        10);
    EXPECT_EQ(Rows(QStringLiteral("select fy_lx,fy_je,fy_flag,fy_note,de_sn,u_sn,fy_rq from jxc_yyfy where "
                                  "gl_djh='LY240510001'")),
        QStringList { S("费用 -100 1 领用单LY240510001成本支出 D1 100001 2024-05-10 11:00") });
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        S("增加已审核部门领用单LY240510001，共1种商品"));
    EXPECT_EQ(Text(QStringLiteral("select ly_status||' '||ly_checker from jxc_bmlyd where gl_djh='LY240510001'")),
        QStringLiteral("1 admin"));

    // Approved already, or no lines at all: nothing happens. A total of 0 still books a row.
    const Snapshot posted = TakeSnapshot();
    ApproveDeptIssue(QStringLiteral("LY240510001"));
    EXPECT_EQ(posted, TakeSnapshot());
    Pending(QStringLiteral("LY240510002"), QStringLiteral("100001"), {}, 0);
    ApproveDeptIssue(QStringLiteral("LY240510002"));
    EXPECT_EQ(posted, TakeSnapshot());
    EXPECT_EQ(Number(QStringLiteral("select ly_status from jxc_bmlyd where gl_djh='LY240510002'")), 0);
    Pending(QStringLiteral("LY240510003"), QStringLiteral("100001"), { { QStringLiteral("G2"), 1, 0, {} } }, 0);
    ApproveDeptIssue(QStringLiteral("LY240510003"));
    EXPECT_EQ(Rows(QStringLiteral("select fy_je from jxc_yyfy where gl_djh='LY240510003'")),
        QStringList { QStringLiteral("0") });
}

TEST_F(DeptIssueTest, NegativeStockIsRefusedUnlessAllowed)
{
    Pending(
        QStringLiteral("LY240510001"), QStringLiteral("100001"), { { QStringLiteral("G1"), 15, 50, { RS(15) } } }, 750);
    const Snapshot before = TakeSnapshot();
    const QString refusal = ApproveDeptIssue(QStringLiteral("LY240510001"));
    EXPECT_TRUE(refusal.contains(S(" 颜色：")) && refusal.contains(S(" 尺码："))) << refusal.toStdString();
    EXPECT_TRUE(refusal.endsWith(S("库存出现负数，不能出库"))) << refusal.toStdString();
    EXPECT_EQ(before, TakeSnapshot());

    // Allowed: it posts, and a goods with no stock row in the warehouse gets a negative one at the line's cost.
    AllowZeroStockOut = QStringLiteral("1");
    Pending(QStringLiteral("LY240510002"), QStringLiteral("W2"), { { QStringLiteral("G2"), 3, 12, {} } }, 36);
    EXPECT_EQ(ApproveDeptIssue(QStringLiteral("LY240510001")), QString());
    EXPECT_EQ(ApproveDeptIssue(QStringLiteral("LY240510002")), QString());
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_cbj from jxc_kcsp where g_sn='G2' and ck_sn='W2'")),
        QStringList { QStringLiteral("-3 12") });
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and ck_sn='100001' and color_sn='R' "
                                    "and cm_sn='S'")),
        -3);
}

TEST_F(DeptIssueTest, ApprovingAgainKeepsWhatStandingReturnsTookBack)
{
    const QList<qint64> ids = Pending(
        QStringLiteral("LY240510001"), QStringLiteral("100001"), { { QStringLiteral("G1"), 5, 50, { RS(5) } } }, 250);
    ApproveDeptIssue(QStringLiteral("LY240510001"));
    PostStockDoc({ QStringLiteral("LT240510001"), kDay, QStringLiteral("100001"), {},
        { { QStringLiteral("G1"), -2, 50, { RS(2) }, {}, ids[0] } } });
    ASSERT_EQ(Number(QStringLiteral("select ly_hhsl from jxc_bmlysp where id=%1").arg(ids[0])), 2);

    prompt.Answer(Prompt::Answer::Yes);
    UnapproveResult.clear();
    UnapproveDeptIssue(QStringLiteral("LY240510001"));
    ASSERT_EQ(UnapproveResult, QStringLiteral("ok"));
    EXPECT_EQ(ApproveDeptIssue(QStringLiteral("LY240510001")), QString());
    EXPECT_EQ(Rows(QStringLiteral("select ly_hhsl,ly_qxsl from jxc_bmlysp where id=%1").arg(ids[0])),
        QStringList { QStringLiteral("2 0") });
}

TEST_F(DeptIssueTest, ReturnPutsStockBackAndRaisesTheRequisitionsReturnedCount)
{
    const QList<qint64> ids = Pending(
        QStringLiteral("LY240510001"), QStringLiteral("100001"), { { QStringLiteral("G1"), 5, 10, { RS(5) } } }, 50);
    ApproveDeptIssue(QStringLiteral("LY240510001"));
    const double goodsStock = Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'"));
    // A pending return of `qty` at 10 against the requisition line.
    const auto pendingReturn = [&](const QString& no, double qty) {
        Sql(QStringLiteral("insert into jxc_bmlyd (gl_djh,ck_sn,de_sn,u_sn,ly_rq,ly_zje,ly_status,ly_note,ly_flag,"
                           "a_name) values ('%1','100001','D1','100001','2024-05-11 09:00',%2,0,'',-1,'admin')")
                .arg(no)
                .arg(-10 * qty));
        Sql(QStringLiteral("insert into jxc_bmlysp (gl_djh,g_sn,ly_sl,ly_dj,ly_zje,ly_hhsl,ly_qxsl,id2,ly_flag,"
                           "a_name) values ('%1','G1',%2,10,%3,0,0,%4,-1,'admin')")
                .arg(no)
                .arg(qty)
                .arg(10 * qty)
                .arg(ids[0]));
        Sql(QStringLiteral("update jxc_bmlysp set tid=id where gl_djh='%1'").arg(no));
        Sql(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,color_sn,cm_sn,t_sl,tid,a_name) select gl_djh,"
                           "g_sn,'R','S',ly_sl,id,'admin' from jxc_bmlysp where gl_djh='%1'")
                .arg(no));
    };

    pendingReturn(QStringLiteral("LT240511001"), 2);
    EXPECT_EQ(ApproveDeptReturn(QStringLiteral("LT240511001")), QString());
    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,gl_sl,gl_zje,gl_zcb,gl_sysl,id2,ghs_name from jxc_goodslist where "
                                  "gl_djh='LT240511001'")),
        QStringList { S("lt -2 -20 -20 2 %1 行政部").arg(ids[0]) });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), goodsStock + 2);
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc where g_sn='G1' and ck_sn='100001' and color_sn='R' "
                                    "and cm_sn='S'")),
        9);
    EXPECT_EQ(Number(QStringLiteral("select ly_hhsl from jxc_bmlysp where id=%1").arg(ids[0])), 2);
    EXPECT_EQ(Rows(QStringLiteral("select fy_lx,fy_je,fy_flag,fy_note,de_sn from jxc_yyfy where gl_djh='LT240511001'")),
        QStringList { S("收入 20 2 退回单LT240511001成本收入 D1") });
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        S("增加已审核部门退回单LT240511001，共1种商品"));

    // 3 of the 5 are still out: 4 is refused and writes nothing, 3 posts.
    pendingReturn(QStringLiteral("LT240511002"), 4);
    const Snapshot before = TakeSnapshot();
    EXPECT_EQ(ApproveDeptReturn(QStringLiteral("LT240511002")), S("退回数量不能大于剩余数量！"));
    EXPECT_EQ(before, TakeSnapshot());
    EXPECT_EQ(Number(QStringLiteral("select ly_status from jxc_bmlyd where gl_djh='LT240511002'")), 0);
    Sql(QStringLiteral("update jxc_bmlysp set ly_sl=3,ly_zje=30 where gl_djh='LT240511002'"));
    Sql(QStringLiteral("update jxc_bmlyspmx set t_sl=3 where gl_djh='LT240511002'"));
    EXPECT_EQ(ApproveDeptReturn(QStringLiteral("LT240511002")), QString());
    EXPECT_EQ(Number(QStringLiteral("select ly_hhsl from jxc_bmlysp where id=%1").arg(ids[0])), 5);
}

} // namespace
