#pragma once
#include "platform/ui/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

// The lock screen: covers the till until the cashier types his password. Nothing but
// the right password closes it.
class TF_Xtsd : public Form {
    Q_OBJECT
public:
    explicit TF_Xtsd(QWidget* parent = nullptr);
    void FormActivate() override;
    bool FormCloseQuery() override;
    void btnUnlockClick();

    QLabel* lName = nullptr;
    QLineEdit* tpwd = nullptr;
    QPushButton* btnUnlock = nullptr;

private:
    bool unlocked_ = false;
};
