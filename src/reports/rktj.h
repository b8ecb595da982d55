#pragma once
#include "reports/ledgerstatswindow.h"

// The goods movement statistics: one direction of goods in a period, for a partner
// or department or for all.
class TF_Rktj : public LedgerStatsWindow { // 入库统计表
    Q_OBJECT
public:
    explicit TF_Rktj(QWidget* parent = nullptr);
};

class TF_Rkthtj : public LedgerStatsWindow { // 退货统计表
    Q_OBJECT
public:
    explicit TF_Rkthtj(QWidget* parent = nullptr);
};

class TF_Cktj : public LedgerStatsWindow { // 出库统计表
    Q_OBJECT
public:
    explicit TF_Cktj(QWidget* parent = nullptr);
};

class TF_Cktktj : public LedgerStatsWindow { // 退库统计表
    Q_OBJECT
public:
    explicit TF_Cktktj(QWidget* parent = nullptr);
};

extern TF_Rktj* F_Rktj;
extern TF_Rkthtj* F_Rkthtj;
extern TF_Cktj* F_Cktj;
extern TF_Cktktj* F_Cktktj;
