#include "reports/xsmltj.h"

#include "foundation/settings.h"

TF_Xsmltj* F_Xsmltj = nullptr;

namespace {

const LedgerStatsKind& grossProfit()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    static const LedgerStatsKind kind {
        .objectName = "TF_Xsmltj",
        .caption = "销售毛利统计表",
        .departments = false,
        .partnerLabel = "客户/部门：",
        .categoryDataset = "Q_GClass7",
        .categoryMatch = CategoryMatch::WithChildrenWhenNamed,
        .warehouseCombo = true,
        .goodsLabel = "商品或客户地址：",
        .linesSql = &GrossProfitLinesSql,
        .summarySql = &GrossProfitSummarySql,
        .summaryDataset = "Q_Mltj",
        .columns = { { "id", "" }, { "gl_flag", "" }, { "gl_djh", "单据号", 110 }, { "ghs_name", "客户", 110 },
            { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 }, { "gc_name", "类别", 80 },
            { "gl_sl", "数量", 60, Always, Qty, true }, { "gl_dj", "销售价", 70, Sale, Amount },
            { "gl_zje", "销售额", 80, Sale, Amount, true }, { "gl_cbj", "成本价", 70, Cost, Amount },
            { "glcbj", "成本额", 80, Cost, Amount, true }, { "xslr", "毛利", 80, CostAndSale, Amount, true },
            { "lrl", "毛利率", 60, CostAndSale, Percent }, { "gl_kdrq", "销售日期", 110 }, { "dw_name", "单位", 50 },
            { "gg_name", "款型说明", 80 }, { "color_name", "颜色", 60, Colors }, { "ck_name", "仓库", 80 },
            { "kh_address", "客户地址", 120 }, { "kh_tele", "客户电话", 90 }, { "gl_bz", "备注", 100 } },
        .summaryColumns = { { "kh_name", "客户", 110 }, { "g_sn", "商品编号", 90 }, { "g_name", "商品名称", 120 },
            { "gc_name", "类别", 80 }, { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 80 },
            { "color_name", "颜色", 60, Colors }, { "zsl", "销售数量", 70, Always, Qty, true },
            { "zje", "销售额", 80, Always, Amount, true }, { "glzcb", "销售成本", 80, Always, Amount, true },
            { "zlr", "毛利", 80, Always, Amount, true }, { "lrl", "毛利率", 60, Always, Percent },
            { "kh_address", "客户地址", 120 } },
        .countInOneCell = true,
        .filterItems = { { "所有单据(&X)", "" }, { "销售出库单(&Y)", "xs" }, { "顾客退货单(&Z)", "xt" } },
        .viewTemplates = { { "XS", "" }, { "XT", "" } },
        .printLines = "xsmldjb",
        .printSummary = "xsmlhzb",
        .exportTypes = ExportTypes::XlsOnly,
        .prices = [] { return ShowCostPrice && ShowSalePrice; },
    };
    return kind;
}

} // namespace

TF_Xsmltj::TF_Xsmltj(QWidget* parent) : LedgerStatsWindow(grossProfit(), parent) { }
