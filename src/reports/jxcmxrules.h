#pragma once
#include "reports/jxcfilters.h"

#include <QDate>
#include <QString>

// The purchase-sales-stock detail: the stock-ledger rows one by one, labelled with
// their document kind and split into an in side and an out side (both positive).

using DetailFilter = LedgerFilter;

// The movement view over the period.
QString MovementStatement(const DetailFilter& f);
// The opening entries ("qc" rows) of any date; hideZero leaves out zero quantities.
QString OpeningEntriesStatement(const DetailFilter& f, bool hideZero);
