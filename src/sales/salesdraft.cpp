#include "sales/salesdraft.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "foundation/customerprice.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

using namespace posting;

namespace {

// Amounts of a line as written: rounded to TotalDecimals when totals are rounded,
// else at the columns' own scale.
double LineAmount(double x)
{
    return IsTrue(RoundTotals) ? RoundUp(x, TotalDecimals.toInt()) : Round8(x);
}

// The line's amounts for a quantity at its stored price, tax price and discount.
Params LineAmounts(double price, double taxPrice, double discount, double qty, double cost)
{
    return { { QStringLiteral("je"), LineAmount(price * discount * qty) },
        { QStringLiteral("taxje"), LineAmount((taxPrice - price) * discount * qty) },
        { QStringLiteral("zje"), LineAmount(taxPrice * discount * qty) },
        { QStringLiteral("zcb"), LineAmount(cost * qty) } };
}

} // namespace

double LevelSalePrice(const QString& customerSn, const QString& goodsSn)
{
    const QString type = GetCustomerType(customerSn);
    double price
        = FirstNumber(QStringLiteral("select g_sj from jxc_goods where g_sn=:g"), { { QStringLiteral("g"), goodsSn } });
    const QChar level = type.size() >= 4 ? type.at(3) : QChar();
    if (type != QLatin1String("1000") && level >= QLatin1Char('1') && level <= QLatin1Char('5')) {
        const double levelPrice
            = FirstNumber(QStringLiteral("select g_sj") + level + QStringLiteral(" from jxc_goods where g_sn=:g"),
                { { QStringLiteral("g"), goodsSn } });
        if (levelPrice != 0)
            price = levelPrice;
    }
    return price;
}

double SalePriceFor(const QString& customerSn, const QString& goodsSn)
{
    double price = LevelSalePrice(customerSn, goodsSn);
    const QString own = GetCustomerPrice(customerSn, goodsSn);
    if (!own.isEmpty())
        price = own.toDouble();
    return price;
}

SalesScanResult ScanSalesBarcode(const SalesScan& scan)
{
    SalesScanResult result;
    result.number = scan.number;
    const DocKind& kind = scan.kind ? *scan.kind : SalesDeliveryKind();
    const QString code = scan.code.trimmed();
    if (code.isEmpty())
        return result;
    Query tm(&Db());
    OpenWithParams(tm, QStringLiteral("select g_sn,cm_sn,color_sn from jxc_tm where tm_tm=:b limit 1"),
        { { QStringLiteral("b"), code } });
    if (tm.IsEmpty()) {
        result.message = QStringLiteral("没有找到与该条码匹配的商品，请检查！");
        return result;
    }
    const QString goods = tm.AsString(QStringLiteral("g_sn"));
    const QString size = tm.AsString(QStringLiteral("cm_sn"));
    const QString color = tm.AsString(QStringLiteral("color_sn"));
    if (scan.refuseRepeat
        && First(QStringLiteral("select id from ") + kind.lines
                + QStringLiteral(" where g_sn=:g and gl_djh=:n and a_name=:a limit 1"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("n"), scan.number },
                { QStringLiteral("a"), CurrentAdminName } })
               .isValid()) {
        result.message = QStringLiteral("该商品已添加，不能重复添加，\r\n\r\n可以修改已添加商品的数量！");
        result.clearCode = true;
        return result;
    }
    if (!IsTrue(AllowZeroStockOut)
        && FirstNumber(QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn=:g and cm_sn=:s and color_sn=:c "
                                      "and ck_sn=:ck and t_sl>0"),
               { { QStringLiteral("g"), goods }, { QStringLiteral("s"), size }, { QStringLiteral("c"), color },
                   { QStringLiteral("ck"), scan.warehouse } })
            <= 0) {
        result.message = QStringLiteral("库存数量出现负数，不能销售！");
        return result;
    }

    Query g(&Db());
    OpenWithParams(g, QStringLiteral("select g_dzll,g_lsj,g_sptm from jxc_goods where g_sn=:g"),
        { { QStringLiteral("g"), goods } });
    // A goods without a default discount sells at its full price.
    double discount = g.AsFloat(QStringLiteral("g_dzll"));
    if (discount <= 0)
        discount = 1;
    const double retail = g.AsFloat(QStringLiteral("g_lsj"));
    const bool ownBarcode = g.AsString(QStringLiteral("g_sptm")) == code;
    const double price = RoundUp(SalePriceFor(scan.customer, goods), AmountDecimals);
    const double cost = GetCostPrice(goods, scan.warehouse, scan.date);
    const double rate = DefaultTaxRate.toDouble() / 100;
    const bool stockOutLater = IsTrue(UseStockOut);

    Transaction t(Db());
    const QString number = RedrawIfHeld(kind, scan.number, scan.date);
    qint64 lineId = 0;
    if (IsTrue(ScanAccumulates) && ownBarcode) {
        Query line(&Db());
        OpenWithParams(line,
            QStringLiteral("select id,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_cbj,ls_cksl from ") + kind.lines
                + QStringLiteral(" where gl_djh=:n "
                                 "and g_sn=:g and a_name=:a and coalesce(t_zp,'')='' order by id limit 1"),
            { { QStringLiteral("n"), number }, { QStringLiteral("g"), goods },
                { QStringLiteral("a"), CurrentAdminName } });
        if (!line.IsEmpty()) {
            lineId = line.AsInteger(QStringLiteral("id"));
            const double qty = line.AsFloat(QStringLiteral("ls_sl")) + 1;
            Params p = LineAmounts(line.AsFloat(QStringLiteral("ls_dj")), line.AsFloat(QStringLiteral("ls_taxdj")),
                line.AsFloat(QStringLiteral("ls_dzl")), qty, line.AsFloat(QStringLiteral("ls_cbj")));
            p.insert(QStringLiteral("sl"), qty);
            p.insert(QStringLiteral("ck"), line.AsFloat(QStringLiteral("ls_cksl")) + (stockOutLater ? 0 : 1));
            p.insert(QStringLiteral("id"), lineId);
            Run(QStringLiteral("update ") + kind.lines
                    + QStringLiteral(" set ls_sl=:sl,ls_je=:je,ls_taxje=:taxje,ls_zje=:zje,ls_zcb=:zcb,"
                                     "ls_cksl=:ck where id=:id"),
                p);
        }
    }
    if (lineId == 0) {
        const double taxPrice = RoundUp(price * (1 + rate), AmountDecimals);
        const Params a = LineAmounts(price, taxPrice, discount, 1, cost);
        lineId = InsertRow(kind.lines,
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("ls_dj"), price }, { QStringLiteral("ls_sl"), 1 },
                { QStringLiteral("ls_zje"), a.value(QStringLiteral("zje")) }, { QStringLiteral("ls_dzl"), discount },
                { QStringLiteral("ls_zhje"), price }, { QStringLiteral("g_sn"), goods },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("t_zp"), QString() },
                { QStringLiteral("ls_je"), a.value(QStringLiteral("je")) }, { QStringLiteral("ls_tax"), rate * 100 },
                { QStringLiteral("ls_taxdj"), taxPrice },
                { QStringLiteral("ls_taxje"), a.value(QStringLiteral("taxje")) }, { QStringLiteral("ls_lsj"), retail },
                { QStringLiteral("ls_cksl"), stockOutLater ? 0 : 1 }, { QStringLiteral("ls_cbj"), cost },
                { QStringLiteral("ls_zcb"), a.value(QStringLiteral("zcb")) }, { QStringLiteral("ls_cbj2"), cost } });
        Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set tid=id where id=:id"),
            { { QStringLiteral("id"), lineId } });
    }
    InsertRow(kind.detail,
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("t_sl"), 1 },
            { QStringLiteral("cm_sn"), size }, { QStringLiteral("color_sn"), color },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), lineId } });
    t.Commit();
    result.number = number;
    result.lineId = lineId;
    result.clearCode = true;
    return result;
}

bool ApplyWholeDiscount(const QString& number, double rate)
{
    if (!(rate > 0))
        return false;
    Query lines(&Db());
    OpenWithParams(lines,
        QStringLiteral("select id,ls_sl,ls_dj,ls_taxdj,ls_cbj from jxc_lsxssp where gl_djh=:n and a_name=:a"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName } });
    Transaction t(Db());
    for (lines.First(); !lines.Eof(); lines.Next()) {
        Params p = LineAmounts(lines.AsFloat(QStringLiteral("ls_dj")), lines.AsFloat(QStringLiteral("ls_taxdj")), rate,
            lines.AsFloat(QStringLiteral("ls_sl")), 0);
        p.remove(QStringLiteral("zcb"));
        p.insert(QStringLiteral("dzl"), rate);
        p.insert(QStringLiteral("id"), lines.AsInteger(QStringLiteral("id")));
        Run(QStringLiteral("update jxc_lsxssp set ls_dzl=:dzl,ls_je=:je,ls_taxje=:taxje,ls_zje=:zje where id=:id"), p);
    }
    t.Commit();
    return true;
}

void OpenSalesEntryLines(Query& q, const DocKind& kind, const QString& number)
{
    // The goods' own columns come first: the line table has a unit column of its own
    // (empty for entered lines) that would otherwise hide the goods' unit.
    q.SetSQL(
        QStringLiteral(
            "select a.dw_name,a.gg_name,d.color_name,c.cm_name,b.*,coalesce(a.g_name,'')||coalesce(b.t_zp,'') "
            "as g_name,b.ls_dj*b.ls_dzl as sj,e.t_sl,e.t_sl*b.ls_dj*b.ls_dzl as je,"
            "e.t_sl*b.ls_tax*b.ls_dj/100.00 as taxje,e.t_sl*b.ls_taxdj*b.ls_dzl as zje,e.id as eid from jxc_goods a,")
        + kind.lines + QStringLiteral(" b,jxc_cm c,jxc_color d,") + kind.detail
        + QStringLiteral(" e where a.g_sn=b.g_sn and b.id=e.tid and c.cm_sn=e.cm_sn and d.color_sn=e.color_sn "
                         "and b.gl_djh=:djh and b.a_name=:aname order by b.id,e.id"));
    q.SetBaseTable(kind.lines);
    q.SetParam(QStringLiteral("djh"), number);
    q.SetParam(QStringLiteral("aname"), CurrentAdminName);
    q.Open();
}
