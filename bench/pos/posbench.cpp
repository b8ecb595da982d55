// The till on a shop-size account set (100,000 goods with 400,000 barcodes,
// 1,000,000 stock-ledger rows). The scan: from Enter in the entry edit to the cart
// showing the new line with its total and the customer display written. Target: under
// 10 ms a scan.
#include "shopdata.h"
#include "tillshop.h"
#include "widgetbench.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/device/devicefiles.h"
#include "platform/ui/scriptedprompt.h"
#include "pos/poscart.h"
#include "pos/posfk.h"
#include "pos/posmainform.h"
#include "pos/poswindows.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

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

namespace {

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

// Paying a member's sale of 20 lines: the POS document, the member's settlement, the
// approved retail document and its postings, SMS and printing aside. Target: under
// 200 ms a sale.
void BM_PayMemberSale(benchmark::State& state)
{
    ShopData& shop = TillShop();
    Connection& c = shop.Module().ADOConn;
    DeclarePosDatasets();
    c.Exec(QStringLiteral("delete from jxc_hyxx where hy_sn='BM0001'"));
    c.Exec(QStringLiteral("insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hy_mm,hy_jf,hy_zjf,hy_zhje,"
                          "hy_ye,hy_zje,hy_mobile) values ('BM0001','BM0001','会员',1,'100001','',0,0,0,0,0,0,'')"));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString number = PosCart::FreeSaleNumber();
        for (int line = 0; line < 20; ++line) {
            PosCart::NewLine l;
            l.goods = QStringLiteral("G%1").arg(100000 + (i * 20 + line) * 37 % shop.Size().goods);
            l.size = QStringLiteral("Z1");
            l.colour = QStringLiteral("C1");
            l.stock = 10;
            l.price = 50;
            l.rate = 0.9;
            l.cost = 30;
            PosCart::Add(number, CurrentAdminName, l);
        }
        PosPayment p;
        p.number = number;
        p.op = CurrentAdminName;
        p.memberNo = QStringLiteral("BM0001");
        p.salesman = QStringLiteral("100001");
        p.warehouse = QStringLiteral("100001");
        p.due = 900;
        p.rounding = 0.5;
        p.tenders.cash = 899.5;
        p.change = QStringLiteral("0.00");
        ++i;
        state.ResumeTiming();
        const PosSaved saved = SavePosPayment(p);
        state.PauseTiming();
        if (saved.memberSn.isEmpty())
            state.SkipWithError("the sale was not stored for the member");
        state.ResumeTiming();
    }
    state.counters["goods"] = shop.Size().goods;
}
BENCHMARK(BM_PayMemberSale)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
