#pragma once
#include <QHash>
#include <QString>

// Keeping the roles of jxc_role. The role "100001" is the administrator's: it is
// neither changed nor deleted, so it keeps every right, shown or not.

// Why the role may not be opened for changing, "" when it may.
QString RoleModifyRefusal(const QString& roleSn);
// Why the role may not be deleted, "" when it may.
QString RoleDeleteRefusal(const QString& roleSn);
void DeleteRole(const QString& roleSn);

// Saves a role under its name as typed with the flag strings of the editor's groups
// (module column -> flags); `id` 0 adds a role with the next code, else changes that
// row and keeps its code. rcgl is written empty, scjg and scjh are left alone.
// Returns the refusal to show, "" when saved.
QString SaveRole(qint64 id, const QString& typedName, const QHash<QString, QString>& flags);
