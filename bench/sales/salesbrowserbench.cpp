// The sales goods browser and the delivery query tab on the shop-size account set,
// with 100,000 approved delivery lines of one customer. Targets: the browser's goods
// list over 20,000 goods with stock rows opens under 100 ms and a search key filters
// it under 50 ms; the customer's goods list under 200 ms; the query tab's goods
// summary of a month over 1,000,000 ledger rows under 1 s.
#include "shopdata.h"

#include "documents/docwindow.h"
#include "foundation/combos.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "masterdata/registration.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/scriptedprompt.h"
#include "sales/saleswindows.h"
#include "sales/spxs.h"
#include "sales/spxsadd.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct SalesLists {
    ScriptedPrompt prompt;
    DocHost host;
    std::unique_ptr<TF_Spxs_Add> browser;

    SalesLists()
    {
        Connection& c = ShopData::Get().Module().ADOConn;
        // 1,000 approved deliveries of 100 lines each to the busy customer; the sales
        // ledger rows carry customers.
        c.Exec(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<999) "
                              "insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_status) "
                              "select 'XSB'||i,'KBUSY','100001','2023-06-01 10:00',1 from n"));
        c.Exec(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<99999) "
                              "insert into jxc_lsxssp (gl_djh,g_sn,ls_sl,ls_dj,a_name) "
                              "select 'XSB'||(i/100),'G'||(100000+(i*7)%20000),1,20,'admin' from n"));
        c.Exec(QStringLiteral("update jxc_goodslist set ghs_sn='K'||(1000+id%1000),ghs_name='客户' "
                              "where gl_flag='xs'"));
        c.Exec(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name,gc_key,gc_pid) values ('GC1','上衣',1,1)"));
        c.Exec(QStringLiteral("update jxc_goods set gc_sn='GC1',g_xspl=cast(substr(g_sn,2) as integer)%97 "
                              "where g_sn like 'G%'"));
        Prompt::Install(&prompt);
        DeclareMasterDataDatasets();
        DeclareSalesDatasets();
        LoadSystemSettings();
        host.number = [] { return QStringLiteral("XS-20240305-0001"); };
        host.showNumber = [](const QString&) {};
        host.date = [] { return QStringLiteral("2024-03-05"); };
        host.warehouse = [] { return QStringLiteral("100001"); };
        host.reloadDraft = [] {};
        host.reloadPending = [] {};
        SetDocHost(QStringLiteral("XS"), &host);
        ActiveDocKind = QStringLiteral("spxs");
        CurrentCustomerSn = QStringLiteral("KBUSY");
        EnterStartsSearch = QStringLiteral("0");
        AllowZeroStockOut = QStringLiteral("0");
        browser = std::make_unique<TF_Spxs_Add>();
    }
};

std::unique_ptr<SalesLists> shared;

SalesLists& lists()
{
    if (!shared)
        shared = std::make_unique<SalesLists>();
    return *shared;
}

void BM_BrowserOpens(benchmark::State& state)
{
    SalesLists& l = lists();
    for (auto _ : state)
        l.browser->Activate();
    const int rows = l.browser->Q_GoodsXs.RecordCount();
    if (rows < 20000)
        state.SkipWithError("the browser did not list every goods with stock");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_BrowserOpens)->Unit(benchmark::kMillisecond);

void BM_BrowserFilters(benchmark::State& state)
{
    SalesLists& l = lists();
    l.browser->Activate();
    const QString keys[] = { QStringLiteral("商品1234"), QStringLiteral("sp77"), QStringLiteral("G1199") };
    int i = 0;
    for (auto _ : state)
        l.browser->tkey->setText(keys[i++ % 3]);
    l.browser->tkey->setText(QStringLiteral("sp77"));
    const int shown = l.browser->cxGridView->RowCount();
    if (shown == 0 || shown >= l.browser->Q_GoodsXs.RecordCount())
        state.SkipWithError("the key did not filter the list");
    state.counters["shown"] = shown;
}
BENCHMARK(BM_BrowserFilters)->Unit(benchmark::kMillisecond);

void BM_CustomerGoods(benchmark::State& state)
{
    SalesLists& l = lists();
    l.browser->Activate();
    l.browser->chkKh->setChecked(true);
    for (auto _ : state)
        l.browser->cxPageChange();
    const int rows = l.browser->Q_GoodsXs.RecordCount();
    if (rows == 0)
        state.SkipWithError("the customer's goods were not listed");
    state.counters["rows"] = rows;
    l.browser->chkKh->setChecked(false);
}
BENCHMARK(BM_CustomerGoods)->Unit(benchmark::kMillisecond);

void BM_QueryMonthSummary(benchmark::State& state)
{
    lists();
    TF_Spxs w;
    F_Spxs = &w;
    SetPeriod(w.tdate11, w.tdate12, { QDate(2015, 6, 1), QDate(2015, 6, 30) });
    for (auto _ : state)
        w.rHzbClick();
    const int rows = F_DataModule->Q(QStringLiteral("Q_GXsHZ")).RecordCount();
    if (rows == 0)
        state.SkipWithError("the month summed nothing");
    state.counters["rows"] = rows;
    F_Spxs = nullptr;
}
BENCHMARK(BM_QueryMonthSummary)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

// The windows go while the application still exists.
void ReleaseSalesBrowserBench()
{
    if (!shared)
        return;
    SetDocHost(QStringLiteral("XS"), nullptr);
    Prompt::Install(nullptr);
    shared.reset();
}
