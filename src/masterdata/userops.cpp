#include "masterdata/userops.h"

#include "foundation/datamodule.h"
#include "foundation/numbering.h"
#include "foundation/pinyin.h"
#include "foundation/sqltext.h"
#include "masterdata/boundsql.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"

#include <cmath>

namespace {

void WriteFields(Query& q, const StaffInput& in)
{
    const QString name = in.name.trimmed();
    q.SetValue(QStringLiteral("u_jm"), ToFullWidthText(GetPyCode(name)));
    q.SetValue(QStringLiteral("u_name"), ToFullWidthText(name));
    q.SetValue(QStringLiteral("u_duty"), ToFullWidthText(in.duty.trimmed()));
    q.SetValue(QStringLiteral("u_tele"), ToFullWidthText(in.tele.trimmed()));
    q.SetValue(QStringLiteral("u_address"), ToFullWidthText(in.address.trimmed()));
    q.SetValue(QStringLiteral("u_note"), ToFullWidthText(in.note.trimmed()));
    q.SetValue(QStringLiteral("u_tcfs"), in.method);
    q.SetValue(QStringLiteral("u_tctxt"), CommissionMethodText(in.method));
    // Commission on the sales amount knows no profit threshold.
    q.SetValue(QStringLiteral("u_zdlr"), in.method == 0 ? 0.0 : std::floor(in.threshold));
    QString rate = in.rate.trimmed();
    rate.remove(QLatin1Char('%'));
    q.SetValue(QStringLiteral("u_tc"), rate.toDouble());
    q.SetValue(QStringLiteral("u_cg"), in.cg ? 1 : 0);
    q.SetValue(QStringLiteral("u_xs"), in.xs ? 1 : 0);
    q.SetValue(QStringLiteral("u_kc"), in.kc ? 1 : 0);
    q.SetValue(QStringLiteral("u_jy"), in.jy ? 1 : 0);
    if (in.warehouseChosen) {
        q.SetValue(QStringLiteral("ck_sn"), in.warehouseSn);
        q.SetValue(QStringLiteral("ck_name"), in.warehouseName);
    }
}

void RenameReferences(const QString& oldName, const QString& newName)
{
    const SqlParams names { { "n", newName }, { "o", oldName } };
    for (const char* table : { "jxc_goodslist", "jxc_xjyh", "jxc_zcmx" })
        ExecBound(QStringLiteral("update %1 set u_name=:n where u_name=:o").arg(QLatin1String(table)), names);
    Query customers(&F_DataModule->ADOConn);
    customers.SetSQL(QStringLiteral("select id,kh_uname from jxc_khxx where kh_uname like :p"));
    customers.SetParam(QStringLiteral("p"), QLatin1Char('%') + oldName + QStringLiteral(",%"));
    customers.Open();
    for (customers.First(); !customers.Eof(); customers.Next()) {
        const QString list = customers.AsString(QStringLiteral("kh_uname"));
        const QString renamed = ReplaceSalesmanEntry(list, oldName, newName);
        if (renamed != list)
            ExecBound(QStringLiteral("update jxc_khxx set kh_uname=:l where id=:id"),
                { { "l", renamed }, { "id", customers.AsInteger(QStringLiteral("id")) } });
    }
}

}

QString CommissionMethodText(int method)
{
    return method == 1 ? QStringLiteral("按毛利提成") : QStringLiteral("按销售额提成");
}

QString StaffDeleteRefusal(const QString& code, const QString& name)
{
    if (code == QLatin1String("100001"))
        return kStaffBuiltIn;
    const QString found = ScalarBound(
        QStringLiteral("select * from (select u_name as u_sn from jxc_goodslist where u_name=:n limit 1) t1 union "
                       "select * from (select u_sn from jxc_ysyfk where u_sn=:c limit 1) t2 union "
                       "select * from (select u_name as u_sn from jxc_zcmx where u_name=:n limit 1) t3 union "
                       "select * from (select u_sn from jxc_yyfy where u_sn=:c limit 1) t4 union "
                       "select * from (select u_name as u_sn from jxc_xjyh where u_name=:n limit 1) t5"),
        { { "n", name }, { "c", code } });
    return found.isEmpty() ? QString() : kStaffInUse;
}

QString StaffSaveRefusal(const StaffInput& in, qint64 exceptId)
{
    const QString name = in.name.trimmed();
    if (name.isEmpty())
        return kStaffNameMissing;
    const QString taken = ScalarBound(QStringLiteral("select u_name from jxc_user where u_name=:n and id<>:id"),
        { { "n", name }, { "id", exceptId } });
    return taken.isEmpty() ? QString() : kStaffNameTaken;
}

QString AddStaff(Query& staff, const StaffInput& in)
{
    const QString refusal = StaffSaveRefusal(in);
    if (!refusal.isEmpty())
        return refusal;
    Transaction t(F_DataModule->ADOConn);
    staff.Append();
    staff.SetValue(QStringLiteral("u_sn"), GetNextSn(QStringLiteral("jxc_user"), QStringLiteral("u_sn")));
    WriteFields(staff, in);
    staff.SetValue(QStringLiteral("u_cgpl"), 0);
    staff.SetValue(QStringLiteral("u_xspl"), 0);
    try {
        staff.Post();
    } catch (...) {
        staff.Cancel();
        throw;
    }
    t.Commit();
    return QString();
}

QString ModifyStaff(Query& staff, qint64 id, const StaffInput& in)
{
    const QString refusal = StaffSaveRefusal(in, id);
    if (!refusal.isEmpty())
        return refusal;
    if (!staff.LocateId(id))
        return QString();
    Transaction t(F_DataModule->ADOConn);
    const QString oldName = staff.AsString(QStringLiteral("u_name"));
    staff.Edit();
    WriteFields(staff, in);
    try {
        staff.Post();
    } catch (...) {
        staff.Cancel();
        throw;
    }
    const QString newName = ToFullWidthText(in.name.trimmed());
    if (newName != oldName)
        RenameReferences(oldName, newName);
    t.Commit();
    staff.Requery();
    return QString();
}

QString ReplaceSalesmanEntry(const QString& list, const QString& oldName, const QString& newName)
{
    QStringList entries = list.split(QLatin1Char(','));
    for (QString& e : entries)
        if (e == oldName)
            e = newName;
    return entries.join(QLatin1Char(','));
}
