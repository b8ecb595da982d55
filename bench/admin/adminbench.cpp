// Administration on a shop-size account set (20,000 goods, 1,000,000 stock-ledger rows
// over 5 warehouses, 1,000,000 partner-ledger rows). Targets: a settlement at the
// middle date of the ledger (summary, deletions and every collapse) under 30 s; the
// opening-stock window's two lists of one warehouse under 500 ms; the reminder
// window's activation (stock query and counts) and its receivables query each under
// 300 ms.
#include "shopdata.h"
#include "widgetbench.h"

#include "admin/adminwindows.h"
#include "admin/qcjz.h"
#include "admin/settlement.h"
#include "admin/sjtx.h"
#include "foundation/datamodule.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/grid/datagrid.h"

#include <benchmark/benchmark.h>

namespace {

Connection& Db()
{
    return ShopData::Get().Module().ADOConn;
}

void BM_SettlementAtTheMiddleDate(benchmark::State& state)
{
    Connection& c = Db();
    const QDate first
        = QDate::fromString(SelectScalar(c, "select min(gl_kdrq) from jxc_goodslist").left(10), "yyyy-MM-dd");
    const QDate last
        = QDate::fromString(SelectScalar(c, "select max(gl_kdrq) from jxc_goodslist").left(10), "yyyy-MM-dd");
    const QDate middle = first.addDays(first.daysTo(last) / 2);
    const int before = SelectScalar(c, "select count(*) from jxc_goodslist").toInt();
    int after = 0;
    for (auto _ : state) {
        // Rolled back afterwards, so that every run settles the same set.
        Transaction outer(c);
        SettlePeriod(middle);
        state.PauseTiming();
        after = SelectScalar(c, "select count(*) from jxc_goodslist").toInt();
        state.ResumeTiming();
    }
    state.counters["ledger_before"] = before;
    state.counters["ledger_after"] = after;
    if (after >= before)
        state.SkipWithError("the settlement removed no ledger rows");
}
BENCHMARK(BM_SettlementAtTheMiddleDate)->Unit(benchmark::kSecond)->Iterations(1);

void BM_OpeningStockLists(benchmark::State& state)
{
    ShopData::Get();
    RegisterAdminWindows();
    // The right list shows goods of a category (made once: the function runs again for
    // each round of iterations).
    static const bool classified = [] {
        ExecSQL("insert into jxc_goodsclass (gc_sn,gc_name) values ('B1','服装')");
        ExecSQL("update jxc_goods set gc_sn='B1'");
        return true;
    }();
    (void)classified;
    TF_Qcjz w;
    int left = 0;
    int right = 0;
    for (auto _ : state) {
        w.FormActivate();
        left = w.cxGridGoods1View->RowCount();
        right = w.cxGridView->RowCount();
    }
    state.counters["left"] = left;
    state.counters["right"] = right;
    if (left < ShopData::Get().Size().goods || right == 0)
        state.SkipWithError("lists shorter than the shop");
}
BENCHMARK(BM_OpeningStockLists)->Unit(benchmark::kMillisecond);

void BM_ReminderActivation(benchmark::State& state)
{
    ShopData::Get();
    RegisterAdminWindows();
    // A tenth of the goods fall under their minimum stock.
    ExecSQL("update jxc_goods set g_zdkc=g_kc+1 where id % 10 = 0");
    TF_Sjtx w;
    for (auto _ : state)
        w.FormActivate();
    state.counters["alarms"] = w.cxGrid3View->RowCount();
    if (w.cxGrid3View->RowCount() == 0)
        state.SkipWithError("no goods under their minimum");
}
BENCHMARK(BM_ReminderActivation)->Unit(benchmark::kMillisecond);

void BM_ReminderReceivables(benchmark::State& state)
{
    ShopData::Get();
    RegisterAdminWindows();
    // The generated ledger leaves its running balances to a walk and names no
    // handler: give every row a balance and the first staff member.
    ExecSQL("update jxc_ysyfk set k_ljje=k_yfje-k_sfje,u_sn=(select min(u_sn) from jxc_user)");
    TF_Sjtx w;
    w.FormActivate();
    for (auto _ : state)
        w.btnSearch1Click();
    state.counters["customers"] = w.cxGrid1View->RowCount();
    if (w.cxGrid1View->RowCount() == 0)
        state.SkipWithError("no customer owes");
}
BENCHMARK(BM_ReminderReceivables)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
