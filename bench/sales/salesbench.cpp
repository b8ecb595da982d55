// The sales delivery on a shop-size account set (20,000 goods with 240,000 barcodes,
// 1,000,000 stock-ledger rows). Targets: a barcode scan to its line (price, cost
// price, stock check, line and colour-by-size row) under 10 ms; saving and approving
// a delivery of 200 lines under 500 ms.
#include "shopdata.h"
#include "widgetbench.h"

#include "documents/docdrafts.h"
#include "documents/dockind.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "sales/salesdraft.h"

#include <benchmark/benchmark.h>

namespace {

Connection& Shop()
{
    static bool ready = false;
    ShopData& shop = ShopData::Get();
    if (!ready) {
        ready = true;
        LoadSystemSettings();
        ScanAccumulates = QStringLiteral("0");
        AllowZeroStockOut = QStringLiteral("0");
        shop.Module().ADOConn.Exec(QStringLiteral("update jxc_goods set g_sj=g_jj*2,g_dzll=1 where g_sn like 'G%'"));
    }
    return shop.Module().ADOConn;
}

void BM_ScanToLine(benchmark::State& state)
{
    Connection& c = Shop();
    SalesScan scan;
    scan.number = QStringLiteral("XS24030510001");
    scan.date = QStringLiteral("2024-03-05");
    scan.warehouse = QStringLiteral("100001");
    int i = 0;
    for (auto _ : state) {
        scan.code = QStringLiteral("G%1C%2Z2").arg(100000 + (i * 7919) % 20000).arg(1 + i % 2);
        ++i;
        if (ScanSalesBarcode(scan).lineId == 0)
            state.SkipWithError("the scan wrote no line");
    }
    // The loop has ended: the draft goes untimed.
    c.Exec(QStringLiteral("delete from jxc_lsxssp where gl_djh='XS24030510001'"));
    c.Exec(QStringLiteral("delete from jxc_lsxsspmx where gl_djh='XS24030510001'"));
}
BENCHMARK(BM_ScanToLine)->Unit(benchmark::kMillisecond);

// A pending delivery of 200 lines of one piece each, written straight into the tables.
QString DraftOf200(Connection& c, int n)
{
    const QString number = QStringLiteral("XS240306%1").arg(10000 + n);
    Transaction t(c);
    for (int k = 0; k < 200; ++k) {
        const QString goods = QStringLiteral("G%1").arg(100000 + (n * 200 + k) % 20000);
        const qint64 id = posting::InsertRow(QStringLiteral("jxc_lsxssp"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("ls_sl"), 1 },
                { QStringLiteral("ls_dj"), 30 }, { QStringLiteral("ls_taxdj"), 30 }, { QStringLiteral("ls_dzl"), 1 },
                { QStringLiteral("ls_je"), 30 }, { QStringLiteral("ls_zje"), 30 }, { QStringLiteral("ls_cksl"), 1 },
                { QStringLiteral("ls_cbj"), 20 }, { QStringLiteral("ls_zcb"), 20 },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("t_zp"), QString() } });
        posting::Run(QStringLiteral("update jxc_lsxssp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
        posting::InsertRow(QStringLiteral("jxc_lsxsspmx"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("g_sn"), goods }, { QStringLiteral("t_sl"), 1 },
                { QStringLiteral("cm_sn"), QStringLiteral("Z2") }, { QStringLiteral("color_sn"), QStringLiteral("C1") },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("tid"), id } });
    }
    t.Commit();
    return number;
}

void BM_SaveAndApprove200Lines(benchmark::State& state)
{
    Connection& c = Shop();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString number = DraftOf200(c, n++);
        state.ResumeTiming();
        Transaction t(c);
        posting::InsertRow(QStringLiteral("jxc_lsxsd"),
            { { QStringLiteral("gl_djh"), number }, { QStringLiteral("kh_sn"), QStringLiteral("K1001") },
                { QStringLiteral("ck_sn"), QStringLiteral("100001") },
                { QStringLiteral("ls_xsrq"), QStringLiteral("2024-03-06 10:00") }, { QStringLiteral("ls_yfje"), 6000 },
                { QStringLiteral("ls_sfje"), 6000 }, { QStringLiteral("u_sn"), DefaultUserSn() },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("ls_status"), 0 },
                { QStringLiteral("ls_jsfs"), 0 }, { QStringLiteral("ls_kmmc"), QStringLiteral("现金") },
                { QStringLiteral("ls_yhje"), 0 } });
        t.Commit();
        if (!ApproveDocument(SalesDeliveryKind(), number, CurrentAdminName))
            state.SkipWithError("the delivery was not approved");
    }
}
BENCHMARK(BM_SaveAndApprove200Lines)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

void ReleaseSalesBrowserBench();

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, [] { ReleaseSalesBrowserBench(); });
}
