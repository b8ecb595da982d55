#pragma once

class ShopData;

// The till's shop-size account set (100,000 goods with four barcodes each,
// 1,000,000 stock-ledger rows), built once for the benchmarks of the till.
ShopData& TillShop();
