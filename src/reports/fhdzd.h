#pragma once
#include "reports/ledgerstatswindow.h"

// 发货对帐单: the goods lines that went out to a customer or a department, returns
// included, for agreeing quantities and amounts with the partner.
class TF_Fhdzd : public LedgerStatsWindow {
    Q_OBJECT
public:
    explicit TF_Fhdzd(QWidget* parent = nullptr);

protected:
    ReportVariables PrintVariables(bool summary) const override;
};

// 收货对帐单: the goods lines that came in from a supplier or a production department.
class TF_Shdzd : public LedgerStatsWindow {
    Q_OBJECT
public:
    explicit TF_Shdzd(QWidget* parent = nullptr);

protected:
    ReportVariables PrintVariables(bool summary) const override;
};

extern TF_Fhdzd* F_Fhdzd;
extern TF_Shdzd* F_Shdzd;
