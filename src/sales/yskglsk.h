#pragma once
#include "documents/docmoneyform.h"

// "单据收款": money collected later against the approved delivery or return in
// SelectedSn. The receivables window opens it too.
class TF_Yskgl_Sk : public DocMoneyForm {
    Q_OBJECT
public:
    explicit TF_Yskgl_Sk(QWidget* parent = nullptr);

    QLabel*& kh_name = partnerName;
};
