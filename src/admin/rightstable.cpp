#include "admin/rightstable.h"

namespace {

QStringList labels(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

std::vector<RightGroup> buildGroups()
{
    return {
        { QStringLiteral("cggl"), QStringLiteral("入库管理"),
            labels({ "采购进货", "采购进货审核", "采购进货取消审核", "采购退货", "采购退货审核", "采购退货取消审核",
                "生产入库", "生产入库审核", "生产入库取消审核", "生产退回", "生产退回审核", "生产退回取消审核",
                "入库统计", "退货统计", "允许在采购进货待审核界面添加商品", "允许删除采购进货待审核单据",
                "采购进货允许增加新商品", "采购订单", "采购订单审核", "采购订单取消审核" }) },
        { QStringLiteral("xsgl"), QStringLiteral("出库管理"),
            labels({ "商品销售", "商品销售审核", "商品销售取消审核", "销售退货", "销售退货审核", "销售退货取消审核",
                "部门领用", "部门领用审核", "部门领用取消审核", "部门退回", "部门退回审核", "部门退回取消审核",
                "出库统计", "退库统计", "允许修改销售成本价", "允许在商品销售待审核界面添加商品",
                "允许删除商品销售待审核单据", "销售订单", "销售订单审核", "销售订单取消审核", "POS销售", "POS查询" }) },
        { QStringLiteral("kcgl"), QStringLiteral("库存管理"),
            labels({ "商品库存", "库存调拨", "库存调拨审核", "库存调拨取消审核", "库存盘点", "库存盘点审核",
                "库存盘点取消审核", "报损报溢", "报损报溢审核", "报损报溢取消审核", "库存报警", "库存核对",
                "修改商品均价" }) },
        { QStringLiteral("wlzk"), QStringLiteral("往来帐款"),
            labels({ "应收登记", "收款登记", "应收帐表", "应付登记", "付款登记", "应付帐表", "应收登记审核",
                "收款登记审核", "应付登记审核", "付款登记审核", "修改收付款日期", "费用及收入", "现金银行",
                "费用及收入审核", "现金银行审核" }) },
        { QStringLiteral("tjgl"), QStringLiteral("统计报表"),
            labels({ "进销存明细", "进销存汇总", "发货对账单", "收货对账单", "发货成本", "销售毛利", "业务员销售",
                "单据查询" }) },
        { QStringLiteral("qtcz"), QStringLiteral("其它操作"),
            labels({ "商品管理", "供货商设置", "客户设置", "员工设置", "仓库设置", "操作员设置", "系统参数", "部门管理",
                "备份/恢复数据库", "查看日志", "清除日志", "商品期初建账", "帐套管理", "条码管理", "允许设置商品提成",
                "显示商品成本价", "允许更改单据日期", "显示商品销售价", "报表设计", "会员管理" }) },
    };
}

} // namespace

const std::vector<RightGroup>& RightGroups()
{
    static const std::vector<RightGroup> groups = buildGroups();
    return groups;
}

const RightGroup* RightGroupOf(const QString& column)
{
    for (const RightGroup& g : RightGroups())
        if (g.column == column)
            return &g;
    return nullptr;
}

QString FlagsFromTicks(const QList<bool>& ticks)
{
    QString flags;
    flags.reserve(ticks.size());
    for (bool t : ticks)
        flags += t ? QLatin1Char('1') : QLatin1Char('0');
    return flags;
}

QList<bool> TicksFromFlags(const QString& flags, int count)
{
    QList<bool> ticks;
    for (int i = 0; i < count; ++i)
        ticks << (i < flags.size() && flags[i] == QLatin1Char('1'));
    return ticks;
}
