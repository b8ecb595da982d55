#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

// The settings row jxc_xtcs as the settings window edits it: one entry per column
// that the window shows, hides or writes as a constant. The window builds its
// controls from this table, fills them from it and hands their values back to
// SaveSystemSettings, which turns them into the new row by the same table.
// Columns the table does not name keep their stored values through a save.

enum class SettingKind {
    Box,          // bit column, a tick box
    IntBox,       // int column, a tick box storing 1 or 0, ticked only on "1"
    Choice,       // int column, a drop-down storing the item's position
    Digits,       // int column, an edit of whole numbers
    Number,       // numeric column, an edit of decimals
    Text,         // text column, stored trimmed
    HiddenChoice, // int column, a drop-down never shown: loaded and written back
    HiddenBox,    // bit column, a tick box never shown: loaded and written back
    Constant,     // no control: every save writes the same value
};

struct SettingColumn {
    QString column;
    SettingKind kind;
    QString control;    // object name of the control; empty for constants
    QString caption;    // box caption, or the label in front of an edit or drop-down
    QStringList items;  // drop-down items, in the order of the stored positions
    QString suffix;     // text after an edit
    QString zeroUnless; // control of the tick box without which 0 is written
    int maxLength = 0;  // longest input of an edit
    int decimals = 0;   // decimals of a number edit
    int clampMax = -1;  // Digits kept within 0..clampMax when not -1
    bool nonNegative = false;
    QString written; // the value a constant is written with
    QString seed;    // the value of a new account set's row ("1"/"0" for bits)
};

// Every column the settings window handles, in the order of the page.
const std::vector<SettingColumn>& SettingColumns();
// The entry of a control or column; nullptr when there is none.
const SettingColumn* SettingByControl(const QString& control);
const SettingColumn* SettingByColumn(const QString& column);

// The value a Digits edit stands for once clamped (empty counts as 0).
int ClampedDigits(const SettingColumn& entry, const QString& text);

// The six company texts as typed.
struct CompanyDetails {
    QString name;
    QString shortName;
    QString tele;
    QString contact;
    QString address;
    QString note;
};

// Writes the company row and replaces the settings row, in one transaction: when any
// step fails the old rows stay. `controls` holds each control's value by object name
// (bool for boxes, the position for drop-downs, the text for edits); `employDate` is
// the schema stamp as read when the window filled itself. Returns the refusal to show
// ("" when saved).
QString SaveSystemSettings(
    const CompanyDetails& company, const QHash<QString, QVariant>& controls, const QString& employDate);

// Recreates the settings row and the e-mail settings from their seeds and marks the
// schema stamp for the next login; the company row and the cost method stay.
void RestoreDefaultSettings();
