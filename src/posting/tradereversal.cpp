#include "posting/tradereversal.h"

#include "foundation/approvalhooks.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/ui/prompt.h"
#include "posting/balances.h"
#include "posting/colorsizestock.h"
#include "posting/costprice.h"
#include "posting/memberposting.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"
#include "posting/stockreversal.h"
#include "posting/tradecommon.h"

#include <QMap>
#include <QSet>

using namespace posting;
using namespace posting::trade;

namespace {

enum class TradeRevKind { GoodsIn, PurchaseReturn, Sale, SalesReturn };

struct TradeRevSpec {
    TradeRevKind kind;
    const char* module;
    int position;
    const char* noRight;
    const char* header;
    const char *status, *date, *checker, *paidLater;
    const char* side; // "ghs" or "kh"
    const char *lines, *detail;
    const char* movedQty; // line column whose rows moved colour-by-size stock; "" = all rows moved
    const char* posFlag;  // header column marking a till document; "" = none
    const char* logText;
    bool negativeCheck;
    bool deletesBatches;
};

const TradeRevSpec& TradeRevSpecOf(TradeRevKind k)
{
    static const TradeRevSpec specs[] = {
        { TradeRevKind::GoodsIn, "cggl", 10, "您没有取消审核采购进货单的权限！", "jxc_jhd", "j_status", "j_jhrq",
            "j_checker", "j_hkje", "ghs", "jxc_jhsp", "jxc_jhspmx", "jh_rksl", "", "取消审核采购进货单", true, true },
        { TradeRevKind::PurchaseReturn, "cggl", 11, "您没有取消审核采购退货单的权限！", "jxc_thd", "th_status",
            "th_thrq", "th_checker", "th_hkje", "ghs", "jxc_thsp", "jxc_thspmx", "", "", "取消审核采购退货单", false,
            false },
        { TradeRevKind::Sale, "xsgl", 11, "您没有取消审核商品销售单的权限！", "jxc_lsxsd", "ls_status", "ls_xsrq",
            "ls_checker", "ls_hkje", "kh", "jxc_lsxssp", "jxc_lsxsspmx", "ls_cksl", "ls_dhbz", "取消审核商品销售单",
            false, false },
        { TradeRevKind::SalesReturn, "xsgl", 12, "您没有取消审核顾客退货单的权限！", "jxc_xsthd", "th_status",
            "th_xsrq", "th_checker", "th_hkje", "kh", "jxc_xsthsp", "jxc_xsthspmx", "", "th_qk", "取消审核商品退货单",
            true, true },
    };
    return specs[static_cast<int>(k)];
}

QString TradeRevU(const char* s)
{
    return QString::fromUtf8(s);
}

// The stock-in or stock-out document rows that keep a goods-in or sale approved.
QString TradeRevLinkedRefusal(TradeRevKind kind, const QString& docNo)
{
    const Params p { { QStringLiteral("djh"), docNo } };
    if (kind == TradeRevKind::GoodsIn
        && First(QStringLiteral("select gl_djh from jxc_rksp where gl_djh=:djh limit 1"), p).isValid())
        return QStringLiteral("该单据") + docNo
            + QStringLiteral("已有入库信息，不能取消审核！\r\n\r\n"
                             "请在商品入库单中删除该单据的所有信息，\r\n\r\n然后再取消审核！");
    if (kind == TradeRevKind::Sale
        && First(QStringLiteral("select gl_djh from jxc_cksp where gl_djh2=:djh limit 1"), p).isValid())
        return QStringLiteral("该单据") + docNo
            + QStringLiteral("已有出库信息，不能取消审核！\r\n\r\n"
                             "请在商品出库单中删除该单据的所有信息，\r\n\r\n然后再取消审核！");
    return QString();
}

// The approved header's values the reversal needs; false when there is none.
struct TradeRevHeader {
    QString date, warehouse, partner, checker, member;
    bool pos = false;
};

bool TradeRevReadHeader(const TradeRevSpec& s, const QString& docNo, TradeRevHeader& h)
{
    Query q(&Db());
    q.SetSQL(QStringLiteral("select * from ") + TradeRevU(s.header) + QStringLiteral(" where ") + TradeRevU(s.status)
        + QStringLiteral("=1 and gl_djh=:djh order by id limit 1"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
    if (q.IsEmpty())
        return false;
    const auto text = [&](const QString& c) { return ValueText(q.ValueAt(0, q.FieldIndex(c))); };
    h.date = text(TradeRevU(s.date));
    h.warehouse = text(QStringLiteral("ck_sn"));
    h.partner = text(TradeRevU(s.side) == QLatin1String("ghs") ? QStringLiteral("ghs_sn") : QStringLiteral("kh_sn"));
    h.checker = text(TradeRevU(s.checker));
    if (*s.posFlag) {
        h.pos = ValueNumber(q.ValueAt(0, q.FieldIndex(TradeRevU(s.posFlag)))) != 0;
        h.member = text(QStringLiteral("hy_sn"));
    }
    return true;
}

bool TradeRevAnyMoved(const TradeRevSpec& s, const QString& docNo)
{
    if (!*s.movedQty)
        return true;
    return First(QStringLiteral("select id from ") + TradeRevU(s.lines) + QStringLiteral(" where gl_djh=:djh and ")
            + TradeRevU(s.movedQty) + QStringLiteral(">0 limit 1"),
        { { QStringLiteral("djh"), docNo } })
        .isValid();
}

// Stock, goods totals and costs back to what they were before the posting.
// Answers the goods with the price of their last row, for the goods average.
QMap<QString, double> TradeRevStock(const TradeRevSpec& s, const QString& docNo, const TradeRevHeader& h)
{
    Query rows(&Db());
    const bool byLine = *s.movedQty;
    rows.SetSQL(byLine ? QStringLiteral("select a.g_sn,a.gl_sl,a.gl_dj,b.") + TradeRevU(s.movedQty)
                + QStringLiteral(" from jxc_goodslist a inner join ") + TradeRevU(s.lines)
                + QStringLiteral(" b on a.gl_djh=b.gl_djh and a.id2=b.id2 and a.g_sn=b.g_sn "
                                 "where a.g_sn<>'00000000' and a.gl_djh=:djh order by a.id")
                       : QStringLiteral("select g_sn,gl_sl,gl_dj,gl_sl from jxc_goodslist "
                                        "where g_sn<>'00000000' and gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    struct Back {
        double physical = 0;
        int rows = 0;
        double lastPrice = 0;
    };
    QMap<QString, Back> goods;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString g = rows.TextAt(r, 0);
        const double qty = ValueNumber(rows.ValueAt(r, 1));
        const double price = ValueNumber(rows.ValueAt(r, 2));
        const double moved = ValueNumber(rows.ValueAt(r, 3));
        // Each statement is the posting's own change with the sign turned.
        switch (s.kind) {
        case TradeRevKind::GoodsIn:
            AddWarehouseStock(g, h.warehouse, -moved, -qty, 0, price);
            break;
        case TradeRevKind::PurchaseReturn:
            AddWarehouseStock(g, h.warehouse, -qty, -qty, 0, price);
            break;
        case TradeRevKind::Sale:
            AddWarehouseStock(g, h.warehouse, moved, qty, -qty, price);
            break;
        case TradeRevKind::SalesReturn:
            AddWarehouseStock(g, h.warehouse, qty, qty, -qty, price);
            break;
        }
        Back& b = goods[g];
        b.physical += moved;
        b.rows += 1;
        b.lastPrice = price;
    }
    RecalcMovingAverageCostOfDoc(docNo, QStringLiteral("1"));
    for (auto it = goods.begin(); it != goods.end(); ++it) {
        const Params p { { QStringLiteral("q"), Round8(it->physical) }, { QStringLiteral("n"), it->rows },
            { QStringLiteral("g"), it.key() } };
        switch (s.kind) {
        case TradeRevKind::GoodsIn:
            Run(QStringLiteral(
                    "update jxc_goods set g_kc=coalesce(g_kc,0)-:q,g_cgpl=coalesce(g_cgpl,0)-:n where g_sn=:g"),
                p);
            break;
        case TradeRevKind::PurchaseReturn:
            Run(QStringLiteral(
                    "update jxc_goods set g_kc=coalesce(g_kc,0)-:q,g_cgpl=coalesce(g_cgpl,0)+:n where g_sn=:g"),
                p);
            break;
        case TradeRevKind::Sale:
        case TradeRevKind::SalesReturn:
            Run(QStringLiteral(
                    "update jxc_goods set g_kc=coalesce(g_kc,0)+:q,g_xspl=coalesce(g_xspl,0)-:n where g_sn=:g"),
                p);
            break;
        }
    }
    QMap<QString, double> prices;
    for (auto it = goods.begin(); it != goods.end(); ++it)
        prices.insert(it.key(), it->lastPrice);
    return prices;
}

// The money rows of the document and of the receipts or payments registered
// against it, found by their keys; answers the cash accounts they touched.
QStringList TradeRevDeleteMoney(const QString& docNo, bool keepPayments)
{
    const Params p { { QStringLiteral("djh"), docNo } };
    if (keepPayments) {
        // Only the document's own rows: the registrations stay with their ledger,
        // cash and rounding rows, to be re-pointed by the caller.
        QStringList accounts;
        Query q(&Db());
        q.SetSQL(QStringLiteral("select distinct xj_kmmc from jxc_xjyh where gl_djh=:djh"));
        q.SetParam(QStringLiteral("djh"), docNo);
        q.Open();
        for (int r = 0; r < q.RecordCount(); ++r)
            accounts << q.TextAt(r, 0);
        Run(QStringLiteral("delete from jxc_xjyh where gl_djh=:djh"), p);
        Run(QStringLiteral("delete from jxc_yyfy where gl_djh=:djh"), p);
        Run(QStringLiteral("delete from jxc_ysyfk where gl_djh=:djh or (gl_djh2=:djh and gl_djh not in "
                           "(select gl_djh from jxc_ysyfk_dj where gl_djh2=:djh))"),
            p);
        return accounts;
    }
    const QString regs = QStringLiteral("select gl_djh from jxc_ysyfk_dj where gl_djh2=:djh");
    QStringList accounts;
    Query q(&Db());
    q.SetSQL(QStringLiteral("select distinct xj_kmmc from jxc_xjyh where gl_djh=:djh or gl_djh in (") + regs
        + QStringLiteral(")"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
    for (int r = 0; r < q.RecordCount(); ++r)
        accounts << q.TextAt(r, 0);
    // A registration's rounding-off row sits in the stock ledger under its own number.
    Run(QStringLiteral("delete from jxc_goodslist where gl_djh2 in (") + regs + QStringLiteral(")"), p);
    Run(QStringLiteral("delete from jxc_xjyh where gl_djh=:djh or gl_djh in (") + regs + QStringLiteral(")"), p);
    Run(QStringLiteral("delete from jxc_yyfy where gl_djh=:djh"), p);
    Run(QStringLiteral("delete from jxc_ysyfk where gl_djh=:djh or gl_djh2=:djh or gl_djh in (") + regs
            + QStringLiteral(") or gl_djh2 in (") + regs + QStringLiteral(")"),
        p);
    return accounts;
}

void TradeRevUnapprove(TradeRevKind kind, const QString& docNo, bool keepPayments = false)
{
    const TradeRevSpec& s = TradeRevSpecOf(kind);
    if (!HasRight(TradeRevU(s.module), s.position)) {
        Prompt::Info(TradeRevU(s.noRight), Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    const QString linked = TradeRevLinkedRefusal(kind, docNo);
    if (!linked.isEmpty()) {
        Prompt::Info(linked, Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    TradeRevHeader h;
    if (!TradeRevReadHeader(s, docNo, h))
        return; // cancelled already, or a stale list
    if (CurrentRoleSn != QLatin1String("100001") && h.checker != CurrentAdminName
        && !HasRightOf(TradeRevU(s.module), s.position, h.checker)) {
        Prompt::Info(QStringLiteral("单据：") + docNo + QStringLiteral("，的审核人：") + h.checker
                + QStringLiteral("\r\n\r\n不允许其他人取消审核！"),
            Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    const QString allowed = CheckUnapproveAllowed(docNo);
    if (allowed != QLatin1String("ok")) {
        Prompt::Info(allowed, Prompt::kInfoCaption, Prompt::Icon::Information);
        return;
    }
    const bool moved = TradeRevAnyMoved(s, docNo);
    if (s.negativeCheck && moved) {
        const QString negative
            = CheckNegativeSizeColorStock(TradeRevU(s.detail), h.warehouse, docNo, QStringLiteral("出库"));
        if (!negative.isEmpty()) {
            Prompt::Info(negative, Prompt::kInfoCaption, Prompt::Icon::Information);
            return;
        }
    }
    if (AuxTag != QLatin1String("kcpd")
        && Prompt::YesNo(QStringLiteral("您的操作将取消当前选中的已审核单据：") + docNo + QStringLiteral("，确认吗？"),
               Prompt::kAskCaption, Prompt::Icon::Information)
            != Prompt::Answer::Yes)
        return;

    Transaction t(Db());
    const Params doc { { QStringLiteral("djh"), docNo } };
    WriteLog(TradeRevU(s.logText) + docNo);
    Run(QStringLiteral("delete from ") + TradeRevU(s.header) + QStringLiteral(" where ") + TradeRevU(s.status)
            + QStringLiteral("=0 and gl_djh=:djh"),
        doc);
    const QMap<QString, double> prices = TradeRevStock(s, docNo, h);

    if (h.pos) {
        if (!h.member.isEmpty())
            PostPosDocument(
                docNo, h.member, kind == TradeRevKind::Sale ? QStringLiteral("unXS") : QStringLiteral("unXT"));
        for (const char* pos : { "jxc_posxsd", "jxc_posxssp", "jxc_posxsspmx" })
            Run(QStringLiteral("delete from ") + TradeRevU(pos) + QStringLiteral(" where gl_djh=:djh"), doc);
    }
    const QString prefix = TradeRevU(s.status).left(TradeRevU(s.status).indexOf(QLatin1Char('_')) + 1);
    QString reset = TradeRevU(s.status) + QStringLiteral("=0,") + prefix + QStringLiteral("chkrq='',")
        + TradeRevU(s.checker) + QStringLiteral("=''");
    if (!keepPayments)
        reset += QStringLiteral(",") + TradeRevU(s.paidLater) + QStringLiteral("=0");
    if (*s.posFlag)
        reset += QStringLiteral(",") + TradeRevU(s.posFlag) + QStringLiteral("=0");
    Run(QStringLiteral("update ") + TradeRevU(s.header) + QStringLiteral(" set ") + reset
            + QStringLiteral(" where gl_djh=:djh"),
        doc);

    Run(QStringLiteral("delete from jxc_goodslist where gl_djh=:djh"), doc);
    Run(QStringLiteral("delete from jxc_goodslistmx where gl_djh=:djh"), doc);
    const QStringList accounts = TradeRevDeleteMoney(docNo, keepPayments);
    const QString side = TradeRevU(s.side);
    RecalcLedgerBalance(h.partner, side, h.date);
    Run(keepPayments ? QStringLiteral("delete from jxc_ysyfk_dj where gl_djh=:djh")
                     : QStringLiteral("delete from jxc_ysyfk_dj where gl_djh=:djh or gl_djh2=:djh"),
        doc);
    Run(QStringLiteral("delete from jxc_fpdjb where gl_djh=:djh"), doc);
    RecalcInvoiceBalance(h.partner, side, h.date);

    if (CostMethod == QLatin1String("1")) {
        GiveBackFifoConsumption(docNo);
        if (s.deletesBatches)
            Run(QStringLiteral("delete from jxc_rklist where gl_djh=:djh"), doc);
    }
    UpdateMonth(h.warehouse, h.date);

    switch (kind) {
    case TradeRevKind::GoodsIn:
        if (moved)
            MoveColorSizeStockOfLines(
                TradeRevU(s.detail), TradeRevU(s.lines), TradeRevU(s.movedQty), docNo, h.warehouse, -1);
        break;
    case TradeRevKind::Sale:
        if (moved)
            MoveColorSizeStockOfLines(
                TradeRevU(s.detail), TradeRevU(s.lines), TradeRevU(s.movedQty), docNo, h.warehouse, 1);
        break;
    case TradeRevKind::PurchaseReturn:
        AddColorSizeStock(TradeRevU(s.detail), docNo, h.warehouse);
        break;
    case TradeRevKind::SalesReturn:
        SubColorSizeStock(TradeRevU(s.detail), docNo, h.warehouse);
        break;
    }
    // The purchase side's goods average, once the warehouse costs are final.
    if (kind == TradeRevKind::GoodsIn || kind == TradeRevKind::PurchaseReturn)
        for (auto it = prices.begin(); it != prices.end(); ++it)
            SetGoodsAverage(it.key(), it.value());
    QSet<QString> seen;
    for (const QString& a : accounts)
        if (!seen.contains(a)) {
            seen.insert(a);
            RecalcCashBalance(a, h.date);
        }
    t.Commit();
    UnapproveResult = QStringLiteral("ok");
}

} // namespace

void UnapprovePurchaseDoc(const QString& docNo)
{
    TradeRevUnapprove(TradeRevKind::GoodsIn, docNo);
}

void UnapprovePurchaseReturn(const QString& docNo)
{
    TradeRevUnapprove(TradeRevKind::PurchaseReturn, docNo);
}

void UnapproveTradeKeepingPayments(const QString& docNo)
{
    static const QMap<QString, TradeRevKind> kinds { { QStringLiteral("CJ"), TradeRevKind::GoodsIn },
        { QStringLiteral("CT"), TradeRevKind::PurchaseReturn }, { QStringLiteral("XS"), TradeRevKind::Sale },
        { QStringLiteral("XT"), TradeRevKind::SalesReturn } };
    TradeRevUnapprove(kinds.value(docNo.left(2).toUpper(), TradeRevKind::GoodsIn), docNo, true);
}

void UnapproveSalesDoc(const QString& docNo)
{
    TradeRevUnapprove(TradeRevKind::Sale, docNo);
}

void UnapproveSalesReturn(const QString& docNo)
{
    TradeRevUnapprove(TradeRevKind::SalesReturn, docNo);
}

bool UnapproveDocument(const QString& docNo)
{
    using Routine = void (*)(const QString&);
    static const QMap<QString, Routine> routines {
        { QStringLiteral("CJ"), &UnapprovePurchaseDoc },
        { QStringLiteral("CT"), &UnapprovePurchaseReturn },
        { QStringLiteral("XS"), &UnapproveSalesDoc },
        { QStringLiteral("XT"), &UnapproveSalesReturn },
        { QStringLiteral("DB"), &UnapproveTransfer },
        { QStringLiteral("PD"), &UnapproveStockTake },
        { QStringLiteral("CF"), &UnapproveSplit },
        { QStringLiteral("KB"), &UnapproveBundle },
        { QStringLiteral("BS"), &UnapproveLoss },
        { QStringLiteral("BY"), &UnapproveOverflow },
        { QStringLiteral("JH"), &UnapproveCustomerLoanOut },
        { QStringLiteral("HH"), &UnapproveCustomerLoanBack },
        { QStringLiteral("SC"), &UnapproveProductionIn },
        { QStringLiteral("ST"), &UnapproveProductionReturn },
        { QStringLiteral("LY"), &UnapproveDeptIssue },
        { QStringLiteral("LT"), &UnapproveDeptReturn },
        { QStringLiteral("LF"), &UnapproveDeptReturn },
    };
    const Routine routine = routines.value(docNo.left(2).toUpper());
    if (!routine)
        return false;
    routine(docNo);
    return true;
}
