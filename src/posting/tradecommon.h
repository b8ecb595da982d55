#pragma once
#include <QHash>
#include <QString>
#include <QVariant>

#include "posting/rowinsert.h"

// What the trade postings (goods-in, purchase return, sale, sales return) share:
// the header read with its partner, staff and warehouse, the money rows, the
// freight and packing expenses and the stock movements per warehouse.
namespace posting::trade {

// One row's fields by column name.
class Fields {
public:
    Fields() = default;
    explicit Fields(QHash<QString, QVariant> values) : values_(std::move(values)) { }
    QVariant Value(const QString& column) const { return values_.value(column); }
    QString Text(const QString& column) const;
    // An empty or missing value counts as 0.
    double Number(const QString& column) const;

private:
    QHash<QString, QVariant> values_;
};

// The header of the number through `sql` (bound ":djh"). A header whose partner,
// staff or warehouse row is missing finds nothing: that throws, so a posting that
// would write empty names writes nothing at all.
Fields ReadHeader(const QString& sql, const QString& docNo);

QString Today();
// Settlement mode "0" settles by what was paid; anything else (empty too) puts the
// rest on the partner's account.
bool SettlesByPayment(const QString& mode);

struct MoneyEntry {
    QString docNo, date, staffSn, staffName, partnerSn, partnerName, warehouseName, account, note;
};
// A cash and bank row of the entry, audited, its running balance left to the recalculation.
Row CashRow(const MoneyEntry& e, const QString& kind, double amount);

struct PartnerEntry {
    QString side;     // "ghs" or "kh"
    QString kind;     // "CJ", "XS", ...
    QString kindText; // "采购进货单", ...
    double due = 0;
    double paid = 0;
    double balance = 0; // provisional; the recalculation sets the final one
};
Row LedgerRow(const MoneyEntry& e, const PartnerEntry& p);
Row InvoiceRow(
    const MoneyEntry& e, const PartnerEntry& p, double invoiced, const QString& invoiceNo, const QString& checkDate);

// Freight and packing the shop pays: an expense row and a cash row each when the
// amount is above 0, then the account's balance from the date.
void PostFreightAndPacking(const MoneyEntry& e, const QString& notePrefix, double freight, double packing);

// Adds to the warehouse stock row of the goods (physical, book and sold
// quantities); a missing row is inserted with `newCost` as its cost.
void AddWarehouseStock(
    const QString& goods, const QString& warehouse, double qty, double bookQty, double soldQty, double newCost);

// The goods' average after a purchase-side posting: the goods-wide average of its
// warehouses, or `price` when the book quantities sum to 0 or the average is negative.
void SetGoodsAverage(const QString& goods, double price);

// Moves the colour-by-size stock by the rows of the document's lines whose
// `qtyColumn` is above 0 (sign +1 in, -1 out), then sets the goods and warehouse
// totals from it. Lines left to a later stock-in or stock-out move nothing.
void MoveColorSizeStockOfLines(const QString& detailTable, const QString& lineTable, const QString& qtyColumn,
    const QString& docNo, const QString& warehouse, int sign);

// The moving-average walk once per goods of the document, from its first row;
// the discount goods "00000000" only when asked for.
void WalkGoodsOfDoc(const QString& docNo, bool withDiscountGoods);

// Monthly balances of the warehouse for the month of the date.
void UpdateMonth(const QString& warehouse, const QString& date);

} // namespace posting::trade
