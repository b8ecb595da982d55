#include "reports/stockcheck.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/db/transaction.h"
#include "posting/costprice.h"
#include "posting/rowinsert.h"

#include <QSet>
#include <cmath>

namespace {

Connection& checkDb()
{
    return F_DataModule->ADOConn;
}

QString keyCondition(const QString& prefix, const QString& key, const QString& warehouseName)
{
    const QString k = QStringLiteral("'%") + SafeSqlText(key) + QStringLiteral("%'");
    QStringList parts;
    for (const char* column : { "g_sn", "g_name", "g_jm", "gg_name", "color_name" })
        parts << prefix + QString::fromLatin1(column) + QStringLiteral(" like ") + k;
    parts << warehouseName + QStringLiteral(" like ") + k;
    return QStringLiteral(" and (") + parts.join(QStringLiteral(" or ")) + QStringLiteral(") ");
}

void updateGoodsTotal(const QString& goods)
{
    checkDb().Exec(QStringLiteral("update jxc_goods set g_kc=coalesce((select sum(k.kc_sl) from jxc_kcsp k where "
                                  "k.g_sn=:g),0) where g_sn=:g"),
        { { QStringLiteral("g"), goods } });
}

void setStock(const StockCheckRow& p, const QString& assignments, const SqlParams& values)
{
    SqlParams params = values;
    params.insert(QStringLiteral("g"), p.goods);
    params.insert(QStringLiteral("ck"), p.warehouse);
    checkDb().Exec(
        QStringLiteral("update jxc_kcsp set ") + assignments + QStringLiteral(" where ck_sn=:ck and g_sn=:g"), params);
}

// The carry-forward row that makes `newBalance` the pair's ledger balance; none
// when it equals the listed balance to the quantity decimals.
bool appendCarryForward(const StockCheckRow& p, double newBalance, const QString& stamp)
{
    const double c = newBalance - p.balance;
    const double scale = std::pow(10.0, QtyDecimals);
    if (std::round(c * scale) == 0)
        return false;
    const double price = GetCostPrice(p.goods, p.warehouse, stamp);
    const ResultSet goods
        = checkDb().Fetch(QStringLiteral("select g_name,g_jm,dw_name,gg_name,color_name from jxc_goods where g_sn=:g"),
            { { QStringLiteral("g"), p.goods } });
    if (goods.rows.empty())
        return false;
    const auto& g = goods.rows.front();
    const std::pair<const char*, QVariant> values[] = {
        { "gl_flag", QStringLiteral("qc") },
        { "gl_djh", QString() },
        { "gl_kdrq", stamp },
        { "g_sn", p.goods },
        { "g_name", g[0] },
        { "g_jm", g[1] },
        { "dw_name", g[2] },
        { "gl_dj", price },
        { "gl_sl", c },
        { "gl_zje", price * c },
        { "gl_lr", 0.0 },
        { "u_name", QString() },
        { "a_name", CurrentAdminName },
        { "ck_sn", p.warehouse },
        { "ck_name", p.warehouseName },
        { "ghs_sn", QString() },
        { "ghs_name", QStringLiteral("同步") },
        { "gg_name", g[3] },
        { "color_name", g[4] },
        { "gl_sysl", c },
        { "gl_fdmc", QString() },
        { "gl_dqkc", 0.0 },
        { "gl_sqsl", p.balance },
        { "gl_sqje", p.balanceValue },
        { "gl_pjjj", price },
        { "gl_kc", newBalance },
        { "gl_kczje", price * newBalance },
        { "gl_checker", QString() },
        { "gl_chkrq", stamp },
        { "gl_note", QStringLiteral("库存同步") },
        { "gl_dzl", 1.0 },
        { "gl_tax", 0.0 },
        { "gl_taxdj", price },
        { "gl_taxje", 0.0 },
        { "gl_je", price * c },
        { "gl_lsj", 0.0 },
    };
    posting::Row row;
    for (const auto& [column, value] : values)
        row.append({ QString::fromLatin1(column), value });
    posting::InsertRow(QStringLiteral("jxc_goodslist"), row);
    return true;
}

} // namespace

bool StockStepOption()
{
    return IsTrue(UseStockIn) || IsTrue(UseStockOut);
}

void OpenStockCheckList(Query& list, const QString& warehouse, const QString& key)
{
    const QString me = SqlQuoted(CurrentAdminName);
    const QString k = key.trimmed();
    const bool oneWarehouse = warehouse != QLatin1String("-1") && !warehouse.isEmpty();
    const QString ck = SqlQuoted(warehouse);
    ExecSQL(QStringLiteral("delete from jxc_jxchz where a_name=") + me);
    QString last = QStringLiteral("insert into jxc_jxchz (id2,a_name) select max(x.id),") + me
        + QStringLiteral(" from jxc_goodslist x,(select max(gl_kdrq) as kdrq,g_sn,ck_sn from jxc_goodslist where 1=1 ");
    if (oneWarehouse)
        last += QStringLiteral(" and ck_sn=") + ck;
    if (!k.isEmpty())
        last += keyCondition(QString(), k, QStringLiteral("ck_name"));
    last += QStringLiteral(" group by g_sn,ck_sn) y where x.g_sn=y.g_sn and x.ck_sn=y.ck_sn and x.gl_kdrq=y.kdrq ");
    if (oneWarehouse)
        last += QStringLiteral(" and x.ck_sn=") + ck;
    if (!k.isEmpty())
        last += keyCondition(QStringLiteral("x."), k, QStringLiteral("x.ck_name"));
    ExecSQL(last + QStringLiteral(" group by x.g_sn,x.ck_sn"));

    QString sql
        = QStringLiteral("select distinct a.g_sn,a.g_name,a.g_jm,a.dw_name,a.g_pjjj,b.kc_sl,b.kc_zsl,b.ck_sn,e.ck_name,"
                         "a.gg_name,c.color_name,a.g_sccs,e.gl_kc,e.gl_kczje,d.cm_name,f.t_sl,f.color_sn,f.cm_sn,f.id "
                         "from jxc_goods a,jxc_kcsp b,jxc_color c,jxc_cm d,(select g_sn,ck_sn,gl_kc,gl_kczje,ck_name "
                         "from jxc_goodslist where id in (select id2 from jxc_jxchz where a_name=")
        + me
        + QStringLiteral(")) e,jxc_tkc f where a.g_sn=b.g_sn and b.g_sn=e.g_sn and b.ck_sn=e.ck_sn and a.g_sn=f.g_sn "
                         "and b.ck_sn=f.ck_sn and c.color_sn=f.color_sn and d.cm_sn=f.cm_sn ")
        + (StockStepOption() ? QStringLiteral(" and b.kc_zsl<>e.gl_kc ") : QStringLiteral(" and b.kc_sl<>e.gl_kc "));
    if (oneWarehouse)
        sql += QStringLiteral(" and b.ck_sn=") + ck;
    sql += keyCondition(QStringLiteral("a."), k, QStringLiteral("e.ck_name"));
    OpenQuery(list, sql + QStringLiteral(" order by a.g_sn,b.ck_sn,f.color_sn,f.cm_sn"));
}

std::vector<StockCheckRow> StockCheckPairs(Query& list)
{
    std::vector<StockCheckRow> pairs;
    if (!list.Active())
        return pairs;
    QSet<QString> seen;
    const int g = list.FieldIndex(QStringLiteral("g_sn"));
    const int ck = list.FieldIndex(QStringLiteral("ck_sn"));
    const int name = list.FieldIndex(QStringLiteral("ck_name"));
    const int sl = list.FieldIndex(QStringLiteral("kc_sl"));
    const int zsl = list.FieldIndex(QStringLiteral("kc_zsl"));
    const int kc = list.FieldIndex(QStringLiteral("gl_kc"));
    const int kczje = list.FieldIndex(QStringLiteral("gl_kczje"));
    for (int r = 0; r < list.RecordCount(); ++r) {
        StockCheckRow p;
        p.goods = list.TextAt(r, g);
        p.warehouse = list.TextAt(r, ck);
        if (seen.contains(p.goods + QChar(0x1f) + p.warehouse))
            continue;
        seen.insert(p.goods + QChar(0x1f) + p.warehouse);
        p.warehouseName = list.TextAt(r, name);
        p.stock = list.ValueAt(r, sl).toDouble();
        p.bookStock = list.ValueAt(r, zsl).toDouble();
        p.balance = list.ValueAt(r, kc).toDouble();
        p.balanceValue = list.ValueAt(r, kczje).toDouble();
        pairs.push_back(p);
    }
    return pairs;
}

QStringList StockSyncItems(bool stepOption)
{
    if (!stepOption)
        return { QStringLiteral("用结存数量替换当前库存数量"), QStringLiteral("用当前库存数量替换结存数量") };
    return { QStringLiteral("用结存数量替换帐面库存数量"), QStringLiteral("用帐面库存数量替换结存数量"),
        QStringLiteral("用当前库存数量替换帐面库存数量"), QStringLiteral("用帐面库存数量替换当前库存数量") };
}

int SyncStock(
    const std::vector<StockCheckRow>& pairs, int item, bool stepOption, const std::function<void(int)>& progress)
{
    // Stamped to the minute so that the carry-forward row is the pair's latest of the day.
    const QString now = Clock::Now().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString q = QStringLiteral("q");
    int written = 0;
    Transaction t(checkDb());
    int done = 0;
    for (const StockCheckRow& p : pairs) {
        if (!stepOption && item == 0) {
            setStock(p, QStringLiteral("kc_sl=:q,kc_zsl=:q"), { { q, p.balance } });
            updateGoodsTotal(p.goods);
        } else if (!stepOption && item == 1) {
            // The stock now becomes the balance: the difference and the new figure
            // both come from the listed kc_sl.
            setStock(p, QStringLiteral("kc_zsl=kc_sl"), {});
            written += appendCarryForward(p, p.stock, now) ? 1 : 0;
        } else if (stepOption && item == 0) {
            setStock(p, QStringLiteral("kc_zsl=:q"), { { q, p.balance } });
            updateGoodsTotal(p.goods);
        } else if (stepOption && item == 1) {
            written += appendCarryForward(p, p.bookStock, now) ? 1 : 0;
        } else if (stepOption && item == 2) {
            setStock(p, QStringLiteral("kc_zsl=:q"), { { q, p.stock } });
        } else if (stepOption && item == 3) {
            setStock(p, QStringLiteral("kc_sl=:q"), { { q, p.bookStock } });
            updateGoodsTotal(p.goods);
        }
        if (progress)
            progress(++done);
    }
    t.Commit();
    return written;
}

void CorrectColorSizeStock(qint64 rowId, const QString& goods, const QString& warehouse, double quantity)
{
    Transaction t(checkDb());
    checkDb().Exec(QStringLiteral("update jxc_tkc set t_sl=:q where id=:id"),
        { { QStringLiteral("q"), quantity }, { QStringLiteral("id"), rowId } });
    checkDb().Exec(QStringLiteral("update jxc_kcsp set kc_sl=coalesce((select sum(t.t_sl) from jxc_tkc t where "
                                  "t.g_sn=:g and t.ck_sn=:ck),0) where g_sn=:g and ck_sn=:ck"),
        { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse } });
    updateGoodsTotal(goods);
    t.Commit();
}
