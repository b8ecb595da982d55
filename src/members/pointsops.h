#pragma once
#include <QDate>
#include <QString>

// The member card and points settings (jxc_jfsz), the level list's delete rule and
// the special-points goods, without widgets.

struct PointsSettings {
    int rule = 1;        // jf_jfgz: 0 on top-ups, 1 on purchases
    double perPoint = 0; // jf_mfje
    int multiple = 0;    // jf_dbjf
    QDate multipleFrom, multipleTo;
    bool carry = false;                                                       // jf_yelj
    int birthdayType = 0;                                                     // jf_srjflx
    int birthdayDays = 0;                                                     // jf_srjfts
    int birthdayFactor = 0;                                                   // jf_srjfbs
    int memberDay = 0;                                                        // jf_hyr: 0 none, 1 monthly, 2 once
    QString monthFrom = QStringLiteral("15"), monthTo = QStringLiteral("15"); // "01".."31"
    QDate dayFrom, dayTo;
    double discount = 0; // jf_hyrzk
    int exchange = 0;    // jf_icktype
};

PointsSettings ReadPointsSettings();
// A refusal in the order of the checks, or "".
QString PointsSettingsRefusal(const PointsSettings& s);
// Writes the one settings row and reloads the settings.
void SavePointsSettings(const PointsSettings& s);

// Why a level cannot be deleted ("" when it can).
QString LevelDeleteRefusal(const QString& levelSn);

// Flags the goods (or every goods of its category) with the points per unit sold.
void SetSpecialPoints(const QString& goodsSn, qint64 points, bool wholeCategory);
void ClearSpecialPoints(const QString& goodsSn);
