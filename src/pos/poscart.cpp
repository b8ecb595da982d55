#include "pos/poscart.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/settings.h"
#include "masterdata/boundsql.h"
#include "platform/base/clock.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "posting/postingdb.h"

namespace {

Connection& cartDb()
{
    return F_DataModule->ADOConn;
}

SqlParams cartKey(const QString& number, const QString& op)
{
    return { { QStringLiteral("n"), number }, { QStringLiteral("op"), op } };
}

}

namespace PosCart {

void Clear(const QString& number, const QString& op)
{
    DeleteAll(number, op);
}

QString Total(const QString& number, const QString& op)
{
    if (IsTrue(RoundTotals)) {
        const QString d = QString::number(TotalDecimals.toInt());
        ExecBound(QStringLiteral("update jxc_lsxssp set ls_zje=round(ls_zje,%1),ls_je=round(ls_je,%1),"
                                 "ls_zcb=round(ls_zcb,%1) where gl_djh=:n and a_name=:op")
                      .arg(d),
            cartKey(number, op));
    }
    return ScalarBound(
        QStringLiteral("select round(sum(ls_zje),2) as zje from jxc_lsxssp where gl_djh=:n and a_name=:op"),
        cartKey(number, op));
}

QString LinesTotal(const QString& number, const QString& op)
{
    const QString t = ScalarBound(QStringLiteral("select sum(ls_zje) as zje from jxc_lsxssp where g_sn<>'00000000' "
                                                 "and gl_djh=:n and a_name=:op"),
        cartKey(number, op));
    return t.isEmpty() ? QStringLiteral("0") : t;
}

int LineCount(const QString& number, const QString& op)
{
    return ScalarBound(
        QStringLiteral("select count(*) from jxc_lsxssp where gl_djh=:n and a_name=:op"), cartKey(number, op))
        .toInt();
}

QString FreeSaleNumber()
{
    // Held sales keep their number outside the cart and the retail documents, so the
    // next free number is the largest of the three.
    QString fresh;
    for (const char* table : { "jxc_lsxssp", "jxc_lsxsd", "jxc_posxsd" }) {
        const QString n = NextDocNoToday(QLatin1String(table), QStringLiteral("gl_djh"), QStringLiteral("XS"));
        if (n > fresh)
            fresh = n;
    }
    return fresh;
}

QString EnsureOwnNumber(const QString& number, const QString& op)
{
    const SqlParams key { { QStringLiteral("n"), number } };
    const bool stored = !ScalarBound(QStringLiteral("select 1 from jxc_lsxsd where gl_djh=:n limit 1"), key).isEmpty()
        || !ScalarBound(QStringLiteral("select 1 from jxc_posxsd where gl_djh=:n limit 1"), key).isEmpty();
    if (!stored && !DocNoExists(QStringLiteral("jxc_lsxssp"), QStringLiteral("gl_djh"), number))
        return number;
    const QString fresh = FreeSaleNumber();
    SqlParams p = cartKey(number, op);
    p.insert(QStringLiteral("fresh"), fresh);
    Transaction t(cartDb());
    ExecBound(QStringLiteral("update jxc_lsxssp set gl_djh=:fresh where gl_djh=:n and a_name=:op"), p);
    ExecBound(QStringLiteral("update jxc_lsxsspmx set gl_djh=:fresh where gl_djh=:n and a_name=:op"), p);
    t.Commit();
    return fresh;
}

qint64 Add(const QString& number, const QString& op, const NewLine& line)
{
    Transaction t(cartDb());
    SqlParams key = cartKey(number, op);
    key.insert(QStringLiteral("g"), line.goods);
    key.insert(QStringLiteral("cm"), line.size);
    key.insert(QStringLiteral("co"), line.colour);
    const QString found = ScalarBound(
        QStringLiteral("select a.id from jxc_lsxssp a,jxc_lsxsspmx b where a.gl_djh=b.gl_djh and a.id=b.tid "
                       "and a.gl_djh=:n and a.a_name=:op and b.a_name=:op and a.g_sn=:g and b.cm_sn=:cm "
                       "and b.color_sn=:co order by a.id limit 1"),
        key);
    if (!found.isEmpty()) {
        const SqlParams id { { QStringLiteral("id"), found.toLongLong() } };
        ExecBound(QStringLiteral("update jxc_lsxssp set ls_sl=ls_sl+1,ls_zje=ls_dhdj*(ls_sl+1),"
                                 "ls_je=ls_dhdj*(ls_sl+1),ls_cksl=ls_cksl+1,ls_zhje=ls_dhdj*(ls_sl+1) where id=:id"),
            id);
        ExecBound(QStringLiteral("update jxc_lsxsspmx set t_sl=t_sl+1 where tid=:id"), id);
        t.Commit();
        return found.toLongLong();
    }
    const double net = line.price * line.rate;
    const qint64 id = cartDb().Insert(
        QStringLiteral("insert into jxc_lsxssp (gl_djh,g_sn,ls_dj,ls_dzl,ls_dhdj,ls_zje,ls_je,ls_zhje,ls_sl,ls_cksl,"
                       "a_name,t_zp,ls_tax,ls_taxdj,ls_taxje,ls_lsj,ls_cbj,ls_cbj2,ls_zcb) values (:n,:g,:p,:r,:net,"
                       ":net,:net,:net,1,1,:op,'',0,:p,0,:lsj,:c,:c,:c)"),
        { { QStringLiteral("n"), number }, { QStringLiteral("g"), line.goods }, { QStringLiteral("p"), line.price },
            { QStringLiteral("r"), line.rate }, { QStringLiteral("net"), net }, { QStringLiteral("op"), op },
            { QStringLiteral("lsj"), line.retail }, { QStringLiteral("c"), line.cost } });
    ExecBound(QStringLiteral("update jxc_lsxssp set tid=:id where id=:id"), { { QStringLiteral("id"), id } });
    ExecBound(QStringLiteral("insert into jxc_lsxsspmx (gl_djh,g_sn,t_sl,cm_sn,color_sn,a_name,tid,t_kc) "
                             "values (:n,:g,1,:cm,:co,:op,:id,:kc)"),
        { { QStringLiteral("n"), number }, { QStringLiteral("g"), line.goods }, { QStringLiteral("cm"), line.size },
            { QStringLiteral("co"), line.colour }, { QStringLiteral("op"), op }, { QStringLiteral("id"), id },
            { QStringLiteral("kc"), line.stock } });
    t.Commit();
    return id;
}

void DeleteLine(qint64 id, const QString& op)
{
    const SqlParams p { { QStringLiteral("id"), id }, { QStringLiteral("op"), op } };
    Transaction t(cartDb());
    ExecBound(QStringLiteral("delete from jxc_lsxssp where id=:id and a_name=:op"), p);
    ExecBound(QStringLiteral("delete from jxc_lsxsspmx where tid=:id and a_name=:op"), p);
    t.Commit();
}

void DeleteAll(const QString& number, const QString& op)
{
    Transaction t(cartDb());
    ExecBound(QStringLiteral("delete from jxc_lsxssp where gl_djh=:n and a_name=:op"), cartKey(number, op));
    ExecBound(QStringLiteral("delete from jxc_lsxsspmx where gl_djh=:n and a_name=:op"), cartKey(number, op));
    t.Commit();
}

void SetGift(qint64 id, const QString& op)
{
    Transaction t(cartDb());
    ExecBound(QStringLiteral("update jxc_lsxssp set t_zp=:zp,ls_dj=0,ls_taxdj=0,ls_zje=0,ls_zhje=0,ls_je=0,"
                             "ls_dhdj=0 where id=:id and a_name=:op"),
        { { QStringLiteral("zp"), QStringLiteral("(赠品)") }, { QStringLiteral("id"), id },
            { QStringLiteral("op"), op } });
    t.Commit();
}

double PriceAfterRate(double originalPrice, double rate)
{
    return posting::RoundUp(originalPrice * rate, 2);
}

double RateOfPrice(double originalPrice, double price)
{
    if (originalPrice <= 0)
        return 1;
    return posting::RoundUp(price / originalPrice, 4);
}

QString CheckLineEdit(const LineEdit& edit)
{
    if (edit.originalPrice < 0)
        return QStringLiteral("单价不能为负数，请重新输入！");
    if (edit.qty <= 0)
        return QStringLiteral("数量必须大于0，请重新输入！");
    if (!IsTrue(AllowZeroStockOut) && edit.qty > edit.stock)
        return QStringLiteral("销售数量不能大于库存数量，重新输入！");
    if (edit.rate < MinSaleDiscount.toDouble())
        return QStringLiteral("商品的最低折扣为：“") + MinSaleDiscount + QStringLiteral("”，")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("打折率不能低于最低折扣！");
    return QString();
}

void SaveLineEdit(const QString& number, const QString& op, LineEdit edit)
{
    if (edit.originalPrice == 0 || edit.rate == 0)
        edit.originalPrice = edit.price;
    const double amount = edit.price * edit.qty;
    Transaction t(cartDb());
    ExecBound(QStringLiteral("update jxc_lsxssp set ls_dhdj=:p,ls_sl=:q,ls_cksl=:q,ls_dj=:o,ls_dzl=:r,ls_zje=:a,"
                             "ls_taxdj=:o,ls_je=:a,ls_zcb=ls_cbj*:q,ls_zhje=:a where id=:id and a_name=:op"),
        { { QStringLiteral("p"), edit.price }, { QStringLiteral("q"), edit.qty },
            { QStringLiteral("o"), edit.originalPrice }, { QStringLiteral("r"), edit.rate },
            { QStringLiteral("a"), amount }, { QStringLiteral("id"), edit.id }, { QStringLiteral("op"), op } });
    ExecBound(QStringLiteral("update jxc_lsxsspmx set t_sl=:q where tid=:id and a_name=:op"),
        { { QStringLiteral("q"), edit.qty }, { QStringLiteral("id"), edit.id }, { QStringLiteral("op"), op } });
    if (edit.wholeSale) {
        // Each other line takes the rate on its own undiscounted price, so earlier
        // discounts are replaced rather than compounded; gift lines stay at 0.
        SqlParams p = cartKey(number, op);
        p.insert(QStringLiteral("r"), edit.rate);
        p.insert(QStringLiteral("id"), edit.id);
        ExecBound(QStringLiteral("update jxc_lsxssp set ls_dhdj=ls_dj*:r,ls_je=ls_dj*ls_sl*:r,"
                                 "ls_zje=ls_taxdj*ls_sl*:r,ls_dzl=:r where gl_djh=:n and a_name=:op and id<>:id"),
            p);
    } else if (edit.permanent) {
        ExecBound(QStringLiteral("update jxc_goods set g_sj=:p where g_sn=:g"),
            { { QStringLiteral("p"), edit.price }, { QStringLiteral("g"), edit.goods } });
    }
    t.Commit();
}

void OpenGoodsSearch(Query& query, const QString& text, const QString& warehouse, bool* isBarcode)
{
    const QString stockFilter = IsTrue(AllowZeroStockOut) ? QString() : QStringLiteral("and b.kc_sl>0 ");
    const bool barcode = !ScalarBound(QStringLiteral("select g_sn from jxc_tm where tm_tm=:t"),
        { { QStringLiteral("t"),
            text } }).isEmpty();
    if (isBarcode)
        *isBarcode = barcode;
    query.Close();
    query.ClearParams();
    if (barcode) {
        query.SetSQL(QStringLiteral("select a.* from jxc_goods a,jxc_kcsp b,jxc_tm c where a.g_sn=b.g_sn and "
                                    "a.g_sn=c.g_sn and a.g_sn<>'00000000' and a.g_jy=0 and c.tm_tm=:t ")
            + stockFilter + QStringLiteral("and b.ck_sn=:w order by a.g_sn"));
        query.SetParam(QStringLiteral("t"), text);
    } else {
        query.SetSQL(QStringLiteral("select distinct a.* from jxc_goods a,jxc_kcsp b where a.g_sn=b.g_sn and "
                                    "a.g_sn<>'00000000' and a.g_jy=0 ")
            + stockFilter
            + QStringLiteral("and b.ck_sn=:w and (a.g_sn like :k or a.g_name like :k or a.g_jm like :k or "
                             "a.g_sptm like :k) order by a.g_sn"));
        query.SetParam(QStringLiteral("k"), QStringLiteral("%") + text + QStringLiteral("%"));
    }
    query.SetParam(QStringLiteral("w"), warehouse);
    query.Open();
}

bool BarcodeVariant(const QString& barcode, QString* goods, QString* size, QString* colour)
{
    Query q(&cartDb());
    OpenWithParams(q, QStringLiteral("select g_sn,cm_sn,color_sn from jxc_tm where tm_tm=:t"),
        { { QStringLiteral("t"), barcode } });
    if (q.IsEmpty())
        return false;
    q.First();
    *goods = q.AsString(QStringLiteral("g_sn"));
    *size = q.AsString(QStringLiteral("cm_sn"));
    *colour = q.AsString(QStringLiteral("color_sn"));
    return true;
}

double ColorSizeStock(const QString& goods, const QString& warehouse, const QString& size, const QString& colour)
{
    return ScalarBound(QStringLiteral("select sum(t_sl) from jxc_tkc where g_sn=:g and ck_sn=:w and cm_sn=:cm "
                                      "and color_sn=:co"),
        { { QStringLiteral("g"), goods }, { QStringLiteral("w"), warehouse }, { QStringLiteral("cm"), size },
            { QStringLiteral("co"), colour } })
        .toDouble();
}

QString ShiftStart(const QString& op, const QString& now)
{
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    const SqlParams p { { QStringLiteral("op"), op }, { QStringLiteral("d"), today } };
    const QString colleague = ScalarBound(QStringLiteral("select id from jxc_posxsd where a_name<>:op and "
                                                         "substr(pos_xsrq,1,10)=:d order by id desc limit 1"),
        p);
    QString first;
    if (!colleague.isEmpty()) {
        SqlParams after = p;
        after.insert(QStringLiteral("id"), colleague.toLongLong());
        first = ScalarBound(QStringLiteral("select pos_xsrq from jxc_posxsd where a_name=:op and "
                                           "substr(pos_xsrq,1,10)=:d and id>:id order by id limit 1"),
            after);
    } else {
        first = ScalarBound(QStringLiteral("select pos_xsrq from jxc_posxsd where a_name=:op and "
                                           "substr(pos_xsrq,1,10)=:d order by id limit 1"),
            p);
    }
    return first.length() > 10 ? first : now;
}

int FontSize()
{
    const QString size = QueryScalar(QStringLiteral("select font_size from jxc_posfont"));
    bool ok = false;
    const int n = size.toInt(&ok);
    return ok && n > 0 ? n : 14;
}

void SaveFontSize(int size)
{
    Transaction t(cartDb());
    ExecSQL(QStringLiteral("delete from jxc_posfont"));
    ExecBound(QStringLiteral("insert into jxc_posfont (font_size) values (:s)"),
        { { QStringLiteral("s"), QString::number(size) } });
    t.Commit();
}

}
