// The stock transfer on a shop-size account set (20,000 goods, 1,000,000 ledger
// rows). Targets: approving a transfer of 200 lines with four colour-by-size rows a
// line under 1 s; opening the transfer's catalogue browser on 20,000 stocked goods
// under 300 ms; applying a search key to it under 100 ms.
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
#include "posting/stockposting.h"
#include "warehouse/stockadd.h"
#include "warehouse/warehousewindows.h"

#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct TransferBench {
    ScriptedPrompt prompt;
    DocHost host;
    std::unique_ptr<TF_Kcdb_Add> browser;
    int serial = 0;

    TransferBench()
    {
        ShopData::Get();
        Prompt::Install(&prompt);
        DeclareWarehouseDatasets();
        host.number = [] { return QStringLiteral("DB24030510001"); };
        host.showNumber = [](const QString&) {};
        host.date = [] { return QStringLiteral("2024-03-05"); };
        host.warehouse = [] { return QStringLiteral("100001"); };
        host.reloadDraft = [] {};
        host.reloadPending = [] {};
        SetDocHost(QStringLiteral("DB"), &host);
        ActiveDocKind = QStringLiteral("kcdb");
        EnterStartsSearch = QStringLiteral("0");
    }
    Connection& Db() { return ShopData::Get().Module().ADOConn; }

    // A pending transfer of 200 goods from the main warehouse to W2, each line with
    // the four sizes of its first colour.
    QString Pending()
    {
        const QString n = QStringLiteral("DB2403059%1").arg(++serial, 4, 10, QLatin1Char('0'));
        Connection& c = Db();
        c.Exec(QStringLiteral("insert into jxc_kcdbd (gl_djh,ck_out,ck_in,db_dbrq,db_status,u_sn,db_note,a_name) "
                              "values ('%1','100001','W2','2024-03-05 10:00',0,'100001','','admin')")
                   .arg(n));
        c.Exec(QStringLiteral("insert into jxc_dbsp (gl_djh,g_sn,db_sl,db_dj,db_sj,db_zje,a_name) select '%1',g_sn,4,"
                              "10,20,40,'admin' from jxc_goods where g_sn like 'G%' order by g_sn limit 200")
                   .arg(n));
        c.Exec(QStringLiteral("update jxc_dbsp set tid=id where gl_djh='%1'").arg(n));
        c.Exec(QStringLiteral("insert into jxc_dbspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select '%1',"
                              "k.g_sn,k.cm_sn,k.color_sn,1,'admin',b.id from jxc_dbsp b,jxc_tkc k where b.gl_djh='%1' "
                              "and k.g_sn=b.g_sn and k.ck_sn='100001' and k.color_sn=(select min(t.color_sn) from "
                              "jxc_tkc t where t.g_sn=b.g_sn and t.ck_sn='100001')")
                   .arg(n));
        return n;
    }
};

TransferBench& bench()
{
    static TransferBench b;
    return b;
}

void BM_ApproveTransfer(benchmark::State& state)
{
    TransferBench& b = bench();
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString n = b.Pending();
        state.ResumeTiming();
        ApproveTransfer(n);
        state.PauseTiming();
        Query q(&b.Db());
        q.SetSQL(QStringLiteral("select count(*) from jxc_goodslist where gl_djh='%1'").arg(n));
        q.Open();
        rows = int(q.AsInteger(q.FieldName(0)));
        state.ResumeTiming();
    }
    if (rows != 400)
        state.SkipWithError("the transfer did not post two rows a line");
    state.counters["ledger rows"] = rows;
}
BENCHMARK(BM_ApproveTransfer)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenCatalogue(benchmark::State& state)
{
    TransferBench& b = bench();
    b.browser = std::make_unique<TF_Kcdb_Add>();
    for (auto _ : state)
        b.browser->Activate();
    const int rows = b.browser->Q_Goods.RecordCount();
    if (rows < 20000)
        state.SkipWithError("the browser did not list every stocked goods");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_OpenCatalogue)->Unit(benchmark::kMillisecond);

void BM_FilterCatalogue(benchmark::State& state)
{
    TransferBench& b = bench();
    if (!b.browser) {
        b.browser = std::make_unique<TF_Kcdb_Add>();
        b.browser->Activate();
    }
    const QString keys[] = { QStringLiteral("sp77"), QStringLiteral("G1199"), QStringLiteral("商品1234") };
    int i = 0;
    for (auto _ : state)
        b.browser->tkey->setText(keys[i++ % 3]);
    b.browser->tkey->setText(QStringLiteral("G1199"));
    const int shown = b.browser->cxGridView->RowCount();
    if (shown == 0 || shown >= b.browser->Q_Goods.RecordCount())
        state.SkipWithError("the key did not filter the list");
    state.counters["shown"] = shown;
}
BENCHMARK(BM_FilterCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, [] {
        SetDocHost(QStringLiteral("DB"), nullptr);
        bench().browser.reset();
        Prompt::Install(nullptr);
    });
}
