#pragma once
#include <QString>
#include <QStringList>

// Stored-value top-ups without widgets: the member's discount method, the bonus
// rule for an amount, and the rows of one top-up, opening deposit or batch member.

// The discount method of a member (jxc_hyyh): kind 0 deposit factor, 1 spending
// into cash, 2 bonus by amount rule.
struct MemberMethod {
    int kind = 0;
    double factor = 1;
    QString name;
};
MemberMethod ReadMemberMethod(const QString& methodSn);

// The bonus rule (jxc_hyczzs) whose amount equals the top-up, both rounded to cents.
struct BonusRule {
    bool found = false;
    double bonus = 0;
    int mode = 0;
    double instalment = 0;
    QString note;
};
BonusRule FindBonusRule(double amount);

// What the charge window took: the tenders and the change.
struct Tenders {
    double cash = 0, card = 0, wechat = 0, alipay = 0, change = 0;
};

enum class TopUpKind {
    TopUp,   // a top-up of a member's card (also one member of a batch)
    Opening, // the opening deposit of a new member: sets the balance, no points
};

struct TopUpEntry {
    TopUpKind kind = TopUpKind::TopUp;
    QString memberSn;
    QString memberName;
    QString methodSn;
    double amount = 0;
    // Kind-0 methods credit this ("实际续费"); a negative value means amount × factor.
    double credited = -1;
    Tenders tenders;
    QString note;
    // A batch recomputes the cash balance once, after its last member.
    bool recalcCash = true;
};

struct TopUpResult {
    QString number;   // XF...
    double bonus = 0; // the whole bonus, paid now or later
    double balanceChange = 0;
    qint64 points = 0;
};

// Writes the money journal row, the approved cash row (and the cash balance from
// today) and the member's balance; for a top-up also the points and level when
// points are given for stored value. One transaction, nested under the caller's.
TopUpResult RecordTopUp(const TopUpEntry& e);

// Points a top-up of the amount earns (0 unless points are given for stored value).
qint64 TopUpPoints(double amount);

// The top-up SMS of a member: the template with the member's values and the
// amount, points, balance and total points given; signed.
struct TopUpSmsValues {
    QString name, card, birthday;
    double amount = 0;
    qint64 points = 0;
    double balance = 0;
    double totalPoints = 0;
};
QString TopUpSmsText(const TopUpSmsValues& v);
