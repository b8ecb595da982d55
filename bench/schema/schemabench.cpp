// Schema builder speed: every table of an account set built on an empty file
// (target under 300 ms), and on an empty server database when VESTORA_BENCH_SERVER
// names a server's "postgres" database.
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"
#include "platform/db/serverset.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_CreateAllTablesOnAnEmptyFile(benchmark::State& state)
{
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString file = dir.filePath(QStringLiteral("jxc%1.mdb").arg(n++));
        auto c = std::make_unique<Connection>();
        c->Open(file, Connection::OpenMode::CreateIfMissing);
        state.ResumeTiming();

        CreateAllTables(*c);

        state.PauseTiming();
        c.reset();
        QFile::remove(file);
        state.ResumeTiming();
    }
}

void BM_CreateAllTablesOnAnEmptyServerDatabase(benchmark::State& state)
{
    const QString address = ServerAddressWithDatabase(
        qEnvironmentVariable("VESTORA_BENCH_SERVER"), QStringLiteral("vestora_bench_schema"));
    for (auto _ : state) {
        state.PauseTiming();
        DropServerDatabase(address);
        CreateServerDatabase(address);
        auto c = std::make_unique<Connection>();
        c->Open(address);
        state.ResumeTiming();

        CreateAllTables(*c);

        state.PauseTiming();
        c.reset();
        state.ResumeTiming();
    }
    DropServerDatabase(address);
}

}

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark("BM_CreateAllTablesOnAnEmptyFile", BM_CreateAllTablesOnAnEmptyFile)
        ->Unit(benchmark::kMillisecond);
    if (!qEnvironmentVariable("VESTORA_BENCH_SERVER").isEmpty())
        benchmark::RegisterBenchmark(
            "BM_CreateAllTablesOnAnEmptyServerDatabase", BM_CreateAllTablesOnAnEmptyServerDatabase)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
