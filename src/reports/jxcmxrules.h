#pragma once
#include "reports/jxcfilters.h"

#include <QDate>
#include <QString>

class Query;

// The purchase-sales-stock detail: the stock-ledger rows one by one, labelled with
// their document kind and split into an in side and an out side (both positive).

using DetailFilter = LedgerFilter;

// The movement view over the period.
QString MovementStatement(const DetailFilter& f);
// The opening entries ("qc" rows) of any date; hideZero leaves out zero quantities.
QString OpeningEntriesStatement(const DetailFilter& f, bool hideZero);

// Opens one of the lists above a page at a time (a month of a shop's ledger runs to
// a hundred thousand rows): the rest follow as they are read, and footer sums are
// counted by the database.
void OpenLedgerRows(Query& rows, const QString& statement);
