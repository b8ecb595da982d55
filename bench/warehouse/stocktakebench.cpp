// The stock-take on a shop-size account set (20,000 goods, 1,000,000 ledger rows).
// Targets: approving a stock-take of 2,000 lines under 3 s; reading and staging a
// count sheet of 10,000 rows under 2 s.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/sheet/sheetwriter.h"
#include "posting/stockposting.h"
#include "warehouse/kcpdimport.h"
#include "warehouse/warehousewindows.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

Connection& StockTakeDb()
{
    return ShopData::Get().Module().ADOConn;
}

qint64 StockTakeCount(const QString& sql)
{
    Query q(&StockTakeDb());
    q.SetSQL(sql);
    q.Open();
    return q.AsInteger(q.FieldName(0));
}

// A pending stock-take of 2,000 goods of the main warehouse (a fresh slice each
// time), every line counted 2 short, with its two colour-by-size rows.
QString PendingStockTake(int serial)
{
    const QString n = QStringLiteral("PD2403059%1").arg(serial, 4, 10, QLatin1Char('0'));
    Connection& c = StockTakeDb();
    c.Exec(QStringLiteral("insert into jxc_kcpd (gl_djh,ck_sn,pd_rq,pd_sl,kc_sl,pd_note,pd_status,pd_checker,pd_chkrq,"
                          "u_sn,a_name) values ('%1','100001','2024-03-05 10:00',0,0,'',0,'','','100001','admin')")
               .arg(n));
    c.Exec(QStringLiteral("insert into jxc_kcpdsp (gl_djh,g_sn,pd_sl,kc_sl,kc_zsl,pd_dj,pd_zje,a_name) select '%1',"
                          "g_sn,kc_sl-2,kc_sl,kc_zsl,kc_cbj,-2*kc_cbj,'admin' from jxc_kcsp where ck_sn='100001' "
                          "and g_sn like 'G%' order by g_sn limit 2000 offset %2")
               .arg(n)
               .arg((serial - 1) * 2000));
    c.Exec(QStringLiteral("update jxc_kcpdsp set tid=id where gl_djh='%1'").arg(n));
    c.Exec(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,a_name,tid) select '%1',"
                          "k.g_sn,k.cm_sn,k.color_sn,k.t_sl-1,k.t_sl,'admin',b.tid from jxc_kcpdsp b,jxc_tkc k "
                          "where b.gl_djh='%1' and k.g_sn=b.g_sn and k.ck_sn='100001'")
               .arg(n));
    return n;
}

void BM_ApproveStockTake(benchmark::State& state)
{
    ShopData::Get();
    DeclareWarehouseDatasets();
    int serial = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString n = PendingStockTake(++serial);
        state.ResumeTiming();
        ApproveStockTake(n);
        state.PauseTiming();
        rows = StockTakeCount(QStringLiteral("select count(*) from jxc_goodslist where gl_djh='%1'").arg(n));
        state.ResumeTiming();
    }
    if (rows != 2000)
        state.SkipWithError("the stock-take did not post a row a line");
    state.counters["ledger rows"] = double(rows);
}
BENCHMARK(BM_ApproveStockTake)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StageCountSheet(benchmark::State& state)
{
    ShopData::Get();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("counts.xlsx"));
    SheetTable table;
    table.captions = { QStringLiteral("数量"), QStringLiteral("条形码") };
    for (int i = 0; i < 10000; ++i)
        table.rows.push_back({ 5, QStringLiteral("G%1C1Z2").arg(100000 + i) });
    QString error;
    if (!WriteXlsx(path, table, &error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    int failed = -1;
    for (auto _ : state) {
        ConnectExcel(path);
        Query& excel = F_DataModule->Q_Excel;
        OpenQuery(excel, QStringLiteral("select * from [") + ExcelSheetNames().value(0) + QStringLiteral("]"));
        std::vector<QStringList> rows;
        rows.reserve(size_t(excel.RecordCount()));
        for (int r = 0; r < excel.RecordCount(); ++r)
            rows.push_back({ excel.TextAt(r, 0), excel.TextAt(r, 1) });
        CloseExcel();
        failed = StageStockTakeRows(rows);
    }
    const qint64 staged = StockTakeCount(QStringLiteral("select count(*) from jxc_tempspxf where ghs_sn='0'"));
    if (failed != 0 || staged != 10000)
        state.SkipWithError("the sheet's rows were not all staged as importable");
    state.counters["rows"] = double(staged);
}
BENCHMARK(BM_StageCountSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
