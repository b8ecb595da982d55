#pragma once
#include <QString>
#include <QStringList>

// Discount methods (jxc_hyyh) and top-up bonus rules (jxc_hyczzs) as their editors
// save them, without widgets.

QStringList MethodKindTexts(); // 存款优惠, 消费金额转现金, 充值赠送

struct MethodEntry {
    QString name;
    int kind = 0;
    double factor = 1;   // kind 0
    double spending = 0; // kind 1
    double cash = 0;     // kind 1
};
// Whether a kind-2 method exists already (there may be one only).
bool BonusMethodExists();
// The refusal of a save in the order of the checks, or "". ownId is the row being
// changed (0 when adding).
QString MethodRefusal(const MethodEntry& e, qint64 ownId);
// Appends (ownId 0) or changes the method; answers its code.
QString SaveMethod(const MethodEntry& e, qint64 ownId);
// Why a method cannot be deleted, "" when it can.
QString MethodDeleteRefusal(const QString& methodSn);

QStringList PayoutModeTexts(); // the five payout modes

struct RuleEntry {
    double amount = 0, bonus = 0, instalment = 0;
    int mode = 0;
};
// "充值" + amount + "元赠送" + bonus + "元" and the mode's text.
QString RuleNote(const RuleEntry& e);
QString RuleRefusal(const RuleEntry& e, qint64 ownId);
// Appends or changes the rule (mode 0 keeps no instalment).
void SaveRule(RuleEntry e, qint64 ownId);
