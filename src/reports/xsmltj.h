#pragma once
#include "reports/ledgerstatswindow.h"

// 销售毛利统计表: the sales and returns of a period with their cost and gross
// profit, line by line or per goods and customer.
class TF_Xsmltj : public LedgerStatsWindow {
    Q_OBJECT
public:
    explicit TF_Xsmltj(QWidget* parent = nullptr);
};

extern TF_Xsmltj* F_Xsmltj;
