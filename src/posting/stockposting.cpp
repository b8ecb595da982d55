#include "posting/stockposting.h"

#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/stockservices.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"
#include "posting/tradecommon.h"

#include <utility>

using namespace posting;

namespace {

enum class StockPostKind { Transfer, Loss, Overflow, StockTake };

struct StockPostSpec {
    const char* header;
    const char* prefix;
    const char* date;
    const char* lines;
    const char* detail;
    const char* flag;
    const char* logText;
    const char* moneyNote; // "" = no money row
};

const StockPostSpec& StockPostSpecOf(StockPostKind k)
{
    static const StockPostSpec specs[] = {
        { "jxc_kcdbd", "db", "db_dbrq", "jxc_dbsp", "jxc_dbspmx", "db", "增加已审核库存调拨单", "" },
        { "jxc_bsd", "bs", "bs_bsrq", "jxc_bssp", "jxc_bsspmx", "bs", "增加已审核商品报损单", "报损单" },
        { "jxc_byd", "by", "by_byrq", "jxc_bysp", "jxc_byspmx", "by", "增加已审核商品报溢单", "报溢单" },
        { "jxc_kcpd", "pd", "pd_rq", "jxc_kcpdsp", "jxc_kcpdspmx", "pd", "库存盘点单通过", "商品盘点单" },
    };
    return specs[static_cast<int>(k)];
}

QString StockPostU(const char* s)
{
    return QString::fromUtf8(s);
}

const QString kStockPostColumns = QStringLiteral(
    "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,gl_dzl,"
    "u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,gl_kc,gl_pjjj,gl_kczje,"
    "gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,gl_lsj,id2) ");

// The ledger rows of the lines, one insert-select per kind (and per side of a
// transfer); apart from the transfer, inner joins leave out a line whose goods,
// handler or warehouse is gone.
void StockPostLedger(StockPostKind kind, const QString& docNo, const QString& today)
{
    const Params p { { QStringLiteral("djh"), docNo }, { QStringLiteral("who"), CurrentAdminName },
        { QStringLiteral("today"), today } };
    const QString goods = QStringLiteral("d.g_sn,d.g_name,d.g_jm,d.dw_name,");
    switch (kind) {
    case StockPostKind::Transfer:
        // The in rows first, then the out rows. Outer joins: every line moves stock
        // (its colour-by-size rows do), so every line gets its ledger rows, with
        // empty names where its goods, handler or warehouse row is gone.
        for (const auto& side : { std::pair { "ck_in", "调拨入库" }, std::pair { "ck_out", "调拨出库" } }) {
            const bool in = QLatin1String(side.first) == QLatin1String("ck_in");
            const QString sign = in ? QString() : QStringLiteral("-");
            const QString warehouse = QStringLiteral("c.") + QLatin1String(side.first);
            Run(kStockPostColumns
                    + QStringLiteral("select 'db',b.gl_djh,c.db_dbrq,b.g_sn,coalesce(d.g_name,''),coalesce(d.g_jm,''),"
                                     "coalesce(d.dw_name,''),b.db_dj,")
                    + sign + QStringLiteral("b.db_sl,") + sign
                    + QStringLiteral("b.db_dj*b.db_sl,0,1,coalesce(e.u_name,''),b.a_name,") + warehouse
                    + QStringLiteral(",coalesce(f.ck_name,''),'','") + StockPostU(side.second)
                    + QStringLiteral("',coalesce(d.gg_name,''),coalesce(d.color_name,''),b.db_sl,'',0,0,"
                                     "coalesce(d.g_pjjj,0),0,:who,:today,0,0,'',c.db_note,0,b.db_dj,0,")
                    + sign
                    + QStringLiteral("b.db_dj*b.db_sl,0,null from jxc_dbsp b inner join jxc_kcdbd c on "
                                     "b.gl_djh=c.gl_djh and c.db_status=1 left join jxc_goods d on b.g_sn=d.g_sn "
                                     "left join jxc_user e on c.u_sn=e.u_sn left join jxc_ckxx f on ")
                    + warehouse + QStringLiteral("=f.ck_sn where b.gl_djh=:djh order by b.id"),
                p);
        }
        break;
    case StockPostKind::Loss:
    case StockPostKind::Overflow: {
        const bool loss = kind == StockPostKind::Loss;
        const QString x = loss ? QStringLiteral("bs") : QStringLiteral("by");
        const QString sign = loss ? QStringLiteral("-1*") : QString();
        Run(kStockPostColumns + QStringLiteral("select '") + x + QStringLiteral("',b.gl_djh,c.") + x
                + (loss ? QStringLiteral("_bsrq,") : QStringLiteral("_byrq,")) + goods + QStringLiteral("b.") + x
                + QStringLiteral("_dj,") + sign + QStringLiteral("b.") + x + QStringLiteral("_sl,") + sign
                + QStringLiteral("b.") + x + QStringLiteral("_zje,0,1,e.u_name,b.a_name,f.ck_sn,f.ck_name,'','")
                + (loss ? QStringLiteral("商品报损") : QStringLiteral("商品报溢"))
                + QStringLiteral("',d.gg_name,d.color_name,b.") + x
                + QStringLiteral("_sl,'',0,0,d.g_pjjj,0,:who,:today,0,0,b.") + x + QStringLiteral("_note,c.") + x
                + QStringLiteral("_note,0,b.") + x + QStringLiteral("_dj,0,") + sign + QStringLiteral("b.") + x
                + QStringLiteral("_zje,0,null from jxc_") + x + QStringLiteral("sp b inner join jxc_") + x
                + QStringLiteral("d c on b.gl_djh=c.gl_djh and c.") + x
                + QStringLiteral("_status=1 inner join jxc_goods d on b.g_sn=d.g_sn inner join jxc_user e on "
                                 "c.u_sn=e.u_sn inner join jxc_ckxx f on c.ck_sn=f.ck_sn where b.gl_djh=:djh "
                                 "order by b.id"),
            p);
        break;
    }
    case StockPostKind::StockTake:
        // Only the lines whose count differs from the book move anything.
        Run(kStockPostColumns + QStringLiteral("select 'pd',b.gl_djh,c.pd_rq,") + goods
                + QStringLiteral("b.pd_dj,b.pd_sl-b.kc_sl,b.pd_zje,0,1,e.u_name,b.a_name,f.ck_sn,f.ck_name,'',"
                                 "'库存盘点',d.gg_name,d.color_name,b.pd_sl,'',0,0,b.pd_dj,0,:who,:today,0,0,'',"
                                 "c.pd_note,0,b.pd_dj,0,b.pd_zje,0,b.id2 from jxc_kcpdsp b inner join jxc_kcpd c on "
                                 "b.gl_djh=c.gl_djh and c.pd_status=1 inner join jxc_goods d on b.g_sn=d.g_sn "
                                 "inner join jxc_user e on c.u_sn=e.u_sn inner join jxc_ckxx f on c.ck_sn=f.ck_sn "
                                 "where b.pd_sl<>b.kc_sl and b.gl_djh=:djh order by b.id"),
            p);
        break;
    }
}

void StockPostApprove(StockPostKind kind, const QString& docNo)
{
    const StockPostSpec& s = StockPostSpecOf(kind);
    const QString header = StockPostU(s.header);
    const QString prefix = StockPostU(s.prefix);
    Transaction t(Db());
    Query h(&Db());
    h.SetSQL(QStringLiteral("select * from ") + header + QStringLiteral(" where gl_djh=:djh order by id desc limit 1"));
    h.SetParam(QStringLiteral("djh"), docNo);
    h.Open();
    if (h.IsEmpty())
        return;
    const auto text = [&](const QString& c) { return ValueText(h.ValueAt(0, h.FieldIndex(c))); };
    if (ValueNumber(h.ValueAt(0, h.FieldIndex(prefix + QStringLiteral("_status")))) == 1)
        return;
    const QString date = text(StockPostU(s.date));
    const QString handler = text(QStringLiteral("u_sn"));
    const bool transfer = kind == StockPostKind::Transfer;
    const QString warehouse = text(transfer ? QStringLiteral("ck_out") : QStringLiteral("ck_sn"));
    const QString receiving = transfer ? text(QStringLiteral("ck_in")) : QString();
    const QString today = trade::Today();
    const Params doc { { QStringLiteral("djh"), docNo } };

    Run(QStringLiteral("update ") + header + QStringLiteral(" set ") + prefix + QStringLiteral("_status=1,") + prefix
            + QStringLiteral("_checker=:who,") + prefix + QStringLiteral("_chkrq=:today where id=:id"),
        { { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("today"), today },
            { QStringLiteral("id"), h.ValueAt(0, h.FieldIndex(QStringLiteral("id"))) } });
    Run(QStringLiteral("delete from ") + header + QStringLiteral(" where ") + prefix
            + QStringLiteral("_status=0 and gl_djh=:djh"),
        doc);
    if (kind == StockPostKind::StockTake)
        Run(QStringLiteral("update jxc_kcpdsp set id2=id where gl_djh=:djh"), doc);
    StockPostLedger(kind, docNo, today);
    const QString month = date.left(7);
    PrepareStockRows(month);

    Query rows(&Db());
    rows.SetSQL(kind == StockPostKind::StockTake
            ? QStringLiteral("select a.id,a.g_sn,a.ck_sn,a.gl_sl,a.gl_zje,a.gl_dj,b.pd_sl from jxc_goodslist a "
                             "inner join jxc_kcpdsp b on a.gl_djh=b.gl_djh and a.id2=b.id2 where a.gl_djh=:djh "
                             "order by a.id")
            : QStringLiteral(
                "select id,g_sn,ck_sn,gl_sl,gl_zje,gl_dj from jxc_goodslist where gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    double total = 0;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString goods = rows.TextAt(r, 1);
        const QString rowWarehouse = rows.TextAt(r, 2);
        const double qty = ValueNumber(rows.ValueAt(r, 3));
        const double amount = ValueNumber(rows.ValueAt(r, 4));
        const Params key { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), rowWarehouse } };
        if (kind == StockPostKind::StockTake) {
            // The count becomes the stock; a goods with no stock row here gets none.
            Params set = key;
            set.insert(QStringLiteral("q"), ValueNumber(rows.ValueAt(r, 6)));
            Run(QStringLiteral("update jxc_kcsp set kc_sl=:q,kc_zsl=:q where g_sn=:g and ck_sn=:ck"), set);
        } else {
            trade::AddWarehouseStock(goods, rowWarehouse, qty, qty, 0, ValueNumber(rows.ValueAt(r, 5)));
        }
        if (!transfer)
            Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)+:q where g_sn=:g"),
                { { QStringLiteral("g"), goods }, { QStringLiteral("q"), qty } });
        Run(QStringLiteral("update jxc_kcjs set js_sl=coalesce(js_sl,0)+:q,js_zje=coalesce(js_zje,0)+:je "
                           "where js_rq=:m and ck_sn=:ck"),
            { { QStringLiteral("q"), qty }, { QStringLiteral("je"), amount }, { QStringLiteral("m"), month },
                { QStringLiteral("ck"), rowWarehouse } });
        RecalcMovingAverageCost(rows.TextAt(r, 0), QStringLiteral("0"));
        total += amount;
    }
    const int count = rows.RecordCount();
    if (transfer)
        WriteLog(StockPostU(s.logText) + docNo + QStringLiteral("，共") + QString::number(count / 2.0)
            + QStringLiteral("种商品"));
    else if (kind == StockPostKind::StockTake)
        WriteLog(StockPostU(s.logText) + docNo + QStringLiteral("审核，共") + QString::number(count)
            + QStringLiteral("个商品"));
    else
        WriteLog(
            StockPostU(s.logText) + docNo + QStringLiteral("，共") + QString::number(count) + QStringLiteral("种商品"));

    total = RoundUp(total, ValueDecimals());
    if (*s.moneyNote && qAbs(total) >= 0.005) {
        const bool expense = total < 0;
        const QString kindText = expense ? QStringLiteral("费用") : QStringLiteral("收入");
        InsertRow(QStringLiteral("jxc_yyfy"),
            { { QStringLiteral("gl_djh"), docNo }, { QStringLiteral("fy_rq"), date },
                { QStringLiteral("fy_lx"), kindText }, { QStringLiteral("fy_je"), total },
                { QStringLiteral("u_sn"), handler },
                { QStringLiteral("fy_note"), StockPostU(s.moneyNote) + docNo + QStringLiteral("成本差额") },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("fy_sc"), kindText },
                { QStringLiteral("fy_flag"), expense ? QStringLiteral("1") : QStringLiteral("2") },
                { QStringLiteral("de_sn"), QStringLiteral("100001") },
                { QStringLiteral("fy_kmmc"), QStringLiteral("现金") },
                { QStringLiteral("fy_chk"), QStringLiteral("1") } });
    }

    const QString detail = StockPostU(s.detail);
    switch (kind) {
    case StockPostKind::Transfer:
        AddColorSizeStock(detail, docNo, receiving);
        SubColorSizeStock(detail, docNo, warehouse);
        break;
    case StockPostKind::Loss:
        SubColorSizeStock(detail, docNo, warehouse);
        break;
    case StockPostKind::Overflow:
        AddColorSizeStock(detail, docNo, warehouse);
        break;
    case StockPostKind::StockTake:
        // The colours and sizes of a counted goods that were not counted become 0:
        // their stock before is kept on the document (tid -1) so a cancel can restore it.
        Run(QStringLiteral("insert into jxc_kcpdspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,t_oldsl,a_name,tid) "
                           "select :djh,k.g_sn,k.cm_sn,k.color_sn,0,k.t_sl,:who,-1 from jxc_tkc k "
                           "where k.ck_sn=:ck and k.t_sl<>0 and k.g_sn in (select d.g_sn from jxc_kcpdspmx d "
                           "where d.gl_djh=:djh and d.tid>0) and not exists (select 1 from jxc_kcpdspmx d "
                           "where d.gl_djh=:djh and d.tid>0 and d.g_sn=k.g_sn and d.cm_sn=k.cm_sn "
                           "and d.color_sn=k.color_sn) order by k.id"),
            { { QStringLiteral("djh"), docNo }, { QStringLiteral("who"), CurrentAdminName },
                { QStringLiteral("ck"), warehouse } });
        SetStockTakeSizeColorStock(detail, docNo, warehouse);
        break;
    }
    t.Commit();
}

} // namespace

void ApproveTransfer(const QString& docNo)
{
    StockPostApprove(StockPostKind::Transfer, docNo);
}

void ApproveLoss(const QString& docNo)
{
    StockPostApprove(StockPostKind::Loss, docNo);
}

void ApproveOverflow(const QString& docNo)
{
    StockPostApprove(StockPostKind::Overflow, docNo);
}

void ApproveStockTake(const QString& docNo)
{
    StockPostApprove(StockPostKind::StockTake, docNo);
}
