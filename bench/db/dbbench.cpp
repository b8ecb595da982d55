// Database layer speed: a single value (target under 20 µs) and the opening of a
// 10,000-row dataset (target under 20 ms), on an SQLite file and, when
// VESTORA_BENCH_SERVER names a server's "postgres" database
// ("postgresql:///postgres?host=/run/postgresql"), on that server over its socket,
// beside the bare libpq round trip of the same single value.
#include "platform/db/connection.h"
#include "platform/db/jetfunctions.h"
#include "platform/db/query.h"
#include "platform/db/serverset.h"
#include "platform/db/transaction.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <libpq-fe.h>

namespace {

void fill(Connection& c)
{
    CreateServerFunctions(c);
    c.Exec("drop table if exists jxc_goods");
    c.Exec("create table jxc_goods (id integer primary key autoincrement, g_sn varchar(32) collate nocase, "
           "g_name nvarchar(128) collate nocase, g_sj real, g_jj real, g_bz nvarchar(200) collate nocase, "
           "g_jy bit not null default 0)");
    Transaction t(c);
    for (int i = 0; i < 10000; ++i)
        c.Exec("insert into jxc_goods (g_sn,g_name,g_sj,g_jj,g_bz) values (:sn,:name,:sj,:jj,'备注')",
            { { "sn", QString::number(10000000 + i) }, { "name", QString("商品%1").arg(10000000 + i) },
                { "sj", i * 1.5 }, { "jj", i * 0.75 } });
    t.Commit();
}

Connection& fileSet()
{
    static QTemporaryDir dir;
    static Connection c;
    if (!c.Connected()) {
        c.Open(dir.filePath("jxc.mdb"), Connection::OpenMode::CreateIfMissing);
        fill(c);
    }
    return c;
}

Connection& serverSet()
{
    static Connection c;
    if (!c.Connected()) {
        const QString address
            = ServerAddressWithDatabase(qEnvironmentVariable("VESTORA_BENCH_SERVER"), "vestora_bench_db");
        DropServerDatabase(address);
        CreateServerDatabase(address);
        c.Open(address);
        fill(c);
    }
    return c;
}

void queryScalar(benchmark::State& state, Connection& c)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SelectScalar(c, "select g_name from jxc_goods where id=5000"));
}

// The floor under the server's figure: the same statement, prepared once, run
// through libpq alone (one round trip over the socket, the value read as text).
void bareRoundTrip(benchmark::State& state)
{
    serverSet();
    const QString address = ServerAddressWithDatabase(qEnvironmentVariable("VESTORA_BENCH_SERVER"), "vestora_bench_db");
    PGconn* conn = PQconnectdb(address.toUtf8().constData());
    if (PQstatus(conn) != CONNECTION_OK) {
        state.SkipWithError(PQerrorMessage(conn));
        PQfinish(conn);
        return;
    }
    PQclear(PQprepare(conn, "one", "select g_name from jxc_goods where id=5000", 0, nullptr));
    for (auto _ : state) {
        PGresult* r = PQexecPrepared(conn, "one", 0, nullptr, nullptr, nullptr, 0);
        benchmark::DoNotOptimize(QString::fromUtf8(PQgetvalue(r, 0, 0)));
        PQclear(r);
    }
    PQfinish(conn);
}

void open10000(benchmark::State& state, Connection& c)
{
    Query q(&c);
    q.SetSQL("select * from jxc_goods order by id");
    for (auto _ : state) {
        q.Open();
        benchmark::DoNotOptimize(q.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark("BM_QueryScalarOneRow/sqlite", [](benchmark::State& s) { queryScalar(s, fileSet()); });
    benchmark::RegisterBenchmark("BM_Open10000Rows/sqlite", [](benchmark::State& s) {
        open10000(s, fileSet());
    })->Unit(benchmark::kMillisecond);
    if (!qEnvironmentVariable("VESTORA_BENCH_SERVER").isEmpty()) {
        benchmark::RegisterBenchmark(
            "BM_QueryScalarOneRow/server", [](benchmark::State& s) { queryScalar(s, serverSet()); });
        benchmark::RegisterBenchmark("BM_QueryScalarOneRow/server-libpq-alone", bareRoundTrip);
        benchmark::RegisterBenchmark("BM_Open10000Rows/server", [](benchmark::State& s) {
            open10000(s, serverSet());
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
