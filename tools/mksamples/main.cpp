// Developers' tool: writes the sample spreadsheets of "模板文件/" with the program's
// own sheet writer. The files are kept in resources/模板文件/.
//   vestora-mksamples <folder>
#include "platform/sheet/sheetwriter.h"

#include <QDir>
#include <cstdio>

namespace {

bool Write(const QString& folder, const QString& name, const QStringList& captions, const QList<QStringList>& rows)
{
    SheetTable table;
    table.captions = captions;
    for (const QStringList& r : rows) {
        QVector<QVariant> cells;
        for (const QString& c : r)
            cells << (c.isEmpty() ? QVariant() : QVariant(c));
        table.rows << cells;
    }
    QString error;
    if (!WriteXlsx(QDir(folder).filePath(name), table, &error)) {
        std::fprintf(stderr, "vestora-mksamples: %s: %s\n", qPrintable(name), qPrintable(error));
        return false;
    }
    return true;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vestora-mksamples <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    // The headers of the first three are the importable fields' captions, so that
    // every column maps without the operator's help.
    bool ok = Write(folder, QStringLiteral("商品信息模板.xlsx"),
        { "商品编号", "商品名称", "商品条码", "单位", "款型说明", "预设进价", "预设售价", "一级价格", "二级价格",
            "三级价格", "四级价格", "五级价格", "零售价", "最低库存", "品牌厂商", "颜色组", "商品类别", "备注",
            "尺码组", "所在货架" },
        { { "", "纯棉圆领T恤", "6901234500017", "件", "圆领短袖", "25", "49", "45", "43", "41", "39", "37", "59", "10",
              "默认品牌", "不关心颜色", "默认类别", "春夏款", "不关心尺码", "A-01" },
            { "", "直筒牛仔裤", "6901234500024", "条", "直筒", "60", "129", "119", "115", "110", "105", "100", "139",
                "5", "默认品牌", "不关心颜色", "默认类别", "", "不关心尺码", "A-02" } });
    ok = Write(folder, QStringLiteral("客户模板.xlsx"),
             { "客户名称", "联系人", "联系电话", "期初应收", "客户类型", "所属地区", "联系地址", "备注" },
             { { "东门服饰店", "王丽", "0755-25550001", "0", "零售客户", "东区", "东门路8号", "" },
                 { "西湖童装批发部", "陈明", "0571-87650002", "1200", "零售客户", "西区", "西湖大道20号", "老客户" } })
        && ok;
    ok = Write(folder, QStringLiteral("供货商模板.xlsx"),
             { "供货商名称", "联系人", "联系电话", "期初应付", "供货商类型", "所属地区", "联系地址", "备注" },
             { { "海岸制衣厂", "李强", "020-86660001", "0", "生产厂家", "南区", "工业大道5号", "" },
                 { "北方面料行", "赵敏", "010-64440002", "3500", "批发商", "北区", "纺织城12号", "面料" } })
        && ok;
    ok = Write(folder, QStringLiteral("商品辅助单位模板.xlsx"),
             { "商品编号", "商品名称", "单位", "转换系数", "商品条码" },
             { { "10000001", "纯棉圆领T恤", "箱", "20", "6901234500031" },
                 { "10000002", "直筒牛仔裤", "包", "10", "" } })
        && ok;
    ok = Write(folder, QStringLiteral("商品单价模板.xlsx"), { "商品编号", "商品名称", "单价" },
             { { "10000001", "纯棉圆领T恤", "49" }, { "10000002", "直筒牛仔裤", "129" } })
        && ok;
    ok = Write(folder, QStringLiteral("商品库位信息模板.xlsx"), { "商品编号", "商品名称", "库位名称" },
             { { "10000001", "纯棉圆领T恤", "A-01" }, { "10000002", "直筒牛仔裤", "A-02" } })
        && ok;
    // The stock-take import reads the count first and the barcode second, by position.
    ok = Write(folder, QStringLiteral("库存盘点模板.xlsx"), { "盘点数量", "商品条形码" },
             { { "12", "6901234500017" }, { "8", "6901234500024" } })
        && ok;
    // The purchase import likewise: the quantity first, then the barcode.
    ok = Write(folder, QStringLiteral("采购进货单模板.xlsx"), { "数量", "商品条码" },
             { { "10", "6901234500017" }, { "5", "6901234500024" } })
        && ok;
    ok = Write(folder, QStringLiteral("商品销售单模板.xlsx"),
             { "商品编号", "商品名称", "单价", "折扣", "数量", "批号" },
             { { "10000001", "纯棉圆领T恤", "49", "1", "10", "" },
                 { "10000002", "直筒牛仔裤", "129", "0.9", "5", "" } })
        && ok;
    return ok ? 0 : 1;
}
