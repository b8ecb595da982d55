#pragma once
#include <QString>

class Query;

// Actions that the purchase and the sales query windows take on one listed trade
// document, each showing its own refusals.

// The source of a whole-document return: the prefix that may be returned, its header
// table and the header's returned flag.
struct WholeReturnSource {
    const char* prefix;
    const char* header;
    const char* flagColumn;
};
// Whether `number` may be handed to the return window as a whole: of the source's
// prefix, not returned as a whole before, and saved. Shows the refusal otherwise.
bool WholeReturnAllowed(const QString& number, const WholeReturnSource& source);

// Money settled later against the current row of `list` (number in `numberField`):
// refused with `notNeeded` when nothing is owed, else `window` is opened on it. True
// when money was recorded; the list is then reopened on the same document.
bool SettleCurrentDocument(Query& list, const QString& numberField, const QString& window, const QString& notNeeded);
