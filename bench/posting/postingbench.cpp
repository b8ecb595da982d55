// Posting on a shop-size account set (20,000 goods, 1,000,000 stock-ledger rows over
// 5 warehouses, 1,000,000 partner-ledger rows over 2,000 partners). Targets: the
// full walk of every (goods, warehouse) under 10 s (a walk per pair, and the one
// ordered pass of the stock recalculation); every partner's balance from its
// first row under 10 s; a back-dated recomputation of a partner with 50,000 later
// rows under 0.5 s; the stock part of approving a 200-line document at most 5 times
// the bare inserts of its ledger and colour-by-size rows ("ratio" counter); the whole
// approval of a 200-line goods-in at most 5 times the bare inserts of what it writes;
// the batch cancel of 200 goods-in documents of 5 lines under 5 s.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/balances.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/purchaseposting.h"
#include "posting/tradereversal.h"

#include <benchmark/benchmark.h>
#include <chrono>

namespace {

Connection& Db()
{
    return ShopData::Get().Module().ADOConn;
}

QStringList Column(const QString& sql)
{
    return SelectColumn(Db(), sql);
}

void BM_FullWalkOfEveryGoodsAndWarehouse(benchmark::State& state)
{
    const QStringList firsts = Column(
        QStringLiteral("select id from (select id,row_number() over (partition by g_sn,ck_sn order by gl_kdrq,id) as n "
                       "from jxc_goodslist) x where n=1"));
    for (auto _ : state) {
        Transaction t(Db());
        for (const QString& id : firsts)
            RecalcMovingAverageCost(id, QStringLiteral("0"));
        t.Commit();
    }
    state.counters["walks"] = double(firsts.size());
    if (firsts.size() != ShopData::Get().Size().goods * ShopData::Get().Size().warehouses)
        state.SkipWithError("unexpected number of (goods, warehouse) pairs");
}
BENCHMARK(BM_FullWalkOfEveryGoodsAndWarehouse)->Unit(benchmark::kSecond)->Iterations(1);

// The same walks as the stock recalculation runs them: one ordered pass over the ledger.
void BM_OnePassOverEveryGoodsAndWarehouse(benchmark::State& state)
{
    for (auto _ : state)
        RecalcMovingAverageCostFrom(QString(), QString());
    state.counters["walks"] = double(ShopData::Get().Size().goods * ShopData::Get().Size().warehouses);
}
BENCHMARK(BM_OnePassOverEveryGoodsAndWarehouse)->Unit(benchmark::kSecond)->Iterations(1);

void BM_EveryPartnersBalanceFromItsFirstRow(benchmark::State& state)
{
    Query partners(&Db());
    partners.SetSQL(QStringLiteral("select k_ghskh,k_type,min(k_rq) from jxc_ysyfk group by k_ghskh,k_type"));
    partners.Open();
    for (auto _ : state) {
        Transaction t(Db());
        for (int r = 0; r < partners.RecordCount(); ++r)
            RecalcLedgerBalance(partners.TextAt(r, 0), partners.TextAt(r, 1), partners.TextAt(r, 2));
        t.Commit();
    }
    state.counters["partners"] = partners.RecordCount();
}
BENCHMARK(BM_EveryPartnersBalanceFromItsFirstRow)->Unit(benchmark::kSecond)->Iterations(1);

void BM_BackDatedPartnerRecomputation(benchmark::State& state)
{
    // A row dated before every row of the busy customer.
    Db().Exec(QStringLiteral("insert into jxc_ysyfk (k_type,k_ghskh,k_rq,k_yfje,k_sfje,k_qcje,k_yhje,k_ljje,k_flag) "
                             "values ('kh','KBUSY','2017-12-31 09:00',12.5,0,0,0,0,1)"));
    for (auto _ : state)
        RecalcLedgerBalance(QStringLiteral("KBUSY"), QStringLiteral("kh"), QStringLiteral("2017-12-31 09:00"));
    state.counters["rows"]
        = QueryScalar(QStringLiteral("select count(*) from jxc_ysyfk where k_ghskh='KBUSY'")).toDouble();
}
BENCHMARK(BM_BackDatedPartnerRecomputation)->Unit(benchmark::kMillisecond);

// A goods-in of 200 lines of different goods, 4 colour-by-size rows a line, dated today.
struct Document {
    QList<qint64> lines;
    QStringList goods;
};

Document MakeDocument()
{
    static Document doc;
    if (!doc.lines.isEmpty())
        return doc;
    Transaction t(Db());
    Db().Exec(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,j_jhrq,j_status,a_name) "
                             "values ('CJ24030510001','S1000','100001','2024-03-05 10:00',1,'admin')"));
    for (int i = 0; i < 200; ++i) {
        const QString goods = QStringLiteral("G%1").arg(100000 + i * 97);
        Db().Exec(QStringLiteral("insert into jxc_jhsp (gl_djh,g_sn,jh_dj,jh_sl,jh_je,jh_zje,a_name) "
                                 "values ('CJ24030510001',:g,12,8,96,96,'admin')"),
            { { QStringLiteral("g"), goods } });
        const qint64 id = Db().LastInsertId();
        Db().Exec(QStringLiteral("update jxc_jhsp set tid=id,id2=id where id=:id"), { { QStringLiteral("id"), id } });
        for (const char* combo : { "C1Z1", "C1Z2", "C2Z3", "C3Z4" })
            Db().Exec(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,color_sn,cm_sn,t_sl,a_name,tid) "
                                     "values ('CJ24030510001',:g,:c,:s,2,'admin',:tid)"),
                { { QStringLiteral("g"), goods }, { QStringLiteral("c"), QString::fromLatin1(combo).left(2) },
                    { QStringLiteral("s"), QString::fromLatin1(combo).mid(2) }, { QStringLiteral("tid"), id } });
        doc.lines << id;
        doc.goods << goods;
    }
    t.Commit();
    return doc;
}

void InsertLedgerRows(const Document& doc)
{
    for (int i = 0; i < doc.lines.size(); ++i)
        Db().Exec(
            QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_dj,gl_je,gl_zje,"
                           "tid,id2,a_name) values ('cj','CJ24030510001','2024-03-05 10:00',:g,'100001',8,12,96,96,"
                           ":tid,:tid,'admin')"),
            { { QStringLiteral("g"), doc.goods[i] }, { QStringLiteral("tid"), doc.lines[i] } });
}

double BareSeconds = 0;

void BM_BareInsertsOf200Lines(benchmark::State& state)
{
    const Document doc = MakeDocument();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Transaction t(Db());
        InsertLedgerRows(doc);
        for (int i = 0; i < doc.lines.size(); ++i)
            for (const char* combo : { "C1Z1", "C1Z2", "C2Z3", "C3Z4" })
                Db().Exec(
                    QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) values (:g,'100001',:c,:s,2)"),
                    { { QStringLiteral("g"), doc.goods[i] },
                        { QStringLiteral("c"), QString::fromLatin1(combo).left(2) },
                        { QStringLiteral("s"), QString::fromLatin1(combo).mid(2) } });
        t.Rollback();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    BareSeconds = total / double(state.iterations());
}
BENCHMARK(BM_BareInsertsOf200Lines)->Unit(benchmark::kMillisecond);

void BM_StockPartOfApproving200Lines(benchmark::State& state)
{
    const Document doc = MakeDocument();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Transaction t(Db());
        InsertLedgerRows(doc);
        AddColorSizeStock(QStringLiteral("jxc_jhspmx"), QStringLiteral("CJ24030510001"), QStringLiteral("100001"));
        RecalcMovingAverageCostOfDoc(QStringLiteral("CJ24030510001"), QStringLiteral("0"));
        t.Rollback();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (BareSeconds > 0)
        state.counters["ratio"] = total / double(state.iterations()) / BareSeconds;
}
BENCHMARK(BM_StockPartOfApproving200Lines)->Unit(benchmark::kMillisecond);

// A goods-in of `lines` goods from `firstGoods` on, 4 colour-by-size rows a line,
// received in full and paid in cash, its header approved as the window's approval
// leaves it before the posting runs.
void MakeGoodsIn(const QString& no, int firstGoods, int lines, int step)
{
    Db().Exec(QStringLiteral("insert into jxc_jhd (gl_djh,ghs_sn,ck_sn,u_sn,j_jhrq,j_status,a_name,j_yfje,j_sfje,"
                             "j_kmmc,j_jsfs) values (:djh,'S1000','100001','100001','2024-03-05 10:00',1,'admin',"
                             ":je,:je,'现金','0')"),
        { { QStringLiteral("djh"), no }, { QStringLiteral("je"), lines * 96 } });
    for (int i = 0; i < lines; ++i) {
        const QString goods = QStringLiteral("G%1").arg(firstGoods + i * step);
        Db().Exec(QStringLiteral("insert into jxc_jhsp (gl_djh,g_sn,jh_dj,jh_sl,jh_rksl,jh_je,jh_zje,jh_dzl,jh_tax,"
                                 "a_name) values (:djh,:g,12,8,8,96,96,1,0,'admin')"),
            { { QStringLiteral("djh"), no }, { QStringLiteral("g"), goods } });
        const qint64 id = Db().LastInsertId();
        Db().Exec(QStringLiteral("update jxc_jhsp set tid=id where id=:id"), { { QStringLiteral("id"), id } });
        for (const char* combo : { "C1Z1", "C1Z2", "C2Z3", "C3Z4" })
            Db().Exec(QStringLiteral("insert into jxc_jhspmx (gl_djh,g_sn,color_sn,cm_sn,t_sl,a_name,tid) "
                                     "values (:djh,:g,:c,:s,2,'admin',:tid)"),
                { { QStringLiteral("djh"), no }, { QStringLiteral("g"), goods },
                    { QStringLiteral("c"), QString::fromLatin1(combo).left(2) },
                    { QStringLiteral("s"), QString::fromLatin1(combo).mid(2) }, { QStringLiteral("tid"), id } });
    }
}

double BareApprovalSeconds = 0;

// What the approval of a 200-line goods-in writes, as bare prepared inserts: the
// ledger rows, their colour-by-size ledger rows and the colour-by-size stock rows.
void BM_BareInsertsOfAGoodsInApproval(benchmark::State& state)
{
    Db(); // the shop's data is built before the clock runs
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Transaction t(Db());
        for (int i = 0; i < 200; ++i) {
            const QHash<QString, QVariant> g { { QStringLiteral("g"), QStringLiteral("G%1").arg(100001 + i * 97) } };
            Db().Exec(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_dj,gl_je,"
                                     "gl_zje,tid,id2,a_name) values ('cj','CJ24030510002','2024-03-05 10:00',:g,"
                                     "'100001',8,12,96,96,1,1,'admin')"),
                g);
            for (const char* combo : { "C1Z1", "C1Z2", "C2Z3", "C3Z4" }) {
                QHash<QString, QVariant> row = g;
                row.insert(QStringLiteral("c"), QString::fromLatin1(combo).left(2));
                row.insert(QStringLiteral("s"), QString::fromLatin1(combo).mid(2));
                Db().Exec(QStringLiteral("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,"
                                         "color_sn,cm_sn,ck_sn) values ('cj','CJ24030510002','2024-03-05 10:00',:g,"
                                         "12,2,:c,:s,'100001')"),
                    row);
                Db().Exec(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,color_sn,cm_sn,t_sl) "
                                         "values (:g,'100001',:c,:s,2)"),
                    row);
            }
        }
        t.Rollback();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    BareApprovalSeconds = total / double(state.iterations());
}
BENCHMARK(BM_BareInsertsOfAGoodsInApproval)->Unit(benchmark::kMillisecond);

// ApprovePurchaseDoc of a 200-line goods-in; target: "ratio" at most 5.
void BM_ApprovePurchaseDocOf200Lines(benchmark::State& state)
{
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Transaction t(Db());
        MakeGoodsIn(QStringLiteral("CJ24030510002"), 100001, 200, 97);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        ApprovePurchaseDoc(QStringLiteral("CJ24030510002"));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        t.Rollback();
        state.ResumeTiming();
    }
    if (BareApprovalSeconds > 0)
        state.counters["ratio"] = total / double(state.iterations()) / BareApprovalSeconds;
}
BENCHMARK(BM_ApprovePurchaseDocOf200Lines)->Unit(benchmark::kMillisecond);

// The batch cancel after a stock-take: 200 approved goods-in documents of one day,
// 5 lines each, cancelled with "kcpd" (no question); target under 5 s.
void BM_BatchCancelOf200GoodsIn(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Transaction t(Db());
        QStringList numbers;
        for (int d = 0; d < 200; ++d) {
            const QString no = QStringLiteral("CJ240305%1").arg(20001 + d);
            MakeGoodsIn(no, 100002 + d * 5 * 19, 5, 19);
            ApprovePurchaseDoc(no);
            numbers << no;
        }
        AuxTag = QStringLiteral("kcpd");
        state.ResumeTiming();
        int cancelled = 0;
        for (const QString& no : numbers) {
            UnapproveResult.clear();
            UnapproveDocument(no);
            cancelled += UnapproveResult == QLatin1String("ok");
        }
        state.PauseTiming();
        AuxTag.clear();
        const QString left = QueryScalar(QStringLiteral("select count(*) from jxc_jhd where j_status=1"));
        t.Rollback();
        if (cancelled != numbers.size()) {
            state.SkipWithError(QStringLiteral("%1 of %2 cancelled, %3 left approved")
                                    .arg(cancelled)
                                    .arg(numbers.size())
                                    .arg(left)
                                    .toStdString()
                                    .c_str());
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BatchCancelOf200GoodsIn)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
