#include "postingtest.h"

#include "posting/draftrepair.h"
#include "posting/memberposting.h"
#include "posting/moneyposting.h"
#include "posting/salesposting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace fixture;

namespace {

class SalesPostingTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddCustomer(QStringLiteral("K1"), QStringLiteral("客户一"));
        SetWarehouseStock(QStringLiteral("G1"), QStringLiteral("100001"), 10, 5, 10);
        Sql(QStringLiteral(
            "insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values ('G1','100001','100001','100001',10)"));
    }
    void Sale(const QString& no, double qty, double price, double received, const QString& mode)
    {
        AddDocument({ Trade::Sale, no, QStringLiteral("2024-05-10 09:00"), QStringLiteral("K1"),
            QStringLiteral("100001"), QStringLiteral("100001"), 1, { { QStringLiteral("G1"), qty, price } } });
        Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=ls_sl,t_zp='',ls_cbj=5,ls_zcb=5*ls_sl where gl_djh='%1'")
                .arg(no));
        // No mode is null: the server's integer column cannot hold an empty text.
        Sql(QStringLiteral("update jxc_lsxsd set ls_sfje=%1,ls_jsfs=%2,ls_kmmc='现金' where gl_djh='%3'")
                .arg(received)
                .arg(mode.isEmpty() ? QStringLiteral("null") : mode, no));
    }
    double Balance() { return Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")); }
};

TEST_F(SalesPostingTest, SettlementModeDecidesTheReceivable)
{
    struct Case {
        const char* mode;
        double due, received;
    } cases[] = { { "0", 80, 80 }, { "1", 100, 80 }, { "", 100, 80 } };
    int n = 0;
    for (const Case& c : cases) {
        const QString no = QStringLiteral("XS%1").arg(++n);
        Sale(no, 2, 50, 80, QString::fromLatin1(c.mode));
        ApproveSalesDoc(no);
        EXPECT_EQ(Numbers(QStringLiteral("select k_yfje,k_sfje from jxc_ysyfk where gl_djh='%1'").arg(no)),
            (std::vector<double> { c.due, c.received }))
            << c.mode;
        EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='%1'").arg(no)), 80);
    }
    EXPECT_EQ(Balance(), 40);
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl,kc_xssl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")),
        QStringList { QStringLiteral("4 4 6") });
}

TEST_F(SalesPostingTest, UnissuedLineAndDiscountLine)
{
    Sale(QStringLiteral("XS1"), 2, 50, 95, QStringLiteral("1"));
    Sql(QStringLiteral("update jxc_lsxssp set ls_cksl=0,t_zp='(赠品)'"));
    DiscountLineMode = QStringLiteral("1");
    ApplyDocDiscount(QStringLiteral("XS1"), 95, 100);
    ApproveSalesDoc(QStringLiteral("XS1"));
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl,kc_xssl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")),
        QStringList { QStringLiteral("10 8 2") });
    EXPECT_EQ(Number(QStringLiteral("select g_kc from jxc_goods where g_sn='G1'")), 0); // untouched
    EXPECT_EQ(Number(QStringLiteral("select t_sl from jxc_tkc")), 10);
    EXPECT_EQ(Rows(QStringLiteral("select g_name,gl_je,gl_lr from jxc_goodslist where gl_djh='XS1' order by id")),
        (QStringList { QStringLiteral("衬衫(赠品) 100 90"), QStringLiteral("优惠商品 -5 -5") }));
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        QStringLiteral("审核销售单XS1，共1种商品"));
}

TEST_F(SalesPostingTest, SpreadSkipsGiftsAndMeetsTheTarget)
{
    DiscountLineMode = QStringLiteral("0");
    AddDocument({ Trade::Sale, QStringLiteral("XS1"), QStringLiteral("2024-05-10 09:00"), QStringLiteral("K1"),
        QStringLiteral("100001"), QStringLiteral("100001"), 0,
        { { QStringLiteral("G1"), 1, 50 }, { QStringLiteral("G1"), 1, 50 }, { QStringLiteral("G1"), 1, 7 } } });
    Sql(QStringLiteral("update jxc_lsxssp set t_zp='',ls_tax=0"));
    Sql(QStringLiteral("update jxc_lsxssp set t_zp='(赠品)' where ls_zje=7"));
    ApplyDocDiscount(QStringLiteral("XS1"), 97, 107);
    EXPECT_EQ(Rows(QStringLiteral("select ls_zje,ls_dj from jxc_lsxssp order by id")),
        (QStringList { QStringLiteral("45 45"), QStringLiteral("45 45"), QStringLiteral("7 7") }));
    EXPECT_EQ(Rows(QStringLiteral("select ls_yfje,ls_sfje from jxc_lsxsd")), QStringList { QStringLiteral("97 97") });
}

TEST_F(SalesPostingTest, SalesReturnComesBackIntoStockAndBatches)
{
    CostMethod = QStringLiteral("1");
    AddDocument({ Trade::SalesReturn, QStringLiteral("XT1"), QStringLiteral("2024-05-10 09:00"), QStringLiteral("K1"),
        QStringLiteral("100001"), QStringLiteral("100001"), 1, { { QStringLiteral("G1"), 3, 100.0 / 3 } } });
    Sql(QStringLiteral("update jxc_xsthd set th_yfje=-100,th_sfje=-60,th_kmmc='现金',th_jsfs='0'"));
    Sql(QStringLiteral("update jxc_xsthsp set th_je=100,th_zje=100,th_cbj=0,th_zcb=0"));
    Sql(QStringLiteral("update jxc_goods set g_pjjj=5 where g_sn='G1'"));
    ApproveSalesReturn(QStringLiteral("XT1"));
    EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='XT1'")), -60);
    EXPECT_EQ(Balance(), -40);
    EXPECT_EQ(Rows(QStringLiteral("select gl_sl,gl_sysl,gl_zcb,gl_lr from jxc_goodslist where gl_djh='XT1'")),
        QStringList { QStringLiteral("-3 3 -15 -85") });
    EXPECT_EQ(Number(QStringLiteral("select th_lr from jxc_xsthd")), -85); // after the re-costing, as the ledger
    EXPECT_EQ(Rows(QStringLiteral("select kc_sl,kc_zsl,kc_xssl from jxc_kcsp where g_sn='G1' and ck_sn='100001'")),
        QStringList { QStringLiteral("13 13 -3") });
    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,gl_sl,gl_sysl,gl_dj from jxc_rklist")),
        QStringList { QStringLiteral("xt 3 3 5") });
}

// Registrations of receipts and payments with a rounding-off.
class MoneyPostingTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddCustomer(QStringLiteral("K1"), QStringLiteral("客户一"));
        AddSupplier(QStringLiteral("S1"), QStringLiteral("供应一"));
    }
    void Owes(const QString& side, const QString& partner, double amount)
    {
        Sql(QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_ghskh,k_type,k_yfje,k_sfje,k_qcje,k_ljje,k_flag) "
                           "values ('QC','2024-01-01','%1','%2',%3,0,0,%3,1)")
                .arg(partner, side)
                .arg(amount));
    }
    void Register(const QString& no, const QString& partner, const QString& kind, double paid, double rounding,
        double opening = 0)
    {
        Sql(QStringLiteral(
            "insert into jxc_ysyfk_dj (gl_djh,k_rq,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_mlje,k_flag,k_type,"
            "k_djlx,k_djtxt,gl_djh2,k_note,k_check,u_sn,a_name,k_ghskh) values "
            "('%1','2024-05-10 09:00','现金',0,%2,%3,0,%4,1,'%5','%6','单','',"
            "'备注',0,'100001','admin','%7')")
                .arg(no)
                .arg(paid)
                .arg(opening)
                .arg(rounding)
                .arg(kind == QLatin1String("SK") ? QStringLiteral("kh") : QStringLiteral("ghs"), kind, partner));
    }
};

TEST_F(MoneyPostingTest, ReceiptWithRoundingOff)
{
    Owes(QStringLiteral("kh"), QStringLiteral("K1"), 300.40);
    Register(QStringLiteral("SK1"), QStringLiteral("K1"), QStringLiteral("SK"), 300, 0.40);
    ApproveReceiptDoc(QStringLiteral("SK1"));
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,k_djlx,k_djtxt,k_fkfs,k_yfje,k_sfje,k_note from jxc_ysyfk "
                                  "where gl_djh2='SK1'")),
        QStringList { QStringLiteral("YS24051010001 YS 增加应收款(抹零) 应收款 -0.4 0 收款单抹零登记：SK1") });
    EXPECT_NEAR(Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K1'")), 0, 1e-9);
    EXPECT_EQ(
        Rows(QStringLiteral("select gl_flag,gl_djh,g_sn,gl_je,gl_lr,ck_sn from jxc_goodslist where gl_djh2='SK1'")),
        QStringList { QStringLiteral("xs YS24051010001 00000000 -0.4 -0.4 100001") });
    EXPECT_EQ(Rows(QStringLiteral("select xj_dlx,xj_je from jxc_xjyh where gl_djh='SK1'")),
        QStringList { QStringLiteral("收款单 300") });
    EXPECT_EQ(Rows(QStringLiteral("select k_check,k_chkrq from jxc_ysyfk_dj")),
        QStringList { QStringLiteral("1 2024-05-10") });
    EXPECT_EQ(Text(QStringLiteral("select log_note from jxc_log order by id desc limit 1")),
        QStringLiteral("审核收款，客户：客户一，金额：300"));
}

TEST_F(MoneyPostingTest, PaymentWithRoundingOffCountsTheOpeningOnce)
{
    Register(QStringLiteral("FK1"), QStringLiteral("S1"), QStringLiteral("FK"), 50, 0.5, 100);
    ApprovePaymentDoc(QStringLiteral("FK1"));
    EXPECT_EQ(Rows(QStringLiteral("select k_djtxt,k_qcje from jxc_ysyfk order by id")),
        (QStringList { QStringLiteral("单 100"), QStringLiteral("增加应付款(抹零) 0") }));
    EXPECT_EQ(Rows(QStringLiteral("select gl_flag,gl_lr from jxc_goodslist")), QStringList { QStringLiteral("cj 0") });
    EXPECT_EQ(Number(QStringLiteral("select xj_je from jxc_xjyh where gl_djh='FK1'")), -50);
}

class DraftRepairTest : public PostingTest {
protected:
    void Draft(const QString& op, int status = 0)
    {
        Sql(QStringLiteral(
            "insert into jxc_jhd (gl_djh,j_jhrq,j_status,a_name) values ('N','2024-05-09 10:00',%1,'%2')")
                .arg(status)
                .arg(op));
        Sql(QStringLiteral("insert into jxc_jhsp (gl_djh,g_sn,a_name) values ('N','G1','%1')").arg(op));
        Sql(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,a_name) values ('N','G1','%1')").arg(op));
    }
    QStringList Headers() { return Rows(QStringLiteral("select a_name,gl_djh,j_status from jxc_jhd order by id")); }
    QStringList Lines() { return Rows(QStringLiteral("select a_name,gl_djh from jxc_jhspmx order by id")); }
};

TEST_F(DraftRepairTest, OneDraftPerNumber)
{
    Draft(QStringLiteral("A"));
    FixDuplicateDocNo(QStringLiteral("N"), QStringLiteral("CJ"), QStringLiteral("A"));
    EXPECT_EQ(Headers(), QStringList { QStringLiteral("A N 0") });

    Draft(QStringLiteral("B"));
    FixDuplicateDocNo(QStringLiteral("N"), QStringLiteral("CJ"), QStringLiteral("B")); // B approves his own draft
    EXPECT_EQ(Headers(), (QStringList { QStringLiteral("A CJ24050910001 0"), QStringLiteral("B N 0") }));
    EXPECT_EQ(Lines(), (QStringList { QStringLiteral("A CJ24050910001"), QStringLiteral("B N") }));
}

TEST_F(DraftRepairTest, NoApprovingDraftAndApprovedNumber)
{
    Draft(QStringLiteral("A"));
    Draft(QStringLiteral("B"));
    Draft(QStringLiteral("B"));
    FixDuplicateDocNo(QStringLiteral("N"), QStringLiteral("CJ"), QStringLiteral("C"));
    // The smallest header keeps the number; B's two headers become one under a new number.
    EXPECT_EQ(Headers(), (QStringList { QStringLiteral("A N 0"), QStringLiteral("B CJ24050910001 0") }));

    Sql(QStringLiteral("update jxc_jhd set j_status=1 where a_name='A'"));
    Draft(QStringLiteral("A"));
    Draft(QStringLiteral("C"));
    FixDuplicateDocNo(QStringLiteral("N"), QStringLiteral("CJ"), QStringLiteral("C"));
    EXPECT_EQ(Headers(),
        (QStringList {
            QStringLiteral("A N 1"), QStringLiteral("B CJ24050910001 0"), QStringLiteral("C CJ24050910002 0") }));
}

TEST_F(DraftRepairTest, DeletingAContractRemovesItsLocalFileOnly)
{
    const QString folder
        = QDir::tempPath() + QStringLiteral("/htgl") + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    QFile f(folder + QStringLiteral("/a.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QString stored = folder + QStringLiteral("/");
    stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
    Sql(QStringLiteral("insert into jxc_htgl (ht_sn,ht_path,ht_fjname) values ('H1','%1','a.txt'),"
                       "('H2','远程FTP服务器','a.txt')")
            .arg(stored.startsWith(QLatin1Char('\\')) ? QStringLiteral("/") + stored.mid(1) : stored));
    LinkContract(QStringLiteral("H1"), QStringLiteral("S1"), QStringLiteral("CJ1"));
    EXPECT_EQ(Rows(QStringLiteral("select ghs_sn,gl_djh from jxc_htgl where ht_sn='H1'")),
        QStringList { QStringLiteral("S1 CJ1") });
    DeleteContract(QStringLiteral("H2"));
    EXPECT_TRUE(QFile::exists(f.fileName()));
    DeleteContract(QStringLiteral("H1"));
    EXPECT_FALSE(QFile::exists(f.fileName()));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_htgl")), 0);
    QDir(folder).removeRecursively();
}

// A member "M1" with 10 per point and the remainder carried.
class MemberPostingTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AmountPerPoint = QStringLiteral("10");
        CarryPointRemainder = QStringLiteral("1");
        PointsRule = QStringLiteral("1");
        PromoEarnsPoints = QStringLiteral("1");
        MultiPoints = BirthdayPointsFactor = QStringLiteral("0");
        Sql(QStringLiteral(
            "insert into jxc_hyxx (hy_sn,hy_jf,hy_zjf,hy_zhje,hy_ye,hy_zje,hy_cs,hl_sn,hy_sj,hy_sr,hh_sn) "
            "values ('M1',0,0,100,5,0,0,'100001',1,'1990-05-12','')"));
    }
    void Pos(
        const QString& no, double amount, double stored, const QString& when = QStringLiteral("2024-05-10 10:00:00"))
    {
        Sql(QStringLiteral(
            "insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,pos_yfje,pos_czk) values ('%1','M1','%2',%3,%4)")
                .arg(no, when)
                .arg(amount)
                .arg(stored));
        Sql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_sl,pos_zje) values ('%1','G1',1,%2)")
                .arg(no)
                .arg(amount));
    }
    std::vector<double> Member()
    {
        return Numbers(QStringLiteral("select hy_jf,hy_zje,hy_cs,hy_zhje,hy_ye from jxc_hyxx where hy_sn='M1'"));
    }
};

TEST_F(MemberPostingTest, PointsWithCarriedRemainderAndReturn)
{
    Pos(QStringLiteral("XS1"), 27, 0);
    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("XS"));
    EXPECT_EQ(Member(), (std::vector<double> { 3, 27, 1, 100, 7 }));
    EXPECT_EQ(Number(QStringLiteral("select pos_bcjf from jxc_posxsd where gl_djh='XS1'")), 3);

    Pos(QStringLiteral("XT1"), -27, 0);
    PostPosDocument(QStringLiteral("XT1"), QStringLiteral("M1"), QStringLiteral("XT"));
    EXPECT_EQ(Member(), (std::vector<double> { 1, 0, 0, 100, 0 }));
    EXPECT_EQ(Number(QStringLiteral("select pos_bcjf from jxc_posxsd where gl_djh='XT1'")), -2);
}

TEST_F(MemberPostingTest, StoredValuePaymentBirthdayAndBonus)
{
    PointsRule = QStringLiteral("0");
    CarryPointRemainder = QStringLiteral("0");
    Pos(QStringLiteral("XS1"), 27, 27);
    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("XS"));
    EXPECT_EQ(Member(), (std::vector<double> { 0, 27, 1, 73, 5 }));

    PointsRule = QStringLiteral("1");
    BirthdayPointsFactor = QStringLiteral("2");
    BirthdayPointsType = QStringLiteral("1");
    BirthdayPointsDays = QStringLiteral("3");
    MultiPoints = QStringLiteral("5");
    MultiPointsFrom = QStringLiteral("2024-05-01");
    MultiPointsTo = QStringLiteral("2024-05-31");
    Sql(QStringLiteral("insert into jxc_hyyh (hh_sn,hh_yh2,hh_yh3) values ('H',100,5)"));
    Sql(QStringLiteral("update jxc_hyxx set hh_sn='H'"));
    Pos(QStringLiteral("XS2"), 250, 0);
    PostPosDocument(QStringLiteral("XS2"), QStringLiteral("M1"), QStringLiteral("XS"));
    // 25 points doubled once, not multiplied again; the bonus of 2 steps of 100.
    EXPECT_EQ(Numbers(QStringLiteral("select pos_bcjf,pos_jfye from jxc_posxsd where gl_djh='XS2'")),
        (std::vector<double> { 50, 10 }));
    EXPECT_EQ(Number(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='M1'")), 83);
}

TEST_F(MemberPostingTest, MonthlyInstalmentsPaidAndTakenBack)
{
    Sql(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,hs_zsfs,hs_myje,hs_zsje,xf_zsrq) values "
                       "('XF1','M1',2,10,30,'2024-04-02'),('XF2','M1',2,20,20,'2024-03-20')"));
    Pos(QStringLiteral("XS1"), 27, 0);
    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("XS"));
    EXPECT_EQ(Number(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='M1'")), 130);
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,xf_je,xf_zt from jxc_hyxf where hs_zsfs=-2 order by id")),
        (QStringList { QStringLiteral("XS1 10 XS1本月消费到账"), QStringLiteral("XS1 20 XS1本月消费到账") }));
    EXPECT_EQ(Rows(QStringLiteral("select xf_zsrq,hs_zsje from jxc_hyxf where hs_zsfs=2 order by id")),
        (QStringList { QStringLiteral("2024-05-10 20"), QStringLiteral("2024-05-10 0") }));

    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("unXS"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_hyxf where hs_zsfs=-2")), 0);
    EXPECT_EQ(Member(), (std::vector<double> { 0, 0, 0, 100, 0 }));
    EXPECT_EQ(Rows(QStringLiteral("select xf_zsrq,hs_zsje from jxc_hyxf order by id")),
        (QStringList { QStringLiteral("2024-04-10 30"), QStringLiteral("2024-04-10 20") }));
    EXPECT_EQ(GetLevelByPoints(QStringLiteral("999999999")), QStringLiteral("100001"));
}

TEST_F(MemberPostingTest, DailyInstalmentsFollowTheDay)
{
    // Due once a day: one top-up last paid yesterday, one already paid today.
    Sql(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,hs_zsfs,hs_myje,hs_zsje,xf_zsrq) values "
                       "('XF1','M1',4,2,6,'2024-05-09'),('XF2','M1',4,3,9,'2024-05-10')"));
    Pos(QStringLiteral("XS1"), 27, 0);
    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("XS"));
    EXPECT_EQ(Number(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='M1'")), 102);
    EXPECT_EQ(Rows(QStringLiteral("select gl_djh,xf_je,xf_zt from jxc_hyxf where hs_zsfs=-4 order by id")),
        QStringList { QStringLiteral("XS1 2 XS1今天消费到账") });
    EXPECT_EQ(Rows(QStringLiteral("select xf_zsrq,hs_zsje from jxc_hyxf where hs_zsfs=4 order by id")),
        (QStringList { QStringLiteral("2024-05-10 4"), QStringLiteral("2024-05-10 9") }));

    // Cancelling the day's only sale takes the instalment back; today's top-ups open again.
    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("unXS"));
    EXPECT_EQ(Number(QStringLiteral("select count(*) from jxc_hyxf where hs_zsfs=-4")), 0);
    EXPECT_EQ(Number(QStringLiteral("select hy_zhje from jxc_hyxx where hy_sn='M1'")), 100);
    EXPECT_EQ(Rows(QStringLiteral("select xf_zsrq,hs_zsje from jxc_hyxf where hs_zsfs=4 order by id")),
        (QStringList { QStringLiteral("2024-05-09 6"), QStringLiteral("2024-05-09 12") }));
}

TEST_F(MemberPostingTest, SpecialPointsGoodsEarnTheirOwnPoints)
{
    Sql(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_tssp,g_tsjf,g_tjsp) values ('G9','积分礼盒',1,5,0)"));
    Pos(QStringLiteral("XS1"), 27, 0);
    // Two special goods for 50: 5 points each, their amount left out of the ordinary base.
    Sql(QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_sl,pos_zje) values ('XS1','G9',2,50)"));
    Sql(QStringLiteral("update jxc_posxsd set pos_yfje=77 where gl_djh='XS1'"));
    PostPosDocument(QStringLiteral("XS1"), QStringLiteral("M1"), QStringLiteral("XS"));
    // (27 + remainder 5) / 10 = 3 points, plus 10 special.
    EXPECT_EQ(Number(QStringLiteral("select pos_bcjf from jxc_posxsd where gl_djh='XS1'")), 13);
    EXPECT_EQ(Member(), (std::vector<double> { 13, 77, 1, 100, 7 }));
}

} // namespace
