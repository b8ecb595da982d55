#include "admin/openingstock.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/stockservices.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"

#include <cmath>

namespace {

Connection& db()
{
    return F_DataModule->ADOConn;
}

double roundValue(double x, int d)
{
    const double f = std::pow(10.0, d);
    return std::round((x + 0.000000001) * f) / f;
}

QString thisMonth()
{
    return Clock::Today().toString(QStringLiteral("yyyy-MM"));
}

QString scalar(const QString& sql, const SqlParams& p)
{
    return SelectScalar(db(), sql, p);
}

// The colour-and-size stock, the ledger detail and the stock row, rebuilt from the
// grid and the opening row.
void rebuildDetail(const OpeningStockInput& in)
{
    const SqlParams gw { { QStringLiteral("g"), in.goodsSn }, { QStringLiteral("w"), in.warehouseSn } };
    db().Exec(QStringLiteral("delete from jxc_tkc where g_sn=:g and ck_sn=:w"), gw);
    for (const OpeningCell& c : in.cells)
        db().Exec(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,t_sl,cm_sn,color_sn) values (:g,:w,:q,:s,:c)"),
            { { QStringLiteral("g"), in.goodsSn }, { QStringLiteral("w"), in.warehouseSn },
                { QStringLiteral("q"), c.qty }, { QStringLiteral("s"), c.sizeSn },
                { QStringLiteral("c"), c.colorSn } });
    db().Exec(QStringLiteral("delete from jxc_goodslistmx where ck_sn=:w and g_sn=:g"), gw);
    db().Exec(QStringLiteral("insert into jxc_goodslistmx (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,cm_sn,color_sn,"
                             "ck_sn,ghs_sn,u_name,a_name,tid) select a.gl_flag,a.gl_djh,a.gl_kdrq,a.g_sn,a.gl_dj,"
                             "b.t_sl,b.cm_sn,b.color_sn,a.ck_sn,a.ghs_sn,a.u_name,a.a_name,b.id "
                             "from jxc_goodslist a,jxc_tkc b where a.g_sn=b.g_sn and a.ck_sn=b.ck_sn "
                             "and a.ck_sn=:w and a.g_sn=:g"),
        gw);
    db().Exec(QStringLiteral("delete from jxc_kcsp where g_sn=:g and ck_sn=:w"), gw);
    // From the first opening row, should there be more than one.
    db().Exec(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,ck_sn,g_sn,kc_zsl,kc_zcb) "
                             "select gl_sl,gl_dj,0,ck_sn,g_sn,gl_sl,gl_zje from jxc_goodslist where id=("
                             "select min(id) from jxc_goodslist where gl_flag='qc' and g_sn=:g and ck_sn=:w)"),
        gw);
}

double total(const OpeningStockInput& in)
{
    double s = 0;
    for (const OpeningCell& c : in.cells)
        s += c.qty;
    return s;
}

} // namespace

int OpeningValueDecimals()
{
    return IsTrue(RoundTotals) ? TotalDecimals.toInt() : AmountDecimals;
}

bool HasOpeningBusiness(const QString& goodsSn, const QString& warehouseSn)
{
    return !scalar(QStringLiteral("select g_sn from jxc_goodslist where gl_djh<>'' and ck_sn=:w and g_sn=:g limit 1"),
        { { QStringLiteral("g"), goodsSn }, { QStringLiteral("w"), warehouseSn } })
                .isEmpty();
}

QString AddOpeningStock(const OpeningStockInput& in)
{
    const SqlParams gw { { QStringLiteral("g"), in.goodsSn }, { QStringLiteral("w"), in.warehouseSn } };
    if (!scalar(QStringLiteral("select g_sn from jxc_kcsp where g_sn=:g and ck_sn=:w"), gw).isEmpty())
        return QStringLiteral("当前仓库中已存在该商品，不能重复建账！");
    const double s = total(in);
    const double c = in.cost;
    const double v = roundValue(s * c, OpeningValueDecimals());
    const QString month = thisMonth();
    Transaction t(db());
    PrepareStockRows(month);
    db().Exec(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn,kc_zsl) "
                             "values (:sl,:cbj,0,:g,:w,:sl)"),
        { { QStringLiteral("sl"), s }, { QStringLiteral("cbj"), c }, { QStringLiteral("g"), in.goodsSn },
            { QStringLiteral("w"), in.warehouseSn } });
    db().Exec(QStringLiteral("update jxc_goods set g_kc=g_kc+:sl,g_jj=:cbj,g_scjj=:cbj,g_pjjj=:cbj where g_sn=:g"),
        { { QStringLiteral("sl"), s }, { QStringLiteral("cbj"), c }, { QStringLiteral("g"), in.goodsSn } });
    db().Exec(QStringLiteral("update jxc_kcjs set js_sl=js_sl+:sl,js_zje=js_zje+:v where js_rq=:m and ck_sn=:w"),
        { { QStringLiteral("sl"), s }, { QStringLiteral("v"), v }, { QStringLiteral("m"), month },
            { QStringLiteral("w"), in.warehouseSn } });
    // Dated well before any document of the goods.
    const QString date = QString::number(Clock::Today().year() - 5) + QStringLiteral("-01-01");
    db().Exec(
        QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,"
                       "gl_lr,gl_dzl,u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,"
                       "gl_dqkc,gl_kc,gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_note,gl_tax,gl_taxdj,"
                       "gl_taxje,gl_je,gl_lsj) select 'qc','',:date,g_sn,g_name,g_jm,dw_name,g_jj,:sl,:v,0,1,:user,"
                       ":admin,:w,:wname,'','期初建账',gg_name,color_name,:sl,'',0,:sl,g_jj,:v,:admin,:today,0,0,g_bz,"
                       "0,g_jj,0,:v,0 from jxc_goods where g_sn=:g"),
        { { QStringLiteral("date"), date }, { QStringLiteral("sl"), s }, { QStringLiteral("v"), v },
            { QStringLiteral("user"), DefaultUserName() }, { QStringLiteral("admin"), CurrentAdminName },
            { QStringLiteral("w"), in.warehouseSn }, { QStringLiteral("wname"), in.warehouseName },
            { QStringLiteral("today"), Clock::Today().toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("g"), in.goodsSn } });
    rebuildDetail(in);
    t.Commit();
    return QString();
}

QString ChangeOpeningStock(const OpeningStockInput& in, double oldQty, double oldCost)
{
    if (HasOpeningBusiness(in.goodsSn, in.warehouseSn))
        return QStringLiteral("该商品发生过业务，不能修改建账信息！");
    const double s = total(in);
    const double c = in.cost;
    const double v = roundValue(s * c, OpeningValueDecimals());
    const QString month = thisMonth();
    const SqlParams p { { QStringLiteral("sl"), s }, { QStringLiteral("cbj"), c }, { QStringLiteral("v"), v },
        { QStringLiteral("g"), in.goodsSn }, { QStringLiteral("w"), in.warehouseSn } };
    Transaction t(db());
    PrepareStockRows(month);
    db().Exec(QStringLiteral("update jxc_kcsp set kc_cbj=:cbj,kc_sl=:sl,kc_zsl=:sl where g_sn=:g and ck_sn=:w"), p);
    // Every row without a document number: the opening row and any synchronisation row.
    db().Exec(QStringLiteral("update jxc_goodslist set gl_dj=:cbj,gl_sl=:sl,gl_zje=:v,gl_pjjj=:cbj,gl_kc=:sl,"
                             "gl_taxdj=:cbj,gl_kczje=:v,gl_je=:v where gl_djh='' and g_sn=:g and ck_sn=:w"),
        p);
    db().Exec(QStringLiteral("update jxc_goods set g_kc=g_kc+:d,g_jj=:cbj,g_scjj=:cbj,g_pjjj=:cbj where g_sn=:g"),
        { { QStringLiteral("d"), s - oldQty }, { QStringLiteral("cbj"), c }, { QStringLiteral("g"), in.goodsSn } });
    db().Exec(QStringLiteral("update jxc_kcjs set js_sl=js_sl+:d,js_zje=js_zje+:dv where js_rq=:m and ck_sn=:w"),
        { { QStringLiteral("d"), s - oldQty }, { QStringLiteral("dv"), s * c - oldQty * oldCost },
            { QStringLiteral("m"), month }, { QStringLiteral("w"), in.warehouseSn } });
    rebuildDetail(in);
    t.Commit();
    return QString();
}

OpeningDeleteResult DeleteOpeningStock(const QString& warehouseSn, const QList<OpeningGoods>& goods)
{
    OpeningDeleteResult r;
    const QString month = thisMonth();
    Transaction t(db());
    for (const OpeningGoods& g : goods) {
        const SqlParams gw { { QStringLiteral("g"), g.goodsSn }, { QStringLiteral("w"), warehouseSn } };
        QString number = scalar(QStringLiteral("select a.gl_djh from jxc_jhsp a,jxc_jhd b where a.gl_djh=b.gl_djh "
                                               "and a.g_sn=:g and b.ck_sn=:w order by a.id limit 1"),
            gw);
        if (number.isEmpty())
            number = scalar(QStringLiteral("select a.gl_djh from jxc_lsxssp a,jxc_lsxsd b where a.gl_djh=b.gl_djh "
                                           "and a.g_sn=:g and b.ck_sn=:w order by a.id limit 1"),
                gw);
        if (number.isEmpty())
            number = scalar(QStringLiteral("select gl_djh from jxc_goodslist where gl_flag<>'qc' and g_sn=:g "
                                           "and ck_sn=:w order by id limit 1"),
                gw);
        if (!number.isEmpty()) {
            r.lines << QStringLiteral("商品编号：") + g.goodsSn + QStringLiteral(" 商品名称：") + g.name
                    + QStringLiteral("  已发生过业务，单据号：") + number + QStringLiteral(" 不能删除！");
            continue;
        }
        WriteLog(QStringLiteral("删除期初建账商品数据商品编号：") + g.goodsSn + QStringLiteral("，商品名称：") + g.name
            + QStringLiteral("，操作员：") + CurrentAdminName + QStringLiteral("，仓库编号：") + warehouseSn
            + QStringLiteral("，库存数量：") + QString::number(g.qty));
        db().Exec(QStringLiteral("delete from jxc_kcsp where g_sn=:g and ck_sn=:w"), gw);
        PrepareStockRows(month);
        // Adding raised only the month's stock and value, so only those go down.
        if (g.qty != 0)
            db().Exec(
                QStringLiteral("update jxc_kcjs set js_sl=js_sl-:sl,js_zje=js_zje-:v where js_rq=:m and ck_sn=:w"),
                { { QStringLiteral("sl"), g.qty }, { QStringLiteral("v"), g.qty * g.cost },
                    { QStringLiteral("m"), month }, { QStringLiteral("w"), warehouseSn } });
        db().Exec(QStringLiteral("update jxc_goods set g_kc=g_kc-:sl where g_sn=:g"),
            { { QStringLiteral("sl"), g.qty }, { QStringLiteral("g"), g.goodsSn } });
        db().Exec(QStringLiteral("delete from jxc_goodslist where g_sn=:g and ck_sn=:w"), gw);
        db().Exec(QStringLiteral("delete from jxc_tkc where g_sn=:g and ck_sn=:w"), gw);
        db().Exec(QStringLiteral("delete from jxc_goodslistmx where gl_flag='qc' and g_sn=:g and ck_sn=:w"), gw);
        ++r.deleted;
    }
    t.Commit();
    return r;
}
