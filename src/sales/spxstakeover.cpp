#include "sales/spxstakeover.h"

#include "foundation/globals.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"

using namespace posting;

double TakeOverGoodsInToSale(const QString& goodsInNo, const QString& number)
{
    const Params p { { QStringLiteral("n"), number }, { QStringLiteral("cj"), goodsInNo },
        { QStringLiteral("a"), CurrentAdminName } };
    Transaction t(Db());
    Run(QStringLiteral(
            "insert into jxc_lsxssp (gl_djh,ls_dj,ls_sl,ls_zje,g_sn,a_name,ls_dzl,ls_zhje,t_zp,tid,ls_je,ls_tax,"
            "ls_taxdj,ls_taxje,ls_lsj,ls_cksl,ls_cbj,ls_zcb,ls_cbj2,ls_bz) select :n,b.g_sj,a.jh_sl,"
            "b.g_sj*a.jh_sl*a.jh_dzl*(1+a.jh_tax/100.00),a.g_sn,:a,a.jh_dzl,0,'',a.tid,b.g_sj*a.jh_sl*a.jh_dzl,"
            "a.jh_tax,b.g_sj*(1+a.jh_tax/100.00),b.g_sj*a.jh_sl*a.jh_dzl*a.jh_tax/100.00,b.g_lsj,a.jh_sl,a.jh_dj,"
            "a.jh_zje,a.jh_dj,a.jh_bz from jxc_jhsp a,jxc_goods b where a.g_sn=b.g_sn and a.gl_djh=:cj order by a.id"),
        p);
    // Each row goes straight to the line made from its own goods-in line (the number
    // is new, so every line under it was just copied); rows of lines not copied stay
    // behind rather than belong to no line.
    Run(QStringLiteral("insert into jxc_lsxsspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,m.g_sn,"
                       "m.cm_sn,m.color_sn,m.t_sl,:a,l.id from jxc_jhspmx m,jxc_lsxssp l where m.gl_djh=:cj "
                       "and l.gl_djh=:n and l.a_name=:a and l.tid=m.tid order by m.id"),
        p);
    Run(QStringLiteral("update jxc_lsxssp set tid=id where gl_djh=:n and a_name=:a"), p);
    const double total
        = FirstNumber(QStringLiteral("select sum(ls_zje) as zje from jxc_lsxssp where gl_djh=:n and a_name=:a"), p);
    t.Commit();
    return total;
}

GoodsInHeader ReadGoodsInHeader(const QString& goodsInNo)
{
    GoodsInHeader h;
    Query q(&Db());
    OpenWithParams(q,
        QStringLiteral("select a.j_note,c.ck_name,d.u_name from jxc_jhd a,jxc_ckxx c,jxc_user d where "
                       "a.ck_sn=c.ck_sn and a.u_sn=d.u_sn and a.gl_djh=:cj"),
        { { QStringLiteral("cj"), goodsInNo } });
    if (q.IsEmpty())
        return h;
    h.found = true;
    h.note = q.AsString(QStringLiteral("j_note"));
    h.warehouse = q.AsString(QStringLiteral("ck_name"));
    h.handler = q.AsString(QStringLiteral("u_name"));
    return h;
}
