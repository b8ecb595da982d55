// Drawing the next document number among 1,000,000 documents of other days
// (target under 1 ms), with and without an index on the number column.
#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/schema/schema.h"
#include "platform/base/clock.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<TF_DataModule> dm;

    Fixture()
    {
        ProgramFolder::Set(dir.path());
        QDir(dir.path()).mkpath("data");
        {
            Connection c;
            c.Open(dir.filePath("data/jxc.mdb"), Connection::OpenMode::CreateIfMissing);
            CreateAllTables(c);
            // 500 goods-in documents a day for the 2,000 days before 2024-03-05,
            // and the first three of that day.
            c.Exec("begin");
            c.Exec(
                "with recursive n(i) as (select 0 union all select i+1 from n where i<999999) "
                "insert into jxc_jhd (gl_djh,a_name) "
                "select 'CJ'||substr(strftime('%Y%m%d','2024-03-04','-'||(i/500)||' days'),3)||(10001+i%500),'admin' "
                "from n");
            c.Exec("insert into jxc_jhd (gl_djh,a_name) values ('CJ24030510001','admin'),('CJ24030510002','admin'),"
                   "('CJ24030510003','admin')");
            c.Exec("commit");
        }
        Clock::SetFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
        dm = std::make_unique<TF_DataModule>();
        dm->DataModuleCreate();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void Draw(benchmark::State& state)
{
    QString number;
    for (auto _ : state) {
        number = NextDocNoToday("jxc_jhd", "gl_djh", "CJ");
        benchmark::DoNotOptimize(number);
    }
    if (number != QLatin1String("CJ24030510004"))
        state.SkipWithError("unexpected number");
}

void BM_NextDocNo_NoIndex(benchmark::State& state)
{
    fixture().dm->ADOConn.Exec("drop index if exists ix_jxc_jhd_gl_djh");
    Draw(state);
}
BENCHMARK(BM_NextDocNo_NoIndex)->Unit(benchmark::kMicrosecond);

void BM_NextDocNo_Indexed(benchmark::State& state)
{
    fixture().dm->ADOConn.Exec("create index if not exists ix_jxc_jhd_gl_djh on jxc_jhd (gl_djh)");
    Draw(state);
}
BENCHMARK(BM_NextDocNo_Indexed)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
