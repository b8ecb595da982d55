#pragma once
#include "documents/dockind.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class Query;

// The plain routines of the goods browsers (goods-in, order, return and the sales,
// warehouse and department browsers): the goods lists by mode, re-sorting, and the
// confirmation that turns the operator's picked lines into document lines.

// A list statement with its bound values.
struct GoodsListQuery {
    QString sql;
    QHash<QString, QVariant> params;
};

// The goods fields (alias "a") the sales browsers show, search and sort by: a shop's
// catalogue is large and the lists hold every row, so they read no more than these.
QString ListedGoodsColumns();
// Rows fetched when a long goods list opens; the rest follow as it is scrolled or searched.
constexpr int kGoodsListPage = 200;

// List modes of the purchase browsers: "1" all goods, "2" the warehouse's goods,
// "3" goods bought from the supplier. With bindOperatorWarehouse mode "2" lists all
// goods with the warehouse stock, empty where there is none; without it only goods
// with a stock row there. Supplier and warehouse together: goods on the supplier's
// approved documents of the kind into that warehouse. An empty category lists every
// category. Goods are listed by purchase frequency, then code.
GoodsListQuery PurchaseGoodsList(const DocKind& kind, const QString& mode, bool bindOperatorWarehouse, bool supplierBox,
    const QString& warehouse, const QString& supplier, const QString& category);

// The return browser's list: with onlySupplierGoods the goods on approved goods-in
// lines of the supplier (into this warehouse unless zero-stock returns are allowed);
// with zeroStockAllowed every such goods with the warehouse stock, 0 where none,
// otherwise only goods with stock above 0 there. Stock is b.kc_sl.
GoodsListQuery ReturnGoodsList(bool onlySupplierGoods, bool zeroStockAllowed, const QString& warehouse,
    const QString& supplier, const QString& category);

// The list statement re-sorted by a field of the list ("kc_sl", "g_name", ...) as
// the list's mode qualifies it: stock is b.kc_sl in mode "2", the goods' total stock
// otherwise, other fields are the goods'.
QString ResortGoodsList(const QString& sql, const QString& mode, const QString& field, bool descending);

// Whether the operator has picked the goods, or the document already has a line of it.
bool GoodsAlreadyAdded(const DocKind& kind, const QString& number, const QString& goodsSn);

// Copies the operator's picked lines (every one, in id order) to lines of the
// document under the number, each with the colour-by-size rows of its own picked
// line and tid = its id; the received quantity is the quantity, or 0 when
// stockQtyZero. Lines already on the document are left alone. The caller owns the
// transaction. Answers how many lines were copied. `alsoCopy` names further line
// columns and the scratch columns they take.
int CopyPickedLines(
    const DocKind& kind, const QString& number, bool stockQtyZero, const QList<QPair<QString, QString>>& alsoCopy = {});

// Opens a goods list on its statement and bound values; with pageRows above 0 only
// that many rows are fetched at first (the statement's order must have no ties).
void OpenGoodsList(Query& list, const GoodsListQuery& statement, int pageRows = 0);

// A browser's confirmation: its picks into the selected pending document or into the
// draft under the window's number.
struct PickConfirmation {
    bool pending = false;
    QString number;        // the number the window shows
    bool dropEmpty = true; // scratch lines without goods are dropped first
    bool stockQtyZero = false;
    QString zeroAllColumn; // pending only: once a line has 0 here, every line gets 0
};
// Copies the picks (CopyPickedLines) in one transaction, a draft number another
// operator holds redrawn first, empties the scratch, and has the document window
// show the number and reload its lines. Answers the number written.
QString ConfirmPicks(const DocKind& kind, const PickConfirmation& c);
