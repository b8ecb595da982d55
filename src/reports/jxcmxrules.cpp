#include "reports/jxcmxrules.h"

#include "foundation/datamodule.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "reports/jxcfilters.h"

#include <QStringList>
#include <iterator>

namespace {

// One member of the movement view: the ledger rows of a kind and how they show.
// Sides are price, quantity and amount; an empty side shows zeros.
struct LedgerMovementKind {
    const char* label;
    const char* rows;
    const char* in;
    const char* out;
};

#define POS_ZJE "x.gl_dj,x.gl_sl,x.gl_zje"
#define NEG_ZJE "x.gl_dj,-x.gl_sl,-x.gl_zje"

// Sales and their returns show at cost, goods-in, purchase returns and gift
// exchanges at the document amount, the rest at the stock value. Kinds that leave
// stock (xs, ly, jh, dh) carry a positive quantity, their returns a negative one.
const LedgerMovementKind kKinds[] = {
    { "期初数", "x.gl_flag='qc' and x.gl_sl<>0", POS_ZJE, nullptr },
    { "采购入库单", "x.gl_flag='cj'", "x.gl_dj,x.gl_sl,x.gl_je", nullptr },
    { "采购退货单", "x.gl_flag='ct'", nullptr, "x.gl_dj,-x.gl_sl,-x.gl_je" },
    { "商品销售单", "x.gl_flag='xs' and x.gl_sl>=0", nullptr, "x.gl_cbj,x.gl_sl,x.gl_zcb" },
    { "销售退货单", "x.gl_flag='xt' or (x.gl_flag='xs' and x.gl_sl<0)", "x.gl_cbj,-x.gl_sl,abs(x.gl_zcb)", nullptr },
    { "库存盘点单", "x.gl_flag='pd'", POS_ZJE, nullptr },
    { "库存调拨入库", "x.gl_flag='db' and x.gl_sl>0", POS_ZJE, nullptr },
    { "库存调拨出库", "x.gl_flag='db' and x.gl_sl<0", nullptr, NEG_ZJE },
    { "商品报损", "x.gl_flag='bs'", nullptr, NEG_ZJE },
    { "商品报溢", "x.gl_flag='by'", POS_ZJE, nullptr },
    { "被拆分出库", "x.gl_flag='cf' and x.gl_sl<0", nullptr, NEG_ZJE },
    { "拆分入库", "x.gl_flag='cf' and x.gl_sl>0", POS_ZJE, nullptr },
    { "被捆绑出库", "x.gl_flag='kb' and x.gl_sl<0", nullptr, NEG_ZJE },
    { "捆绑入库", "x.gl_flag='kb' and x.gl_sl>0", POS_ZJE, nullptr },
    { "积分换赠品", "x.gl_flag='dh'", nullptr, "x.gl_dj,x.gl_sl,x.gl_je" },
    { "生产入库单", "x.gl_flag='sc'", POS_ZJE, nullptr },
    { "生产退回单", "x.gl_flag='st'", nullptr, NEG_ZJE },
    { "部门领用单", "x.gl_flag='ly'", nullptr, POS_ZJE },
    { "部门退回单", "x.gl_flag='lt'", NEG_ZJE, nullptr },
    { "加工入库", "x.gl_flag='jg'", POS_ZJE, nullptr },
    { "配料出库", "x.gl_flag='pl'", nullptr, NEG_ZJE },
    { "外发加工收货", "x.gl_flag='ws'", POS_ZJE, nullptr },
    { "外发配料消耗", "x.gl_flag='wp'", nullptr, NEG_ZJE },
    { "外发配料调整", "x.gl_flag='wt'", nullptr, NEG_ZJE },
    { "客户借货", "x.gl_flag='jh'", nullptr, POS_ZJE },
    { "客户还货", "x.gl_flag='hh'", POS_ZJE, nullptr },
};

#undef POS_ZJE
#undef NEG_ZJE

QString sideColumns(const char* side, const char* prefix)
{
    const QStringList values = side ? QString::fromLatin1(side).split(QLatin1Char(','))
                                    : QStringList { QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0") };
    const QString p = QString::fromLatin1(prefix);
    return values[0] + QStringLiteral(" as ") + p + QStringLiteral("dj,") + values[1] + QStringLiteral(" as ") + p
        + QStringLiteral("sl,") + values[2] + QStringLiteral(" as ") + p + QStringLiteral("je");
}

// The ledger columns every row shows; `names` is "y" for the goods' own texts or
// "x" for those the ledger row carries. Each is named, so that the union's order
// can name it.
QString ledgerColumns(const QString& names)
{
    QStringList columns;
    for (const char* c : { "g_name", "dw_name", "gg_name", "color_name" })
        columns << names + QLatin1Char('.') + QLatin1String(c) + QStringLiteral(" as ") + QLatin1String(c);
    columns << QStringLiteral("y.g_sccs as g_sccs") << QStringLiteral("z.gc_name as gc_name");
    for (const char* c : { "id", "gl_flag", "gl_djh", "gl_kdrq", "g_sn", "gl_kc", "gl_pjjj", "gl_kczje", "gl_checker",
             "gl_chkrq", "gl_sqsl", "gl_sqje", "a_name", "ghs_name", "ck_name", "gl_note" })
        columns << QStringLiteral("x.") + QLatin1String(c) + QStringLiteral(" as ") + QLatin1String(c);
    return columns.join(QLatin1Char(','));
}

const QString kJoins
    = QStringLiteral(" from jxc_goodslist x,jxc_goods y,jxc_goodsclass z where x.g_sn=y.g_sn and y.gc_sn=z.gc_sn ");

QString commonConditions(const DetailFilter& f, const QString& textAlias)
{
    QString sql = GoodsTextMatch(textAlias, f.key, f.exact);
    if (!f.category.isEmpty())
        sql += QStringLiteral(" and y.gc_sn like '") + SafeSqlText(f.category) + QStringLiteral("%' ");
    return sql + LedgerWarehouseScope(f.warehouse, QStringLiteral("x"));
}

} // namespace

QString MovementStatement(const DetailFilter& f)
{
    // One pass over the period's rows: the kinds exclude one another, so each row
    // takes the label and sides of the one kind that admits it.
    QStringList admitted;
    for (const LedgerMovementKind& k : kKinds)
        admitted << QStringLiteral("(") + QString::fromLatin1(k.rows) + QLatin1Char(')');
    const int kinds = int(std::size(kKinds));
    QString sql = QStringLiteral("select ") + ledgerColumns(QStringLiteral("y")) + QStringLiteral(",case");
    for (int n = 0; n < kinds; ++n)
        sql += QStringLiteral(" when ") + admitted[n] + QStringLiteral(" then '") + QString::fromUtf8(kKinds[n].label)
            + QLatin1Char('\'');
    sql += QStringLiteral(" end as dnote");
    static const char* const kValues[] = { "dj", "sl", "je" };
    for (const char* prefix : { "rk", "ck" })
        for (int i = 0; i < 3; ++i) {
            sql += QStringLiteral(",case");
            for (int n = 0; n < kinds; ++n)
                if (const char* side = qstrcmp(prefix, "rk") == 0 ? kKinds[n].in : kKinds[n].out)
                    sql += QStringLiteral(" when ") + admitted[n] + QStringLiteral(" then ")
                        + QString::fromLatin1(side).split(QLatin1Char(','))[i];
            sql += QStringLiteral(" else 0 end as ") + QLatin1String(prefix) + QLatin1String(kValues[i]);
        }
    // The kinds first, so that the period is read down the ledger's kind index.
    return sql + kJoins + QStringLiteral(" and ") + LedgerKindsNamed(admitted, QStringLiteral("x"))
        + QStringLiteral(" and (") + admitted.join(QStringLiteral(" or ")) + QStringLiteral(") and ")
        + PeriodCondition(QStringLiteral("x.gl_kdrq"), f.from, f.to) + commonConditions(f, QStringLiteral("y"))
        + QStringLiteral(" order by ck_name,g_sn,gl_kdrq,id");
}

QString OpeningEntriesStatement(const DetailFilter& f, bool hideZero)
{
    QString sql = QStringLiteral("select ") + ledgerColumns(QStringLiteral("x")) + QStringLiteral(",'期初数' as dnote,")
        + sideColumns("x.gl_dj,x.gl_sl,x.gl_zje", "rk") + QLatin1Char(',') + sideColumns(nullptr, "ck") + kJoins
        + QStringLiteral(" and x.gl_flag='qc' ");
    if (hideZero)
        sql += QStringLiteral(" and x.gl_sl<>0 ");
    return sql + commonConditions(f, QStringLiteral("x")) + QStringLiteral(" order by x.g_sn,x.gl_kdrq,x.id");
}

void OpenLedgerRows(Query& rows, const QString& statement)
{
    SetQuerySQL(rows, statement);
    rows.OpenPaged(200);
}
