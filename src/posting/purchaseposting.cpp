#include "posting/purchaseposting.h"

#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/staffcounters.h"
#include "foundation/stockservices.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"
#include "posting/colorsizestock.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "posting/spread.h"
#include "posting/tradecommon.h"

#include <QDate>
#include <QMap>

using namespace posting;
using namespace posting::trade;

namespace {

const QString kSupplier = QStringLiteral("ghs");

MoneyEntry PurchaseEntryOf(
    const Fields& h, const QString& docNo, const QString& date, const QString& account, const QString& note)
{
    return { docNo, date, h.Text(QStringLiteral("u_sn")), h.Text(QStringLiteral("u_name")),
        h.Text(QStringLiteral("ghs_sn")), h.Text(QStringLiteral("ghs_name")), h.Text(QStringLiteral("ck_name")),
        account, note };
}

struct PostedGoods {
    double received = 0; // physical quantity moved
    int rows = 0;
    double lastPrice = 0;
};

} // namespace

void ApprovePurchaseDoc(const QString& docNo)
{
    Transaction t(Db());
    const QString today = Today();
    const Fields h = ReadHeader(
        QStringLiteral(
            "select a.*,b.u_name,c.ghs_name,d.ck_name from jxc_jhd a "
            "inner join jxc_user b on a.u_sn=b.u_sn inner join jxc_ghsxx c on a.ghs_sn=c.ghs_sn "
            "inner join jxc_ckxx d on a.ck_sn=d.ck_sn where a.gl_djh=:djh order by a.j_status desc,a.id limit 1"),
        docNo);
    const QString date = h.Text(QStringLiteral("j_jhrq"));
    const QString supplier = h.Text(QStringLiteral("ghs_sn"));
    const QString warehouse = h.Text(QStringLiteral("ck_sn"));
    const QString account = h.Text(QStringLiteral("j_kmmc"));
    const double payable = h.Number(QStringLiteral("j_yfje"));
    const double paid = h.Number(QStringLiteral("j_sfje"));
    const bool byPayment = SettlesByPayment(h.Text(QStringLiteral("j_jsfs")));
    const MoneyEntry e = PurchaseEntryOf(h, docNo, date, account, h.Text(QStringLiteral("j_note")));

    InsertRow(QStringLiteral("jxc_xjyh"), CashRow(e, QStringLiteral("采购进货"), -paid));
    RecalcCashBalance(account, date);

    PartnerEntry p { kSupplier, QStringLiteral("CJ"), QStringLiteral("采购进货单"), byPayment ? paid : payable, paid };
    const double before = ValueNumber(GetLedgerBalanceAt(supplier, kSupplier, QStringLiteral("0"), date));
    p.balance = byPayment ? before : before + payable - paid;
    InsertRow(QStringLiteral("jxc_ysyfk"), LedgerRow(e, p));
    RecalcLedgerBalance(supplier, kSupplier, date);

    if (IsTrue(UseInvoices)) {
        const double invoiced = h.Number(QStringLiteral("j_fpje"));
        const double invoiceBefore = ValueNumber(GetInvoiceBalanceAt(supplier, kSupplier, QStringLiteral("0"), date));
        PartnerEntry inv = p;
        inv.balance = byPayment ? invoiceBefore : invoiceBefore + p.due - invoiced;
        InsertRow(QStringLiteral("jxc_fpdjb"), InvoiceRow(e, inv, invoiced, h.Text(QStringLiteral("j_fpno")), date));
        RecalcInvoiceBalance(supplier, kSupplier, date);
    }

    if (h.Text(QStringLiteral("j_yffs")) == QStringLiteral("我方付运费"))
        PostFreightAndPacking(
            e, QStringLiteral("采购单"), h.Number(QStringLiteral("j_yf")), h.Number(QStringLiteral("j_bzf")));

    const Params doc { { QStringLiteral("djh"), docNo } };
    Run(QStringLiteral("update jxc_jhsp set id2=id,jh_qxsl=0 where gl_djh=:djh"), doc);
    Run(QStringLiteral(
            "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,"
            "gl_dzl,u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,g_xlh,tid,"
            "gl_kc,gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,"
            "gl_lsj,id2,gl_djh2,gl_qxsl) "
            "select 'cj',b.gl_djh,c.j_jhrq,b.g_sn,d.g_name,d.g_jm,d.dw_name,b.jh_dj,b.jh_sl,b.jh_zje,0,b.jh_dzl,"
            "e.u_name,b.a_name,c.ck_sn,f.ck_name,c.ghs_sn,g.ghs_name,d.gg_name,d.color_name,b.jh_sl,'',0,b.g_xlh,b.id,"
            "0,d.g_pjjj,b.jh_je,:chk,:today,0,0,b.jh_bz,c.j_note,b.jh_tax,b.jh_taxdj,b.jh_taxje,b.jh_je,0,b.id2,"
            "b.gl_djh2,b.jh_qxsl "
            "from jxc_jhsp b inner join jxc_jhd c on c.gl_djh=b.gl_djh and c.id=:hid "
            "inner join jxc_goods d on d.g_sn=b.g_sn inner join jxc_user e on e.u_sn=c.u_sn "
            "inner join jxc_ckxx f on f.ck_sn=c.ck_sn inner join jxc_ghsxx g on g.ghs_sn=c.ghs_sn "
            "where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("hid"), h.Number(QStringLiteral("id")) },
            { QStringLiteral("chk"), CurrentAdminName }, { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_jhspmx"), docNo);
    if (CostMethod == QLatin1String("1"))
        CreateGoodsInBatches(docNo);

    Query rows(&Db());
    rows.SetSQL(QStringLiteral("select a.g_sn,a.gl_sl,a.gl_dj,b.jh_rksl from jxc_goodslist a "
                               "inner join jxc_jhsp b on a.gl_djh=b.gl_djh and a.id2=b.id2 and a.g_sn=b.g_sn "
                               "where a.gl_flag='cj' and a.g_sn<>'00000000' and a.gl_djh=:djh order by a.id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    QMap<QString, PostedGoods> goods;
    bool received = false;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString g = rows.TextAt(r, 0);
        const double qty = ValueNumber(rows.ValueAt(r, 1));
        const double price = ValueNumber(rows.ValueAt(r, 2));
        const double in = ValueNumber(rows.ValueAt(r, 3));
        AddWarehouseStock(g, warehouse, in, qty, 0, price);
        PostedGoods& pg = goods[g];
        pg.received += in;
        pg.rows += 1;
        pg.lastPrice = price;
        received = received || in > 0;
    }
    WalkGoodsOfDoc(docNo, false);
    for (auto it = goods.begin(); it != goods.end(); ++it) {
        Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)+:q,g_cgpl=coalesce(g_cgpl,0)+:n,g_scjj=:p,"
                           "ghs_sn=:s where g_sn=:g"),
            { { QStringLiteral("q"), Round8(it->received) }, { QStringLiteral("n"), it->rows },
                { QStringLiteral("p"), it->lastPrice }, { QStringLiteral("s"), supplier },
                { QStringLiteral("g"), it.key() } });
        SetGoodsAverage(it.key(), it->lastPrice);
    }
    WriteLog(QStringLiteral("审核采购进货单") + docNo + QStringLiteral("，共") + QString::number(rows.RecordCount())
        + QStringLiteral("种商品"));
    if (received)
        MoveColorSizeStockOfLines(
            QStringLiteral("jxc_jhspmx"), QStringLiteral("jxc_jhsp"), QStringLiteral("jh_rksl"), docNo, warehouse, 1);
    UpdateMonth(warehouse, date);
    IncUserPurchaseCount(h.Text(QStringLiteral("u_sn")));
    t.Commit();
}

void ApplyPurchaseDiscount(const QString& docNo, double paid, double payable)
{
    if (!CentsDiffer(paid, payable))
        return;
    Transaction t(Db());
    const Params doc { { QStringLiteral("djh"), docNo } };
    if (DiscountLineMode == QLatin1String("1")) {
        const double d = RoundUp(paid - payable, AmountDecimals);
        Run(QStringLiteral("update jxc_jhsp set jh_zje=:d,jh_je=:d where g_sn='00000000' and gl_djh=:djh"),
            { { QStringLiteral("d"), d }, { QStringLiteral("djh"), docNo } });
        if (Db().Changes() == 0)
            InsertRow(QStringLiteral("jxc_jhsp"),
                { { QStringLiteral("gl_djh"), docNo }, { QStringLiteral("jh_dj"), 0 }, { QStringLiteral("jh_sl"), 0 },
                    { QStringLiteral("jh_zje"), d }, { QStringLiteral("g_sn"), QStringLiteral("00000000") },
                    { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("g_xlh"), QString() },
                    { QStringLiteral("tid"), 0 }, { QStringLiteral("jh_je"), d }, { QStringLiteral("jh_tax"), 0 },
                    { QStringLiteral("jh_taxdj"), 0 }, { QStringLiteral("jh_taxje"), 0 },
                    { QStringLiteral("jh_rksl"), 0 }, { QStringLiteral("jh_dzl"), 1 } });
    } else if (DiscountLineMode == QLatin1String("0")) {
        static const SpreadColumns columns { QStringLiteral("jxc_jhsp"), QStringLiteral("jh_zje"),
            QStringLiteral("jh_sl"), QStringLiteral("jh_dj"), QStringLiteral("jh_taxdj"), QStringLiteral("jh_tax"),
            QStringLiteral("jh_je"), QStringLiteral("jh_taxje"), QString(), QString() };
        double total = 0;
        if (SpreadReduction(columns, docNo, paid, payable, total))
            Run(QStringLiteral("update jxc_jhd set j_yfje=:t,j_sfje=:t where gl_djh=:djh"),
                { { QStringLiteral("t"), total }, { QStringLiteral("djh"), docNo } });
    }
    t.Commit();
}

void ApprovePurchaseReturn(const QString& docNo)
{
    Transaction t(Db());
    const QString today = Today();
    const Fields h = ReadHeader(
        QStringLiteral(
            "select a.*,b.u_name,c.ghs_name,d.ck_name from jxc_thd a "
            "inner join jxc_user b on a.u_sn=b.u_sn inner join jxc_ghsxx c on a.ghs_sn=c.ghs_sn "
            "inner join jxc_ckxx d on a.ck_sn=d.ck_sn where a.gl_djh=:djh order by a.th_status desc,a.id limit 1"),
        docNo);
    const QString stamp = h.Text(QStringLiteral("th_thrq"));
    // Money rows carry the day only; the ledger rows the moment.
    const QString day
        = QDate::fromString(stamp.left(10), QStringLiteral("yyyy-MM-dd")).toString(QStringLiteral("yyyy-MM-dd"));
    const QString supplier = h.Text(QStringLiteral("ghs_sn"));
    const QString warehouse = h.Text(QStringLiteral("ck_sn"));
    const QString account = h.Text(QStringLiteral("th_kmmc"));
    const double due = h.Number(QStringLiteral("th_yfje"));
    const double paid = h.Number(QStringLiteral("th_sfje"));
    const Params doc { { QStringLiteral("djh"), docNo } };

    Run(QStringLiteral("delete from jxc_thd where th_status=0 and gl_djh=:djh"), doc);
    IncUserPurchaseCount(h.Text(QStringLiteral("u_sn")));

    const MoneyEntry e = PurchaseEntryOf(h, docNo, day, account, h.Text(QStringLiteral("th_note")));
    InsertRow(QStringLiteral("jxc_xjyh"), CashRow(e, QStringLiteral("采购退货"), -paid));
    RecalcCashBalance(account, day);

    PartnerEntry p { kSupplier, QStringLiteral("CT"), QStringLiteral("采购退货单"), due, paid };
    p.balance = ValueNumber(GetLedgerBalanceAt(supplier, kSupplier, QStringLiteral("0"), day)) + due - paid;
    InsertRow(QStringLiteral("jxc_ysyfk"), LedgerRow(e, p));
    RecalcLedgerBalance(supplier, kSupplier, day);

    if (IsTrue(UseInvoices)) {
        const double invoiced = h.Number(QStringLiteral("th_fpje"));
        const double before = ValueNumber(GetInvoiceBalanceAt(supplier, kSupplier, QStringLiteral("0"), day));
        PartnerEntry inv = p;
        inv.balance = SettlesByPayment(h.Text(QStringLiteral("th_jsfs"))) ? before : before + due - invoiced;
        InsertRow(QStringLiteral("jxc_fpdjb"), InvoiceRow(e, inv, invoiced, h.Text(QStringLiteral("th_fpno")), day));
        RecalcInvoiceBalance(supplier, kSupplier, day);
    }

    if (CostMethod == QLatin1String("1")) {
        Run(QStringLiteral("update jxc_thsp set id2=id where (gl_djh2='' or gl_djh2 is null) and gl_djh=:djh"), doc);
        // What an earlier posting took goes back before its records go.
        GiveBackFifoConsumption(docNo);
        Query lines(&Db());
        lines.SetSQL(QStringLiteral("select id,g_sn,th_sl,id2,gl_djh2 from jxc_thsp where gl_djh=:djh order by id"));
        lines.SetParam(QStringLiteral("djh"), docNo);
        lines.Open();
        for (int r = 0; r < lines.RecordCount(); ++r) {
            const QString source = lines.TextAt(r, 4);
            const double qty = ValueNumber(lines.ValueAt(r, 2));
            if (source.isEmpty())
                ConsumeFifoBatches(
                    docNo, lines.TextAt(r, 1), warehouse, day, lines.TextAt(r, 3), QStringLiteral("ct"), qty);
            else
                ConsumeFifoBatchesOfDoc(docNo, lines.TextAt(r, 1), warehouse, day, lines.TextAt(r, 3), source, qty);
        }
    }

    Run(QStringLiteral(
            "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,"
            "gl_dzl,u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,g_xlh,tid,"
            "gl_kc,gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,"
            "gl_lsj) "
            "select 'ct',b.gl_djh,c.th_thrq,b.g_sn,d.g_name,d.g_jm,d.dw_name,b.th_dj,-1*b.th_sl,-1*b.th_zje,0,"
            "b.th_dzl,e.u_name,b.a_name,c.ck_sn,f.ck_name,c.ghs_sn,g.ghs_name,d.gg_name,d.color_name,-1*b.th_sl,'',0,"
            "b.g_xlh,b.id,0,d.g_pjjj,0,:chk,:today,0,0,b.th_bz,c.th_note,b.th_tax,b.th_taxdj,-1*b.th_taxje,"
            "-1*b.th_je,0 "
            "from jxc_thsp b inner join jxc_thd c on c.gl_djh=b.gl_djh and c.id=:hid "
            "inner join jxc_goods d on d.g_sn=b.g_sn inner join jxc_user e on e.u_sn=c.u_sn "
            "inner join jxc_ckxx f on f.ck_sn=c.ck_sn inner join jxc_ghsxx g on g.ghs_sn=c.ghs_sn "
            "where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("hid"), h.Number(QStringLiteral("id")) },
            { QStringLiteral("chk"), CurrentAdminName }, { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_thspmx"), docNo);

    Query rows(&Db());
    rows.SetSQL(
        QStringLiteral("select g_sn,gl_sl,gl_dj from jxc_goodslist where gl_flag='ct' and gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    QMap<QString, PostedGoods> goods;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString g = rows.TextAt(r, 0);
        const double qty = ValueNumber(rows.ValueAt(r, 1));
        const double price = ValueNumber(rows.ValueAt(r, 2));
        AddWarehouseStock(g, warehouse, qty, qty, 0, price);
        PostedGoods& pg = goods[g];
        pg.received += qty;
        pg.rows += 1;
        pg.lastPrice = price;
    }
    WalkGoodsOfDoc(docNo, true);
    for (auto it = goods.begin(); it != goods.end(); ++it) {
        Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)+:q,g_cgpl=coalesce(g_cgpl,0)-:n where g_sn=:g"),
            { { QStringLiteral("q"), Round8(it->received) }, { QStringLiteral("n"), it->rows },
                { QStringLiteral("g"), it.key() } });
        SetGoodsAverage(it.key(), it->lastPrice);
    }
    WriteLog(QStringLiteral("增加采购退货单") + docNo + QStringLiteral("，共") + QString::number(rows.RecordCount())
        + QStringLiteral("种商品"));
    SubColorSizeStock(QStringLiteral("jxc_thspmx"), docNo, warehouse);
    UpdateMonth(warehouse, day);
    t.Commit();
}
