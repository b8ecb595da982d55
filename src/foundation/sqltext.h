#pragma once
#include "platform/db/sqltext.h"

#include <QString>

// Operator text made safe inside the SQL literals of statements built as text.

// Replaces the ASCII punctuation that would break or widen a statement by its
// full-width form; the apostrophe and double quote become typographic quotes, '^'
// and '`' are dropped. For search keys, names and notes going into statements.
QString SafeSqlText(const QString& text);
// As SafeSqlText but keeps ( ) + - /, which names and notes of master data need.
QString ToFullWidthText(const QString& text);
// Replaces only ' ? % and drops '`'; for the fields of the goods windows.
QString SafeSqlText2(const QString& text);
