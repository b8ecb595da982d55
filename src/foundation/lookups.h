#pragma once
#include <QString>

// Single values and lists that windows look up: new documents' defaults, existence
// tests, the customer's price type, import mappings and the partner lists.

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
