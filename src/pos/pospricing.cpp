#include "pos/pospricing.h"

#include "foundation/customerprice.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"

namespace {

// A stored period bound: "yyyy-MM-dd" alone or with a time of day.
QDateTime periodMoment(const QString& text, bool end)
{
    const QString t = text.trimmed();
    if (t.length() <= 10) {
        const QDate d = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
        if (!d.isValid())
            return QDateTime();
        // An end date without a time holds until the start of the next day.
        return QDateTime(end ? d.addDays(1) : d, QTime(0, 0));
    }
    for (const char* form : { "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-ddTHH:mm:ss" }) {
        const QDateTime m = QDateTime::fromString(t, QLatin1String(form));
        if (m.isValid())
            return m;
    }
    return QDateTime();
}

}

PosBuyer CurrentPosBuyer(const QString& memberNo, const QString& levelDiscount)
{
    PosBuyer b;
    b.memberNo = memberNo;
    bool ok = false;
    const double level = levelDiscount.toDouble(&ok);
    b.levelDiscount = ok ? level : 1;
    b.memberDay = IsMemberDay == QLatin1String("1");
    const double day = MemberDayDiscount.toDouble(&ok);
    b.memberDayDiscount = ok ? day : 1;
    return b;
}

bool InSpecialPeriod(const Query& goods, const QDateTime& now)
{
    if (!IsTrue(goods.AsString(QStringLiteral("g_tjsp"))))
        return false;
    if (!IsTrue(goods.AsString(QStringLiteral("g_tjqx"))))
        return true;
    const QDateTime start = periodMoment(goods.AsString(QStringLiteral("g_ks")), false);
    const QDateTime end = periodMoment(goods.AsString(QStringLiteral("g_js")), true);
    if (!start.isValid() || !end.isValid())
        return false;
    const bool dateOnlyEnd = goods.AsString(QStringLiteral("g_js")).trimmed().length() <= 10;
    return now >= start && (dateOnlyEnd ? now < end : now <= end);
}

PosPrice PricePosGoods(const Query& goods, const PosBuyer& buyer, const QDateTime& now, bool repricing)
{
    const QString sn = goods.AsString(QStringLiteral("g_sn"));
    PosPrice r;
    r.price = goods.AsFloat(QStringLiteral("g_sj"));
    if (!repricing && SalePriceDefault == QLatin1String("1")) {
        const QString customer = GetCustomerPrice(QStringLiteral("100001"), sn);
        if (!customer.isEmpty())
            r.price = customer.toDouble();
    }
    if (buyer.memberDay) {
        if (buyer.IsMember())
            r.rate = buyer.memberDayDiscount;
    } else {
        const bool inPeriod = InSpecialPeriod(goods, now);
        const double special = goods.AsFloat(QStringLiteral("g_tj"));
        const double memberPrice = goods.AsFloat(QStringLiteral("g_hyj"));
        const bool levelGoodsApply = !repricing || IsTrue(goods.AsString(QStringLiteral("g_dxdz")));
        const QString levelGoods = !levelGoodsApply ? QString()
            : buyer.IsMember()
            ? ScalarBound(QStringLiteral("select a.hl_dxzk from jxc_dxdz a,jxc_hyxx b where a.hl_sn=b.hl_sn and "
                                         "b.hy_bh=:m and a.g_sn=:g"),
                { { QStringLiteral("m"), buyer.memberNo }, { QStringLiteral("g"), sn } })
            : ScalarBound(QStringLiteral("select hl_dxzk from jxc_dxdz where hl_sn='' and g_sn=:g"),
                { { QStringLiteral("g"), sn } });
        if (buyer.IsMember())
            r.rate = buyer.levelDiscount;
        const double own = goods.AsFloat(QStringLiteral("g_dzll"));
        if (own != 1 && r.rate == 1)
            r.rate = own;
        if (!levelGoods.isEmpty()) {
            r.rate = levelGoods.toDouble();
        } else if (inPeriod) {
            if (buyer.IsMember() && memberPrice != 0) {
                r.price = memberPrice;
                r.rate = 1;
            } else if (!buyer.IsMember() && special != 0) {
                r.price = special;
                r.rate = 1;
            }
        }
    }
    if (r.rate <= 0)
        r.rate = 1;
    return r;
}
