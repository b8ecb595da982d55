// Sales orders on the shop-size account set. Targets: taking a 200-line order over
// into a delivery under 200 ms; the take-over's order list over 10,000 approved
// orders under 200 ms.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "sales/spddorder.h"

#include <benchmark/benchmark.h>

namespace {

void AddOrder(const QString& number, int lines, int seed)
{
    posting::InsertRow(QStringLiteral("jxc_xsd"),
        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("kh_sn"), QStringLiteral("K1001") },
            { QStringLiteral("ck_sn"), QStringLiteral("100001") },
            { QStringLiteral("ls_xsrq"), QStringLiteral("2024-03-05 09:00") },
            { QStringLiteral("ls_yfje"), 30 * lines }, { QStringLiteral("u_sn"), DefaultUserSn() },
            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("ls_status"), 1 },
            { QStringLiteral("ls_qk"), 0 }, { QStringLiteral("ls_jsfs"), 0 } });
    for (int k = 0; k < lines; ++k) {
        const QString goods = QStringLiteral("G%1").arg(100000 + (seed * 7 + k) % 20000);
        const qint64 id = posting::InsertRow(QStringLiteral("jxc_xssp"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("ls_sl"), 2 },
                { QStringLiteral("ls_dj"), 30 }, { QStringLiteral("ls_taxdj"), 30 }, { QStringLiteral("ls_dzl"), 1 },
                { QStringLiteral("ls_zje"), 60 }, { QStringLiteral("ls_cksl"), 0 },
                { QStringLiteral("a_name"), CurrentAdminName } });
        posting::Run(QStringLiteral("update jxc_xssp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
        posting::InsertRow(QStringLiteral("jxc_xsspmx"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("t_sl"), 2 },
                { QStringLiteral("cm_sn"), QStringLiteral("Z2") }, { QStringLiteral("color_sn"), QStringLiteral("C1") },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), id } });
    }
}

Connection& OrderShop()
{
    static bool ready = false;
    Connection& c = ShopData::Get().Module().ADOConn;
    if (!ready) {
        ready = true;
        LoadSystemSettings();
        Transaction t(c);
        AddOrder(QStringLiteral("XD240305200"), 200, 0);
        for (int n = 0; n < 10000; ++n)
            AddOrder(QStringLiteral("XD2403%1").arg(100000 + n), 1, n);
        t.Commit();
    }
    return c;
}

void BM_TakeOverWholeOrderOf200Lines(benchmark::State& state)
{
    Connection& c = OrderShop();
    for (auto _ : state) {
        const QString number = TakeOverWholeOrder(
            QStringLiteral("XD240305200"), { QStringLiteral("XS24030590001"), QStringLiteral("2024-03-05") });
        state.PauseTiming();
        if (posting::FirstNumber(
                QStringLiteral("select count(*) from jxc_lsxssp where gl_djh=:n"), { { QStringLiteral("n"), number } })
            != 200)
            state.SkipWithError("the order was not taken over whole");
        state.ResumeTiming();
    }
    c.Exec(QStringLiteral("delete from jxc_lsxssp where gl_djh='XS24030590001'"));
    c.Exec(QStringLiteral("delete from jxc_lsxsspmx where gl_djh='XS24030590001'"));
}
BENCHMARK(BM_TakeOverWholeOrderOf200Lines)->Unit(benchmark::kMillisecond);

void BM_TakeOverOrderList(benchmark::State& state)
{
    Connection& c = OrderShop();
    OrderListFilter f { QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31") };
    for (auto _ : state) {
        SqlParams p;
        Query q(&c);
        OpenWithParams(q, TakeOverOrdersSql(f, p), p);
        if (q.RecordCount() < 10000)
            state.SkipWithError("orders missing from the list");
    }
}
BENCHMARK(BM_TakeOverOrderList)->Unit(benchmark::kMillisecond);

} // namespace
