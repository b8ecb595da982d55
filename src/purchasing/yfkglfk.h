#pragma once
#include "platform/ui/form.h"

class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// "单据付款": a later payment against the approved goods-in or return in SelectedSn.
// ResultText carries the amount once the payment is saved; it stays empty when the
// dialog is left without saving. Callers create it, show it and free it.
class TF_Yfkgl_Fk : public Form {
    Q_OBJECT
public:
    explicit TF_Yfkgl_Fk(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();

    QLabel* gldjh;
    QLabel* ghs_name;
    QLineEdit* kh_ye;
    QLineEdit* tyfje;
    QLineEdit* tsfje;
    QLineEdit* thkje;
    QLineEdit* tje;
    KeyedCombo* comUser;
    KeyedCombo* comYhzh;
    QLineEdit* tnote;
    QDateEdit* dateCg;
    QPushButton* btnSave;
    QPushButton* btnExit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
