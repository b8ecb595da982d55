#include "admin/operators.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/sqltext.h"
#include "platform/db/transaction.h"

#include <QStringList>

namespace {

const QString kBuiltInAdministrator = QStringLiteral("100001");

QString stored(const QString& typed)
{
    return ToFullWidthText(typed.trimmed());
}

// The refusals both dialogs share; `excludeId` skips the operator's own row.
QString inputRefusal(const OperatorInput& in, qint64 excludeId)
{
    if (in.name.trimmed().isEmpty())
        return QStringLiteral("用户名称必须填写！");
    if (in.password.trimmed() != in.password2.trimmed())
        return QStringLiteral("两次密码输入不一致！");
    const QString taken = SelectScalar(F_DataModule->ADOConn,
        QStringLiteral("select a_name from jxc_admin where a_name='") + stored(in.name) + QStringLiteral("' and id<>")
            + QString::number(excludeId));
    if (!taken.isEmpty())
        return QStringLiteral("用户名称不能重复！");
    return {};
}

// Carries a renamed operator into the operator-name lists of the warehouses.
void renameInWarehouses(Connection& c, const QString& oldName, const QString& newName)
{
    Query q(&c);
    q.SetSQL(QStringLiteral("select id,ck_aname from jxc_ckxx where ck_aname like :pattern"));
    q.SetParam(QStringLiteral("pattern"), QLatin1Char('%') + oldName + QStringLiteral(",%"));
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) {
        const QString list = q.AsString(QStringLiteral("ck_aname"));
        const QString renamed = RenameNameListEntry(list, oldName, newName);
        if (renamed != list)
            c.Exec(QStringLiteral("update jxc_ckxx set ck_aname=:list where id=:id"),
                { { QStringLiteral("list"), renamed }, { QStringLiteral("id"), q.AsInteger(QStringLiteral("id")) } });
    }
    q.Close();
}

} // namespace

QString AddOperator(const OperatorInput& in)
{
    const QString refusal = inputRefusal(in, 0);
    if (!refusal.isEmpty())
        return refusal;
    F_DataModule->ADOConn.Exec(
        QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_zreoje,a_pwd,a_pos,a_jy,a_jyt) "
                       "values (:sn,:name,:role,:zreoje,:pwd,0,0,0)"),
        { { QStringLiteral("sn"), GetNextSn(QStringLiteral("jxc_admin"), QStringLiteral("a_sn")) },
            { QStringLiteral("name"), stored(in.name) }, { QStringLiteral("role"), in.roleSn },
            { QStringLiteral("zreoje"), in.zreoje }, { QStringLiteral("pwd"), stored(in.password) } });
    return {};
}

QString ModifyOperator(qint64 id, const OperatorInput& in)
{
    const QString refusal = inputRefusal(in, id);
    if (!refusal.isEmpty())
        return refusal;
    Connection& c = F_DataModule->ADOConn;
    Transaction t(c);
    const QString oldName
        = SelectScalar(c, QStringLiteral("select a_name from jxc_admin where id=") + QString::number(id));
    const QString name = stored(in.name);
    QHash<QString, QVariant> params { { QStringLiteral("name"), name }, { QStringLiteral("role"), in.roleSn },
        { QStringLiteral("zreoje"), in.zreoje }, { QStringLiteral("pos"), in.pos ? 1 : 0 },
        { QStringLiteral("jy"), in.disabled ? 1 : 0 }, { QStringLiteral("id"), id } };
    QString sql = QStringLiteral("update jxc_admin set a_name=:name,r_sn=:role,a_zreoje=:zreoje,a_pos=:pos,"
                                 "a_jy=:jy,a_jyt=:jy");
    // Both password edits emptied: the stored password stays.
    if (!in.password.trimmed().isEmpty()) {
        sql += QStringLiteral(",a_pwd=:pwd");
        params.insert(QStringLiteral("pwd"), stored(in.password));
    }
    c.Exec(sql + QStringLiteral(" where id=:id"), params);
    if (oldName != name)
        renameInWarehouses(c, oldName, name);
    t.Commit();
    return {};
}

QString OperatorDeleteRefusal(const QString& name, const QString& sn)
{
    Query q(&F_DataModule->ADOConn);
    q.SetSQL(QStringLiteral("select 1 where exists (select 1 from jxc_jhd where a_name=:name) "
                            "or exists (select 1 from jxc_lsxsd where a_name=:name)"));
    q.SetParam(QStringLiteral("name"), name);
    q.Open();
    const bool hasDocuments = !q.IsEmpty();
    q.Close();
    if (hasDocuments)
        return QStringLiteral("该操作员已发生过业务，不能删除！");
    if (sn == kBuiltInAdministrator)
        return QStringLiteral("内置系统管理员不能删除！");
    return {};
}

void DeleteOperator(const QString& sn)
{
    F_DataModule->ADOConn.Exec(
        QStringLiteral("delete from jxc_admin where a_sn=:sn"), { { QStringLiteral("sn"), sn } });
}

QString PasteOperator(const QString& copiedName, const QString& roleSn, const QString& password, double zreoje)
{
    const QString sn = GetNextSn(QStringLiteral("jxc_admin"), QStringLiteral("a_sn"));
    F_DataModule->ADOConn.Exec(
        QStringLiteral("insert into jxc_admin (a_sn,a_name,r_sn,a_pwd,a_zreoje) values (:sn,:name,:role,:pwd,:zreoje)"),
        { { QStringLiteral("sn"), sn }, { QStringLiteral("name"), copiedName + sn }, { QStringLiteral("role"), roleSn },
            { QStringLiteral("pwd"), password }, { QStringLiteral("zreoje"), zreoje } });
    return sn;
}

QString RenameNameListEntry(const QString& list, const QString& oldName, const QString& newName)
{
    QStringList entries = list.split(QLatin1Char(','));
    // The last piece follows the last comma: it is no entry of the list.
    for (int i = 0; i + 1 < entries.size(); ++i)
        if (entries[i].compare(oldName, Qt::CaseInsensitive) == 0)
            entries[i] = newName;
    return entries.join(QLatin1Char(','));
}
