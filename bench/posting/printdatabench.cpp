// Print data of a 200-line sales delivery (two colours by six sizes per line) with
// size merging and 20 fixed rows per form. Target: under 200 ms per call.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "platform/db/connection.h"
#include "platform/db/transaction.h"
#include "posting/printdata.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

void AddPrintedDelivery(Connection& c)
{
    Transaction t(c);
    c.Exec(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) select 'Z5','XXL' where not exists "
                          "(select 1 from jxc_cm where cm_sn='Z5')"));
    c.Exec(QStringLiteral("insert into jxc_cm (cm_sn,cm_name) select 'Z6','XXXL' where not exists "
                          "(select 1 from jxc_cm where cm_sn='Z6')"));
    c.Exec(QStringLiteral("insert into jxc_goodsclass (gc_sn,gc_name) values ('BPC','打印类')"));
    c.Exec(QStringLiteral("update jxc_goods set gc_sn='BPC' where g_sn between 'G100000' and 'G100199'"));
    c.Exec(QStringLiteral("insert into jxc_lsxsd (gl_djh,kh_sn,ck_sn,u_sn,ls_xsrq,ls_status) "
                          "values ('XSPRINT','100001','100001','100001','2024-05-02 10:00',1)"));
    for (int i = 0; i < 200; ++i) {
        const QString goods = QStringLiteral("G%1").arg(100000 + i);
        c.Exec(QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_sl,ls_dj,ls_taxdj,ls_dzl,ls_je,a_name) "
                              "values ('XSPRINT',:g,12,20,20,1,240,'admin')"),
            { { QStringLiteral("g"), goods } });
        const qint64 id = c.LastInsertId();
        c.Exec(QStringLiteral("update jxc_lsxssp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
        for (const char* color : { "C1", "C2" })
            for (int s = 1; s <= 6; ++s)
                c.Exec(QStringLiteral("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) "
                                      "values ('XSPRINT',:g,:s,:c,1,'admin',:tid)"),
                    { { QStringLiteral("g"), goods }, { QStringLiteral("s"), QStringLiteral("Z%1").arg(s) },
                        { QStringLiteral("c"), QLatin1String(color) }, { QStringLiteral("tid"), id } });
    }
    t.Commit();
}

void BM_MergedPrintDataOf200Lines(benchmark::State& state)
{
    TF_DataModule& dm = ShopData::Get().Module();
    // Google Benchmark runs this function more than once; the document goes in once.
    static const bool added = (AddPrintedDelivery(dm.ADOConn), true);
    (void)added;
    MergeSizesInPrint = QStringLiteral("1");
    SalesPrintRows = QStringLiteral("20");
    PrintLineOrder = QStringLiteral("0");
    int rows = 0;
    for (auto _ : state) {
        OpenQuery(dm.Q_GoodsPrin, BuildColorSizePrintData(QStringLiteral("XSPRINT"), QStringLiteral("XS")));
        rows = dm.Q_GoodsPrin.RecordCount();
    }
    state.counters["rows"] = rows;
    if (rows != 400)
        state.SkipWithError(("expected one merged row per line and colour, got " + std::to_string(rows)).c_str());
}
BENCHMARK(BM_MergedPrintDataOf200Lines)->Unit(benchmark::kMillisecond);

} // namespace
