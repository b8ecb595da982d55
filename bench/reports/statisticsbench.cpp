// Statistics on an account set of their own with 100,000 receivable rows. Targets:
// the commission summary of one month over all categories under 2 s; 出库统计表 of
// one month under 500 ms.
#include "benchset.h"
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/transaction.h"
#include "reports/commission.h"
#include "reports/ledgerstatistics.h"
#include "reports/reportswindows.h"

#include <benchmark/benchmark.h>

namespace {

// 4,000 goods in five warehouses, each pair moving once a month from 2015-01 to
// 2016-08: a sales month holds 20,000 lines, as a shop with 1,000,000 ledger rows
// over two years (some 40,000 a month, half of them sales) has.
ShopSize statisticsSize()
{
    ShopSize s;
    s.goods = 4000;
    s.ledgerRows = 400000;
    s.partners = 200;
    s.partnerRows = 100000;
    s.busyPartnerRows = 0;
    return s;
}

// The generated set names no salesman and no sales document: give its sales and
// receivables one salesman paid on the amounts collected and one paid on profit,
// approved sales documents behind the receivables, and move the receivables into
// the years of the stock ledger so that one month holds both (2016-04: 20,000 sales
// lines, 11,200 receivable rows). The set is the statistics' own, not the program's
// shared one: that one takes the size of whichever benchmark asks for it first, and
// at 20,000 goods its ledger ends in 2015-10, which left these months empty; these
// rewrites would also reach the figures of the other benchmarks.
BenchAccountSet& statisticsSet()
{
    static BenchAccountSet set([](Connection& c) { FillShopData(c, statisticsSize()); });
    static const bool prepared = [] {
        Connection& c = set.Module().ADOConn;
        DeclareReportsDatasets();
        Transaction t(c);
        c.Exec(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs,u_tcfs,u_tc,u_zdlr) values "
                              "('900001','业务甲',0,1,0,5,0),('900002','业务乙',0,1,1,5,2)"));
        c.Exec(QStringLiteral(
            "with recursive n(i) as (select 0 union all select i+1 from n where i<999) insert into jxc_lsxsd "
            "(gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,u_sn,ls_status) select 'XSB'||i,'K'||(1000+i%100),'100001',"
            "'2016-04-15 10:00',100,50,case when i%2=0 then '900001' else '900002' end,1 from n"));
        c.Exec(QStringLiteral("update jxc_ysyfk set u_sn=case when id%2=0 then '900001' else '900002' end,"
                              "gl_djh='XSB'||(id%1000),k_rq='2016'||substr(k_rq,5)"));
        c.Exec(QStringLiteral("update jxc_goods set gc_sn='1000'"));
        c.Exec(QStringLiteral("update jxc_goodslist set u_name=case when id%2=0 then '业务甲' else '业务乙' "
                              "end,ghs_sn='K'||(1000+id%100) where gl_flag='xs'"));
        c.Exec(QStringLiteral("update jxc_goods set g_tclb=id%4,g_tc=2"));
        t.Commit();
        return true;
    }();
    (void)prepared;
    return set;
}

// Puts the statistics' set in force for one benchmark and the one before back after
// it, for the benchmarks of the shared set that follow.
class StatisticsInForce {
public:
    StatisticsInForce() { statisticsSet().Use(); }
    ~StatisticsInForce()
    {
        F_DataModule = module_;
        ProgramFolder::Set(folder_);
    }
    StatisticsInForce(const StatisticsInForce&) = delete;
    StatisticsInForce& operator=(const StatisticsInForce&) = delete;

private:
    TF_DataModule* module_ = F_DataModule;
    QString folder_ = ProgramFolder::Path();
};

void BM_CommissionSummaryOfAMonth(benchmark::State& state)
{
    StatisticsInForce inForce;
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
    StatisticsInForce inForce;
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
