#include "posting/tradecommon.h"

#include "foundation/globals.h"
#include "foundation/settings.h"
#include "foundation/stockservices.h"
#include "platform/base/clock.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "posting/balances.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"

namespace posting::trade {

QString Fields::Text(const QString& column) const
{
    return ValueText(values_.value(column));
}

double Fields::Number(const QString& column) const
{
    return ValueNumber(values_.value(column));
}

Fields ReadHeader(const QString& sql, const QString& docNo)
{
    Query q(&Db());
    q.SetSQL(sql);
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
    if (q.IsEmpty())
        throw DbError(QStringLiteral("单据") + docNo + QStringLiteral("的往来单位、经手人或仓库不存在，不能审核。"),
            QString(), DbError::Kind::Statement);
    QHash<QString, QVariant> values;
    for (int c = 0; c < q.FieldCount(); ++c)
        values.insert(q.FieldName(c), q.ValueAt(0, c));
    return Fields(std::move(values));
}

QString Today()
{
    return Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
}

bool SettlesByPayment(const QString& mode)
{
    return mode == QLatin1String("0");
}

Row CashRow(const MoneyEntry& e, const QString& kind, double amount)
{
    return { { QStringLiteral("xj_rq"), e.date }, { QStringLiteral("gl_djh"), e.docNo },
        { QStringLiteral("xj_dlx"), kind }, { QStringLiteral("xj_je"), Round8(amount) },
        { QStringLiteral("u_name"), e.staffName }, { QStringLiteral("ghs_name"), e.partnerName },
        { QStringLiteral("ghs_sn"), e.partnerSn }, { QStringLiteral("ck_name"), e.warehouseName },
        { QStringLiteral("xj_kmmc"), e.account }, { QStringLiteral("xj_note"), e.note },
        { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("xj_chk"), QStringLiteral("1") },
        { QStringLiteral("xj_ljje"), 0 } };
}

Row LedgerRow(const MoneyEntry& e, const PartnerEntry& p)
{
    return { { QStringLiteral("k_ghskh"), e.partnerSn }, { QStringLiteral("a_name"), CurrentAdminName },
        { QStringLiteral("u_sn"), e.staffSn }, { QStringLiteral("k_fkfs"), e.account },
        { QStringLiteral("k_sfje"), Round8(p.paid) }, { QStringLiteral("k_yhje"), 0 }, { QStringLiteral("k_qcje"), 0 },
        { QStringLiteral("k_ljje"), Round8(p.balance) }, { QStringLiteral("k_yfje"), Round8(p.due) },
        { QStringLiteral("k_type"), p.side }, { QStringLiteral("k_djlx"), p.kind },
        { QStringLiteral("k_djtxt"), p.kindText }, { QStringLiteral("k_note"), e.note },
        { QStringLiteral("k_flag"), 1 }, { QStringLiteral("k_rq"), e.date }, { QStringLiteral("gl_djh"), e.docNo } };
}

Row InvoiceRow(
    const MoneyEntry& e, const PartnerEntry& p, double invoiced, const QString& invoiceNo, const QString& checkDate)
{
    return { { QStringLiteral("fp_ghskh"), e.partnerSn }, { QStringLiteral("a_name"), CurrentAdminName },
        { QStringLiteral("u_sn"), e.staffSn }, { QStringLiteral("fp_sfje"), Round8(p.paid) },
        { QStringLiteral("fp_qcje"), 0 }, { QStringLiteral("fp_ljje"), Round8(p.balance) },
        { QStringLiteral("fp_yfje"), Round8(p.due) }, { QStringLiteral("fp_kpje"), Round8(invoiced) },
        { QStringLiteral("fp_no"), invoiceNo }, { QStringLiteral("fp_type"), p.side },
        { QStringLiteral("fp_djlx"), p.kind }, { QStringLiteral("fp_djtxt"), p.kindText },
        { QStringLiteral("fp_note"), e.note }, { QStringLiteral("fp_flag"), 1 }, { QStringLiteral("fp_rq"), e.date },
        { QStringLiteral("gl_djh"), e.docNo }, { QStringLiteral("fp_check"), 1 },
        { QStringLiteral("fp_checker"), CurrentAdminName }, { QStringLiteral("fp_chkrq"), checkDate } };
}

void PostFreightAndPacking(const MoneyEntry& e, const QString& notePrefix, double freight, double packing)
{
    const struct {
        const char* kind;
        const char* what;
        double amount;
    } fees[] = { { "运费", "产生的运费", freight }, { "包装费", "产生的包装费", packing } };
    for (const auto& f : fees) {
        if (f.amount <= 0)
            continue;
        const QString note = notePrefix + e.docNo + QString::fromUtf8(f.what);
        InsertRow(QStringLiteral("jxc_yyfy"),
            { { QStringLiteral("gl_djh"), e.docNo }, { QStringLiteral("fy_rq"), e.date },
                { QStringLiteral("fy_lx"), QString::fromUtf8(f.kind) }, { QStringLiteral("fy_je"), Round8(-f.amount) },
                { QStringLiteral("u_sn"), e.staffSn }, { QStringLiteral("fy_note"), note },
                { QStringLiteral("a_name"), CurrentAdminName }, { QStringLiteral("fy_sc"), QStringLiteral("费用") },
                { QStringLiteral("de_sn"), QStringLiteral("100001") },
                { QStringLiteral("fy_kmmc"), QStringLiteral("现金") },
                { QStringLiteral("fy_chk"), QStringLiteral("1") },
                { QStringLiteral("fy_flag"), QStringLiteral("1") } });
        MoneyEntry cash = e;
        cash.note = note;
        cash.warehouseName.clear();
        Row row = CashRow(cash, QStringLiteral("费用付款"), -f.amount);
        row.removeIf([](const auto& c) { return c.first == QLatin1String("ck_name"); });
        InsertRow(QStringLiteral("jxc_xjyh"), row);
    }
    RecalcCashBalance(e.account, e.date);
}

void AddWarehouseStock(
    const QString& goods, const QString& warehouse, double qty, double bookQty, double soldQty, double newCost)
{
    const Params p { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse }, { QStringLiteral("q"), qty },
        { QStringLiteral("b"), bookQty }, { QStringLiteral("x"), soldQty } };
    Run(QStringLiteral("update jxc_kcsp set kc_sl=coalesce(kc_sl,0)+:q,kc_zsl=coalesce(kc_zsl,0)+:b,"
                       "kc_xssl=coalesce(kc_xssl,0)+:x where ck_sn=:ck and g_sn=:g"),
        p);
    if (Db().Changes() > 0)
        return;
    Params ins = p;
    ins.insert(QStringLiteral("c"), newCost);
    Run(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,g_sn,ck_sn,kc_zsl) values (:q,:c,:x,:g,:ck,:b)"),
        ins);
}

void SetGoodsAverage(const QString& goods, double price)
{
    const QString average = GoodsAverageCost(goods);
    double value = average == QLatin1String("-1") ? price : ValueNumber(average);
    if (value < 0)
        value = price;
    Run(QStringLiteral("update jxc_goods set g_pjjj=:a where g_sn=:g"),
        { { QStringLiteral("a"), value }, { QStringLiteral("g"), goods } });
}

void MoveColorSizeStockOfLines(const QString& detailTable, const QString& lineTable, const QString& qtyColumn,
    const QString& docNo, const QString& warehouse, int sign)
{
    Query q(&Db());
    q.SetSQL(QStringLiteral("select m.g_sn,m.cm_sn,m.color_sn,sum(m.t_sl) from ") + detailTable
        + QStringLiteral(" m inner join ") + lineTable + QStringLiteral(" l on l.id=m.tid where m.gl_djh=:djh and l.")
        + qtyColumn + QStringLiteral(">0 group by m.g_sn,m.cm_sn,m.color_sn order by m.g_sn,m.cm_sn,m.color_sn"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
    for (int r = 0; r < q.RecordCount(); ++r) {
        const Params p { { QStringLiteral("g"), q.TextAt(r, 0) }, { QStringLiteral("cm"), q.TextAt(r, 1) },
            { QStringLiteral("co"), q.TextAt(r, 2) }, { QStringLiteral("ck"), warehouse },
            { QStringLiteral("q"), Round8(sign * ValueNumber(q.ValueAt(r, 3))) } };
        Run(QStringLiteral("update jxc_tkc set t_sl=coalesce(t_sl,0)+:q "
                           "where g_sn=:g and cm_sn=:cm and color_sn=:co and ck_sn=:ck"),
            p);
        if (Db().Changes() == 0)
            Run(QStringLiteral("insert into jxc_tkc (g_sn,cm_sn,color_sn,ck_sn,t_sl) values (:g,:cm,:co,:ck,:q)"), p);
    }
    RefreshGoodsStockTotals(detailTable, docNo, warehouse);
}

void WalkGoodsOfDoc(const QString& docNo, bool withDiscountGoods)
{
    RecalcMovingAverageCostOfDoc(docNo, QStringLiteral("0"), withDiscountGoods);
}

void UpdateMonth(const QString& warehouse, const QString& date)
{
    const QString month = date.left(7);
    PrepareStockRows(month);
    UpdateMonthStockTotals(warehouse, month);
}

} // namespace posting::trade
