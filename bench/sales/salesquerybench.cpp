// The sales and returns query and the line import on the shop data (1,000,000
// stock-ledger rows) with 200,000 approved delivery headers added over 2023-2024
// and 100,000 sales ledger rows of 2024.
// Targets: the document list of a month under 300 ms; the goods summary of a month
// and the daily chart of a year under 1 s each; staging and importing 2,000
// spreadsheet rows under 2 s.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "listing/queryframe.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/ui/scriptedprompt.h"
#include "sales/saleswindows.h"
#include "sales/spxsimport.h"
#include "sales/xsdjcx.h"

#include <QDateEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct SalesQuery {
    ScriptedPrompt prompt;
    std::unique_ptr<TF_Xsdjcx> window;

    SalesQuery()
    {
        Connection& c = ShopData::Get().Module().ADOConn;
        c.Exec(QStringLiteral("update jxc_goods set gc_sn='1000' where coalesce(gc_sn,'')=''"));
        const QString n = QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<%1) ");
        c.Exec(n.arg(199999)
            + QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,ls_xsrq,ls_yfje,ls_sfje,ls_yhje,ls_hkje,u_sn,"
                             "a_name,ls_status,ls_checker,ls_chkrq,ls_note,gl_djh2,ls_th,ls_yf,ls_bzf,ls_jsfs,ls_lr) "
                             "select 'XSQ'||printf('%06d',i),(select kh_sn from jxc_khxx order by id limit 1),"
                             "'100001',printf('%04d-%02d-%02d %02d:%02d',2023+(i/100000),1+(i/8334)%12,1+i%28,"
                             "8+i%10,i%60),500,400,0,0,'100001','admin',1,'admin','2024-12-31','','',0,0,0,1,100 "
                             "from n"));
        c.Exec(n.arg(99999)
            + QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,gl_chkrq,g_sn,g_name,ck_sn,ghs_sn,"
                             "ghs_name,gl_sl,gl_dj,gl_je,gl_zje,gl_taxje,gl_lr,gl_bz,gl_note,tid,id2,a_name) "
                             "select 'xs','XSQ'||printf('%06d',100000+i/2),printf('2024-%02d-%02d %02d:%02d',"
                             "1+(i/16668)%12,1+(i/2)%28,8+i%10,i%60),'2024-12-31',g.g_sn,'商品','100001',"
                             "(select kh_sn from jxc_khxx order by id limit 1),'客户',2,100,200,200,0,80,'','',i+1,"
                             "i+1,'admin' from n,(select g_sn from jxc_goods order by id limit 1) g"));
        Prompt::Install(&prompt);
        LoadSystemSettings();
        DeclareSalesDatasets();
        window = std::make_unique<TF_Xsdjcx>();
        window->Activate();
    }
};

// Kept to the end of the run: the window must not outlive the application's teardown.
SalesQuery& query()
{
    static SalesQuery* q = new SalesQuery;
    return *q;
}

// Argument 0: the document list of a month, 1: the goods summary of a month, 2: the
// daily chart of a year.
void BM_SalesQueryView(benchmark::State& state)
{
    SalesQuery& q = query();
    QRadioButton* views[] = { q.window->rDjb, q.window->rHzb, q.window->rTjt };
    views[state.range(0)]->setChecked(true);
    const Period period = state.range(0) == 2 ? Period { QDate(2024, 1, 1), QDate(2024, 12, 31) }
                                              : Period { QDate(2024, 3, 1), QDate(2024, 3, 31) };
    SetPeriod(q.window->tdate1, q.window->tdate2, period);
    for (auto _ : state)
        q.window->btnSearch2Click();
    Query* rows[] = { &q.window->Q_Lsxsd, &q.window->Q_GXsHZ, &q.window->Q_ChartXsdjcs };
    if (state.range(0) == 0 && rows[0]->RecordCount() < 5000)
        state.SkipWithError("the month was not listed in full");
    state.counters["rows"] = rows[state.range(0)]->RecordCount();
}
BENCHMARK(BM_SalesQueryView)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_SalesLineImport(benchmark::State& state)
{
    query();
    Query goods(&F_DataModule->ADOConn);
    goods.SetSQL(QStringLiteral("select g_sn from jxc_kcsp where ck_sn='100001' order by id limit 2000"));
    goods.Open();
    std::vector<QStringList> rows;
    for (int r = 0; r < goods.RecordCount(); ++r)
        rows.push_back({ goods.TextAt(r, 0), QString(), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("2"),
            QString() });
    const SalesImportTarget target { false, QStringLiteral("XS24123110001"), QStringLiteral("2024-12-31"),
        QStringLiteral("100001"), QString() };
    for (auto _ : state) {
        StageSalesImportRows(rows, target);
        ImportStagedSalesLines(target);
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_SalesLineImport)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
