#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"
#include "posting/stockposting.h"
#include "posting/tradecommon.h"

using namespace posting;

namespace {

// A production goods-in ("sc") brings its lines into the header's warehouse; a
// production return ("st") takes them out again. Lines carry positive quantities;
// the sign lives in the ledger rows.
QString ProductionPost(bool in, const QString& docNo)
{
    Query h(&Db());
    h.SetSQL(QStringLiteral("select * from jxc_scrkd where gl_djh=:djh order by id limit 1"));
    h.SetParam(QStringLiteral("djh"), docNo);
    h.Open();
    if (h.IsEmpty())
        return {};
    const auto text = [&](const char* c) { return ValueText(h.ValueAt(0, h.FieldIndex(QLatin1String(c)))); };
    if (ValueNumber(h.ValueAt(0, h.FieldIndex(QStringLiteral("sc_status")))) == 1)
        return {};
    const QString warehouse = text("ck_sn");
    if (!in) {
        const QString refusal
            = CheckNegativeSizeColorStock(QStringLiteral("jxc_scrkspmx"), warehouse, docNo, QStringLiteral("出库"));
        if (!refusal.isEmpty())
            return refusal;
    }
    const QString date = text("sc_rq");
    const QString today = trade::Today();
    const Params doc { { QStringLiteral("djh"), docNo } };

    Transaction t(Db());
    Run(QStringLiteral("update jxc_scrkd set sc_status=1,sc_checker=:who,sc_chkrq=:today where id=:id"),
        { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("today"), today },
            { QStringLiteral("id"), h.ValueAt(0, h.FieldIndex(QStringLiteral("id"))) } });
    Run(QStringLiteral("delete from jxc_scrkd where sc_status=0 and gl_djh=:djh"), doc);
    // Outer joins: every line moves stock and so gets its ledger row.
    const QString sign = in ? QString() : QStringLiteral("-");
    Run(QStringLiteral("insert into jxc_goodslist "
                       "(gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,gl_dzl,"
                       "u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,gl_kc,"
                       "gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,"
                       "gl_je,gl_lsj,tid) select '")
            + (in ? QStringLiteral("sc") : QStringLiteral("st"))
            + QStringLiteral("',b.gl_djh,c.sc_rq,b.g_sn,coalesce(d.g_name,''),coalesce(d.g_jm,''),"
                             "coalesce(d.dw_name,''),b.sc_dj,")
            + sign + QStringLiteral("b.sc_sl,") + sign
            + QStringLiteral("b.sc_zje,0,1,coalesce(e.u_name,''),b.a_name,c.ck_sn,coalesce(f.ck_name,''),c.de_sn,"
                             "coalesce(g.de_name,''),coalesce(d.gg_name,''),coalesce(d.color_name,''),b.sc_sl,'',0,0,"
                             "coalesce(d.g_pjjj,0),0,:who,:today,0,0,b.sc_bz,c.sc_note,0,b.sc_dj,0,")
            + sign
            + QStringLiteral("b.sc_zje,0,b.tid from jxc_scrksp b inner join jxc_scrkd c on b.gl_djh=c.gl_djh and "
                             "c.sc_status=1 left join jxc_goods d on b.g_sn=d.g_sn left join jxc_user e on "
                             "c.u_sn=e.u_sn left join jxc_ckxx f on c.ck_sn=f.ck_sn left join jxc_dept g on "
                             "c.de_sn=g.de_sn where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("who"), CurrentAdminName },
            { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_scrkspmx"), docNo);

    Query rows(&Db());
    rows.SetSQL(QStringLiteral("select id,g_sn,gl_sl,gl_dj from jxc_goodslist where gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString goods = rows.TextAt(r, 1);
        const double qty = ValueNumber(rows.ValueAt(r, 2));
        const double price = ValueNumber(rows.ValueAt(r, 3));
        trade::AddWarehouseStock(goods, warehouse, qty, qty, 0, price);
        RecalcMovingAverageCost(rows.TextAt(r, 0), QStringLiteral("0"));
        Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)+:q where g_sn=:g"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("q"), qty } });
        // The goods-wide average over every warehouse; the row's cost when the
        // stock sums to nothing or the average comes out negative.
        trade::SetGoodsAverage(goods, price);
    }
    WriteLog((in ? QStringLiteral("增加生产加入库商品") : QStringLiteral("增加生产退库单")) + docNo
        + QStringLiteral("，共") + QString::number(rows.RecordCount()) + QStringLiteral("种商品"));
    // The month's balance is taken before the colour-by-size stock moves, as the
    // reversal takes it.
    trade::UpdateMonth(warehouse, date);
    if (in)
        AddColorSizeStock(QStringLiteral("jxc_scrkspmx"), docNo, warehouse);
    else
        SubColorSizeStock(QStringLiteral("jxc_scrkspmx"), docNo, warehouse);
    t.Commit();
    return {};
}

} // namespace

QString ApproveProductionIn(const QString& docNo)
{
    return ProductionPost(true, docNo);
}

QString ApproveProductionReturn(const QString& docNo)
{
    return ProductionPost(false, docNo);
}
