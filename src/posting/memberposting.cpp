#include "posting/memberposting.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"
#include "posting/tradecommon.h"

#include <cmath>

using namespace posting;
using namespace posting::trade;

namespace {

QString Day(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// Whole points: truncated towards zero.
double Whole(double x)
{
    return std::trunc(x + (x >= 0 ? 1e-9 : -1e-9));
}

double Setting(const QString& value)
{
    return value.isEmpty() ? 0 : value.toDouble();
}

bool Off(const QString& value)
{
    return value == QLatin1String("0") || value == QLatin1String("False");
}

struct Instalment {
    int mode;         // 2 monthly, 4 daily
    const char* unit; // datediff unit
    const char* note;
    const char* arrival;
};
const Instalment kInstalments[] = {
    { 2, "m", "该单据充值按月消费赠送，本次消费赠送：1个月", "本月消费到账" },
    { 4, "d", "该单据充值按天消费赠送，本次消费赠送：1天", "今天消费到账" },
};

// Every top-up whose gift is due at this sale pays its instalment: one row each,
// each top-up advanced, the stored value raised by their sum.
void PayInstalments(const QString& docNo, const QString& member)
{
    const QString today = Day(Clock::Today());
    for (const Instalment& i : kInstalments) {
        const QString due = QStringLiteral(" from jxc_hyxf where hs_zsfs=%1 and hs_zsje>=hs_myje and "
                                           "datediff('%2',xf_zsrq,:today)>=1 and hy_sn=:m")
                                .arg(i.mode)
                                .arg(QLatin1String(i.unit));
        // The date written goes under its own name: the server gives one parameter one
        // type, and the column (citext) and datediff's argument (text) differ.
        const Params p { { QStringLiteral("today"), today }, { QStringLiteral("day"), today },
            { QStringLiteral("m"), member } };
        const double sum = FirstNumber(QStringLiteral("select sum(hs_myje)") + due, p);
        if (sum <= 0)
            continue;
        Params ins = p;
        ins.insert(QStringLiteral("pos"), docNo);
        ins.insert(QStringLiteral("who"), CurrentAdminName);
        ins.insert(QStringLiteral("note"), QString::fromUtf8(i.note));
        ins.insert(QStringLiteral("zt"), docNo + QString::fromUtf8(i.arrival));
        ins.insert(QStringLiteral("paid"), -i.mode);
        Run(QStringLiteral("insert into jxc_hyxf (gl_djh,hy_sn,xf_rq,xf_zsrq,xf_je,xf_yhje,xf_djq,xf_czk,xf_xj,xf_xyk,"
                           "xf_wxje,xf_zfbje,xf_zlje,a_name,xf_note,xf_zt,hs_zsfs,hs_myje,hs_zsje) "
                           "select :pos,hy_sn,:day,:day,hs_myje,0,0,0,0,0,0,0,0,:who,coalesce(gl_djh,'')||:note,:zt,"
                           ":paid,0,0")
                + due + QStringLiteral(" order by id"),
            ins);
        Run(QStringLiteral("update jxc_hyxf set xf_zsrq=:day,hs_zsje=hs_zsje-hs_myje") + due.mid(14), p);
        Run(QStringLiteral("update jxc_hyxx set hy_zhje=coalesce(hy_zhje,0)+:a where hy_sn=:m"),
            { { QStringLiteral("a"), Round8(sum) }, { QStringLiteral("m"), member } });
        Run(QStringLiteral("update jxc_posxsd set pos_zftype='1' where gl_djh=:djh"),
            { { QStringLiteral("djh"), docNo } });
    }
}

// Cancelling the member's only sale of its month (day) takes back every
// instalment paid in that period; in the current period the top-ups open again.
void TakeBackInstalments(const QString& member, const QString& saleStamp)
{
    const QString saleDate = saleStamp.left(10);
    const QDate today = Clock::Today();
    for (const Instalment& i : kInstalments) {
        const bool monthly = i.mode == 2;
        const QString paidIn = monthly
            ? QStringLiteral(" from jxc_hyxf where hs_zsfs=-2 and left(xf_zsrq,7)=:period and hy_sn=:m")
            : QStringLiteral(" from jxc_hyxf where hs_zsfs=-4 and xf_zsrq=:period and hy_sn=:m");
        const Params p { { QStringLiteral("period"), monthly ? saleDate.left(7) : saleDate },
            { QStringLiteral("m"), member } };
        double sum = 0;
        if (!FindNumber(QStringLiteral("select sum(xf_je)") + paidIn, p, sum))
            continue;
        const Params sale { { QStringLiteral("d"), saleDate }, { QStringLiteral("m"), member } };
        const QString unit = QLatin1String(i.unit);
        if (FirstNumber(
                QStringLiteral("select count(*) from jxc_posxsd where datediff('%1',pos_xsrq,:d)=0 and hy_sn=:m")
                    .arg(unit),
                sale)
            != 1)
            continue;
        Run(QStringLiteral("delete") + paidIn, p);
        Run(QStringLiteral("update jxc_hyxx set hy_zhje=coalesce(hy_zhje,0)-:a where hy_sn=:m"),
            { { QStringLiteral("a"), Round8(sum) }, { QStringLiteral("m"), member } });
        const bool current
            = monthly ? saleDate.left(7) == today.toString(QStringLiteral("yyyy-MM")) : saleDate == Day(today);
        if (current)
            Run(QStringLiteral("update jxc_hyxf set xf_zsrq=:back,hs_zsje=hs_zsje+hs_myje where hs_zsfs=%1 and "
                               "datediff('%2',xf_zsrq,:d)=0 and hy_sn=:m")
                    .arg(i.mode)
                    .arg(unit),
                { { QStringLiteral("back"), Day(monthly ? today.addMonths(-1) : today.addDays(-1)) },
                    { QStringLiteral("d"), saleDate }, { QStringLiteral("m"), member } });
    }
}

QString LevelOf(double points, const QString& otherwise)
{
    const QVariant level
        = First(QStringLiteral("select hl_sn from jxc_hyfl where hl_jfxx<=:p and hl_jfsx>=:p order by id"),
            { { QStringLiteral("p"), points } });
    return level.isValid() && !level.isNull() ? ValueText(level) : otherwise;
}

// A sum over the document's lines joined with their goods; false for no line.
bool LinesSum(const QString& expression, const QString& goodsCondition, const QString& docNo, double& out)
{
    out = 0;
    return FindNumber(QStringLiteral("select sum(") + expression
            + QStringLiteral(") from jxc_posxssp a inner join jxc_goods b on a.g_sn=b.g_sn where ") + goodsCondition
            + QStringLiteral(" and a.gl_djh=:djh"),
        { { QStringLiteral("djh"), docNo } }, out);
}

} // namespace

void PostPosDocument(const QString& docNo, const QString& memberSn, const QString& mode)
{
    Transaction t(Db());
    const Params doc { { QStringLiteral("djh"), docNo } };
    const Params who { { QStringLiteral("m"), memberSn } };
    Query pos(&Db());
    pos.SetSQL(QStringLiteral("select pos_czk,pos_yfje,pos_xsrq,pos_jfye,pos_bcjf from jxc_posxsd where gl_djh=:djh "
                              "order by id limit 1"));
    pos.SetParam(QStringLiteral("djh"), docNo);
    pos.Open();
    auto posNumber = [&](int c) { return pos.IsEmpty() ? 0.0 : ValueNumber(pos.ValueAt(0, c)); };
    const QString stamp = pos.IsEmpty() ? QString() : pos.TextAt(0, 2);
    if (docNo.startsWith(QLatin1String("XS")) && mode == QLatin1String("XS"))
        PayInstalments(docNo, memberSn);
    const double stored = posNumber(0);
    const double amount = posNumber(1);
    const double bonusBefore = posNumber(3);
    const double pointsBefore = Whole(posNumber(4));

    auto changeMember = [&](const QString& set, Params values) {
        values.insert(QStringLiteral("m"), memberSn);
        Run(QStringLiteral("update jxc_hyxx set ") + set + QStringLiteral(" where hy_sn=:m"), values);
    };
    const bool undoSale = mode == QLatin1String("unXS");
    const bool undoReturn = mode == QLatin1String("unXT");
    if (undoSale || undoReturn) {
        changeMember(
            QStringLiteral("hy_zjf=coalesce(hy_zjf,0)-:p,hy_jf=coalesce(hy_jf,0)-:p,hy_zje=coalesce(hy_zje,0)-:a,"
                           "hy_cs=coalesce(hy_cs,0)+:c,hy_zhje=coalesce(hy_zhje,0)+:s-:b"),
            { { QStringLiteral("p"), pointsBefore }, { QStringLiteral("a"), amount },
                { QStringLiteral("c"), undoSale ? -1 : 1 }, { QStringLiteral("s"), stored },
                { QStringLiteral("b"), bonusBefore } });
        if (undoSale)
            TakeBackInstalments(memberSn, stamp);
    }

    Query m(&Db());
    m.SetSQL(QStringLiteral(
        "select hy_jf,hy_zjf,hy_ye,hy_sj,hl_sn,hy_sr,hh_sn from jxc_hyxx where hy_sn=:m order by id limit 1"));
    m.SetParam(QStringLiteral("m"), memberSn);
    m.Open();
    if (m.IsEmpty()) {
        t.Commit();
        return;
    }
    const double usable = Whole(ValueNumber(m.ValueAt(0, 0)));
    const double cumulative = Whole(ValueNumber(m.ValueAt(0, 1)));
    const double remainderBefore = ValueNumber(m.ValueAt(0, 2));
    const QVariant followsPoints = m.ValueAt(0, 3);
    const QString level = m.TextAt(0, 4);
    const QString birthday = m.TextAt(0, 5);
    const QString scheme = m.TextAt(0, 6);

    if (undoSale || undoReturn) {
        if (cumulative != 0)
            changeMember(
                QStringLiteral("hl_sn=:l"), { { QStringLiteral("l"), GetLevelByPoints(NumberText(cumulative)) } });
        UpdateMemberBalance(memberSn);
        t.Commit();
        return;
    }
    const bool sale = mode == QLatin1String("XS");
    if (!sale && mode != QLatin1String("XT")) {
        t.Commit();
        return;
    }
    const double sign = sale ? 1 : -1;

    const QString saleDate = stamp.left(10);
    double base = sign * amount;
    double special = 0, specialAmount = 0;
    LinesSum(QStringLiteral("a.pos_sl*b.g_tsjf"), QStringLiteral("b.g_tssp<>0"), docNo, special);
    LinesSum(QStringLiteral("a.pos_zje"), QStringLiteral("b.g_tssp<>0"), docNo, specialAmount);
    special = sign * Whole(special);
    specialAmount *= sign;
    base -= specialAmount;
    double ordinary = 0;

    const double perPoint = Setting(AmountPerPoint);
    const bool pointsInUse = perPoint != 0;
    double points = 0;
    bool birthdayApplied = false;
    if (pointsInUse) {
        if (PointsRule == QLatin1String("0"))
            base -= std::abs(stored);
        if (Off(PromoEarnsPoints)) {
            if (LinesSum(QStringLiteral("a.pos_zje"), QStringLiteral("b.g_tjsp=0 and b.g_tssp=0"), docNo, ordinary))
                ordinary *= sign;
            else
                ordinary = base = 0;
        }
        const double remainder = IsTrue(CarryPointRemainder) ? remainderBefore : 0;
        if (base > ordinary && ordinary != 0)
            base = ordinary;
        base = sale ? Whole(base + remainder) : Whole(base);
        if (base == 0) {
            if (stored != 0)
                changeMember(sale ? QStringLiteral("hy_cs=coalesce(hy_cs,0)+1,hy_zje=coalesce(hy_zje,0)+:s,"
                                                   "hy_zhje=coalesce(hy_zhje,0)-:s")
                                  : QStringLiteral("hy_cs=coalesce(hy_cs,0)-1,hy_zje=coalesce(hy_zje,0)+:s"),
                    { { QStringLiteral("s"), stored } });
            t.Commit();
            return;
        }
        points = Whole(base / perPoint);
        const double factor = Setting(BirthdayPointsFactor);
        if (factor != 0 && birthday.size() >= 10) {
            const QString day = saleDate.left(5) + birthday.mid(5, 5);
            bool met = false;
            if (BirthdayPointsType == QLatin1String("0")) {
                met = day == saleDate;
            } else if (BirthdayPointsType == QLatin1String("1")) {
                const QDate d = QDate::fromString(saleDate, QStringLiteral("yyyy-MM-dd"));
                const int days = int(Setting(BirthdayPointsDays));
                met = Day(d.addDays(-days)) <= day && day <= Day(d.addDays(days));
            }
            if (met) {
                points *= factor;
                birthdayApplied = true;
            }
        }
    }

    double bonus = 0;
    Query s(&Db());
    s.SetSQL(QStringLiteral("select hh_yh2,hh_yh3 from jxc_hyyh where hh_sn=:h order by id limit 1"));
    s.SetParam(QStringLiteral("h"), scheme);
    s.Open();
    if (!s.IsEmpty()) {
        const double step = ValueNumber(s.ValueAt(0, 0));
        const double perStep = ValueNumber(s.ValueAt(0, 1));
        if (step != 0 && perStep != 0)
            bonus = Whole(Whole(base / step) * perStep);
    }

    const double multiple = Setting(MultiPoints);
    if (multiple != 0 && !birthdayApplied && MultiPointsFrom <= saleDate && saleDate <= MultiPointsTo)
        points *= multiple;
    points = Whole(points) + special;
    const double newUsable = usable + sign * points;
    const double newCumulative = cumulative + sign * points;
    QString newLevel = level;
    const QString follows = ValueText(followsPoints);
    if (!Off(follows) && follows != QLatin1String("False"))
        newLevel = LevelOf(newCumulative, level);

    if (sale)
        changeMember(QStringLiteral("hy_zjf=coalesce(hy_zjf,0)+:p,hy_jf=coalesce(hy_jf,0)+:p,hl_sn=:l,"
                                    "hy_zje=coalesce(hy_zje,0)+:a,hy_cs=coalesce(hy_cs,0)+1,"
                                    "hy_zhje=coalesce(hy_zhje,0)-:s+:b"),
            { { QStringLiteral("p"), points }, { QStringLiteral("l"), newLevel }, { QStringLiteral("a"), amount },
                { QStringLiteral("s"), stored }, { QStringLiteral("b"), bonus } });
    else
        changeMember(QStringLiteral("hy_zjf=coalesce(hy_zjf,0)-:p,hy_jf=coalesce(hy_jf,0)-:p,hl_sn=:l,"
                                    "hy_zje=coalesce(hy_zje,0)+:a,hy_cs=coalesce(hy_cs,0)-1,"
                                    "hy_zhje=coalesce(hy_zhje,0)-:b"),
            { { QStringLiteral("p"), points }, { QStringLiteral("l"), newLevel }, { QStringLiteral("a"), amount },
                { QStringLiteral("b"), bonus } });
    Run(QStringLiteral("update jxc_posxsd set pos_bcjf=:p,pos_zjf=:u,pos_jfye=:b where gl_djh=:djh"),
        { { QStringLiteral("p"), sign * points }, { QStringLiteral("u"), newUsable },
            { QStringLiteral("b"), sign * bonus }, { QStringLiteral("djh"), docNo } });
    UpdateMemberBalance(memberSn);
    t.Commit();
}

void UpdateMemberBalance(const QString& memberSn)
{
    const long long perPoint = AmountPerPoint.toLongLong();
    if (!IsTrue(CarryPointRemainder) || perPoint == 0)
        return;
    const double total = FirstNumber(
        QStringLiteral("select hy_zje from jxc_hyxx where hy_sn=:m"), { { QStringLiteral("m"), memberSn } });
    Run(QStringLiteral("update jxc_hyxx set hy_ye=:r where hy_sn=:m"),
        { { QStringLiteral("r"), static_cast<long long>(std::trunc(total)) % perPoint },
            { QStringLiteral("m"), memberSn } });
}

QString GetLevelByPoints(const QString& points)
{
    return LevelOf(ValueNumber(points), QStringLiteral("100001"));
}
