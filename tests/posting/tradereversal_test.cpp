#include "postingtest.h"

#include "foundation/globals.h"
#include "foundation/stockservices.h"
#include "platform/ui/scriptedprompt.h"
#include "posting/memberposting.h"
#include "posting/moneyposting.h"
#include "posting/movingaverage.h"
#include "posting/purchaseposting.h"
#include "posting/salesposting.h"
#include "posting/tradereversal.h"

#include <tuple>

using namespace fixture;

namespace {

QString U(const char* s)
{
    return QString::fromUtf8(s);
}

// Stock built by postings: goods-in on the 1st and the 20th, so that a reversal on
// the 10th has later rows to recompute.
class TradeReversalTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        Prompt::Install(&prompt);
        AddSupplier(QStringLiteral("S1"), U("供应一"));
        AddCustomer(QStringLiteral("K1"), U("顾客一"));
        UseInvoices = QStringLiteral("1");
        Make(Trade::GoodsIn, QStringLiteral("CJ0"), QStringLiteral("2024-05-01 09:00"), 20, 50);
        Approve(Trade::GoodsIn, QStringLiteral("CJ0"));
        Make(Trade::GoodsIn, QStringLiteral("CJ9"), QStringLiteral("2024-05-20 09:00"), 4, 60);
        Approve(Trade::GoodsIn, QStringLiteral("CJ9"));
    }
    void TearDown() override
    {
        Prompt::Install(nullptr);
        AuxTag.clear();
        PostingTest::TearDown();
    }

    // An approved document of G1 (two colour-by-size rows), moved in full, half paid.
    void Make(Trade kind, const QString& no, const QString& date, double qty, double price,
        const QString& mode = QStringLiteral("1"))
    {
        const TradeTables& t = TablesOf(kind);
        const QString partner
            = kind == Trade::GoodsIn || kind == Trade::PurchaseReturn ? QStringLiteral("S1") : QStringLiteral("K1");
        AddDocument({ kind, no, date, partner, QStringLiteral("100001"), QStringLiteral("100001"), 1,
            { { QStringLiteral("G1"), qty, price,
                { { QStringLiteral("R"), QStringLiteral("S"), qty / 2 },
                    { QStringLiteral("B"), QStringLiteral("M"), qty / 2 } } } } });
        const QString p = t.status.left(t.status.indexOf(QLatin1Char('_')) + 1);
        const double sign = kind == Trade::PurchaseReturn || kind == Trade::SalesReturn ? -1 : 1;
        Sql(QStringLiteral(
            "update %1 set %2sfje=%3,%2kmmc='现金',%2jsfs='%4',%2fpje=%5,%2checker='admin' where gl_djh='%6'")
                .arg(t.header, p)
                .arg(sign * qty * price / 2)
                .arg(mode)
                .arg(sign * qty * price / 4)
                .arg(no));
        if (kind == Trade::GoodsIn)
            Sql(QStringLiteral("update jxc_jhsp set jh_rksl=jh_sl,jh_tax=0 where gl_djh='%1'").arg(no));
        if (kind == Trade::Sale)
            Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl where gl_djh='%1'").arg(no));
        if (kind == Trade::SalesReturn)
            Sql(QStringLiteral("update jxc_xsthsp set th_cbj=50,th_zcb=th_sl*50 where gl_djh='%1'").arg(no));
    }
    static void Approve(Trade kind, const QString& no)
    {
        switch (kind) {
        case Trade::GoodsIn:
            ApprovePurchaseDoc(no);
            break;
        case Trade::PurchaseReturn:
            ApprovePurchaseReturn(no);
            break;
        case Trade::Sale:
            ApproveSalesDoc(no);
            break;
        case Trade::SalesReturn:
            ApproveSalesReturn(no);
            break;
        }
    }
    QString Status(const QString& no, Trade kind = Trade::GoodsIn)
    {
        const TradeTables& t = TablesOf(kind);
        return Text(QStringLiteral("select ") + t.status + QStringLiteral(" from ") + t.header
            + QStringLiteral(" where gl_djh='") + no + QStringLiteral("'"));
    }
    // Cancels through the prefix dispatch; answers UnapproveResult.
    QString Cancel(const QString& no)
    {
        UnapproveResult.clear();
        EXPECT_TRUE(UnapproveDocument(no));
        return UnapproveResult;
    }

    ScriptedPrompt prompt;
};

using PropertyCase = std::tuple<Trade, bool, QString>; // kind, first in first out, settlement mode

class TradeReversalProperty : public TradeReversalTest, public ::testing::WithParamInterface<PropertyCase> { };

TEST_P(TradeReversalProperty, ApproveThenCancelRestoresEveryLedger)
{
    const auto [kind, fifo, mode] = GetParam();
    CostMethod = fifo ? QStringLiteral("1") : QStringLiteral("0");
    const QString prefix = QStringList { "CJ", "CT", "XS", "XT" }[static_cast<int>(kind)];
    const QString no = prefix + QStringLiteral("240510001");
    Make(kind, no, QStringLiteral("2024-05-10 11:00"), 6, kind == Trade::GoodsIn ? 70 : 80, mode);
    const int lines = Number(QStringLiteral("select count(*) from ") + TablesOf(kind).lines);
    const Snapshot before = TakeSnapshot();
    Approve(kind, no);
    ASSERT_NE(before, TakeSnapshot());

    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_EQ(Cancel(no), QStringLiteral("ok"));
    const Snapshot after = TakeSnapshot();
    EXPECT_EQ(before, after) << Difference(before, after).toStdString();
    EXPECT_EQ(Status(no, kind), QStringLiteral("0"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from ") + TablesOf(kind).lines), lines);
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        U(std::vector<const char*> { "取消审核采购进货单", "取消审核采购退货单", "取消审核商品销售单",
            "取消审核商品退货单" }[static_cast<int>(kind)])
            + no);

    // A second cancel finds no approved header: no question, nothing changed.
    EXPECT_EQ(Cancel(no), QString());
    EXPECT_EQ(after, TakeSnapshot());
    EXPECT_TRUE(prompt.AllAnswersUsed());
    EXPECT_EQ(prompt.Questions().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TradeReversalProperty,
    ::testing::Combine(::testing::Values(Trade::GoodsIn, Trade::PurchaseReturn, Trade::Sale, Trade::SalesReturn),
        ::testing::Bool(), ::testing::Values(QStringLiteral("0"), QStringLiteral("1"))));

// A till sale or return of member M1, paid partly from stored value: the member's
// points, spending, visits and stored value come back with the cancel.
class PosMemberReversal : public TradeReversalTest, public ::testing::WithParamInterface<Trade> { };

TEST_P(PosMemberReversal, ApproveThenCancelRestoresTheMemberToo)
{
    const Trade kind = GetParam();
    const bool sale = kind == Trade::Sale;
    const QString no = sale ? QStringLiteral("XS240510001") : QStringLiteral("XT240510001");
    AmountPerPoint = QStringLiteral("10");
    PointsRule = QStringLiteral("1");
    CarryPointRemainder = QStringLiteral("1");
    MultiPoints = BirthdayPointsFactor = QStringLiteral("0");
    // Remainder and level as the member's postings keep them: 300 spent, 40 points.
    Sql(QStringLiteral("insert into jxc_hyxx (hy_sn,hy_jf,hy_zjf,hy_zhje,hy_ye,hy_zje,hy_cs,hl_sn,hy_sj,hy_sr,hh_sn) "
                       "values ('M1',40,40,100,0,300,3,'%1',1,'1990-01-12','')")
            .arg(GetLevelByPoints(QStringLiteral("40"))));
    Make(kind, no, QStringLiteral("2024-05-10 11:00"), 2, 80);
    Sql(QStringLiteral("update %1 set %2=1,hy_sn='M1' where gl_djh='%3'")
            .arg(TablesOf(kind).header, sale ? QStringLiteral("ls_dhbz") : QStringLiteral("th_qk"), no));
    const double amount = sale ? 160 : -160;
    Sql(QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_czk) "
                       "values ('%1','M1','2024-05-10 11:00',%2,%3)")
            .arg(no)
            .arg(amount)
            .arg(sale ? 60 : 0));
    Sql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_sl,pos_zje) values ('%1','G1',2,%2)")
            .arg(no)
            .arg(amount));
    const Snapshot before = TakeSnapshot();
    PostPosDocument(no, QStringLiteral("M1"), sale ? QStringLiteral("XS") : QStringLiteral("XT"));
    Approve(kind, no);
    const Snapshot posted = TakeSnapshot();
    ASSERT_NE(before.tables.at(QStringLiteral("jxc_hyxx")), posted.tables.at(QStringLiteral("jxc_hyxx")));

    AuxTag = QStringLiteral("kcpd");
    EXPECT_EQ(Cancel(no), QStringLiteral("ok"));
    EXPECT_EQ(before, TakeSnapshot()) << Difference(before, TakeSnapshot()).toStdString();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_posxsd"))
            + Number(QStringLiteral("select count(*) from jxc_posxssp")),
        0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PosMemberReversal, ::testing::Values(Trade::Sale, Trade::SalesReturn));

TEST_F(TradeReversalTest, PaymentAgainstTheGoodsInGoesWithItAndManualCashStays)
{
    Make(Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-10 11:00"), 6, 70);
    Sql(QStringLiteral("insert into jxc_xjyh (gl_djh,xj_rq,xj_kmmc,xj_je,xj_note,xj_chk,xj_ljje) "
                       "values ('XJ1','2024-05-12','银行',-5,'补付CJ1的差额',1,-5)"));
    const Snapshot before = TakeSnapshot();
    Approve(Trade::GoodsIn, QStringLiteral("CJ1"));
    Sql(QStringLiteral(
        "insert into jxc_ysyfk_dj (gl_djh,k_rq,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_mlje,k_flag,k_type,"
        "k_djlx,k_djtxt,gl_djh2,k_note,k_check,u_sn,a_name,k_ghskh) values "
        "('FK1','2024-05-11 09:00','银行',0,100,0,0,2,1,'ghs','FK','付款单','CJ1','',0,'100001','admin','S1')"));
    ApprovePaymentDoc(QStringLiteral("FK1"));
    ASSERT_GT(Number(QStringLiteral("select count(*) from jxc_goodslist where gl_djh2='FK1'")), 0);

    prompt.Answer(Prompt::Answer::Yes);
    EXPECT_EQ(Cancel(QStringLiteral("CJ1")), QStringLiteral("ok"));
    EXPECT_EQ(before, TakeSnapshot()) << Difference(before, TakeSnapshot()).toStdString();
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_ysyfk_dj")), 0);
    EXPECT_EQ(Rows(QStringLiteral("select xj_je,xj_ljje from jxc_xjyh where gl_djh='XJ1'")),
        QStringList { QStringLiteral("-5 -5") });
}

TEST_F(TradeReversalTest, RefusalsAndNoChangeNothing)
{
    Make(Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-10 11:00"), 6, 70);
    Approve(Trade::GoodsIn, QStringLiteral("CJ1"));
    Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl) values ('R2','店员','0000000000')"));
    Sql(QStringLiteral("insert into jxc_admin (a_name,r_sn) values ('boss','R2')"));
    Sql(QStringLiteral("update jxc_jhd set j_checker='boss' where gl_djh='CJ1'"));
    const Snapshot approved = TakeSnapshot();
    const int logLines = Number(QStringLiteral("select count(*) from jxc_log"));

    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString message; // empty: the question, answered No
    };
    const QList<Case> cases {
        { "no right",
            [&] {
                CurrentRoleSn = QStringLiteral("R2");
                CurrentAdminName = QStringLiteral("clerk");
            },
            U("您没有取消审核采购进货单的权限！") },
        { "approver without the right",
            [&] {
                CurrentRoleSn = QStringLiteral("R3");
                Sql(QStringLiteral("insert into jxc_role (r_sn,r_name,cggl) values ('R3','主管','1111111111')"));
                CurrentAdminName = QStringLiteral("clerk");
            },
            U("单据：CJ1，的审核人：boss\r\n\r\n不允许其他人取消审核！") },
        { "goods-in received through a stock-in document",
            [&] { Sql(QStringLiteral("insert into jxc_rksp (gl_djh,g_sn) values ('CJ1','G1')")); },
            U("该单据CJ1已有入库信息，不能取消审核！\r\n\r\n请在商品入库单中删除该单据的所有信息，\r\n\r\n然后再取消审"
              "核！") },
        { "answered No", [] {}, QString() },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CurrentRoleSn = QStringLiteral("100001");
        CurrentAdminName = QStringLiteral("admin");
        Sql(QStringLiteral("delete from jxc_rksp"));
        prompt.Clear();
        c.arrange();
        if (c.message.isEmpty())
            prompt.Answer(Prompt::Answer::No);
        UnapproveResult = QStringLiteral("untouched");
        UnapprovePurchaseDoc(QStringLiteral("CJ1"));
        EXPECT_EQ(UnapproveResult, QStringLiteral("untouched"));
        if (!c.message.isEmpty())
            EXPECT_EQ(prompt.LastMessage(), c.message);
        else
            EXPECT_EQ(prompt.Questions(), QStringList { U("您的操作将取消当前选中的已审核单据：CJ1，确认吗？") });
        EXPECT_EQ(approved, TakeSnapshot());
        EXPECT_EQ(Status(QStringLiteral("CJ1")), QStringLiteral("1"));
        EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_log")), logLines);
    }

    // The approver holding the right lets another operator cancel; a batch asks nothing.
    Sql(QStringLiteral("update jxc_role set cggl='1111111111' where r_sn='R2'"));
    CurrentRoleSn = QStringLiteral("R3");
    CurrentAdminName = QStringLiteral("clerk");
    Sql(QStringLiteral("delete from jxc_rksp"));
    prompt.Clear();
    AuxTag = QStringLiteral("kcpd");
    UnapproveResult.clear();
    UnapprovePurchaseDoc(QStringLiteral("CJ1"));
    EXPECT_EQ(UnapproveResult, QStringLiteral("ok"));
    EXPECT_TRUE(prompt.Questions().isEmpty());
    EXPECT_EQ(Status(QStringLiteral("CJ1")), QStringLiteral("0"));
}

TEST_F(TradeReversalTest, NegativeColorSizeStockRefusesBeforeAnythingIsWritten)
{
    AllowZeroStockOut = QStringLiteral("0");
    Make(Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-10 11:00"), 6, 70);
    Approve(Trade::GoodsIn, QStringLiteral("CJ1"));
    Sql(QStringLiteral("update jxc_tkc set t_sl=1 where color_sn='R'"));
    // A pending duplicate of the number stays too.
    Sql(QStringLiteral(
        "insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,u_sn,j_status) values ('CJ1','S1','100001','100001',0)"));
    const Snapshot approved = TakeSnapshot();
    UnapproveResult.clear();
    UnapprovePurchaseDoc(QStringLiteral("CJ1"));
    EXPECT_TRUE(prompt.LastMessage().endsWith(U("库存出现负数，不能出库"))) << prompt.LastMessage().toStdString();
    EXPECT_EQ(UnapproveResult, QString());
    EXPECT_EQ(approved, TakeSnapshot());
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_jhd where gl_djh='CJ1'")), 2);
}

TEST_F(TradeReversalTest, UnreceivedGoodsInLeavesPhysicalStock)
{
    Make(Trade::GoodsIn, QStringLiteral("CJ1"), QStringLiteral("2024-05-10 11:00"), 6, 70);
    Sql(QStringLiteral("update jxc_jhsp set jh_rksl=0 where gl_djh='CJ1'"));
    const Snapshot before = TakeSnapshot();
    Approve(Trade::GoodsIn, QStringLiteral("CJ1"));
    const auto stock = Numbers(QStringLiteral(
        "select kc_sl,(select g_kc from jxc_goods where g_sn='G1') from jxc_kcsp where g_sn='G1' and ck_sn='100001'"));
    AuxTag = QStringLiteral("kcpd");
    EXPECT_EQ(Cancel(QStringLiteral("CJ1")), QStringLiteral("ok"));
    EXPECT_EQ(Numbers(QStringLiteral("select kc_sl,(select g_kc from jxc_goods where g_sn='G1') from jxc_kcsp where "
                                     "g_sn='G1' and ck_sn='100001'")),
        stock);
    EXPECT_EQ(before, TakeSnapshot()) << Difference(before, TakeSnapshot()).toStdString();
}

TEST_F(TradeReversalTest, PosSaleWithoutMemberLosesItsTillRows)
{
    Make(Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-10 11:00"), 2, 80);
    Sql(QStringLiteral("update jxc_lsxsd set ls_dhbz=1,hy_sn='' where gl_djh='XS1'"));
    Sql(QStringLiteral(
        "insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje) values ('XS1','','2024-05-10 11:00',160)"));
    Sql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_sl,pos_zje) values ('XS1','G1',2,160)"));
    Approve(Trade::Sale, QStringLiteral("XS1"));
    AuxTag = QStringLiteral("kcpd");
    EXPECT_EQ(Cancel(QStringLiteral("XS1")), QStringLiteral("ok"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_posxsd"))
            + Number(QStringLiteral("select count(*) from jxc_posxssp")),
        0);
    EXPECT_EQ(Text(QStringLiteral("select ls_dhbz from jxc_lsxsd where gl_djh='XS1'")), QStringLiteral("0"));
}

TEST_F(TradeReversalTest, UnknownPrefixIsNotDispatched)
{
    EXPECT_FALSE(UnapproveDocument(QStringLiteral("QQ240510001")));
}

} // namespace

// A fresh account set as the program runs it: the start-up has prepared the month's
// balance rows and the discount goods' stock rows, and the goods was stocked before.
// Approving a sale and cancelling it gives every table back as it was.
TEST_F(PostingTest, ApproveThenCancelOnAFreshSetAfterStartUpRestoresEveryTable)
{
    AddCustomer(QStringLiteral("K1"), U("顾客一"));
    SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 5, 10, 5);
    Sql(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) values ('G1','100001','R','S',5)"));
    Sql(QStringLiteral("update jxc_goods set g_kc=5,g_pjjj=10 where g_sn='G1'"));
    RecalcMovingAverageCost(
        QString::number(AddLedgerRow({ QStringLiteral("qc"), QStringLiteral("QC1"), QStringLiteral("2024-05-01 08:00"),
            QStringLiteral("G1"), QStringLiteral("100001"), 5, 50, 10 })),
        QStringLiteral("0"));
    PrepareStockRows(QStringLiteral("2024-05"));
    AddDocument({ Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-10 11:00"), QStringLiteral("K1"),
        QStringLiteral("100001"), QStringLiteral("100001"), 1,
        { { QStringLiteral("G1"), 2, 30, { { QStringLiteral("R"), QStringLiteral("S"), 2 } } } } });
    Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl where gl_djh='XS1'"));
    Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=60,ls_kmmc='现金',ls_jsfs='1' where gl_djh='XS1'"));
    const Snapshot before = TakeSnapshot();
    ASSERT_EQ(before.tables.at(QStringLiteral("jxc_kcjs")).size(), 2);
    ApproveSalesDoc(QStringLiteral("XS1"));
    ASSERT_NE(before, TakeSnapshot());

    ScriptedPrompt prompt;
    Prompt::Install(&prompt);
    prompt.Answer(Prompt::Answer::Yes);
    UnapproveResult.clear();
    UnapproveDocument(QStringLiteral("XS1"));
    Prompt::Install(nullptr);
    EXPECT_EQ(UnapproveResult, QStringLiteral("ok"));
    const Snapshot after = TakeSnapshot();
    EXPECT_EQ(before, after) << Difference(before, after).toStdString();
}
