// Spreadsheet imports on a shop-size account set (20,000 goods). Targets: a
// 5,000-row goods import under 10 s, a 2,000-row customer import under 3 s, a
// 20,000-row price import under 5 s.
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "masterdata/goodsimport.h"
#include "masterdata/partnerimport.h"
#include "masterdata/positionalimport.h"
#include "masterdata/registration.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/transaction.h"
#include "platform/sheet/sheetwriter.h"
#include "platform/ui/prompt.h"
#include "platform/ui/scriptedprompt.h"

#include "benchset.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct ImportBenchFixture {
    BenchAccountSet set;
    ScriptedPrompt prompt;

    ImportBenchFixture()
        : set([](Connection& c) {
              Transaction t(c);
              for (int i = 0; i < 20000; ++i)
                  c.Exec("insert into jxc_goods (g_sn,g_name,dw_name,g_sj,gc_sn,gc_cid) values "
                         "(:sn,:name,'件',10,'1000',2)",
                      { { "sn", QString::number(20000001 + i) }, { "name", "现有商品" + QString::number(i) } });
              t.Commit();
          })
    {
        DeclareMasterDataDatasets();
        Prompt::Install(&prompt);
    }
    void Use()
    {
        set.Use();
        Prompt::Install(&prompt);
    }
    QString Write(
        const QString& name, const QStringList& captions, int rows, const std::function<QVector<QVariant>(int)>& row)
    {
        SheetTable table;
        table.captions = captions;
        for (int i = 0; i < rows; ++i)
            table.rows << row(i);
        const QString path = set.Path(name);
        QString error;
        WriteXlsx(path, table, &error);
        return path;
    }
};

ImportBenchFixture& importBench()
{
    static ImportBenchFixture f;
    f.Use();
    return f;
}

void BM_GoodsImport5000(benchmark::State& state)
{
    ImportBenchFixture& f = importBench();
    const QString path
        = f.Write("goods.xlsx", { "商品名称", "单位", "预设进价", "预设售价", "颜色组" }, 5000, [](int i) {
              return QVector<QVariant> { "导入商品" + QString::number(i), "件", "12.5", "30",
                  "颜色组" + QString::number(i % 50) };
          });
    for (auto _ : state) {
        TF_Spxxgl_Import w;
        w.Activate();
        w.btnStartClick();
        w.btnNext1Click();
        w.OpenWorkbook(path);
        w.btnNext2Click();
        w.btnImportClick();
    }
    state.counters["goods"] = QueryScalar("select count(*) from jxc_goods").toDouble();
}
BENCHMARK(BM_GoodsImport5000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CustomerImport2000(benchmark::State& state)
{
    ImportBenchFixture& f = importBench();
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path
            = f.Write("customers.xlsx", { "客户名称", "联系人", "期初应收", "所属地区" }, 2000, [&](int i) {
                  return QVector<QVariant> { QString("客户%1-%2").arg(run).arg(i), "联系人", i % 4 == 0 ? "100" : "0",
                      "地区" + QString::number(i % 20) };
              });
        ++run;
        f.prompt.AnswerFile(path);
        state.ResumeTiming();
        TF_Khgl_Import w;
        w.Activate();
        w.btnOpenClick();
        w.btnNextClick();
        w.btnImportClick();
    }
}
BENCHMARK(BM_CustomerImport2000)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PriceImport20000(benchmark::State& state)
{
    ImportBenchFixture& f = importBench();
    const QString path = f.Write("prices.xlsx", { "商品编号", "商品名称", "单价" }, 20000, [](int i) {
        return QVector<QVariant> { QString::number(20000001 + i), "现有商品" + QString::number(i), "15.5" };
    });
    for (auto _ : state) {
        f.prompt.AnswerFile(path);
        TF_Spxxgl_ImportDj w;
        w.Activate();
        w.btnImportClick();
    }
}
BENCHMARK(BM_PriceImport20000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
