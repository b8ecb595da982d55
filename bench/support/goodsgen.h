#pragma once

class Connection;

// A shop-size account set for the master-data benchmarks: categories, goods, stock
// ledger rows and goods-in and sales lines, written with a few set statements.
struct GoodsgenSize {
    int topCategories = 20; // each with nine sub-categories: 200 categories
    int goods = 20000;      // spread evenly over every category
    int ledgerRows = 1000000;
    int lines = 100000;  // half goods-in lines, half sales lines
    int freeGoods = 200; // the goods with the highest numbers have no business at all
};

// Fills the tables of an account set that holds only its seed rows. Goods codes are
// "G" + six digits from G000000; category codes follow the tree's scheme from "1001".
void GoodsgenFillShop(Connection& c, const GoodsgenSize& size = GoodsgenSize());
// The code of goods number i.
const char* GoodsgenCodeFormat();
