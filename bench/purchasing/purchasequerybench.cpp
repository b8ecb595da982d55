// The purchase query views on the shop data with one busy month of goods-in added:
// 3,000 approved goods-in of February 2024 with 30,000 'cj' ledger rows and 1,000
// approved returns. Targets: the goods-in window's "单据表" and "明细表" of that month
// and the goods-in and return query's document view, each under 500 ms.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "listing/queryframe.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/ui/scriptedprompt.h"
#include "purchasing/cgjh.h"
#include "purchasing/jthcx.h"
#include "purchasing/purchasingwindows.h"

#include <QDateEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct QueryWindows {
    ScriptedPrompt prompt;
    std::unique_ptr<TF_Cgjh> cgjh;
    std::unique_ptr<TF_Jthcx> jthcx;

    QueryWindows()
    {
        ShopSize size;
        size.ledgerRows = 100000;
        size.partners = 20;
        size.partnerRows = 100;
        size.busyPartnerRows = 10;
        Connection& c = ShopData::Get(size).Module().ADOConn;
        // The views join the goods with their class.
        c.Exec(QStringLiteral("update jxc_goods set gc_sn='1000' where coalesce(gc_sn,'')=''"));
        const QString n = QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<%1) ");
        c.Exec(n.arg(2999)
            + QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_yfje,j_sfje,j_yhje,j_hkje,u_sn,a_name,"
                             "j_status,j_checker,j_chkrq,j_note,gl_djh2,j_th,j_yf,j_bzf,j_jsfs) "
                             "select 'CJ2402'||printf('%05d',i),'S'||(1000+i%10),'100001',"
                             "printf('2024-02-%02d %02d:%02d',1+i%28,8+i%10,i%60),500,400,0,0,'100001','admin',1,"
                             "'admin','2024-02-28','',' ',0,0,0,1 from n"));
        c.Exec(n.arg(999)
            + QStringLiteral("insert into jxc_thd (gl_djh,ghs_sn,ck_sn,th_thrq,th_yfje,th_sfje,th_hkje,u_sn,a_name,"
                             "th_status,th_checker,th_chkrq,th_note) "
                             "select 'CT2402'||printf('%05d',i),'S'||(1000+i%10),'100001',"
                             "printf('2024-02-%02d %02d:%02d',1+i%28,8+i%10,i%60),-50,0,0,'100001','admin',1,"
                             "'admin','2024-02-28','' from n"));
        c.Exec(n.arg(29999)
            + QStringLiteral(
                "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,ck_sn,ghs_sn,ghs_name,gl_sl,"
                "gl_dj,gl_je,gl_zje,gl_taxje,gl_bz,g_jm,gl_note,tid,id2,a_name) "
                "select 'cj','CJ2402'||printf('%05d',i/10),printf('2024-02-%02d %02d:%02d',1+(i/10)%28,"
                "8+(i/10)%10,(i/10)%60),'G'||(100000+i%20000),'商品','100001','S'||(1000+(i/10)%10),"
                "'供货商',5,10,50,50,0,'','','',i+1,i+1,'admin' from n"));
        Prompt::Install(&prompt);
        DeclarePurchasingDatasets();
        cgjh = std::make_unique<TF_Cgjh>();
        cgjh->Activate();
        cgjh->cxPage->setCurrentWidget(cgjh->cxTab3);
        SetPeriod(cgjh->tdate1, cgjh->tdate2, { QDate(2024, 2, 1), QDate(2024, 2, 29) });
        jthcx = std::make_unique<TF_Jthcx>();
        jthcx->Activate();
        SetPeriod(jthcx->tdate1, jthcx->tdate2, { QDate(2024, 2, 1), QDate(2024, 2, 29) });
    }
};

QueryWindows& windows()
{
    static QueryWindows w;
    return w;
}

// Argument 0: "单据表", 1: "明细表".
void BM_GoodsInQueryView(benchmark::State& state)
{
    QueryWindows& w = windows();
    (state.range(0) == 0 ? w.cgjh->rDjb : w.cgjh->rMxb)->setChecked(true);
    for (auto _ : state)
        w.cgjh->btnSearch3Click();
    const int rows = state.range(0) == 0 ? w.cgjh->Q_GhsDJ.RecordCount() : w.cgjh->Q_GoodsList.RecordCount();
    if (rows < (state.range(0) == 0 ? 3000 : 30000))
        state.SkipWithError("the month was not listed in full");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_GoodsInQueryView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_GoodsInAndReturnDocuments(benchmark::State& state)
{
    QueryWindows& w = windows();
    for (auto _ : state)
        w.jthcx->btnSearchClick();
    const int rows = w.jthcx->Q_Jhd.RecordCount();
    if (rows < 4000)
        state.SkipWithError("the union view missed documents");
    state.counters["rows"] = rows;
}
BENCHMARK(BM_GoodsInAndReturnDocuments)->Unit(benchmark::kMillisecond);

} // namespace
