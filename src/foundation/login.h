#pragma once
#include "platform/ui/form.h"

class KeyedCombo;
class QLabel;
class QLineEdit;
class QPushButton;

// "1" when closing the login window must not end the program.
extern QString LoginKeepRunning;
// "1" while the window fills its account-set list; a change of account set is acted on only at "0".
extern QString LoginFilling;

// The login: choose an account set from the catalogue, pick an operator and give the
// password; a successful login fills the login state and brings the set up to date.
// OpenMode "hb" means a new login asked for from the running main window.
class TF_Login : public Form {
    Q_OBJECT
public:
    explicit TF_Login(QWidget* parent = nullptr);

    void FormActivate() override;
    // Connects the chosen account set and lists its operators.
    void setAdminValue();
    void comZtPropertiesChange();
    void comAdminPropertiesChange();
    void btnOKClick();
    void btnCancelClick();
    // Runs however the window closes.
    void FormClose();
    // Enter and F5 confirm, Esc cancels; true when the key was taken.
    bool FormKeyDown(int key);

    KeyedCombo* comZt;
    KeyedCombo* comAdmin;
    QLineEdit* tpwd2;
    QLabel* lMsg;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // Whether the last showing ended in a successful login.
    bool LoggedIn() const { return loggedIn_; }

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The check and the steps after it; false when the password does not match.
    bool logIn();

    QLabel* banner_;
    bool loggedIn_ = false;
};

extern TF_Login* F_Login;
