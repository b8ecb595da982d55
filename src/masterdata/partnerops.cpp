#include "masterdata/partnerops.h"

#include "foundation/datamodule.h"
#include "foundation/globals.h"
#include "foundation/lookups.h"
#include "foundation/numbering.h"
#include "foundation/operatorscope.h"
#include "foundation/pinyin.h"
#include "foundation/sqltext.h"
#include "foundation/zones.h"
#include "masterdata/boundsql.h"
#include "masterdata/ckglops.h"
#include "platform/base/clock.h"
#include "platform/db/transaction.h"

#include <cmath>

namespace {

PartnerKindInfo MakeKind(bool customer)
{
    PartnerKindInfo k;
    if (customer) {
        k = { "kh", "YS", "期初应收款", "客户的期初应收款", "jxc_khxx", "kh_sn", "kh_name",
            "该客户已发生过业务，不能删除！", "该客户为系统内置客户，不能删除！", kCustomerNameMissing };
    } else {
        k = { "ghs", "YF", "期初应付款", "供货商的期初应付款", "jxc_ghsxx", "ghs_sn", "ghs_name",
            "该供货商已发生过业务，不能删除！", "该供货商为系统内置供货商，不能删除！", kSupplierNameMissing };
    }
    return k;
}

double Cents(double amount)
{
    return std::round(amount * 100.0 + (amount >= 0 ? 1e-7 : -1e-7)) / 100.0;
}

// A partner's table and columns are fixed texts of the kind, never operator input.
QString Sub(const QString& sql, const PartnerKindInfo& k)
{
    QString s = sql;
    s.replace(QLatin1String("{table}"), k.table);
    s.replace(QLatin1String("{code}"), k.codeColumn);
    s.replace(QLatin1String("{name}"), k.nameColumn);
    s.replace(QLatin1String("{default}"), k.codeColumn.chopped(2) + QStringLiteral("default"));
    return s;
}

QString StoredName(const QString& typed)
{
    return ToFullWidthText(typed.trimmed());
}

// The opening booking's number: the partner's latest ledger row while it is the opening one.
QString OpeningNumber(const PartnerKindInfo& k, const QString& code)
{
    return ScalarBound(QStringLiteral("select gl_djh from jxc_ysyfk where k_type=:t and k_ghskh=:c and k_djtxt=:x "
                                      "order by id desc limit 1"),
        { { "t", k.ledgerType }, { "c", code }, { "x", k.openingText } });
}

void RenameCascade(const QString& code, const QString& oldName, const QString& newName)
{
    if (oldName == newName)
        return;
    const SqlParams p { { "n", newName }, { "o", oldName }, { "c", code } };
    ExecBound(QStringLiteral("update jxc_goodslist set ghs_name=:n where ghs_name=:o and ghs_sn=:c"), p);
    ExecBound(QStringLiteral("update jxc_xjyh set ghs_name=:n where ghs_name=:o and ghs_sn=:c"), p);
}

SqlParams Values(PartnerKind kind, const PartnerInput& in)
{
    const QString name = in.name.trimmed();
    QString note = ToFullWidthText(in.note.trimmed());
    // The supplier dialogs keep only the first 64 characters of a note.
    if (kind == PartnerKind::Supplier)
        note = note.left(64);
    SqlParams v { { "name", StoredName(name) }, { "jm", ToFullWidthText(GetPyCode(name)) },
        { "lxr", ToFullWidthText(in.contact.trimmed()) }, { "tele", ToFullWidthText(in.tele.trimmed()) },
        { "address", SafeSqlText(in.address.trimmed()) }, { "note", note }, { "lwje", Cents(in.amount) },
        { "dflt", in.isDefault ? 1 : 0 }, { "forbid", in.forbid ? 1 : 0 }, { "zone", StoredName(in.zone) },
        { "cksn", in.warehouseCode }, { "ckname", in.warehouseName }, { "tname", in.typeName } };
    if (kind == PartnerKind::Customer) {
        v.insert(QStringLiteral("tsn"), in.typeCode);
        v.insert(QStringLiteral("uname"), OperatorNameList(in.salesmen));
        v.insert(QStringLiteral("usn"), SalesmanCodeList(in.salesmen));
    }
    return v;
}

}

const PartnerKindInfo& KindInfo(PartnerKind kind)
{
    static const PartnerKindInfo customer = MakeKind(true);
    static const PartnerKindInfo supplier = MakeKind(false);
    return kind == PartnerKind::Customer ? customer : supplier;
}

QString BookOpeningAmount(PartnerKind kind, const QString& code, double amount, const QString& note)
{
    const PartnerKindInfo& k = KindInfo(kind);
    Transaction t(F_DataModule->ADOConn);
    const SqlParams who { { "t", k.ledgerType }, { "c", code } };
    ExecBound(QStringLiteral("delete from jxc_ysyfk_dj where k_type=:t and k_ghskh=:c"), who);
    ExecBound(QStringLiteral("delete from jxc_ysyfk where k_type=:t and k_ghskh=:c"), who);
    const QString date = Clock::Today().toString(QStringLiteral("yyyy-MM-dd"));
    const QString number = NextDocNo(QStringLiteral("jxc_ysyfk"), QStringLiteral("gl_djh"), k.prefix, date);
    const double a = Cents(amount);
    ExecBound(QStringLiteral("insert into jxc_ysyfk_dj (k_ghskh,a_name,u_sn,k_fkfs,k_sfje,k_yhje,k_qcje,k_ljje,"
                             "k_yfje,k_type,k_djlx,k_djtxt,k_note,k_flag,k_rq,gl_djh,k_check,k_checker,k_chkrq) "
                             "values (:c,:op,:usn,:x,0,0,0,:a,:a,:t,:p,:x,:note,1,:d,:n,1,:op,:d)"),
        { { "c", code }, { "op", CurrentAdminName }, { "usn", DefaultUserSn() }, { "x", k.openingText }, { "a", a },
            { "t", k.ledgerType }, { "p", k.prefix }, { "note", note.isEmpty() ? k.openingNote : note }, { "d", date },
            { "n", number } });
    ExecBound(QStringLiteral("insert into jxc_ysyfk (k_ghskh,a_name,u_sn,k_fkfs,k_sfje,k_yhje,k_qcje,k_ljje,k_yfje,"
                             "k_type,k_djlx,k_djtxt,k_note,k_flag,k_rq,gl_djh) select k_ghskh,a_name,u_sn,k_fkfs,"
                             "k_sfje,k_yhje,k_qcje,k_ljje,k_yfje,k_type,k_djlx,k_djtxt,k_note,k_flag,k_rq,gl_djh "
                             "from jxc_ysyfk_dj where gl_djh=:n"),
        { { "n", number } });
    t.Commit();
    return number;
}

bool OpeningAmountEditable(PartnerKind kind, const QString& code)
{
    const PartnerKindInfo& k = KindInfo(kind);
    return ScalarBound(QStringLiteral("select k_djtxt from jxc_ysyfk where k_type=:t and k_ghskh=:c "
                                      "order by id desc limit 1"),
               { { "t", k.ledgerType }, { "c", code } })
        == k.openingText;
}

void UpdateOpeningAmount(PartnerKind kind, const QString& code, double amount)
{
    const PartnerKindInfo& k = KindInfo(kind);
    Transaction t(F_DataModule->ADOConn);
    // Only the opening booking: other registrations of the partner keep their amounts.
    const QString number = OpeningNumber(k, code);
    if (!number.isEmpty()) {
        const SqlParams p { { "a", Cents(amount) }, { "t", k.ledgerType }, { "c", code }, { "n", number } };
        ExecBound(QStringLiteral("update jxc_ysyfk set k_ljje=:a,k_yfje=:a where k_type=:t and k_ghskh=:c "
                                 "and gl_djh=:n"),
            p);
        ExecBound(QStringLiteral("update jxc_ysyfk_dj set k_ljje=:a,k_yfje=:a where k_type=:t and k_ghskh=:c "
                                 "and gl_djh=:n"),
            p);
    }
    t.Commit();
}

void CleanUpPartner(PartnerKind kind, const QString& code)
{
    const PartnerKindInfo& k = KindInfo(kind);
    const SqlParams who { { "t", k.ledgerType }, { "c", code } };
    Transaction t(F_DataModule->ADOConn);
    ExecBound(QStringLiteral("delete from jxc_ysyfk_dj where k_type=:t and k_ghskh=:c"), who);
    ExecBound(QStringLiteral("delete from jxc_ysyfk where k_type=:t and k_ghskh=:c"), who);
    t.Commit();
}

QString PartnerDeleteRefusal(PartnerKind kind, const QString& code)
{
    const PartnerKindInfo& k = KindInfo(kind);
    const SqlParams c { { "c", code } };
    const QString documents = kind == PartnerKind::Customer
        ? QStringLiteral("select kh_sn from (select kh_sn from jxc_lsxsd where kh_sn=:c limit 1) a union "
                         "select kh_sn from (select kh_sn from jxc_posxsd where kh_sn=:c limit 1) b")
        : QStringLiteral("select ghs_sn from jxc_jhd where ghs_sn=:c limit 1");
    if (!ScalarBound(documents, c).isEmpty())
        return k.inUse;
    // Ledger movements other than the opening booking, and the partner's cash rows, are
    // history that a delete would lose.
    if (!ScalarBound(QStringLiteral("select id from jxc_ysyfk where k_type=:t and k_ghskh=:c and "
                                    "coalesce(k_djtxt,'')<>:x limit 1"),
            { { "t", k.ledgerType }, { "c", code }, { "x", k.openingText } })
             .isEmpty())
        return k.inUse;
    // Customers and suppliers draw codes from separate series, so the cash row must carry
    // this partner's name as well as its code.
    const QString name = ScalarBound(Sub(QStringLiteral("select {name} from {table} where {code}=:c"), k), c);
    if (!ScalarBound(QStringLiteral("select id from jxc_xjyh where ghs_sn=:c and ghs_name=:n limit 1"),
            { { "c", code }, { "n", name } })
             .isEmpty())
        return k.inUse;
    if (code == kPartnerBuiltInSn)
        return k.builtIn;
    return QString();
}

void DeletePartner(PartnerKind kind, const QString& code)
{
    const PartnerKindInfo& k = KindInfo(kind);
    Transaction t(F_DataModule->ADOConn);
    ExecBound(Sub(QStringLiteral("delete from {table} where {code}=:c"), k), { { "c", code } });
    CleanUpPartner(kind, code);
    t.Commit();
}

bool PartnerNameTaken(PartnerKind kind, const QString& name, qint64 excludeId)
{
    const PartnerKindInfo& k = KindInfo(kind);
    return !ScalarBound(Sub(QStringLiteral("select id from {table} where {name}=:n and id<>:i limit 1"), k),
        { { "n", StoredName(name) }, { "i", excludeId } })
                .isEmpty();
}

QString SalesmanCodeList(const QStringList& names)
{
    QString list;
    for (const QString& n : names)
        list += ScalarBound(
                    QStringLiteral("select u_sn from jxc_user where u_name=:n order by id limit 1"), { { "n", n } })
            + QLatin1Char(',');
    return list;
}

QString AddPartner(PartnerKind kind, const PartnerInput& in, QString* newCode)
{
    const PartnerKindInfo& k = KindInfo(kind);
    if (in.name.trimmed().isEmpty())
        return k.nameMissing;
    Transaction t(F_DataModule->ADOConn);
    if (in.isDefault)
        ExecSQL(Sub(QStringLiteral("update {table} set {default}=0"), k));
    SqlParams v = Values(kind, in);
    // Drawn inside the transaction, which holds the write lock, so two operators
    // saving at once get distinct codes.
    const QString code = GetNextSn(k.table, k.codeColumn);
    v.insert(QStringLiteral("sn"), code);
    if (kind == PartnerKind::Customer)
        ExecBound(QStringLiteral("insert into jxc_khxx (kh_sn,kh_name,kh_jm,kh_lxr,kh_tele,kh_address,kh_note,kh_lwje,"
                                 "kh_default,kh_pl,ck_sn,ck_name,kh_forbid,kh_uname,kh_usn,kt_sn,kt_name,z_name) "
                                 "values (:sn,:name,:jm,:lxr,:tele,:address,:note,:lwje,:dflt,0,:cksn,:ckname,"
                                 ":forbid,:uname,:usn,:tsn,:tname,:zone)"),
            v);
    else
        ExecBound(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_lxr,ghs_tele,ghs_address,ghs_note,"
                                 "ghs_lwje,ghs_default,ghs_pl,ck_sn,ck_name,ghs_forbid,gt_name,z_name) values "
                                 "(:sn,:name,:jm,:lxr,:tele,:address,:note,:lwje,:dflt,0,:cksn,:ckname,:forbid,"
                                 ":tname,:zone)"),
            v);
    EnsureZone(v.value(QStringLiteral("zone")).toString());
    if (Cents(in.amount) != 0)
        BookOpeningAmount(kind, code, in.amount);
    t.Commit();
    if (newCode)
        *newCode = code;
    return QString();
}

QString ModifyPartner(PartnerKind kind, const QString& code, const PartnerInput& in, bool openingEditable)
{
    const PartnerKindInfo& k = KindInfo(kind);
    if (in.name.trimmed().isEmpty())
        return k.nameMissing;
    Transaction t(F_DataModule->ADOConn);
    const QString oldName
        = ScalarBound(Sub(QStringLiteral("select {name} from {table} where {code}=:sn"), k), { { "sn", code } });
    if (in.isDefault)
        ExecSQL(Sub(QStringLiteral("update {table} set {default}=0"), k));
    SqlParams v = Values(kind, in);
    v.insert(QStringLiteral("sn"), code);
    if (kind == PartnerKind::Customer)
        ExecBound(QStringLiteral("update jxc_khxx set kh_name=:name,kh_jm=:jm,kh_lwje=:lwje,kh_lxr=:lxr,kh_tele=:tele,"
                                 "kh_address=:address,kh_note=:note,kh_default=:dflt,kh_forbid=:forbid,kt_sn=:tsn,"
                                 "kt_name=:tname,z_name=:zone,kh_uname=:uname,kh_usn=:usn,ck_sn=:cksn,ck_name=:ckname "
                                 "where kh_sn=:sn"),
            v);
    else
        ExecBound(QStringLiteral("update jxc_ghsxx set ghs_name=:name,ghs_jm=:jm,ghs_lxr=:lxr,ghs_tele=:tele,"
                                 "ghs_address=:address,ghs_note=:note,ghs_lwje=:lwje,ghs_default=:dflt,"
                                 "ghs_forbid=:forbid,gt_name=:tname,z_name=:zone,ck_sn=:cksn,ck_name=:ckname "
                                 "where ghs_sn=:sn"),
            v);
    EnsureZone(v.value(QStringLiteral("zone")).toString());
    RenameCascade(code, oldName, v.value(QStringLiteral("name")).toString());
    if (openingEditable)
        UpdateOpeningAmount(kind, code, in.amount);
    t.Commit();
    return QString();
}

QString PartnerListSql(PartnerKind kind)
{
    if (kind == PartnerKind::Customer) {
        QString sql
            = QStringLiteral("select a.*,b.kt_name as ktname from jxc_khxx a,jxc_khtype b where a.kt_sn=b.kt_sn");
        if (OperatorBound())
            sql += QStringLiteral(" and ") + WarehouseRestriction(QStringLiteral("a.ck_sn"));
        return sql + QStringLiteral(" order by a.id");
    }
    if (OperatorBound())
        return QStringLiteral("select * from jxc_ghsxx where ") + WarehouseRestriction()
            + QStringLiteral(" order by id");
    return QStringLiteral("select * from jxc_ghsxx order by id");
}

void SetPartnerForbidden(PartnerKind kind, qint64 id, bool forbid)
{
    ExecBound(kind == PartnerKind::Customer ? QStringLiteral("update jxc_khxx set kh_forbid=:f where id=:i")
                                            : QStringLiteral("update jxc_ghsxx set ghs_forbid=:f where id=:i"),
        { { "f", forbid ? 1 : 0 }, { "i", id } });
}

void SetPartnerShortCode(PartnerKind kind, qint64 id, const QString& typed)
{
    ExecBound(kind == PartnerKind::Customer ? QStringLiteral("update jxc_khxx set kh_jm=:j where id=:i")
                                            : QStringLiteral("update jxc_ghsxx set ghs_jm=:j where id=:i"),
        { { "j", ToFullWidthText(typed.trimmed().toUpper()) }, { "i", id } });
}

QString CopyCustomerToSupplier(qint64 customerId, QString* newCode)
{
    const SqlParams id { { "i", customerId } };
    const QString name = ScalarBound(QStringLiteral("select kh_name from jxc_khxx where id=:i"), id);
    if (!ScalarBound(QStringLiteral("select ghs_name from jxc_ghsxx where ghs_name=:n limit 1"), { { "n", name } })
             .isEmpty())
        return kSupplierExists;
    Transaction t(F_DataModule->ADOConn);
    const QString code = GetNextSn(QStringLiteral("jxc_ghsxx"), QStringLiteral("ghs_sn"));
    ExecBound(QStringLiteral("insert into jxc_ghsxx (ghs_sn,ghs_name,ghs_jm,ghs_lxr,ghs_tele,ghs_address,ghs_note,"
                             "gt_name,z_name,ghs_default,ghs_forbid,ghs_lwje,ghs_pl,ck_sn,ck_name) select :sn,kh_name,"
                             ":jm,kh_lxr,kh_tele,kh_address,kh_note,kt_name,z_name,0,0,0,0,ck_sn,ck_name "
                             "from jxc_khxx where id=:i"),
        { { "sn", code }, { "jm", GetPyCode(name) }, { "i", customerId } });
    t.Commit();
    if (newCode)
        *newCode = code;
    return QString();
}
