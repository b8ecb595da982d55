#include "documents/docdrafts.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/connection.h"
#include "support/accountset.h"

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// Drafts of two operators in the goods-in and the return tables, the clock on
// 2024-05-10.
class DocDraftsTest : public AccountSetTest, public ::testing::WithParamInterface<const DocKind* (*)()> {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        Clock::SetFixed(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
    }
    void TearDown() override
    {
        CurrentAdminName = U("admin");
        Clock::Release();
        AccountSetTest::TearDown();
    }
    const DocKind& Kind() const { return *GetParam()(); }
    // A draft line with one colour-by-size row of the operator under the number.
    void Draft(const QString& number, const QString& op)
    {
        const DocKind& k = Kind();
        dm->ADOConn.Exec(QStringLiteral("insert into %1 (gl_djh,g_sn,a_name,%2) values ('%3','G1','%4',1)")
                             .arg(k.lines, k.Col("sl"), number, op));
        dm->ADOConn.Exec(QStringLiteral("update %1 set tid=id where tid is null").arg(k.lines));
        dm->ADOConn.Exec(
            QStringLiteral("insert into %1 (gl_djh,g_sn,a_name,t_sl,cm_sn,color_sn,tid) "
                           "select gl_djh,g_sn,a_name,1,'100001','100001',id from %2 where gl_djh='%3' and a_name='%4'")
                .arg(k.detail, k.lines, number, op));
    }
    // Numbers of the operator's lines and colour-by-size rows.
    QStringList Where(const QString& op)
    {
        const DocKind& k = Kind();
        return Column(QStringLiteral("select gl_djh from %1 where a_name='%3' union all "
                                     "select gl_djh from %2 where a_name='%3'")
                          .arg(k.lines, k.detail, op));
    }
    QString No(const char* serial) const { return Kind().prefix + QStringLiteral("240510") + QLatin1String(serial); }
};

const DocKind* GoodsIn()
{
    return &GoodsInKind();
}
const DocKind* Returns()
{
    return &PurchaseReturnKind();
}

TEST_P(DocDraftsTest, RedrawIfHeldMovesTheOperatorsDraftToANumberOverTheLines)
{
    Draft(No("10001"), U("admin"));
    EXPECT_EQ(RedrawIfHeld(Kind(), No("10001"), U("2024-05-10")), No("10001")) << "only his own lines: kept";

    Draft(No("10001"), U("other"));
    const QString moved = RedrawIfHeld(Kind(), No("10001"), U("2024-05-10"));
    EXPECT_EQ(moved, No("10002"));
    EXPECT_EQ(Where(U("admin")), (QStringList { moved, moved }));
    EXPECT_EQ(Where(U("other")), (QStringList { No("10001"), No("10001") }));
}

TEST_P(DocDraftsTest, RedrawForDateTakesTheNewDaysNumberAndTheLinesAlong)
{
    Draft(No("10001"), U("admin"));
    const QString moved = RedrawForDate(Kind(), No("10001"), U("2024-05-08"));
    EXPECT_EQ(moved, Kind().prefix + U("24050810001"));
    EXPECT_EQ(Where(U("admin")), (QStringList { moved, moved }));

    // Another operator's lines under the next header number: drawn over the lines.
    Draft(Kind().prefix + U("24050710001"), U("other"));
    const QString again = RedrawForDate(Kind(), moved, U("2024-05-07"));
    EXPECT_EQ(again, Kind().prefix + U("24050710002"));
    EXPECT_EQ(Where(U("admin")), (QStringList { again, again }));
}

TEST_P(DocDraftsTest, RedrawForSaveLeavesASavedNumberAndThenAHeldOne)
{
    Draft(No("10001"), U("admin"));
    EXPECT_EQ(RedrawForSave(Kind(), No("10001"), U("2024-05-10")), No("10001"));

    dm->ADOConn.Exec(
        QStringLiteral("insert into %1 (gl_djh,a_name) values ('%2','other')").arg(Kind().header, No("10001")));
    Draft(No("10002"), U("other"));
    const QString moved = RedrawForSave(Kind(), No("10001"), U("2024-05-10"));
    EXPECT_EQ(moved, No("10003")) << "10002 is the next header number, but another operator drafts under it";
    EXPECT_EQ(Where(U("admin")), (QStringList { moved, moved }));
}

TEST_P(DocDraftsTest, DiscardDraftDeletesOnlyTheOperatorsRows)
{
    Draft(No("10001"), U("admin"));
    Draft(No("10001"), U("other"));
    DiscardDraft(Kind(), No("10001"));
    EXPECT_TRUE(Where(U("admin")).isEmpty());
    EXPECT_EQ(Where(U("other")).size(), 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DocDraftsTest, ::testing::Values(&GoodsIn, &Returns),
    [](const auto& info) { return info.index == 0 ? std::string("GoodsIn") : std::string("PurchaseReturn"); });

// The line arithmetic of the colour-by-size dialogs.
class LineArithmeticTest : public AccountSetTest {
protected:
    void SetUp() override
    {
        AccountSetTest::SetUp();
        LoadSystemSettings();
        AmountDecimals = 2;
        RoundTotals = U("0");
        TotalDecimals = U("2");
        UseStockIn = U("0");
    }
};

TEST_F(LineArithmeticTest, AmountsTaxAndTotals)
{
    struct Case {
        const char* what;
        LineEntry in;
        const char* roundTotals;
        const char* totalDecimals;
        LineValues out;
    };
    const Case cases[] = {
        { "tax and discount", { 10, 11.7, 17, 0.9, 3, 0 }, "0", "2", { 10, 11.7, 17, 0.9, 3, 27, 4.59, 0, 3 } },
        { "priced from its total", { 0, 0, 17, 0.8, 4, 50 }, "0", "2", { 12.5, 12.5, 0, 1, 4, 50, 0, 50, 4 } },
        { "totals rounded to whole", { 3.333, 3.333, 0, 1, 3, 0 }, "1", "0", { 3.33, 3.33, 0, 1, 3, 10, 0, 0, 3 } },
    };
    for (const Case& c : cases) {
        RoundTotals = QLatin1String(c.roundTotals);
        TotalDecimals = QLatin1String(c.totalDecimals);
        LineEntry in = c.in;
        if (in.total == 0)
            in.total = LineTotal(in.taxPrice, in.discount, in.qty);
        const LineValues v = LineArithmetic(in);
        SCOPED_TRACE(c.what);
        EXPECT_DOUBLE_EQ(v.price, c.out.price);
        EXPECT_DOUBLE_EQ(v.taxPrice, c.out.taxPrice);
        EXPECT_DOUBLE_EQ(v.tax, c.out.tax);
        EXPECT_DOUBLE_EQ(v.discount, c.out.discount);
        EXPECT_NEAR(v.amount, c.out.amount, 1e-9);
        EXPECT_NEAR(v.taxAmount, c.out.taxAmount, 1e-9);
        EXPECT_DOUBLE_EQ(v.stockQty, c.out.stockQty);
    }
    RoundTotals = U("0");
    EXPECT_NEAR(LineTotal(11.7, 0.9, 3), 31.59, 1e-9);
    RoundTotals = U("1");
    TotalDecimals = U("0");
    EXPECT_EQ(LineTotal(11.7, 0.9, 3), 32);
    UseStockIn = U("1");
    EXPECT_EQ(LineArithmetic({ 10, 10, 0, 1, 3, 30 }).stockQty, 0) << "goods taken into stock separately";
}

} // namespace
