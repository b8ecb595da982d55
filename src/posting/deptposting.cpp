#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/rights.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "posting/stockposting.h"
#include "posting/tradecommon.h"

using namespace posting;

QString ApproveDeptIssue(const QString& docNo)
{
    if (FirstRowId(QStringLiteral("jxc_bmlysp"), QStringLiteral("gl_djh"), docNo).isEmpty())
        return {};
    Query h(&Db());
    h.SetSQL(QStringLiteral("select * from jxc_bmlyd where gl_djh=:djh order by id desc limit 1"));
    h.SetParam(QStringLiteral("djh"), docNo);
    h.Open();
    if (h.IsEmpty())
        return {};
    const auto text = [&](const char* c) { return ValueText(h.ValueAt(0, h.FieldIndex(QLatin1String(c)))); };
    if (ValueNumber(h.ValueAt(0, h.FieldIndex(QStringLiteral("ly_status")))) == 1)
        return {};
    const QString warehouse = text("ck_sn");
    const QString refusal
        = CheckNegativeSizeColorStock(QStringLiteral("jxc_bmlyspmx"), warehouse, docNo, QStringLiteral("出库"));
    if (!refusal.isEmpty())
        return refusal;

    const QString handler = text("u_sn");
    const QString dept = text("de_sn");
    const QString date = text("ly_rq");
    const QVariant total = h.ValueAt(0, h.FieldIndex(QStringLiteral("ly_zje")));
    const QString today = trade::Today();
    const Params doc { { QStringLiteral("djh"), docNo } };

    Transaction t(Db());
    Run(QStringLiteral("update jxc_bmlyd set ly_status=1,ly_checker=:who,ly_chkrq=:today where id=:id"),
        { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("today"), today },
            { QStringLiteral("id"), h.ValueAt(0, h.FieldIndex(QStringLiteral("id"))) } });
    Run(QStringLiteral("delete from jxc_bmlyd where ly_status=0 and gl_djh=:djh"), doc);
    // What approved returns already took back stays counted, so that a requisition
    // cancelled and approved again while its returns stand keeps them.
    Run(QStringLiteral("update jxc_bmlysp set id2=id,ly_qxsl=0,ly_hhsl=coalesce((select -sum(g.gl_sl) from "
                       "jxc_goodslist g where g.gl_flag='lt' and substr(g.gl_djh,1,2)='LT' and g.id2=jxc_bmlysp.id),0) "
                       "where gl_djh=:djh"),
        doc);
    // Outer joins: every line moves stock, so every line gets its ledger row, with
    // empty names where its goods, handler, warehouse or department row is gone.
    Run(QStringLiteral(
            "insert into jxc_goodslist "
            "(gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,gl_dzl,"
            "u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,gl_kc,gl_pjjj,"
            "gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,gl_lsj,id2,"
            "gl_cbj,gl_zcb,tid) "
            "select 'ly',b.gl_djh,c.ly_rq,b.g_sn,coalesce(d.g_name,''),coalesce(d.g_jm,''),coalesce(d.dw_name,''),"
            "b.ly_dj,b.ly_sl,b.ly_zje,0,1,coalesce(e.u_name,''),b.a_name,c.ck_sn,coalesce(f.ck_name,''),c.de_sn,"
            "coalesce(g.de_name,''),coalesce(d.gg_name,''),coalesce(d.color_name,''),b.ly_sl,'',0,0,"
            "coalesce(d.g_pjjj,0),0,:who,:today,0,0,b.t_ph,c.ly_note,0,b.ly_dj,0,b.ly_zje,0,b.id2,b.ly_dj,b.ly_zje,"
            "b.tid from jxc_bmlysp b inner join jxc_bmlyd c on b.gl_djh=c.gl_djh and c.ly_status=1 "
            "left join jxc_goods d on b.g_sn=d.g_sn left join jxc_user e on c.u_sn=e.u_sn "
            "left join jxc_ckxx f on c.ck_sn=f.ck_sn left join jxc_dept g on c.de_sn=g.de_sn "
            "where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("who"), CurrentAdminName },
            { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_bmlyspmx"), docNo);

    Query rows(&Db());
    rows.SetSQL(QStringLiteral("select id,g_sn,gl_sl,gl_dj from jxc_goodslist where gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString goods = rows.TextAt(r, 1);
        const double qty = ValueNumber(rows.ValueAt(r, 2));
        // A goods without a stock row here gets one, negative, at the line's cost.
        trade::AddWarehouseStock(goods, warehouse, -qty, -qty, 0, ValueNumber(rows.ValueAt(r, 3)));
        Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)-:q where g_sn=:g"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("q"), qty } });
        RecalcMovingAverageCost(rows.TextAt(r, 0), QStringLiteral("0"));
    }
    WriteLog(QStringLiteral("增加已审核部门领用单") + docNo + QStringLiteral("，共")
        + QString::number(rows.RecordCount()) + QStringLiteral("种商品"));
    // The month's balance is taken before the colour-by-size stock moves; the
    // reversal takes it in the same order.
    trade::UpdateMonth(warehouse, date);
    SubColorSizeStock(QStringLiteral("jxc_bmlyspmx"), docNo, warehouse);

    if (!total.isNull())
        InsertRow(QStringLiteral("jxc_yyfy"),
            { { QStringLiteral("gl_djh"), docNo }, { QStringLiteral("fy_rq"), date },
                { QStringLiteral("fy_lx"), QStringLiteral("费用") }, { QStringLiteral("fy_je"), -ValueNumber(total) },
                { QStringLiteral("u_sn"), handler },
                { QStringLiteral("fy_note"), QStringLiteral("领用单") + docNo + QStringLiteral("成本支出") },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("fy_sc"), QStringLiteral("费用") },
                { QStringLiteral("fy_flag"), QStringLiteral("1") }, { QStringLiteral("de_sn"), dept },
                { QStringLiteral("fy_kmmc"), QStringLiteral("现金") },
                { QStringLiteral("fy_chk"), QStringLiteral("1") } });
    t.Commit();
    return {};
}
