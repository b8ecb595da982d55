// The goods-in window's goods browser on a shop-size account set (20,000 goods in
// five warehouses, one goods in ten without a stock row in the document's warehouse).
// Targets: opening the browser on its all-goods list with the warehouse stock under
// 300 ms, applying a search key to that list under 50 ms.
#include "shopdata.h"
#include "widgetbench.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/scriptedprompt.h"
#include "purchasing/cgjhadd.h"
#include "purchasing/purchasingwindows.h"

#include <QCheckBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Browser {
    ScriptedPrompt prompt;
    DocHost host;
    std::unique_ptr<TF_Cgjh_Add> window;

    Browser()
    {
        ShopSize size;
        size.ledgerRows = 100000;
        size.partners = 20;
        size.partnerRows = 100;
        size.busyPartnerRows = 10;
        ShopData& shop = ShopData::Get(size);
        Connection& c = shop.Module().ADOConn;
        c.Exec(QStringLiteral("delete from jxc_kcsp where ck_sn='100001' and cast(substr(g_sn,2) as integer)%10=0"));
        c.Exec(QStringLiteral("update jxc_goods set g_cgpl=cast(substr(g_sn,2) as integer)%97,"
                              "gg_name='款'||substr(g_sn,5) where g_sn like 'G%'"));
        Prompt::Install(&prompt);
        DeclarePurchasingDatasets();
        host.number = [] { return QStringLiteral("CJ-20240305-0001"); };
        host.showNumber = [](const QString&) {};
        host.date = [] { return QStringLiteral("2024-03-05"); };
        host.warehouse = [] { return QStringLiteral("100001"); };
        host.reloadDraft = [] {};
        host.reloadPending = [] {};
        SetDocHost(QStringLiteral("CJ"), &host);
        ActiveDocKind = QStringLiteral("cgjh");
        EnterStartsSearch = QStringLiteral("0");
        window = std::make_unique<TF_Cgjh_Add>();
    }
};

Browser& browser()
{
    static Browser b;
    return b;
}

// Argument 1: operators bound to warehouses, so the list is every goods with the
// warehouse's stock; 0: every goods with its total stock.
void BM_OpenAllGoods(benchmark::State& state)
{
    Browser& b = browser();
    BindOperatorWarehouse = state.range(0) ? QStringLiteral("1") : QStringLiteral("0");
    for (auto _ : state)
        b.window->Activate();
    const int rows = b.window->Q_GoodsJh.RecordCount();
    if (rows < 20000 || b.window->chkCk->isChecked() != bool(state.range(0)))
        state.SkipWithError("the browser did not list every goods");
    state.counters["rows"] = rows;
    state.counters["shown"] = b.window->cxGrid1View->RowCount();
}
BENCHMARK(BM_OpenAllGoods)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Typing a key into the search box filters the list at once; the keys alternate so
// that every iteration changes the filter.
void BM_SearchKey(benchmark::State& state)
{
    Browser& b = browser();
    BindOperatorWarehouse = QStringLiteral("1");
    b.window->Activate();
    const QString keys[] = { QStringLiteral("商品1234"), QStringLiteral("sp77"), QStringLiteral("G1199") };
    int i = 0;
    for (auto _ : state)
        b.window->tkey->setText(keys[i++ % 3]);
    b.window->tkey->setText(QStringLiteral("sp77"));
    const int shown = b.window->cxGrid1View->RowCount();
    if (shown == 0 || shown >= b.window->Q_GoodsJh.RecordCount())
        state.SkipWithError("the key did not filter the list");
    state.counters["shown"] = shown;
}
BENCHMARK(BM_SearchKey)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, [] {
        SetDocHost(QStringLiteral("CJ"), nullptr);
        browser().window.reset();
        Prompt::Install(nullptr);
    });
}
