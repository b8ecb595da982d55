// The stock check list and the document query on the shop-size account set
// (20,000 goods in five warehouses, 1,000,000 ledger rows). Targets: the stock
// check list under 2 s; the document query of one month under 500 ms.
#include "shopdata.h"

#include "foundation/datamodule.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "reports/djcxrules.h"
#include "reports/reportswindows.h"
#include "reports/stockcheck.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

// The shared set leaves the ledger's running balances to a walk, so no pair has a
// balance to compare and the check lists nothing. Give each pair's last ledger row
// its stock as the balance, as where the ledger and the stock agree, and for one
// pair in twenty (5,000 pairs, 10,000 colour and size rows) a balance one to three
// pieces below the stock: a share of sales that reached the ledger but not the
// stock, as after an interrupted posting. In the generated ledger a pair's rows are
// numbered in date order, so its last row has its highest id.
void giveLedgerBalances(Connection& c)
{
    c.Exec(
        QStringLiteral("update jxc_goodslist set gl_kc=(select k.kc_sl from jxc_kcsp k where k.g_sn=jxc_goodslist.g_sn "
                       "and k.ck_sn=jxc_goodslist.ck_sn)-case when id%20=0 then 1+id%3 else 0 end "
                       "where id in (select max(id) from jxc_goodslist group by g_sn,ck_sn)"));
    c.Exec(QStringLiteral("update jxc_goodslist set gl_kczje=gl_kc*gl_dj where gl_kc is not null"));
}

// One kind of document header: its table, number prefix, columns and its share of
// the documents (the residues of i % 20 that are of this kind).
struct HeaderKind {
    const char* table;
    const char* prefix;
    const char* date;
    const char* status;
    const char* note;
    const char* partner; // "kh_sn", "ghs_sn" or nullptr
    const char* money;   // "due,paid" or nullptr
    const char* warehouse;
    int firstResidue;
    int lastResidue;
};

const HeaderKind kHeaderKinds[] = {
    { "jxc_lsxsd", "XS", "ls_xsrq", "ls_status", "ls_note", "kh_sn", "ls_yfje,ls_sfje", "ck_sn", 0, 11 },
    { "jxc_jhd", "CJ", "j_jhrq", "j_status", "j_note", "ghs_sn", "j_yfje,j_sfje", "ck_sn", 12, 14 },
    { "jxc_xsthd", "XT", "th_xsrq", "th_status", "th_note", "kh_sn", "th_yfje,th_sfje", "ck_sn", 15, 15 },
    { "jxc_thd", "CT", "th_thrq", "th_status", "th_note", "ghs_sn", "th_yfje,th_sfje", "ck_sn", 16, 16 },
    { "jxc_kcdbd", "DB", "db_dbrq", "db_status", "db_note", nullptr, nullptr, "ck_out", 17, 17 },
    { "jxc_bsd", "BS", "bs_bsrq", "bs_status", "bs_note", nullptr, nullptr, "ck_sn", 18, 18 },
    { "jxc_byd", "BY", "by_byrq", "by_status", "by_note", nullptr, nullptr, "ck_sn", 19, 19 },
};

// 1,000,000 ledger rows over two years at some twenty lines a document make about
// 50,000 documents: 2,000 a month from 2014-01 to 2015-12 (48,000), three in five
// of them sales, the rest goods-in, returns, transfers, losses and overflows, one
// in fifty not approved. Partners, warehouses and the handler are those of the set.
// The query reads the headers alone, so their lines are not generated.
void giveDocumentHeaders(Connection& c)
{
    const int perMonth = 2000;
    const int months = 24;
    for (const HeaderKind& k : kHeaderKinds) {
        QString columns = QStringLiteral("gl_djh,%1,%2,%3,%4,u_sn,a_name")
                              .arg(QLatin1String(k.date), QLatin1String(k.status), QLatin1String(k.note),
                                  QLatin1String(k.warehouse));
        QString values = QStringLiteral("'$PREFIX'||printf('%02d%02d%02d%04d',y%100,m,d,i%$PER),"
                                        "printf('%04d-%02d-%02d %02d:%02d',y,m,d,8+i%10,i%60),"
                                        "case when i%50=49 then 0 else 1 end,'',"
                                        "case i%5 when 0 then '100001' else 'W'||(1+i%5) end,'100001','admin'");
        if (k.partner) {
            columns += QLatin1Char(',') + QLatin1String(k.partner);
            // Customers are K1000.., suppliers S1000.., a thousand of each.
            values += QStringLiteral(",'%1'||(1000+i%1000)").arg(QLatin1Char(k.partner[0] == 'k' ? 'K' : 'S'));
        }
        if (k.money) {
            columns += QLatin1Char(',') + QLatin1String(k.money);
            values += QStringLiteral(",100+i%900,case when i%3=0 then 0 else 100+i%900 end");
        }
        c.Exec(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<$LAST), "
                              "t as (select i,2014+(i/$PER)/12 as y,1+(i/$PER)%12 as m,1+(i%$PER)*28/$PER as d "
                              "from n where i%20 between $FIRST and $END) "
                              "insert into $TABLE ($COLUMNS) select $VALUES from t")
                   .replace(QStringLiteral("$COLUMNS"), columns)
                   .replace(QStringLiteral("$VALUES"), values)
                   .replace(QStringLiteral("$TABLE"), QLatin1String(k.table))
                   .replace(QStringLiteral("$PREFIX"), QLatin1String(k.prefix))
                   .replace(QStringLiteral("$FIRST"), QString::number(k.firstResidue))
                   .replace(QStringLiteral("$END"), QString::number(k.lastResidue))
                   .replace(QStringLiteral("$LAST"), QString::number(perMonth * months - 1))
                   .replace(QStringLiteral("$PER"), QString::number(perMonth)));
    }
}

// The shared set with the document headers, added once in one transaction; no
// other benchmark of the program reads them. Made the set in force at each call:
// another benchmark of the program may have put its own in place.
TF_DataModule& documentsModule()
{
    TF_DataModule& dm = ShopData::Get().Module();
    static const bool prepared = [&dm] {
        DeclareReportsDatasets();
        Transaction t(dm.ADOConn);
        giveDocumentHeaders(dm.ADOConn);
        t.Commit();
        return true;
    }();
    (void)prepared;
    F_DataModule = &dm;
    return dm;
}

void BM_StockCheckList(benchmark::State& state)
{
    TF_DataModule& dm = documentsModule();
    Query& list = dm.Q(QStringLiteral("Q_GhsDjFk"));
    // The balances are rolled back afterwards: the stock reports benchmarked after
    // this one read the ledger as generated, and rewriting a tenth of its rows would
    // move their figures.
    Transaction outer(dm.ADOConn);
    giveLedgerBalances(dm.ADOConn);
    for (auto _ : state) {
        OpenStockCheckList(list, QStringLiteral("-1"), QString());
        state.counters["rows"] = list.RecordCount();
    }
    const int rows = list.RecordCount();
    list.Close();
    outer.Rollback();
    if (rows == 0)
        state.SkipWithError("the check listed no rows");
}
BENCHMARK(BM_StockCheckList)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DocumentQueryOfOneMonth(benchmark::State& state)
{
    Query& q = documentsModule().Q(QStringLiteral("Q_Djcx1"));
    for (auto _ : state)
        OpenQuery(q, DocumentQueryStatement(QDate(2015, 5, 1), QDate(2015, 5, 31), QString()));
    state.counters["rows"] = q.RecordCount();
    if (q.RecordCount() == 0)
        state.SkipWithError("the month listed no documents");
}
BENCHMARK(BM_DocumentQueryOfOneMonth)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
