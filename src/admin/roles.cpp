#include "admin/roles.h"

#include "admin/rightstable.h"
#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/rights.h"
#include "foundation/sqltext.h"

#include <QStringList>

QString RoleModifyRefusal(const QString& roleSn)
{
    return roleSn == kAdministratorRole ? QStringLiteral("系统管理员不能修改！") : QString();
}

QString RoleDeleteRefusal(const QString& roleSn)
{
    if (!SelectScalar(F_DataModule->ADOConn,
            QStringLiteral("select r_sn from jxc_admin where r_sn='") + SafeSqlText(roleSn) + QLatin1Char('\''))
             .isEmpty())
        return QStringLiteral("该角色已在使用，不能删除！");
    if (roleSn == kAdministratorRole)
        return QStringLiteral("系统管理员不能删除！");
    return {};
}

void DeleteRole(const QString& roleSn)
{
    F_DataModule->ADOConn.Exec(
        QStringLiteral("delete from jxc_role where r_sn=:sn"), { { QStringLiteral("sn"), roleSn } });
}

QString SaveRole(qint64 id, const QString& typedName, const QHash<QString, QString>& flags)
{
    if (typedName.trimmed().isEmpty())
        return QStringLiteral("角色名称必须填写！");
    const QString name = ToFullWidthText(typedName.trimmed());
    QString sameName = QStringLiteral("select r_name from jxc_role where r_name='") + name + QLatin1Char('\'');
    if (id != 0)
        sameName += QStringLiteral(" and id<>") + QString::number(id);
    if (!SelectScalar(F_DataModule->ADOConn, sameName).isEmpty())
        return QStringLiteral("角色名称已经存在，请重新输入！");

    QHash<QString, QVariant> params { { QStringLiteral("name"), name }, { QStringLiteral("rcgl"), QString() } };
    QStringList columns;
    for (const RightGroup& g : RightGroups()) {
        columns << g.column;
        params.insert(g.column, flags.value(g.column));
    }
    columns << QStringLiteral("rcgl");
    if (id == 0) {
        params.insert(QStringLiteral("sn"), GetNextSn(QStringLiteral("jxc_role"), QStringLiteral("r_sn")));
        F_DataModule->ADOConn.Exec(QStringLiteral("insert into jxc_role (r_sn,r_name,") + columns.join(QLatin1Char(','))
                + QStringLiteral(") values (:sn,:name,:") + columns.join(QStringLiteral(",:")) + QLatin1Char(')'),
            params);
    } else {
        QStringList sets { QStringLiteral("r_name=:name") };
        for (const QString& col : columns)
            sets << col + QStringLiteral("=:") + col;
        params.insert(QStringLiteral("id"), id);
        F_DataModule->ADOConn.Exec(
            QStringLiteral("update jxc_role set ") + sets.join(QLatin1Char(',')) + QStringLiteral(" where id=:id"),
            params);
    }
    return {};
}
