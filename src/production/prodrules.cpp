#include "production/prodrules.h"
#include "warehouse/stockdocs.h"

#include "documents/docdrafts.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/costprice.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

using namespace posting;

namespace {

// Relinks the lines copied under the number: each line's tid becomes its own id
// and the colour-by-size rows copied with the old tid follow it. Rows already
// relinked are marked by a negative tid until the end so that one pair never
// catches those of another.
void RelinkCopiedLines(const QString& lines, const QString& detail, const QString& number, const QString& who)
{
    Query pairs(&Db());
    OpenWithParams(pairs,
        QStringLiteral("select id,tid from ") + lines + QStringLiteral(" where gl_djh=:n and a_name=:a order by id"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), who } });
    for (int r = 0; r < pairs.RecordCount(); ++r) {
        const qint64 id = pairs.ValueAt(r, 0).toLongLong();
        const Params p { { QStringLiteral("neg"), -id }, { QStringLiteral("old"), pairs.ValueAt(r, 1) },
            { QStringLiteral("n"), number }, { QStringLiteral("a"), who } };
        Run(QStringLiteral("update ") + detail
                + QStringLiteral(" set tid=:neg where gl_djh=:n and a_name=:a and tid=:old and tid>0"),
            p);
        Run(QStringLiteral("update ") + lines + QStringLiteral(" set tid=id where id=:id"),
            { { QStringLiteral("id"), id } });
    }
    Run(QStringLiteral("update ") + detail + QStringLiteral(" set tid=-tid where gl_djh=:n and a_name=:a and tid<0"),
        { { QStringLiteral("n"), number }, { QStringLiteral("a"), who } });
}

} // namespace

ProdScanResult ScanProdBarcode(const ProdKind& kind, const ProdScanInput& in)
{
    ProdScanResult r;
    r.number = in.number;
    const QString code = in.code.trimmed();
    if (code.isEmpty())
        return r;
    const DocKind& d = kind.Doc();
    const ScannedBarcode scanned = LookUpBarcode(code, in.noRepeat ? d.lines : QString(), r.number);
    if (!scanned.refusal.isEmpty()) {
        r.message = scanned.refusal;
        return r;
    }
    const QString& goods = scanned.goods;
    double price = 0;
    if (kind.dept) {
        price = GetCostPrice(goods, in.warehouse, in.day);
    } else {
        const QString column = PurchasePriceDefault == QLatin1String("1") ? QStringLiteral("g_scjj")
            : PurchasePriceDefault == QLatin1String("2")                  ? QStringLiteral("g_jj")
                                                                          : QStringLiteral("g_pjjj");
        price
            = RoundUp(FirstNumber(QStringLiteral("select ") + column + QStringLiteral(" from jxc_goods where g_sn=:g"),
                          { { QStringLiteral("g"), goods } }),
                AmountDecimals);
    }
    const double total = IsTrue(RoundTotals) ? RoundUp(price, TotalDecimals.toInt()) : price;

    Transaction t(Db());
    r.number = RedrawIfHeld(d, r.number, in.day);
    r.lineId = InsertRow(d.lines,
        { { QStringLiteral("gl_djh"), r.number }, { d.Col("dj"), price }, { d.Col("sl"), 1 }, { d.Col("zje"), total },
            { QStringLiteral("g_sn"), goods }, { QStringLiteral("a_name"), CurrentAdminName }, { d.Col("flag"), 1 } });
    Run(QStringLiteral("update ") + d.lines + QStringLiteral(" set tid=id where id=:id"),
        { { QStringLiteral("id"), r.lineId } });
    InsertRow(d.detail,
        { { QStringLiteral("gl_djh"), r.number }, { QStringLiteral("g_sn"), goods },
            { QStringLiteral("cm_sn"), scanned.size }, { QStringLiteral("color_sn"), scanned.color },
            { QStringLiteral("t_sl"), 1 }, { QStringLiteral("a_name"), CurrentAdminName },
            { QStringLiteral("tid"), r.lineId } });
    t.Commit();
    return r;
}

void DeleteProdDetailRow(const ProdKind& kind, qint64 detailId, qint64 lineId)
{
    const DocKind& d = kind.Doc();
    const Params id { { QStringLiteral("id"), lineId } };
    Transaction t(Db());
    Run(QStringLiteral("delete from ") + d.detail + QStringLiteral(" where id=:e"),
        { { QStringLiteral("e"), detailId } });
    const double rest
        = FirstNumber(QStringLiteral("select sum(t_sl) from ") + d.detail + QStringLiteral(" where tid=:id"), id);
    if (rest == 0)
        Run(QStringLiteral("delete from ") + d.lines + QStringLiteral(" where id=:id"), id);
    else
        Run(QStringLiteral("update ") + d.lines + QStringLiteral(" set ") + d.Col("sl") + QStringLiteral("=:q,")
                + d.Col("zje") + QStringLiteral("=") + d.Col("dj") + QStringLiteral("*:q where id=:id"),
            { { QStringLiteral("id"), lineId }, { QStringLiteral("q"), rest } });
    t.Commit();
}

double UpdateProdPendingTotal(const ProdKind& kind, const QString& number)
{
    const DocKind& d = kind.Doc();
    const Params n { { QStringLiteral("n"), number } };
    const double sum = FirstNumber(QStringLiteral("select sum(") + d.Col("zje") + QStringLiteral(") from ") + d.lines
            + QStringLiteral(" where gl_djh=:n") + (kind.dept ? QString() : QStringLiteral(" and g_sn<>'00000000'")),
        n);
    const double total = kind.sign * sum;
    QStringList sets;
    for (const QString& c : kind.totalColumns)
        sets << c + QStringLiteral("=:t");
    Run(QStringLiteral("update ") + d.header + QStringLiteral(" set ") + sets.join(QLatin1Char(','))
            + QStringLiteral(" where gl_djh=:n"),
        { { QStringLiteral("n"), number }, { QStringLiteral("t"), total } });
    return total;
}

QString ApproveProdDocument(const ProdKind& kind, const QString& number)
{
    Transaction t(Db());
    const QString refusal = kind.approve(number);
    t.Commit();
    return refusal;
}

void DeleteProdDocument(const ProdKind& kind, const QString& number)
{
    const DocKind& d = kind.Doc();
    const Params n { { QStringLiteral("n"), number } };
    Transaction t(Db());
    for (const QString& table : { d.header, d.lines, d.detail })
        Run(QStringLiteral("delete from ") + table + QStringLiteral(" where gl_djh=:n"), n);
    WriteLog(kind.deleteLog + number);
    t.Commit();
}

TakeOverResult TakeOverGoodsIn(const QString& number, const QString& goodsInNo)
{
    TakeOverResult r;
    Query h(&Db());
    OpenWithParams(h,
        QStringLiteral("select a.j_note,c.ck_name,d.u_name from jxc_jhd a left join jxc_ckxx c on a.ck_sn=c.ck_sn "
                       "left join jxc_user d on a.u_sn=d.u_sn where a.gl_djh=:s order by a.id limit 1"),
        { { QStringLiteral("s"), goodsInNo } });
    if (h.IsEmpty())
        return r;
    r.found = true;
    r.note = h.AsString(QStringLiteral("j_note"));
    r.warehouseName = h.AsString(QStringLiteral("ck_name"));
    r.handlerName = h.AsString(QStringLiteral("u_name"));
    const Params p { { QStringLiteral("n"), number }, { QStringLiteral("a"), CurrentAdminName },
        { QStringLiteral("s"), goodsInNo } };
    Transaction t(Db());
    Run(QStringLiteral(
            "insert into jxc_bmlysp (gl_djh,ly_sl,ly_dj,ly_zje,g_sn,a_name,ly_flag,t_ph,gl_djh2,tid) "
            "select :n,jh_sl,jh_dj,jh_je,g_sn,:a,1,jh_bz,gl_djh,tid from jxc_jhsp where gl_djh=:s order by id"),
        p);
    Run(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,g_sn,cm_sn,"
                       "color_sn,t_sl,:a,tid from jxc_jhspmx where gl_djh=:s order by id"),
        p);
    RelinkCopiedLines(QStringLiteral("jxc_bmlysp"), QStringLiteral("jxc_bmlyspmx"), number, CurrentAdminName);
    t.Commit();
    return r;
}

QString WholeReturn(const QString& number, const QString& day, const QString& requisition)
{
    const DocKind& d = DeptReturnKind().Doc();
    Transaction t(Db());
    const QString no = RedrawIfHeld(d, number, day);
    // Only the operator's own draft is replaced.
    const Params own { { QStringLiteral("n"), no }, { QStringLiteral("a"), CurrentAdminName } };
    Run(QStringLiteral("delete from jxc_bmlysp where gl_djh=:n and a_name=:a"), own);
    Run(QStringLiteral("delete from jxc_bmlyspmx where gl_djh=:n and a_name=:a"), own);
    const Params p { { QStringLiteral("n"), no }, { QStringLiteral("a"), CurrentAdminName },
        { QStringLiteral("s"), requisition } };
    Run(QStringLiteral("insert into jxc_bmlysp (gl_djh,ly_sl,ly_dj,ly_zje,g_sn,a_name,ly_flag,t_ph,ly_hhsl,ly_qxsl,"
                       "gl_djh2,id2,tid) select :n,ly_sl,ly_dj,ly_sl*ly_dj,g_sn,:a,-1,t_ph,0,0,gl_djh,id2,tid from "
                       "jxc_bmlysp where ly_sl>ly_hhsl+ly_qxsl and gl_djh=:s order by id"),
        p);
    Run(QStringLiteral("insert into jxc_bmlyspmx (gl_djh,g_sn,cm_sn,color_sn,t_sl,a_name,tid) select :n,m.g_sn,"
                       "m.cm_sn,m.color_sn,m.t_sl,:a,m.tid from jxc_bmlyspmx m where m.gl_djh=:s and m.tid in (select "
                       "l.tid from jxc_bmlysp l where l.gl_djh=:s and l.ly_sl>l.ly_hhsl+l.ly_qxsl) order by m.id"),
        p);
    RelinkCopiedLines(QStringLiteral("jxc_bmlysp"), QStringLiteral("jxc_bmlyspmx"), no, CurrentAdminName);
    t.Commit();
    return no;
}

void WriteOffRest(const QString& requisition)
{
    const Params p { { QStringLiteral("s"), requisition } };
    Transaction t(Db());
    Run(QStringLiteral("update jxc_bmlysp set ly_qxsl=ly_sl-ly_hhsl where ly_sl>ly_hhsl+ly_qxsl and gl_djh=:s"), p);
    Run(QStringLiteral("update jxc_bmlysp set ly_qxsl=0 where ly_qxsl<0 and gl_djh=:s"), p);
    t.Commit();
}

ProdDateResult ChangeProdDocDate(const ProdKind& kind, const ProdDateChange& c)
{
    const DocKind& d = kind.Doc();
    ProdDateResult r;
    r.number = c.startNumber;
    if (d.prefix == QLatin1String("ST")) {
        const QVariant missing
            = First(QStringLiteral("select g_sn from jxc_scrksp where gl_djh=:n and g_sn not in "
                                   "(select g_sn from jxc_kcsp where ck_sn=:ck) order by id limit 1"),
                { { QStringLiteral("n"), c.startNumber }, { QStringLiteral("ck"), c.warehouse } });
        if (missing.isValid()) {
            r.refusal
                = QStringLiteral("当前仓库中不存在商品：“") + ValueText(missing) + QStringLiteral("”，不能更换仓库！");
            return r;
        }
    }
    Transaction t(Db());
    const bool newDay = c.startDate.left(10) != c.day;
    if (newDay)
        r.number = NextDocNo(d.lines, QStringLiteral("gl_djh"), d.prefix, c.day);
    // A new day keeps the document's time of day.
    const QString date = newDay ? c.day + c.startDate.mid(10) : c.startDate;
    Run(QStringLiteral("update ") + d.header + QStringLiteral(" set gl_djh=:n,ck_sn=:ck,de_sn=:de,u_sn=:u,")
            + d.dateColumn + QStringLiteral("=:d,") + kind.stock.noteColumn + QStringLiteral("=:note where gl_djh=:s"),
        { { QStringLiteral("n"), r.number }, { QStringLiteral("ck"), c.warehouse }, { QStringLiteral("de"), c.dept },
            { QStringLiteral("u"), c.handler }, { QStringLiteral("d"), date }, { QStringLiteral("note"), c.note },
            { QStringLiteral("s"), c.startNumber } });
    for (const QString& table : { d.lines, d.detail })
        Run(QStringLiteral("update ") + table + QStringLiteral(" set gl_djh=:n where gl_djh=:s"),
            { { QStringLiteral("n"), r.number }, { QStringLiteral("s"), c.startNumber } });
    t.Commit();
    return r;
}
