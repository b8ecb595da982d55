// Schema builder speed: every table of an account set built on an empty file
// (target under 300 ms).
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

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
BENCHMARK(BM_CreateAllTablesOnAnEmptyFile)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
