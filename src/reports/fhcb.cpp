#include "reports/fhcb.h"

#include "foundation/settings.h"

TF_Fhcb* F_Fhcb = nullptr;

namespace {

const LedgerStatsKind& deliveryCost()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    static const LedgerStatsKind kind {
        .objectName = "TF_Fhcb",
        .caption = "发货成本统计",
        .partnerLabel = "客户/部门：",
        .categoryDataset = "Q_GClass7",
        .categoryMatch = CategoryMatch::Exact,
        .goodsLabel = "商品名称或编码：",
        .linesSql = &DeliveryCostLinesSql,
        .summarySql = &DeliveryCostSummarySql,
        .summaryDataset = "Q_Fhtj",
        .columns = { { "id", "" }, { "gl_flag", "" }, { "gl_djh", "单据号", 110 }, { "gl_kdrq", "出库日期", 110 },
            { "ghs_name", "相关单位", 110 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 },
            { "gc_name", "类别名称", 80 }, { "gl_dj", "单价", 70, Sale, Amount },
            { "gl_cbj", "成本价", 70, CostAndSale, Amount }, { "gl_sl", "数量", 60, Always, Qty, true },
            { "gl_zje", "总金额", 80, Sale, Amount, true }, { "zje", "总成本", 80, CostAndSale, Amount, true },
            { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 80 }, { "color_name", "颜色", 60, Colors },
            { "ck_name", "仓库", 80 }, { "gl_bz", "备注", 100 } },
        .summaryColumns = { { "ghs_name", "相关单位", 110 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 },
            { "gc_name", "类别名称", 80 }, { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 80 },
            { "color_name", "颜色", 60, Colors }, { "zsl", "数量", 70, Always, Qty, true },
            { "zje", "成本", 80, Always, Amount, true } },
        // The return items filter on kinds the query never lists; kept so the menu
        // reads as the other statements' menus.
        .filterItems = { { "所有单据(&V)", "" }, { "销售出库单(&W)", "xs" }, { "顾客退货单(&X)", "xt" },
            { "部门领用单(&Y)", "ly" }, { "部门退回单(&Z)", "lt" } },
        .viewTemplates = { { "XS", "" }, { "LY", "bmlyd.fr3" } },
        .printLines = "fhcbdjb",
        .printSummary = "fhcbhzb",
        .exportTypes = ExportTypes::XlsOnly,
        .prices = [] { return ShowCostPrice && ShowSalePrice; },
    };
    return kind;
}

} // namespace

TF_Fhcb::TF_Fhcb(QWidget* parent) : LedgerStatsWindow(deliveryCost(), parent) { }

ReportVariables TF_Fhcb::PrintVariables(bool summary) const
{
    if (summary)
        return {};
    return { { QStringLiteral("title"), windowTitle() } };
}
