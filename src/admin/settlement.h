#pragma once
#include <QDate>
#include <QString>
#include <functional>

// Period settlement: summarises every kind of document up to a cut-off day, deletes
// the documents, logs and monthly balances up to it, and collapses the stock ledger,
// the invoice register, the cash journal and the partner ledger into one carried row
// per group dated at the end of the cut-off day. The cut-off takes all of its day.

// The carried rows' date text: the cut-off day at "23:59:00".
QString SettlementDateText(const QDate& cutoff);

// Whether a settlement at or after this day was already made.
bool AlreadySettled(const QDate& cutoff);

// Writes the summary rows of jxc_nj for the documents up to the cut-off (step 4).
void updateNj(const QDate& cutoff);

// The whole settlement after its questions and safety copy, in one transaction: a
// failing step leaves the account set as it was. `step` is told each step's number
// (4 to 11) and label as it begins.
void SettlePeriod(const QDate& cutoff, const std::function<void(int, const QString&)>& step = {});
