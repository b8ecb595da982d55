// Saving goods on the shared shop-size account set.
// Targets: adding a goods whose groups hold 10 colours and 10 sizes (the insert and
// its 100 barcodes) under 20 ms; a modify with a name change against 1,000,000
// stock-ledger rows under 300 ms.
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "masterdata/goodsrecord.h"
#include "shopdata.h"

#include <benchmark/benchmark.h>

namespace {

// The shared shop with groups of ten colours and ten sizes added.
void prepareTenByTen()
{
    static bool done = false;
    ShopData::Get();
    if (done)
        return;
    done = true;
    ExecSQL("insert into jxc_colorz (colorz_sn,colorz_name) values ('200001','十色')");
    ExecSQL("insert into jxc_cmz (cmz_sn,cmz_name) values ('200001','十码')");
    for (int i = 0; i < 10; ++i) {
        const QString sn = QString::number(200001 + i);
        const QString tm = QString::number(20 + i);
        ExecSQL("insert into jxc_color (color_sn,color_name,color_jm,color_tm) values ('" + sn + "','色" + tm + "','','"
            + tm + "')");
        ExecSQL("insert into jxc_cm (cm_sn,cm_name,cm_jm,cm_tm) values ('" + sn + "','码" + tm + "','','" + tm + "')");
        ExecSQL("insert into jxc_colorz2 (colorz_sn,color_sn) values ('200001','" + sn + "')");
        ExecSQL("insert into jxc_cmz2 (cmz_sn,cm_sn) values ('200001','" + sn + "')");
    }
}

GoodsEntry TenByTen(const QString& code, const QString& name)
{
    GoodsEntry e;
    e.className = "类别";
    e.classSn = "1001";
    e.classCid = "3";
    e.sn = code;
    e.name = name;
    e.barcode = code;
    e.unit = "件";
    e.colourGroupName = "十色";
    e.colourGroupSn = "200001";
    e.sizeGroupName = "十码";
    e.sizeGroupSn = "200001";
    e.purchasePrice = 50;
    e.salePrice = 99;
    return e;
}

bool AnswerYes(const QString&)
{
    return true;
}

void BM_AddGoodsTenByTen(benchmark::State& state)
{
    prepareTenByTen();
    // The benchmark runs this more than once: codes go on from the last run.
    static int n = 0;
    for (auto _ : state) {
        const QString code = QStringLiteral("N%1").arg(++n, 6, 10, QLatin1Char('0'));
        const GoodsSaveResult r = InsertGoods(TenByTen(code, "新品" + code), AnswerYes);
        if (!r.saved)
            state.SkipWithError(r.refusal.toStdString().c_str());
    }
}
BENCHMARK(BM_AddGoodsTenByTen)->Unit(benchmark::kMillisecond);

void BM_ModifyWithNameChange(benchmark::State& state)
{
    prepareTenByTen();
    const QString code = QueryScalar("select g_sn from jxc_goods where g_sn like 'G%' order by id limit 1");
    GoodsBefore before;
    before.id = QueryScalar("select id from jxc_goods where g_sn='" + code + "'").toLongLong();
    before.sn = code;
    before.name = QueryScalar("select g_name from jxc_goods where g_sn='" + code + "'");
    before.unit = "件";
    before.colourGroupName = "十色";
    int n = 0;
    for (auto _ : state) {
        GoodsEntry e = TenByTen(code, "改名" + QString::number(++n));
        const GoodsSaveResult r = UpdateGoods(before, e, false, AnswerYes);
        if (!r.saved)
            state.SkipWithError(r.refusal.toStdString().c_str());
        before.name = e.name;
    }
    state.counters["ledger"] = QueryScalar("select count(*) from jxc_goodslist where g_sn='" + code + "'").toDouble();
}
BENCHMARK(BM_ModifyWithNameChange)->Unit(benchmark::kMillisecond);

}
