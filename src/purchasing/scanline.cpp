#include "purchasing/scanline.h"

#include "documents/docdrafts.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

ScannedLine ScanPurchaseLine(
    const DocKind& kind, const QString& number, const QString& date, const QString& code, bool refuseRepeat)
{
    using namespace posting;
    ScannedLine result;
    result.number = number;
    Query tm(&Db());
    OpenWithParams(
        tm, QStringLiteral("select g_sn,cm_sn,color_sn from jxc_tm where tm_tm=:b"), { { QStringLiteral("b"), code } });
    if (tm.IsEmpty())
        return result;
    const QString goods = tm.AsString(QStringLiteral("g_sn"));
    if (refuseRepeat
        && First(QStringLiteral("select id from ") + kind.lines
                + QStringLiteral(" where g_sn=:g and gl_djh=:n and a_name=:a limit 1"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("n"), number },
                { QStringLiteral("a"), CurrentAdminName } })
               .isValid()) {
        result.outcome = ScannedLine::Repeated;
        return result;
    }
    const QString priceColumn = PurchasePriceDefault == QLatin1String("1") ? QStringLiteral("g_scjj")
        : PurchasePriceDefault == QLatin1String("2")                       ? QStringLiteral("g_jj")
                                                                           : QStringLiteral("g_pjjj");
    const double price
        = RoundUp(FirstNumber(QStringLiteral("select ") + priceColumn + QStringLiteral(" from jxc_goods where g_sn=:g"),
                      { { QStringLiteral("g"), goods } }),
            AmountDecimals);
    const double amount = IsTrue(RoundTotals) ? RoundUp(price, TotalDecimals.toInt()) : price;

    Transaction t(Db());
    result.number = RedrawIfHeld(kind, number, date);
    const qint64 id = InsertRow(kind.lines,
        { { QStringLiteral("gl_djh"), result.number }, { QStringLiteral("jh_dj"), price },
            { QStringLiteral("jh_sl"), 1 }, { QStringLiteral("jh_zje"), amount }, { QStringLiteral("g_sn"), goods },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("jh_je"), amount },
            { QStringLiteral("jh_tax"), 0 }, { QStringLiteral("jh_taxdj"), price }, { QStringLiteral("jh_taxje"), 0 },
            { QStringLiteral("jh_rksl"), IsTrue(UseStockIn) ? 0 : 1 }, { QStringLiteral("jh_dzl"), 1 } });
    Run(QStringLiteral("update ") + kind.lines + QStringLiteral(" set tid=id where id=:id"),
        { { QStringLiteral("id"), id } });
    InsertRow(kind.detail,
        { { QStringLiteral("gl_djh"), result.number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("t_sl"), 1 },
            { QStringLiteral("cm_sn"), tm.AsString(QStringLiteral("cm_sn")) },
            { QStringLiteral("color_sn"), tm.AsString(QStringLiteral("color_sn")) },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), id } });
    t.Commit();
    result.outcome = ScannedLine::Added;
    return result;
}
