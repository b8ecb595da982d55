#include "foundation/combos.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/operatorscope.h"
#include "foundation/settings.h"
#include "foundation/sqltext.h"
#include "platform/db/query.h"
#include "platform/ui/keyedcombo.h"

#include <QComboBox>
#include <QSignalBlocker>

QString CurrentCustomerSn;

namespace {

const QString kAll = QStringLiteral("-1");
const QString kAdminRole = QStringLiteral("100001");

// Clears the combo and lists the rows of a statement, keyed, on the data module's
// temporary query (the catalogue's for account sets). Filling is not an edit by
// the operator, so the combo's change signals stay quiet and nothing is selected.
void FillKeyed(KeyedCombo& combo, Query& query, const QString& sql, const QString& nameColumn, const QString& keyColumn,
    const QString& firstItem, const QString& lastItem)
{
    const QSignalBlocker quiet(combo);
    combo.clear();
    if (!firstItem.isEmpty())
        combo.AddKeyed(firstItem, kAll);
    OpenQuery(query, sql);
    for (query.First(); !query.Eof(); query.Next())
        combo.AddKeyed(query.AsString(nameColumn), query.AsString(keyColumn));
    query.Close();
    if (!lastItem.isEmpty())
        combo.AddKeyed(lastItem, kAll);
    combo.setCurrentIndex(-1);
}

void FillKeyed(KeyedCombo& combo, const QString& sql, const QString& nameColumn, const QString& keyColumn,
    const QString& firstItem = QString(), const QString& lastItem = QString())
{
    FillKeyed(combo, F_DataModule->QueryTmp, sql, nameColumn, keyColumn, firstItem, lastItem);
}

void AddNames(QComboBox& combo, const QString& sql, const QString& column)
{
    Query& query = F_DataModule->QueryTmp;
    OpenQuery(query, sql);
    for (query.First(); !query.Eof(); query.Next())
        combo.addItem(query.AsString(column));
    query.Close();
}

QString TableSql(const QString& table, const QString& condition, const QString& order)
{
    QString sql = QStringLiteral("select * from ") + table;
    if (!condition.isNull())
        sql += QLatin1Char(' ') + condition;
    return sql + QStringLiteral(" order by ") + order;
}

} // namespace

void FillCombo(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& firstItem)
{
    FillKeyed(combo, TableSql(table, QString(), order), nameColumn, keyColumn, firstItem);
}

void FillComboWhere(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& condition, const QString& lastItem)
{
    FillKeyed(combo, TableSql(table, condition, order), nameColumn, keyColumn, QString(),
        condition.isEmpty() ? QString() : lastItem);
}

void FillComboWhere2(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& condition, const QString& firstItem)
{
    FillKeyed(combo, TableSql(table, condition, order), nameColumn, keyColumn, firstItem);
}

void FillWarehouseCombo(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& condition, const QString& firstItem)
{
    FillKeyed(combo, TableSql(table, condition, order), nameColumn, keyColumn,
        firstItem == QStringLiteral("所有仓库") ? firstItem : QString());
}

void FillAccountSetCombo(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& orderTail)
{
    // The default set first: a yes is stored as 1, so descending puts it on top.
    FillKeyed(combo, F_DataModule->QueryTmpZT,
        QStringLiteral("select * from ") + table + QStringLiteral(" where zt_forbid=0 order by zt_default desc,")
            + orderTail,
        nameColumn, keyColumn, QString(), QString());
}

void FillAdminCombo(KeyedCombo& combo, const QString& firstItem)
{
    const QString sql = OperatorBound() ? QStringLiteral("select * from jxc_admin where a_jyt=0 and a_sn=")
            + SqlQuoted(CurrentAdminSn) + QStringLiteral(" order by id")
                                        : QStringLiteral("select * from jxc_admin where a_jyt=0 order by id");
    FillKeyed(combo, sql, QStringLiteral("a_name"), QStringLiteral("a_sn"),
        CurrentRoleSn == kAdminRole ? firstItem : QString());
}

void FillStaffCombo(KeyedCombo& combo, const QString& flagColumn, const QString& firstItem)
{
    QString sql = QStringLiteral("select * from jxc_user where u_jy=0");
    const bool bound = OperatorBound();
    if (bound)
        sql += QStringLiteral(" and ") + WarehouseRestriction();
    if (!flagColumn.isEmpty())
        sql += QStringLiteral(" and ") + flagColumn + QStringLiteral("<>0");
    sql += QStringLiteral(" order by id");
    const bool withFirst = CurrentRoleSn == kAdminRole || !IsTrue(BindPartnersWarehouse);
    FillKeyed(combo, sql, QStringLiteral("u_name"), QStringLiteral("u_sn"), withFirst ? firstItem : QString());
}

void FillSalesmanCombo(KeyedCombo& combo, const QString& nameColumn, const QString& keyColumn, const QString& lastItem)
{
    const QString listed
        = QueryScalar(QStringLiteral("select kh_usn from jxc_khxx where kh_sn=") + SqlQuoted(CurrentCustomerSn));
    const QString bound
        = OperatorBound() ? QStringLiteral(" and ") + WarehouseRestriction() + QLatin1Char(' ') : QString();
    const QString sql
        = QStringLiteral("select u_sn,u_name,1 as dsort from jxc_user where u_jy=0 and u_xs<>0 and instr(")
        + SqlQuoted(listed) + QStringLiteral(",u_sn)>0 ") + bound + QStringLiteral(" union ")
        + QStringLiteral(" select u_sn,u_name,2 as dsort from jxc_user where u_jy=0 and u_xs<>0 and instr(")
        + SqlQuoted(listed) + QStringLiteral(",u_sn)=0 ") + bound + QStringLiteral(" order by dsort,u_sn ");
    FillKeyed(combo, sql, nameColumn, keyColumn, QString(), lastItem);
    if (combo.count() > 0)
        combo.setCurrentIndex(0);
}

void FillComboBox(QComboBox& combo, const QString& table, const QString& column, const QString& order,
    const QString& blankFlag, const QString& firstItem)
{
    const QSignalBlocker quiet(combo);
    combo.clear();
    if (blankFlag == QLatin1String("1"))
        combo.addItem(QString());
    if (!firstItem.isEmpty())
        combo.addItem(firstItem);
    AddNames(combo, TableSql(table, QString(), order), column);
    combo.setCurrentIndex(-1);
}

void FillComboNames(QComboBox& combo, const QString& table, const QString& column, const QString& order,
    const QString& blankFlag, const QString& firstItem)
{
    const QSignalBlocker quiet(combo);
    combo.clear();
    if (!firstItem.isEmpty())
        combo.addItem(firstItem);
    if (blankFlag == QLatin1String("1"))
        combo.addItem(QString());
    AddNames(combo, TableSql(table, QString(), order), column);
    combo.setCurrentIndex(-1);
}

void FillComboNamesWhere(QComboBox& combo, const QString& table, const QString& column, const QString& order,
    const QString& condition, const QString& blankFlag, const QString& extraItem)
{
    const QSignalBlocker quiet(combo);
    combo.clear();
    if (blankFlag == QLatin1String("1"))
        combo.addItem(QString());
    if (condition.isEmpty() && !extraItem.isEmpty())
        combo.addItem(extraItem);
    AddNames(combo, TableSql(table, condition, order), column);
    if (!condition.isEmpty() && !extraItem.isEmpty())
        combo.addItem(extraItem);
    combo.setCurrentIndex(-1);
}

QString GetComboCode(const KeyedCombo& combo, int index)
{
    return combo.Code(index);
}

QString ChosenFilterCode(const KeyedCombo& combo)
{
    if (combo.currentIndex() < 0)
        return QString();
    const QString code = combo.Code(combo.currentIndex());
    return code == QLatin1String("-1") ? QString() : code;
}

void FillOperatorWarehouses(KeyedCombo& combo)
{
    if (BindOperatorWarehouse == QLatin1String("1") && CurrentRoleSn != QLatin1String("100001"))
        FillComboWhere(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"),
            QStringLiteral("where ck_asn like '%") + SafeSqlText(CurrentAdminSn) + QStringLiteral("%'"));
    else
        FillCombo(combo, QStringLiteral("jxc_ckxx"), QStringLiteral("ck_name"), QStringLiteral("ck_sn"),
            QStringLiteral("id"));
}
