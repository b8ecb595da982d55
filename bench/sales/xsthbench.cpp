// The sales return on the shop-size account set. Targets: the return browser's list
// of a customer's goods over 100,000 approved delivery lines under 200 ms; approving
// 50 pending returns of 20 lines each ("审核全部") under 2 s on 1,000,000 ledger rows.
#include "shopdata.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "documents/goodsbrowser.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "sales/xsthrules.h"

#include <benchmark/benchmark.h>

namespace {

// 1,000 approved deliveries of 100 lines to customer K1001 from warehouse 100001.
Connection& ReturnShop()
{
    static bool ready = false;
    ShopData& shop = ShopData::Get();
    Connection& c = shop.Module().ADOConn;
    if (!ready) {
        ready = true;
        LoadSystemSettings();
        Transaction t(c);
        for (int d = 0; d < 1000; ++d) {
            const QString number = QStringLiteral("XS2402%1").arg(100000 + d);
            posting::InsertRow(QStringLiteral("jxc_lsxsd"),
                { { QStringLiteral("gl_djh"), number }, { QStringLiteral("kh_sn"), QStringLiteral("K1001") },
                    { QStringLiteral("ck_sn"), QStringLiteral("100001") }, { QStringLiteral("ls_status"), 1 } });
            for (int k = 0; k < 100; ++k)
                posting::InsertRow(QStringLiteral("jxc_lsxssp"),
                    { { QStringLiteral("gl_djh"), number },
                        { QStringLiteral("g_sn"), QStringLiteral("G%1").arg(100000 + (d * 100 + k) % 20000) },
                        { QStringLiteral("ls_sl"), 1 } });
        }
        t.Commit();
    }
    return c;
}

void BM_CustomerReturnGoods(benchmark::State& state)
{
    Connection& c = ReturnShop();
    const GoodsListQuery list
        = CustomerReturnGoodsList(true, QStringLiteral("100001"), QStringLiteral("K1001"), QString());
    // Opened as the browser opens it: the first page, with the whole list's count.
    for (auto _ : state) {
        Query q(&c);
        OpenGoodsList(q, list, kGoodsListPage);
        if (q.RecordCount() == 0)
            state.SkipWithError("no goods listed");
        state.counters["rows"] = q.RecordCount();
    }
}
BENCHMARK(BM_CustomerReturnGoods)->Unit(benchmark::kMillisecond);

void BM_ApproveFiftyReturns(benchmark::State& state)
{
    Connection& c = ReturnShop();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QStringList numbers;
        {
            Transaction t(c);
            for (int r = 0; r < 50; ++r) {
                const QString number = QStringLiteral("XT2403%1").arg(100000 + round * 50 + r);
                numbers << number;
                posting::InsertRow(QStringLiteral("jxc_xsthd"),
                    { { QStringLiteral("gl_djh"), number }, { QStringLiteral("kh_sn"), QStringLiteral("K1001") },
                        { QStringLiteral("ck_sn"), QStringLiteral("100001") },
                        { QStringLiteral("th_xsrq"), QStringLiteral("2024-03-06 10:00") },
                        { QStringLiteral("th_yfje"), -600 }, { QStringLiteral("th_sfje"), -600 },
                        { QStringLiteral("u_sn"), DefaultUserSn() }, { QStringLiteral("a_name"), CurrentAdminName },
                        { QStringLiteral("th_status"), 0 }, { QStringLiteral("th_jsfs"), 1 },
                        { QStringLiteral("th_kmmc"), QStringLiteral("现金") } });
                for (int k = 0; k < 20; ++k) {
                    const QString goods = QStringLiteral("G%1").arg(100000 + (r * 20 + k) % 20000);
                    const qint64 id = posting::InsertRow(QStringLiteral("jxc_xsthsp"),
                        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods },
                            { QStringLiteral("th_sl"), 1 }, { QStringLiteral("th_dj"), 30 },
                            { QStringLiteral("th_taxdj"), 30 }, { QStringLiteral("th_dzl"), 1 },
                            { QStringLiteral("th_je"), 30 }, { QStringLiteral("th_zje"), 30 },
                            { QStringLiteral("th_cbj"), 20 }, { QStringLiteral("th_zcb"), 20 },
                            { QStringLiteral("a_name"), CurrentAdminName } });
                    posting::Run(
                        QStringLiteral("update jxc_xsthsp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
                    posting::InsertRow(QStringLiteral("jxc_xsthspmx"),
                        { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods },
                            { QStringLiteral("t_sl"), 1 }, { QStringLiteral("cm_sn"), QStringLiteral("Z2") },
                            { QStringLiteral("color_sn"), QStringLiteral("C1") },
                            { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), id } });
                }
            }
            t.Commit();
        }
        ++round;
        state.ResumeTiming();
        for (const QString& number : numbers)
            if (!ApproveDocument(SalesReturnKind(), number, CurrentAdminName))
                state.SkipWithError("a return was not approved");
    }
}
BENCHMARK(BM_ApproveFiftyReturns)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
