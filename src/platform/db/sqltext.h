#pragma once
#include <QString>

// A text as an SQL string literal: in single quotes, quotes inside doubled.
QString SqlQuoted(const QString& text);
