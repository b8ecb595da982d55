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

namespace {

// What the requisition and the return differ in.
struct DeptPostKind {
    bool issue; // LY takes stock out; LT puts it back
    const char* flag;
    const char* logText;
    const char* moneyKind;
    const char* moneyFlag;
    const char* moneyNote;
};

const DeptPostKind kDeptIssue { true, "ly", "增加已审核部门领用单", "费用", "1", "领用单" };
const DeptPostKind kDeptReturn { false, "lt", "增加已审核部门退回单", "收入", "2", "退回单" };

QString DeptPostU(const char* s)
{
    return QString::fromUtf8(s);
}

QString DeptPost(const DeptPostKind& k, const QString& docNo)
{
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
    const Params doc { { QStringLiteral("djh"), docNo } };
    if (k.issue) {
        const QString refusal
            = CheckNegativeSizeColorStock(QStringLiteral("jxc_bmlyspmx"), warehouse, docNo, QStringLiteral("出库"));
        if (!refusal.isEmpty())
            return refusal;
    } else if (FirstNumber(QStringLiteral("select count(*) from (select r.id2,sum(r.ly_sl) as q from jxc_bmlysp r "
                                          "where r.gl_djh=:djh group by r.id2) x inner join jxc_bmlysp l on "
                                          "l.id=x.id2 where x.q>l.ly_sl-coalesce(l.ly_hhsl,0)-coalesce(l.ly_qxsl,0)"
                                          "+0.000001"),
                   doc)
        > 0) {
        // More back than is still out would leave the requisition returned above what it issued.
        return QStringLiteral("退回数量不能大于剩余数量！");
    }

    const QString handler = text("u_sn");
    const QString dept = text("de_sn");
    const QString date = text("ly_rq");
    const QVariant total = h.ValueAt(0, h.FieldIndex(QStringLiteral("ly_zje")));
    const QString today = trade::Today();

    Transaction t(Db());
    Run(QStringLiteral("update jxc_bmlyd set ly_status=1,ly_checker=:who,ly_chkrq=:today where id=:id"),
        { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("today"), today },
            { QStringLiteral("id"), h.ValueAt(0, h.FieldIndex(QStringLiteral("id"))) } });
    Run(QStringLiteral("delete from jxc_bmlyd where ly_status=0 and gl_djh=:djh"), doc);
    // What approved returns already took back stays counted, so that a requisition
    // cancelled and approved again while its returns stand keeps them.
    if (k.issue)
        Run(QStringLiteral("update jxc_bmlysp set id2=id,ly_qxsl=0,ly_hhsl=coalesce((select -sum(g.gl_sl) from "
                           "jxc_goodslist g where g.gl_flag='lt' and substr(g.gl_djh,1,2)='LT' and "
                           "g.id2=jxc_bmlysp.id),0) where gl_djh=:djh"),
            doc);
    // Outer joins: every line moves stock, so every line gets its ledger row, with
    // empty names where its goods, handler, warehouse or department row is gone. A
    // return's rows are negative and point at the requisition line.
    const QString sign = k.issue ? QString() : QStringLiteral("-");
    Run(QStringLiteral(
            "insert into jxc_goodslist "
            "(gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,gl_dzl,"
            "u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,gl_kc,gl_pjjj,"
            "gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,gl_lsj,id2,"
            "gl_cbj,gl_zcb,tid) select '")
            + DeptPostU(k.flag)
            + QStringLiteral("',b.gl_djh,c.ly_rq,b.g_sn,coalesce(d.g_name,''),coalesce(d.g_jm,''),"
                             "coalesce(d.dw_name,''),b.ly_dj,")
            + sign + QStringLiteral("b.ly_sl,") + sign
            + QStringLiteral("b.ly_zje,0,1,coalesce(e.u_name,''),b.a_name,c.ck_sn,coalesce(f.ck_name,''),c.de_sn,"
                             "coalesce(g.de_name,''),coalesce(d.gg_name,''),coalesce(d.color_name,''),b.ly_sl,'',0,0,"
                             "coalesce(d.g_pjjj,0),0,:who,:today,0,0,b.t_ph,c.ly_note,0,b.ly_dj,0,")
            + sign + QStringLiteral("b.ly_zje,0,b.id2,b.ly_dj,") + sign
            + QStringLiteral("b.ly_zje,b.tid from jxc_bmlysp b inner join jxc_bmlyd c on b.gl_djh=c.gl_djh and "
                             "c.ly_status=1 left join jxc_goods d on b.g_sn=d.g_sn left join jxc_user e on "
                             "c.u_sn=e.u_sn left join jxc_ckxx f on c.ck_sn=f.ck_sn left join jxc_dept g on "
                             "c.de_sn=g.de_sn where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("who"), CurrentAdminName },
            { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_bmlyspmx"), docNo);

    Query rows(&Db());
    rows.SetSQL(QStringLiteral("select id,g_sn,gl_sl,gl_dj,id2 from jxc_goodslist where gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString goods = rows.TextAt(r, 1);
        const double qty = ValueNumber(rows.ValueAt(r, 2));
        // A goods without a stock row here gets one at the line's cost.
        trade::AddWarehouseStock(goods, warehouse, -qty, -qty, 0, ValueNumber(rows.ValueAt(r, 3)));
        Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)-:q where g_sn=:g"),
            { { QStringLiteral("g"), goods }, { QStringLiteral("q"), qty } });
        if (!k.issue)
            Run(QStringLiteral("update jxc_bmlysp set ly_hhsl=coalesce(ly_hhsl,0)-:q where id=:id"),
                { { QStringLiteral("id"), rows.ValueAt(r, 4) }, { QStringLiteral("q"), qty } });
        RecalcMovingAverageCost(rows.TextAt(r, 0), QStringLiteral("0"));
    }
    WriteLog(DeptPostU(k.logText) + docNo + QStringLiteral("，共") + QString::number(rows.RecordCount())
        + QStringLiteral("种商品"));
    // The month's balance is taken before the colour-by-size stock moves; the
    // reversal takes it in the same order.
    trade::UpdateMonth(warehouse, date);
    if (k.issue)
        SubColorSizeStock(QStringLiteral("jxc_bmlyspmx"), docNo, warehouse);
    else
        AddColorSizeStock(QStringLiteral("jxc_bmlyspmx"), docNo, warehouse);

    if (!total.isNull())
        InsertRow(QStringLiteral("jxc_yyfy"),
            { { QStringLiteral("gl_djh"), docNo }, { QStringLiteral("fy_rq"), date },
                { QStringLiteral("fy_lx"), DeptPostU(k.moneyKind) }, { QStringLiteral("fy_je"), -ValueNumber(total) },
                { QStringLiteral("u_sn"), handler },
                { QStringLiteral("fy_note"),
                    DeptPostU(k.moneyNote) + docNo
                        + (k.issue ? QStringLiteral("成本支出") : QStringLiteral("成本收入")) },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("fy_sc"), DeptPostU(k.moneyKind) },
                { QStringLiteral("fy_flag"), DeptPostU(k.moneyFlag) }, { QStringLiteral("de_sn"), dept },
                { QStringLiteral("fy_kmmc"), QStringLiteral("现金") },
                { QStringLiteral("fy_chk"), QStringLiteral("1") } });
    t.Commit();
    return {};
}

} // namespace

QString ApproveDeptIssue(const QString& docNo)
{
    // A number without lines is left alone.
    if (FirstRowId(QStringLiteral("jxc_bmlysp"), QStringLiteral("gl_djh"), docNo).isEmpty())
        return {};
    return DeptPost(kDeptIssue, docNo);
}

QString ApproveDeptReturn(const QString& docNo)
{
    return DeptPost(kDeptReturn, docNo);
}
