#include "goodsgen.h"

#include "platform/db/connection.h"

#include <QString>

namespace {

// The statements use % for SQL's modulo and printf, so values go in by named tokens.
QString Fill(QString sql, std::initializer_list<std::pair<const char*, QString>> values)
{
    for (const auto& [token, value] : values)
        sql.replace(QLatin1String(token), value);
    return sql;
}

}

const char* GoodsgenCodeFormat()
{
    return "G%06d";
}

void GoodsgenFillShop(Connection& c, const GoodsgenSize& size)
{
    const int categories = size.topCategories * 10; // each top category and its nine children
    const QString last = QString::number(categories - 1);
    const QString fmt = QString::fromLatin1(GoodsgenCodeFormat());
    const QString used = QString::number(size.goods - size.freeGoods);
    c.Exec(QStringLiteral("begin"));
    // Category i: top i/10 is coded 1001 + i/10; its child i%10 (1..9) adds 99 + i%10.
    c.Exec(Fill(
        QStringLiteral(
            "with recursive n(i) as (select 0 union all select i+1 from n where i<{LAST}) "
            "insert into jxc_goodsclass (gc_name,gc_key,gc_pid,gc_cid,gc_sn,gc_jm) "
            "select '类别'||i, 3+i, case when i%10=0 then 1 else 3+i-i%10 end, 3+i, "
            "case when i%10=0 then cast(1001+i/10 as text) else cast(1001+i/10 as text)||cast(99+i%10 as text) end, "
            "'LB'||i from n"),
        { { "{LAST}", last } }));
    c.Exec(Fill(
        QStringLiteral(
            "with recursive n(i) as (select 0 union all select i+1 from n where i<{LAST}) "
            "insert into jxc_goods (g_sn,g_name,g_jm,gc_sn,gc_cid,dw_name,gg_name,color_name,cmz_name,g_kc,g_zhxs,g_jy,"
            "g_jj,g_sj,g_sj1,g_sj2,g_sj3,g_sj4,g_sj5,g_lsj,g_zdkc,g_sptm,g_gdcbj,g_iszp,g_tc,g_dzll) "
            "select printf('{FMT}',i), '商品'||i, 'SP'||i, "
            "(select gc_sn from jxc_goodsclass where gc_key=3+i%{CATS}), 3+i%{CATS}, '件', '款'||(i%37), '统一', "
            "'均码', "
            "i%50, 1, case when i%97=0 then 1 else 0 end, 10+i%90, 20+i%180, 0,0,0,0,0, 25+i%180, 1, "
            "printf('69%011d',i), 0, 0, 0, 1 from n"),
        { { "{LAST}", QString::number(size.goods - 1) }, { "{FMT}", fmt },
            { "{CATS}", QString::number(categories) } }));
    c.Exec(Fill(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<{LAST}) "
                               "insert into jxc_goodslist (gl_flag,gl_djh,gl_kdrq,g_sn,g_name,ck_sn,ck_name,gl_dj) "
                               "select case i%3 when 0 then 'jh' when 1 then 'xs' else 'qc' end, printf('DJ%09d',i/5), "
                               "'2024-01-01', printf('{FMT}',i%{USED}), '商品', '100001', '主仓库', 10 from n"),
        { { "{LAST}", QString::number(size.ledgerRows - 1) }, { "{FMT}", fmt }, { "{USED}", used } }));
    for (const char* table : { "jxc_jhsp", "jxc_lsxssp" })
        c.Exec(Fill(QStringLiteral("with recursive n(i) as (select 0 union all select i+1 from n where i<{LAST}) "
                                   "insert into {TABLE} (gl_djh,g_sn) select printf('{PREFIX}%09d',i/4), "
                                   "printf('{FMT}',(i*7)%{USED}) from n"),
            { { "{LAST}", QString::number(size.lines / 2 - 1) }, { "{FMT}", fmt }, { "{USED}", used },
                { "{TABLE}", QLatin1String(table) }, { "{PREFIX}", QLatin1String(table[4] == 'j' ? "JH" : "XS") } }));
    c.Exec(QStringLiteral("commit"));
    c.Exec(QStringLiteral("analyze"));
}
