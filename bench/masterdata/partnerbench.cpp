// Customers and suppliers on a busy account set: 10,000 customers, 200,000 sales
// headers, 200,000 partner-ledger rows, 100,000 cash rows and 1,000,000 stock-ledger
// rows. Targets: the customer delete test under 50 ms, a partner rename cascade under
// 1 s, opening the customer list under 200 ms.
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "masterdata/partnerlist.h"
#include "masterdata/partnerops.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"

#include "benchset.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct PartnerFixture {
    BenchAccountSet set;

    PartnerFixture()
        : set([](Connection& c) {
              // Customers 100002..110000 with every kind of business; "110001" has none.
              c.Exec("with recursive n(i) as (select 100002 union all select i+1 from n where i<110001) "
                     "insert into jxc_khxx (kh_sn,kh_name,kh_jm,kt_sn,kt_name,ck_sn,ck_name,kh_lwje,kh_forbid,"
                     "kh_default) select cast(i as text), '客户'||i, 'KH'||i, '100'||(i % 6), '', '-1', '所有仓库', 0, "
                     "0, 0 from n");
              c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<200000) "
                     "insert into jxc_lsxsd (gl_djh,kh_sn) select 'XS'||i, cast(100002 + i % 9999 as text) from n");
              c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<200000) "
                     "insert into jxc_ysyfk (gl_djh,k_type,k_ghskh,k_djtxt,k_rq,k_yfje,k_ljje) select 'YS'||i, "
                     "'kh', cast(100002 + i % 9999 as text), '应收款', '2024-03-05', 1, i from n");
              c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<100000) "
                     "insert into jxc_xjyh (gl_djh,ghs_sn,ghs_name) select 'SK'||i, cast(100002 + i % 9999 as text), "
                     "'客户'||(100002 + i % 9999) from n");
              c.Exec(
                  "with recursive n(i) as (select 1 union all select i+1 from n where i<1000000) "
                  "insert into jxc_goodslist (gl_djh,g_sn,ck_sn,ghs_sn,ghs_name,gl_sl) select 'XS'||i, "
                  "printf('%08d', i % 20000), '100001', cast(100002 + i % 9999 as text), '客户'||(100002 + i % 9999), "
                  "1 from n");
          })
    {
    }
};

PartnerFixture& partners()
{
    static PartnerFixture f;
    return f;
}

void BM_CustomerDeleteTest(benchmark::State& state)
{
    partners();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PartnerDeleteRefusal(PartnerKind::Customer, "105000"));
        benchmark::DoNotOptimize(PartnerDeleteRefusal(PartnerKind::Customer, "110001"));
    }
    if (PartnerDeleteRefusal(PartnerKind::Customer, "105000").isEmpty()
        || !PartnerDeleteRefusal(PartnerKind::Customer, "110001").isEmpty())
        state.SkipWithError("unexpected customer delete test");
}
BENCHMARK(BM_CustomerDeleteTest)->Unit(benchmark::kMillisecond);

void BM_PartnerRenameCascade(benchmark::State& state)
{
    partners();
    PartnerInput in;
    in.typeCode = "1000";
    bool back = false;
    for (auto _ : state) {
        in.name = back ? "客户105000" : "五千号客户";
        ModifyPartner(PartnerKind::Customer, "105000", in, false);
        back = !back;
    }
}
BENCHMARK(BM_PartnerRenameCascade)->Unit(benchmark::kMillisecond);

void BM_OpenCustomerList(benchmark::State& state)
{
    partners();
    TF_Khgl list;
    for (auto _ : state)
        list.Activate();
    state.counters["rows"] = list.Q.RecordCount();
}
BENCHMARK(BM_OpenCustomerList)->Unit(benchmark::kMillisecond);

} // namespace
