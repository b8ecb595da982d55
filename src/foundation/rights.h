#pragma once
#include <QString>

// Rights of operators and the operation log.
//
// A role holds, per module column of jxc_role (cggl, xsgl, scjg, scjh, kcgl, wlzk,
// tjgl, rcgl, qtcz), a text whose character N is "1" when the role has right N.

// The role of the system administrator, which every right test lets through.
inline const QString kAdministratorRole = QStringLiteral("100001");

// Whether the logged-in operator has right `position` (from 1) of a module. With
// operators bound to warehouses, an operator other than an administrator bound to
// no warehouse has no right at all.
bool HasRight(const QString& module, int position);
// The same for the operator with login name `adminName`, without the warehouse test.
bool HasRightOf(const QString& module, int position, const QString& adminName);

// Appends one line to the operation log (jxc_log) in the logged-in operator's
// name; a note longer than its column keeps its first 200 characters.
void WriteLog(const QString& note);
