#pragma once
#include <QString>

// A stored goods-in document handed to the sales delivery window becomes draft lines
// of a delivery under `number` (the operator's): each goods-in line whose goods still
// exist gives a line at the goods' sale price with the goods-in line's rate and tax,
// its price as cost; the colour-by-size rows of the copied lines follow, linked to
// the line made from their own goods-in line. One transaction. Answers the sum of
// the copied line totals.
double TakeOverGoodsInToSale(const QString& goodsInNo, const QString& number);

// The goods-in header's note, warehouse name and handler name; empty when the
// header or its warehouse or handler is gone.
struct GoodsInHeader {
    bool found = false;
    QString note;
    QString warehouse;
    QString handler;
};
GoodsInHeader ReadGoodsInHeader(const QString& goodsInNo);
