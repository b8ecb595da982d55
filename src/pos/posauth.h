#pragma once
#include "platform/ui/form.h"

#include <QString>

class QComboBox;
class QLineEdit;
class QPushButton;

// Whether the password is the operator's, compared as the login compares it (the
// trimmed entry in its stored form, bound; no password equals an empty one). On a
// match his role goes to *roleSn.
bool OperatorPasswordMatches(const QString& adminName, const QString& password, QString* roleSn = nullptr);

// "柜长授权": a supervisor (an operator whose a_pos is not 0) confirms a till action
// with his password; the answer is AuthSupervisorName and AuthSupervisorRole.
class TF_Posxs_Login : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Login(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();

    QComboBox* comAdmin = nullptr;
    QLineEdit* tpwd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

// Clears both answers, shows the dialog under the caption and tells whether a
// supervisor authorised; the caller clears the answers when it is done.
bool AskSupervisor(const QString& caption);
