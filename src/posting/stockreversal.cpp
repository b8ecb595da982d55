#include "posting/stockreversal.h"

#include "foundation/approvalhooks.h"
#include "foundation/globals.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "platform/ui/prompt.h"
#include "posting/colorsizestock.h"
#include "posting/movingaverage.h"
#include "posting/postingdb.h"
#include "posting/tradecommon.h"

#include <QMap>

using namespace posting;

namespace {

enum class StockRevKind {
    Transfer,
    StockTake,
    Split,
    Bundle,
    Loss,
    Overflow,
    LoanOut,
    LoanBack,
    ProductionIn,
    ProductionReturn,
    DeptIssue,
    DeptReturn
};

// Which goods get their average cost back from the warehouses' costs.
enum class StockRevAverage { None, All, PositiveRows };

struct StockRevSpec {
    StockRevKind kind;
    const char* module;
    int position;
    const char* noRight;
    const char* header;
    const char* prefix; // of the header's status, approver and approval-date columns
    const char* date;
    const char* detail; // colour-by-size table; "" for the loans
    const char* logText;
    int sign;             // +1: the posting took stock out and the reversal puts it back
    bool headerWarehouse; // stock rows of the header's warehouse, not the ledger row's
    bool goodsTotal;      // g_kc follows the ledger row
    bool monthBalance;    // jxc_kcjs follows the ledger row
    StockRevAverage average;
    const char* negativeAction; // the colour-by-size check before anything; "" = none
};

const StockRevSpec& StockRevSpecOf(StockRevKind k)
{
    using A = StockRevAverage;
    static const StockRevSpec specs[] = {
        { StockRevKind::Transfer, "kcgl", 12, "您没有取消审核库存调拨单的权限！", "jxc_kcdbd", "db", "db_dbrq",
            "jxc_dbspmx", "取消审核库存调拨单", -1, false, false, true, A::None, "调拨" },
        { StockRevKind::StockTake, "kcgl", 13, "您没有取消审核库存盘点单的权限！", "jxc_kcpd", "pd", "pd_rq",
            "jxc_kcpdspmx", "取消审核库存盘点单：", -1, false, true, true, A::None, "" },
        { StockRevKind::Split, "kcgl", 15, "您没有取消审核商品拆分单的权限！", "jxc_cfd", "cf", "cf_cfrq", "jxc_cfspmx",
            "取消审核商品拆分单", -1, false, true, true, A::PositiveRows, "" },
        { StockRevKind::Bundle, "kcgl", 15, "您没有取消审核商品捆绑单的权限！", "jxc_kbd", "kb", "kb_kbrq",
            "jxc_kbspmx", "取消审核商品捆绑单", -1, false, true, true, A::All, "" },
        { StockRevKind::Loss, "kcgl", 14, "您没有取消审核商品报损单的权限！", "jxc_bsd", "bs", "bs_bsrq", "jxc_bsspmx",
            "取消审核商品报损单", -1, false, true, true, A::None, "" },
        { StockRevKind::Overflow, "kcgl", 14, "您没有取消审核商品报溢单的权限！", "jxc_byd", "by", "by_byrq",
            "jxc_byspmx", "取消审核商品报溢单", -1, false, true, true, A::None, "" },
        { StockRevKind::LoanOut, "rcgl", 4, "您没有取消审核客户借货单的权限！", "jxc_khjh", "jh", "jh_rq", "",
            "取消审核客户借货单", 1, false, true, true, A::None, "" },
        { StockRevKind::LoanBack, "rcgl", 4, "您没有取消审核客户还货单的权限！", "jxc_khjh", "jh", "jh_rq", "",
            "取消审核客户还货单", -1, false, true, true, A::None, "" },
        { StockRevKind::ProductionIn, "cggl", 12, "您没有取消审核生产入库单的权限！", "jxc_scrkd", "sc", "sc_rq",
            "jxc_scrkspmx", "取消审核生产入库单", -1, true, true, false, A::All, "出库" },
        { StockRevKind::ProductionReturn, "cggl", 15, "您没有取消审核生产退库单的权限！", "jxc_scrkd", "sc", "sc_rq",
            "jxc_scrkspmx", "取消审核生产退库单", -1, false, true, false, A::All, "" },
        { StockRevKind::DeptIssue, "xsgl", 12, "您没有取消审核部门领用单的权限！", "jxc_bmlyd", "ly", "ly_rq",
            "jxc_bmlyspmx", "取消审核部门领用单", 1, false, true, false, A::None, "" },
        { StockRevKind::DeptReturn, "xsgl", 15, "您没有取消审核部门退回单的权限！", "jxc_bmlyd", "ly", "ly_rq",
            "jxc_bmlyspmx", "取消审核部门退回单", 1, true, true, false, A::None, "出库" },
    };
    return specs[static_cast<int>(k)];
}

QString StockRevU(const char* s)
{
    return QString::fromUtf8(s);
}

void StockRevRefuse(const QString& text)
{
    Prompt::Info(text, Prompt::kInfoCaption, Prompt::Icon::Information);
}

struct StockRevHeader {
    QString date;
    QString warehouse; // a transfer's receiving warehouse
    QString sending;   // a transfer's sending warehouse
};

// The approved header of the number; false when there is none (cancelled already,
// or a stale list), which every kind treats alike.
bool StockRevReadHeader(const StockRevSpec& s, const QString& docNo, StockRevHeader& h)
{
    Query q(&Db());
    q.SetSQL(QStringLiteral("select * from ") + StockRevU(s.header) + QStringLiteral(" where ") + StockRevU(s.prefix)
        + QStringLiteral("_status=1 and gl_djh=:djh order by id limit 1"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
    if (q.IsEmpty())
        return false;
    const auto text = [&](const char* c) { return ValueText(q.ValueAt(0, q.FieldIndex(QLatin1String(c)))); };
    h.date = ValueText(q.ValueAt(0, q.FieldIndex(StockRevU(s.date))));
    if (s.kind == StockRevKind::Transfer) {
        h.warehouse = text("ck_in");
        h.sending = text("ck_out");
    } else {
        h.warehouse = text("ck_sn");
    }
    return true;
}

// Stock of the counted goods moved in the warehouse after the count: the
// stock-take's book quantities no longer hold, so it cannot be taken back.
QString StockRevLaterBusiness(const QString& docNo, const StockRevHeader& h)
{
    const Params p { { QStringLiteral("djh"), docNo } };
    const double lastId
        = FirstNumber(QStringLiteral("select id from jxc_goodslist where gl_djh=:djh order by id desc limit 1"), p);
    const QVariant other = First(
        QStringLiteral("select gl_djh from jxc_goodslist where ck_sn=:ck and gl_kdrq>=:rq and id>:last "
                       "and g_sn in (select distinct g_sn from jxc_kcpdsp where gl_djh=:djh) order by id limit 1"),
        { { QStringLiteral("djh"), docNo }, { QStringLiteral("ck"), h.warehouse }, { QStringLiteral("rq"), h.date },
            { QStringLiteral("last"), static_cast<qint64>(lastId) } });
    if (!other.isValid())
        return QString();
    return QStringLiteral("在【") + h.date + QStringLiteral("】日期之后盘点商品已发生业务，\r\n\r\n单号为：【")
        + ValueText(other) + QStringLiteral("】，\r\n\r\n该盘点单 ") + docNo + QStringLiteral(" 不能撤销！");
}

struct StockRevLast {
    QString warehouse, date; // of the last ledger row; the header's when there is none
};

// Each ledger row's stock, goods total, monthly balance and line counters back;
// then the moving averages without the document and the goods averages.
StockRevLast StockRevRows(const StockRevSpec& s, const QString& docNo, const StockRevHeader& h)
{
    const bool take = s.kind == StockRevKind::StockTake;
    Query rows(&Db());
    rows.SetSQL(take ? QStringLiteral("select a.g_sn,a.ck_sn,a.gl_sl,a.gl_zje,a.gl_dj,a.gl_kdrq,a.id2,a.gl_fdmc,"
                                      "b.kc_sl,b.kc_zsl from jxc_goodslist a inner join jxc_kcpdsp b "
                                      "on a.gl_djh=b.gl_djh and a.id2=b.id2 where a.gl_djh=:djh order by a.id")
                     : QStringLiteral("select g_sn,ck_sn,gl_sl,gl_zje,gl_dj,gl_kdrq,id2,gl_fdmc from jxc_goodslist "
                                      "where gl_djh=:djh order by id"));
    rows.SetParam(QStringLiteral("djh"), docNo);
    rows.Open();
    StockRevLast last { h.warehouse, h.date };
    QMap<QString, double> averaged; // goods -> price of its last row, for the goods average
    const bool scrap = docNo.startsWith(QLatin1String("LF"), Qt::CaseInsensitive);
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QString goods = rows.TextAt(r, 0);
        const QString rowWarehouse = rows.TextAt(r, 1);
        const double qty = ValueNumber(rows.ValueAt(r, 2));
        const double amount = ValueNumber(rows.ValueAt(r, 3));
        const double price = ValueNumber(rows.ValueAt(r, 4));
        const QString rowDate = rows.TextAt(r, 5);
        const qint64 lineId = static_cast<qint64>(ValueNumber(rows.ValueAt(r, 6)));
        const QString warehouse = s.headerWarehouse ? h.warehouse : rowWarehouse;
        const double delta = Round8(s.sign * qty);
        last = { rowWarehouse, rowDate };

        const Params stock { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse },
            { QStringLiteral("q"), delta } };
        if (take)
            Run(QStringLiteral("update jxc_kcsp set kc_sl=:sl,kc_zsl=:zsl where ck_sn=:ck and g_sn=:g"),
                { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse },
                    { QStringLiteral("sl"), ValueNumber(rows.ValueAt(r, 8)) },
                    { QStringLiteral("zsl"), ValueNumber(rows.ValueAt(r, 9)) } });
        else
            Run(QStringLiteral("update jxc_kcsp set kc_sl=coalesce(kc_sl,0)+:q,kc_zsl=coalesce(kc_zsl,0)+:q "
                               "where ck_sn=:ck and g_sn=:g"),
                stock);
        if (s.goodsTotal)
            Run(QStringLiteral("update jxc_goods set g_kc=coalesce(g_kc,0)+:q where g_sn=:g"),
                { { QStringLiteral("g"), goods }, { QStringLiteral("q"), delta } });
        if (s.monthBalance) {
            const QString month = (s.kind == StockRevKind::Transfer ? h.date : rowDate).left(7);
            Run(QStringLiteral("update jxc_kcjs set js_sl=coalesce(js_sl,0)+:q,js_zje=coalesce(js_zje,0)+:je "
                               "where js_rq=:m and ck_sn=:ck"),
                { { QStringLiteral("q"), delta }, { QStringLiteral("je"), Round8(s.sign * amount) },
                    { QStringLiteral("m"), month }, { QStringLiteral("ck"), warehouse } });
        }
        if (s.average == StockRevAverage::All || (s.average == StockRevAverage::PositiveRows && qty > 0))
            averaged[goods] = price;

        if (s.kind == StockRevKind::LoanBack) {
            // The loan-out line that was given back or sold counts it no more.
            const QString fdmc = rows.TextAt(r, 7).trimmed().toLower();
            const QString column = fdmc == QLatin1String("hh") ? QStringLiteral("jh_hhsl")
                : fdmc == QLatin1String("xs")                  ? QStringLiteral("jh_xssl")
                                                               : QString();
            if (!column.isEmpty()) {
                const Params line { { QStringLiteral("id"), lineId }, { QStringLiteral("q"), Round8(qty) } };
                Run(QStringLiteral("update jxc_khjhsp set ") + column + QStringLiteral("=coalesce(") + column
                        + QStringLiteral(",0)-:q where id=:id"),
                    line);
                Run(QStringLiteral("update jxc_khjhsp set ") + column + QStringLiteral("=0 where ") + column
                        + QStringLiteral("<0 and id=:id"),
                    { { QStringLiteral("id"), lineId } });
            }
        }
        if (s.kind == StockRevKind::DeptReturn && !scrap)
            Run(QStringLiteral("update jxc_bmlysp set ly_hhsl=coalesce(ly_hhsl,0)+:q where id=:id"),
                { { QStringLiteral("id"), lineId }, { QStringLiteral("q"), Round8(qty) } });
    }
    RecalcMovingAverageCostOfDoc(docNo, QStringLiteral("1"));
    for (auto it = averaged.begin(); it != averaged.end(); ++it)
        trade::SetGoodsAverage(it.key(), it.value());
    return last;
}

void StockRevUnapprove(StockRevKind kind, const QString& docNo)
{
    const StockRevSpec& s = StockRevSpecOf(kind);
    if (!HasRight(StockRevU(s.module), s.position)) {
        StockRevRefuse(StockRevU(s.noRight));
        return;
    }
    StockRevHeader h;
    if (!StockRevReadHeader(s, docNo, h))
        return;
    if (kind != StockRevKind::StockTake) {
        const QString allowed = CheckUnapproveAllowed(docNo);
        if (allowed != QLatin1String("ok")) {
            StockRevRefuse(allowed);
            return;
        }
    }
    if (*s.negativeAction) {
        const QString negative
            = CheckNegativeSizeColorStock(StockRevU(s.detail), h.warehouse, docNo, StockRevU(s.negativeAction));
        if (!negative.isEmpty()) {
            StockRevRefuse(negative);
            return;
        }
    }
    if (kind == StockRevKind::StockTake) {
        const QString later = StockRevLaterBusiness(docNo, h);
        if (!later.isEmpty()) {
            StockRevRefuse(later);
            return;
        }
    }
    if (AuxTag != QLatin1String("kcpd")) {
        const QString question = kind == StockRevKind::StockTake
            ? QStringLiteral("您的操作将取消当前的单据，确认吗？")
            : QStringLiteral("您的操作将取消当前选中的已审核单据：") + docNo + QStringLiteral("，确认吗？");
        if (Prompt::YesNo(question, Prompt::kAskCaption, Prompt::Icon::Information) != Prompt::Answer::Yes)
            return;
    }

    Transaction t(Db());
    const Params doc { { QStringLiteral("djh"), docNo } };
    const QString header = StockRevU(s.header);
    const QString prefix = StockRevU(s.prefix);
    WriteLog(StockRevU(s.logText) + docNo);
    Run(QStringLiteral("delete from ") + header + QStringLiteral(" where ") + prefix
            + QStringLiteral("_status=0 and gl_djh=:djh"),
        doc);
    const StockRevLast last = StockRevRows(s, docNo, h);

    if (kind == StockRevKind::LoanBack) {
        // A loan back is not kept pending: the document goes whole.
        Run(QStringLiteral("delete from jxc_khjh where gl_djh=:djh"), doc);
        Run(QStringLiteral("delete from jxc_khjhsp where gl_djh=:djh"), doc);
    } else {
        Run(QStringLiteral("update ") + header + QStringLiteral(" set ") + prefix + QStringLiteral("_status=0,")
                + prefix + QStringLiteral("_chkrq='',") + prefix + QStringLiteral("_checker='' where gl_djh=:djh"),
            doc);
    }
    Run(QStringLiteral("delete from jxc_goodslist where gl_djh=:djh"), doc);
    Run(QStringLiteral("delete from jxc_goodslistmx where gl_djh=:djh"), doc);
    // The posting's cost-difference row carries the number; a row whose note merely
    // names it was written by hand and stays.
    Run(QStringLiteral("delete from jxc_yyfy where gl_djh=:djh"), doc);

    const QString detail = StockRevU(s.detail);
    switch (kind) {
    case StockRevKind::Transfer:
        SubColorSizeStock(detail, docNo, h.warehouse);
        AddColorSizeStock(detail, docNo, h.sending);
        break;
    case StockRevKind::StockTake:
        // The combinations the count did not name, which the approval emptied.
        Run(QStringLiteral("update jxc_tkc set t_sl=(select max(d.t_oldsl) from jxc_kcpdspmx d where d.gl_djh=:djh "
                           "and d.tid=-1 and d.g_sn=jxc_tkc.g_sn and d.cm_sn=jxc_tkc.cm_sn and "
                           "d.color_sn=jxc_tkc.color_sn) where ck_sn=:ck and exists (select 1 from jxc_kcpdspmx d "
                           "where d.gl_djh=:djh and d.tid=-1 and d.g_sn=jxc_tkc.g_sn and d.cm_sn=jxc_tkc.cm_sn and "
                           "d.color_sn=jxc_tkc.color_sn)"),
            { { QStringLiteral("djh"), docNo }, { QStringLiteral("ck"), h.warehouse } });
        RestoreStockTakeSizeColorStock(detail, docNo, h.warehouse);
        Run(QStringLiteral("delete from jxc_kcpdspmx where tid<0 and gl_djh=:djh"), doc);
        break;
    case StockRevKind::Split:
        SubColorSizeStockPerRow(detail, docNo);
        break;
    case StockRevKind::Bundle:
        AddColorSizeStockPerRow(detail, docNo);
        break;
    case StockRevKind::Loss:
        AddColorSizeStock(detail, docNo, last.warehouse);
        break;
    case StockRevKind::Overflow:
        SubColorSizeStock(detail, docNo, last.warehouse);
        break;
    case StockRevKind::LoanOut:
    case StockRevKind::LoanBack:
        break;
    case StockRevKind::ProductionIn:
        SubColorSizeStock(detail, docNo, h.warehouse);
        trade::UpdateMonth(h.warehouse, h.date);
        break;
    case StockRevKind::ProductionReturn:
        AddColorSizeStock(detail, docNo, last.warehouse);
        trade::UpdateMonth(last.warehouse, last.date);
        break;
    case StockRevKind::DeptIssue:
        // The month's balance is taken before the colour-by-size stock moves, as the posting took it.
        trade::UpdateMonth(last.warehouse, last.date);
        AddColorSizeStock(detail, docNo, last.warehouse);
        break;
    case StockRevKind::DeptReturn:
        trade::UpdateMonth(h.warehouse, h.date);
        SubColorSizeStock(detail, docNo, h.warehouse);
        break;
    }
    t.Commit();
    UnapproveResult = QStringLiteral("ok");
}

} // namespace

void UnapproveTransfer(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::Transfer, docNo);
}

void UnapproveStockTake(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::StockTake, docNo);
}

void UnapproveSplit(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::Split, docNo);
}

void UnapproveBundle(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::Bundle, docNo);
}

void UnapproveLoss(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::Loss, docNo);
}

void UnapproveOverflow(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::Overflow, docNo);
}

void UnapproveCustomerLoanOut(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::LoanOut, docNo);
}

void UnapproveCustomerLoanBack(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::LoanBack, docNo);
}

void UnapproveProductionIn(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::ProductionIn, docNo);
}

void UnapproveProductionReturn(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::ProductionReturn, docNo);
}

void UnapproveDeptIssue(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::DeptIssue, docNo);
}

void UnapproveDeptReturn(const QString& docNo)
{
    StockRevUnapprove(StockRevKind::DeptReturn, docNo);
}
