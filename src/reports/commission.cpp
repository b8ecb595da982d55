#include "reports/commission.h"

#include "foundation/datamodule.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/transaction.h"

#include <QStringList>

namespace {

QString lit(const QString& text)
{
    return QLatin1Char('\'') + SafeSqlText(text) + QLatin1Char('\'');
}

// A fixed text of ours, written as it stands (the sanitiser would alter its dash).
QString fixedText(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

bool covers(const CommissionChoice& c, CommissionCategory category)
{
    return c.category == CommissionCategory::All || c.category == category;
}

QString staffCondition(const CommissionChoice& c, const QString& alias)
{
    if (c.staff.isEmpty() || c.staff == QLatin1String("-1"))
        return QString();
    return QStringLiteral(" and ") + alias + QStringLiteral(".u_sn=") + lit(c.staff);
}

QString giftCondition(const CommissionChoice& c)
{
    return c.giftsOut ? QStringLiteral(" and x.g_name not like '%(赠品)'") : QString();
}

QString periodOf(const CommissionChoice& c, const QString& column)
{
    return QStringLiteral(" and ") + PeriodCondition(column, c.from, c.to);
}

// Salesmen paid on the amounts collected.
const QString kCollectionStaff = QStringLiteral(" and u.u_tcfs=0 and u.u_tc>0");
// A profit-method line counts when its undiscounted unit profit is above the
// minimum; rounded so that floating error does not decide an equal margin.
const QString kProfitLines = QStringLiteral(
    " and u.u_tcfs=1 and u.u_tc>0 and coalesce(g.g_tclb,0)=0 and (u.u_zdlr=0 or round(x.gl_dj-x.gl_cbj,8)>u.u_zdlr)");
const QString kProfitOfLine = QStringLiteral("(x.gl_dj*x.gl_dzl-x.gl_cbj-u.u_zdlr)*x.gl_sl");
const QString kTillProfitOfLine = QStringLiteral("(x.gl_dj-x.gl_cbj-u.u_zdlr)*x.gl_sl");
// The document-discount line and gift lines of the till's sales.
const QString kDiscountOrGift = QStringLiteral("(x.g_sn='00000000' or x.g_name like '%(赠品)')");

// Sales and returns of the ledger with their goods, warehouse and the salesman
// named on the row (by name, as posted).
QString ledgerRows(const CommissionChoice& c)
{
    return QStringLiteral(" from jxc_goodslist x,jxc_goods g,jxc_ckxx b,jxc_user u where x.g_sn=g.g_sn and "
                          "x.ck_sn=b.ck_sn and x.u_name=u.u_name and (x.gl_flag='xs' or x.gl_flag='xt')")
        + periodOf(c, QStringLiteral("x.gl_kdrq")) + WarehouseBindingCondition(QStringLiteral("b"))
        + staffCondition(c, QStringLiteral("u"));
}

class SummaryWriter {
public:
    SummaryWriter(const CommissionChoice& c, const QString& op) : c_(c), op_(lit(op)) { }

    // One row per salesman of the grouped rows (u_sn plus the named values).
    // values: hz_kc,hz_kczje,hz_rksl,hz_rkzje,hz_cksl,hz_ckzje,hz_glkc,hz_glkczje.
    void Insert(const QString& flag, const QString& text, const QString& values, const QString& grouped,
        const QString& staffTest = QString()) const
    {
        ExecSQL(QStringLiteral("insert into jxc_jxchz (g_sn,hz_txt1,hz_txt2,hz_flag,hz_kc,hz_kczje,hz_rksl,hz_rkzje,"
                               "hz_cksl,hz_ckzje,hz_glkc,hz_glkczje,a_name) select u.u_sn,u.u_name,")
            + fixedText(text) + QLatin1Char(',') + fixedText(flag) + QLatin1Char(',') + values + QLatin1Char(',') + op_
            + QStringLiteral(" from (") + grouped + QStringLiteral(") t,jxc_user u where t.u_sn=u.u_sn") + staffTest);
    }
    // A '101' row from sums "yf" (due) and "sf" (settled) per u_sn.
    void Collection(const QString& grouped) const
    {
        Insert(QStringLiteral("101"), QStringLiteral("业务员按销售额提成"),
            QStringLiteral("t.yf,t.sf,0,0,0,t.sf*u.u_tc*0.01,0,u.u_tc"), grouped, kCollectionStaff);
    }
    // Receivable rows of approved documents of one kind, by the row's salesman.
    void DocumentReceivables(const QString& header, const QString& status) const
    {
        Collection(QStringLiteral("select k.u_sn,sum(k.k_yfje) as yf,sum(k.k_sfje) as sf from jxc_ysyfk k,") + header
            + QStringLiteral(" s,jxc_ckxx b where k.gl_djh=s.gl_djh and s.ck_sn=b.ck_sn and k.k_type='kh' and s.")
            + status + QStringLiteral("=1") + periodOf(c_, QStringLiteral("k.k_rq"))
            + WarehouseBindingCondition(QStringLiteral("b")) + staffCondition(c_, QStringLiteral("k"))
            + QStringLiteral(" group by k.u_sn"));
    }
    // Goods with a commission of their own leave the collected base.
    void Deduction(const QString& header, const QString& lines, const QString& prefix, const QString& sign,
        const QString& giftTest) const
    {
        Collection(QStringLiteral("select s.u_sn,") + sign + QStringLiteral("sum(l.") + prefix
            + QStringLiteral("_zje) as yf,") + sign + QStringLiteral("sum(l.") + prefix
            + QStringLiteral("_zje) as sf from ") + header + QStringLiteral(" s,") + lines
            + QStringLiteral(
                " l,jxc_goods g where l.gl_djh=s.gl_djh and l.g_sn=g.g_sn and coalesce(g.g_tclb,0)<>0 and s.")
            + prefix + QStringLiteral("_status=1")
            + periodOf(c_, QStringLiteral("s.") + prefix + QStringLiteral("_xsrq")) + giftTest
            + staffCondition(c_, QStringLiteral("s")) + QStringLiteral(" group by s.u_sn"));
    }
    // A total row per salesman from his work rows of one code.
    void Total(const QString& flag, const QString& text, const QString& values, const QString& workFlag) const
    {
        Insert(flag, text, values,
            QStringLiteral("select g_sn as u_sn,sum(hz_kc) as kc,sum(hz_kczje) as kczje,sum(hz_kczje-hz_kc) as qk,"
                           "sum(hz_rksl) as rksl,sum(hz_rkzje) as rkzje,sum(hz_ckzje) as ckzje,"
                           "max(hz_glkczje) as rate from jxc_jxchz where a_name=")
                + op_ + QStringLiteral(" and hz_flag=") + fixedText(workFlag) + QStringLiteral(" group by g_sn"));
    }
    void Delete(const QString& condition) const
    {
        ExecSQL(QStringLiteral("delete from jxc_jxchz where a_name=") + op_ + condition);
    }

private:
    const CommissionChoice& c_;
    QString op_;
};

} // namespace

void ComputeCommissionSummary(const CommissionChoice& c, const QString& operatorName)
{
    Transaction t(F_DataModule->ADOConn);
    const SummaryWriter w(c, operatorName);
    w.Delete(QString());
    if (covers(c, CommissionCategory::Collection)) {
        w.DocumentReceivables(QStringLiteral("jxc_lsxsd"), QStringLiteral("ls_status"));
        w.DocumentReceivables(QStringLiteral("jxc_xsthd"), QStringLiteral("th_status"));
        w.Collection(QStringLiteral("select k.u_sn,sum(k.k_yfje) as yf,sum(k.k_sfje) as sf from jxc_ysyfk k where "
                                    "(k.k_djlx='YS' or k.k_djlx='SK')")
            + periodOf(c, QStringLiteral("k.k_rq")) + staffCondition(c, QStringLiteral("k"))
            + QStringLiteral(" group by k.u_sn"));
        w.Deduction(QStringLiteral("jxc_lsxsd"), QStringLiteral("jxc_lsxssp"), QStringLiteral("ls"),
            QStringLiteral("-"), QStringLiteral(" and coalesce(l.t_zp,'')<>'赠品'"));
        w.Deduction(
            QStringLiteral("jxc_xsthd"), QStringLiteral("jxc_xsthsp"), QStringLiteral("th"), QString(), QString());
        w.Total(QStringLiteral("1001"), QStringLiteral("业务员按销售额提成"),
            QStringLiteral("t.kc,t.kczje,0,0,0,t.ckzje,0,t.rate"), QStringLiteral("101"));
        w.Total(QStringLiteral("1002"), QStringLiteral("业务员按销售额提成欠款"),
            QStringLiteral("0,t.qk,0,0,0,t.qk*t.rate*0.01,0,t.rate"), QStringLiteral("101"));
    }
    if (covers(c, CommissionCategory::Profit)) {
        const QString profitValues = QStringLiteral("0,0,t.lr,t.klr,0,0,u.u_zdlr,u.u_tc");
        if (!c.tillProfit) {
            w.Insert(QStringLiteral("201"), QStringLiteral("业务员按利润提成"), profitValues,
                QStringLiteral("select u.u_sn,sum(x.gl_lr) as lr,sum(") + kProfitOfLine + QStringLiteral(") as klr")
                    + ledgerRows(c) + kProfitLines + giftCondition(c) + QStringLiteral(" group by u.u_sn"));
        } else {
            // Ordinary lines by their margin; the discount and gift lines once, whatever
            // the salesman's minimum margin.
            w.Insert(QStringLiteral("201"), QStringLiteral("业务员按利润提成"), profitValues,
                QStringLiteral("select u.u_sn,sum(x.gl_lr) as lr,sum(") + kTillProfitOfLine + QStringLiteral(") as klr")
                    + ledgerRows(c) + kProfitLines + QStringLiteral(" and not ") + kDiscountOrGift
                    + QStringLiteral(" group by u.u_sn"));
            w.Insert(QStringLiteral("201"), QStringLiteral("业务员按利润提成"), profitValues,
                QStringLiteral("select u.u_sn,sum(x.gl_lr) as lr,sum(x.gl_lr) as klr") + ledgerRows(c)
                    + QStringLiteral(" and x.gl_flag='xs' and u.u_tcfs=1 and u.u_tc>0 and coalesce(g.g_tclb,0)=0 and ")
                    + kDiscountOrGift + QStringLiteral(" group by u.u_sn"));
        }
        w.Total(QStringLiteral("2001"), QStringLiteral("业务员按利润提成"),
            QStringLiteral("0,0,t.rksl,t.rkzje,0,t.rkzje*t.rate*0.01,u.u_zdlr,t.rate"), QStringLiteral("201"));
    }
    struct GoodsClass {
        CommissionCategory category;
        const char* klass;
        const char* flag;
        const char* text;
        const char* sums; // per salesman: qty, amount, profit, commission
        bool giftTest;
    };
    static const GoodsClass classes[] = {
        { CommissionCategory::GoodsPerItem, "1", "3001", "商品按件提成",
            "0 as amount,0 as profit,sum(x.gl_sl) as qty,sum(x.gl_sl*g.g_tc) as tc", true },
        { CommissionCategory::GoodsPerAmount, "2", "4001", "商品按金额提成",
            "sum(x.gl_zje) as amount,0 as profit,0 as qty,sum(x.gl_zje*g.g_tc)*0.01 as tc", false },
        { CommissionCategory::GoodsPerProfit, "3", "5001", "商品按利润提成",
            "0 as amount,sum(x.gl_lr) as profit,0 as qty,sum(x.gl_lr*g.g_tc)*0.01 as tc", true },
    };
    for (const GoodsClass& k : classes) {
        if (!covers(c, k.category))
            continue;
        w.Insert(QString::fromLatin1(k.flag), QString::fromUtf8(k.text),
            QStringLiteral("t.amount,t.amount,t.profit,t.profit,t.qty,t.tc,0,0"),
            QStringLiteral("select u.u_sn,") + QString::fromLatin1(k.sums) + ledgerRows(c)
                + QStringLiteral(" and g.g_tclb=") + QString::fromLatin1(k.klass)
                + (k.giftTest ? giftCondition(c) : QString()) + QStringLiteral(" group by u.u_sn"));
    }
    w.Delete(QStringLiteral(" and (hz_flag='101' or hz_flag='201')"));
    w.Delete(QStringLiteral(" and hz_flag='1002' and hz_ckzje=0"));
    t.Commit();
}

QString CommissionSummarySql(const QString& operatorName)
{
    return QStringLiteral("select * from jxc_jxchz where a_name=") + lit(operatorName)
        + QStringLiteral(" order by g_sn,hz_flag");
}

namespace {

// The detail's columns after u_sn,u_name: tcfs,dsort,g_sn,g_name,dw_name,gg_name,
// color_name,gl_djh,gl_kdrq,ghs_sn,ghs_name,gl_sl,gl_taxdj,gl_zje,gl_lr,gl_cbj,
// gl_zcb,u_tc,u_zdlr,tcje.
QString detailMember(const QString& tcfs, const QString& dsort, const QString& columns, const QString& from)
{
    return QStringLiteral("select u.u_sn,u.u_name,") + fixedText(tcfs) + QStringLiteral(" as tcfs,") + fixedText(dsort)
        + QStringLiteral(" as dsort,") + columns + from;
}

const QString kNoGoods = QStringLiteral("'' as g_sn,'' as g_name,'' as dw_name,'' as gg_name,'' as color_name,");
const QString kLedgerGoods = QStringLiteral("x.g_sn,x.g_name,x.dw_name,x.gg_name,x.color_name,x.gl_djh,x.gl_kdrq,"
                                            "x.ghs_sn,x.ghs_name,x.gl_sl,x.gl_taxdj,");

QString receivableMember(const CommissionChoice& c, const QString& header)
{
    return detailMember(QStringLiteral("业务员按销售额提成"), QStringLiteral("1001"),
        kNoGoods
            + QStringLiteral("k.gl_djh,k.k_rq as gl_kdrq,k.k_ghskh as ghs_sn,e.kh_name as ghs_name,0 as gl_sl,"
                             "0 as gl_taxdj,k.k_sfje as gl_zje,0 as gl_lr,0 as gl_cbj,0 as gl_zcb,u.u_tc,u.u_zdlr,"
                             "k.k_sfje*u.u_tc*0.01 as tcje"),
        QStringLiteral(" from jxc_ysyfk k,") + header
            + QStringLiteral(" s,jxc_ckxx b,jxc_user u,jxc_khxx e where k.gl_djh=s.gl_djh and s.ck_sn=b.ck_sn and "
                             "k.u_sn=u.u_sn and e.kh_sn=k.k_ghskh and k.k_type='kh' and k.k_sfje<>0")
            + kCollectionStaff + periodOf(c, QStringLiteral("k.k_rq")) + WarehouseBindingCondition(QStringLiteral("b"))
            + staffCondition(c, QStringLiteral("u")));
}

} // namespace

QString CommissionDetailSql(const CommissionChoice& c)
{
    QStringList members;
    if (covers(c, CommissionCategory::Collection)) {
        members << receivableMember(c, QStringLiteral("jxc_lsxsd")) << receivableMember(c, QStringLiteral("jxc_xsthd"));
        members << detailMember(QStringLiteral("业务员按销售额提成"), QStringLiteral("1001"),
            kNoGoods
                + QStringLiteral("k.gl_djh,k.k_rq as gl_kdrq,k.k_ghskh as ghs_sn,e.kh_name as ghs_name,0 as gl_sl,"
                                 "0 as gl_taxdj,k.k_sfje-k.k_yfje as gl_zje,0 as gl_lr,0 as gl_cbj,0 as gl_zcb,"
                                 "u.u_tc,u.u_zdlr,k.k_sfje*u.u_tc*0.01 as tcje"),
            QStringLiteral(" from jxc_ysyfk k,jxc_user u,jxc_khxx e where k.u_sn=u.u_sn and e.kh_sn=k.k_ghskh and "
                           "k.k_djlx='SK'")
                + kCollectionStaff + periodOf(c, QStringLiteral("k.k_rq")) + staffCondition(c, QStringLiteral("u")));
        members << detailMember(QStringLiteral("业务员按销售额提成-扣除商品提成"), QStringLiteral("1001"),
            kLedgerGoods
                + QStringLiteral("-x.gl_zje as gl_zje,0 as gl_lr,x.gl_cbj,x.gl_zcb,u.u_tc,u.u_zdlr,"
                                 "-x.gl_zje*u.u_tc*0.01 as tcje"),
            ledgerRows(c) + QStringLiteral(" and x.gl_zje<>0 and coalesce(g.g_tclb,0)<>0") + kCollectionStaff);
        // One arrears row per salesman, also when nothing is outstanding.
        members << detailMember(QStringLiteral("业务员按销售额提成欠款"), QStringLiteral("1002"),
            kNoGoods + QStringLiteral("'' as gl_djh,") + fixedText(c.from.toString(QStringLiteral("yyyy-MM-dd")))
                + QStringLiteral(" as gl_kdrq,'' as ghs_sn,'' as ghs_name,0 as gl_sl,0 as gl_taxdj,"
                                 "coalesce(t.qk,0) as gl_zje,0 as gl_lr,0 as gl_cbj,0 as gl_zcb,u.u_tc,u.u_zdlr,"
                                 "coalesce(t.qk,0)*u.u_tc*0.01 as tcje"),
            QStringLiteral(" from jxc_user u left join (select k.u_sn,sum(k.k_sfje-k.k_yfje) as qk from jxc_ysyfk k "
                           "where k.k_type='kh'")
                + periodOf(c, QStringLiteral("k.k_rq"))
                + QStringLiteral(" group by k.u_sn) t on t.u_sn=u.u_sn where u.u_tcfs=0 and u.u_tc>0")
                + staffCondition(c, QStringLiteral("u")));
    }
    if (covers(c, CommissionCategory::Profit))
        members << detailMember(QStringLiteral("业务员按利润提成"), QStringLiteral("2001"),
            kLedgerGoods + QStringLiteral("x.gl_zje,") + kProfitOfLine
                + QStringLiteral(" as gl_lr,x.gl_cbj,x.gl_zcb,u.u_tc,u.u_zdlr,") + kProfitOfLine
                + QStringLiteral("*u.u_tc*0.01 as tcje"),
            ledgerRows(c) + kProfitLines + giftCondition(c));
    struct GoodsClass {
        CommissionCategory category;
        const char* klass;
        const char* dsort;
        const char* text;
        const char* tail; // gl_zje .. tcje
        bool giftTest;
    };
    static const GoodsClass classes[] = {
        { CommissionCategory::GoodsPerItem, "1", "3001", "商品按件提成",
            "x.gl_zje,0 as gl_lr,x.gl_cbj,x.gl_zcb,g.g_tc as u_tc,0 as u_zdlr,x.gl_sl*g.g_tc as tcje", true },
        { CommissionCategory::GoodsPerAmount, "2", "4001", "商品按金额提成",
            "x.gl_zje,0 as gl_lr,x.gl_cbj,x.gl_zcb,g.g_tc as u_tc,0 as u_zdlr,x.gl_zje*g.g_tc*0.01 as tcje", false },
        { CommissionCategory::GoodsPerProfit, "3", "5001", "商品按利润提成",
            "x.gl_zje,x.gl_lr,x.gl_cbj,x.gl_zcb,g.g_tc as u_tc,0 as u_zdlr,x.gl_lr*g.g_tc*0.01 as tcje", true },
    };
    for (const GoodsClass& k : classes) {
        if (covers(c, k.category))
            members << detailMember(QString::fromUtf8(k.text), QString::fromLatin1(k.dsort),
                kLedgerGoods + QString::fromLatin1(k.tail),
                ledgerRows(c) + QStringLiteral(" and g.g_tclb=") + QString::fromLatin1(k.klass)
                    + (k.giftTest ? giftCondition(c) : QString()));
    }
    return QStringLiteral("select * from (") + members.join(QStringLiteral(" union all "))
        + QStringLiteral(") DERIVEDTBL order by u_sn,dsort,gl_kdrq desc");
}
