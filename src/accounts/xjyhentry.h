#pragma once
#include "accounts/cashjournal.h"
#include "platform/ui/form.h"

class KeyedCombo;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The money-in ("进款") and money-out ("出款") dialog, adding (OpenMode "add") or
// changing the journal window's current pending row ("modi"). A save that adds
// leaves the new number in OpenMode; one that changes leaves it empty. What the
// operator typed survives the voucher preview.
class CashEntryDialog : public Form {
    Q_OBJECT
public:
    CashEntryDialog(CashEntryKind kind, QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void btnPrinClick();
    bool FormKeyDown(int key);

    KeyedCombo* comYhzh;
    QLineEdit* tfyje;
    KeyedCombo* comUser;
    QDateEdit* dateCg;
    QLineEdit* tnote;
    QPushButton* btnOK;
    QPushButton* btnExit;
    QPushButton* btnPrin;

private:
    CashEntry Entered() const;
    CashEntryKind kind_;
};

class TF_Xjyh_Jk : public CashEntryDialog {
    Q_OBJECT
public:
    explicit TF_Xjyh_Jk(QWidget* parent = nullptr) : CashEntryDialog(CashEntryKind::MoneyIn, parent) { }
};
class TF_Xjyh_Ck : public CashEntryDialog {
    Q_OBJECT
public:
    explicit TF_Xjyh_Ck(QWidget* parent = nullptr) : CashEntryDialog(CashEntryKind::MoneyOut, parent) { }
};

// "转账" between two accounts.
class TF_Xjyh_Zz : public Form {
    Q_OBJECT
public:
    explicit TF_Xjyh_Zz(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();

    KeyedCombo* comYhzh;
    KeyedCombo* comYhzh1;
    QLineEdit* tfyje;
    KeyedCombo* comUser;
    QDateEdit* dateCg;
    QLineEdit* tnote;
    QPushButton* btnOK;
    QPushButton* btnExit;
};
