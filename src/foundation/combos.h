#pragma once
#include <QString>

class KeyedCombo;
class QComboBox;

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
// The warehouses of a document entry: only the operator's own when operators are
// bound to warehouses (the administrator role excepted), else all, by id.
void FillOperatorWarehouses(KeyedCombo& combo);
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
// The chosen item's code as a filter: empty when nothing is chosen or the "all"
// item ("-1") is.
QString ChosenFilterCode(const KeyedCombo& combo);
