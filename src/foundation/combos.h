#pragma once
#include <QString>

class KeyedCombo;
class QComboBox;
class Query;

// Combo fillers: each clears the combo and lists the rows of a table, a keyed item
// showing the name column and carrying the key column in its TMyObject. The
// selection is left to the caller (none after filling) unless said otherwise.

// The customer of the sales document being entered; its salesmen come first in
// FillSalesmanCombo.
extern QString CurrentCustomerSn;

// first item (keyed "-1") before the rows when not empty.
void FillCombo(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& firstItem = QString());
// condition carries its own "where"; last item (keyed "-1") after the rows only
// when both the condition and the item are not empty.
void FillComboWhere(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& condition, const QString& lastItem = QString());
// As FillComboWhere, the extra item (keyed "-1") first when not empty.
void FillComboWhere2(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& condition, const QString& firstItem = QString());
// As FillComboWhere; the first item only when it is "所有仓库".
void FillWarehouseCombo(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& order, const QString& condition, const QString& firstItem = QString());
// The account sets of the catalogue that are not disabled, the default first.
void FillAccountSetCombo(KeyedCombo& combo, const QString& table, const QString& nameColumn, const QString& keyColumn,
    const QString& orderTail);

// Operators that may log in; a bound operator sees only himself.
void FillAdminCombo(KeyedCombo& combo, const QString& firstItem = QString());
// Active staff, optionally only those with a flag (u_cg, u_xs, u_kc) set.
void FillStaffCombo(KeyedCombo& combo, const QString& flagColumn = QString(), const QString& firstItem = QString());
// Active salesmen, those of CurrentCustomerSn first; selects the first item.
void FillSalesmanCombo(
    KeyedCombo& combo, const QString& nameColumn, const QString& keyColumn, const QString& lastItem = QString());

// Name lists without keys.
void FillComboBox(QComboBox& combo, const QString& table, const QString& column, const QString& order,
    const QString& blankFlag, const QString& firstItem = QString());
void FillComboNames(QComboBox& combo, const QString& table, const QString& column, const QString& order,
    const QString& blankFlag, const QString& firstItem = QString());
void FillComboNamesWhere(QComboBox& combo, const QString& table, const QString& column, const QString& order,
    const QString& condition, const QString& blankFlag, const QString& extraItem = QString());

// The code behind an item; an index outside the list or an item without a key
// throws std::out_of_range.
QString GetComboCode(const KeyedCombo& combo, int index);

// Defaults of a new document; empty when the table is empty.
QString DefaultUserSn();
QString DefaultUserName();
QString DefaultSupplierSn();
QString DefaultSupplierName();
QString DefaultCustomerSn();
QString DefaultCustomerName();
QString DefaultWarehouseSn();
QString DefaultWarehouseName();

// condition carries its own "where".
bool RowExists(const QString& table, const QString& column, const QString& condition);
bool ValueExists(const QString& table, const QString& column, const QString& value);
QString FirstRowId(const QString& table, const QString& column, const QString& value);
// The customer's price type; "1000" (the plain preset price) while grade prices are off.
QString GetCustomerType(const QString& customerSn);
// The import field mapped to a spreadsheet column caption, empty when none is.
QString GetImportFieldId(const QString& caption, const QString& table);

// The data module's supplier and customer lists, newest first when the flag is "1",
// restricted to the operator's warehouses when he is bound.
void OpenSupplierList(const QString& orderFlag);
void OpenCustomerList(const QString& orderFlag);
// Open them again with their last statement unless they are open.
void ReopenSupplierQuery();
void ReopenCustomerQuery();

// Fills in the short code, code and number of the category row the dataset is on
// (as a rule one just appended) and posts it.
void CompleteGoodsClassRow(Query& goodsClass);
void SetGoodsClassName(Query& goodsClass, const QString& name);
