// The department and production documents on a shop-size account set (20,000 goods,
// 1,000,000 ledger rows). Targets: approving a requisition of 200 lines under 1 s;
// approving a production goods-in of 200 lines under 1 s; the requisition query's
// 明细表 of a month under 300 ms.
#include "shopdata.h"
#include "widgetbench.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/ui/scriptedprompt.h"
#include "posting/stockposting.h"
#include "production/productionwindows.h"
#include "production/prodwindow.h"

#include <QDateEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct ProductionBench {
    ScriptedPrompt prompt;
    int serial = 0;

    ProductionBench()
    {
        ShopData::Get();
        Prompt::Install(&prompt);
        DeclareProductionDatasets();
        // The requisitions may drive sizes below zero: the check runs, the posting is timed.
        AllowZeroStockOut = QStringLiteral("1");
        Db().Exec(QStringLiteral("insert into jxc_dept (de_sn,de_name) values ('B1','bench')"));
    }
    Connection& Db() { return ShopData::Get().Module().ADOConn; }

    // A pending document of 200 goods in the main warehouse, each line with the
    // sizes of its first colour: a requisition ("LY") or a production goods-in ("SC").
    QString Pending(bool dept)
    {
        const QString prefix = dept ? QStringLiteral("LY") : QStringLiteral("SC");
        const QString n = prefix + QStringLiteral("2403059%1").arg(++serial, 4, 10, QLatin1Char('0'));
        const QString c = dept ? QStringLiteral("ly") : QStringLiteral("sc");
        const QString header = dept ? QStringLiteral("jxc_bmlyd") : QStringLiteral("jxc_scrkd");
        const QString lines = dept ? QStringLiteral("jxc_bmlysp") : QStringLiteral("jxc_scrksp");
        const QString detail = lines + QStringLiteral("mx");
        Connection& db = Db();
        db.Exec(QStringLiteral("insert into %1 (gl_djh,ck_sn,de_sn,%2_rq,%2_status,%2_flag,u_sn,a_name) values "
                               "('%3','100001','B1','2024-03-05 10:00',0,1,'100001','admin')")
                    .arg(header, c, n));
        db.Exec(
            QStringLiteral("insert into %1 (gl_djh,g_sn,%2_sl,%2_dj,%2_zje,%2_flag,a_name) select '%3',g_sn,4,10,40,"
                           "1,'admin' from jxc_goods where g_sn like 'G%' order by g_sn limit 200")
                .arg(lines, c, n));
        db.Exec(QStringLiteral("update %1 set tid=id where gl_djh='%2'").arg(lines, n));
        db.Exec(
            QStringLiteral("insert into %1 (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select '%2',k.g_sn,"
                           "k.cm_sn,k.color_sn,1,'admin',b.id from %3 b,jxc_tkc k where b.gl_djh='%2' and "
                           "k.g_sn=b.g_sn and k.ck_sn='100001' and k.color_sn=(select min(t.color_sn) from jxc_tkc t "
                           "where t.g_sn=b.g_sn and t.ck_sn='100001')")
                .arg(detail, n, lines));
        return n;
    }
    int LedgerRows(const QString& n)
    {
        Query q(&Db());
        q.SetSQL(QStringLiteral("select count(*) from jxc_goodslist where gl_djh='%1'").arg(n));
        q.Open();
        return int(q.AsInteger(q.FieldName(0)));
    }
};

ProductionBench& bench()
{
    static ProductionBench b;
    return b;
}

void Approve(benchmark::State& state, bool dept)
{
    ProductionBench& b = bench();
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString n = b.Pending(dept);
        state.ResumeTiming();
        const QString refusal = dept ? ApproveDeptIssue(n) : ApproveProductionIn(n);
        state.PauseTiming();
        if (!refusal.isEmpty())
            state.SkipWithError("the approval was refused");
        rows = b.LedgerRows(n);
        state.ResumeTiming();
    }
    if (rows != 200)
        state.SkipWithError("the approval did not post a row a line");
    state.counters["ledger rows"] = rows;
}

void BM_ApproveRequisition(benchmark::State& state)
{
    Approve(state, true);
}
BENCHMARK(BM_ApproveRequisition)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ApproveProductionIn(benchmark::State& state)
{
    Approve(state, false);
}
BENCHMARK(BM_ApproveProductionIn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RequisitionDetailOfAMonth(benchmark::State& state)
{
    ProductionBench& b = bench();
    ApproveDeptIssue(b.Pending(true));
    auto w = std::make_unique<TF_Bmly>();
    F_Bmly = w.get();
    w->views[2]->setChecked(true);
    w->date1->setDate(QDate(2024, 3, 1));
    w->date2->setDate(QDate(2024, 3, 31));
    for (auto _ : state)
        w->btnSearch3Click();
    const int rows = w->Q_Mxb.RecordCount();
    if (rows == 0)
        state.SkipWithError("the month's requisitions were not listed");
    state.counters["rows"] = rows;
    F_Bmly = nullptr;
}
BENCHMARK(BM_RequisitionDetailOfAMonth)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv, [] { Prompt::Install(nullptr); });
}
