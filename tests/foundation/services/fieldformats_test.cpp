#include "foundation/fieldformats.h"
#include "foundation/settings.h"
#include "platform/base/displayformat.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldFormatTexts, FollowTheDecimals)
{
    EXPECT_EQ(AmountFormatText(2, QStringLiteral("￥")), QStringLiteral("￥,0.00;-￥,0.00"));
    EXPECT_EQ(AmountFormatText(0, QStringLiteral("$")), QStringLiteral("$,0;-$,0"));
    EXPECT_EQ(AmountFormatText(2, QString()),
        QStringLiteral("#") + QStringLiteral(",0.00;-") + QStringLiteral("#") + QStringLiteral(",0.00"));
    EXPECT_EQ(AmountFooterFormatText(0), QStringLiteral("#,0;-#,0"));
    EXPECT_EQ(AmountFooterFormatText(1), QStringLiteral("#,0.0;-#,0.0"));
    EXPECT_EQ(AmountFooterFormatText(8), QStringLiteral("#,0.00000000;-#,0.00000000"));
    EXPECT_EQ(QtyFormatText(1, true), QStringLiteral("#0.0;-#.0"));
    EXPECT_EQ(QtyFormatText(2, false), QStringLiteral("#0.00;-#.00"));
    EXPECT_EQ(QtyFormatText(8, true), QStringLiteral("#0.00000000;-#.00000000"));
    EXPECT_EQ(QtyFormatText(0, true), QStringLiteral("#0;-#0"));
    EXPECT_EQ(QtyFormatText(0, false), QStringLiteral("#;-#"));

    // and render as the windows show them
    EXPECT_EQ(FormatFloat(AmountFormatText(2, QStringLiteral("￥")), -1234.5), QStringLiteral("-￥1,234.50"));
    EXPECT_EQ(FormatFloat(AmountFormatText(2, QString()), 1234.5), QStringLiteral("1,234.50"));
    EXPECT_EQ(FormatFloat(QtyFormatText(0, false), 0), QString());
    EXPECT_EQ(FormatFloat(QtyFormatText(0, true), 0), QStringLiteral("0"));
}

// Records what a setter did to its target.
struct Recorder {
    QStringList calls;
    NumberEditTarget Edit()
    {
        return { [this](const QString& f) { calls << QStringLiteral("format ") + f; },
            [this](int d) { calls << QStringLiteral("decimals %1").arg(d); },
            [this](int n) { calls << QStringLiteral("length %1").arg(n); } };
    }
    GridColumnTarget Column()
    {
        return { [this](const QString& f) { calls << QStringLiteral("format ") + f; },
            [this] { calls << QStringLiteral("currency editor"); },
            [this](int d) { calls << QStringLiteral("decimals %1").arg(d); } };
    }
    FooterFormatTarget Footer()
    {
        return [this](const QString& f) { calls << QStringLiteral("footer ") + f; };
    }
};

class FieldFormatSetters : public ::testing::Test {
protected:
    void SetUp() override
    {
        AmountDecimals = 2;
        QtyDecimals = 0;
        TotalDecimals = QStringLiteral("3");
        CurrencySign = QStringLiteral("￥");
    }
    void TearDown() override
    {
        AmountDecimals = 0;
        QtyDecimals = 0;
        TotalDecimals.clear();
        CurrencySign.clear();
    }
    Recorder r;
};

TEST_F(FieldFormatSetters, SetEditsColumnsAndFootersFromTheSettings)
{
    SetAmountEditFormat(r.Edit());
    SetAmountColumnFormat(r.Column());
    SetBandedAmountColumnFormat(r.Column());
    SetAmountSummaryFormat(r.Footer());
    SetBandedAmountSummaryFormat(r.Footer());
    SetQtyEditFormat(r.Edit());
    SetQtyColumnFormat(r.Column());
    SetBandedQtyColumnFormat(r.Column());
    SetQtySummaryFormat(r.Footer());
    SetBandedQtySummaryFormat(r.Footer());
    EXPECT_EQ(r.calls,
        (QStringList {
            "format ￥,0.00;-￥,0.00",
            "decimals 2",
            "length 15",
            "format ￥,0.00;-￥,0.00",
            "currency editor",
            "decimals 2",
            "format ￥,0.00;-￥,0.00",
            "currency editor",
            "footer #,0.000;-#,0.000",
            "footer #,0.00;-#,0.00",
            "format #;-#",
            "decimals 0",
            "length 13",
            "format #0;-#0",
            "currency editor",
            "decimals 0",
            "format #;-#",
            "currency editor",
            "footer #0;-#0",
            "footer #;-#",
        }));
}

TEST_F(FieldFormatSetters, DecimalsOutsideTheRangeLeaveFormatsAlone)
{
    AmountDecimals = 9;
    QtyDecimals = -1;
    SetAmountEditFormat(r.Edit());
    SetAmountColumnFormat(r.Column());
    SetAmountSummaryFormat(r.Footer());
    SetBandedAmountSummaryFormat(r.Footer());
    SetQtyEditFormat(r.Edit());
    SetBandedQtyColumnFormat(r.Column());
    SetQtySummaryFormat(r.Footer());
    EXPECT_EQ(r.calls, (QStringList { "decimals 9", "length 22", "decimals -1", "length 12" }));
}

TEST_F(FieldFormatSetters, TotalDecimalsOtherThanOneDigitGiveAnEmptyFooterFormat)
{
    for (const char* totals : { "9", "", "10", "2.0" }) {
        r.calls.clear();
        TotalDecimals = QLatin1String(totals);
        SetAmountSummaryFormat(r.Footer());
        EXPECT_EQ(r.calls, QStringList { QStringLiteral("footer ") }) << totals;
    }
}

TEST_F(FieldFormatSetters, UnsetCallbacksAreSkipped)
{
    NumberEditTarget edit;
    edit.setMaxLength = [this](int n) { r.calls << QString::number(n); };
    SetAmountEditFormat(edit);
    SetAmountColumnFormat(GridColumnTarget {});
    SetAmountSummaryFormat(nullptr);
    EXPECT_EQ(r.calls, QStringList { "15" });
}

} // namespace
