#include "foundation/stockservices.h"

#include "foundation/datamodule.h"
#include "foundation/sqltext.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

namespace {

QStringList FirstColumn(const QString& sql)
{
    return SelectColumn(F_DataModule->ADOConn, sql);
}

QString SumOrZero(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

void SetMonthTotals(const QString& warehouse, const QString& month, const QString& qty, const QString& value)
{
    ExecSQL(QStringLiteral("update jxc_kcjs set js_sl=") + SumOrZero(qty) + QStringLiteral(",js_zje=")
        + SumOrZero(value) + QStringLiteral(" where js_rq=") + SqlQuoted(month) + QStringLiteral(" and ck_sn=")
        + SqlQuoted(warehouse));
}

} // namespace

void PrepareStockRows(const QString& month)
{
    Transaction work(F_DataModule->ADOConn);
    for (const QString& warehouse : FirstColumn(QStringLiteral(
             "select ck_sn from jxc_ckxx where (ck_sn not in (select ck_sn from jxc_kcsp where g_sn='00000000'))")))
        ExecSQL(QStringLiteral("insert into jxc_kcsp (kc_sl,kc_cbj,kc_xssl,ck_sn,g_sn,kc_zsl) values (0,0,0,")
            + SqlQuoted(warehouse) + QStringLiteral(",'00000000',0)"));

    const QStringList missing = FirstColumn(
        QStringLiteral("select ck_sn from jxc_ckxx where ck_sn not in (select ck_sn from jxc_kcjs where js_rq=")
        + SqlQuoted(month) + QStringLiteral(") order by ck_sn"));
    if (!missing.isEmpty()) {
        for (const QString& warehouse : missing)
            ExecSQL(QStringLiteral("insert into jxc_kcjs (js_rq,js_sl,js_zje,ck_sn,js_xssl,js_xsje,js_cgsl,js_cgje,"
                                   "js_xslr,js_xscb) select ")
                + SqlQuoted(month) + QStringLiteral(",0,0,ck_sn,0,0,0,0,0,0 from jxc_ckxx where ck_sn=")
                + SqlQuoted(warehouse));
        Query totals(&F_DataModule->ADOConn);
        totals.SetSQL(
            QStringLiteral("select sum(kc_sl) as sl,sum(kc_sl*kc_cbj) as zje,ck_sn from jxc_kcsp group by ck_sn"));
        totals.Open();
        for (totals.First(); !totals.Eof(); totals.Next())
            SetMonthTotals(totals.AsString(QStringLiteral("ck_sn")), month, totals.AsString(QStringLiteral("sl")),
                totals.AsString(QStringLiteral("zje")));
    }
    work.Commit();
}

void UpdateMonthStockTotals(const QString& warehouseSn, const QString& month)
{
    Query totals(&F_DataModule->ADOConn);
    totals.SetSQL(QStringLiteral("select sum(kc_sl) as sl,sum(kc_sl*kc_cbj) as zje from jxc_kcsp where ck_sn=")
        + SqlQuoted(warehouseSn));
    totals.Open();
    SetMonthTotals(warehouseSn, month, totals.AsString(QStringLiteral("sl")), totals.AsString(QStringLiteral("zje")));
}
