#include "members/memberrecord.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "foundation/topup.h"
#include "masterdata/boundsql.h"
#include "members/memberops.h"
#include "members/topupops.h"
#include "platform/db/transaction.h"

#include <QFile>

#include <cmath>

namespace {

QString RecordDay(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// The columns both saves write, values bound.
SqlParams CommonValues(const MemberEntry& e, const QString& level)
{
    return { { QStringLiteral("name"), ToFullWidthText(e.name.trimmed()) },
        { QStringLiteral("jm"), GetPyCode(e.name.trimmed()) }, { QStringLiteral("hl"), level },
        { QStringLiteral("hh"), e.methodSn }, { QStringLiteral("st"), e.usable ? 1 : 0 },
        { QStringLiteral("sj"), e.autoLevel ? 1 : 0 }, { QStringLiteral("qx"), e.expires ? 1 : 0 },
        { QStringLiteral("dq"), e.expires ? QVariant(RecordDay(e.expiry)) : QVariant() },
        { QStringLiteral("sr"), RecordDay(e.birthday) }, { QStringLiteral("jr"), RecordDay(e.joined) },
        { QStringLiteral("sex"), e.sex }, { QStringLiteral("tele"), ToFullWidthText(e.tele) },
        { QStringLiteral("mobile"), ToFullWidthText(e.mobile) }, { QStringLiteral("email"), ToFullWidthText(e.email) },
        { QStringLiteral("zjlx"), ToFullWidthText(e.idType) }, { QStringLiteral("zjhm"), ToFullWidthText(e.idNumber) },
        { QStringLiteral("dwzy"), ToFullWidthText(e.employer) },
        { QStringLiteral("address"), ToFullWidthText(e.address) }, { QStringLiteral("qtxx"), ToFullWidthText(e.other) },
        { QStringLiteral("note"), ToFullWidthText(e.note.trimmed()) } };
}

} // namespace

QString MemberEntryRefusal(const MemberEntry& e, const QString& ownSn)
{
    const QString card = e.card.trimmed();
    if (card.isEmpty())
        return QStringLiteral("会员编号必须填写！");
    if (e.password.trimmed() != e.confirm.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    if (e.name.trimmed().isEmpty())
        return QStringLiteral("会员名称必须填写！");
    if (std::llround(e.stored * 100) < 0)
        return QStringLiteral("储值金额不能为负数！");
    // The stored card is the full-width form of the entry; both forms count as taken.
    const SqlParams p { { QStringLiteral("bh"), card }, { QStringLiteral("fw"), ToFullWidthText(card) },
        { QStringLiteral("own"), ownSn } };
    const QString taken
        = ScalarBound(QStringLiteral("select hy_bh from jxc_hyxx where (hy_bh=:bh or hy_bh=:fw) and hy_sn<>:own"), p);
    if (!taken.isEmpty())
        return ownSn.isEmpty() ? QStringLiteral("会员卡号不能重复！") : QStringLiteral("会员编号不能重复！");
    return QString();
}

QString LevelHoldingPoints(qint64 points)
{
    return ScalarBound(QStringLiteral("select hl_sn from jxc_hyfl where hl_jfxx<=:p and hl_jfsx>=:p order by id"),
        { { QStringLiteral("p"), points } });
}

QString LevelForEntry(const MemberEntry& e)
{
    if (!e.autoLevel)
        return e.levelSn;
    QString level = LevelHoldingPoints(e.points);
    if (level.isEmpty())
        level = ScalarBound(QStringLiteral("select hl_sn from jxc_hyfl order by hl_jfxx limit 1"), {});
    return level.isEmpty() ? QStringLiteral("0") : level;
}

QString AppendMember(const MemberEntry& e)
{
    Transaction t(F_DataModule->ADOConn);
    const QString sn = GetNextSn(QStringLiteral("jxc_hyxx"), QStringLiteral("hy_sn"));
    SqlParams p = CommonValues(e, LevelForEntry(e));
    p.insert(QStringLiteral("sn"), sn);
    p.insert(QStringLiteral("bh"), ToFullWidthText(e.card.trimmed()));
    p.insert(QStringLiteral("mm"), ToFullWidthText(e.password.trimmed()));
    p.insert(QStringLiteral("jf"), e.points);
    ExecBound(QStringLiteral("insert into jxc_hyxx (hy_sn,hy_fsn,hy_bh,hy_name,hy_jm,hl_sn,hh_sn,hy_mm,hy_jf,hy_zjf,"
                             "hy_zhje,hy_status,hy_sj,hy_qx,hy_dqrq,hy_sr,hy_jrrq,hy_sex,hy_tele,hy_mobile,hy_email,"
                             "hy_zjlx,hy_zjhm,hy_dwzy,hy_address,hy_qtxx,hy_note,hy_ye,hy_zje,hy_cs,hy_cg,hy_syje,"
                             "hy_xjsyje,hy_chk) values (:sn,'',:bh,:name,:jm,:hl,:hh,:mm,:jf,:jf,0,:st,:sj,:qx,:dq,:sr,"
                             ":jr,:sex,:tele,:mobile,:email,:zjlx,:zjhm,:dwzy,:address,:qtxx,:note,0,0,0,0,0,0,0)"),
        p);
    t.Commit();
    return sn;
}

void RemoveAppendedMember(const QString& memberSn)
{
    ExecBound(QStringLiteral("delete from jxc_hyxx where hy_sn=:sn"), { { QStringLiteral("sn"), memberSn } });
    QFile::remove(MemberPhotoFile(memberSn));
}

qint64 ApplyOpeningPoints(const QString& memberSn, double deposit, const QString& level, bool autoLevel)
{
    if (PointsRule != QLatin1String("0"))
        return 0;
    const qint64 points = TopUpPoints(deposit);
    QString newLevel = level;
    if (autoLevel) {
        const QString found = GetMemberLevelByPoints(memberSn, points);
        if (!found.isEmpty())
            newLevel = found;
    }
    ExecBound(QStringLiteral("update jxc_hyxx set hy_zjf=hy_zjf+:p,hy_jf=hy_jf+:p,hl_sn=:hl where hy_sn=:sn"),
        { { QStringLiteral("p"), points }, { QStringLiteral("hl"), newLevel }, { QStringLiteral("sn"), memberSn } });
    return points;
}

void UpdateMember(qint64 id, const MemberEntry& e)
{
    SqlParams p = CommonValues(e, LevelForEntry(e));
    p.insert(QStringLiteral("id"), id);
    QString sql = QStringLiteral("update jxc_hyxx set hy_name=:name,hy_jm=:jm,hl_sn=:hl,hh_sn=:hh,hy_status=:st,"
                                 "hy_sj=:sj,hy_qx=:qx,hy_dqrq=:dq,hy_sr=:sr,hy_jrrq=:jr,hy_sex=:sex,hy_tele=:tele,"
                                 "hy_mobile=:mobile,hy_email=:email,hy_zjlx=:zjlx,hy_zjhm=:zjhm,hy_dwzy=:dwzy,"
                                 "hy_address=:address,hy_qtxx=:qtxx,hy_note=:note");
    if (!e.password.trimmed().isEmpty()) {
        sql += QStringLiteral(",hy_mm=:mm");
        p.insert(QStringLiteral("mm"), ToFullWidthText(e.password.trimmed()));
    }
    Transaction t(F_DataModule->ADOConn);
    ExecBound(sql + QStringLiteral(" where id=:id"), p);
    t.Commit();
}
