#pragma once
#include <QString>

// The rules of the zones (jxc_zone) and the partner types (jxc_khtype, jxc_ghstype).

inline const QString kZoneNameMissing = QStringLiteral("地区名称必须填写！");
inline const QString kZoneInUse = QStringLiteral("该地区供货商在使用，不能删除！");
inline const QString kCustomerTypeNameMissing = QStringLiteral("级别名称必须填写！");
inline const QString kSupplierTypeNameMissing = QStringLiteral("供货商类型名称必须填写！");
inline const QString kSupplierTypeInUse = QStringLiteral("该类型供货商在使用，不能删除！");

// Adds a zone (id < 0) or changes the one with that row id; "默认选择" stays with one
// zone. The refusal or "".
QString SaveZone(qint64 id, const QString& name, bool isDefault);
// A zone that any customer or supplier carries stays.
QString ZoneDeleteRefusal(const QString& name);
void DeleteZone(qint64 id);

// Renames the customer type of that row id; the customers carrying the old name follow.
QString RenameCustomerType(qint64 id, const QString& name);

// Adds a supplier type (id < 0) or changes one; a new name is carried to the
// suppliers that carry the old one.
QString SaveSupplierType(qint64 id, const QString& name, bool isDefault);
QString SupplierTypeDeleteRefusal(const QString& name);
void DeleteSupplierType(qint64 id);
