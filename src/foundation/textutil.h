#pragma once
#include <QString>

// Small text services: operator text made safe inside SQL literals, amounts in
// capital money words, names of shortcut keys, and the approval hooks.

// Replaces the ASCII punctuation that would break or widen a statement by its
// full-width form; the apostrophe and double quote become typographic quotes, '^'
// and '`' are dropped. For search keys, names and notes going into statements.
QString SafeSqlText(const QString& text);
// As SafeSqlText but keeps ( ) + - /, which names and notes of master data need.
QString ToFullWidthText(const QString& text);
// Replaces only ' ? % and drops '`'; for the fields of the goods windows.
QString SafeSqlText2(const QString& text);

// The amount in capital money words ("壹仟零伍元整"); empty when the text is not a
// plain decimal number with an optional leading '-'.
QString AmountInWords(const QString& amount);

// Display name of a virtual-key code as the till shows it ("F5", "Page Up");
// empty for digits, letters and keys the till does not offer.
QString KeyCodeToName(int keyCode);
// The display name of the key assigned to a till function in jxc_gnb; empty when none.
QString GetPosKeyName(const QString& functionName);

// Position (from 1) of the n-th occurrence of sub in text, overlapping occurrences
// counted; the last one found when there are fewer; 0 when there is none.
int PosAfterNth(const QString& sub, const QString& text, int n);

// Asked before a goods document is approved and before an approval is cancelled;
// "ok" lets it go ahead, any other answer is the refusal to show.
QString CheckApproveAllowed(const QString& docNo, const QString& docDate);
QString CheckUnapproveAllowed(const QString& docNo);
