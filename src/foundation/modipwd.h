#pragma once
#include "platform/ui/form.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// The logged-in operator changes his own password. Opened from the main window's
// "修改密码" and from the till.
class TF_PwdModi : public Form {
    Q_OBJECT
public:
    explicit TF_PwdModi(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void btnExitClick();
    // Enter moves to the next field, F5 changes, Esc closes; true when the key was taken.
    bool FormKeyDown(int key);
    // The new-password fields drop characters that passwords may not hold; true when dropped.
    bool tnewpwdKeyPress(QKeyEvent* e);
    bool tnewpwd2KeyPress(QKeyEvent* e);

    QLabel* aname;
    QLineEdit* tOldPwd;
    QLineEdit* tnewpwd;
    QLineEdit* tnewpwd2;
    QPushButton* btnOK;
    QPushButton* btnExit;

    // The stored password column holds this many characters.
    static constexpr int kMaxPasswordLength = 32;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

extern TF_PwdModi* F_PwdModi;
