// Accounts on a shop-size account set. Targets: "审核全部" of 500 receivable
// registrations over 50 customers with 100,000 partner-ledger rows under 3 s; the
// journal's "重新计算" of 200,000 rows over the six accounts under 2 s; the receivable
// window's document view, summary and detail view of one month with 1,000,000
// stock-ledger rows under 1 s each, and recalculating every customer from 2000-01-01
// under 3 s.
#include "shopdata.h"

#include "accounts/cashjournal.h"
#include "accounts/partnerledger.h"
#include "accounts/registrationops.h"
#include "foundation/datamodule.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

#include <benchmark/benchmark.h>

namespace {

ShopSize accountsSize()
{
    ShopSize s;
    s.goods = 1000;
    s.ledgerRows = 1000000;
    s.partners = 100; // 50 customers
    s.partnerRows = 100000;
    s.busyPartnerRows = 0;
    return s;
}

Connection& Db()
{
    return ShopData::Get(accountsSize()).Module().ADOConn;
}

void BM_ApproveAllRegistrations(benchmark::State& state)
{
    Db();
    const QStringList customers = SelectColumn(
        Db(), QStringLiteral("select kh_sn from jxc_khxx where kh_sn like 'K1%' order by kh_sn limit 50"));
    QStringList numbers;
    {
        Transaction t(Db());
        for (int i = 0; i < 500; ++i) {
            RegistrationEntry e;
            e.partnerSn = customers.at(i % customers.size());
            e.partnerName = e.partnerSn;
            e.date = QDate(2023, 1, 1).addDays(i % 300);
            e.handlerSn = QStringLiteral("100001");
            e.amount = 10 + i;
            numbers << AddRegistration(ReceivableKind(), e);
        }
        t.Commit();
    }
    int approved = 0;
    for (auto _ : state)
        approved = ApproveRegistrations(ReceivableKind(), numbers);
    state.counters["approved"] = approved;
    if (approved != 500)
        state.SkipWithError("not every registration was approved");
}
BENCHMARK(BM_ApproveAllRegistrations)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RecalculateTheJournal(benchmark::State& state)
{
    Db().Exec(QStringLiteral("insert into jxc_xjyh (xj_rq,gl_djh,xj_dlx,xj_je,xj_ljje,xj_chk,xj_kmmc) "
                             "with recursive n(i) as (select 1 union all select i+1 from n where i<200000) "
                             "select '2023-' || substr('0' || (1+i%12),-2) || '-' || substr('0' || (1+i%28),-2) || ' "
                             "10:00','XJ','现金银行收款',"
                             "1+i%50,0,'1',case i%6 when 0 then '现金' when 1 then '工行帐号' when 2 then '建行帐号' "
                             "when 3 then '微信' when 4 then '支付宝' "
                             "else '对账账户' end from n"));
    for (auto _ : state)
        RecalcCashAccounts(QString(), QDate(2000, 1, 1));
    state.counters["rows"] = SelectScalar(Db(), QStringLiteral("select count(*) from jxc_xjyh")).toDouble();
}
BENCHMARK(BM_RecalculateTheJournal)->Unit(benchmark::kMillisecond)->Iterations(1);

// Runs before the views, so that their running balances are real.
void BM_RecalculateEveryCustomer(benchmark::State& state)
{
    Db();
    int partners = 0;
    for (auto _ : state)
        partners = RecalcPartnerAccounts(ReceivableSide(), QString(), QDate(2000, 1, 1));
    state.counters["customers"] = partners;
}
BENCHMARK(BM_RecalculateEveryCustomer)->Unit(benchmark::kMillisecond)->Iterations(1);

PartnerAccountFilter oneMonth()
{
    PartnerAccountFilter f;
    f.from = QDate(2019, 6, 1);
    f.to = QDate(2019, 6, 30);
    f.handlerSn = QStringLiteral("-1");
    return f;
}

// Builds the statement (staging its scratch rows) and reads every row, as the window does.
void openView(benchmark::State& state, QString (*statement)(const PartnerAccountSide&, const PartnerAccountFilter&),
    bool zeroHidden)
{
    Db();
    PartnerAccountFilter f = oneMonth();
    f.zeroHidden = zeroHidden;
    f.allPartners = true;
    int rows = 0;
    for (auto _ : state) {
        Query q(&Db());
        q.SetSQL(statement(ReceivableSide(), f));
        q.Open();
        rows = q.RecordCount();
    }
    state.counters["rows"] = rows;
    if (rows == 0)
        state.SkipWithError("the month shows no rows");
}

void BM_ReceivableDocumentView(benchmark::State& state)
{
    openView(state, PartnerDocumentStatement, true);
}
BENCHMARK(BM_ReceivableDocumentView)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReceivableSummary(benchmark::State& state)
{
    openView(state, PartnerSummaryStatement, false);
}
BENCHMARK(BM_ReceivableSummary)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReceivableDetail(benchmark::State& state)
{
    // The generated ledgers carry no registrations, receipts or customers on sales
    // lines: give them some, so the month has rows to show.
    Db().Exec(QStringLiteral("update jxc_ysyfk set k_djlx=case when k_sfje<>0 then 'SK' else 'YS' end"));
    Db().Exec(QStringLiteral("update jxc_goodslist set ghs_sn='K'||(1000+id%50) where gl_flag='xs'"));
    openView(state, PartnerDetailStatement, false);
}
BENCHMARK(BM_ReceivableDetail)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
