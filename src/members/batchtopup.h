#pragma once
#include <QList>
#include <QString>
#include <functional>

// The batch top-up and the transfer between members, without widgets.

// One listed member of the batch, as the list shows him.
struct BatchMember {
    QString sn, card, name, methodSn, mobile, birthday;
};

// Tops up every member by the amount as if paid in cash, each with his own method's
// bonus and the top-up points; all in one transaction. With SMS on, the members with
// a mobile number get the top-up message quoting their new balance and points, all
// under one SM number, after the commit. Answers the members topped up. The caller
// refuses an amount of 0 or below.
int RunBatchTopUp(const QList<BatchMember>& members, double amount, const QString& note,
    const std::function<void(int)>& progress = {});

// A transfer of stored value from one member to another.
struct TransferEntry {
    QString sourceCard, targetCard; // as listed
    double amount = 0;
};
// A refusal in the order of the checks, or "" when the transfer may go ahead.
// sourceBalance is the balance of the source as it stands now.
QString TransferRefusal(const QString& chosenTarget, const QString& typedTarget, const QString& sourceCard,
    double amount, double sourceBalance);
// Writes the two journal rows under one XF number and moves the balances, in one
// transaction; then informs both members (those with a mobile number) under one SM
// number. Answers the XF number.
QString RecordTransfer(const TransferEntry& e);

// Whether the password entry matches the member's (stored in full-width form).
bool MemberPasswordMatches(const QString& memberSn, const QString& entry);
