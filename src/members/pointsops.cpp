#include "members/pointsops.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

#include <cmath>

namespace {

QString SettingsDay(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QDate ReadSettingsDay(const QString& text)
{
    return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

} // namespace

PointsSettings ReadPointsSettings()
{
    PointsSettings s;
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select * from jxc_jfsz order by id"));
    q.Open();
    if (q.IsEmpty())
        return s;
    s.rule = int(q.AsInteger(QStringLiteral("jf_jfgz")));
    s.perPoint = q.AsFloat(QStringLiteral("jf_mfje"));
    s.multiple = int(q.AsInteger(QStringLiteral("jf_dbjf")));
    s.multipleFrom = ReadSettingsDay(q.AsString(QStringLiteral("jf_dbrq1")));
    s.multipleTo = ReadSettingsDay(q.AsString(QStringLiteral("jf_dbrq2")));
    s.carry = q.FieldByName(QStringLiteral("jf_yelj")).AsBoolean();
    s.birthdayType = int(q.AsInteger(QStringLiteral("jf_srjflx")));
    s.birthdayDays = int(q.AsInteger(QStringLiteral("jf_srjfts")));
    s.birthdayFactor = int(q.AsInteger(QStringLiteral("jf_srjfbs")));
    s.memberDay = int(q.AsInteger(QStringLiteral("jf_hyr")));
    s.monthFrom = q.AsString(QStringLiteral("jf_hyrmy1"));
    s.monthTo = q.AsString(QStringLiteral("jf_hyrmy2"));
    s.dayFrom = ReadSettingsDay(q.AsString(QStringLiteral("jf_hyr1")));
    s.dayTo = ReadSettingsDay(q.AsString(QStringLiteral("jf_hyr2")));
    s.discount = q.AsFloat(QStringLiteral("jf_hyrzk"));
    s.exchange = int(q.AsInteger(QStringLiteral("jf_icktype")));
    return s;
}

QString PointsSettingsRefusal(const PointsSettings& s)
{
    if (s.discount < 0 || s.discount > 1)
        return QStringLiteral("折扣必须是0--1之间的数字！");
    if (s.memberDay == 1 && s.monthFrom > s.monthTo)
        return QStringLiteral("每月的会员日截止日期不能小于起始日期！");
    if (s.memberDay == 2 && SettingsDay(s.dayFrom) > SettingsDay(s.dayTo))
        return QStringLiteral("单次会员日截止日期不能小于起始日期！");
    return QString();
}

void SavePointsSettings(const PointsSettings& s)
{
    const bool multiple = s.multiple != 0;
    // A member day without a discount is no member day.
    const bool memberDay = s.discount > 0 && s.discount <= 1 && s.memberDay != 0;
    const SqlParams p { { QStringLiteral("yelj"), s.carry ? 1 : 0 }, { QStringLiteral("jfgz"), s.rule },
        { QStringLiteral("ick"), s.exchange }, { QStringLiteral("mfje"), s.perPoint },
        { QStringLiteral("dbjf"), s.multiple },
        { QStringLiteral("db1"), multiple ? SettingsDay(s.multipleFrom) : QString() },
        { QStringLiteral("db2"), multiple ? SettingsDay(s.multipleTo) : QString() },
        { QStringLiteral("srlx"), s.birthdayType }, { QStringLiteral("srbs"), s.birthdayFactor },
        { QStringLiteral("srts"), s.birthdayDays }, { QStringLiteral("hyr"), memberDay ? s.memberDay : 0 },
        { QStringLiteral("zk"), memberDay ? s.discount : 0.0 },
        { QStringLiteral("my1"), memberDay && s.memberDay == 1 ? s.monthFrom : QString() },
        { QStringLiteral("my2"), memberDay && s.memberDay == 1 ? s.monthTo : QString() },
        { QStringLiteral("r1"), memberDay && s.memberDay == 2 ? SettingsDay(s.dayFrom) : QString() },
        { QStringLiteral("r2"), memberDay && s.memberDay == 2 ? SettingsDay(s.dayTo) : QString() } };
    Transaction t(F_DataModule->ADOConn);
    ExecBound(
        QStringLiteral("update jxc_jfsz set jf_yelj=:yelj,jf_jfgz=:jfgz,jf_icktype=:ick,jf_mfje=:mfje,"
                       "jf_dbjf=:dbjf,jf_dbrq1=:db1,jf_dbrq2=:db2,jf_srjflx=:srlx,jf_srjfbs=:srbs,jf_srjfts=:srts,"
                       "jf_hyr=:hyr,jf_hyrzk=:zk,jf_hyrmy1=:my1,jf_hyrmy2=:my2,jf_hyr1=:r1,jf_hyr2=:r2"),
        p);
    t.Commit();
    LoadSystemSettings();
}

QString LevelDeleteRefusal(const QString& levelSn)
{
    if (levelSn == QLatin1String("100001"))
        return QStringLiteral("该会员等级是系统默认，不能删除！");
    if (!ScalarBound(QStringLiteral("select id from jxc_hyxx where hl_sn=:sn"), { { QStringLiteral("sn"), levelSn } })
             .isEmpty())
        return QStringLiteral("该等级已存在会员信息，不能删除！");
    return QString();
}

void SetSpecialPoints(const QString& goodsSn, qint64 points, bool wholeCategory)
{
    Transaction t(F_DataModule->ADOConn);
    if (wholeCategory)
        ExecBound(QStringLiteral("update jxc_goods set g_tsjf=:p,g_tssp=1 where gc_sn=(select gc_sn from jxc_goods "
                                 "where g_sn=:g)"),
            { { QStringLiteral("p"), points }, { QStringLiteral("g"), goodsSn } });
    else
        ExecBound(QStringLiteral("update jxc_goods set g_tsjf=:p,g_tssp=1 where g_sn=:g"),
            { { QStringLiteral("p"), points }, { QStringLiteral("g"), goodsSn } });
    t.Commit();
}

void ClearSpecialPoints(const QString& goodsSn)
{
    ExecBound(
        QStringLiteral("update jxc_goods set g_tsjf=0,g_tssp=0 where g_sn=:g"), { { QStringLiteral("g"), goodsSn } });
}
