#include "admin/settingscolumns.h"

#include "foundation/datamodule.h"
#include "foundation/schema/schema.h"
#include "foundation/sqltext.h"
#include "platform/db/transaction.h"

#include <algorithm>

namespace {

SettingColumn box(const char* column, const char* control, const char* caption, const char* seed)
{
    SettingColumn e { column, SettingKind::Box, control, caption };
    e.seed = seed;
    return e;
}

SettingColumn intBox(const char* column, const char* control, const char* caption, const char* seed)
{
    SettingColumn e = box(column, control, caption, seed);
    e.kind = SettingKind::IntBox;
    return e;
}

SettingColumn choice(const char* column, const char* control, const char* label, const char* items, const char* seed,
    const char* suffix = "")
{
    SettingColumn e { column, SettingKind::Choice, control, label };
    e.items = QString::fromUtf8(items).split(QLatin1Char('|'));
    e.suffix = suffix;
    e.seed = seed;
    return e;
}

SettingColumn digits(const char* column, const char* control, const char* label, const char* suffix, int maxLength,
    int clampMax, const char* zeroUnless, const char* seed)
{
    SettingColumn e { column, SettingKind::Digits, control, label };
    e.suffix = suffix;
    e.maxLength = maxLength;
    e.clampMax = clampMax;
    e.zeroUnless = zeroUnless;
    e.seed = seed;
    return e;
}

SettingColumn number(const char* column, const char* control, const char* label, const char* suffix,
    const char* zeroUnless, bool nonNegative)
{
    SettingColumn e { column, SettingKind::Number, control, label };
    e.suffix = suffix;
    e.maxLength = 9;
    e.decimals = 4;
    e.zeroUnless = zeroUnless;
    e.nonNegative = nonNegative;
    e.seed = "0";
    return e;
}

SettingColumn hiddenChoice(const char* column, const char* control, const char* label, const char* items)
{
    SettingColumn e = choice(column, control, label, items, "0");
    e.kind = SettingKind::HiddenChoice;
    return e;
}

SettingColumn hiddenBox(const char* column, const char* control, const char* caption, const char* zeroUnless = "")
{
    SettingColumn e = box(column, control, caption, "0");
    e.kind = SettingKind::HiddenBox;
    e.zeroUnless = zeroUnless;
    return e;
}

SettingColumn constant(const char* column, const char* written, const char* seed)
{
    SettingColumn e { column, SettingKind::Constant };
    e.written = written;
    e.seed = seed;
    return e;
}

std::vector<SettingColumn> buildColumns()
{
    return {
        box("cs_xjyh", "chkXjyh", "启用现金银行功能", "1"),
        box("cs_ct", "chkCt", "采购退货时只能退该供货商供应的商品", "0"),
        box("cs_xt", "chkXt", "销售退货时只能退向该客户销售过的商品", "0"),
        box("cs_employ", "chkEmploy", "采购时显示当前供货商历史信息", "1"),
        box("cs_shdj", "chkShdj", "单据保存后直接审核(选中后审核权限将被忽略)", "0"),
        box("cs_djzddy", "chkDjzddy", "销售单据保存时自动打印", "0"),
        box("cs_cs016", "chkDjzddycg", "采购单保存时自动打印", "0"),
        box("cs_bcqdy", "chkBcqdy", "单据保存之前不能打印", "0"),
        box("cs_hcj", "chkHcj", "选择商品时，按回车键开始查询", "0"),
        box("cs_cs010", "chkXsdgs", "打印销售单时选择打印格式", "0"),
        box("cs_cs011", "chkCgdgs", "打印采购单时选择打印格式", "0"),
        box("cs_cs007", "chkCgdd", "启用采购订单功能", "0"),
        box("cs_cs008", "chkXsdd", "启用销售订单功能", "0"),
        box("cs_kddy", "chkKddy", "采购、销售添加运费、包装费", "0"),
        box("cs_kc", "chkKc", "库存为零时允许采购退货、销售", "1"),
        box("cs_posblur", "chkPosblur", "启用POS销售功能", "0"),
        box("cs_hs", "chkHs", "启用商品含税功能(采购、销售类单据)", "0"),
        box("cs_xgdj", "chkXgdj", "销售时允许修改销售单价", "1"),
        box("cs_ysdh", "chkYsdh", "采购进货或销售时有原始单号", "0"),
        box("cs_spbh", "chkSpbh", "增加商品基本信息时商品自动编号", "1"),
        intBox("cs_cgyh", "chkCgyh", "操作员与仓库绑定", "0"),
        box("cs_shtc", "chkShtc", "操作员、供货商、客户、经办人与仓库绑定", "0"),
        intBox("cs_xsyh", "chkXsyh", "商品销售时业务员与客户绑定", "0"),
        box("cs_activate", "chkActivate", "销售时显示当前客户历史信息", "1"),
        box("cs_lsj", "chkLsj", "启用商品销售零售价", "0"),
        box("cs_barunique", "chkBarunique", "启用单据付款功能", "0"),
        box("cs_jhzk", "chkJhzk", "启用商品折扣功能", "0"),
        box("cs_zerocost", "chkZerocost", "启用单据收款功能", "0"),
        box("cs_cs002", "chkXscbj", "销售时允许修改销售成本价", "0"),
        box("cs_cs001", "chkKhyfk", "客户预付款不足时给出提醒", "0"),
        box("cs_cs013", "chkDjpfj", "启用商品等级批发价(1--5级)", "0"),
        box("cs_cs012", "chkHuojia", "在商品信息中加入货架信息", "1"),
        box("cs_tx", "chkTx", "程序启动时弹出提醒窗口", "1"),
        box("cs_mryt", "chkMryt", "程序启动时显示每日一贴", "0"),
        box("cs_cs018", "chkCmhb", "采购单、销售单尺码合并打印", "0"),
        box("cs_cs023", "chkJxchzje", "进销存汇总表显示差额", "0"),
        box("cs_zjews", "chkZjews", "合计金额保留", "0"),
        box("cs_cs015", "chkXsdhs", "销售单使用固定", "0"),
        box("cs_cs019", "chkCgdhs", "采购单使用固定", "0"),

        choice("cs_cgdj", "comCgdj", "采购进货、采购退货的单价显示为：", "平均进价|最近进价|预设进价", "2"),
        choice("cs_xsdj", "comXsdj", "销售时默认销售价格显示为：", "预设售价|该客户上次售价", "0"),
        choice("cs_xsjgts", "comXsjgts", "应收应付与实收实付之间的差额用", "平摊法|优惠商品", "1", "平衡"),
        choice("cs_activatets", "comActivatets", "支付方式默认为", "实付结算|余额记帐", "1"),
        choice("cs_cgje", "comCgje", "采购进货实付金额默认为", "应付金额|零", "0"),
        choice("cs_xsje", "comXsje", "商品销售实收金额默认为", "应收金额|零", "0"),
        choice("cs_djrq", "comDjrq", "采购、销售单据日期默认为", "系统日期|上单日期", "0"),
        choice("cs_dysx", "comDysx", "采购单、销售单商品打印顺序", "默认顺序|商品编号顺序|商品名称顺序", "0"),
        choice("cs_cs031", "comFontSize", "界面字体大小：", "8号|9号|10号(最佳)|11号(不推荐)|12号(不推荐)", "2"),

        digits("cs_xsws", "tXsws", "系统金额小数位数：", "", 1, 8, "", "2"),
        digits("cs_cbjs", "tCbjs", "系统数量小数位数：", "", 1, 8, "", "2"),
        digits("cs_jews", "tzjews", "", "位小数，单价位数不变", 1, 8, "chkZjews", "0"),
        number("cs_tax", "tTax", "默认税率：", "%", "chkHs", false),
        number("cs_zdzk", "tzdzk", "最低销售折扣：", "1为不打折,0.8为打8折", "chkJhzk", true),
        digits("cs_cs005", "txsdhs", "", "行打印", 2, -1, "chkXsdhs", "0"),
        digits("cs_cs006", "tcgdhs", "", "行打印", 2, -1, "chkCgdhs", "0"),
        [] {
            SettingColumn e { "cs_hbfh", SettingKind::Text, "tXshbfh", "金额前面货币符号：" };
            e.maxLength = 3;
            e.seed = QStringLiteral("￥");
            return e;
        }(),

        hiddenChoice("cs_dbdj", "comDbdj", "库存调拨单价使用", "成本均价|预设售价|预设进价"),
        hiddenChoice("cs_cs032", "comCbff", "成本核算方法", "加权平均法|先进先出法"),
        hiddenBox("cs_tmzdsc", "chkTmzdsc", "选择商品时，双击商品可以自动选择"),
        hiddenBox("cs_possk", "chkPossk", "同一条码重复扫描时数量自动累加"),
        hiddenBox("cs_fzdw", "chkFzdw", "启用商品辅助单位、一品多码功能"),
        hiddenBox("cs_cs003", "chkFzdwkc", "商品库存中显示第一个辅助单位的数量", "chkFzdw"),
        hiddenBox("cs_cs026", "chkColor", "在商品信息中加入颜色信息"),
        hiddenBox("cs_cs027", "chkPdhb", "库存盘点批次合并"),

        constant("cs_tjcyjf", "0", "0"),
        constant("cs_posdj", "0", "0"),
        constant("cs_kp", "0", "0"),
        constant("cs_sprk", "0", "0"),
        constant("cs_spck", "0", "0"),
        constant("cs_ht", "0", "0"),
        constant("cs_spcz", "0", "0"),
        constant("cs_poshooktoday", "0", "1"),
        constant("cs_barcode", "0", "0"),
        constant("cs_posfkws", "2", "2"),
        constant("cs_cs004", "0", "0"),
        constant("cs_cs009", "0", "0"),
        constant("cs_cs014", "0", "0"),
        constant("cs_sms", "0", "0"),
        constant("cs_djsh", "0", "0"),
        constant("cs_wxzf", "0", "0"),
        constant("cs_posrq", "0", "0"),
        constant("cs_mchid", "", ""),
        constant("cs_key", "", ""),
        constant("cs_ts", "", ""),
    };
}

// The value a column gets from its control's value, before any zeroing.
QVariant columnValue(const SettingColumn& e, const QVariant& v)
{
    switch (e.kind) {
    case SettingKind::Box:
    case SettingKind::IntBox:
    case SettingKind::HiddenBox:
        return v.toBool() ? 1 : 0;
    case SettingKind::Choice:
    case SettingKind::HiddenChoice:
        return std::max(0, v.toInt());
    case SettingKind::Digits:
        return ClampedDigits(e, v.toString());
    case SettingKind::Number: {
        const double d = v.toString().trimmed().toDouble();
        return e.nonNegative && d < 0 ? 0.0 : d;
    }
    case SettingKind::Text:
        return v.toString().trimmed();
    case SettingKind::Constant:
        return e.written;
    }
    return {};
}

QVariant zeroOf(const SettingColumn& e)
{
    return e.kind == SettingKind::Number ? QVariant(0.0) : QVariant(0);
}

const QString kCompanyStatement = QStringLiteral(
    "update jxc_company set c_name=:name,c_jc=:jc,c_tele=:tele,c_lxr=:lxr,c_address=:address,c_note=:note");

// A company text as stored: trimmed, punctuation made safe, cut to its column (-1: not cut).
QString companyText(const QString& typed, int longest)
{
    const QString t = ToFullWidthText(typed.trimmed());
    return longest < 0 ? t : t.left(longest);
}

} // namespace

const std::vector<SettingColumn>& SettingColumns()
{
    static const std::vector<SettingColumn> columns = buildColumns();
    return columns;
}

const SettingColumn* SettingByControl(const QString& control)
{
    for (const SettingColumn& e : SettingColumns())
        if (!e.control.isEmpty() && e.control == control)
            return &e;
    return nullptr;
}

const SettingColumn* SettingByColumn(const QString& column)
{
    for (const SettingColumn& e : SettingColumns())
        if (e.column == column)
            return &e;
    return nullptr;
}

int ClampedDigits(const SettingColumn& entry, const QString& text)
{
    const int n = text.trimmed().toInt();
    return entry.clampMax < 0 ? n : std::clamp(n, 0, entry.clampMax);
}

QString SaveSystemSettings(
    const CompanyDetails& company, const QHash<QString, QVariant>& controls, const QString& employDate)
{
    if (company.name.trimmed().isEmpty() || company.shortName.trimmed().isEmpty())
        return QStringLiteral("公司信息必须填写！");

    Connection& c = F_DataModule->ADOConn;
    Transaction t(c);
    c.Exec(kCompanyStatement,
        { { QStringLiteral("name"), companyText(company.name, 64) },
            { QStringLiteral("jc"), companyText(company.shortName, 16) },
            { QStringLiteral("tele"), companyText(company.tele, -1) },
            { QStringLiteral("lxr"), companyText(company.contact, -1) },
            { QStringLiteral("address"), companyText(company.address, 128) },
            { QStringLiteral("note"), companyText(company.note, 200) } });

    // The new row starts from the stored one, so that columns this window does not
    // edit (the barcode method among them) keep their values.
    Query old(&c);
    old.SetSQL(QStringLiteral("select * from jxc_xtcs"));
    old.Open();
    QStringList columns;
    QHash<QString, QVariant> row;
    for (const QString& f : old.FieldNames()) {
        if (f.compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
            continue;
        columns << f;
        row.insert(f, old.IsEmpty() ? QVariant() : old.Value(f));
    }
    old.Close();

    for (const SettingColumn& e : SettingColumns()) {
        QVariant v = columnValue(e, controls.value(e.control));
        if (!e.zeroUnless.isEmpty() && !controls.value(e.zeroUnless).toBool())
            v = zeroOf(e);
        row.insert(e.column, v);
    }
    row.insert(QStringLiteral("cs_employdate"), employDate);

    c.Exec(QStringLiteral("delete from jxc_xtcs"));
    QStringList marks;
    QHash<QString, QVariant> params;
    for (int i = 0; i < columns.size(); ++i) {
        const QString p = QStringLiteral("p") + QString::number(i);
        marks << QLatin1Char(':') + p;
        params.insert(p, row.value(columns[i]));
    }
    c.Exec(QStringLiteral("insert into jxc_xtcs (") + columns.join(QLatin1Char(',')) + QStringLiteral(") values (")
            + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
        params);
    t.Commit();
    return {};
}

void RestoreDefaultSettings()
{
    Connection& c = F_DataModule->ADOConn;
    Transaction t(c);
    // An account set's cost method is chosen once; a restore must not switch it.
    const QString costMethod = SelectScalar(c, QStringLiteral("select cs_cs032 from jxc_xtcs"));
    CreateSettingsTable(c);
    CreateEmailTable(c);
    c.Exec(QStringLiteral("update jxc_xtcs set cs_employdate='1900-01-01'"));
    if (!costMethod.isEmpty())
        c.Exec(QStringLiteral("update jxc_xtcs set cs_cs032=:m"), { { QStringLiteral("m"), costMethod.toInt() } });
    t.Commit();
}
