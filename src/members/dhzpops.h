#pragma once
#include <QDate>
#include <QString>

// Gift exchange for points without widgets: the exchange-period rule, the lines of
// the exchange under entry (the operator's rows of jxc_dhzp) and the saving.

// The period rule of the settings (IcCardType): "" when the member may exchange now,
// else the notice with the date of his earlier exchange in the period.
QString ExchangePeriodNotice(const QString& memberSn, const QDate& today);

// Adds one of the gift to the operator's lines of the number: a second pick raises
// the line's quantity and points.
void AddGiftLine(const QString& number, const QString& goodsSn, const QString& operatorName);
void SetGiftLineQuantity(qint64 lineId, qint64 quantity);
void DeleteGiftLine(qint64 lineId);
// Drops the operator's lines of an exchange not saved.
void DropGiftLines(const QString& number, const QString& operatorName);
int GiftLineCount(const QString& number, const QString& operatorName);

struct ExchangeInput {
    QString number;
    QString operatorName;
    QString card; // the member's card number, "" for an ordinary customer
    bool ordinaryCustomer = false;
    bool periodBlocked = false;
    QString warehouseSn;
};
enum class ExchangeOutcome { Saved, NoLines, Refused };
struct ExchangeResult {
    ExchangeOutcome outcome = ExchangeOutcome::NoLines;
    QString message;
};
// Checks and saves the exchange in one transaction: header, the member's points, the
// expense row of the gifts' cost, "dh" ledger rows with stock and average cost.
ExchangeResult SaveGiftExchange(const ExchangeInput& in);
