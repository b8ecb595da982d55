#pragma once
#include <QString>

// The rules of the department records (jxc_dept), apart from any window.

inline const QString kDeptBuiltIn = QStringLiteral("该部门是系统内置部门，不能删除！");
inline const QString kDeptInUse = QStringLiteral("该部门已经在使用，不能删除！");
inline const QString kDeptNameMissing = QStringLiteral("部门名称必须填写！");

// Why the department may not be deleted ("" when it may): only expenses and income count.
QString DeptDeleteRefusal(const QString& code);
// The stock-ledger rows of department documents carry the department's name: those
// with its code and the old name take the new one.
void RenameDeptInLedger(const QString& code, const QString& oldName, const QString& newName);
// The department document windows' list, opened again with its own statement.
void ReopenDeptList2();
