#pragma once
#include <QHash>
#include <QString>
#include <QVariant>

#include "platform/db/connection.h"

// What the posting routines share: the account-set connection, statements with
// bound values and the rounding every amount goes through before it is written.
namespace posting {

using Params = QHash<QString, QVariant>;

Connection& Db();
void Run(const QString& sql, const Params& params = {});
// The first value of the first row; an invalid variant for no row or a null.
QVariant First(const QString& sql, const Params& params = {});
// The first value as a number: no row or null gives `fallback`.
double FirstNumber(const QString& sql, const Params& params = {}, double fallback = 0);
// Whether the first value exists and is not null; its number goes to `out`.
bool FindNumber(const QString& sql, const Params& params, double& out);

// round(x + 0.000000001, d): half away from zero after the small increment.
double RoundUp(double x, int decimals);
// The scale of the amount columns: what running values are written with.
double Round8(double x);
// The decimals of stored values: TotalDecimals when RoundTotals is on, else AmountDecimals.
int ValueDecimals();

} // namespace posting
