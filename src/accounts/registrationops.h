#pragma once
#include "accounts/registrationkind.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

// Saving, approving, cancelling and deleting the one-line money documents of
// jxc_ysyfk_dj. Each runs in one transaction; the refusals are the windows'.

struct RegistrationEntry {
    QString partnerSn;   // k_ghskh
    QString partnerName; // for the log line
    QDate date;          // the time of saving is added
    QString handlerSn;   // u_sn
    double amount = 0;   // k_yfje of a registration, k_sfje of a receipt or payment
    double rounding = 0; // k_mlje (receipts and payments)
    QString account;     // k_fkfs of a receipt or payment: the account's name
    QString note;
};

// A new pending document; its number is drawn inside the save, over the ledger and
// the registrations of that day. Answers the number.
QString AddRegistration(const RegistrationKind& kind, const RegistrationEntry& e);
// Rewrites a pending document: operator, handler, amount, note, date with the time
// of saving (and account and rounding-off of a receipt or payment). The number stays.
void ModifyRegistration(const RegistrationKind& kind, qint64 id, const RegistrationEntry& e);

// Posts a pending document: false when it is absent or already approved.
bool ApproveRegistration(const RegistrationKind& kind, const QString& number);
// Reverses an approved document: false when it is absent or pending.
bool CancelRegistration(const RegistrationKind& kind, const QString& number);
// Removes a pending document (false for an approved one). A receipt or payment made
// against one document gives its amount back from that document's collected amount,
// never below 0.
bool DeleteRegistration(const RegistrationKind& kind, qint64 id);

// Approves the pending ones of the numbers in one transaction, each partner's
// balances recomputed once from its earliest date. Answers how many it approved;
// `progress` hears each step.
int ApproveRegistrations(
    const RegistrationKind& kind, const QStringList& numbers, const std::function<void(int)>& progress = {});

// "审核完成，共 N 个单据，\r\n\r\n审核成功 M 个单据。"
QString ApproveAllMessage(int listed, int approved);

// The balance the printed document shows: the partner's present balance, with a
// pending registration's own amount added (receipts and payments show it as it is).
double PrintedBalance(const RegistrationKind& kind, const QString& number);
