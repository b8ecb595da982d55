#include "admin/settlement.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/housekeeping.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"

namespace {

Connection& db()
{
    return F_DataModule->ADOConn;
}

// Bound to every statement: the start of the day after the cut-off, the carried
// rows' date, the cut-off month and the operator of the scratch rows.
SqlParams cutoffParams(const QDate& cutoff)
{
    return { { QStringLiteral("next"), cutoff.addDays(1).toString(QStringLiteral("yyyy-MM-dd")) },
        { QStringLiteral("d"), SettlementDateText(cutoff) },
        { QStringLiteral("month"), cutoff.toString(QStringLiteral("yyyy-MM")) },
        { QStringLiteral("op"), CurrentAdminName } };
}

// Runs a statement with the parameters it names.
void run(const QString& sql, const SqlParams& all)
{
    SqlParams used;
    for (auto it = all.begin(); it != all.end(); ++it)
        if (sql.contains(QLatin1Char(':') + it.key()))
            used.insert(it.key(), it.value());
    db().Exec(sql, used);
}

double number(const QString& sql, const SqlParams& all)
{
    SqlParams used;
    for (auto it = all.begin(); it != all.end(); ++it)
        if (sql.contains(QLatin1Char(':') + it.key()))
            used.insert(it.key(), it.value());
    return SelectScalar(db(), sql, used).toDouble();
}

// The documents a summary row covers: headers of a table up to the cut-off, approved
// when a status column is named, of one number prefix when given.
struct Headers {
    QString table;
    QString where;
};

Headers headers(const char* table, const char* date, const char* status = nullptr, const char* prefix = nullptr)
{
    QString w = QLatin1String(date) + QStringLiteral("<:next");
    if (status)
        w += QStringLiteral(" and ") + QLatin1String(status) + QStringLiteral("=1");
    if (prefix)
        w += QStringLiteral(" and gl_djh like '") + QLatin1String(prefix) + QStringLiteral("%'");
    return { QLatin1String(table), w };
}

QString countOf(const Headers& h)
{
    return QStringLiteral("select count(*) from ") + h.table + QStringLiteral(" where ") + h.where;
}

QString headerSum(const Headers& h, const char* expr)
{
    return QStringLiteral("select coalesce(sum(") + QLatin1String(expr) + QStringLiteral("),0) from ") + h.table
        + QStringLiteral(" where ") + h.where;
}

QString lineSum(const Headers& h, const char* lines, const char* expr)
{
    return QStringLiteral("select coalesce(sum(") + QLatin1String(expr) + QStringLiteral("),0) from ")
        + QLatin1String(lines) + QStringLiteral(" where gl_djh in (select gl_djh from ") + h.table
        + QStringLiteral(" where ") + h.where + QStringLiteral(")");
}

const QString kNone = QStringLiteral("select 0");

struct SummaryRow {
    QString label, count, qty, amount;
};

QList<SummaryRow> summaryRows()
{
    const Headers jhd = headers("jxc_jhd", "j_jhrq", "j_status");
    const Headers thd = headers("jxc_thd", "th_thrq", "th_status");
    const Headers xsd = headers("jxc_lsxsd", "ls_xsrq", "ls_status");
    const Headers xsth = headers("jxc_xsthd", "th_xsrq", "th_status");
    const Headers rkd = headers("jxc_rkd", "rk_rq", "rk_status");
    const Headers ckd = headers("jxc_ckd", "ck_rq", "ck_status");
    const Headers dbd = headers("jxc_kcdbd", "db_dbrq", "db_status");
    const Headers bsd = headers("jxc_bsd", "bs_bsrq", "bs_status");
    const Headers byd = headers("jxc_byd", "by_byrq", "by_status");
    const Headers cfd = headers("jxc_cfd", "cf_cfrq", "cf_status");
    const Headers kbd = headers("jxc_kbd", "kb_kbrq", "kb_status");
    const Headers pd = headers("jxc_kcpd", "pd_rq", "pd_status");
    const Headers jh = headers("jxc_khjh", "jh_rq");
    const Headers fy = { QStringLiteral("jxc_yyfy"), QStringLiteral("fy_rq<:next and fy_flag='1'") };
    const Headers sr = { QStringLiteral("jxc_yyfy"), QStringLiteral("fy_rq<:next and fy_flag='2'") };
    const Headers dh = headers("jxc_dhd", "dh_dhrq");
    const Headers cg = headers("jxc_cgd", "j_jhrq", "j_status");
    const Headers xs = headers("jxc_xsd", "ls_xsrq", "ls_status");
    const Headers ly = headers("jxc_bmlyd", "ly_rq", "ly_status", "LY");
    const Headers lt = headers("jxc_bmlyd", "ly_rq", "ly_status", "LT");
    const Headers sc = headers("jxc_scrkd", "sc_rq", "sc_status", "SC");
    const Headers st = headers("jxc_scrkd", "sc_rq", "sc_status", "ST");
    const Headers jg = headers("jxc_scjgd", "jg_scrq", "jg_status");
    const Headers wf = headers("jxc_wfjgd", "wf_fdrq", "wf_status");
    const Headers ws = headers("jxc_wfshd", "ws_shrq", "ws_status");
    const Headers wt = headers("jxc_wftzd", "wt_rq", "wt_status");
    const Headers plan = headers("jxc_plan", "jg_rq", "jg_status");
    return {
        { QStringLiteral("采购进货单"), countOf(jhd), lineSum(jhd, "jxc_jhsp", "jh_sl"), headerSum(jhd, "j_yfje") },
        { QStringLiteral("采购退货单"), countOf(thd), lineSum(thd, "jxc_thsp", "th_sl"), headerSum(thd, "-th_yfje") },
        { QStringLiteral("商品销售单"), countOf(xsd), lineSum(xsd, "jxc_lsxssp", "ls_sl"), headerSum(xsd, "ls_yfje") },
        { QStringLiteral("销售退货单"), countOf(xsth), lineSum(xsth, "jxc_xsthsp", "th_sl"),
            headerSum(xsth, "-th_yfje") },
        { QStringLiteral("商品入库单"), countOf(rkd), lineSum(rkd, "jxc_rksp", "rk_sl"), kNone },
        { QStringLiteral("商品出库单"), countOf(ckd), lineSum(ckd, "jxc_cksp", "ck_sl"), kNone },
        { QStringLiteral("库存调拨单"), countOf(dbd), lineSum(dbd, "jxc_dbsp", "db_sl"), kNone },
        { QStringLiteral("商品报损单"), countOf(bsd), lineSum(bsd, "jxc_bssp", "bs_sl"),
            lineSum(bsd, "jxc_bssp", "bs_zje") },
        { QStringLiteral("商品报溢单"), countOf(byd), lineSum(byd, "jxc_bysp", "by_sl"),
            lineSum(byd, "jxc_bysp", "by_zje") },
        { QStringLiteral("被拆分商品"), countOf(cfd), headerSum(cfd, "cf_sl"), headerSum(cfd, "cf_sl*cf_cbj") },
        { QStringLiteral("拆分成的商品"), countOf(cfd), lineSum(cfd, "jxc_cfsp", "cf_sl"),
            lineSum(cfd, "jxc_cfsp", "cf_zje") },
        { QStringLiteral("捆绑成的商品"), countOf(kbd), headerSum(kbd, "kb_sl"), headerSum(kbd, "kb_sl*kb_cbj") },
        { QStringLiteral("被捆绑的商品"), countOf(kbd), lineSum(kbd, "jxc_kbsp", "kb_sl"),
            lineSum(kbd, "jxc_kbsp", "kb_zje") },
        { QStringLiteral("库存盘点单"), countOf(pd), headerSum(pd, "pd_sl"), headerSum(pd, "kc_sl") },
        { QStringLiteral("客户借货单"), countOf(jh), lineSum(jh, "jxc_khjhsp", "jh_sl"),
            lineSum(jh, "jxc_khjhsp", "jh_zje") },
        { QStringLiteral("费用及收入--费用"), countOf(fy), kNone, headerSum(fy, "fy_je") },
        { QStringLiteral("费用及收入--收入"), countOf(sr), kNone, headerSum(sr, "fy_je") },
        { QStringLiteral("赠品兑换单"), countOf(dh), lineSum(dh, "jxc_dhzp", "dh_sl"), kNone },
        { QStringLiteral("采购订单"), countOf(cg), lineSum(cg, "jxc_cgsp", "jh_sl"), headerSum(cg, "j_yfje") },
        { QStringLiteral("销售订单"), countOf(xs), lineSum(xs, "jxc_xssp", "ls_sl"), headerSum(xs, "ls_yfje") },
        { QStringLiteral("部门领用单"), countOf(ly), lineSum(ly, "jxc_bmlysp", "ly_sl"), headerSum(ly, "ly_zje") },
        { QStringLiteral("部门退回单"), countOf(lt), lineSum(lt, "jxc_bmlysp", "ly_sl"), headerSum(lt, "-ly_zje") },
        { QStringLiteral("生产入库单"), countOf(sc), lineSum(sc, "jxc_scrksp", "sc_sl"), headerSum(sc, "sc_yfje") },
        { QStringLiteral("生产退库单"), countOf(st), lineSum(st, "jxc_scrksp", "sc_sl"), headerSum(st, "-sc_yfje") },
        { QStringLiteral("生产加工单"), countOf(jg), lineSum(jg, "jxc_scjgdlb", "jg_sl"),
            lineSum(jg, "jxc_scjgdlb", "jg_zcb") },
        { QStringLiteral("外发加工单"), countOf(wf), headerSum(wf, "wf_sl"), headerSum(wf, "wf_yfje") },
        { QStringLiteral("外发加工单配料"), countOf(wf), lineSum(wf, "jxc_wfjgdpl", "pl_zsl"),
            lineSum(wf, "jxc_wfjgdpl", "pl_zcb") },
        { QStringLiteral("外发收货单"), countOf(ws), headerSum(ws, "ws_sl"), headerSum(ws, "ws_yfje") },
        { QStringLiteral("外发加工单配料调整"), countOf(ws), lineSum(wt, "jxc_wftzdpl", "pl_zsl"),
            lineSum(wt, "jxc_wftzdpl", "pl_zcb") },
        { QStringLiteral("生产计划单"), countOf(plan), lineSum(plan, "jxc_planlb", "jg_sl"),
            lineSum(plan, "jxc_planlb", "jg_zcb") },
    };
}

// Documents deleted up to the cut-off: header, its date column, and its line and
// colour-by-size tables (tied by gl_djh), in the order they go.
struct DocTables {
    const char* header;
    const char* date;
    QList<const char*> lines;
};

const QList<DocTables>& documentTables()
{
    static const QList<DocTables> tables = {
        { "jxc_jhd", "j_jhrq", { "jxc_jhsp", "jxc_jhspmx" } },
        { "jxc_thd", "th_thrq", { "jxc_thsp", "jxc_thspmx" } },
        { "jxc_lsxsd", "ls_xsrq", { "jxc_lsxssp", "jxc_lsxsspmx" } },
        { "jxc_xsthd", "th_xsrq", { "jxc_xsthsp", "jxc_xsthspmx" } },
        { "jxc_rkd", "rk_rq", { "jxc_rksp", "jxc_rkspmx" } },
        { "jxc_ckd", "ck_rq", { "jxc_cksp", "jxc_ckspmx" } },
        { "jxc_kcdbd", "db_dbrq", { "jxc_dbsp", "jxc_dbspmx" } },
        { "jxc_bsd", "bs_bsrq", { "jxc_bssp", "jxc_bsspmx" } },
        { "jxc_byd", "by_byrq", { "jxc_bysp", "jxc_byspmx" } },
        { "jxc_cfd", "cf_cfrq", { "jxc_cfsp", "jxc_cfspmx" } },
        { "jxc_kbd", "kb_kbrq", { "jxc_kbsp", "jxc_kbspmx" } },
        { "jxc_jhgl", "jh_rq", { "jxc_jhglmx" } },
        { "jxc_kcpd", "pd_rq", { "jxc_kcpdsp", "jxc_kcpdspmx" } },
        { "jxc_posxsd", "pos_xsrq", { "jxc_posxssp", "jxc_posxsspmx" } },
        { "jxc_cgd", "j_jhrq", { "jxc_cgsp", "jxc_cgspmx" } },
        { "jxc_xsd", "ls_xsrq", { "jxc_xssp", "jxc_xsspmx" } },
        { "jxc_tempspbd", "t_rq", {} },
        { "jxc_wxd", "wx_wxrq", { "jxc_wxsp" } },
        { "jxc_bmlyd", "ly_rq", { "jxc_bmlysp", "jxc_bmlyspmx" } },
        { "jxc_scjgd", "jg_scrq", { "jxc_scjgdlb", "jxc_scjgdpl" } },
        { "jxc_scrkd", "sc_rq", { "jxc_scrksp", "jxc_scrkspmx" } },
        { "jxc_wfjgd", "wf_fdrq", { "jxc_wfjgdpl" } },
        { "jxc_wftzd", "wt_rq", { "jxc_wftzdpl" } },
        { "jxc_wfshd", "ws_shrq", {} },
        { "jxc_plan", "jg_rq", { "jxc_planlb", "jxc_planpl" } },
        { "jxc_dhd", "dh_dhrq", { "jxc_dhzp" } },
        { "jxc_crk", "crk_rq", {} },
        { "jxc_kdd", "kd_rq", {} },
    };
    return tables;
}

void deleteDocuments(const SqlParams& p)
{
    run(QStringLiteral("delete from jxc_log where log_time<:next"), p);
    for (const DocTables& t : documentTables()) {
        const QString header = QLatin1String(t.header);
        const QString upTo = QLatin1String(t.date) + QStringLiteral("<:next");
        for (const char* lines : t.lines)
            run(QStringLiteral("delete from ") + QLatin1String(lines)
                    + QStringLiteral(" where gl_djh in (select gl_djh from ") + header + QStringLiteral(" where ")
                    + upTo + QStringLiteral(")"),
                p);
        run(QStringLiteral("delete from ") + header + QStringLiteral(" where ") + upTo, p);
        // The monthly balances go after the stock-takes, the cut-off month included.
        if (header == QLatin1String("jxc_kcpd"))
            run(QStringLiteral("delete from jxc_kcjs where js_rq<=:month"), p);
    }
}

// Keeps in the operator's scratch rows the id of the last row of each group up to the
// cut-off: the latest date, and of rows of that date the highest id. Groups are
// matched column by column, so that codes of different lengths cannot run together.
void keepLastRows(
    const QString& table, const QString& date, const QStringList& group, const QString& filter, const SqlParams& p)
{
    QString on;
    for (const QString& g : group)
        on += QStringLiteral(" and a.") + g + QStringLiteral("=b.") + g;
    const QString cols = group.join(QLatin1Char(','));
    const QString cond = filter.isEmpty() ? QString() : QStringLiteral(" and ") + filter;
    ClearTempLines();
    run(QStringLiteral("insert into jxc_tempspxf (rid,a_name) select max(a.id),:op from ") + table
            + QStringLiteral(" a join (select ") + cols + QStringLiteral(",max(") + date
            + QStringLiteral(") as mrq from ") + table + QStringLiteral(" where ") + date + QStringLiteral("<:next")
            + cond + QStringLiteral(" group by ") + cols + QStringLiteral(") b on a.") + date + QStringLiteral("=b.mrq")
            + on + QStringLiteral(" where 1=1")
            + QString(cond).replace(QStringLiteral(" and "), QStringLiteral(" and a.")) + QStringLiteral(" group by a.")
            + group.join(QStringLiteral(",a.")),
        p);
    run(QStringLiteral("delete from ") + table + QStringLiteral(" where ") + date
            + QStringLiteral("<:next and id not in (select rid from jxc_tempspxf where a_name=:op)"),
        p);
}

const QString kKept = QStringLiteral(" where id in (select rid from jxc_tempspxf where a_name=:op)");

void collapseStockLedger(const SqlParams& p)
{
    keepLastRows(QStringLiteral("jxc_goodslist"), QStringLiteral("gl_kdrq"),
        { QStringLiteral("g_sn"), QStringLiteral("ck_sn") }, QString(), p);
    run(QStringLiteral("update jxc_goodslist set gl_sl=gl_kc,gl_dj=gl_pjjj,gl_zje=gl_kczje,gl_je=gl_kczje,gl_sqje=0,"
                       "gl_sqsl=0,gl_djh='',gl_flag='qc',ghs_name='数据结算结转',gl_note='数据结算结转',gl_kdrq=:d")
            + kKept,
        p);
    ClearTempLines();
}

void collapseInvoices(const SqlParams& p)
{
    keepLastRows(QStringLiteral("jxc_fpdjb"), QStringLiteral("fp_rq"),
        { QStringLiteral("fp_type"), QStringLiteral("fp_ghskh") },
        QStringLiteral("fp_check<>0 and fp_type in ('ghs','kh')"), p);
    run(QStringLiteral("delete from jxc_fpdjb where abs(coalesce(fp_ljje,0))<0.005 and id in "
                       "(select rid from jxc_tempspxf where a_name=:op)"),
        p);
    run(QStringLiteral("update jxc_fpdjb set gl_djh='',fp_yfje=fp_ljje,fp_sfje=0,fp_kpje=0,fp_djtxt='数据结算结转',"
                       "fp_note='数据结算结转',fp_rq=:d")
            + kKept,
        p);
    ClearTempLines();
}

void collapseCashJournal(const SqlParams& p)
{
    keepLastRows(QStringLiteral("jxc_xjyh"), QStringLiteral("xj_rq"), { QStringLiteral("xj_kmmc") },
        QStringLiteral("xj_chk='1'"), p);
    run(QStringLiteral("update jxc_xjyh set xj_je=xj_ljje,gl_djh='',xj_note='数据结算结转',xj_rq=:d,"
                       "xj_dlx='数据结算结转',ghs_name=''")
            + kKept,
        p);
    ClearTempLines();
}

void collapsePartnerLedger(const SqlParams& p)
{
    keepLastRows(QStringLiteral("jxc_ysyfk"), QStringLiteral("k_rq"),
        { QStringLiteral("k_type"), QStringLiteral("k_ghskh") }, QStringLiteral("k_type in ('ghs','kh')"), p);
    run(QStringLiteral("delete from jxc_ysyfk where abs(coalesce(k_ljje,0))<0.005 and id in "
                       "(select rid from jxc_tempspxf where a_name=:op)"),
        p);
    run(QStringLiteral("update jxc_ysyfk set gl_djh='',k_yfje=k_ljje,k_sfje=0,k_yhje=0,k_qcje=0,"
                       "k_djtxt='数据结算结转',k_note='数据结算结转',k_rq=:d")
            + kKept,
        p);
    ClearTempLines();
}

} // namespace

QString SettlementDateText(const QDate& cutoff)
{
    return cutoff.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 23:59:00");
}

bool AlreadySettled(const QDate& cutoff)
{
    return !SelectScalar(db(), QStringLiteral("select nj_year from jxc_nj where nj_year>=:y limit 1"),
        { { QStringLiteral("y"), cutoff.toString(QStringLiteral("yyyy-MM-dd")) } })
                .isEmpty();
}

void updateNj(const QDate& cutoff)
{
    const SqlParams p = cutoffParams(cutoff);
    const QString today = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    for (const SummaryRow& r : summaryRows())
        db().Exec(QStringLiteral("insert into jxc_nj (nj_jsrq,nj_year,nj_xm,nj_ds,nj_sl,nj_je) "
                                 "values (:today,:year,:xm,:ds,:sl,:je)"),
            { { QStringLiteral("today"), today },
                { QStringLiteral("year"), cutoff.toString(QStringLiteral("yyyy-MM-dd")) },
                { QStringLiteral("xm"), r.label }, { QStringLiteral("ds"), qint64(number(r.count, p)) },
                { QStringLiteral("sl"), number(r.qty, p) }, { QStringLiteral("je"), number(r.amount, p) } });
}

void SettlePeriod(const QDate& cutoff, const std::function<void(int, const QString&)>& step)
{
    const SqlParams p = cutoffParams(cutoff);
    const auto begin = [&](int n, const QString& label) {
        if (step)
            step(n, label);
    };
    Transaction t(db());
    begin(4, QStringLiteral("正在统计结算数据..."));
    updateNj(cutoff);
    begin(5, QStringLiteral("正在删除单据..."));
    deleteDocuments(p);
    begin(6, QStringLiteral("正在结转库存明细..."));
    collapseStockLedger(p);
    begin(7, QStringLiteral("正在结转发票登记..."));
    collapseInvoices(p);
    begin(8, QStringLiteral("正在结转现金银行..."));
    collapseCashJournal(p);
    begin(9, QStringLiteral("正在结转应收应付..."));
    collapsePartnerLedger(p);
    begin(10, QStringLiteral("正在删除往来登记及费用..."));
    run(QStringLiteral("delete from jxc_ysyfk_dj where k_rq<:next"), p);
    run(QStringLiteral("delete from jxc_yyfy where fy_rq<:next"), p);
    run(QStringLiteral("delete from jxc_log where log_time<:next"), p);
    begin(11, QStringLiteral("正在整理结算记录..."));
    db().Exec(QStringLiteral("delete from jxc_nj where nj_sl=0 and nj_ds=0"));
    t.Commit();
}
