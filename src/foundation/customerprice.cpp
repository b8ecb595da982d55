#include "foundation/customerprice.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/db/valuetext.h"

#include <cmath>
#include <stdexcept>

namespace {

double PriceNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok)
        throw std::invalid_argument(("'" + text + "' is not a valid floating point value").toStdString());
    return v;
}

// The goods' price column for a customer type: g_sj for the plain type "1000",
// otherwise g_sj and the grade, the type's fourth character.
QString PriceColumn(const QString& type)
{
    if (type == QLatin1String("1000"))
        return QStringLiteral("g_sj");
    return QStringLiteral("g_sj") + type.mid(3, 1);
}

QString CustomerKind(const QString& customer)
{
    return QueryScalar(QStringLiteral("select kt_sn from jxc_khxx where kh_sn=") + SqlQuoted(customer));
}

QString GoodsColumn(const QString& column, const QString& goods)
{
    return QueryScalar(
        QStringLiteral("select ") + column + QStringLiteral(" from jxc_goods where g_sn=") + SqlQuoted(goods));
}

} // namespace

QString GetCustomerPrice(const QString& customerSn, const QString& goodsSn)
{
    QString price = QueryScalar(QStringLiteral("select kb_bj from jxc_khbj where g_sn=") + SqlQuoted(goodsSn)
        + QStringLiteral(" and kh_sn=") + SqlQuoted(customerSn) + QStringLiteral(" order by id desc limit 1"));
    QString type = QStringLiteral("1000");
    if (price.isEmpty() && SalePriceDefault == QLatin1String("1")) {
        // The price of the newest approved sale to this customer.
        price = QueryScalar(QStringLiteral("select a.ls_dj from jxc_lsxssp a,jxc_lsxsd b where b.ls_status=1 and "
                                           "a.gl_djh=b.gl_djh and b.kh_sn=")
            + SqlQuoted(customerSn) + QStringLiteral(" and a.g_sn=") + SqlQuoted(goodsSn)
            + QStringLiteral(" order by a.id desc limit 1"));
        if (price.isEmpty()) {
            if (IsTrue(UseGradePrices))
                type = CustomerKind(customerSn);
            price = GoodsColumn(PriceColumn(type), goodsSn);
        }
    }
    if (price.isEmpty() && SalePriceDefault == QLatin1String("0")) {
        if (IsTrue(UseGradePrices))
            type = CustomerKind(customerSn);
        if (type != QLatin1String("1000"))
            price = GoodsColumn(PriceColumn(type), goodsSn);
    }
    if (price.isEmpty())
        price = GoodsColumn(QStringLiteral("g_sj"), goodsSn);
    if (price.isEmpty())
        price = QStringLiteral("0");

    const double scale = std::pow(10.0, AmountDecimals);
    const double biased = PriceNumber(price) + 0.000000001;
    const double rounded = std::copysign(std::floor(std::fabs(biased) * scale + 0.5), biased) / scale;
    return NumberText(rounded);
}
