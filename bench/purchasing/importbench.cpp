// The purchase line import on the shop data (20,000 goods, a barcode for each colour
// and size): a 10,000-row sheet of quantities and barcodes, one row in fifty with an
// unknown barcode. Target: reading and staging the sheet and importing its lines
// into the goods-in being entered, under 2 s together.
#include "shopdata.h"

#include "documents/docwindow.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/sheet/sheetwriter.h"
#include "platform/ui/scriptedprompt.h"
#include "purchasing/cgjhimport.h"
#include "purchasing/purchasingwindows.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kRows = 10000;

struct ImportSetup {
    ScriptedPrompt prompt;
    DocHost host;
    QTemporaryDir dir;
    QString sheet;
    Connection* db = nullptr;

    ImportSetup()
    {
        // The program's other benchmarks share one shop set of this size.
        ShopSize size;
        size.ledgerRows = 100000;
        size.partners = 20;
        size.partnerRows = 100;
        size.busyPartnerRows = 10;
        db = &ShopData::Get(size).Module().ADOConn;
        DeclarePurchasingDatasets();
        host.number = [] { return QStringLiteral("CJ24030510001"); };
        host.showNumber = [](const QString&) {};
        host.date = [] { return QStringLiteral("2024-03-05"); };
        host.warehouse = [] { return QStringLiteral("100001"); };
        host.reloadDraft = [] {};
        SheetTable table;
        table.captions = { QStringLiteral("数量"), QStringLiteral("商品条码") };
        for (int i = 0; i < kRows; ++i) {
            const QString barcode = i % 50 == 49
                ? QStringLiteral("NONE%1").arg(i)
                : QStringLiteral("G%1C%2Z%3").arg(100000 + (i * 7) % 20000).arg(1 + i % 3).arg(1 + i % 4);
            table.rows.append({ QString::number(1 + i % 5), barcode });
        }
        sheet = dir.filePath(QStringLiteral("import.xlsx"));
        QString error;
        if (!WriteXlsx(sheet, table, &error))
            qFatal("%s", qPrintable(error));
    }
};

ImportSetup& setup()
{
    static ImportSetup s;
    return s;
}

void BM_ReadAndImportSheet(benchmark::State& state)
{
    ImportSetup& s = setup();
    // Other benchmarks of the program install their own window host and prompt.
    Prompt::Install(&s.prompt);
    SetDocHost(QStringLiteral("CJ"), &s.host);
    int lines = 0;
    for (auto _ : state) {
        TF_Cgjh_Import window;
        window.Activate();
        if (!window.ReadFile(s.sheet)) {
            state.SkipWithError("the sheet was not read");
            return;
        }
        window.btnImportClick();
        state.PauseTiming();
        lines = QueryScalar(QStringLiteral("select count(*) from jxc_jhsp where gl_djh='CJ24030510001'")).toInt();
        s.db->Exec(QStringLiteral("delete from jxc_jhspmx where gl_djh='CJ24030510001'"));
        s.db->Exec(QStringLiteral("delete from jxc_jhsp where gl_djh='CJ24030510001'"));
        state.ResumeTiming();
    }
    if (lines != kRows - kRows / 50)
        state.SkipWithError("not every good row became a line");
    state.counters["lines"] = lines;
}
BENCHMARK(BM_ReadAndImportSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
