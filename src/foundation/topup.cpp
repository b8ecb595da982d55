#include "foundation/topup.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/db/transaction.h"

#include <QDate>

namespace {

// One time-based mode: the interval of datediff, the top-up rows' mode, and what
// an instalment row of this run carries.
struct Release {
    QString interval; // 'm' or 'd'
    int mode;         // 1 or 3
    QString note;     // followed by the count and the unit
    QString unit;
    QString kind; // xf_zt of the instalment row
};

// Pays every due top-up row of the mode once, for as many periods as have passed
// and instalments are left; returns the largest number of periods found due.
int PayInstalments(const Release& r, const QString& number, const QString& today)
{
    const QString diff = QStringLiteral("datediff('") + r.interval + QStringLiteral("',xf_zsrq,") + SqlQuoted(today)
        + QStringLiteral(")");
    const QString mode = QStringLiteral("hs_zsfs=") + QString::number(r.mode);
    const QString due
        = QueryScalar(QStringLiteral("select max(") + diff + QStringLiteral(") as num from jxc_hyxf where ") + mode
            + QStringLiteral(" and hs_zsje>=hs_myje and ") + diff + QStringLiteral(">=1"));
    const int n = due.isEmpty() ? 0 : due.toInt();
    // From the most periods down: a row paid for k periods moves to today and is
    // not matched again for a smaller k.
    for (int k = n; k >= 1; --k) {
        const QString ks = QString::number(k);
        const QString match = QStringLiteral(" where ") + mode + QStringLiteral(" and hs_zsje>=hs_myje*") + ks
            + QStringLiteral(" and ") + diff + QStringLiteral(">=") + ks;
        ExecSQL(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,xf_rq,xf_je,xf_yhje,xf_djq,xf_czk,xf_xj,xf_xyk,"
                               "xf_wxje,xf_zfbje,xf_zlje,a_name,xf_note,xf_zt,xf_zsrq,hs_zsfs,hs_myje,hs_zsje) select ")
            + SqlQuoted(number) + QStringLiteral(",hy_sn,") + SqlQuoted(today) + QStringLiteral(",") + ks
            + QStringLiteral("*hs_myje,0,0,0,0,0,0,0,0,") + SqlQuoted(CurrentAdminName) + QStringLiteral(",gl_djh||")
            + SqlQuoted(r.note + ks + r.unit) + QStringLiteral(",") + SqlQuoted(r.kind) + QStringLiteral(",")
            + SqlQuoted(today) + QStringLiteral(",-") + QString::number(r.mode) + QStringLiteral(",0,0 from jxc_hyxf")
            + match);
        ExecSQL(QStringLiteral("update jxc_hyxf set xf_zsrq=") + SqlQuoted(today)
            + QStringLiteral(",hs_zsje=hs_zsje-hs_myje*") + ks + match);
    }
    return n;
}

// Writes off the sale-bound instalments of the periods up to `until` that no sale
// collected, and moves their date to `until`.
void WriteOff(const QString& interval, int mode, const QString& until)
{
    const QString diff = QStringLiteral("datediff('") + interval + QStringLiteral("',xf_zsrq,") + SqlQuoted(until)
        + QStringLiteral(")");
    const QString m = QString::number(mode);
    ExecSQL(QStringLiteral("update jxc_hyxf set xf_zsrq=") + SqlQuoted(until)
        + QStringLiteral(",hs_zsje=hs_zsje-hs_myje*") + diff + QStringLiteral(" where hs_zsfs=") + m
        + QStringLiteral(" and  hs_zsje>=hs_myje and ") + diff + QStringLiteral(">=1"));
    ExecSQL(QStringLiteral("update jxc_hyxf set hs_zsje=0 where hs_zsfs=") + m + QStringLiteral(" and hs_zsje<0"));
}

} // namespace

void ApplyMonthlyTopUpGifts()
{
    const QString format = QStringLiteral("yyyy-MM-dd");
    const QDate day = Clock::Today();
    const QString today = day.toString(format);
    try {
        // One unit of work: a payout whose date moved but whose credit was lost (or
        // the reverse) would be paid twice or never.
        Transaction work(F_DataModule->ADOConn);
        const QString number
            = NextDocNo(QStringLiteral("jxc_hyxf"), QStringLiteral("gl_djh"), QStringLiteral("XF"), today);
        const Release monthly { QStringLiteral("m"), 1, QStringLiteral("该单据充值按月赠送，本次赠送："),
            QStringLiteral("个月"), QStringLiteral("按月到账") };
        const Release daily { QStringLiteral("d"), 3, QStringLiteral("该单据充值按天赠送，本次赠送："),
            QStringLiteral("天"), QStringLiteral("按天到账") };
        if (day.day() >= 10)
            PayInstalments(monthly, number, today);
        WriteOff(QStringLiteral("m"), 2, day.addMonths(-1).toString(format));
        const int daysDue = PayInstalments(daily, number, today);
        if (daysDue >= 1)
            WriteOff(QStringLiteral("d"), 4, day.addDays(-1).toString(format));
        // Each member gains the sum of his rows of this run; a join update would
        // credit only one of two rows.
        const QString paid = QStringLiteral("(f.hs_zsfs=-1 or f.hs_zsfs=-3) and f.gl_djh=") + SqlQuoted(number);
        ExecSQL(QStringLiteral("update jxc_hyxx set hy_zhje=ifnull(hy_zhje,0)+(select sum(f.xf_je) from jxc_hyxf f "
                               "where f.hy_sn=jxc_hyxx.hy_sn and ")
            + paid + QStringLiteral(") where hy_sn in (select f.hy_sn from jxc_hyxf f where ") + paid
            + QStringLiteral(")"));
        work.Commit();
    } catch (const std::exception&) {
        // The login goes on; nothing of this run was kept, so the next login pays it.
    }
}

QString GetMemberLevelByPoints(const QString& memberSn, qint64 addedPoints)
{
    Query member(&F_DataModule->ADOConn);
    member.SetSQL(QStringLiteral("select hy_zjf,hy_jf,hy_sj,hl_sn from jxc_hyxx where hy_sn=") + SqlQuoted(memberSn));
    member.Open();
    if (member.IsEmpty())
        return QString();
    QString level = member.AsString(QStringLiteral("hl_sn"));
    const qint64 total = member.AsInteger(QStringLiteral("hy_zjf")) + addedPoints;
    if (IsTrue(member.AsString(QStringLiteral("hy_sj")))) {
        const QString t = QString::number(total);
        level = QueryScalar(
            QStringLiteral("select hl_sn from jxc_hyfl where hl_jfxx<=") + t + QStringLiteral(" and hl_jfsx>=") + t);
    }
    return level;
}
