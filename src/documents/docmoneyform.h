#pragma once
#include "platform/ui/form.h"

class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog of money settled later against the approved document in SelectedSn
// (docpayment.h): the purchase payment and the sales receipt share it and differ in
// their captions. ResultText carries the amount once it is saved and stays empty
// when the dialog is left without saving. Callers create it, show it and free it.
class DocMoneyForm : public Form {
    Q_OBJECT
public:
    struct Texts {
        const char* objectName;
        const char* caption;
        const char* partner;     // label of the partner's name
        const char* balance;     // label of the partner's balance
        const char* labels[4];   // payable, paid, settled later, amount now
        const char* account;     // label of the account
        const char* date;        // label of the date
        const char* notice;      // the notice under the fields
        const char* zeroMessage; // refusal of a zero amount
        const char* ledgerSide;  // "ghs" or "kh"
        bool accountFallsBack;   // an account missing from the list selects the first one
    };
    DocMoneyForm(const Texts& texts, QWidget* parent);

    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();

    QLabel* gldjh;
    QLabel* partnerName;
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
    // The partner code of the document shown.
    QString partnerSn_;

private:
    Texts texts_;
};
