#include "foundation/fieldformats.h"

#include "foundation/settings.h"

namespace {

// Edits take up to 13 integer characters besides the decimals.
constexpr int kIntegerWidth = 13;

QString Decimals(int d)
{
    return d <= 0 ? QString() : QLatin1Char('.') + QString(d, QLatin1Char('0'));
}

bool InRange(int d)
{
    return d >= 0 && d <= 8;
}

template <class F, class... Args> void Call(const F& f, Args&&... args)
{
    if (f)
        f(std::forward<Args>(args)...);
}

void SetEdit(const NumberEditTarget& edit, int decimals, const QString& format)
{
    if (InRange(decimals))
        Call(edit.setDisplayFormat, format);
    Call(edit.setDecimalPlaces, decimals);
    Call(edit.setMaxLength, decimals + kIntegerWidth);
}

void SetColumn(const GridColumnTarget& column, int decimals, const QString& format, bool tableView)
{
    if (!InRange(decimals))
        return;
    Call(column.setDisplayFormat, format);
    Call(column.useCurrencyEditor);
    if (tableView)
        Call(column.setDecimalPlaces, decimals);
}

} // namespace

QString AmountFormatText(int decimals, const QString& currencySign)
{
    const QString sign = currencySign.isEmpty() ? QStringLiteral("#") : currencySign;
    const QString body = QStringLiteral(",0") + Decimals(decimals);
    return sign + body + QStringLiteral(";-") + sign + body;
}

QString AmountFooterFormatText(int decimals)
{
    const QString body = QStringLiteral("#,0") + Decimals(decimals);
    return body + QStringLiteral(";-") + body;
}

QString QtyFormatText(int decimals, bool tableView)
{
    if (decimals <= 0)
        return tableView ? QStringLiteral("#0;-#0") : QStringLiteral("#;-#");
    return QStringLiteral("#0") + Decimals(decimals) + QStringLiteral(";-#") + Decimals(decimals);
}

void SetAmountEditFormat(const NumberEditTarget& edit)
{
    SetEdit(edit, AmountDecimals, AmountFormatText(AmountDecimals, CurrencySign));
}

void SetAmountColumnFormat(const GridColumnTarget& column)
{
    SetColumn(column, AmountDecimals, AmountFormatText(AmountDecimals, CurrencySign), true);
}

void SetBandedAmountColumnFormat(const GridColumnTarget& column)
{
    SetColumn(column, AmountDecimals, AmountFormatText(AmountDecimals, CurrencySign), false);
}

void SetAmountSummaryFormat(const FooterFormatTarget& footer)
{
    if (!InRange(AmountDecimals))
        return;
    // TotalDecimals is a text; anything but "0".."8" leaves the footer unformatted.
    const bool digit
        = TotalDecimals.size() == 1 && TotalDecimals[0] >= QLatin1Char('0') && TotalDecimals[0] <= QLatin1Char('8');
    Call(footer, digit ? AmountFooterFormatText(TotalDecimals.toInt()) : QString());
}

void SetBandedAmountSummaryFormat(const FooterFormatTarget& footer)
{
    if (InRange(AmountDecimals))
        Call(footer, AmountFooterFormatText(AmountDecimals));
}

void SetQtyEditFormat(const NumberEditTarget& edit)
{
    SetEdit(edit, QtyDecimals, QtyFormatText(QtyDecimals, false));
}

void SetQtyColumnFormat(const GridColumnTarget& column)
{
    SetColumn(column, QtyDecimals, QtyFormatText(QtyDecimals, true), true);
}

void SetBandedQtyColumnFormat(const GridColumnTarget& column)
{
    SetColumn(column, QtyDecimals, QtyFormatText(QtyDecimals, false), false);
}

void SetQtySummaryFormat(const FooterFormatTarget& footer)
{
    if (InRange(QtyDecimals))
        Call(footer, QtyFormatText(QtyDecimals, true));
}

void SetBandedQtySummaryFormat(const FooterFormatTarget& footer)
{
    if (InRange(QtyDecimals))
        Call(footer, QtyFormatText(QtyDecimals, false));
}
