#include "support/tradefixtures.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"

#include <algorithm>

namespace fixture {

namespace {

    using Params = QHash<QString, QVariant>;

    Connection& Db()
    {
        return F_DataModule->ADOConn;
    }

    void Run(const QString& sql, const Params& p = {})
    {
        Db().Exec(sql, p);
    }

    bool Exists(const QString& sql, const Params& p)
    {
        Query q(&Db());
        q.SetSQL(sql);
        for (auto it = p.begin(); it != p.end(); ++it)
            q.SetParam(it.key(), it.value());
        q.Open();
        return !q.IsEmpty();
    }

    // "code:name" or "code".
    std::pair<QString, QString> CodeAndName(const QString& spec)
    {
        const int colon = spec.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return { spec, spec };
        return { spec.left(colon), spec.mid(colon + 1) };
    }

    void EnsureNamed(const QString& table, const QString& codeColumn, const QString& nameColumn, const QString& spec)
    {
        const auto [code, name] = CodeAndName(spec);
        if (!Exists(QStringLiteral("select 1 from ") + table + QStringLiteral(" where ") + codeColumn
                    + QStringLiteral("=:c"),
                { { QStringLiteral("c"), code } }))
            Run(QStringLiteral("insert into ") + table + QStringLiteral(" (") + codeColumn + QStringLiteral(",")
                    + nameColumn + QStringLiteral(") values (:c,:n)"),
                { { QStringLiteral("c"), code }, { QStringLiteral("n"), name } });
    }

    QStringList Codes(const QStringList& specs)
    {
        QStringList out;
        for (const QString& s : specs)
            out << CodeAndName(s).first;
        return out.isEmpty() ? QStringList { QStringLiteral("100001") } : out;
    }

} // namespace

void AddGoods(const GoodsSpec& g)
{
    for (const QString& c : g.colors)
        EnsureNamed(QStringLiteral("jxc_color"), QStringLiteral("color_sn"), QStringLiteral("color_name"), c);
    for (const QString& s : g.sizes)
        EnsureNamed(QStringLiteral("jxc_cm"), QStringLiteral("cm_sn"), QStringLiteral("cm_name"), s);
    const QStringList colors = Codes(g.colors);
    const QStringList sizes = Codes(g.sizes);
    // Each goods has groups of its own, coded after it.
    const QString group = QStringLiteral("z") + g.sn.right(7);
    Run(QStringLiteral("insert into jxc_colorz (colorz_sn,colorz_name) values (:z,:n)"),
        { { QStringLiteral("z"), group }, { QStringLiteral("n"), g.name + QStringLiteral("颜色") } });
    Run(QStringLiteral("insert into jxc_cmz (cmz_sn,cmz_name) values (:z,:n)"),
        { { QStringLiteral("z"), group }, { QStringLiteral("n"), g.name + QStringLiteral("尺码") } });
    for (const QString& c : colors)
        Run(QStringLiteral("insert into jxc_colorz2 (colorz_sn,color_sn) values (:z,:c)"),
            { { QStringLiteral("z"), group }, { QStringLiteral("c"), c } });
    for (const QString& s : sizes)
        Run(QStringLiteral("insert into jxc_cmz2 (cmz_sn,cm_sn) values (:z,:c)"),
            { { QStringLiteral("z"), group }, { QStringLiteral("c"), s } });
    Run(QStringLiteral("insert into jxc_goods (g_sn,g_name,g_jm,g_jj,g_pjjj,g_gdcbj,g_kc,colorz_sn,cmz_sn,dw_name,"
                       "g_sj,g_dzll,g_sptm) values (:g,:n,:g,:jj,:pj,:fixed,0,:z,:z,'件',:sj,:dzl,:tm)"),
        { { QStringLiteral("g"), g.sn }, { QStringLiteral("n"), g.name }, { QStringLiteral("jj"), g.purchasePrice },
            { QStringLiteral("pj"), g.average }, { QStringLiteral("fixed"), g.fixedCost ? 1 : 0 },
            { QStringLiteral("z"), group }, { QStringLiteral("sj"), g.salePrice },
            { QStringLiteral("dzl"), g.discount },
            { QStringLiteral("tm"), g.barcode.isEmpty() ? QVariant() : QVariant(g.barcode) } });
    if (!g.barcode.isEmpty())
        Run(QStringLiteral("insert into jxc_tm (g_sn,cm_sn,color_sn,tm_tm,g_sptm) values (:g,:s,:c,:tm,:g)"),
            { { QStringLiteral("g"), g.sn },
                { QStringLiteral("s"), sizes.isEmpty() ? QStringLiteral("100001") : sizes.first() },
                { QStringLiteral("c"), colors.isEmpty() ? QStringLiteral("100001") : colors.first() },
                { QStringLiteral("tm"), g.barcode } });
    for (const QString& c : colors)
        for (const QString& s : sizes)
            Run(QStringLiteral("insert into jxc_tm (g_sn,cm_sn,color_sn,tm_tm,g_sptm) values (:g,:s,:c,:tm,:g)"),
                { { QStringLiteral("g"), g.sn }, { QStringLiteral("s"), s }, { QStringLiteral("c"), c },
                    { QStringLiteral("tm"), g.sn + c + s } });
}

void AddColorSizeStock(
    const QString& goods, const QString& warehouse, const QString& color, const QString& size, double qty)
{
    Run(QStringLiteral("insert into jxc_tkc (g_sn,ck_sn,cm_sn,color_sn,t_sl) values (:g,:ck,:s,:c,:q)"),
        { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse }, { QStringLiteral("s"), size },
            { QStringLiteral("c"), color }, { QStringLiteral("q"), qty } });
}

void AddWarehouse(const QString& sn, const QString& name)
{
    Run(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_asn,ck_aname) values (:s,:n,:a,:an)"),
        { { QStringLiteral("s"), sn }, { QStringLiteral("n"), name },
            { QStringLiteral("a"), CurrentAdminSn + QStringLiteral(",") },
            { QStringLiteral("an"), CurrentAdminName + QStringLiteral(",") } });
}

void AddSupplier(const QString& sn, const QString& name)
{
    Run(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_lwje) values (:s,:n,0)"),
        { { QStringLiteral("s"), sn }, { QStringLiteral("n"), name } });
}

void AddCustomer(const QString& sn, const QString& name)
{
    Run(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_lwje) values (:s,:n,0)"),
        { { QStringLiteral("s"), sn }, { QStringLiteral("n"), name } });
}

void AddStaff(const QString& sn, const QString& name)
{
    Run(QStringLiteral("insert into jxc_user (u_sn,u_name,u_cgpl,u_xspl,u_cg,u_xs,u_kc) values (:s,:n,0,0,1,1,1)"),
        { { QStringLiteral("s"), sn }, { QStringLiteral("n"), name } });
}

void AddAccount(const QString& sn, const QString& name)
{
    Run(QStringLiteral("insert into jxc_yhzh (yh_sn,yh_type,yh_name,yh_zje) values (:s,'现金',:n,0)"),
        { { QStringLiteral("s"), sn }, { QStringLiteral("n"), name } });
}

const TradeTables& TablesOf(Trade kind)
{
    static const TradeTables goodsIn { "jxc_jhd", "jxc_jhsp", "jxc_jhspmx", "j_jhrq", "ghs_sn", "j_status", "jh_dj",
        "jh_sl", "jh_je", "jh_zje", "jh_dzl" };
    static const TradeTables purchaseReturn { "jxc_thd", "jxc_thsp", "jxc_thspmx", "th_thrq", "ghs_sn", "th_status",
        "th_dj", "th_sl", "th_je", "th_zje", "th_dzl" };
    static const TradeTables sale { "jxc_lsxsd", "jxc_lsxssp", "jxc_lsxsspmx", "ls_xsrq", "kh_sn", "ls_status", "ls_dj",
        "ls_sl", "ls_je", "ls_zje", "ls_dzl" };
    static const TradeTables salesReturn { "jxc_xsthd", "jxc_xsthsp", "jxc_xsthspmx", "th_xsrq", "kh_sn", "th_status",
        "th_dj", "th_sl", "th_je", "th_zje", "th_dzl" };
    switch (kind) {
    case Trade::GoodsIn:
        return goodsIn;
    case Trade::PurchaseReturn:
        return purchaseReturn;
    case Trade::Sale:
        return sale;
    case Trade::SalesReturn:
        break;
    }
    return salesReturn;
}

QList<qint64> AddDocument(const DocSpec& doc)
{
    const TradeTables& t = TablesOf(doc.kind);
    double total = 0;
    for (const LineSpec& l : doc.lines)
        total += l.qty * l.price;
    // Returns keep their header amounts negative.
    const bool isReturn = doc.kind == Trade::PurchaseReturn || doc.kind == Trade::SalesReturn;
    const QString amountColumn = t.status.left(t.status.indexOf(QLatin1Char('_'))) + QStringLiteral("_yfje");
    Run(QStringLiteral("insert into ") + t.header + QStringLiteral(" (gl_djh,") + t.partner
            + QStringLiteral(",ck_sn,u_sn,a_name,") + t.date + QStringLiteral(",") + t.status + QStringLiteral(",")
            + amountColumn + QStringLiteral(") values (:djh,:p,:ck,:u,:a,:d,:st,:je)"),
        { { QStringLiteral("djh"), doc.number }, { QStringLiteral("p"), doc.partner },
            { QStringLiteral("ck"), doc.warehouse }, { QStringLiteral("u"), doc.staff },
            { QStringLiteral("a"), CurrentAdminName }, { QStringLiteral("d"), doc.date },
            { QStringLiteral("st"), doc.status }, { QStringLiteral("je"), isReturn ? -total : total } });
    QList<qint64> ids;
    for (const LineSpec& l : doc.lines) {
        Run(QStringLiteral("insert into ") + t.lines + QStringLiteral(" (gl_djh,g_sn,a_name,") + t.price
                + QStringLiteral(",") + t.qty + QStringLiteral(",") + t.amount + QStringLiteral(",") + t.total
                + QStringLiteral(",") + t.discount + QStringLiteral(") values (:djh,:g,:a,:dj,:sl,:je,:je,1)"),
            { { QStringLiteral("djh"), doc.number }, { QStringLiteral("g"), l.goods },
                { QStringLiteral("a"), CurrentAdminName }, { QStringLiteral("dj"), l.price },
                { QStringLiteral("sl"), l.qty }, { QStringLiteral("je"), l.qty * l.price } });
        const qint64 id = Db().LastInsertId();
        ids << id;
        Run(QStringLiteral("update ") + t.lines + QStringLiteral(" set tid=id where id=:id"),
            { { QStringLiteral("id"), id } });
        QList<SizeQty> rows = l.rows;
        if (rows.isEmpty())
            rows << SizeQty { QStringLiteral("100001"), QStringLiteral("100001"), l.qty };
        for (const SizeQty& r : rows)
            Run(QStringLiteral("insert into ") + t.detail
                    + QStringLiteral(" (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) values (:djh,:g,:s,:c,:q,:a,:tid)"),
                { { QStringLiteral("djh"), doc.number }, { QStringLiteral("g"), l.goods },
                    { QStringLiteral("s"), r.size }, { QStringLiteral("c"), r.color }, { QStringLiteral("q"), r.qty },
                    { QStringLiteral("a"), CurrentAdminName }, { QStringLiteral("tid"), id } });
    }
    return ids;
}

qint64 AddLedgerRow(const LedgerSpec& r)
{
    Run(QStringLiteral("insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,ck_sn,gl_sl,gl_je,gl_zje,gl_dj,gl_zcb,"
                       "gl_cbj,tid,id2,a_name) values (:k,:djh,:d,:g,:ck,:sl,:je,:je,:dj,:zcb,0,:tid,:tid,:a)"),
        { { QStringLiteral("k"), r.kind }, { QStringLiteral("djh"), r.number }, { QStringLiteral("d"), r.date },
            { QStringLiteral("g"), r.goods }, { QStringLiteral("ck"), r.warehouse }, { QStringLiteral("sl"), r.qty },
            { QStringLiteral("je"), r.amount }, { QStringLiteral("dj"), r.price }, { QStringLiteral("zcb"), r.cost },
            { QStringLiteral("tid"), r.lineId }, { QStringLiteral("a"), CurrentAdminName } });
    return Db().LastInsertId();
}

void SetWarehouseStock(const QString& goods, const QString& warehouse, double qty, double cost, double bookQty)
{
    const Params p { { QStringLiteral("g"), goods }, { QStringLiteral("ck"), warehouse }, { QStringLiteral("q"), qty },
        { QStringLiteral("c"), cost }, { QStringLiteral("b"), bookQty }, { QStringLiteral("z"), qty * cost } };
    Run(QStringLiteral("update jxc_kcsp set kc_sl=:q,kc_cbj=:c,kc_zsl=:b,kc_zcb=:z where g_sn=:g and ck_sn=:ck"), p);
    if (Db().Changes() == 0)
        Run(QStringLiteral("insert into jxc_kcsp (g_sn,ck_sn,kc_sl,kc_cbj,kc_zsl,kc_xssl,kc_zcb) "
                           "values (:g,:ck,:q,:c,:b,0,:z)"),
            p);
}

Snapshot TakeSnapshot()
{
    // Whole rows of the posted tables; of master rows only what postings keep in step.
    static const char* const kTables[][2] = {
        { "jxc_goodslist", "*" },
        { "jxc_goodslistmx", "*" },
        { "jxc_kcsp", "*" },
        { "jxc_tkc", "*" },
        { "jxc_kcjs", "*" },
        { "jxc_rklist", "*" },
        { "jxc_cklist", "*" },
        { "jxc_ysyfk", "*" },
        { "jxc_fpdjb", "*" },
        { "jxc_xjyh", "*" },
        { "jxc_yyfy", "*" },
        { "jxc_ysyfk_dj", "*" },
        { "jxc_goods", "g_sn,g_kc,g_pjjj" },
        { "jxc_khxx", "kh_sn,kh_lwje" },
        { "jxc_ghsxx", "ghs_sn,ghs_lwje" },
        { "jxc_hyxx", "hy_sn,hy_jf,hy_zjf,hy_zhje,hy_ye,hy_zje,hy_cs,hl_sn" },
    };
    Snapshot s;
    for (const auto& t : kTables) {
        Query q(&Db());
        q.SetSQL(QStringLiteral("select %1 from %2").arg(QLatin1String(t[1]), QLatin1String(t[0])));
        q.Open();
        const int idColumn = q.FieldIndex(QStringLiteral("id"));
        QStringList rows;
        for (int r = 0; r < q.RecordCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < q.FieldCount(); ++c)
                if (c != idColumn)
                    cells << q.FieldName(c) + QLatin1Char('=') + ValueText(q.ValueAt(r, c), q.IsBitColumn(c));
            rows << cells.join(QLatin1Char('|'));
        }
        rows.sort();
        s.tables[QLatin1String(t[0])] = rows;
    }
    return s;
}

QString Difference(const Snapshot& before, const Snapshot& after)
{
    QString out;
    for (const auto& [table, rows] : before.tables) {
        const QStringList other = after.tables.count(table) ? after.tables.at(table) : QStringList();
        for (const QString& r : rows)
            if (!other.contains(r))
                out += table + QStringLiteral(" - ") + r + QLatin1Char('\n');
        for (const QString& r : other)
            if (!rows.contains(r))
                out += table + QStringLiteral(" + ") + r + QLatin1Char('\n');
    }
    return out;
}

} // namespace fixture
