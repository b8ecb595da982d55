// Stored-value top-ups over a year of cash journal (100,000 rows). Targets: a batch
// top-up of 1,000 members under 2 s with SMS off, one top-up under 50 ms.
#include "benchset.h"
#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "members/batchtopup.h"
#include "members/memberswindows.h"
#include "members/topupops.h"
#include "platform/db/connection.h"

#include <benchmark/benchmark.h>

namespace {

struct TopUpFixture {
    BenchAccountSet set;
    QList<BatchMember> members;

    TopUpFixture()
        : set([](Connection& c) {
              c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<1000) "
                     "insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,hy_zjf,hy_zhje,"
                     "hy_ye,hy_zje,hy_tele,hy_mobile,hy_sr,hy_jrrq,hy_sj,hy_qx) "
                     "select printf('%06d',100001+i),printf('%06d',200000+i),'会员'||i,'HY'||i,1,'100002','100001','',"
                     "0,0,0,0,0,'','139'||printf('%08d',i),'1990-01-01','2024-01-01',1,0 from n");
              c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<100000) "
                     "insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_kmmc,xj_chk,xj_ljje,a_name) "
                     "select date('2023-01-01','+'||(i/300)||' days'),'XJ'||i,'存款',10,'现金','1',10*i,'admin' "
                     "from n");
          })
    {
        RegisterMembersWindows();
        UseSms = QStringLiteral("0");
        PointsRule = QStringLiteral("0");
        AmountPerPoint = QStringLiteral("10");
        for (int i = 1; i <= 1000; ++i) {
            const QString sn = QStringLiteral("%1").arg(100001 + i, 6, 10, QLatin1Char('0'));
            members << BatchMember { sn, QString(), QStringLiteral("会员%1").arg(i), QStringLiteral("100001"),
                QString(), QString() };
        }
    }
};

TopUpFixture& topUpFixture()
{
    static TopUpFixture f;
    return f;
}

void BM_BatchTopUp1000Members(benchmark::State& state)
{
    TopUpFixture& f = topUpFixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(RunBatchTopUp(f.members, 100, QStringLiteral("批量")));
}
BENCHMARK(BM_BatchTopUp1000Members)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OneTopUp(benchmark::State& state)
{
    TopUpFixture& f = topUpFixture();
    TopUpEntry e;
    e.memberSn = f.members.first().sn;
    e.memberName = f.members.first().name;
    e.methodSn = QStringLiteral("100001");
    e.amount = 100;
    e.tenders.cash = 100;
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordTopUp(e).number);
}
BENCHMARK(BM_OneTopUp)->Unit(benchmark::kMillisecond);

} // namespace
