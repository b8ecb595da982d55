#include "accounts/cashaccounts.h"

#include "foundation/globals.h"
#include "foundation/numbering.h"
#include "foundation/sqltext.h"
#include "platform/db/transaction.h"
#include "posting/balances.h"
#include "posting/postingdb.h"
#include "posting/rowinsert.h"

using namespace posting;

namespace {

QString stored(const QString& text)
{
    return ToFullWidthText(text.trimmed());
}

QString nameOf(qint64 id)
{
    return First(QStringLiteral("select yh_name from jxc_yhzh where id=:id"), { { QStringLiteral("id"), id } })
        .toString();
}

// The opening row's date, "" when the account has none.
QString openingDate(const QString& name)
{
    return First(
        QStringLiteral("select xj_rq from jxc_xjyh where xj_kmmc=:n and xj_dlx='期初金额' order by id limit 1"),
        { { QStringLiteral("n"), name } })
        .toString();
}

} // namespace

QString CashAccountRefusal(const CashAccountEntry& e, qint64 excludeId)
{
    const QString name = stored(e.name);
    const QString type = stored(e.type);
    if (name.isEmpty())
        return QStringLiteral("账户名称必须填写！");
    if (type.isEmpty())
        return QStringLiteral("账户类型必须填写！");
    if (First(QStringLiteral("select id from jxc_yhzh where (yh_name=:n or yh_type=:t) and id<>:id"),
            { { QStringLiteral("n"), name }, { QStringLiteral("t"), type }, { QStringLiteral("id"), excludeId } })
            .isValid())
        return QStringLiteral("账户名称或账户类型不能重复！");
    return QString();
}

void AddCashAccount(const CashAccountEntry& e, const QDate& openingDate)
{
    Transaction t(Db());
    const QString name = stored(e.name);
    const QString note = stored(e.note);
    const double amount = Round8(e.amount);
    InsertRow(QStringLiteral("jxc_yhzh"),
        { { QStringLiteral("yh_sn"), GetNextSn(QStringLiteral("jxc_yhzh"), QStringLiteral("yh_sn")) },
            { QStringLiteral("yh_type"), stored(e.type) }, { QStringLiteral("yh_name"), name },
            { QStringLiteral("yh_zje"), amount }, { QStringLiteral("yh_note"), note } });
    InsertRow(QStringLiteral("jxc_xjyh"),
        { { QStringLiteral("gl_djh"), QString() },
            { QStringLiteral("xj_rq"), openingDate.toString(QStringLiteral("yyyy-MM-dd")) },
            { QStringLiteral("xj_dlx"), QStringLiteral("期初金额") }, { QStringLiteral("xj_je"), amount },
            { QStringLiteral("xj_ljje"), amount }, { QStringLiteral("xj_chk"), QStringLiteral("1") },
            { QStringLiteral("u_name"), QString() }, { QStringLiteral("ghs_sn"), QString() },
            { QStringLiteral("ghs_name"), QString() }, { QStringLiteral("ck_name"), QString() },
            { QStringLiteral("xj_kmmc"), name }, { QStringLiteral("xj_note"), note },
            { QStringLiteral("a_name"), CurrentAdminName } });
    t.Commit();
}

bool CashAccountHasBusiness(const QString& name)
{
    return First(QStringLiteral("select xj_rq from jxc_xjyh where xj_kmmc=:n and xj_dlx<>'期初金额' limit 1"),
        { { QStringLiteral("n"), name } })
        .isValid();
}

void ModifyCashAccount(qint64 id, const CashAccountEntry& e, bool withAmount)
{
    Transaction t(Db());
    const QString oldName = nameOf(id);
    const QString name = stored(e.name);
    const QString note = stored(e.note);
    const double amount = Round8(e.amount);
    Params p { { QStringLiteral("t"), stored(e.type) }, { QStringLiteral("n"), name }, { QStringLiteral("note"), note },
        { QStringLiteral("id"), id } };
    if (withAmount) {
        p.insert(QStringLiteral("a"), amount);
        Run(QStringLiteral("update jxc_yhzh set yh_type=:t,yh_name=:n,yh_zje=:a,yh_note=:note where id=:id"), p);
    } else {
        Run(QStringLiteral("update jxc_yhzh set yh_type=:t,yh_name=:n,yh_note=:note where id=:id"), p);
    }
    const QString date = openingDate(oldName);
    if (!date.isEmpty()) {
        Params o { { QStringLiteral("n"), name }, { QStringLiteral("note"), note },
            { QStringLiteral("who"), CurrentAdminName }, { QStringLiteral("old"), oldName } };
        if (withAmount) {
            o.insert(QStringLiteral("a"), amount);
            Run(QStringLiteral("update jxc_xjyh set xj_je=:a,xj_kmmc=:n,xj_note=:note,a_name=:who "
                               "where xj_kmmc=:old and xj_dlx='期初金额'"),
                o);
        } else {
            Run(QStringLiteral("update jxc_xjyh set xj_kmmc=:n,xj_note=:note,a_name=:who "
                               "where xj_kmmc=:old and xj_dlx='期初金额'"),
                o);
        }
    }
    if (name != oldName) {
        const Params r { { QStringLiteral("n"), name }, { QStringLiteral("old"), oldName } };
        Run(QStringLiteral("update jxc_xjyh set xj_kmmc=:n where xj_kmmc=:old"), r);
        // Pending documents would otherwise post to an account that no longer exists.
        Run(QStringLiteral("update jxc_ysyfk_dj set k_fkfs=:n where k_fkfs=:old and k_check=0"), r);
        Run(QStringLiteral("update jxc_yyfy set fy_kmmc=:n where fy_kmmc=:old and fy_chk='0'"), r);
    }
    if (!date.isEmpty())
        RecalcCashBalance(name, date);
    t.Commit();
}

void SetCashOpeningAmount(qint64 id, double amount)
{
    Transaction t(Db());
    const QString name = nameOf(id);
    Run(QStringLiteral("update jxc_yhzh set yh_zje=:a where id=:id"),
        { { QStringLiteral("a"), Round8(amount) }, { QStringLiteral("id"), id } });
    const QString date = openingDate(name);
    if (!date.isEmpty()) {
        Run(QStringLiteral("update jxc_xjyh set xj_je=:a where xj_kmmc=:n and xj_dlx='期初金额'"),
            { { QStringLiteral("a"), Round8(amount) }, { QStringLiteral("n"), name } });
        RecalcCashBalance(name, date);
    }
    t.Commit();
}

QString CashAccountDeleteRefusal(const QString& name)
{
    if (name == QStringLiteral("现金"))
        return QStringLiteral("“现金”不能删除！");
    if (CashAccountHasBusiness(name))
        return QStringLiteral("该账户已发生过业务，不能删除！");
    return QString();
}

void DeleteCashAccount(qint64 id)
{
    Transaction t(Db());
    Run(QStringLiteral("delete from jxc_xjyh where xj_kmmc=:n"), { { QStringLiteral("n"), nameOf(id) } });
    Run(QStringLiteral("delete from jxc_yhzh where id=:id"), { { QStringLiteral("id"), id } });
    t.Commit();
}
