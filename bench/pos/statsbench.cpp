// The till's back-office lists on the till's shop with 500,000 tickets of four lines
// each over two years (about 20,800 a month) and the shop's sales ledger handled by
// one profit-method salesman, its sales marked as the till's. Targets: a month's day
// book under 500 ms; the goods ranking of a month under 1 s; the commission of a
// month under 2 s; a shift's hand-over totals under 100 ms.
#include "shopdata.h"
#include "tillshop.h"

#include "foundation/datamodule.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "pos/poshb.h"
#include "pos/poslsz.h"
#include "pos/postc.h"
#include "pos/poswindows.h"
#include "pos/posxsph.h"

#include <benchmark/benchmark.h>

namespace {

ShopData& TicketShop()
{
    static ShopData& shop = []() -> ShopData& {
        ShopData& s = TillShop();
        DeclarePosDatasets();
        Connection& c = s.Module().ADOConn;
        const QString counter
            = QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<%1) ");
        c.Exec(QStringLiteral("begin"));
        c.Exec(counter.arg(499999)
            + QStringLiteral("insert into jxc_posxsd (gl_djh,hy_sn,pos_xsrq,ck_sn,pos_yfje,pos_sfje,pos_xj,a_name,u_sn,"
                             "pos_note) select 'XS'||(10000000+i),'',printf('%04d-%02d-%02d %02d:%02d:%02d',"
                             "2015+i/250000,1+(i/20834)%12,1+i%28,8+i%12,i%60,i%59),'100001',400,400,400,'admin',"
                             "'100001','' from n"));
        c.Exec(counter.arg(1999999)
            + QStringLiteral("insert into jxc_posxssp (gl_djh,g_sn,pos_dj,pos_sl,pos_zje,t_zp,a_name,pos_dzl,pos_zhje,"
                             "pos_cbj,pos_zcb) select 'XS'||(10000000+i/4),'G'||(100000+i%100000),100,1,100,'',"
                             "'admin',1,100,40,40 from n"));
        c.Exec(QStringLiteral("insert into jxc_user (u_sn,u_name,u_jy,u_xs,u_tcfs,u_tc,u_zdlr) values "
                              "('B01','bench',0,1,1,5,0)"));
        c.Exec(QStringLiteral("update jxc_goodslist set u_name='bench',gl_fdmc='99' where gl_flag='xs'"));
        c.Exec(QStringLiteral("commit"));
        return s;
    }();
    return shop;
}

void BM_DayBookOfOneMonth(benchmark::State& state)
{
    TicketShop();
    Query& q = F_DataModule->Q(QStringLiteral("Q_Poslsz"));
    for (auto _ : state) {
        OpenQuery(q, DayBookTicketsSql({ QDate(2015, 5, 1), QDate(2015, 5, 31), QString(), QString() }));
        state.counters["rows"] = q.RecordCount();
    }
}
BENCHMARK(BM_DayBookOfOneMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

// April, as for the goods ranking: the shop data's ledger has no sales in odd months.
void BM_CommissionOfOneMonth(benchmark::State& state)
{
    TicketShop();
    for (auto _ : state) {
        ComputeTillCommission(QDate(2015, 4, 1), QDate(2015, 4, 30), QStringLiteral("-1"), 0);
        state.counters["rows"] = F_DataModule->Q(QStringLiteral("Q_Xstj5")).RecordCount();
    }
}
BENCHMARK(BM_CommissionOfOneMonth)->Unit(benchmark::kMillisecond)->Iterations(1);

// April 2015 holds 100,000 of the till's ledger rows, one per goods.
void BM_GoodsRankingOfOneMonth(benchmark::State& state)
{
    TicketShop();
    Query& q = F_DataModule->Q(QStringLiteral("Q_Posxsph1"));
    for (auto _ : state) {
        OpenQuery(q, PosGoodsRankingSql(QDate(2015, 4, 1), QDate(2015, 4, 30), QString()));
        state.counters["rows"] = q.RecordCount();
    }
}
BENCHMARK(BM_GoodsRankingOfOneMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

// A day's shift of the one cashier: about 740 tickets.
void BM_HandOverTotalsOfOneShift(benchmark::State& state)
{
    TicketShop();
    for (auto _ : state) {
        const ShiftTotals t = ComputeShiftTotals(
            QStringLiteral("admin"), QStringLiteral("2015-05-10 08:00:00"), QStringLiteral("2015-05-10 20:00:00"));
        state.counters["sales"] = t.sales;
    }
}
BENCHMARK(BM_HandOverTotalsOfOneShift)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
