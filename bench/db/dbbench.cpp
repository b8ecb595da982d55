// Database layer speed: a single value (target under 20 µs) and the opening of a
// 10,000-row dataset (target under 20 ms).
#include "foundation/datamodule.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"

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
            c.Exec("create table jxc_goods (id integer primary key autoincrement, g_sn varchar(32) collate nocase, "
                   "g_name nvarchar(128) collate nocase, g_sj real, g_jj real, g_bz nvarchar(200) collate nocase, "
                   "g_jy bit not null default 0)");
            c.Exec("begin");
            for (int i = 0; i < 10000; ++i)
                c.Exec(QString("insert into jxc_goods (g_sn,g_name,g_sj,g_jj,g_bz) values ('%1','商品%1',%2,%3,'备注')")
                           .arg(10000000 + i)
                           .arg(i * 1.5)
                           .arg(i * 0.75));
            c.Exec("commit");
        }
        dm = std::make_unique<TF_DataModule>();
        dm->DataModuleCreate();
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_QueryScalarOneRow(benchmark::State& state)
{
    fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(QueryScalar("select g_name from jxc_goods where id=5000"));
}
BENCHMARK(BM_QueryScalarOneRow);

void BM_Open10000Rows(benchmark::State& state)
{
    fixture();
    Query q(&F_DataModule->ADOConn);
    q.SetSQL("select * from jxc_goods order by id");
    for (auto _ : state) {
        q.Open();
        benchmark::DoNotOptimize(q.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_Open10000Rows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
