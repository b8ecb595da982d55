#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <map>

// Builders for the posting, reversal and document-window tests: master data, trade
// documents and ledger rows written straight into the account set, and a snapshot
// of the posted state to compare before and after.
namespace fixture {

// Colours and sizes are given as "code:name" (or "code" alone, named after it);
// the built-in colour and size "100001" are used when a list is empty.
struct GoodsSpec {
    QString sn;
    QString name;
    QStringList colors;
    QStringList sizes;
    double purchasePrice = 0; // g_jj
    double average = 0;       // g_pjjj
    bool fixedCost = false;   // g_gdcbj
    double salePrice = 0;     // g_sj
    double discount = 1;      // g_dzll, the default discount of a sale
    QString barcode;          // g_sptm, also a barcode of the first colour and size
};
// The goods with a colour group and a size group of its own and one barcode per
// colour and size (goods code + colour code + size code).
void AddGoods(const GoodsSpec& goods);
// Colour-by-size stock (jxc_tkc) of a goods in a warehouse: a row added each call.
void AddColorSizeStock(
    const QString& goods, const QString& warehouse, const QString& color, const QString& size, double qty);

void AddWarehouse(const QString& sn, const QString& name);
void AddSupplier(const QString& sn, const QString& name);
void AddCustomer(const QString& sn, const QString& name);
void AddStaff(const QString& sn, const QString& name);
void AddAccount(const QString& sn, const QString& name);

enum class Trade { GoodsIn, PurchaseReturn, Sale, SalesReturn };

// The tables and column names of a trade kind.
struct TradeTables {
    QString header, lines, detail;
    QString date, partner, status, price, qty, amount, total, discount;
};
const TradeTables& TablesOf(Trade kind);

struct SizeQty {
    QString color;
    QString size;
    double qty;
};
struct LineSpec {
    QString goods;
    double qty = 0;
    double price = 0;
    QList<SizeQty> rows; // empty: one row of the built-in colour and size with the line's quantity
};
struct DocSpec {
    Trade kind = Trade::GoodsIn;
    QString number;
    QString date; // "yyyy-MM-dd HH:mm"
    QString partner = QStringLiteral("100001");
    QString warehouse = QStringLiteral("100001");
    QString staff = QStringLiteral("100001");
    int status = 0;
    QList<LineSpec> lines;
};
// Header, lines (amount = price × quantity, tid = id) and colour-by-size rows
// linked to their line by tid. Answers the ids of the lines in order.
QList<qint64> AddDocument(const DocSpec& doc);

// One stock-ledger row; answers its id.
struct LedgerSpec {
    QString kind;
    QString number;
    QString date;
    QString goods;
    QString warehouse = QStringLiteral("100001");
    double qty = 0;
    double amount = 0; // gl_je
    double price = 0;  // gl_dj
    double cost = 0;   // gl_zcb
    qint64 lineId = 0; // tid and id2
};
qint64 AddLedgerRow(const LedgerSpec& row);

// The stock row of a goods in a warehouse (inserted when missing).
void SetWarehouseStock(const QString& goods, const QString& warehouse, double qty, double cost, double bookQty);

// The posted state: every row of the ledger, stock, cost, balance and money
// tables as text without its id, sorted; the operation log is left out, and of
// goods and partners only the stock and balance columns count.
struct Snapshot {
    std::map<QString, QStringList> tables;
    bool operator==(const Snapshot& other) const { return tables == other.tables; }
};
Snapshot TakeSnapshot();
// The rows that differ, table by table, for a failure message.
QString Difference(const Snapshot& before, const Snapshot& after);

} // namespace fixture
