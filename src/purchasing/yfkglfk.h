#pragma once
#include "documents/docmoneyform.h"

// "单据付款": a later payment against the approved goods-in or return in SelectedSn.
class TF_Yfkgl_Fk : public DocMoneyForm {
    Q_OBJECT
public:
    explicit TF_Yfkgl_Fk(QWidget* parent = nullptr);
    void FormActivate() override;

    QLabel*& ghs_name = partnerName;
};
