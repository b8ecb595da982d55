#pragma once
#include <QString>

// Position (from 1) of the n-th occurrence of sub in text, overlapping occurrences
// counted; the last one found when there are fewer; 0 when there is none.
int PosAfterNth(const QString& sub, const QString& text, int n);
