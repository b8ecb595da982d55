#include "reports/stockrecalc.h"

#include "foundation/datamodule.h"
#include "platform/db/transaction.h"
#include "posting/movingaverage.h"

namespace {

Connection& recalcDb()
{
    return F_DataModule->ADOConn;
}

void dropDuplicateStockRows(const QString& warehouse)
{
    // The lowest id stays; the quantities of the others are dropped, not added.
    if (warehouse == QLatin1String("-1")) {
        recalcDb().Exec(QStringLiteral(
            "delete from jxc_kcsp where id not in (select min(k.id) from jxc_kcsp k group by k.ck_sn,k.g_sn)"));
        return;
    }
    recalcDb().Exec(QStringLiteral("delete from jxc_kcsp where ck_sn=:ck and id not in "
                                   "(select min(k.id) from jxc_kcsp k where k.ck_sn=:ck group by k.g_sn)"),
        { { QStringLiteral("ck"), warehouse } });
}

void walkLedgers(const QDate& from, const QString& warehouse)
{
    // The day as text: every ledger row of the start day ("yyyy-MM-dd HH:mm") is not
    // less than it.
    RecalcMovingAverageCostFrom(
        from.toString(QStringLiteral("yyyy-MM-dd")), warehouse == QLatin1String("-1") ? QString() : warehouse);
}

}

void RecalcStockBalances(const QDate& from, const QString& warehouse, const std::function<void(int)>& step)
{
    const auto done = [&](int n) {
        if (step)
            step(n);
    };
    Transaction t(recalcDb());
    recalcDb().Exec(QStringLiteral(
        "delete from jxc_goodslist where (ghs_name='期初结转' or ghs_name='库存同步') and gl_flag='qc'"));
    done(1);
    dropDuplicateStockRows(warehouse);
    done(2);
    walkLedgers(from, warehouse);
    done(3);
    recalcDb().Exec(QStringLiteral("update jxc_goods set g_kc=coalesce((select sum(k.kc_sl) from jxc_kcsp k "
                                   "where k.g_sn=jxc_goods.g_sn),0)"));
    done(4);
    // Sales rows carry positive and return rows negative quantities: the sum is the
    // net quantity sold. Pairs without such rows keep their figure.
    recalcDb().Exec(QStringLiteral(
        "update jxc_kcsp set kc_xssl=(select sum(g.gl_sl) from jxc_goodslist g where (g.gl_flag='xs' or "
        "g.gl_flag='xt') and g.g_sn=jxc_kcsp.g_sn and g.ck_sn=jxc_kcsp.ck_sn) where exists (select 1 from "
        "jxc_goodslist g where (g.gl_flag='xs' or g.gl_flag='xt') and g.g_sn=jxc_kcsp.g_sn and "
        "g.ck_sn=jxc_kcsp.ck_sn)"));
    done(5);
    t.Commit();
}
