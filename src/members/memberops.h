#pragma once
#include <QDate>
#include <QPair>
#include <QString>
#include <QStringList>

// The member register's rules without widgets: the searches, the two clears, delete,
// the card, password, points and spending changes and the mobile-number export.

// The quick filters of the member list. level "" means every level; status "-9" every
// status, "1" usable, "0" not usable. extra: the advanced query's conditions.
struct MemberFilter {
    QString key;
    QString level;
    QString status = QStringLiteral("-9");
    QString extra;
};

// The member list's statement: every member the filter matches but "100001", newest first.
QString MemberSearchSql(const MemberFilter& filter);
// The POS tickets of members from the first day up to the start of the day after the last.
QString ConsumptionSearchSql(const QString& key, const QDate& from, const QDate& to);
// The members' money rows (top-ups, transfers, payouts) in the same kind of range.
QString TopUpSearchSql(const QString& key, const QDate& from, const QDate& to);
// Members whose birthday falls within the coming days (0 or less counts as 10),
// across the turn of the year as well.
QString BirthdaySearchSql(const QDate& today, int days);
// The day count the birthday search uses.
int BirthdayDays(int days);

// The two clears act on exactly the members the list shows; both answer the rows changed.
int ClearMemberSpending(const MemberFilter& filter);
int ClearMemberPoints(const MemberFilter& filter);

// Why a member cannot be deleted ("" when he can): any business, stored value included.
QString MemberDeleteRefusal(const QString& memberSn);
// Deletes the member and his photo; his introducer gives back the introduction points.
void DeleteMember(const QString& memberSn);
// The photo file of a member.
QString MemberPhotoFile(const QString& memberSn);

// The card change: a refusal text, or "" once the card and password are changed.
QString ChangeMemberCard(
    qint64 id, const QString& newCard, const QString& newPassword, const QString& confirm, const QString& oldPassword);
// The password change: a refusal text, or "" once changed.
QString ChangeMemberPassword(qint64 id, const QString& password, const QString& confirm);
// Adds (or with a negative entry takes off) points; the level follows the new
// accumulated points. Nothing for 0.
void AdjustMemberPoints(qint64 id, qint64 entry);
// Adds to (or takes off) the member's total spending. Nothing for 0.
void AdjustMemberSpending(qint64 id, double entry);

// The mobile-number export: rAll, rJf (at least minPoints), rWjf, rSr (born today).
enum class MobileChoice { All, Points, NoPoints, BirthdayToday };
QStringList MobileExportLines(MobileChoice choice, qint64 minPoints, const QDate& today);
// Writes the lines in the shop's code page to the chosen name + ".txt"; no file without
// lines. False when the file could not be written.
bool WriteMobileExport(const QString& chosenName, const QStringList& lines);

// The advanced query's ticked conditions (an unticked one is left empty); operators
// are "=", ">" or "<".
struct AdvancedMemberQuery {
    QString method;               // hh_sn
    QString pointsOp, points;     // hy_jf
    QString spendingOp, spending; // hy_zje
    QString balanceOp, balance;   // hy_zhje
    QDate birthFrom, birthTo;     // hy_sr
    QDate joinFrom, joinTo;       // hy_jrrq
    QDate expiryFrom, expiryTo;   // hy_dqrq
    QString idNumber;             // hy_zjhm
    QString address;              // hy_address
};
// The conditions appended to the member search, in the dialog's order.
QString AdvancedConditions(const AdvancedMemberQuery& q);

// The date menu of the consumption and top-up tabs, by the item's position:
// 今天, 昨天, 前天, 最近七天, 最近一月, 本月, 上月, 所有时间.
