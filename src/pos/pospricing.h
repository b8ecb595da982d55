#pragma once
#include <QDateTime>
#include <QString>

class Query;

// The price of goods at the till. The member re-pricing of the cart applies the same
// rules, so they live here without a window.

// The buyer at the till: the member's card number (empty for none) and his level's
// discount rate, and the member-day values of the settings.
struct PosBuyer {
    QString memberNo;
    double levelDiscount = 1;
    bool memberDay = false;
    double memberDayDiscount = 1;
    bool IsMember() const { return !memberNo.isEmpty(); }
};

struct PosPrice {
    double price = 0; // before discount
    double rate = 1;  // discount rate
};

// The buyer as the settings and the till's member panel give him.
PosBuyer CurrentPosBuyer(const QString& memberNo, const QString& levelDiscount);

// Prices the goods of the query's current jxc_goods row: its sale price (or the retail
// customer's price by setting); on a member day only the member-day rate for a
// member; otherwise a rate per member level and goods overrides everything, then the
// member's level rate or else the goods' own discount, and in a special-price period
// the member price for a member or the special price for other buyers.
// Re-pricing the cart for a member differs in two ways: the price is the sale price
// itself, and the rate per member level and goods counts only for goods flagged for it
// (g_dxdz).
PosPrice PricePosGoods(const Query& goods, const PosBuyer& buyer, const QDateTime& now, bool repricing = false);
// Whether the goods of the row are in their special-price period at that moment; a
// period end without a time of day includes that whole day.
bool InSpecialPeriod(const Query& goods, const QDateTime& now);
