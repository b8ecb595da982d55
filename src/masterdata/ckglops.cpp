#include "masterdata/ckglops.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "masterdata/boundsql.h"
#include "platform/db/transaction.h"

#include <QRegularExpression>

namespace {

const QString kBuiltIn = QStringLiteral("100001");

SqlParams Values(const WarehouseInput& in)
{
    const QString name = in.name.trimmed();
    return { { QStringLiteral("name"), name }, { QStringLiteral("fzr"), in.fzr.trimmed() },
        { QStringLiteral("aname"), OperatorNameList(in.operatorNames) },
        { QStringLiteral("asn"), OperatorCodeList(in.operatorNames) }, { QStringLiteral("tele"), in.tele.trimmed() },
        { QStringLiteral("address"), in.address.trimmed() }, { QStringLiteral("note"), in.note.trimmed() },
        { QStringLiteral("jm"), GetPyCode(name) }, { QStringLiteral("cdefault"), in.isDefault ? 1 : 0 },
        { QStringLiteral("cpos"), in.pos ? 1 : 0 } };
}

// The flags belong to one warehouse only: the one being saved.
void ClearFlags(const WarehouseInput& in)
{
    if (in.isDefault)
        ExecSQL(QStringLiteral("update jxc_ckxx set ck_default=0"));
    if (in.pos)
        ExecSQL(QStringLiteral("update jxc_ckxx set ck_pos=0"));
}

}

QString WarehouseDeleteRefusal(const QString& code)
{
    if (!ScalarBound(QStringLiteral("select ck_sn from jxc_goodslist where ck_sn=:c limit 1"), { { "c", code } })
             .isEmpty())
        return kWarehouseInUse;
    if (code == kBuiltIn)
        return kWarehouseBuiltIn;
    return QString();
}

void DeleteWarehouse(const QString& code)
{
    Transaction t(F_DataModule->ADOConn);
    ExecBound(QStringLiteral("delete from jxc_ckxx where ck_sn=:c"), { { "c", code } });
    t.Commit();
}

QString OperatorNameList(const QStringList& names)
{
    QString list;
    for (const QString& n : names)
        list += n + QLatin1Char(',');
    return list;
}

QString OperatorCodeList(const QStringList& names)
{
    QString list;
    for (const QString& n : names)
        list += ScalarBound(QStringLiteral("select a_sn from jxc_admin where a_name=:n"), { { "n", n } })
            + QLatin1Char(',');
    return list;
}

QString WarehouseSaveRefusal(const WarehouseInput& in)
{
    if (in.name.trimmed().isEmpty())
        return kWarehouseNameMissing;
    if (in.operatorNames.isEmpty())
        return kWarehouseNoOperator;
    return QString();
}

QString AddWarehouse(const WarehouseInput& in, QString* newCode)
{
    const QString refusal = WarehouseSaveRefusal(in);
    if (!refusal.isEmpty())
        return refusal;
    Transaction t(F_DataModule->ADOConn);
    ClearFlags(in);
    SqlParams v = Values(in);
    const QString code = GetNextSn(QStringLiteral("jxc_ckxx"), QStringLiteral("ck_sn"));
    v.insert(QStringLiteral("sn"), code);
    ExecBound(QStringLiteral("insert into jxc_ckxx (ck_sn,ck_name,ck_fzr,ck_aname,ck_asn,ck_tele,ck_address,ck_note,"
                             "ck_jm,ck_default,ck_pos) values (:sn,:name,:fzr,:aname,:asn,:tele,:address,:note,:jm,"
                             ":cdefault,:cpos)"),
        v);
    t.Commit();
    if (newCode)
        *newCode = code;
    return QString();
}

QString ModifyWarehouse(const QString& code, const WarehouseInput& in)
{
    const QString refusal = WarehouseSaveRefusal(in);
    if (!refusal.isEmpty())
        return refusal;
    Transaction t(F_DataModule->ADOConn);
    const QString oldName
        = ScalarBound(QStringLiteral("select ck_name from jxc_ckxx where ck_sn=:c"), { { "c", code } });
    ClearFlags(in);
    SqlParams v = Values(in);
    v.insert(QStringLiteral("c"), code);
    ExecBound(QStringLiteral("update jxc_ckxx set ck_name=:name,ck_fzr=:fzr,ck_aname=:aname,ck_asn=:asn,ck_tele=:tele,"
                             "ck_address=:address,ck_note=:note,ck_default=:cdefault,ck_pos=:cpos,ck_jm=:jm "
                             "where ck_sn=:c"),
        v);
    // Posting copies the warehouse row's name into the ledgers, so they follow that form.
    const QString newName = in.name.trimmed();
    if (newName != oldName) {
        const SqlParams names { { "n", newName }, { "o", oldName } };
        ExecBound(QStringLiteral("update jxc_goodslist set ck_name=:n where ck_name=:o"), names);
        ExecBound(QStringLiteral("update jxc_xjyh set ck_name=:n where ck_name=:o"), names);
    }
    t.Commit();
    return QString();
}

QList<bool> StoredOperatorMarks(const QString& storedNames, const QStringList& treeNames)
{
    const QStringList stored = storedNames.split(QRegularExpression(QStringLiteral("[, ]")), Qt::SkipEmptyParts);
    QList<bool> marks;
    for (const QString& n : treeNames)
        marks << stored.contains(n);
    return marks;
}
