// The stock reports on a shop-size account set (20,000 goods in five warehouses,
// 1,000,000 ledger rows a month apart per goods and warehouse). Targets: the
// summary of one month in either mode under 1 s; the current stock over all
// warehouses under 300 ms; the ledger's stock at a cut-off in one warehouse under
// 1 s; the detail of one month as its window opens it (the first page, the row
// count and the footer's sums) under 1 s; the recalculation of the running
// balances of all warehouses from the first date under 10 s.
#include "shopdata.h"
#include "widgetbench.h"

#include "foundation/datamodule.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "reports/jxchzrules.h"
#include "reports/jxcmxrules.h"
#include "reports/kccxrules.h"
#include "reports/reportswindows.h"
#include "reports/stockrecalc.h"

#include <benchmark/benchmark.h>

namespace {

TF_DataModule& Module()
{
    TF_DataModule& dm = ShopData::Get().Module();
    static const bool prepared = [&dm] {
        DeclareReportsDatasets();
        // The reports join the goods to their category.
        dm.ADOConn.Exec(QStringLiteral("update jxc_goods set gc_sn='1000' where g_sn like 'G%'"));
        return true;
    }();
    (void)prepared;
    return dm;
}

// Opens the statement as the window does and reports the rows it listed.
void Open(benchmark::State& state, const char* dataset, const QString& sql)
{
    Query& q = Module().Q(QString::fromLatin1(dataset));
    OpenQuery(q, sql);
    state.counters["rows"] = q.RecordCount();
}

void BM_SummaryOfOneMonth(benchmark::State& state)
{
    Module();
    SummaryFilter f;
    f.from = QDate(2015, 5, 1);
    f.to = QDate(2015, 5, 31);
    f.costMode = state.range(0) == 1;
    for (auto _ : state)
        Open(state, "Q_Jxchz", BuildStockSummary(f));
}
BENCHMARK(BM_SummaryOfOneMonth)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CurrentStockOverAllWarehouses(benchmark::State& state)
{
    Module();
    for (auto _ : state)
        Open(state, "Q_Kccx1", CurrentStockStatement({}));
}
BENCHMARK(BM_CurrentStockOverAllWarehouses)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_HistoryAtACutOffInOneWarehouse(benchmark::State& state)
{
    Module();
    for (auto _ : state)
        Open(state, "Q_Kccx2", HistoryStockStatement(QStringLiteral("W2"), QDate(2015, 6, 15), QString(), QString()));
}
BENCHMARK(BM_HistoryAtACutOffInOneWarehouse)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DetailOfOneMonth(benchmark::State& state)
{
    Module();
    DetailFilter f;
    f.from = QDate(2015, 5, 1);
    f.to = QDate(2015, 5, 31);
    // What the window does on opening: the first page, the row count and the
    // footer's sums.
    Query& rows = Module().Q(QStringLiteral("Q_Jxcmx"));
    for (auto _ : state) {
        OpenLedgerRows(rows, MovementStatement(f));
        double in = 0;
        for (const char* sum : { "rksl", "rkje", "cksl", "ckje" })
            in += rows.FieldSum(rows.FieldIndex(QString::fromLatin1(sum)));
        benchmark::DoNotOptimize(in);
        state.counters["rows"] = rows.RecordCount();
    }
}
BENCHMARK(BM_DetailOfOneMonth)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RecalcAllWarehousesFromTheFirstDate(benchmark::State& state)
{
    TF_DataModule& dm = Module();
    for (auto _ : state) {
        // Rolled back, so that the other benchmarks see the generated data unchanged.
        Transaction outer(dm.ADOConn);
        RecalcStockBalances(QDate(2000, 1, 1), QStringLiteral("-1"));
        outer.Rollback();
    }
}
BENCHMARK(BM_RecalcAllWarehousesFromTheFirstDate)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
