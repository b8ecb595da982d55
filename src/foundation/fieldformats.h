#pragma once
#include <QString>

#include <functional>

// Display formats of amount and quantity edits, grid columns and footer sums,
// following the decimals of the settings (AmountDecimals, QtyDecimals,
// TotalDecimals) and CurrencySign. The setters reach their target through the
// callbacks it offers, so they work for any edit or grid; an unset callback is skipped.
// The format texts are rendered by FormatFloat (platform/base/displayformat.h).

// S,0.00;-S,0.00 with S the currency sign, or "#" without one.
QString AmountFormatText(int decimals, const QString& currencySign);
// #,0.00;-#,0.00 for footer sums of amounts.
QString AmountFooterFormatText(int decimals);
// #0.00;-#.00 for quantities; without decimals "#0;-#0" in table views and
// "#;-#" in edits and banded views.
QString QtyFormatText(int decimals, bool tableView);

// A number edit (amount or quantity field of a window).
struct NumberEditTarget {
    std::function<void(const QString&)> setDisplayFormat;
    std::function<void(int)> setDecimalPlaces;
    std::function<void(int)> setMaxLength;
};
// A grid column showing amounts or quantities.
struct GridColumnTarget {
    std::function<void(const QString&)> setDisplayFormat;
    std::function<void()> useCurrencyEditor; // edited in place as a number
    std::function<void(int)> setDecimalPlaces;
};
// The format of a column's first footer summary.
using FooterFormatTarget = std::function<void(const QString&)>;

void SetAmountEditFormat(const NumberEditTarget& edit);
void SetAmountColumnFormat(const GridColumnTarget& column);
void SetBandedAmountColumnFormat(const GridColumnTarget& column);
// The table view's footer follows TotalDecimals; the banded view's AmountDecimals.
void SetAmountSummaryFormat(const FooterFormatTarget& footer);
void SetBandedAmountSummaryFormat(const FooterFormatTarget& footer);

void SetQtyEditFormat(const NumberEditTarget& edit);
void SetQtyColumnFormat(const GridColumnTarget& column);
void SetBandedQtyColumnFormat(const GridColumnTarget& column);
void SetQtySummaryFormat(const FooterFormatTarget& footer);
void SetBandedQtySummaryFormat(const FooterFormatTarget& footer);
