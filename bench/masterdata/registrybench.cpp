// Warehouses and staff against 1,000,000 stock-ledger rows and 100,000 cash rows.
// Targets: the warehouse and the staff delete tests under 300 ms; the warehouse and
// the staff rename cascades under 1 s.
#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "masterdata/ckglops.h"
#include "masterdata/userops.h"
#include "platform/base/programfolder.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct RegistryFixture {
    QTemporaryDir dir;
    std::unique_ptr<TF_DataModule> dm;

    RegistryFixture()
    {
        ProgramFolder::Set(dir.path());
        QDir(dir.path()).mkpath("data");
        {
            Connection c;
            c.Open(dir.filePath("data/jxc.mdb"), Connection::OpenMode::CreateIfMissing);
            CreateAllTables(c);
            // Ten warehouses and a hundred staff share the rows; "闲仓" and "闲人" have none.
            c.Exec("insert into jxc_ckxx (ck_sn,ck_name,ck_asn,ck_aname) values ('200000','闲仓','100001,','admin,')");
            c.Exec("insert into jxc_user (u_sn,u_name,u_jy,ck_sn) values ('200000','闲人',0,'-1'),"
                   "('100050','员工50',0,'-1')");
            c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<1000000) "
                   "insert into jxc_goodslist (gl_djh,g_sn,ck_sn,ck_name,u_name,gl_sl) "
                   "select 'JH'||i, printf('%08d', i % 20000), printf('1000%02d', i % 10), '仓'||(i % 10), "
                   "'员工'||(i % 100), 1 from n");
            c.Exec("with recursive n(i) as (select 1 union all select i+1 from n where i<100000) "
                   "insert into jxc_xjyh (gl_djh,ck_name,u_name) select 'SK'||i, '仓'||(i % 10), '员工'||(i % 100) "
                   "from n");
        }
        dm = std::make_unique<TF_DataModule>();
        dm->DataModuleCreate();
        CurrentAdminName = "admin";
        CurrentAdminSn = "100001";
        CurrentRoleSn = "100001";
    }
};

RegistryFixture& registry()
{
    static RegistryFixture f;
    return f;
}

void BM_WarehouseDeleteTest(benchmark::State& state)
{
    registry();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WarehouseDeleteRefusal("100005"));
        benchmark::DoNotOptimize(WarehouseDeleteRefusal("200000"));
    }
    if (WarehouseDeleteRefusal("100005").isEmpty() || !WarehouseDeleteRefusal("200000").isEmpty())
        state.SkipWithError("unexpected warehouse delete test");
}
BENCHMARK(BM_WarehouseDeleteTest)->Unit(benchmark::kMillisecond);

void BM_StaffDeleteTest(benchmark::State& state)
{
    registry();
    for (auto _ : state) {
        benchmark::DoNotOptimize(StaffDeleteRefusal("100050", "员工50"));
        benchmark::DoNotOptimize(StaffDeleteRefusal("200000", "闲人"));
    }
    if (StaffDeleteRefusal("100050", "员工50").isEmpty() || !StaffDeleteRefusal("200000", "闲人").isEmpty())
        state.SkipWithError("unexpected staff delete test");
}
BENCHMARK(BM_StaffDeleteTest)->Unit(benchmark::kMillisecond);

void BM_WarehouseRenameCascade(benchmark::State& state)
{
    registry();
    ExecSQL("insert into jxc_ckxx (ck_sn,ck_name) values ('100003','仓3')");
    WarehouseInput in;
    in.operatorNames = { "admin" };
    bool back = false;
    for (auto _ : state) {
        in.name = back ? "仓3" : "三号仓";
        ModifyWarehouse("100003", in);
        back = !back;
    }
}
BENCHMARK(BM_WarehouseRenameCascade)->Unit(benchmark::kMillisecond);

void BM_StaffRenameCascade(benchmark::State& state)
{
    registry();
    Query staff(&F_DataModule->ADOConn);
    staff.SetSQL("select * from jxc_user where u_sn='100050'");
    staff.Open();
    const qint64 id = staff.AsInteger("id");
    StaffInput in;
    in.warehouseChosen = false;
    bool back = false;
    for (auto _ : state) {
        in.name = back ? "员工50" : "五十号";
        ModifyStaff(staff, id, in);
        back = !back;
    }
}
BENCHMARK(BM_StaffRenameCascade)->Unit(benchmark::kMillisecond);

} // namespace
