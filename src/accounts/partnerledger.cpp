#include "accounts/partnerledger.h"

#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "listing/queryframe.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"
#include "platform/db/transaction.h"
#include "posting/balances.h"
#include "posting/postingdb.h"

#include <cmath>

using namespace posting;

namespace {

PartnerAccountSide makeReceivable()
{
    PartnerAccountSide s;
    s.customers = true;
    s.side = QStringLiteral("kh");
    s.partnerTable = QStringLiteral("jxc_khxx");
    s.partnerCode = QStringLiteral("kh_sn");
    s.partnerName = QStringLiteral("kh_name");
    s.forbidColumn = QStringLiteral("kh_forbid");
    s.goodsOut = QStringLiteral("xs");
    s.goodsBack = QStringLiteral("xt");
    s.goodsOutText = QStringLiteral("商品销售");
    s.goodsBackText = QStringLiteral("顾客退货");
    s.dueNoun = QStringLiteral("应收");
    s.moneyNoun = QStringLiteral("收款");
    s.duePrefix = QStringLiteral("YS");
    s.moneyPrefix = QStringLiteral("SK");
    s.layout = QStringLiteral("yskgl");
    s.docTemplate = QStringLiteral("yskmxb");
    s.summaryTemplate = QStringLiteral("yskglhzb");
    s.detailTemplate = QStringLiteral("yskglmxb");
    s.allPartners = QStringLiteral("所有客户");
    s.zeroHidden = QStringLiteral("期末应收为零的客户不显示");
    s.notDocument = QStringLiteral("收款只能在“单据表”进行！");
    s.wrongKind = QStringLiteral("只能对销售单或退货单进行收款！");
    s.notOwing = QStringLiteral("该单据不欠款，不需要收款！");
    s.settleWindow = QStringLiteral("TF_Yskgl_Sk");
    s.settleButton = QStringLiteral("销售收款");
    s.outPrefix = QStringLiteral("XS");
    s.backPrefix = QStringLiteral("XT");
    return s;
}

PartnerAccountSide makePayable()
{
    PartnerAccountSide s;
    s.customers = false;
    s.side = QStringLiteral("ghs");
    s.partnerTable = QStringLiteral("jxc_ghsxx");
    s.partnerCode = QStringLiteral("ghs_sn");
    s.partnerName = QStringLiteral("ghs_name");
    s.forbidColumn = QStringLiteral("ghs_forbid");
    s.goodsOut = QStringLiteral("cj");
    s.goodsBack = QStringLiteral("ct");
    s.goodsOutText = QStringLiteral("采购进货");
    s.goodsBackText = QStringLiteral("采购退货");
    s.dueNoun = QStringLiteral("应付");
    s.moneyNoun = QStringLiteral("付款");
    s.duePrefix = QStringLiteral("YF");
    s.moneyPrefix = QStringLiteral("FK");
    s.layout = QStringLiteral("yfkgl");
    s.docTemplate = QStringLiteral("yfkmxb");
    s.summaryTemplate = QStringLiteral("yfkglhzb");
    s.detailTemplate = QStringLiteral("yfkglmxb");
    s.allPartners = QStringLiteral("所有供货商");
    s.zeroHidden = QStringLiteral("期末应付为零的供货商不显示");
    s.notDocument = QStringLiteral("付款只能在“单据表”进行！");
    s.wrongKind = QStringLiteral("只能对采购单或采购退货单进行付款！");
    s.notOwing = QStringLiteral("该单据不欠款，不需要付款！");
    s.settleWindow = QStringLiteral("TF_Yfkgl_Fk");
    s.settleButton = QStringLiteral("采购付款");
    s.outPrefix = QStringLiteral("CJ");
    s.backPrefix = QStringLiteral("CT");
    return s;
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// The partners a search covers, as "c": the operator's warehouses' partners when he
// is bound to them.
QString partnerSource(const PartnerAccountSide& s)
{
    if (IsTrue(BindPartnersWarehouse) && CurrentRoleSn != QLatin1String("100001"))
        return QStringLiteral("(select distinct m.* from ") + s.partnerTable
            + QStringLiteral(" m,jxc_ckxx n where (m.ck_sn=n.ck_sn or m.ck_sn='-1') and m.") + s.forbidColumn
            + QStringLiteral("=0 and n.ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%') c");
    return s.partnerTable + QStringLiteral(" c");
}

// ",c.kh_tele,c.kh_address": suppliers carry no contact columns.
QString contactColumns(const PartnerAccountSide& s)
{
    return s.customers ? QStringLiteral(",c.kh_tele,c.kh_address") : QString();
}

// Each partner (of the partner filter) with the id of its last ledger row that
// meets `condition` on z: the greatest k_rq, then the greatest id. The stored running
// balance of that row is the partner's balance at that point.
QString lastRows(const PartnerAccountSide& s, const PartnerAccountFilter& f, const QString& condition)
{
    QString sql = QStringLiteral("(select p.") + s.partnerCode
        + QStringLiteral(" as pk,(select z.id from jxc_ysyfk z where z.k_type='") + s.side
        + QStringLiteral("' and z.k_ghskh=p.") + s.partnerCode + QStringLiteral(" and ") + condition
        + QStringLiteral(" order by z.k_rq desc,z.id desc limit 1) as lastid from ") + s.partnerTable
        + QStringLiteral(" p");
    if (!f.partner.isEmpty())
        sql += QStringLiteral(" where p.") + s.partnerCode + QStringLiteral("=") + quoted(SafeSqlText(f.partner));
    return sql + QLatin1Char(')');
}

QString beforeStart(const QDate& from, const QString& column)
{
    return column + QStringLiteral("<'") + from.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
}

QString partnerCondition(const PartnerAccountFilter& f, const QString& column)
{
    if (f.partner.isEmpty())
        return QString();
    return QStringLiteral(" and ") + column + QStringLiteral("=") + quoted(SafeSqlText(f.partner));
}

QString handlerCondition(const PartnerAccountFilter& f, const QString& column)
{
    if (f.AllHandlers())
        return QString();
    return QStringLiteral(" and ") + column + QStringLiteral("=") + quoted(SafeSqlText(f.handlerSn));
}

QString keyCondition(const PartnerAccountFilter& f, const QString& number, const QString& remark)
{
    const QString t = SafeSqlText(f.key.trimmed());
    if (t.isEmpty())
        return QString();
    return QStringLiteral(" and (") + number + QStringLiteral(" like '%") + t + QStringLiteral("%' or ") + remark
        + QStringLiteral(" like '%") + t + QStringLiteral("%')");
}

// Scratch rows of the operator: -1 partners whose closing balance is not 0, -2 the
// partners of the detail view.
QString staged(int rid, const QString& column)
{
    return QStringLiteral(" and ") + column + QStringLiteral(" in (select t.ghs_sn from jxc_tempspxf t where t.rid=")
        + QString::number(rid) + QStringLiteral(" and t.a_name=") + SqlQuoted(CurrentAdminName) + QLatin1Char(')');
}

// Stages the partners whose balance after their last row up to the period's end is
// not 0 (compared in cents).
void stageOpenBalances(const PartnerAccountSide& s, const PartnerAccountFilter& f)
{
    Run(QStringLiteral("insert into jxc_tempspxf (rid,a_name,ghs_sn,ts_zje) select -1,") + SqlQuoted(CurrentAdminName)
        + QStringLiteral(",l.pk,y.k_ljje from ") + lastRows(s, f, PeriodEndCondition(QStringLiteral("z.k_rq"), f.to))
        + QStringLiteral(" l,jxc_ysyfk y where y.id=l.lastid and abs(y.k_ljje)>=0.005"));
}

QString startText(const PartnerAccountFilter& f)
{
    return quoted(f.from.toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace

const PartnerAccountSide& ReceivableSide()
{
    static const PartnerAccountSide s = makeReceivable();
    return s;
}

const PartnerAccountSide& PayableSide()
{
    static const PartnerAccountSide s = makePayable();
    return s;
}

QString PartnerDocumentStatement(const PartnerAccountSide& s, const PartnerAccountFilter& f)
{
    ClearTempLines();
    if (f.zeroHidden)
        stageOpenBalances(s, f);
    const QString zero = f.zeroHidden ? staged(-1, QStringLiteral("c.") + s.partnerCode) : QString();
    const QString opening = s.Label("期初");
    const QString tail = QStringLiteral(",c.") + s.partnerName + contactColumns(s);
    QString sql = QStringLiteral("select * from (");
    if (f.AllHandlers()) {
        sql += QStringLiteral("select y.id,y.k_ghskh,'' as a_name,y.u_sn,b.u_name,") + quoted(opening)
            + QStringLiteral(" as k_fkfs,0 as k_sfje,0 as k_yhje,y.k_ljje as k_qcje,y.k_ljje as k_ljje,0 as k_yfje,"
                             "'' as k_type,")
            + quoted(opening) + QStringLiteral(" as k_djlx,") + quoted(opening)
            + QStringLiteral(" as k_djtxt,'' as k_note,null as k_flag,") + startText(f)
            + QStringLiteral(" as k_rq,'' as gl_djh") + tail + QStringLiteral(",1 as dsort from ")
            + lastRows(s, f, beforeStart(f.from, QStringLiteral("z.k_rq")))
            + QStringLiteral(" l join jxc_ysyfk y on y.id=l.lastid join ") + partnerSource(s) + QStringLiteral(" on c.")
            + s.partnerCode + QStringLiteral("=y.k_ghskh left join jxc_user b on b.u_sn=y.u_sn where c.")
            + s.forbidColumn + QStringLiteral("=0") + zero + QStringLiteral(" union ");
    }
    sql += QStringLiteral("select a.id,a.k_ghskh,a.a_name,a.u_sn,b.u_name,a.k_fkfs,a.k_sfje,a.k_yhje,a.k_qcje,"
                          "a.k_ljje,a.k_yfje,a.k_type,a.k_djlx,a.k_djtxt,a.k_note,a.k_flag,a.k_rq,a.gl_djh")
        + tail + QStringLiteral(",2 as dsort from jxc_ysyfk a join ") + partnerSource(s) + QStringLiteral(" on c.")
        + s.partnerCode + QStringLiteral("=a.k_ghskh left join jxc_user b on b.u_sn=a.u_sn where a.k_type='") + s.side
        + QStringLiteral("' and ") + PeriodCondition(QStringLiteral("a.k_rq"), f.from, f.to) + QStringLiteral(" and c.")
        + s.forbidColumn + QStringLiteral("=0") + partnerCondition(f, QStringLiteral("a.k_ghskh"))
        + handlerCondition(f, QStringLiteral("a.u_sn"))
        + keyCondition(f, QStringLiteral("a.gl_djh"), QStringLiteral("a.k_note")) + zero;
    return sql + QStringLiteral(") DERIVEDTBL order by k_ghskh,k_rq,dsort,id");
}

QString PartnerSummaryStatement(const PartnerAccountSide& s, const PartnerAccountFilter& f)
{
    const QString names = QStringLiteral("c.") + s.partnerName + contactColumns(s);
    const QString forbid = QStringLiteral(" c.") + s.forbidColumn + QStringLiteral("=0");
    const QString period = PeriodCondition(QStringLiteral("a.k_rq"), f.from, f.to);
    QString sql = QStringLiteral("select * from (");
    if (f.allPartners && f.AllHandlers()) {
        sql += QStringLiteral("select l.pk as k_ghskh,") + names
            + QStringLiteral(",y.k_ljje as qcje,0 as yfje,0 as sfje,y.k_ljje as wfje from ")
            + lastRows(s, f, beforeStart(f.from, QStringLiteral("z.k_rq")))
            + QStringLiteral(" l join jxc_ysyfk y on y.id=l.lastid join ") + partnerSource(s) + QStringLiteral(" on c.")
            + s.partnerCode + QStringLiteral("=l.pk where") + forbid
            + QStringLiteral(" and not exists (select 1 from jxc_ysyfk a where a.k_type='") + s.side
            + QStringLiteral("' and a.k_ghskh=l.pk and ") + period + QStringLiteral(") union ");
    }
    // With a handler chosen the opening balance is taken at his last row before the start.
    QString before = beforeStart(f.from, QStringLiteral("z.k_rq"));
    if (!f.AllHandlers())
        before += QStringLiteral(" and z.u_sn=") + quoted(SafeSqlText(f.handlerSn));
    sql += QStringLiteral("select m.k_ghskh,") + names
        + QStringLiteral(",coalesce(y.k_ljje,0) as qcje,m.yfje,m.sfje,coalesce(y.k_ljje,0)+m.yfje-m.sfje as wfje "
                         "from (select a.k_ghskh,sum(a.k_yfje) as yfje,sum(a.k_sfje) as sfje from jxc_ysyfk a "
                         "where a.k_type='")
        + s.side + QStringLiteral("' and ") + period + partnerCondition(f, QStringLiteral("a.k_ghskh"))
        + handlerCondition(f, QStringLiteral("a.u_sn"))
        + keyCondition(f, QStringLiteral("a.gl_djh"), QStringLiteral("a.k_note"))
        + QStringLiteral(" group by a.k_ghskh) m join ") + partnerSource(s) + QStringLiteral(" on c.") + s.partnerCode
        + QStringLiteral("=m.k_ghskh left join ") + lastRows(s, f, before)
        + QStringLiteral(" l on l.pk=m.k_ghskh left join jxc_ysyfk y on y.id=l.lastid where") + forbid;
    sql += QStringLiteral(") DERIVEDTBL");
    if (f.zeroHidden)
        sql += QStringLiteral(" where abs(wfje)>=0.005");
    return sql + QStringLiteral(" order by k_ghskh");
}

QString PartnerDetailStatement(const PartnerAccountSide& s, const PartnerAccountFilter& f)
{
    ClearTempLines();
    const QString op = SqlQuoted(CurrentAdminName);
    const QString goodsKinds = QStringLiteral("(g.gl_flag='") + s.goodsOut + QStringLiteral("' or g.gl_flag='")
        + s.goodsBack + QStringLiteral("')");
    const QString goodsPeriod = PeriodCondition(QStringLiteral("g.gl_kdrq"), f.from, f.to);
    const QString ledgerKinds = QStringLiteral("a.k_type='") + s.side + QStringLiteral("' and (a.k_djlx='")
        + s.duePrefix + QStringLiteral("' or a.k_djlx='") + s.moneyPrefix + QStringLiteral("')");
    const QString ledgerPeriod = PeriodCondition(QStringLiteral("a.k_rq"), f.from, f.to);
    Run(QStringLiteral("insert into jxc_tempspxf (rid,a_name,ghs_sn) select distinct -2,") + op
        + QStringLiteral(",g.ghs_sn from jxc_goodslist g where ") + goodsKinds + QStringLiteral(" and ") + goodsPeriod
        + partnerCondition(f, QStringLiteral("g.ghs_sn")));
    Run(QStringLiteral("insert into jxc_tempspxf (rid,a_name,ghs_sn) select distinct -2,") + op
        + QStringLiteral(",a.k_ghskh from jxc_ysyfk a where ") + ledgerKinds + QStringLiteral(" and ") + ledgerPeriod
        + partnerCondition(f, QStringLiteral("a.k_ghskh"))
        + QStringLiteral(" and a.k_ghskh not in (select t.ghs_sn from jxc_tempspxf t where t.rid=-2 and t.a_name=") + op
        + QStringLiteral(")"));

    const QString names = QStringLiteral("c.") + s.partnerName;
    const QString noGoods = QStringLiteral(",'' as g_sn,'' as g_name,'' as gg_name,'' as color_name,'' as dw_name,"
                                           "0 as gl_dj,0 as gl_dzl,0 as gl_sl,0 as gl_je,0 as gl_tax,0 as gl_taxdj,"
                                           "0 as gl_taxje,");
    const QString forbid = QStringLiteral(" c.") + s.forbidColumn + QStringLiteral("=0");
    const QString partners = partnerSource(s);
    const QString code = QStringLiteral("c.") + s.partnerCode;
    QString sql = QStringLiteral("select * from (");
    // The opening line of each partner shown.
    sql += QStringLiteral("select ") + code + QStringLiteral(" as k_ghskh,") + names + QLatin1Char(',') + startText(f)
        + QStringLiteral(" as k_rq,'' as gl_djh,") + quoted(s.Label("上期")) + QStringLiteral(" as djlx") + noGoods
        + QStringLiteral("coalesce(y.k_ljje,0) as gl_zje,'' as u_name,0 as id,1 as dsort from ") + partners
        + QStringLiteral(" left join ") + lastRows(s, f, beforeStart(f.from, QStringLiteral("z.k_rq")))
        + QStringLiteral(" l on l.pk=") + code + QStringLiteral(" left join jxc_ysyfk y on y.id=l.lastid where")
        + forbid + staged(-2, code);
    // Registrations and money.
    sql += QStringLiteral(" union select a.k_ghskh,") + names + QStringLiteral(",a.k_rq,a.gl_djh,case when a.k_djlx='")
        + s.duePrefix + QStringLiteral("' then ") + quoted(s.dueNoun + QStringLiteral("款")) + QStringLiteral(" else ")
        + quoted(s.moneyNoun) + QStringLiteral(" end as djlx") + noGoods + QStringLiteral("case when a.k_djlx='")
        + s.duePrefix
        + QStringLiteral("' then a.k_yfje else -1*a.k_sfje end as gl_zje,b.u_name,a.id,2 as dsort from jxc_ysyfk a "
                         "join ")
        + partners + QStringLiteral(" on ") + code
        + QStringLiteral("=a.k_ghskh left join jxc_user b on b.u_sn=a.u_sn where ") + ledgerKinds
        + QStringLiteral(" and ") + ledgerPeriod + QStringLiteral(" and") + forbid
        + partnerCondition(f, QStringLiteral("a.k_ghskh")) + handlerCondition(f, QStringLiteral("a.u_sn"))
        + keyCondition(f, QStringLiteral("a.gl_djh"), QStringLiteral("a.k_note"))
        + staged(-2, QStringLiteral("a.k_ghskh"));
    // Goods lines.
    QString handler;
    if (!f.AllHandlers())
        handler = QStringLiteral(" and g.u_name=") + quoted(SafeSqlText(f.handlerName));
    sql += QStringLiteral(" union select g.ghs_sn as k_ghskh,") + names
        + QStringLiteral(",g.gl_kdrq as k_rq,g.gl_djh,case when g.gl_flag='") + s.goodsOut + QStringLiteral("' then ")
        + quoted(s.goodsOutText) + QStringLiteral(" else ") + quoted(s.goodsBackText)
        + QStringLiteral(
            " end as djlx,g.g_sn,g.g_name,g.gg_name,g.color_name,g.dw_name,g.gl_dj,g.gl_dzl,g.gl_sl,"
            "g.gl_je,g.gl_tax,g.gl_taxdj,g.gl_taxje,g.gl_zje,g.u_name,g.id,2 as dsort from jxc_goodslist g "
            "join ")
        + partners + QStringLiteral(" on ") + code + QStringLiteral("=g.ghs_sn where ") + goodsKinds
        + QStringLiteral(" and ") + goodsPeriod + QStringLiteral(" and") + forbid + handler
        + partnerCondition(f, QStringLiteral("g.ghs_sn"))
        + keyCondition(f, QStringLiteral("g.gl_djh"), QStringLiteral("g.gl_bz"))
        + staged(-2, QStringLiteral("g.ghs_sn"));
    // The closing line: the balance after the last row up to the end.
    sql += QStringLiteral(" union select ") + code + QStringLiteral(" as k_ghskh,") + names + QLatin1Char(',')
        + quoted(f.to.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59"))
        + QStringLiteral(" as k_rq,'' as gl_djh,") + quoted(s.Label("期末")) + QStringLiteral(" as djlx") + noGoods
        + QStringLiteral("y.k_ljje as gl_zje,'' as u_name,0 as id,3 as dsort from ") + partners
        + QStringLiteral(" join ") + lastRows(s, f, PeriodEndCondition(QStringLiteral("z.k_rq"), f.to))
        + QStringLiteral(" l on l.pk=") + code + QStringLiteral(" join jxc_ysyfk y on y.id=l.lastid where") + forbid
        + staged(-2, code) + keyCondition(f, QStringLiteral("y.gl_djh"), QStringLiteral("y.k_note"));
    return sql + QStringLiteral(") DERIVEDTBL order by k_ghskh,k_rq,dsort,id");
}

QString SettleRefusal(
    const PartnerAccountSide& s, bool documentView, const QString& number, double dueAmount, double paidAmount)
{
    if (!documentView)
        return s.notDocument;
    const bool out = number.startsWith(s.outPrefix);
    if (!out && !number.startsWith(s.backPrefix))
        return s.wrongKind;
    const auto cents = [](double v) { return std::llround(v * 100); };
    QString outstanding;
    if (s.customers)
        outstanding = out ? QStringLiteral("select ls_yfje-ls_sfje-ls_yhje-ls_hkje from jxc_lsxsd where gl_djh=:n")
                          : QStringLiteral("select th_yfje-th_sfje-th_hkje from jxc_xsthd where gl_djh=:n");
    else
        outstanding = out ? QStringLiteral("select j_yfje-j_sfje-j_yhje-j_hkje from jxc_jhd where gl_djh=:n")
                          : QStringLiteral("select th_yfje-th_sfje-th_hkje from jxc_thd where gl_djh=:n");
    const qint64 owing = cents(FirstNumber(outstanding, { { QStringLiteral("n"), number } }));
    const bool settledRow = out ? cents(paidAmount) >= cents(dueAmount) : cents(paidAmount) <= cents(dueAmount);
    if (settledRow || owing <= 0)
        return s.notOwing;
    return QString();
}

bool CanViewPartnerDocument(const PartnerAccountSide& s, const QString& number)
{
    if (number.startsWith(s.outPrefix) || number.startsWith(s.backPrefix))
        return true;
    return s.customers && number.startsWith(QLatin1String("XH"));
}

namespace {

QString partnersToRecalc(const PartnerAccountSide& s, const QString& code, Params& params)
{
    QString sql = QStringLiteral(" from ") + s.partnerTable;
    if (!code.isEmpty()) {
        sql += QStringLiteral(" where ") + s.partnerCode + QStringLiteral("=:code");
        params.insert(QStringLiteral("code"), code);
    }
    return sql;
}

} // namespace

int PartnerCount(const PartnerAccountSide& s, const QString& code)
{
    Params params;
    const QString from = partnersToRecalc(s, code, params);
    return static_cast<int>(FirstNumber(QStringLiteral("select count(*)") + from, params));
}

int RecalcPartnerAccounts(
    const PartnerAccountSide& s, const QString& code, const QDate& from, const std::function<void(int)>& progress)
{
    Transaction t(Db());
    Params params;
    const QString source = partnersToRecalc(s, code, params);
    Query q(&Db());
    OpenWithParams(q, QStringLiteral("select ") + s.partnerCode + source + QStringLiteral(" order by id"), params);
    const QString date = from.toString(QStringLiteral("yyyy-MM-dd"));
    for (int r = 0; r < q.RecordCount(); ++r) {
        if (progress)
            progress(r);
        RecalcLedgerBalance(q.TextAt(r, 0), s.side, date);
    }
    t.Commit();
    return q.RecordCount();
}
