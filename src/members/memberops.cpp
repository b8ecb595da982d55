#include "members/memberops.h"

#include "foundation/datamodule.h"
#include "foundation/pinyin.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/programfolder.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/memberposting.h"

#include <QFile>
#include <cmath>

namespace {

Connection& MemberDb()
{
    return F_DataModule->ADOConn;
}

QString Day(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QString LikeAny(const QString& key)
{
    return QStringLiteral("'%") + key + QStringLiteral("%'");
}

// The rows of the member list: a member is listed only with his level and method rows.
QString MemberListWhere(const MemberFilter& f)
{
    const QString k = LikeAny(SafeSqlText(f.key.trimmed()));
    QString w = QStringLiteral("from jxc_hyxx a,jxc_hyfl b,jxc_hyyh c where a.hl_sn=b.hl_sn and a.hh_sn=c.hh_sn "
                               "and a.hy_sn<>'100001' and a.hl_sn like ")
        + LikeAny(SafeSqlText(f.level)) + QStringLiteral(" and (a.hy_bh like ") + k
        + QStringLiteral(" or a.hy_jm like ") + k + QStringLiteral(" or a.hy_name like ") + k
        + QStringLiteral(" or a.hy_tele like ") + k + QStringLiteral(" or a.hy_mobile like ") + k
        + QStringLiteral(") ");
    if (f.status == QLatin1String("1"))
        w += QStringLiteral(" and a.hy_status<>0 ");
    else if (f.status == QLatin1String("0"))
        w += QStringLiteral(" and a.hy_status=0 ");
    return w + f.extra;
}

int ClearListed(const MemberFilter& f, const QString& assignments)
{
    Transaction t(MemberDb());
    MemberDb().Exec(QStringLiteral("update jxc_hyxx set ") + assignments + QStringLiteral(" where id in (select a.id ")
        + MemberListWhere(f) + QStringLiteral(")"));
    const int changed = MemberDb().Changes();
    t.Commit();
    return changed;
}

QString CompareCondition(const QString& column, const QString& op, const QString& value)
{
    if (op.isEmpty())
        return QString();
    const QString number = NumberText(value.trimmed().toDouble());
    return QStringLiteral(" and a.") + column + op + number + QLatin1Char(' ');
}

QString RangeCondition(const QString& column, const QDate& from, const QDate& to)
{
    if (!from.isValid())
        return QString();
    return QStringLiteral(" and a.") + column + QStringLiteral(">='") + Day(from) + QStringLiteral("' and a.") + column
        + QStringLiteral("<='") + Day(to) + QStringLiteral("' ");
}

} // namespace

QString MemberSearchSql(const MemberFilter& filter)
{
    return QStringLiteral("select a.*,case when a.hy_status=0 then '不可用' else '可用' end as status,"
                          "case when a.hy_qx=0 then '无期限' else '有期限' end as qx,"
                          "case when a.hy_sj=0 then '否' else '是' end as jfsj,b.hl_zk as hl_zk,b.hl_name,c.hh_name ")
        + MemberListWhere(filter) + QStringLiteral(" order by a.id desc");
}

QString ConsumptionSearchSql(const QString& key, const QDate& from, const QDate& to)
{
    const QString k = LikeAny(SafeSqlText(key.trimmed()));
    return QStringLiteral("select a.hy_sn,a.pos_xsrq as xsrq,a.gl_djh,a.pos_yfje as yfje,a.pos_sfje as sfje,a.pos_xj,"
                          "a.pos_czk,a.pos_yhk,a.pos_djq,a.pos_wxje,a.pos_zfbje,a.pos_zlje,a.pos_mlje,b.hy_bh,"
                          "b.hy_name,b.hy_jm,a.a_name from jxc_posxsd a,jxc_hyxx b where a.hy_sn=b.hy_sn "
                          "and a.pos_xsrq>='")
        + Day(from) + QStringLiteral("' and a.pos_xsrq<'") + Day(to.addDays(1)) + QStringLiteral("' and (b.hy_bh like ")
        + k + QStringLiteral(" or b.hy_name like ") + k + QStringLiteral(" or b.hy_jm like ") + k
        + QStringLiteral(") order by a.gl_djh desc");
}

QString TopUpSearchSql(const QString& key, const QDate& from, const QDate& to)
{
    const QString k = LikeAny(SafeSqlText(key.trimmed()));
    return QStringLiteral("select a.*,b.hy_bh,b.hy_name,b.hy_jm,case when a.xf_zt='计次卡续费' then 0 "
                          "else a.xf_je+a.xf_yhje end as sjje from jxc_hyxf a,jxc_hyxx b where a.hy_sn=b.hy_sn "
                          "and a.xf_rq>='")
        + Day(from) + QStringLiteral("' and a.xf_rq<'") + Day(to.addDays(1)) + QStringLiteral("' and (b.hy_bh like ")
        + k + QStringLiteral(" or b.hy_jm like ") + k + QStringLiteral(" or b.hy_name like ") + k
        + QStringLiteral(") order by a.id desc");
}

int BirthdayDays(int days)
{
    return days <= 0 ? 10 : days;
}

QString BirthdaySearchSql(const QDate& today, int days)
{
    const QString from = today.toString(QStringLiteral("MM-dd"));
    const QString to = today.addDays(BirthdayDays(days)).toString(QStringLiteral("MM-dd"));
    // Past the turn of the year the upper month-day lies below the lower one.
    const QString join = to < from ? QStringLiteral(" or ") : QStringLiteral(" and ");
    return QStringLiteral("select * from jxc_hyxx where (mid(hy_sr,6,5)>='") + from + QLatin1Char('\'') + join
        + QStringLiteral("mid(hy_sr,6,5)<='") + to + QStringLiteral("') order by id");
}

int ClearMemberSpending(const MemberFilter& filter)
{
    return ClearListed(filter, QStringLiteral("hy_zje=0,hy_ye=0"));
}

int ClearMemberPoints(const MemberFilter& filter)
{
    return ClearListed(filter, QStringLiteral("hy_zjf=0,hy_jf=0,hl_sn='100001'"));
}

QString MemberDeleteRefusal(const QString& memberSn)
{
    const SqlParams p { { QStringLiteral("sn"), memberSn } };
    static const char* const tables[] = { "jxc_lsxsd", "jxc_posxsd", "jxc_hyxf", "jxc_dhd" };
    bool found = false;
    for (const char* table : tables) {
        SelectScalar(MemberDb(),
            QStringLiteral("select hy_sn from ") + QLatin1String(table) + QStringLiteral(" where hy_sn=:sn limit 1"), p,
            &found);
        if (found)
            return QStringLiteral("该会员已发生过业务，不能删除！");
    }
    const double stored
        = SelectScalar(MemberDb(), QStringLiteral("select coalesce(hy_zhje,0) from jxc_hyxx where hy_sn=:sn"), p)
              .toDouble();
    if (std::round(stored * 100) != 0)
        return QStringLiteral("该会员已发生过业务，不能删除！");
    return QString();
}

QString MemberPhotoFile(const QString& memberSn)
{
    return ProgramFolder::File(QStringLiteral("picture/HY") + memberSn + QStringLiteral(".jpg"));
}

void DeleteMember(const QString& memberSn)
{
    const SqlParams p { { QStringLiteral("sn"), memberSn } };
    Transaction t(MemberDb());
    const QString introducer
        = SelectScalar(MemberDb(), QStringLiteral("select hy_fsn from jxc_hyxx where hy_sn=:sn"), p).trimmed();
    const double points = PointsJsrjl.toDouble();
    if (!introducer.isEmpty() && points != 0)
        MemberDb().Exec(QStringLiteral("update jxc_hyxx set hy_zjf=hy_zjf-:p,hy_jf=hy_jf-:p where hy_sn=:f"),
            { { QStringLiteral("p"), points }, { QStringLiteral("f"), introducer } });
    MemberDb().Exec(QStringLiteral("delete from jxc_hyxx where hy_sn=:sn"), p);
    MemberDb().Exec(QStringLiteral("delete from jxc_hyxf where hy_sn=:sn"), p);
    t.Commit();
    QFile::remove(MemberPhotoFile(memberSn));
}

QString ChangeMemberCard(
    qint64 id, const QString& newCard, const QString& newPassword, const QString& confirm, const QString& oldPassword)
{
    if (newCard.trimmed().isEmpty())
        return QStringLiteral("会员编号必须填写！");
    if (newPassword.trimmed() != confirm.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    bool found = false;
    // The stored form of a password is the full-width text of the trimmed entry.
    SelectScalar(MemberDb(), QStringLiteral("select id from jxc_hyxx where id=:id and coalesce(hy_mm,'')=:mm"),
        { { QStringLiteral("id"), id }, { QStringLiteral("mm"), ToFullWidthText(oldPassword.trimmed()) } }, &found);
    if (!found)
        return QStringLiteral("旧卡密码不正确！");
    const QString card = ToFullWidthText(newCard.trimmed());
    SelectScalar(MemberDb(), QStringLiteral("select id from jxc_hyxx where hy_bh=:bh and id<>:id"),
        { { QStringLiteral("bh"), card }, { QStringLiteral("id"), id } }, &found);
    if (found)
        return QStringLiteral("会员卡号不能重复！");
    MemberDb().Exec(QStringLiteral("update jxc_hyxx set hy_bh=:bh,hy_mm=:mm where id=:id"),
        { { QStringLiteral("bh"), card }, { QStringLiteral("mm"), ToFullWidthText(newPassword.trimmed()) },
            { QStringLiteral("id"), id } });
    return QString();
}

QString ChangeMemberPassword(qint64 id, const QString& password, const QString& confirm)
{
    if (password.trimmed() != confirm.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    MemberDb().Exec(QStringLiteral("update jxc_hyxx set hy_mm=:mm where id=:id"),
        { { QStringLiteral("mm"), ToFullWidthText(password.trimmed()) }, { QStringLiteral("id"), id } });
    return QString();
}

void AdjustMemberPoints(qint64 id, qint64 entry)
{
    if (entry == 0)
        return;
    const SqlParams byId { { QStringLiteral("id"), id } };
    Transaction t(MemberDb());
    const qint64 accumulated
        = qint64(SelectScalar(MemberDb(), QStringLiteral("select coalesce(hy_zjf,0) from jxc_hyxx where id=:id"), byId)
                     .toDouble());
    const QString level = GetLevelByPoints(QString::number(accumulated + entry));
    MemberDb().Exec(QStringLiteral("update jxc_hyxx set hy_zjf=hy_zjf+:e,hy_jf=hy_jf+:e,hl_sn=:l where id=:id"),
        { { QStringLiteral("e"), entry }, { QStringLiteral("l"), level }, { QStringLiteral("id"), id } });
    t.Commit();
}

void AdjustMemberSpending(qint64 id, double entry)
{
    if (entry == 0)
        return;
    MemberDb().Exec(QStringLiteral("update jxc_hyxx set hy_zje=hy_zje+:e where id=:id"),
        { { QStringLiteral("e"), entry }, { QStringLiteral("id"), id } });
}

QStringList MobileExportLines(MobileChoice choice, qint64 minPoints, const QDate& today)
{
    QString sql = QStringLiteral("select hy_bh,hy_name,hy_mobile from jxc_hyxx where hy_mobile<>'' and "
                                 "hy_mobile is not null");
    SqlParams p;
    switch (choice) {
    case MobileChoice::All:
        break;
    case MobileChoice::Points:
        sql += QStringLiteral(" and hy_jf>=:jf");
        p.insert(QStringLiteral("jf"), minPoints);
        break;
    case MobileChoice::NoPoints:
        sql += QStringLiteral(" and hy_jf<=0");
        break;
    case MobileChoice::BirthdayToday:
        sql += QStringLiteral(" and hy_sr like :sr");
        p.insert(QStringLiteral("sr"), QStringLiteral("%") + today.toString(QStringLiteral("-MM-dd")));
        break;
    }
    Query q(&MemberDb());
    OpenWithParams(q, sql + QStringLiteral(" order by id"), p);
    QStringList lines;
    for (int r = 0; r < q.RecordCount(); ++r)
        lines << q.TextAt(r, 0) + QLatin1Char(' ') + q.TextAt(r, 1) + QLatin1Char(' ') + q.TextAt(r, 2);
    return lines;
}

bool WriteMobileExport(const QString& chosenName, const QStringList& lines)
{
    if (lines.isEmpty())
        return true;
    QFile f(chosenName + QStringLiteral(".txt"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n");
    return f.write(ToShopCodePage(text)) >= 0;
}

QString AdvancedConditions(const AdvancedMemberQuery& q)
{
    QString w;
    if (!q.method.isEmpty())
        w += QStringLiteral(" and a.hh_sn='") + SafeSqlText(q.method) + QStringLiteral("' ");
    w += CompareCondition(QStringLiteral("hy_jf"), q.pointsOp, q.points);
    w += CompareCondition(QStringLiteral("hy_zje"), q.spendingOp, q.spending);
    w += CompareCondition(QStringLiteral("hy_zhje"), q.balanceOp, q.balance);
    w += RangeCondition(QStringLiteral("hy_sr"), q.birthFrom, q.birthTo);
    w += RangeCondition(QStringLiteral("hy_jrrq"), q.joinFrom, q.joinTo);
    w += RangeCondition(QStringLiteral("hy_dqrq"), q.expiryFrom, q.expiryTo);
    if (!q.idNumber.trimmed().isEmpty())
        w += QStringLiteral(" and a.hy_zjhm like ") + LikeAny(SafeSqlText(q.idNumber.trimmed())) + QLatin1Char(' ');
    if (!q.address.trimmed().isEmpty())
        w += QStringLiteral(" and a.hy_address like ") + LikeAny(SafeSqlText(q.address.trimmed())) + QLatin1Char(' ');
    return w;
}
