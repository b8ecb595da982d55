#pragma once
#include <QString>

class Query;

// The till's cart: the unsaved lines of a retail sales document in jxc_lsxssp with
// one colour-by-size row each in jxc_lsxsspmx, under the sale number and the
// cashier's name. Cashiers may share a number, so every statement here filters by
// the operator.
namespace PosCart {

// A line to add: the goods with its colour and size, the stock of that colour and
// size when it was scanned, and the prices of the pricing rules.
struct NewLine {
    QString goods;
    QString size;
    QString colour;
    int stock = 0;
    double price = 0;  // before discount
    double rate = 1;   // discount rate, 1 = none
    double retail = 0; // the goods' retail price
    double cost = 0;
};

// Empties the operator's cart under the number.
void Clear(const QString& number, const QString& op);
// The cart's total rounded to cents ("" for an empty cart); with RoundTotals the
// line amounts are first rounded to TotalDecimals.
QString Total(const QString& number, const QString& op);
// The total of the lines without the discount goods, unrounded ("0" when none).
QString LinesTotal(const QString& number, const QString& op);
int LineCount(const QString& number, const QString& op);

// A sale number that no cart, retail document or POS document (held sales too) holds.
QString FreeSaleNumber();
// When another operator's cart or a stored sale (paid or held) holds the number, draws a new one and moves the
// operator's lines to it, so that lines scanned before stay in the sale; answers the number the sale goes on under.
QString EnsureOwnNumber(const QString& number, const QString& op);
// One more of the goods: an equal line (goods, colour and size, gift lines too) grows
// by one at its own price; otherwise a new line. Answers the line's id. One transaction.
qint64 Add(const QString& number, const QString& op, const NewLine& line);

void DeleteLine(qint64 id, const QString& op);
void DeleteAll(const QString& number, const QString& op);
// Makes a line a gift: its prices and amounts become 0; quantity and cost stay.
void SetGift(qint64 id, const QString& op);

// The line-edit panel's arithmetic: the price after a discount rate (2 decimals) and
// the rate of a price (4 decimals, 1 when there is no original price).
double PriceAfterRate(double originalPrice, double rate);
double RateOfPrice(double originalPrice, double price);

struct LineEdit {
    qint64 id = 0;
    QString goods;
    double originalPrice = 0;
    double price = 0;
    double rate = 1;
    double qty = 0;
    int stock = 0;          // the line's t_kc
    bool permanent = false; // the price becomes the goods' sale price
    bool wholeSale = false; // the rate goes to every other line of the sale
};
// The refusal of an edit ("" when it may be saved), in the order the panel checks.
QString CheckLineEdit(const LineEdit& edit);
// Writes a checked edit: the line and its colour-by-size row, then the whole-sale
// rate or the permanent price. One transaction.
void SaveLineEdit(const QString& number, const QString& op, LineEdit edit);

// The goods matching a search in a warehouse, into the query: by barcode when the
// text is one (then *isBarcode), else by code, name, short code or goods barcode.
// Goods without stock there are left out unless zero-stock selling is allowed.
void OpenGoodsSearch(Query& query, const QString& text, const QString& warehouse, bool* isBarcode);
// The goods, size and colour codes of a barcode; false when it is none.
bool BarcodeVariant(const QString& barcode, QString* goods, QString* size, QString* colour);
// The stock of a colour and size in a warehouse: the sum of its jxc_tkc rows.
double ColorSizeStock(const QString& goods, const QString& warehouse, const QString& size, const QString& colour);

// The start of the operator's shift today: his first sale after a colleague's last
// one, else his first sale today, else `now`.
QString ShiftStart(const QString& op, const QString& now);

// The cart grid's font size (jxc_posfont, 14 when empty).
int FontSize();
void SaveFontSize(int size);

}
