#pragma once
#include "documents/datechangeform.h"

// "修改开单日期" of a purchase goods-in or return.
class TF_ModiDateJh : public DateChangeForm {
    Q_OBJECT
public:
    explicit TF_ModiDateJh(QWidget* parent = nullptr);

    KeyedCombo*& comGhs = comPartner;

protected:
    void RefreshQuery(const QString& number) override;
};

// The same for a pending purchase order: the current row of the order window's
// pending list (Q_Shdj).
class TF_Cgd_Modi : public TF_ModiDateJh {
    Q_OBJECT
public:
    explicit TF_Cgd_Modi(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick() override;
};

// Opens TF_ModiDateJh on a document for a caller ("cgjh" or "jthcx"), the hand-over
// values set around the showing.
void OpenDateChange(const QString& caller, const QString& number);
