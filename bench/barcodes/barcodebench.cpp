// Barcodes on a shop-size account set: 20,000 goods of 5 colours by 6 sizes. Targets:
// generating all 600,000 barcodes in one transaction under 10 s, finding one barcode
// among them under 1 ms, filling and preparing a print of 1,000 labels under 500 ms.
#include "app/devtools/deliveredfile.h"
#include "benchset.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "goodsgen.h"
#include "masterdata/tmglops.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/report/report.h"
#include "widgetbench.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct BarcodeShop {
    BenchAccountSet set;

    BarcodeShop()
        : set([](Connection& c) {
              GoodsgenSize size;
              size.ledgerRows = 1000;
              size.lines = 1000;
              GoodsgenFillShop(c, size);
              // Colour group 100002 of five colours, size group 100002 of six sizes; every goods
              // uses both with rule 1.
              c.Exec("insert into jxc_colorz (colorz_sn,colorz_name,colorz_note) values ('100002','五色','')");
              c.Exec("insert into jxc_colorz2 (colorz_sn,color_sn) select '100002',color_sn from jxc_color "
                     "where color_sn between '100002' and '100006'");
              c.Exec("insert into jxc_cmz (cmz_sn,cmz_name,cmz_note) values ('100002','六码','')");
              c.Exec("insert into jxc_cmz2 (cmz_sn,cm_sn) select '100002',cm_sn from jxc_cm "
                     "where cm_sn between '100002' and '100007'");
              c.Exec("update jxc_goods set colorz_sn='100002',cmz_sn='100002',g_tmtype=1 where g_sn<>'00000000'");
          })
    {
    }

    void Generate()
    {
        Query goods(&F_DataModule->ADOConn);
        goods.SetSQL("select g_sn,cmz_sn,colorz_sn,g_tmtype,g_sptm from jxc_goods where g_sn<>'00000000'");
        goods.Open();
        RegenerateBarcodes(goods);
    }
};

BarcodeShop& shop()
{
    static BarcodeShop s;
    return s;
}

QString BarcodeOf(int goods)
{
    // Goods barcodes are "69" + eleven digits; red (11) in size S (12) under rule 1.
    return QString::asprintf("69%011d", goods) + QStringLiteral("1112");
}

void BM_Generate600000Barcodes(benchmark::State& state)
{
    BarcodeShop& s = shop();
    for (auto _ : state)
        s.Generate();
    state.counters["barcodes"] = QueryScalar("select count(*) from jxc_tm").toDouble();
}
BENCHMARK(BM_Generate600000Barcodes)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FindBarcode(benchmark::State& state)
{
    BarcodeShop& s = shop();
    if (QueryScalar("select count(*) from jxc_tm").toInt() == 0)
        s.Generate();
    Query result(&F_DataModule->ADOConn);
    int i = 0;
    for (auto _ : state) {
        FindBarcode(BarcodeOf(i), result);
        if (result.RecordCount() != 1)
            state.SkipWithError("barcode not found");
        i = (i + 7919) % 19800;
    }
}
BENCHMARK(BM_FindBarcode)->Unit(benchmark::kMicrosecond);

QList<LabelCount> ThousandLabels()
{
    QList<LabelCount> rows;
    for (int i = 0; i < 100; ++i)
        rows.append({ BarcodeOf(i * 37), 10 });
    return rows;
}

// The label list filled and opened, then the print prepared from it: the two halves
// of the label print, timed apart and together.
void BM_Fill1000Labels(benchmark::State& state)
{
    BarcodeShop& s = shop();
    if (QueryScalar("select count(*) from jxc_tm").toInt() == 0)
        s.Generate();
    const QList<LabelCount> rows = ThousandLabels();
    const bool prepare = state.range(0) != 0;
    for (auto _ : state) {
        Query& prin = F_DataModule->Q_GoodsPrin;
        const int labels = FillLabels(rows, prin);
        if (labels != 1000 || prin.RecordCount() != 1000)
            state.SkipWithError("labels not filled");
        if (prepare) {
            Report report;
            report.LoadFromFile(DeliveredFile(QStringLiteral("report/txm.fr3")));
            report.SetDataset(QStringLiteral("frxDBDataset1"), &prin);
            report.PrepareReport();
            if (report.PageCount() == 0)
                state.SkipWithError("label print not prepared");
        }
        prin.Close();
    }
}
BENCHMARK(BM_Fill1000Labels)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
