// The member windows on a shop-size account set (100,000 members, 1,000,000
// stock-ledger rows). Targets: the member search under 100 ms, the import of 5,000
// members from a spreadsheet under 3 s, a gift exchange saved under 100 ms.
#include "benchset.h"
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "foundation/settings.h"
#include "goodsgen.h"
#include "members/dhzpops.h"
#include "members/hygl.h"
#include "members/hyglimport.h"
#include "members/memberswindows.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/sheet/sheetwriter.h"
#include "platform/ui/prompt.h"
#include "platform/ui/scriptedprompt.h"
#include "widgetbench.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Fixture {
    BenchAccountSet set;
    ScriptedPrompt prompt;
    std::unique_ptr<TF_Hygl> hygl;
    QString sheet;

    Fixture()
        : set([](Connection& c) {
              GoodsgenFillShop(c);
              c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<100000) "
                     "insert into jxc_hyxx (hy_sn,hy_bh,hy_name,hy_jm,hy_status,hl_sn,hh_sn,hy_mm,hy_jf,hy_zjf,hy_zhje,"
                     "hy_ye,hy_zje,hy_tele,hy_mobile,hy_sr,hy_jrrq,hy_sj,hy_qx) "
                     "select printf('%06d',100001+i),printf('%06d',200000+i),'会员'||i,'HY'||i,1,'100002','100001','',"
                     "1000000,1000000,0,0,i,'','139'||printf('%08d',i),'1990-01-01','2024-01-01',0,0 from n");
              // The first goods is a gift of one point in the main warehouse.
              c.Exec("update jxc_goods set g_iszp=1,g_sy=1,g_zpjf=1 where g_sn='G000000'");
              c.Exec("update jxc_kcsp set kc_sl=1000000,kc_zsl=1000000 where g_sn='G000000' and ck_sn='100001'");
          })
    {
        RegisterMembersWindows();
        Prompt::Install(&prompt);
        hygl = std::make_unique<TF_Hygl>();
        hygl->Activate();

        SheetTable t;
        t.captions = QStringList { "会员姓名", "移动电话", "会员积分", "出生日期" };
        for (int i = 0; i < 5000; ++i)
            t.rows << QVector<QVariant> { QString("导入%1").arg(i), QString("1380000%1").arg(i, 4, 10, QChar('0')),
                "10", "1991-02-03" };
        sheet = set.Path("members.xlsx");
        QString error;
        WriteXlsx(sheet, t, &error);
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_MemberSearch(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        f.hygl->btnSearch2Click();
    state.counters["rows"] = f.hygl->Q_Hyxx.RecordCount();
}
BENCHMARK(BM_MemberSearch)->Unit(benchmark::kMillisecond);

void BM_Import5000Members(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        TF_Hygl_Import w;
        w.Activate();
        w.btnNext1Click();
        w.OpenFile(f.sheet);
        w.btnNext2Click();
        w.btnImportClick();
        state.PauseTiming();
        const int imported = QueryScalar("select count(*) from jxc_hyxx where hy_name like '导入%'").toInt();
        ExecSQL("delete from jxc_hyxx where hy_name like '导入%'");
        state.ResumeTiming();
        if (imported != 5000) {
            state.SkipWithError("not every member was imported");
            break;
        }
    }
}
BENCHMARK(BM_Import5000Members)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveGiftExchange(benchmark::State& state)
{
    fixture();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString number = QString("DH99%1").arg(++n, 6, 10, QChar('0'));
        AddGiftLine(number, "G000000", CurrentAdminName);
        state.ResumeTiming();
        const ExchangeResult r = SaveGiftExchange({ number, CurrentAdminName, "200001", false, false, "100001" });
        if (r.outcome != ExchangeOutcome::Saved)
            state.SkipWithError(qPrintable(r.message));
    }
}
BENCHMARK(BM_SaveGiftExchange)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunWidgetBenchmarks(argc, argv);
}
