#pragma once
#include <QDate>
#include <QString>

// Adding and changing one member by hand, without widgets.

struct MemberEntry {
    QString card, name, password, confirm;
    qint64 points = 0;
    double stored = 0;
    QString levelSn, methodSn;
    bool usable = true, autoLevel = true, expires = false;
    QDate expiry, birthday, joined;
    QString sex, tele, mobile, email, idType, idNumber, employer, address, other, note;
};

// The checks of a save in their order; "" when the entry may be stored. ownSn is
// the member being changed ("" when adding).
QString MemberEntryRefusal(const MemberEntry& e, const QString& ownSn = QString());

// The level whose points range holds the points; "" when none does.
QString LevelHoldingPoints(qint64 points);
// The level a save stores: with automatic levels the one holding the points, else
// the lowest level, else "0"; without, the chosen one.
QString LevelForEntry(const MemberEntry& e);

// Appends the member with a stored value of 0 (the deposit, when any, is recorded
// by the charge window) and answers the new code. The photo is the caller's.
QString AppendMember(const MemberEntry& e);
// Takes back a member appended for a deposit that was not paid: row and photo.
void RemoveAppendedMember(const QString& memberSn);
// After a paid opening deposit: the deposit's points, and the level they give when
// the card follows its points.
qint64 ApplyOpeningPoints(const QString& memberSn, double deposit, const QString& level, bool autoLevel);

// Writes a changed member; the card number, stored value and points stay as they are.
void UpdateMember(qint64 id, const MemberEntry& e);
