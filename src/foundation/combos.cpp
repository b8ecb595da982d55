#include "foundation/combos.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/sqltext.h"

#include <QComboBox>
#include <QSignalBlocker>

QString CurrentCustomerSn;

namespace
{

const QString kAll = QStringLiteral("-1");
const QString kAdminRole = QStringLiteral("100001");

// Whether the operator is kept to the partners and staff of his own warehouses.
bool OperatorBound()
{
    return IsTrue(BindPartnersWarehouse) && CurrentRoleSn != kAdminRole;
}

QString WarehouseRestriction(const QString& column = QStringLiteral("ck_sn"))
{
    return QStringLiteral("(") + column + QStringLiteral("='-1' or ") + column
        + QStringLiteral(" in (select ck_sn from jxc_ckxx where ck_asn like '%") + CurrentAdminSn
        + QStringLiteral("%'))");
}

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

// The first choice when it names a row, otherwise the fallback.
QString FirstOf(const QString& first, const QString& fallback)
{
    const QString v = QueryScalar(first);
    return v.isEmpty() ? QueryScalar(fallback) : v;
}

QString Direction(const QString& orderFlag)
{
    return orderFlag == QLatin1String("1") ? QStringLiteral("desc") : QStringLiteral("asc");
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
    // The default flag sorted first where the original's true was -1; here it is 1.
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

QString DefaultUserSn()
{
    return FirstOf(QStringLiteral("select u_sn from jxc_user where u_name='' or u_name is null order by id limit 1"),
        QStringLiteral("select u_sn from jxc_user order by id limit 1"));
}

QString DefaultUserName()
{
    return QueryScalar(QStringLiteral("select u_name from jxc_user order by id limit 1"));
}

QString DefaultSupplierSn()
{
    return FirstOf(
        QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id limit 1"),
        QStringLiteral("select ghs_sn from jxc_ghsxx where ghs_forbid=0 order by id limit 1"));
}

QString DefaultSupplierName()
{
    return FirstOf(
        QStringLiteral("select ghs_name from jxc_ghsxx where ghs_default<>0 and ghs_forbid=0 order by id limit 1"),
        QStringLiteral("select ghs_name from jxc_ghsxx where ghs_forbid=0 order by id limit 1"));
}

QString DefaultCustomerSn()
{
    return FirstOf(QStringLiteral("select kh_sn from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id limit 1"),
        QStringLiteral("select kh_sn from jxc_khxx where kh_forbid=0 order by id limit 1"));
}

QString DefaultCustomerName()
{
    return FirstOf(
        QStringLiteral("select kh_name from jxc_khxx where kh_default<>0 and kh_forbid=0 order by id limit 1"),
        QStringLiteral("select kh_name from jxc_khxx where kh_forbid=0 order by id limit 1"));
}

QString DefaultWarehouseSn()
{
    return FirstOf(QStringLiteral("select ck_sn from jxc_ckxx where ck_default<>0 order by id limit 1"),
        QStringLiteral("select ck_sn from jxc_ckxx order by id limit 1"));
}

QString DefaultWarehouseName()
{
    return FirstOf(QStringLiteral("select ck_name from jxc_ckxx where ck_default<>0 order by id limit 1"),
        QStringLiteral("select ck_name from jxc_ckxx order by id limit 1"));
}

bool RowExists(const QString& table, const QString& column, const QString& condition)
{
    return !QueryScalar(QStringLiteral("select ") + column + QStringLiteral(" from ") + table + QLatin1Char(' ')
        + condition + QStringLiteral(" limit 1"))
                .isEmpty();
}

bool ValueExists(const QString& table, const QString& column, const QString& value)
{
    return !FirstRowId(table, column, value).isEmpty();
}

QString FirstRowId(const QString& table, const QString& column, const QString& value)
{
    return QueryScalar(QStringLiteral("select id from ") + table + QStringLiteral(" where ") + column
        + QStringLiteral("=") + SqlQuoted(value) + QStringLiteral(" order by id limit 1"));
}

QString GetCustomerType(const QString& customerSn)
{
    QString type;
    if (IsTrue(UseGradePrices))
        type = QueryScalar(QStringLiteral("select kt_sn from jxc_khxx where kh_sn=") + SqlQuoted(customerSn)
            + QStringLiteral(" limit 1"));
    return type.isEmpty() ? QStringLiteral("1000") : type;
}

QString GetImportFieldId(const QString& caption, const QString& table)
{
    return QueryScalar(QStringLiteral("select i_fieldid from jxc_import where i_tablename=") + SqlQuoted(table)
        + QStringLiteral(" and i_fieldname=") + SqlQuoted(caption));
}

void OpenSupplierList(const QString& orderFlag)
{
    const QString sql = OperatorBound()
        ? QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 and ") + WarehouseRestriction()
            + QStringLiteral(" order by id ") + Direction(orderFlag)
        : QStringLiteral("select * from jxc_ghsxx where ghs_forbid=0 order by id ") + Direction(orderFlag);
    OpenQuery(F_DataModule->Q(QStringLiteral("Q_Ghsxx")), sql);
}

void OpenCustomerList(const QString& orderFlag)
{
    QString sql = QStringLiteral("select a.*,b.kt_name as ktname from jxc_khxx a,jxc_khtype b "
                                 "where a.kt_sn=b.kt_sn and a.kh_forbid=0");
    if (OperatorBound())
        sql += QStringLiteral(" and ") + WarehouseRestriction(QStringLiteral("a.ck_sn"));
    OpenQuery(
        F_DataModule->Q(QStringLiteral("Q_Khxx")), sql + QStringLiteral(" order by a.id ") + Direction(orderFlag));
}

namespace
{
void Reopen(const QString& name)
{
    Query& q = F_DataModule->Q(name);
    if (!q.Active() && !q.SQL().isEmpty())
        q.Open();
}
}

void ReopenSupplierQuery()
{
    Reopen(QStringLiteral("Q_Ghsxx"));
}

void ReopenCustomerQuery()
{
    Reopen(QStringLiteral("Q_Khxx"));
}

void CompleteGoodsClassRow(Query& goodsClass)
{
    // The code is drawn from the parent recorded in the table, so a row still being
    // appended is stored first.
    if (goodsClass.GetState() == Query::State::Insert)
        goodsClass.Post();
    if (goodsClass.GetState() == Query::State::Browse)
        goodsClass.Edit();
    const QString key = goodsClass.AsString(QStringLiteral("gc_key"));
    goodsClass.SetValue(QStringLiteral("gc_jm"), GetPyCode(goodsClass.AsString(QStringLiteral("gc_name"))));
    goodsClass.SetValue(QStringLiteral("gc_sn"), GetNextClassSn(key));
    goodsClass.SetValue(QStringLiteral("gc_cid"), key);
    goodsClass.Post();
}

void SetGoodsClassName(Query& goodsClass, const QString& name)
{
    if (goodsClass.GetState() == Query::State::Browse)
        goodsClass.Edit();
    goodsClass.SetValue(QStringLiteral("gc_name"), name);
    goodsClass.SetValue(QStringLiteral("gc_jm"), GetPyCode(name));
    goodsClass.Post();
}
