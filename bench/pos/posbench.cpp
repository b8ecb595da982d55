// The till's scan on a shop-size account set (100,000 goods with 400,000 barcodes,
// 1,000,000 stock-ledger rows): from Enter in the entry edit to the cart showing the
// new line with its total and the customer display written. Target: under 10 ms a scan.
#include "shopdata.h"
#include "widgetbench.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/device/devicefiles.h"
#include "platform/ui/scriptedprompt.h"
#include "pos/poscart.h"
#include "pos/posmainform.h"
#include "pos/poswindows.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

ShopData& TillShop()
{
    static ShopData& shop = []() -> ShopData& {
        ShopSize size;
        size.goods = 100000;
        size.warehouses = 1;
        size.ledgerRows = 1000000;
        size.partners = 20;
        size.partnerRows = 100;
        size.busyPartnerRows = 10;
        ShopData& s = ShopData::Get(size);
        // Four barcodes a goods: two colours in two sizes.
        Connection& c = s.Module().ADOConn;
        c.Exec(QStringLiteral("delete from jxc_tm where color_sn='C3' or cm_sn in ('Z3','Z4')"));
        c.Exec(QStringLiteral("update jxc_goods set g_sj=10+g_jj,g_lsj=20+g_jj,g_dzll=1,g_jy=0 where g_sn like 'G%'"));
        return s;
    }();
    return shop;
}

void BM_ScanToLine(benchmark::State& state)
{
    ShopData& shop = TillShop();
    ScriptedPrompt prompt;
    Prompt::Install(&prompt);
    DeclarePosDatasets();
    // The customer display on a pseudo-terminal, drained between scans.
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    grantpt(master);
    unlockpt(master);
    DeviceFiles::SetPath(QStringLiteral("COM1"), QString::fromLocal8Bit(ptsname(master)));
    // Argument 0 leaves the display out, to tell its share.
    shop.Module().ADOConn.Exec(QStringLiteral("update jxc_poscs set pos_kxjk=%1").arg(state.range(0)));
    TF_PosMainForm till;
    till.Activate();
    char drain[512];
    int i = 0;
    for (auto _ : state) {
        const int goods = (i * 7919) % shop.Size().goods;
        till.tbh->setText(QStringLiteral("G%1C%2Z%3").arg(100000 + goods).arg(1 + i % 2).arg(2));
        till.tbhEnter();
        state.PauseTiming();
        if (till.Cart().RecordCount() == 0 || !prompt.Messages().isEmpty())
            state.SkipWithError("the scan added no line");
        while (::read(master, drain, sizeof drain) > 0) { }
        // A sale of 30 lines, then the next one.
        if (++i % 30 == 0)
            till.setInitValue();
        state.ResumeTiming();
    }
    state.counters["goods"] = shop.Size().goods;
    ::close(master);
    Prompt::Install(nullptr);
}
BENCHMARK(BM_ScanToLine)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(300);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
