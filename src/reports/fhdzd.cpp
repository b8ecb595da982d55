#include "reports/fhdzd.h"

#include "foundation/datamodule.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"

#include <QLineEdit>

TF_Fhdzd* F_Fhdzd = nullptr;
TF_Shdzd* F_Shdzd = nullptr;

namespace {

QList<StatColumn> statementColumns()
{
    using enum ShownWhen;
    using enum ColumnFormat;
    return {
        { "id", "" },
        { "gl_flag", "" },
        { "gl_djh", "单据号", 110 },
        { "gl_kdrq", "出库日期", 110 },
        { "ghs_name", "相关单位", 120 },
        { "g_sn", "商品编号", 90 },
        { "g_name", "商品名称", 120 },
        { "gc_name", "类别名称", 80 },
        { "gl_dj", "单价", 70, Prices, Amount },
        { "gl_sl", "数量", 60, Always, Qty, true },
        { "gl_dzl", "折扣", 50, Discount },
        { "gl_tax", "税率", 50, Tax },
        { "gl_taxdj", "含税单价", 70, Tax, Amount },
        { "gl_je", "金额", 80, Tax, Amount },
        { "gl_taxje", "税额", 70, Tax, Amount, true },
        { "gl_zje", "总金额", 80, Prices, Amount, true },
        { "gl_lr", "" },
        { "dw_name", "单位", 50 },
        { "gg_name", "款型说明", 80 },
        { "color_name", "颜色", 60, Colors },
        { "a_name", "" },
        { "ghs_sn", "" },
        { "u_name", "" },
        { "ck_sn", "" },
        { "ck_name", "仓库名称", 80 },
        { "gl_bz", "备注", 100 },
        { "gl_note", "单据备注", 120 },
    };
}

// The partner's name, contact, telephone and address for the printed form: the
// customer's or supplier's row; a department shows its name only; no partner
// names everybody.
ReportVariables partnerVariables(
    const QString& prefix, const QString& table, const QString& key, const QString& shownName, const QString& everybody)
{
    QString name = shownName;
    QString contact;
    QString tele;
    QString address;
    const QString p = prefix == QLatin1String("kh") ? QStringLiteral("kh_") : QStringLiteral("ghs_");
    if (key.isEmpty()) {
        name = everybody;
    } else if (!IsDepartmentKey(key)) {
        OpenSelect(QStringLiteral("select * from ") + table + QStringLiteral(" where ") + p + QStringLiteral("sn='")
            + SafeSqlText(key) + QLatin1Char('\''));
        Query& row = F_DataModule->QuerySelect;
        if (!row.IsEmpty()) {
            name = row.AsString(p + QStringLiteral("name"));
            contact = row.AsString(p + QStringLiteral("lxr"));
            tele = row.AsString(p + QStringLiteral("tele"));
            address = row.AsString(p + QStringLiteral("address"));
        }
        row.Close();
    }
    return { { prefix + QStringLiteral("Name"), name }, { prefix + QStringLiteral("Lxr"), contact },
        { prefix + QStringLiteral("Tele"), tele }, { prefix + QStringLiteral("Address"), address } };
}

const LedgerStatsKind& deliveryStatement()
{
    static const LedgerStatsKind kind {
        .objectName = "TF_Fhdzd",
        .caption = "发货对帐单",
        .side = PartnerPanel::Side::Customers,
        .partnerLabel = "客户/部门：",
        .categoryDataset = "Q_GClassA",
        .categoryMatch = CategoryMatch::WithChildren,
        .categoryStartText = "",
        .warehouseCombo = true,
        .goodsLabel = "商品名称或编码：",
        .linesSql = [](const LedgerChoice& c) { return PartnerStatementSql(StatementSide::Delivery, c); },
        .columns = statementColumns(),
        .filterItems = { { "所有单据(&V)", "" }, { "销售出库单(&W)", "xs" }, { "顾客退货单(&X)", "xt" },
            { "部门领用单(&Y)", "ly" }, { "部门退回单(&Z)", "lt" } },
        .viewTemplates = { { "XS", "" }, { "LY", "bmlyd.fr3" }, { "XT", "" }, { "LT", "bmthd.fr3" } },
        .printLines = "fhdzd",
        .prices = [] { return ShowCostPrice && ShowSalePrice; },
        .taxScope = "xs",
    };
    return kind;
}

const LedgerStatsKind& receivingStatement()
{
    static const LedgerStatsKind kind {
        .objectName = "TF_Shdzd",
        .caption = "收货对帐单",
        .side = PartnerPanel::Side::Suppliers,
        .partnerLabel = "供货商/部门：",
        .categoryDataset = "Q_GClass6",
        .categoryMatch = CategoryMatch::WithChildren,
        .categoryStartText = "",
        .warehouseCombo = true,
        .goodsLabel = "商品名称或编码：",
        .linesSql = [](const LedgerChoice& c) { return PartnerStatementSql(StatementSide::Receiving, c); },
        .columns = statementColumns(),
        .filterItems = { { "所有单据(&V)", "" }, { "采购入库单(&W)", "cj" }, { "采购退货单(&X)", "ct" },
            { "生产入库单(&Y)", "sc" }, { "次品返工单(&Z)", "st" } },
        .viewTemplates = { { "CJ", "" }, { "SC", "scrkd.fr3" }, { "CT", "" }, { "ST", "sctkd.fr3" } },
        .printLines = "shdzd",
        .prices = [] { return ShowCostPrice; },
        .taxScope = "cj",
        .discountOnSale = false,
    };
    return kind;
}

} // namespace

TF_Fhdzd::TF_Fhdzd(QWidget* parent) : LedgerStatsWindow(deliveryStatement(), parent) { }

ReportVariables TF_Fhdzd::PrintVariables(bool) const
{
    const QString shown = tGhsName->text().trimmed();
    ReportVariables vars { { QStringLiteral("title"), shown } };
    return vars
        + partnerVariables(QStringLiteral("kh"), QStringLiteral("jxc_khxx"), partnerPanel->SearchCode(), shown,
            QStringLiteral("所有客户"));
}

TF_Shdzd::TF_Shdzd(QWidget* parent) : LedgerStatsWindow(receivingStatement(), parent) { }

ReportVariables TF_Shdzd::PrintVariables(bool) const
{
    return partnerVariables(QStringLiteral("ghs"), QStringLiteral("jxc_ghsxx"), partnerPanel->SearchCode(),
        tGhsName->text().trimmed(), QStringLiteral("所有供货商"));
}
