#pragma once
#include "reports/ledgerstatswindow.h"

// 发货成本统计: the cost of the goods that left through sales deliveries and
// requisitions, line by line or per goods and receiving party.
class TF_Fhcb : public LedgerStatsWindow {
    Q_OBJECT
public:
    explicit TF_Fhcb(QWidget* parent = nullptr);

protected:
    ReportVariables PrintVariables(bool summary) const override;
};

extern TF_Fhcb* F_Fhcb;
