#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Opening stock: the quantity of a goods in a warehouse by colour and size, with its
// cost price, set up before the goods has any business there. Each routine runs in
// one transaction.

struct OpeningCell {
    QString colorSn;
    QString sizeSn;
    double qty = 0;
};

struct OpeningStockInput {
    QString goodsSn;
    QString warehouseSn;
    QString warehouseName;
    double cost = 0;
    QList<OpeningCell> cells; // every cell of the grid, empty ones as 0
};

// The decimals of a stock value: the totals' when they keep their own, else the amounts'.
int OpeningValueDecimals();

// Sets the goods up in the warehouse: stock row, opening ledger row dated 1 January
// five years back, colour-and-size stock and ledger detail, the month's warehouse
// balance and the goods' totals and prices. Returns the refusal, "" when done.
QString AddOpeningStock(const OpeningStockInput& in);
// Rewrites the set-up of a goods without business in the warehouse; the goods' and
// the month's totals move by the difference to oldQty at oldCost.
QString ChangeOpeningStock(const OpeningStockInput& in, double oldQty, double oldCost);

// Whether the goods has a ledger row with a document number in the warehouse.
bool HasOpeningBusiness(const QString& goodsSn, const QString& warehouseSn);

struct OpeningGoods {
    QString goodsSn;
    QString name;
    double qty = 0;
    double cost = 0;
};
struct OpeningDeleteResult {
    QStringList lines; // one per goods kept because it has business
    int deleted = 0;
};
// Removes the set-up of each goods that has no goods-in, sale or other ledger row
// but its opening rows in the warehouse.
OpeningDeleteResult DeleteOpeningStock(const QString& warehouseSn, const QList<OpeningGoods>& goods);
