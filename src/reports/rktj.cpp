#include "reports/rktj.h"

#include "foundation/settings.h"

TF_Rktj* F_Rktj = nullptr;
TF_Rkthtj* F_Rkthtj = nullptr;
TF_Cktj* F_Cktj = nullptr;
TF_Cktktj* F_Cktktj = nullptr;

namespace {

// The columns of a member; the date caption and the colour rule differ.
QList<StatColumn> movementColumns(const char* dateCaption, ShownWhen colors, bool goodsOut)
{
    using enum ShownWhen;
    using enum ColumnFormat;
    QList<StatColumn> columns { { "id", "" }, { "gl_flag", "" }, { "gl_djh", "单据号", 110 },
        { "gl_kdrq", dateCaption, 110 }, { "ghs_name", "相关单位", 120 }, { "g_sn", "商品编号", 90 },
        { "g_name", "商品名称", 120 }, { "gl_dj", "单价", 70, Prices, Amount },
        { "gl_sl", "数量", 60, Always, Qty, true }, { "gl_zje", "总金额", 80, Prices, Amount, true },
        { "dw_name", "单位", 50 }, { "gg_name", "款型说明", 80 }, { "color_name", "颜色", 60, colors } };
    if (goodsOut)
        columns += { { "gc_name", "商品类别", 80 }, { "u_name", "经办人", 70 }, { "ck_name", "仓库名称", 80 },
            { "g_sccs", "产品产地", 80 }, { "kh_address", "客户地址", 120 }, { "z_name", "所属地区", 70 },
            { "gl_bz", "备注", 100 }, { "gl_note", "单据备注", 120 } };
    else
        columns += { { "ghs_sn", "" }, { "ck_name", "仓库名称", 80 }, { "gl_bz", "备注", 100 },
            { "gl_note", "单据备注", 120 } };
    return columns;
}

bool costShown()
{
    return ShowCostPrice;
}

bool costAndSaleShown()
{
    return ShowCostPrice && ShowSalePrice;
}

LedgerStatsKind member(const char* name, const char* caption, MovementKind movement, bool suppliers)
{
    LedgerStatsKind k {
        .objectName = name,
        .caption = caption,
        .side = suppliers ? PartnerPanel::Side::Suppliers : PartnerPanel::Side::Customers,
        .partnerLabel = suppliers ? "供货商/部门：" : "客户/部门：",
        .goodsLabel = "商品名称或编码：",
        .linesSql = [movement](const LedgerChoice& c) { return MovementStatisticsSql(movement, c); },
        .prices = suppliers ? &costShown : &costAndSaleShown,
    };
    return k;
}

const LedgerStatsKind& goodsIn()
{
    static const LedgerStatsKind kind = [] {
        LedgerStatsKind k = member("TF_Rktj", "入库统计表", MovementKind::GoodsIn, true);
        k.categoryDataset = "Q_GClass5";
        k.categoryMatch = CategoryMatch::WithChildren;
        k.categoryStartText = "所有类别";
        k.goodsLabel = "商品信息：";
        k.columns = movementColumns("入库日期", ShownWhen::Always, false);
        k.columns.insert(k.columns.size() - 4, StatColumn { "gc_name", "商品类别", 80 });
        k.columns.append(StatColumn { "g_bz", "商品备注", 100 });
        k.countInOneCell = true;
        k.filterItems = { { "所有单据(&X)", "" }, { "采购入库单(&Y)", "cj" }, { "生产入库单(&Z)", "sc" } };
        k.viewTemplates = { { "CJ", "" }, { "SC", "" } };
        k.printLines = "rktjb";
        return k;
    }();
    return kind;
}

const LedgerStatsKind& goodsBack()
{
    static const LedgerStatsKind kind = [] {
        LedgerStatsKind k = member("TF_Rkthtj", "退货统计表", MovementKind::GoodsBack, true);
        k.columns = movementColumns("退货日期", ShownWhen::Always, false);
        k.countInOneCell = true;
        k.filterItems = { { "所有单据(&X)", "" }, { "采购退单(&Y)", "ct" }, { "次品返工单(&Z)", "st" } };
        k.viewTemplates = { { "CT", "" }, { "ST", "" } };
        k.printLines = "thtjb";
        return k;
    }();
    return kind;
}

const LedgerStatsKind& goodsOut()
{
    static const LedgerStatsKind kind = [] {
        LedgerStatsKind k = member("TF_Cktj", "出库统计表", MovementKind::GoodsOut, false);
        k.categoryDataset = "Q_GClass5";
        k.categoryMatch = CategoryMatch::WithChildren;
        k.categoryStartText = "所有类别";
        k.handlerCombo = true;
        k.goodsLabel = "商品信息：";
        k.columns = movementColumns("出库日期", ShownWhen::Colors, true);
        k.filterItems = { { "所有单据(&X)", "" }, { "销售出库单(&Y)", "xs" }, { "部门领用单(&Z)", "ly" } };
        k.viewTemplates = { { "XS", "" }, { "LY", "" } };
        k.printLines = "cktjb";
        return k;
    }();
    return kind;
}

const LedgerStatsKind& returnToStock()
{
    static const LedgerStatsKind kind = [] {
        LedgerStatsKind k = member("TF_Cktktj", "退库统计表", MovementKind::ReturnToStock, false);
        k.columns = movementColumns("退库日期", ShownWhen::Colors, false);
        k.filterItems = { { "所有单据(&X)", "" }, { "顾客退货单(&Y)", "xt" }, { "部门退回单(&Z)", "lt" } };
        k.viewTemplates = { { "XT", "" }, { "LT", "" } };
        k.printLines = "tktjb";
        k.closeQueriesOnExit = false;
        return k;
    }();
    return kind;
}

} // namespace

TF_Rktj::TF_Rktj(QWidget* parent) : LedgerStatsWindow(goodsIn(), parent) { }
TF_Rkthtj::TF_Rkthtj(QWidget* parent) : LedgerStatsWindow(goodsBack(), parent) { }
TF_Cktj::TF_Cktj(QWidget* parent) : LedgerStatsWindow(goodsOut(), parent) { }
TF_Cktktj::TF_Cktktj(QWidget* parent) : LedgerStatsWindow(returnToStock(), parent) { }
