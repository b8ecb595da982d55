#pragma once
#include "documents/datechangeform.h"

// "修改开单日期" of a sales delivery ("XS") or return ("XT"); an exchange ("XH") is
// shown from the current pending row (Q_Shdj) and saving it only closes the dialog.
class TF_ModiDateXs : public DateChangeForm {
    Q_OBJECT
public:
    explicit TF_ModiDateXs(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick() override;

    KeyedCombo*& comKh = comPartner;

protected:
    void RefreshQuery(const QString& number) override;
};
