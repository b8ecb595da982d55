#include "postingtest.h"

#include "foundation/moneywords.h"
#include "foundation/sqltext.h"
#include "platform/report/report.h"
#include "posting/printvars.h"

using namespace fixture;

namespace {

class PrintVarsTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AddSupplier(S("S1"), S("O'Neil 供货"));
        AddCustomer(S("K1"), S("甲客户"));
        CompanyName = S("样板服饰");
        CompanyContact = S("张三");
    }
    void Balance(const QString& side, const QString& partner, double balance)
    {
        Sql(QStringLiteral("insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                           "values ('%1','%2','2024-05-01 09:00',0,0,0,0,%3,1)")
                .arg(side, partner)
                .arg(balance));
    }
    QString Var(const char* name) const { return report.Variable(QString::fromLatin1(name)).toString(); }

    Report report;
};

TEST_F(PrintVarsTest, GoodsInBalancesBeforeAndAfterFollowStatusAndSettlement)
{
    Balance(S("ghs"), S("S1"), 500);
    struct Case {
        int status;
        const char* settle;
        const char* before;
        const char* after;
    };
    const Case cases[]
        = { { 1, "1", "300", "500" }, { 0, "1", "500", "700" }, { 1, "0", "500", "500" }, { 0, "0", "500", "500" } };
    int i = 0;
    for (const Case& c : cases) {
        const QString number = QStringLiteral("CJ00%1").arg(++i);
        AddDocument({ Trade::GoodsIn, number, S("2024-05-02 10:00"), S("S1"), S("100001"), S("100001"), c.status,
            { { S("G1"), 3, 100 } } });
        Sql(QStringLiteral("update jxc_jhd set j_sfje=100,j_jsfs=%1,j_note='it''s urgent' where gl_djh='%2'")
                .arg(QLatin1String(c.settle), number));
        report.SetVariable(S("fromTemplate"), S("x"));
        SetDocPrintVars(report, number, S("cgjh"));
        SCOPED_TRACE(number.toStdString());
        EXPECT_EQ(Var("khqk"), S(c.before));
        EXPECT_EQ(Var("ljqkje"), S(c.after));
        // Values print as they stand: apostrophes need no escaping.
        EXPECT_EQ(Var("ghsName"), S("O'Neil 供货"));
        EXPECT_EQ(Var("Note"), S("it's urgent"));
        EXPECT_EQ(Var("xxyf"), S("300"));
        EXPECT_EQ(Var("yf"), AmountInWords(S("300")));
        EXPECT_EQ(Var("sf"), AmountInWords(S("100")));
        EXPECT_EQ(Var("comLxr"), S("张三"));
        EXPECT_FALSE(report.HasVariable(S("fromTemplate"))); // the document kinds start from an empty list
    }
}

TEST_F(PrintVarsTest, SalesKindsUseTheCustomerBalance)
{
    Balance(S("kh"), S("K1"), 250);
    AddDocument({ Trade::Sale, S("XS001"), S("2024-05-02 10:00"), S("K1"), S("100001"), S("100001"), 1,
        { { S("G1"), 2, 50 } } });
    Sql(S("update jxc_lsxsd set ls_sfje=40,ls_jsfs=1 where gl_djh='XS001'"));
    SetDocPrintVars(report, S("XS001"), S("spxs"));
    EXPECT_EQ(Var("khqk"), S("190")); // 250 - 100 + 40: the approved delivery is already in the balance
    EXPECT_EQ(Var("ljqkje"), S("250"));
    EXPECT_EQ(Var("khName"), S("甲客户"));
    EXPECT_EQ(Var("yf2"), AmountInWords(S("100.00")));

    // An order never moves the balance, whatever its state.
    Sql(S("insert into jxc_xsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_status,ls_jsfs,ls_yfje,ls_sfje) "
          "values ('XD001','K1','100001','100001','2024-05-02',0,1,900,0)"));
    SetDocPrintVars(report, S("XD001"), S("spdd"));
    EXPECT_EQ(Var("khqk"), S("250"));
    EXPECT_EQ(Var("ljqkje"), S("250"));
    EXPECT_EQ(Var("yf"), AmountInWords(S("900")));
}

TEST_F(PrintVarsTest, WordsOfReturnsAndOfADeliveryWithoutLines)
{
    AddDocument({ Trade::SalesReturn, S("XT001"), S("2024-05-02 10:00"), S("K1"), S("100001"), S("100001"), 0,
        { { S("G1"), 1, 80 } } });
    SetDocPrintVars(report, S("XT001"), S("xsth"));
    EXPECT_EQ(Var("yf"), AmountInWords(S("80")));
    EXPECT_FALSE(Var("yf").startsWith(S("负")));

    AddDocument({ Trade::PurchaseReturn, S("CT001"), S("2024-05-02 10:00"), S("S1"), S("100001"), S("100001"), 0,
        { { S("G1"), 1, 80 } } });
    SetDocPrintVars(report, S("CT001"), S("cgth"));
    EXPECT_EQ(Var("yf"), AmountInWords(S("-80")));
    EXPECT_TRUE(Var("yf").startsWith(S("负")));

    AddDocument({ Trade::Sale, S("XS002"), S("2024-05-02 10:00"), S("K1"), S("100001"), S("100001"), 0, {} });
    SetDocPrintVars(report, S("XS002"), S("spxs"));
    EXPECT_EQ(Var("yf2"), AmountInWords(S(".00")));
}

TEST_F(PrintVarsTest, LoanDocumentNamesBorrowingOrReturning)
{
    SetDocPrintVars(report, S("HH0001"), S("khjh"));
    EXPECT_EQ(Var("djName"), S("还货"));
    SetDocPrintVars(report, S("JH0001"), S("khjh"));
    EXPECT_EQ(Var("djName"), S("借货"));
}

TEST_F(PrintVarsTest, KindsWithoutVariablesAndProductionLeaveTheTemplateAlone)
{
    for (const char* kind : { "xshh", "JG", "WF", "CGJH" }) {
        Report r;
        r.SetVariable(S("comLxr"), S("模板"));
        SetDocPrintVars(r, S("XS001"), S(kind));
        EXPECT_EQ(r.VariableNames(), QStringList { S("comLxr") }) << kind;
        EXPECT_EQ(r.Variable(S("comLxr")).toString(), S("模板")) << kind;
    }
    report.SetVariable(S("comLxr"), S("模板联系人"));
    report.SetVariable(S("comNote"), S("模板备注"));
    SetDocPrintVars(report, S("SC0001"), S("SC"));
    EXPECT_EQ(Var("comLxr"), S("模板联系人"));
    EXPECT_EQ(Var("comNote"), S("模板备注"));
    EXPECT_EQ(Var("comName"), S("样板服饰"));
}

// Every kind's statements run, and a number without a header leaves its fields empty.
TEST_F(PrintVarsTest, EveryKindReadsItsHeaderAndSetsEmptyFieldsForAMissingDocument)
{
    for (const char* kind : { "cgjh", "cgth", "spxs", "xsth", "kcdb", "cgd", "spdd", "spcf", "spkb", "spbs", "spby",
             "kcpd", "khjh", "SC", "LY" }) {
        Report r;
        SetDocPrintVars(r, S("NONE"), S(kind));
        EXPECT_TRUE(r.HasVariable(S("jhDate"))) << kind;
        EXPECT_EQ(r.Variable(S("jhDate")).toString(), QString()) << kind;
        EXPECT_EQ(r.Variable(S("comName")).toString(), S("样板服饰")) << kind;
    }
}

TEST_F(PrintVarsTest, StockDocumentsReadTheirOwnColumns)
{
    Sql(S("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,u_sn,db_dbrq,db_note) values "
          "('DB001','100001','W2','100001','2024-05-03','调货')"));
    Sql(S("insert into jxc_dbsp (gl_djh,g_sn,db_sl) values ('DB001','G1',3)"));
    Sql(S("update jxc_goods set g_sj=20 where g_sn='G1'"));
    SetDocPrintVars(report, S("DB001"), S("kcdb"));
    EXPECT_EQ(Var("ckIn"), S("二号仓"));
    EXPECT_EQ(Var("Note"), S("调货"));
    EXPECT_EQ(Var("yf"), AmountInWords(S("60")));

    Sql(S("insert into jxc_bsd (gl_djh,ck_sn,u_sn,bs_bsrq,bs_note,a_name) values "
          "('BS001','100001','100001','2024-05-04','破损','admin')"));
    SetDocPrintVars(report, S("BS001"), S("spbs"));
    EXPECT_EQ(Var("title"), S("商品报损单"));
    EXPECT_EQ(Var("dNote"), S("破损"));
    EXPECT_EQ(Var("jhDate"), S("2024-05-04"));
}

} // namespace
