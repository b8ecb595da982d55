#include "posting/draftrepair.h"

#include "foundation/numbering.h"
#include "platform/db/query.h"
#include "platform/db/transaction.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

#include <QFile>

using namespace posting;

namespace {

struct DraftTables {
    const char* prefix;
    const char* header;
    const char* status;
    const char* date;
    const char* lines;
    const char* detail;
};

const DraftTables kKinds[] = {
    { "CJ", "jxc_jhd", "j_status", "j_jhrq", "jxc_jhsp", "jxc_jhspmx" },
    { "CT", "jxc_thd", "th_status", "th_thrq", "jxc_thsp", "jxc_thspmx" },
    { "XS", "jxc_lsxsd", "ls_status", "ls_xsrq", "jxc_lsxssp", "jxc_lsxsspmx" },
    { "XT", "jxc_xsthd", "th_status", "th_xsrq", "jxc_xsthsp", "jxc_xsthspmx" },
    { "CD", "jxc_cgd", "j_status", "j_jhrq", "jxc_cgsp", "jxc_cgspmx" },
    { "XD", "jxc_xsd", "ls_status", "ls_xsrq", "jxc_xssp", "jxc_xsspmx" },
};

} // namespace

void FixDuplicateDocNo(const QString& docNo, const QString& prefix, const QString& approvingOperator)
{
    const DraftTables* k = nullptr;
    for (const DraftTables& t : kKinds)
        if (prefix == QLatin1String(t.prefix))
            k = &t;
    if (!k)
        return;
    const QString header = QString::fromLatin1(k->header);
    const QString status = QString::fromLatin1(k->status);
    const Params n { { QStringLiteral("n"), docNo } };

    Transaction t(Db());
    if (FirstNumber(QStringLiteral("select count(*) from ") + header + QStringLiteral(" where gl_djh=:n"), n) <= 1)
        return;
    bool taken = false;
    const QVariant approver = First(QStringLiteral("select a_name from ") + header + QStringLiteral(" where ") + status
            + QStringLiteral("=1 and gl_djh=:n order by id desc limit 1"),
        n);
    if (approver.isValid()) {
        Run(QStringLiteral("delete from ") + header + QStringLiteral(" where ") + status
                + QStringLiteral("=0 and gl_djh=:n and a_name=:a"),
            { { QStringLiteral("n"), docNo }, { QStringLiteral("a"), approver } });
        if (FirstNumber(QStringLiteral("select count(*) from ") + header + QStringLiteral(" where ") + status
                    + QStringLiteral("=0 and gl_djh=:n"),
                n)
            == 0) {
            t.Commit();
            return;
        }
        taken = true;
    }

    Query groups(&Db());
    groups.SetSQL(QStringLiteral("select a_name,min(id) as rid from ") + header + QStringLiteral(" where ") + status
        + QStringLiteral("=0 and gl_djh=:n group by a_name order by min(id)"));
    groups.SetParam(QStringLiteral("n"), docNo);
    groups.Open();
    QString keeper;
    if (!taken) {
        keeper = groups.TextAt(0, 0);
        for (int r = 0; r < groups.RecordCount(); ++r)
            if (groups.TextAt(r, 0) == approvingOperator)
                keeper = approvingOperator;
    }
    for (int r = 0; r < groups.RecordCount(); ++r) {
        const QString op = groups.TextAt(r, 0);
        if (!taken && op == keeper)
            continue;
        const qint64 rid = ValueNumber(groups.ValueAt(r, 1));
        const QString date = ValueText(First(QStringLiteral("select ") + QString::fromLatin1(k->date)
                + QStringLiteral(" from ") + header + QStringLiteral(" where id=:id"),
            { { QStringLiteral("id"), rid } }));
        const QString fresh = NextDocNo(QString::fromLatin1(k->lines), QStringLiteral("gl_djh"), prefix, date.left(10));
        const Params move { { QStringLiteral("n"), docNo }, { QStringLiteral("a"), op },
            { QStringLiteral("new"), fresh }, { QStringLiteral("id"), rid } };
        Run(QStringLiteral("update ") + header + QStringLiteral(" set gl_djh=:new where id=:id"), move);
        for (const char* table : { k->lines, k->detail })
            Run(QStringLiteral("update ") + QString::fromLatin1(table)
                    + QStringLiteral(" set gl_djh=:new where gl_djh=:n and a_name=:a"),
                move);
        Run(QStringLiteral("delete from ") + header + QStringLiteral(" where ") + status
                + QStringLiteral("=0 and gl_djh=:n and a_name=:a and id<>:id"),
            move);
    }
    t.Commit();
}

void LinkContract(const QString& contractSn, const QString& partnerSn, const QString& docNo)
{
    Run(QStringLiteral("update jxc_htgl set ghs_sn=:p,gl_djh=:djh where ht_sn=:c"),
        { { QStringLiteral("p"), partnerSn }, { QStringLiteral("djh"), docNo }, { QStringLiteral("c"), contractSn } });
}

void DeleteContract(const QString& contractSn)
{
    const Params c { { QStringLiteral("c"), contractSn } };
    Transaction t(Db());
    QString path = ValueText(First(QStringLiteral("select coalesce(ht_path,'')||coalesce(ht_fjname,'') from jxc_htgl "
                                                  "where ht_path<>'远程FTP服务器' and ht_sn=:c"),
        c));
    Run(QStringLiteral("delete from jxc_htgl where ht_sn=:c"), c);
    t.Commit();
    // Paths were stored with the original's separators.
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!path.isEmpty())
        QFile::remove(path);
}
