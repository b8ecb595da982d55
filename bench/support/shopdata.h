#pragma once
#include <QTemporaryDir>
#include <memory>

class Connection;
class TF_DataModule;

// The size of a shop's account set for the benchmarks.
struct ShopSize {
    int goods = 20000;
    int warehouses = 5;        // "100001" and "W2".."W5"
    int ledgerRows = 1000000;  // spread evenly over every (goods, warehouse)
    int partners = 2000;       // half customers "K…", half suppliers "S…"
    int partnerRows = 1000000; // of which `busyPartnerRows` belong to customer "KBUSY"
    int busyPartnerRows = 50000;
};

// Fills an account set built by CreateAllTables: goods with three colours and four
// sizes (barcodes for each), warehouses, staff, partners, stock per warehouse and
// per colour and size, stock-ledger rows (an opening entry, then goods-in and sales
// in turn, their running columns left to a walk) and partner-ledger rows.
void FillShopData(Connection& c, const ShopSize& size);

// A shop-size account set in a temporary program folder with the data module
// connected, built once per benchmark run and shared by the benchmarks of it.
class ShopData {
public:
    static ShopData& Get(const ShopSize& size = ShopSize());
    TF_DataModule& Module() { return *dm_; }
    const ShopSize& Size() const { return size_; }

private:
    explicit ShopData(const ShopSize& size);
    QTemporaryDir dir_;
    std::unique_ptr<TF_DataModule> dm_;
    ShopSize size_;
};
