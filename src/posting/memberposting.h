#pragma once
#include <QString>

// Settling a member at the till: top-up instalments paid out at a purchase, points
// (amount per point, stored value, promotional and special-points goods, carried
// remainder, birthday or period multiple), the discount scheme's stored-value bonus,
// level, total spending and visit count. One transaction, nested under the caller's.

// Modes: "XS" a sale, "XT" a return, "unXS" / "unXT" taking them back.
void PostPosDocument(const QString& docNo, const QString& memberSn, const QString& mode);
// The spending remainder that has not yet earned a point (hy_ye), when it is carried.
void UpdateMemberBalance(const QString& memberSn);
// The level whose points range holds the points; "100001" when none does.
QString GetLevelByPoints(const QString& points);
