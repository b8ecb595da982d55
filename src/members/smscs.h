#pragma once
#include "platform/ui/form.h"

class QLineEdit;
class QPlainTextEdit;

// "短信参数定义": the gateway account, the gateway and the two message templates.
class TF_Sms_Cs : public Form {
    Q_OBJECT
public:
    explicit TF_Sms_Cs(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();

    QLineEdit* tsign = nullptr;
    QLineEdit* tuser = nullptr;
    QLineEdit* tpwd = nullptr;
    QLineEdit* thost = nullptr;
    QLineEdit* tport = nullptr;
    QPlainTextEdit* tcznote = nullptr;
    QPlainTextEdit* txfnote = nullptr;
};

// The SMS settings as the window saves them: the one row replaced, texts trimmed.
struct SmsSettingsEntry {
    QString sign, user, password, topUpText, saleText, host, port;
};
// A refusal, or "" once saved and loaded.
QString SaveSmsSettings(const SmsSettingsEntry& e);
