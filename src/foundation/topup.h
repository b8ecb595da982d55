#pragma once
#include <QString>

// Releases the member top-up bonuses that fall due by time: monthly instalments
// (from the 10th of a month) and daily ones, each due top-up paid once, in one row,
// for all periods passed; and writes off the sale-bound instalments whose period
// passed without a sale. All rows of one run share one XF number, and the members'
// stored value is credited with exactly those rows. The run is one unit of work:
// on any failure nothing of it stays and the login goes on without a message.
void ApplyMonthlyTopUpGifts();

// The member's level after adding points: the level whose points range holds the
// new total when automatic level change is on, else the current level; empty
// when no level's range holds the total.
QString GetMemberLevelByPoints(const QString& memberSn, qint64 addedPoints);
