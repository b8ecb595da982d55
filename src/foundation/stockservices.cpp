#include "foundation/stockservices.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/settings.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/db/sqltext.h"

#include <cmath>
#include <stdexcept>

namespace
{

QStringList FirstColumn(const QString& sql)
{
    return SelectColumn(F_DataModule->ADOConn, sql);
}

QString SumOrZero(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

void SetMonthTotals(const QString& warehouse, const QString& month, const QString& qty, const QString& value)
{
    ExecSQL(QStringLiteral("update jxc_kcjs set js_sl=") + SumOrZero(qty) + QStringLiteral(",js_zje=")
        + SumOrZero(value) + QStringLiteral(" where js_rq=") + SqlQuoted(month) + QStringLiteral(" and ck_sn=")
        + SqlQuoted(warehouse));
}

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

void PrepareStockRows(const QString& month)
{
    Transaction work(F_DataModule->ADOConn);
    for (const QString& warehouse : FirstColumn(QStringLiteral(
             "select ck_sn from jxc_ckxx where (ck_sn not in (select ck_sn from jxc_kcsp where g_sn='00000000'))")))
        ExecSQL(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,ck_sn,g_sn,kc_zsl) values (0,0,0,")
            + SqlQuoted(warehouse) + QStringLiteral(",'00000000',0)"));

    const QStringList missing = FirstColumn(
        QStringLiteral("select ck_sn from jxc_ckxx where ck_sn not in (select ck_sn from jxc_kcjs where js_rq=")
        + SqlQuoted(month) + QStringLiteral(") order by ck_sn"));
    if (!missing.isEmpty()) {
        for (const QString& warehouse : missing)
            ExecSQL(QStringLiteral("insert into jxc_kcjs (js_rq,js_sl,js_zje,ck_sn,js_xssl,js_xsje,js_cgsl,js_cgje,"
                                   "js_xslr,js_xscb) select ")
                + SqlQuoted(month) + QStringLiteral(",0,0,ck_sn,0,0,0,0,0,0 from jxc_ckxx where ck_sn=")
                + SqlQuoted(warehouse));
        Query totals(&F_DataModule->ADOConn);
        totals.SetSQL(
            QStringLiteral("select sum(kc_sl) as sl,sum(kc_sl*kc_cbj) as zje,ck_sn from jxc_kcsp group by ck_sn"));
        totals.Open();
        for (totals.First(); !totals.Eof(); totals.Next())
            SetMonthTotals(totals.AsString(QStringLiteral("ck_sn")), month, totals.AsString(QStringLiteral("sl")),
                totals.AsString(QStringLiteral("zje")));
    }
    work.Commit();
}

void UpdateMonthStockTotals(const QString& warehouseSn, const QString& month)
{
    Query totals(&F_DataModule->ADOConn);
    totals.SetSQL(QStringLiteral("select sum(kc_sl) as sl,sum(kc_sl*kc_cbj) as zje from jxc_kcsp where ck_sn=")
        + SqlQuoted(warehouseSn));
    totals.Open();
    SetMonthTotals(warehouseSn, month, totals.AsString(QStringLiteral("sl")), totals.AsString(QStringLiteral("zje")));
}

void ClearTempLines()
{
    for (const char* table : { "jxc_tempspxf", "jxc_tempspxf2", "jxc_tempspxfmx" })
        ExecSQL(QStringLiteral("delete from ") + QLatin1String(table) + QStringLiteral(" where a_name=")
            + SqlQuoted(CurrentAdminName));
}

void ClearSpecialPrices()
{
    ExecSQL(QStringLiteral("update jxc_goods set g_tjsp=0,g_tjqx=0,g_ks=null,g_js=null where g_tjsp<>0 and "
                           "g_tjqx<>0 and g_js<")
        + SqlQuoted(Clock::Today().toString(ShortDateFormat)));
}

void DeleteOldHeldPosSales()
{
    if (PurgeOldHeldSales == QLatin1String("0") || PurgeOldHeldSales == QLatin1String("False"))
        return;
    Transaction work(F_DataModule->ADOConn);
    for (const QString& number :
        FirstColumn(QStringLiteral("select gl_djh from jxc_posxsd where pos_note='gd' and pos_xsrq<")
            + SqlQuoted(Clock::Today().toString(QStringLiteral("yyyy-MM-dd"))))) {
        ExecSQL(QStringLiteral("delete from jxc_posxssp where gl_djh=") + SqlQuoted(number));
        ExecSQL(QStringLiteral("delete from jxc_posxsd where gl_djh=") + SqlQuoted(number));
    }
    work.Commit();
}

void IncUserPurchaseCount(const QString& staffSn)
{
    ExecSQL(QStringLiteral("update jxc_user set u_cgpl=u_cgpl+1 where u_sn=") + SqlQuoted(staffSn));
}

void IncUserSalesCount(const QString& staffSn)
{
    ExecSQL(QStringLiteral("update jxc_user set u_xspl=u_xspl+1 where u_sn=") + SqlQuoted(staffSn));
}

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

void EnsureZone(const QString& name)
{
    if (name.isEmpty())
        return;
    if (!QueryScalar(QStringLiteral("select z_name from jxc_zone where z_name=") + SqlQuoted(name)).isEmpty())
        return;
    ExecSQL(QStringLiteral("insert into jxc_zone (z_sn,z_name,z_jm,z_default) values (")
        + SqlQuoted(GetNextSn(QStringLiteral("jxc_zone"), QStringLiteral("z_sn"))) + QStringLiteral(",") + SqlQuoted(name)
        + QStringLiteral(",") + SqlQuoted(GetPyCode(name)) + QStringLiteral(",0)"));
}
