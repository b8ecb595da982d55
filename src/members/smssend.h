#pragma once
#include "platform/device/smsgateway.h"
#include "platform/ui/form.h"

#include <QList>
#include <QPair>
#include <QString>

// "短信发送": never shown; it carries the sending routine that every sender uses.
class QLabel;

class TF_Sms_Send : public Form {
    Q_OBJECT
public:
    explicit TF_Sms_Send(QWidget* parent = nullptr);
    // Shows where the messages go (the window is seen only by developers).
    void FormActivate() override;
    // Sends one message to the gateway of the SMS settings. Nothing is sent (and the
    // outcome is neither sent nor failed) while SMS is off, or without account,
    // password or mobile number.
    SmsGateway::Outcome sendSms(const QString& message, const QString& mobile);

    QLabel* lGateway = nullptr;
    QLabel* lUser = nullptr;
    QLabel* lState = nullptr;
};

// Created by the first sender and kept.
extern TF_Sms_Send* F_Sms_Send;
TF_Sms_Send& SmsSender();

// The messages of one action (a top-up, a batch, a transfer): each failure is
// logged, the first is shown once when the action reports, and nothing the action
// wrote is undone.
class SmsAction {
public:
    // Sends the text; false when it was attempted and failed.
    bool Send(const QString& text, const QString& mobile);
    // Shows "短信发送失败：" + the first reason when a send failed.
    void Report();
    int Failures() const { return failures_; }

private:
    int failures_ = 0;
    QString firstReason_;
};

// A template with its placeholders ("{hyname}" ...) replaced, every occurrence and
// whatever their letter case; placeholders without a value stay.
QString FillSmsTemplate(QString text, const QList<QPair<QString, QString>>& values);
// The message as sent: the text followed by "【" + signature + "】".
QString SignedSms(const QString& text);
// "yyyy-MM-dd hh:mm:ss" of now, as the SMS log keeps it.
QString SmsTimeNow();
// One row of the SMS log, values bound.
void LogMemberSms(
    const QString& number, const QString& memberSn, const QString& mobile, const QString& sentAt, const QString& text);

// A new SM number of today.
QString NextSmsNumber();

// The templates the settings window offers when one is empty.
QString DefaultTopUpSms();
QString DefaultSaleSms();
