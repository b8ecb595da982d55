// Report speed: a 1,000-row document list (the delivered goods-in list template)
// filled and written to PDF. Target: under 2 s.
#include "app/devtools/reportsamples.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/report/report.h"
#include "widgetbench.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_ListOf1000RowsToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    Connection db;
    db.OpenMemory();
    db.Exec(QStringLiteral(
        "create table d(id integer primary key, djh text, rq text, ghs_name text, ck_name text, yfje real, sfje real, "
        "wfje real, yhje real, u_name text, checker text, dnote text);"
        "with recursive s(i) as (select 1 union all select i+1 from s where i<1000) "
        "insert into d(djh,rq,ghs_name,ck_name,yfje,sfje,wfje,yhje,u_name,checker,dnote) select "
        "'CJ2024' || printf('%08d', i), '2024-03-' || printf('%02d', i%28+1), '供货商' || (i%40), '仓库' || (i%3), "
        "(i*731)%5000+200, (i*731)%5000, 200, i%5, '张三', 'admin', case when i%6=0 then '补货' else '' end from s"));
    Query q(&db);
    q.SetSQL(QStringLiteral("select * from d order by id"));
    q.Open();

    Report report;
    report.LoadFromFile(DeliveredTemplate(QStringLiteral("cgjhdjb.fr3")));
    report.SetDataset(QStringLiteral("cgjhdjb"), &q);
    report.SetVariable(QStringLiteral("comName"), QStringLiteral("杭州衣尚服饰有限公司"));
    int n = 0;
    for (auto _ : state) {
        // A new value each round makes the pages again, as every print does.
        report.SetVariable(QStringLiteral("bTitle"), QStringLiteral("采购业务单据表 %1").arg(++n));
        if (!report.ExportPdf(dir.filePath(QStringLiteral("list.pdf"))))
            state.SkipWithError("PDF not written");
    }
    state.counters["pages"] = report.PageCount();
}
BENCHMARK(BM_ListOf1000RowsToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
