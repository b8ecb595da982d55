#pragma once
#include "accounts/registrationkind.h"
#include "platform/ui/form.h"

class KeyedCombo;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;

// The entry dialog of one registration, receipt or payment, adding (OpenMode "add",
// against the partner picked in the list) or changing the list's current row
// ("modi"). A save that adds leaves the new number in OpenMode.
class RegistrationDialog : public Form {
    Q_OBJECT
public:
    RegistrationDialog(const RegistrationKind& kind, const char* objectName, QWidget* parent = nullptr);

    void FormActivate() override;
    void dateCgChange();
    void btnOKClick();
    void btnCancelClick();
    bool FormKeyDown(int key);

    QLabel* lDjh;
    QDateEdit* dateCg;
    QLabel* lPartner;
    QLabel* lBalance;
    KeyedCombo* comUser;
    QLineEdit* tgsj;
    QLineEdit* tmlje;    // receipts and payments
    KeyedCombo* comYhzh; // receipts and payments
    QLineEdit* tnote;
    QCheckBox* chkPrint;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    bool Adding() const;
    const RegistrationKind& kind_;
    QString partnerSn_;
};

class TF_Yskdj_Sele : public RegistrationDialog {
    Q_OBJECT
public:
    explicit TF_Yskdj_Sele(QWidget* parent = nullptr);
};
class TF_Yfkdj_Sele : public RegistrationDialog {
    Q_OBJECT
public:
    explicit TF_Yfkdj_Sele(QWidget* parent = nullptr);
};
class TF_Ysksk_Sele : public RegistrationDialog {
    Q_OBJECT
public:
    explicit TF_Ysksk_Sele(QWidget* parent = nullptr);
};
class TF_Yfkfk_Sele : public RegistrationDialog {
    Q_OBJECT
public:
    explicit TF_Yfkfk_Sele(QWidget* parent = nullptr);
};
