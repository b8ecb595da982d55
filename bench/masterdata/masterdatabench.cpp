// The goods list on a shop-size account set (20,000 goods in 200 categories,
// 1,000,000 stock-ledger rows, 100,000 goods-in and sales lines). Targets: the goods
// statement under 300 ms, the footer total under 20 ms, the delete business test of
// one goods under 1 ms, moving a category whose branch holds 5,000 goods under 500 ms.
#include "benchset.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "goodsgen.h"
#include "masterdata/goodsclassmove.h"
#include "masterdata/goodsops.h"
#include "masterdata/spxxgl.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "widgetbench.h"

#include "widgetbench.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Fixture {
    BenchAccountSet set;
    std::unique_ptr<TF_Spxxgl> list;

    Fixture()
        : set([](Connection& c) {
              GoodsgenFillShop(c);
              // One top category's branch holds 5,000 goods.
              c.Exec(
                  "update jxc_goods set gc_sn='1001100' where id in (select id from jxc_goods where g_sn<>'00000000' "
                  "order by id limit 5000)");
          })
    {
        list = std::make_unique<TF_Spxxgl>();
        F_Spxxgl = list.get();
        list->Activate();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_SelectGoods(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        f.list->selectGoods();
    state.counters["rows"] = f.list->Q_Goods.RecordCount();
}
BENCHMARK(BM_SelectGoods)->Unit(benchmark::kMillisecond);

void BM_FooterTotal(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        f.list->UpdateFooter();
}
BENCHMARK(BM_FooterTotal)->Unit(benchmark::kMillisecond);

void BM_DeleteBusinessTest(benchmark::State& state)
{
    fixture();
    // One goods with business, one without any.
    const QString used = QString::asprintf(GoodsgenCodeFormat(), 12345);
    const QString free = QString::asprintf(GoodsgenCodeFormat(), 19950);
    for (auto _ : state) {
        benchmark::DoNotOptimize(GoodsDeleteRefusal(used));
        benchmark::DoNotOptimize(GoodsDeleteRefusal(free));
    }
    if (GoodsDeleteRefusal(used).isEmpty() || !GoodsDeleteRefusal(free).isEmpty())
        state.SkipWithError("unexpected business test result");
}
BENCHMARK(BM_DeleteBusinessTest)->Unit(benchmark::kMicrosecond);

void BM_MoveBranchOf5000Goods(benchmark::State& state)
{
    fixture();
    // The first top category (类别0) moves after and before the second (类别10) in turn.
    const qint64 moved = QueryScalar("select id from jxc_goodsclass where gc_name='类别0'").toLongLong();
    const qint64 target = QueryScalar("select id from jxc_goodsclass where gc_name='类别10'").toLongLong();
    bool after = true;
    for (auto _ : state) {
        const QString refusal
            = MoveGoodsClass(moved, target, after ? ClassMovePosition::NextSibling : ClassMovePosition::PriorSibling);
        if (!refusal.isEmpty())
            state.SkipWithError(qPrintable(refusal));
        after = !after;
    }
    state.counters["goods"] = QueryScalar("select count(*) from jxc_goods a, jxc_goodsclass b where b.gc_name='类别0' "
                                          "and a.gc_sn like b.gc_sn||'%'")
                                  .toDouble();
}
BENCHMARK(BM_MoveBranchOf5000Goods)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
