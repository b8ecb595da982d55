#pragma once
#include "platform/ui/form.h"

class KeyedCombo;
class QDateEdit;
class QPushButton;

// "重新计算结存数据": reruns the stock ledger's running balances from a day on,
// opened from the stock check list. Created at each opening.
class TF_Kccx_Js : public Form {
    Q_OBJECT
public:
    explicit TF_Kccx_Js(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSaveClick();

    QDateEdit* tdate1;
    KeyedCombo* comCk;
    QPushButton* btnSave;
    QPushButton* btnExit;
};
