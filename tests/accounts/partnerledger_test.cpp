#include "accounts/partnerledger.h"
#include "accounts/registrationops.h"
#include "accountsfixture.h"
#include "platform/db/query.h"
#include "posting/postingdb.h"

namespace {

// Ledger rows written directly, balances as stored; the period is March 2024.
class PartnerLedgerTest : public AccountsTest {
protected:
    void SetUp() override
    {
        AccountsTest::SetUp();
        fixture::AddCustomer(QStringLiteral("K2"), S("丙商店"));
        fixture::AddStaff(QStringLiteral("U1"), S("张三"));
        fixture::AddStaff(QStringLiteral("U2"), S("李四"));
    }
    void Row(const QString& partner, const QString& number, const QString& date, double due, double paid,
        double balance, const QString& handler = QStringLiteral("U1"), const QString& side = QStringLiteral("kh"))
    {
        ExecSQL(
            QStringLiteral("insert into jxc_ysyfk (gl_djh,k_rq,k_fkfs,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag,"
                           "k_type,k_djlx,k_djtxt,k_ghskh,u_sn,k_note) values ('%1','%2','',%3,%4,0,0,%5,1,'%6','%7',"
                           "'','%8','%9','')")
                .arg(number, date)
                .arg(due)
                .arg(paid)
                .arg(balance)
                .arg(side, number.left(2), partner, handler));
    }
    PartnerAccountFilter Filter() const
    {
        PartnerAccountFilter f;
        f.from = QDate(2024, 3, 1);
        f.to = QDate(2024, 3, 31);
        f.handlerSn = QStringLiteral("-1");
        return f;
    }
    // Each row as "partner|field|field...".
    QStringList Rows(const QString& sql, const QStringList& fields)
    {
        Query q(&posting::Db());
        q.SetSQL(sql);
        q.Open();
        QStringList out;
        for (int r = 0; r < q.RecordCount(); ++r) {
            QStringList cells;
            for (const QString& f : fields)
                cells << q.TextAt(r, q.FieldIndex(f));
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    const QStringList docFields { QStringLiteral("k_ghskh"), QStringLiteral("gl_djh"), QStringLiteral("k_qcje"),
        QStringLiteral("k_ljje"), QStringLiteral("dsort") };
    const QStringList sumFields { QStringLiteral("k_ghskh"), QStringLiteral("qcje"), QStringLiteral("yfje"),
        QStringLiteral("sfje"), QStringLiteral("wfje") };
};

TEST_F(PartnerLedgerTest, PartnerWithRowsOnlyBeforeThePeriod)
{
    Row(QStringLiteral("K1"), QStringLiteral("YS1"), QStringLiteral("2024-02-10 09:00"), 100, 0, 100);
    Row(QStringLiteral("K1"), QStringLiteral("SK1"), QStringLiteral("2024-03-02 09:00"), 0, 40, 60);
    Row(QStringLiteral("K2"), QStringLiteral("YS2"), QStringLiteral("2024-01-05 09:00"), 50, 0, 50);
    const PartnerAccountSide& s = ReceivableSide();
    PartnerAccountFilter f = Filter();
    EXPECT_EQ(Rows(PartnerDocumentStatement(s, f), docFields),
        (QStringList {
            QStringLiteral("K1||100|100|1"), QStringLiteral("K1|SK1|0|60|2"), QStringLiteral("K2||50|50|1") }));
    EXPECT_EQ(Rows(PartnerSummaryStatement(s, f), sumFields), QStringList { QStringLiteral("K1|100|0|40|60") });
    f.allPartners = true;
    EXPECT_EQ(Rows(PartnerSummaryStatement(s, f), sumFields),
        (QStringList { QStringLiteral("K1|100|0|40|60"), QStringLiteral("K2|50|0|0|50") }));
    // The last day counts whole, a row on the first day is inside.
    Row(QStringLiteral("K2"), QStringLiteral("YS3"), QStringLiteral("2024-03-31 23:59"), 5, 0, 55);
    Row(QStringLiteral("K2"), QStringLiteral("YS4"), QStringLiteral("2024-04-01 00:00"), 5, 0, 60);
    f.allPartners = false;
    EXPECT_EQ(Rows(PartnerSummaryStatement(s, f), sumFields),
        (QStringList { QStringLiteral("K1|100|0|40|60"), QStringLiteral("K2|50|5|0|55") }));
}

TEST_F(PartnerLedgerTest, HandlerChosenTakesHisLastRowBeforeTheStart)
{
    Row(QStringLiteral("K1"), QStringLiteral("YS1"), QStringLiteral("2024-02-01 09:00"), 100, 0, 100);
    Row(QStringLiteral("K1"), QStringLiteral("YS2"), QStringLiteral("2024-02-20 09:00"), 30, 0, 130,
        QStringLiteral("U2"));
    Row(QStringLiteral("K1"), QStringLiteral("SK1"), QStringLiteral("2024-03-02 09:00"), 0, 40, 90);
    Row(QStringLiteral("K1"), QStringLiteral("YS3"), QStringLiteral("2024-03-03 09:00"), 10, 0, 100,
        QStringLiteral("U2"));
    PartnerAccountFilter f = Filter();
    f.handlerSn = QStringLiteral("U1");
    f.handlerName = S("张三");
    EXPECT_EQ(Rows(PartnerDocumentStatement(ReceivableSide(), f), docFields),
        QStringList { QStringLiteral("K1|SK1|0|90|2") });
    EXPECT_EQ(Rows(PartnerSummaryStatement(ReceivableSide(), f), sumFields),
        QStringList { QStringLiteral("K1|100|0|40|60") });
}

TEST_F(PartnerLedgerTest, ZeroBoxHidesPartnersEndingAtZero)
{
    Row(QStringLiteral("K1"), QStringLiteral("YS1"), QStringLiteral("2024-02-10 09:00"), 100, 0, 100);
    Row(QStringLiteral("K1"), QStringLiteral("SK1"), QStringLiteral("2024-03-02 09:00"), 0, 100, 0);
    // Two rows at one time: the later id holds the closing balance, 0, though an
    // earlier one on that time is larger.
    fixture::AddCustomer(QStringLiteral("K3"), S("丁"));
    Row(QStringLiteral("K3"), QStringLiteral("YS5"), QStringLiteral("2024-03-04 09:00"), 70, 0, 70);
    Row(QStringLiteral("K3"), QStringLiteral("SK5"), QStringLiteral("2024-03-04 09:00"), 0, 70, 0);
    Row(QStringLiteral("K2"), QStringLiteral("YS2"), QStringLiteral("2024-01-05 09:00"), 50, 0, 50);
    // A balance after the period does not count.
    Row(QStringLiteral("K2"), QStringLiteral("SK2"), QStringLiteral("2024-04-02 09:00"), 0, 50, 0);
    PartnerAccountFilter f = Filter();
    f.zeroHidden = true;
    EXPECT_EQ(
        Rows(PartnerDocumentStatement(ReceivableSide(), f), docFields), QStringList { QStringLiteral("K2||50|50|1") });
    f.allPartners = true;
    EXPECT_EQ(
        Rows(PartnerSummaryStatement(ReceivableSide(), f), sumFields), QStringList { QStringLiteral("K2|50|0|0|50") });
}

TEST_F(PartnerLedgerTest, DetailShowsAReceiptWithRoundingOff)
{
    Row(QStringLiteral("K1"), QStringLiteral("YS1"), QStringLiteral("2024-02-10 09:00"), 100, 0, 100,
        QStringLiteral("100001"));
    RegistrationEntry e;
    e.partnerSn = QStringLiteral("K1");
    e.partnerName = QStringLiteral("P");
    e.date = QDate(2024, 3, 5);
    e.handlerSn = QStringLiteral("100001");
    e.amount = 95;
    e.rounding = 5;
    e.account = S("现金");
    ASSERT_TRUE(ApproveRegistration(ReceiptKind(), AddRegistration(ReceiptKind(), e)));
    const QStringList rows = Rows(PartnerDetailStatement(ReceivableSide(), Filter()),
        { QStringLiteral("djlx"), QStringLiteral("g_name"), QStringLiteral("gl_zje"), QStringLiteral("dsort") });
    EXPECT_EQ(rows.first(), S("上期应收||100|1"));
    EXPECT_EQ(rows.last(), S("期末应收||0|3"));
    EXPECT_TRUE(rows.contains(S("收款||-95|2"))) << rows.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(rows.contains(S("应收款||-5|2")));
    EXPECT_TRUE(rows.contains(S("商品销售|优惠商品|-5|2")));
    EXPECT_EQ(rows.size(), 5);
    // Only this operator's scratch rows are touched.
    EXPECT_EQ(Count(QStringLiteral("jxc_tempspxf"), QStringLiteral("a_name<>'admin'")), 0);
}

TEST_F(PartnerLedgerTest, SettleRefusals)
{
    ExecSQL(QStringLiteral("insert into jxc_lsxsd (gl_djh,ls_yfje,ls_sfje,ls_yhje,ls_hkje) values "
                           "('XS1',50,0,0,0),('XS2',50,50,0,0)"));
    ExecSQL(QStringLiteral("insert into jxc_jhd (gl_djh,j_yfje,j_sfje,j_yhje,j_hkje) values ('CJ1',80,20,0,0)"));
    struct Case {
        const PartnerAccountSide* side;
        bool documentView;
        const char* number;
        double due, paid;
        const char* refusal;
    } cases[] = {
        { &ReceivableSide(), false, "XS1", 50, 0, "收款只能在“单据表”进行！" },
        { &ReceivableSide(), true, "CJ1", 80, 0, "只能对销售单或退货单进行收款！" },
        { &ReceivableSide(), true, "XS1", 50, 50, "该单据不欠款，不需要收款！" },
        { &ReceivableSide(), true, "XS2", 50, 0, "该单据不欠款，不需要收款！" },
        { &ReceivableSide(), true, "XS1", 50, 0, "" },
        { &PayableSide(), false, "CJ1", 80, 0, "付款只能在“单据表”进行！" },
        { &PayableSide(), true, "XS1", 50, 0, "只能对采购单或采购退货单进行付款！" },
        { &PayableSide(), true, "CJ1", 80, 20, "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettleRefusal(*c.side, c.documentView, QString::fromLatin1(c.number), c.due, c.paid), S(c.refusal))
            << c.number;
}

TEST_F(PartnerLedgerTest, RecalculationOfOneOrEveryPartner)
{
    Row(QStringLiteral("K1"), QStringLiteral("YS1"), QStringLiteral("2024-02-10 09:00"), 100, 0, 7);
    Row(QStringLiteral("K2"), QStringLiteral("YS2"), QStringLiteral("2024-02-10 09:00"), 50, 0, 7);
    EXPECT_EQ(RecalcPartnerAccounts(ReceivableSide(), QStringLiteral("K1"), QDate(2000, 1, 1)), 1);
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk where gl_djh='YS1'")), 100);
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk where gl_djh='YS2'")), 7);
    EXPECT_EQ(RecalcPartnerAccounts(ReceivableSide(), QString(), QDate(2000, 1, 1)), Count(QStringLiteral("jxc_khxx")));
    EXPECT_EQ(Number(QStringLiteral("select k_ljje from jxc_ysyfk where gl_djh='YS2'")), 50);
    EXPECT_EQ(Number(QStringLiteral("select kh_lwje from jxc_khxx where kh_sn='K2'")), 50);
}

TEST_F(PartnerLedgerTest, PayableSideReadsSupplierRows)
{
    Row(QStringLiteral("G1"), QStringLiteral("YF1"), QStringLiteral("2024-02-10 09:00"), 80, 0, 80,
        QStringLiteral("U1"), QStringLiteral("ghs"));
    Row(QStringLiteral("K1"), QStringLiteral("YS1"), QStringLiteral("2024-02-10 09:00"), 100, 0, 100);
    PartnerAccountFilter f = Filter();
    EXPECT_EQ(Rows(PartnerDocumentStatement(PayableSide(), f),
                  { QStringLiteral("k_ghskh"), QStringLiteral("ghs_name"), QStringLiteral("k_fkfs") }),
        QStringList { S("G1|乙布行|期初应付") });
}

} // namespace
