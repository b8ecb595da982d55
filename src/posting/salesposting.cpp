#include "posting/salesposting.h"

#include "foundation/combos.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
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

#include <QMap>

using namespace posting;
using namespace posting::trade;

namespace {

const QString kCustomer = QStringLiteral("kh");

MoneyEntry SalesEntryOf(
    const Fields& h, const QString& docNo, const QString& date, const QString& account, const QString& note)
{
    return { docNo, date, h.Text(QStringLiteral("u_sn")), h.Text(QStringLiteral("u_name")),
        h.Text(QStringLiteral("kh_sn")), h.Text(QStringLiteral("kh_name")), h.Text(QStringLiteral("ck_name")), account,
        note };
}

// A till sale (and its return) may have no salesman; customer and warehouse are required.
Fields ReadSalesHeader(const QString& table, const QString& docNo)
{
    return ReadHeader(QStringLiteral("select a.*,coalesce(b.u_name,'') as u_name,c.kh_name,d.ck_name from ") + table
            + QStringLiteral(" a left outer join jxc_user b on a.u_sn=b.u_sn inner join jxc_khxx c on a.kh_sn=c.kh_sn "
                             "inner join jxc_ckxx d on a.ck_sn=d.ck_sn where a.gl_djh=:djh order by a.id limit 1"),
        docNo);
}

struct MovedGoods {
    double issued = 0;
    int rows = 0;
};

void UpdateSoldGoods(const QMap<QString, MovedGoods>& goods)
{
    for (auto it = goods.begin(); it != goods.end(); ++it)
        Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)-:q,g_xspl=coalesce(g_xspl,0)+:n where g_sn=:g"),
            { { QStringLiteral("q"), Round8(it->issued) }, { QStringLiteral("n"), it->rows },
                { QStringLiteral("g"), it.key() } });
}

} // namespace

void ApproveSalesDoc(const QString& docNo)
{
    Transaction t(Db());
    const QString today = Today();
    const Fields h = ReadSalesHeader(QStringLiteral("jxc_lsxsd"), docNo);
    const QString date = h.Text(QStringLiteral("ls_xsrq"));
    const QString customer = h.Text(QStringLiteral("kh_sn"));
    const QString warehouse = h.Text(QStringLiteral("ck_sn"));
    const QString account = h.Text(QStringLiteral("ls_kmmc"));
    const double due = h.Number(QStringLiteral("ls_yfje"));
    const double received = h.Number(QStringLiteral("ls_sfje"));
    const bool byPayment = SettlesByPayment(h.Text(QStringLiteral("ls_jsfs")));
    const Params doc { { QStringLiteral("djh"), docNo } };

    IncUserSalesCount(h.Text(QStringLiteral("u_sn")));
    const MoneyEntry e = SalesEntryOf(h, docNo, date, account, h.Text(QStringLiteral("ls_note")));
    InsertRow(QStringLiteral("jxc_xjyh"), CashRow(e, QStringLiteral("商品销售"), received));
    RecalcCashBalance(account, date);

    PartnerEntry p { kCustomer, QStringLiteral("XS"), QStringLiteral("商品销售单"), byPayment ? received : due,
        received };
    const double before = ValueNumber(GetLedgerBalanceAt(customer, kCustomer, QStringLiteral("0"), date));
    p.balance = byPayment ? before : before + due - received;
    InsertRow(QStringLiteral("jxc_ysyfk"), LedgerRow(e, p));
    RecalcLedgerBalance(customer, kCustomer, date);

    if (IsTrue(UseInvoices)) {
        const double invoiced = h.Number(QStringLiteral("ls_fpje"));
        const double invoiceBefore = ValueNumber(GetInvoiceBalanceAt(customer, kCustomer, QStringLiteral("0"), date));
        PartnerEntry inv = p;
        inv.balance = byPayment ? invoiceBefore : invoiceBefore + p.due - invoiced;
        InsertRow(QStringLiteral("jxc_fpdjb"),
            InvoiceRow(e, inv, invoiced, h.Text(QStringLiteral("ls_fpno")), date.left(10)));
        RecalcInvoiceBalance(customer, kCustomer, date);
    }

    if (h.Text(QStringLiteral("ls_yffs")) == QStringLiteral("我方付运费"))
        PostFreightAndPacking(
            e, QStringLiteral("销售单"), h.Number(QStringLiteral("ls_yf")), h.Number(QStringLiteral("ls_bzf")));

    Run(QStringLiteral("update jxc_lsxssp set id2=id,ls_qxsl=0 where gl_djh=:djh"), doc);
    if (CostMethod == QLatin1String("1")) {
        // What an earlier posting took goes back before its records go.
        GiveBackFifoConsumption(docNo);
        Query lines(&Db());
        lines.SetSQL(QStringLiteral("select id2,g_sn,ls_sl from jxc_lsxssp where gl_djh=:djh order by id"));
        lines.SetParam(QStringLiteral("djh"), docNo);
        lines.Open();
        for (int r = 0; r < lines.RecordCount(); ++r)
            ConsumeFifoBatches(docNo, lines.TextAt(r, 1), warehouse, date.left(10), lines.TextAt(r, 0),
                QStringLiteral("xs"), ValueNumber(lines.ValueAt(r, 2)));
    }
    // Profit from the line costs as the batches left them, as the ledger rows carry them.
    Run(QStringLiteral("update jxc_lsxsd set ls_lr=:lr where gl_djh=:djh"),
        { { QStringLiteral("lr"),
              Round8(FirstNumber(QStringLiteral("select sum(ls_je-ls_zcb) from jxc_lsxssp where gl_djh=:djh"), doc)) },
            { QStringLiteral("djh"), docNo } });

    Run(QStringLiteral(
            "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,"
            "gl_dzl,u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,g_xlh,tid,"
            "gl_kc,gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,"
            "gl_lsj,gl_cbj,gl_zcb,id2,gl_djh2,gl_qxsl) "
            "select 'xs',b.gl_djh,c.ls_xsrq,b.g_sn,coalesce(d.g_name,'')||coalesce(b.t_zp,''),d.g_jm,d.dw_name,b.ls_dj,"
            "b.ls_sl,b.ls_zje,b.ls_je-b.ls_zcb,b.ls_dzl,coalesce(e.u_name,''),b.a_name,c.ck_sn,f.ck_name,c.kh_sn,g.kh_"
            "name,"
            "d.gg_name,d.color_name,b.ls_sl,'',0,b.g_xlh,b.id,0,d.g_pjjj,b.ls_je,:chk,:today,0,0,b.ls_bz,c.ls_note,"
            "b.ls_tax,b.ls_taxdj,b.ls_taxje,b.ls_je,b.ls_lsj,b.ls_cbj,b.ls_zcb,b.id2,b.gl_djh2,b.ls_qxsl "
            "from jxc_lsxssp b inner join jxc_lsxsd c on c.gl_djh=b.gl_djh and c.id=:hid "
            "inner join jxc_goods d on d.g_sn=b.g_sn left outer join jxc_user e on e.u_sn=c.u_sn "
            "inner join jxc_ckxx f on f.ck_sn=c.ck_sn inner join jxc_khxx g on g.kh_sn=c.kh_sn "
            "where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("hid"), h.Number(QStringLiteral("id")) },
            { QStringLiteral("chk"), CurrentAdminName }, { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_lsxsspmx"), docNo);
    Run(QStringLiteral("update jxc_goodslist set gl_lr=gl_je where g_sn='00000000' and gl_flag='xs' and gl_djh=:djh"),
        doc);

    Query rows(&Db());
    rows.SetSQL(QStringLiteral("select a.g_sn,a.gl_sl,a.gl_cbj,c.ls_cksl from jxc_goodslist a "
                               "inner join jxc_lsxssp c on a.gl_djh=c.gl_djh and a.id2=c.id2 and a.g_sn=c.g_sn "
                               "where a.gl_flag='xs' and a.g_sn<>'00000000' and a.gl_djh=:djh order by a.id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    QMap<QString, MovedGoods> goods;
    bool issued = false;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString g = rows.TextAt(r, 0);
        const double qty = ValueNumber(rows.ValueAt(r, 1));
        const double out = ValueNumber(rows.ValueAt(r, 3));
        AddWarehouseStock(g, warehouse, -out, -qty, qty, ValueNumber(rows.ValueAt(r, 2)));
        goods[g].issued += out;
        goods[g].rows += 1;
        issued = issued || out > 0;
    }
    UpdateSoldGoods(goods);
    WalkGoodsOfDoc(docNo, false);
    WriteLog(QStringLiteral("审核销售单") + docNo + QStringLiteral("，共") + QString::number(rows.RecordCount())
        + QStringLiteral("种商品"));
    if (issued)
        MoveColorSizeStockOfLines(QStringLiteral("jxc_lsxsspmx"), QStringLiteral("jxc_lsxssp"),
            QStringLiteral("ls_cksl"), docNo, warehouse, -1);
    UpdateMonth(warehouse, date);
    t.Commit();
}

void ApplyDocDiscount(const QString& docNo, double target, double linesTotal)
{
    if (!CentsDiffer(target, linesTotal))
        return;
    Transaction t(Db());
    if (DiscountLineMode == QLatin1String("1")) {
        const double d = RoundUp(target - linesTotal, AmountDecimals);
        Run(QStringLiteral("update jxc_lsxssp set ls_zje=:d,ls_je=:d where g_sn='00000000' and gl_djh=:djh"),
            { { QStringLiteral("d"), d }, { QStringLiteral("djh"), docNo } });
        if (Db().Changes() == 0) {
            Row line { { QStringLiteral("gl_djh"), docNo }, { QStringLiteral("ls_dj"), 0 },
                { QStringLiteral("ls_sl"), 0 }, { QStringLiteral("ls_zje"), d },
                { QStringLiteral("g_sn"), QStringLiteral("00000000") }, { QStringLiteral("a_name"), CurrentAdminName },
                { QStringLiteral("ls_dzl"), 1 }, { QStringLiteral("ls_zhje"), 0 },
                { QStringLiteral("t_zp"), QString() }, { QStringLiteral("ghs_sn"), DefaultSupplierSn() },
                { QStringLiteral("ls_je"), d } };
            for (const char* zero :
                { "ls_tax", "ls_taxdj", "ls_taxje", "ls_cksl", "ls_lsj", "ls_cbj", "ls_zcb", "tid", "ls_cbj2" })
                line.append({ QString::fromLatin1(zero), 0 });
            InsertRow(QStringLiteral("jxc_lsxssp"), line);
        }
    } else if (DiscountLineMode == QLatin1String("0")) {
        static const SpreadColumns columns { QStringLiteral("jxc_lsxssp"), QStringLiteral("ls_zje"),
            QStringLiteral("ls_sl"), QStringLiteral("ls_dj"), QStringLiteral("ls_taxdj"), QStringLiteral("ls_tax"),
            QStringLiteral("ls_je"), QStringLiteral("ls_taxje"), QStringLiteral("ls_dzl"),
            QStringLiteral("coalesce(t_zp,'')=''") };
        double total = 0;
        if (SpreadReduction(columns, docNo, target, linesTotal, total))
            Run(QStringLiteral("update jxc_lsxsd set ls_yfje=:t,ls_sfje=:t where gl_djh=:djh"),
                { { QStringLiteral("t"), total }, { QStringLiteral("djh"), docNo } });
    }
    t.Commit();
}

void ApproveSalesReturn(const QString& docNo)
{
    Transaction t(Db());
    const QString today = Today();
    const Fields h = ReadSalesHeader(QStringLiteral("jxc_xsthd"), docNo);
    const QString date = h.Text(QStringLiteral("th_xsrq"));
    const QString customer = h.Text(QStringLiteral("kh_sn"));
    const QString warehouse = h.Text(QStringLiteral("ck_sn"));
    const QString account = h.Text(QStringLiteral("th_kmmc"));
    const double due = h.Number(QStringLiteral("th_yfje"));
    const double refunded = h.Number(QStringLiteral("th_sfje"));
    const Params doc { { QStringLiteral("djh"), docNo } };

    IncUserSalesCount(h.Text(QStringLiteral("u_sn")));
    const MoneyEntry e = SalesEntryOf(h, docNo, date, account, h.Text(QStringLiteral("th_note")));
    InsertRow(QStringLiteral("jxc_xjyh"), CashRow(e, QStringLiteral("顾客退货"), refunded));
    RecalcCashBalance(account, date);

    PartnerEntry p { kCustomer, QStringLiteral("XT"), QStringLiteral("顾客退货单"), due, refunded };
    p.balance = ValueNumber(GetLedgerBalanceAt(customer, kCustomer, QStringLiteral("0"), date)) + refunded - due;
    InsertRow(QStringLiteral("jxc_ysyfk"), LedgerRow(e, p));
    RecalcLedgerBalance(customer, kCustomer, date);

    if (IsTrue(UseInvoices)) {
        const double invoiced = h.Number(QStringLiteral("th_fpje"));
        const double before = ValueNumber(GetInvoiceBalanceAt(customer, kCustomer, QStringLiteral("0"), date));
        PartnerEntry inv = p;
        inv.balance = SettlesByPayment(h.Text(QStringLiteral("th_jsfs"))) ? before : before + due - invoiced;
        InsertRow(QStringLiteral("jxc_fpdjb"), InvoiceRow(e, inv, invoiced, h.Text(QStringLiteral("th_fpno")), date));
        RecalcInvoiceBalance(customer, kCustomer, date);
    }

    const bool fifo = CostMethod == QLatin1String("1");
    if (fifo) {
        Run(QStringLiteral("update jxc_xsthsp set id2=id where (gl_djh2='' or gl_djh2 is null) and gl_djh=:djh"), doc);
        GiveBackFifoConsumption(docNo);
        Query lines(&Db());
        lines.SetSQL(QStringLiteral("select g_sn,th_sl,id2,gl_djh2 from jxc_xsthsp where gl_djh=:djh order by id"));
        lines.SetParam(QStringLiteral("djh"), docNo);
        lines.Open();
        for (int r = 0; r < lines.RecordCount(); ++r)
            if (lines.TextAt(r, 3).isEmpty())
                GetLastPurchasePrice(docNo, lines.TextAt(r, 0), warehouse, date.left(10), lines.TextAt(r, 2),
                    QStringLiteral("xt"), ValueNumber(lines.ValueAt(r, 1)));
    }
    // The profit given back from the costs the lines are posted with.
    Run(QStringLiteral("update jxc_xsthd set th_lr=:lr where gl_djh=:djh"),
        { { QStringLiteral("lr"),
              Round8(FirstNumber(QStringLiteral("select sum(th_zcb-th_je) from jxc_xsthsp where gl_djh=:djh"), doc)) },
            { QStringLiteral("djh"), docNo } });

    Run(QStringLiteral(
            "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,g_jm,dw_name,gl_dj,gl_sl,gl_zje,gl_lr,"
            "gl_dzl,u_name,a_name,ck_sn,ck_name,ghs_sn,ghs_name,gg_name,color_name,gl_sysl,gl_fdmc,gl_dqkc,g_xlh,tid,"
            "gl_kc,gl_pjjj,gl_kczje,gl_checker,gl_chkrq,gl_sqsl,gl_sqje,gl_bz,gl_note,gl_tax,gl_taxdj,gl_taxje,gl_je,"
            "gl_lsj,gl_cbj,gl_zcb) "
            "select 'xt',b.gl_djh,c.th_xsrq,b.g_sn,d.g_name,d.g_jm,d.dw_name,b.th_dj,-1*b.th_sl,-1*b.th_zje,"
            "b.th_zcb-b.th_je,b.th_dzl,coalesce(e.u_name,''),b.a_name,c.ck_sn,f.ck_name,c.kh_sn,g.kh_name,d.gg_name,d."
            "color_name,"
            "b.th_sl,'',0,b.g_xlh,b.tid,0,d.g_pjjj,0,:chk,:today,0,0,b.th_bz,c.th_note,b.th_tax,b.th_taxdj,"
            "-1*b.th_taxje,-1*b.th_je,b.th_lsj,b.th_cbj,-1*b.th_zcb "
            "from jxc_xsthsp b inner join jxc_xsthd c on c.gl_djh=b.gl_djh and c.id=:hid "
            "inner join jxc_goods d on d.g_sn=b.g_sn left outer join jxc_user e on e.u_sn=c.u_sn "
            "inner join jxc_ckxx f on f.ck_sn=c.ck_sn inner join jxc_khxx g on g.kh_sn=c.kh_sn "
            "where b.gl_djh=:djh order by b.id"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("hid"), h.Number(QStringLiteral("id")) },
            { QStringLiteral("chk"), CurrentAdminName }, { QStringLiteral("today"), today } });
    CopyDetailToGoodsListMx(QStringLiteral("jxc_xsthspmx"), docNo);

    Query rows(&Db());
    rows.SetSQL(
        QStringLiteral("select g_sn,gl_sl,gl_cbj from jxc_goodslist where gl_flag='xt' and gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    QMap<QString, MovedGoods> goods;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString g = rows.TextAt(r, 0);
        const double qty = ValueNumber(rows.ValueAt(r, 1)); // negative
        AddWarehouseStock(g, warehouse, -qty, -qty, qty, ValueNumber(rows.ValueAt(r, 2)));
        goods[g].issued += qty;
        goods[g].rows += 1;
    }
    UpdateSoldGoods(goods);
    WalkGoodsOfDoc(docNo, true);
    WriteLog(QStringLiteral("审核顾客退货单") + docNo + QStringLiteral("，共") + QString::number(rows.RecordCount())
        + QStringLiteral("种商品"));
    AddColorSizeStock(QStringLiteral("jxc_xsthspmx"), docNo, warehouse);
    if (fifo) {
        Run(QStringLiteral("delete from jxc_rklist where gl_djh=:djh"), doc);
        Run(QStringLiteral(
                "insert into jxc_rklist (gl_flag,gl_djh,gl_kdrq,g_sn,gl_dj,gl_sl,gl_zje,ck_sn,gl_sysl,gl_dqkc,id2) "
                "select 'xt',gl_djh,:d,g_sn,th_cbj,th_sl,th_zcb,:ck,th_sl,0,id2 from jxc_xsthsp "
                "where gl_djh=:djh order by id"),
            { { QStringLiteral("d"), date.left(10) }, { QStringLiteral("ck"), warehouse },
                { QStringLiteral("djh"), docNo } });
    }
    UpdateMonth(warehouse, date);
    t.Commit();
}
