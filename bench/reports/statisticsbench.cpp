// Statistics on a shop-size account set with 100,000 receivable rows. Targets: the
// commission summary of one month over all categories under 2 s; 出库统计表 of one
// month under 500 ms.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "reports/commission.h"
#include "reports/ledgerstatistics.h"
#include "reports/reportswindows.h"

#include <benchmark/benchmark.h>

namespace {

ShopSize statisticsSize()
{
    ShopSize s;
    s.goods = 2000;
    s.ledgerRows = 200000;
    s.partners = 200;
    s.partnerRows = 100000;
    s.busyPartnerRows = 0;
    return s;
}

// The shared set names no salesman and no sales document: give its sales and
// receivables one salesman paid on the amounts collected and one paid on profit,
// approved sales documents behind the receivables, and move the receivables into
// the years of the stock ledger so that one month holds both.
TF_DataModule& module()
{
    static bool prepared = false;
    TF_DataModule& m = ShopData::Get(statisticsSize()).Module();
    if (!prepared) {
        prepared = true;
        DeclareReportsDatasets();
        m.ADOConn.Exec(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs,u_tcfs,u_tc,u_zdlr) values "
                                      "('900001','业务甲',0,1,0,5,0),('900002','业务乙',0,1,1,5,2)"));
        m.ADOConn.Exec(QStringLiteral(
            "with recursive n(i) as (select 0 union all select i+1 from n where i<999) insert into jxc_lsxsd "
            "(gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_status) select 'XSB'||i,'K'||(1000+i%100),'100001',"
            "'2016-04-15 10:00',100,50,case when i%2=0 then '900001' else '900002' end,1 from n"));
        m.ADOConn.Exec(QStringLiteral("update jxc_ysyfk set u_sn=case when id%2=0 then '900001' else '900002' end,"
                                      "gl_djh='XSB'||(id%1000),k_rq='2016'||substr(k_rq,5)"));
        m.ADOConn.Exec(QStringLiteral("update jxc_goods set gc_sn='1000'"));
        m.ADOConn.Exec(QStringLiteral("update jxc_goodslist set u_name=case when id%2=0 then '业务甲' else '业务乙' "
                                      "end,ghs_sn='K'||(1000+id%100) where gl_flag='xs'"));
        m.ADOConn.Exec(QStringLiteral("update jxc_goods set g_tclb=id%4,g_tc=2"));
    }
    return m;
}

void BM_CommissionSummaryOfAMonth(benchmark::State& state)
{
    module();
    CommissionChoice c;
    c.from = QDate(2016, 4, 1);
    c.to = QDate(2016, 4, 30);
    for (auto _ : state)
        ComputeCommissionSummary(c, QStringLiteral("admin"));
    const int rows = QueryScalar(QStringLiteral("select count(*) from jxc_jxchz where a_name='admin'")).toInt();
    state.counters["rows"] = rows;
    if (rows == 0)
        state.SkipWithError("the month gave no commission rows");
}
BENCHMARK(BM_CommissionSummaryOfAMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GoodsOutOfAMonth(benchmark::State& state)
{
    module();
    LedgerChoice c;
    c.from = QDate(2016, 4, 1);
    c.to = QDate(2016, 4, 30);
    Query& q = F_DataModule->Q(QStringLiteral("Q_Rktj"));
    for (auto _ : state)
        OpenQuery(q, MovementStatisticsSql(MovementKind::GoodsOut, c));
    state.counters["rows"] = q.RecordCount();
    if (q.RecordCount() == 0)
        state.SkipWithError("the month gave no lines");
}
BENCHMARK(BM_GoodsOutOfAMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

// The program's main routine is the report benchmarks' (reportsbench.cpp).
