#include "posting/printdata.h"

#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "foundation/stockservices.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

#include <QHash>
#include <array>
#include <map>
#include <tuple>

namespace {

// A text as an SQL literal; the returned statement is opened by the caller, so
// values go in as text, with apostrophes doubled.
QString Literal(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

posting::Params DocParams(const QString& number)
{
    return { { QStringLiteral("n"), number }, { QStringLiteral("op"), CurrentAdminName } };
}

const char* LogText(const QString& prefix)
{
    static const QHash<QString, const char*> texts = {
        { QStringLiteral("CJ"), "打印采购进货单" },
        { QStringLiteral("CT"), "打印采购退货单" },
        { QStringLiteral("XS"), "打印商品销售单" },
        { QStringLiteral("XT"), "打印顾客退货单" },
        { QStringLiteral("XH"), "打印商品换货单" },
        { QStringLiteral("CD"), "打印采购订单" },
        { QStringLiteral("XD"), "打印销售订单" },
        { QStringLiteral("DB"), "打印库存调拨单" },
        { QStringLiteral("PD"), "打印库存盘点单" },
        { QStringLiteral("CF"), "打印商品拆分单" },
        { QStringLiteral("KB"), "打印商品捆绑单" },
        { QStringLiteral("khjh"), "打印客户借货单" },
        { QStringLiteral("JG"), "打印产品加工单" },
        { QStringLiteral("SC"), "打印生产入库单" },
        { QStringLiteral("ST"), "打印生产退回单" },
        { QStringLiteral("LY"), "打印部门领用单" },
        { QStringLiteral("LT"), "打印部门退回单" },
        { QStringLiteral("WF"), "打印外发加工单" },
        { QStringLiteral("WS"), "打印外发收货单" },
        { QStringLiteral("WT"), "打印外发调整单" },
        { QStringLiteral("BS"), "打印商品报损单" },
        { QStringLiteral("BY"), "打印商品报溢单" },
    };
    return texts.value(prefix, "");
}

const QString kSalesCols = QStringLiteral(
    "coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,"
    "a.ls_taxdj*a.ls_dzl as sj,a.ls_dj*a.ls_dzl*e.t_sl as je,a.ls_taxdj*a.ls_dzl*e.t_sl as "
    "zje,b.g_bz,b.g_sccs,g.gc_name");
const QString kPurchaseCols = QStringLiteral(
    "b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,a.jh_dj*e.t_sl as je,a.jh_taxdj*e.t_sl as zje,"
    "b.g_bz,b.g_sccs,g.gc_name");

struct SizedKind {
    const char* lines;
    const char* detail;
    QString columns;
    bool withClass;
    bool byLineOrder;
};

// Documents kept by colour and size: one printed row per colour and size of a line.
const SizedKind* Sized(const QString& prefix)
{
    static const QHash<QString, SizedKind> kinds = {
        { QStringLiteral("XS"), { "jxc_lsxssp", "jxc_lsxsspmx", kSalesCols, true, true } },
        { QStringLiteral("XD"), { "jxc_xssp", "jxc_xsspmx", kSalesCols, true, true } },
        { QStringLiteral("XT"),
            { "jxc_xsthsp", "jxc_xsthspmx",
                QStringLiteral(
                    "b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,a.th_dj*a.th_dzl as sj,b.g_sptm,"
                    "a.th_dj*a.th_dzl*e.t_sl as je,a.th_taxdj*a.th_dzl*e.t_sl as zje,b.g_bz,b.g_sccs,g.gc_name"),
                true, false } },
        { QStringLiteral("CJ"), { "jxc_jhsp", "jxc_jhspmx", kPurchaseCols, true, true } },
        { QStringLiteral("CD"), { "jxc_cgsp", "jxc_cgspmx", kPurchaseCols, true, true } },
        { QStringLiteral("CT"),
            { "jxc_thsp", "jxc_thspmx",
                QStringLiteral("b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,a.th_dj*e.t_sl as je,"
                               "a.th_taxdj*e.t_sl as zje,b.g_bz,b.g_sccs,g.gc_name"),
                true, false } },
        { QStringLiteral("DB"),
            { "jxc_dbsp", "jxc_dbspmx", QStringLiteral("b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl"),
                false, false } },
        { QStringLiteral("SC"),
            { "jxc_scrksp", "jxc_scrkspmx",
                QStringLiteral(
                    "b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,a.sc_dj*e.t_sl as zje,b.g_bz,"
                    "b.g_sccs,g.gc_name"),
                true, false } },
        { QStringLiteral("LY"),
            { "jxc_bmlysp", "jxc_bmlyspmx",
                QStringLiteral(
                    "b.g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,e.t_sl,a.ly_dj*e.t_sl as zje,b.g_bz,"
                    "b.g_sccs,g.gc_name"),
                true, false } },
    };
    const QString key = prefix == QLatin1String("ST") ? QStringLiteral("SC")
        : prefix == QLatin1String("LT")               ? QStringLiteral("LY")
                                                      : prefix;
    auto it = kinds.constFind(key);
    return it == kinds.constEnd() ? nullptr : &*it;
}

// The order of printed purchase and sales lines: entry order, goods code or goods name.
QString LineOrder(const QString& entry, const QString& code, const QString& name, const QString& then)
{
    if (PrintLineOrder == QLatin1String("0"))
        return QStringLiteral(" order by ") + entry + then;
    if (PrintLineOrder == QLatin1String("1"))
        return QStringLiteral(" order by ") + code + then;
    if (PrintLineOrder == QLatin1String("2"))
        return QStringLiteral(" order by ") + name + then;
    return QString();
}

QString SizedStatement(const SizedKind& k, const QString& number)
{
    QString sql = QStringLiteral("select a.*,") + k.columns + QStringLiteral(" from ") + QLatin1String(k.lines)
        + QStringLiteral(" a,jxc_goods b,jxc_cm c,jxc_color d,") + QLatin1String(k.detail) + QStringLiteral(" e");
    if (k.withClass)
        sql += QStringLiteral(",jxc_goodsclass g");
    sql += QStringLiteral(" where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn "
                          "and e.color_sn=d.color_sn");
    if (k.withClass)
        sql += QStringLiteral(" and b.gc_sn=g.gc_sn");
    sql += QStringLiteral(" and a.gl_djh=") + Literal(number);
    const QString then = QStringLiteral(",e.color_sn,e.cm_sn");
    if (k.byLineOrder)
        sql += LineOrder(QStringLiteral("a.id"), QStringLiteral("a.g_sn"), QStringLiteral("b.g_name"), then);
    else
        sql += QStringLiteral(" order by a.id") + then;
    return sql;
}

QString LineStatement(const QString& prefix, const QString& number)
{
    const QString n = Literal(number);
    if (prefix == QLatin1String("BS") || prefix == QLatin1String("BY")) {
        const QString p = prefix == QLatin1String("BS") ? QStringLiteral("bs") : QStringLiteral("by");
        return QStringLiteral("select a.t_scrq,a.%1_sl as sl,a.%1_dj as dj,a.%1_zje as zje,a.%1_note as dnote,a.gl_djh,"
                              "b.g_name,b.dw_name,b.gg_name,b.color_name,a.g_sn,b.g_sccs from jxc_%1sp a,jxc_goods b "
                              "where a.g_sn=b.g_sn and a.gl_djh=%2 order by a.id")
            .arg(p, n);
    }
    if (prefix == QLatin1String("CF") || prefix == QLatin1String("KB"))
        return QStringLiteral(
            "select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,c.ck_name from jxc_%1sp a,jxc_goods b,"
            "jxc_ckxx c where a.g_sn=b.g_sn and a.ck_sn=c.ck_sn and a.gl_djh=%2 order by a.id")
            .arg(prefix.toLower(), n);
    if (prefix == QLatin1String("PD"))
        return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,b.color_name,a.pd_sl-a.kc_sl as cysl from "
                              "jxc_kcpdsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=%1 order by a.id desc")
            .arg(n);
    return QString();
}

// Pads the printed rows to a whole number of forms with empty rows. Sales count
// their colour-and-size rows, goods-in their lines.
QString FillFixedRows(bool sales, const QString& number, int rowsPerForm)
{
    ClearTempLines();
    const posting::Params p = DocParams(number);
    posting::Run(QStringLiteral("insert into jxc_tempspxf (rid,a_name) select id,:op from ")
            + (sales ? QStringLiteral("jxc_lsxsspmx") : QStringLiteral("jxc_jhsp"))
            + QStringLiteral(" where gl_djh=:n order by id"),
        p);
    const int n = int(posting::FirstNumber(QStringLiteral("select count(*) from jxc_tempspxf where a_name=:op"), p));
    const int k = rowsPerForm - n % rowsPerForm;
    if (k != rowsPerForm) {
        Transaction t(posting::Db());
        for (int i = 0; i < k; ++i)
            posting::Run(QStringLiteral("insert into jxc_tempspxf (rid,a_name) values (0,:op)"), p);
        t.Commit();
    }
    const QString op = Literal(CurrentAdminName);
    if (sales)
        return QStringLiteral(
                   "select y.* from jxc_tempspxf x left join (select e.id as eid,a.*,"
                   "coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,b.dw_name,b.gg_name,c.cm_name,d.color_name,"
                   "e.t_sl,a.ls_taxdj*a.ls_dzl as sj,a.ls_dj*a.ls_dzl*e.t_sl as je,a.ls_taxdj*a.ls_dzl*e.t_sl as zje,"
                   "b.g_bz,b.g_sccs,d.color_sn,c.cm_sn,g.gc_name from jxc_lsxssp a,jxc_goods b,jxc_cm c,jxc_color d,"
                   "jxc_lsxsspmx e,jxc_goodsclass g where a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and "
                   "e.cm_sn=c.cm_sn and e.color_sn=d.color_sn and b.gc_sn=g.gc_sn and a.gl_djh=")
            + Literal(number) + QStringLiteral(") y on x.rid=y.eid where x.a_name=") + op
            + LineOrder(QStringLiteral("x.id"), QStringLiteral("y.g_sn"), QStringLiteral("y.g_name"),
                QStringLiteral(",y.color_sn,y.cm_sn"));
    return QStringLiteral("select y.* from jxc_tempspxf x left join (select a.*,b.g_name,b.dw_name,b.gg_name,c.cm_name,"
                          "d.color_name,e.t_sl,a.jh_dj*e.t_sl as je,a.jh_taxdj*e.t_sl as zje,b.g_bz,b.g_sccs,g.gc_name "
                          "from jxc_jhsp a,jxc_goods b,jxc_cm c,jxc_color d,jxc_jhspmx e,jxc_goodsclass g where "
                          "a.g_sn=b.g_sn and a.gl_djh=e.gl_djh and a.id=e.tid and e.cm_sn=c.cm_sn and "
                          "e.color_sn=d.color_sn and b.gc_sn=g.gc_sn and a.gl_djh=")
        + Literal(number) + QStringLiteral(") y on x.rid=y.id where x.a_name=") + op
        + LineOrder(QStringLiteral("x.id"), QStringLiteral("y.g_sn"), QStringLiteral("y.g_name"), QString());
}

// Folds the sizes of one goods and colour of a line into one row: the size names
// joined, the quantities of the first eight size codes in columns, the rest apart.
QString MergeSizes(bool sales, const QString& number)
{
    const posting::Params p = DocParams(number);
    const QStringList codes = SelectColumn(
        posting::Db(), QStringLiteral("select cm_sn from jxc_cm where cm_sn<>'100001' order by cm_sn limit 8"));
    ClearTempLines();
    const QString detail = sales ? QStringLiteral("jxc_lsxsspmx") : QStringLiteral("jxc_jhspmx");
    posting::Run(QStringLiteral("insert into jxc_tempspxf (g_sn,ts_sl,hy_sn,rid,a_name) select g_sn,sum(t_sl),"
                                "color_sn,tid,:op from ")
            + detail + QStringLiteral(" where gl_djh=:n group by g_sn,color_sn,tid order by g_sn,color_sn,tid"),
        p);

    // The document's size rows, read once and grouped by goods, colour and line.
    using Key = std::tuple<QString, QString, qint64>;
    struct Group {
        QStringList names;
        std::array<double, 8> qty {};
    };
    std::map<Key, Group> groups;
    {
        Query q(&posting::Db());
        q.SetSQL(QStringLiteral("select a.g_sn,a.color_sn,a.tid,a.cm_sn,a.t_sl,b.cm_name from ") + detail
            + QStringLiteral(" a,jxc_cm b where a.cm_sn=b.cm_sn and a.gl_djh=:n order by a.id"));
        q.SetParam(QStringLiteral("n"), number);
        q.Open();
        for (int r = 0; r < q.RecordCount(); ++r) {
            Group& g = groups[{ q.TextAt(r, 0), q.TextAt(r, 1), qint64(ValueNumber(q.ValueAt(r, 2))) }];
            g.names << q.TextAt(r, 5);
            const int col = codes.indexOf(q.TextAt(r, 3));
            if (col >= 0)
                g.qty[col] = ValueNumber(q.ValueAt(r, 4));
        }
    }

    Query rows(&posting::Db());
    rows.SetSQL(QStringLiteral("select id,g_sn,hy_sn,rid,ts_sl from jxc_tempspxf where a_name=:op order by id"));
    rows.SetParam(QStringLiteral("op"), CurrentAdminName);
    rows.Open();
    Transaction t(posting::Db());
    static const char* const columns[8]
        = { "ts_dj", "ts_cbj", "ts_zcb", "ts_cbj2", "ts_je", "ts_tax", "ts_taxdj", "ts_taxje" };
    QString update = QStringLiteral("update jxc_tempspxf set t_ph=:names");
    for (int i = 0; i < 8; ++i)
        update += QStringLiteral(",%1=:q%2").arg(QLatin1String(columns[i])).arg(i);
    update += QStringLiteral(",ts_lsj=:rest where id=:id");
    for (int r = 0; r < rows.RecordCount(); ++r) {
        auto it = groups.find({ rows.TextAt(r, 1), rows.TextAt(r, 2), qint64(ValueNumber(rows.ValueAt(r, 3))) });
        if (it == groups.end() || it->second.names.isEmpty())
            continue;
        posting::Params u { { QStringLiteral("names"), it->second.names.join(QLatin1Char(',')) },
            { QStringLiteral("id"), rows.IdAt(r) } };
        double rest = ValueNumber(rows.ValueAt(r, 4));
        for (int i = 0; i < 8; ++i) {
            u.insert(QStringLiteral("q%1").arg(i), it->second.qty[i]);
            rest -= it->second.qty[i];
        }
        u.insert(QStringLiteral("rest"), posting::Round8(rest));
        posting::Run(update, u);
    }
    t.Commit();

    const QString tail = QStringLiteral(" and a.tid=c.rid and a.gl_djh=") + Literal(number)
        + QStringLiteral(" and c.a_name=") + Literal(CurrentAdminName)
        + LineOrder(
            QStringLiteral("a.id"), QStringLiteral("a.g_sn"), QStringLiteral("b.g_name"), QStringLiteral(",c.hy_sn"));
    if (sales)
        return QStringLiteral("select a.*,coalesce(b.g_name,'')||coalesce(a.t_zp,'') as g_name,b.dw_name,b.gg_name,"
                              "c.t_ph as cm_name,d.color_name,c.ts_sl as t_sl,a.ls_taxdj*a.ls_dzl as sj,"
                              "a.ls_dj*a.ls_dzl*c.ts_sl as je,a.ls_taxdj*a.ls_dzl*c.ts_sl as zje,b.g_bz,b.g_sccs,"
                              "d.color_sn,g.gc_name,c.ts_dj,c.ts_cbj,c.ts_zcb,c.ts_cbj2,c.ts_je,c.ts_tax,c.ts_taxdj,"
                              "c.ts_taxje,c.ts_lsj,c.ts_zje from jxc_lsxssp a,jxc_goods b,jxc_tempspxf c,jxc_color d,"
                              "jxc_goodsclass g where a.g_sn=b.g_sn and a.g_sn=c.g_sn and c.hy_sn=d.color_sn and "
                              "b.gc_sn=g.gc_sn")
            + tail;
    return QStringLiteral("select a.*,b.g_name,b.dw_name,b.gg_name,c.t_ph as cm_name,d.color_name,c.ts_sl as t_sl,"
                          "a.jh_dj*c.ts_sl as je,a.jh_taxdj*c.ts_sl as zje,b.g_bz,b.g_sccs,g.gc_name,c.ts_dj,c.ts_cbj,"
                          "c.ts_zcb,c.ts_cbj2,c.ts_je,c.ts_tax,c.ts_taxdj,c.ts_taxje,c.ts_lsj,c.ts_zje,c.hy_sn from "
                          "jxc_jhsp a,jxc_goods b,jxc_tempspxf c,jxc_color d,jxc_goodsclass g where a.g_sn=b.g_sn and "
                          "a.g_sn=c.g_sn and c.hy_sn=d.color_sn and b.gc_sn=g.gc_sn")
        + tail;
}

// The rows setting as a count of rows per form; anything but a positive whole
// number means no filler rows.
int RowsPerForm(const QString& setting)
{
    bool ok = false;
    const int r = setting.trimmed().toInt(&ok);
    return ok && r > 0 ? r : 0;
}

} // namespace

QString BuildColorSizePrintData(const QString& number, const QString& prefix)
{
    QString sql;
    if (const SizedKind* k = Sized(prefix))
        sql = SizedStatement(*k, number);
    else
        sql = LineStatement(prefix, number);

    const bool sales = prefix == QLatin1String("XS");
    if (sales || prefix == QLatin1String("CJ")) {
        if (const int rows = RowsPerForm(sales ? SalesPrintRows : PurchasePrintRows))
            sql = FillFixedRows(sales, number, rows);
        if (IsTrue(MergeSizesInPrint))
            sql = MergeSizes(sales, number);
    }
    WriteLog(QString::fromUtf8(LogText(prefix)));
    return sql;
}
