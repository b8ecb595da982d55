#include "support/accountset.h"

#include "foundation/globals.h"
#include "foundation/schema/schema.h"
#include "platform/db/connection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
// Building every table takes a while; each process builds once and copies.
const QString& templateFolder()
{
    static QTemporaryDir dir;
    static bool built = false;
    if (!built) {
        built = true;
        {
            Connection c;
            c.Open(dir.filePath(QStringLiteral("jxc.mdb")), Connection::OpenMode::CreateIfMissing);
            CreateAllTables(c);
        }
        {
            Connection c;
            c.Open(dir.filePath(QStringLiteral("codeinfo.dll")), Connection::OpenMode::CreateIfMissing);
            CreateCatalogue(c);
        }
    }
    static QString path = dir.path() + QLatin1Char('/');
    return path;
}
}

void LayOutAccountSet(const QString& folder)
{
    QDir(folder).mkpath(QStringLiteral("data"));
    for (const QString& f : {QStringLiteral("jxc.mdb"), QStringLiteral("codeinfo.dll")}) {
        const QString target = folder + QStringLiteral("/data/") + f;
        QFile::remove(target);
        QFile::copy(templateFolder() + f, target);
        QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

void AccountSetTest::SetUp()
{
    UiTest::SetUp();
    LayOutAccountSet(Folder());
    dm = std::make_unique<TF_DataModule>();
    dm->DataModuleCreate();
    CurrentAdminName = QStringLiteral("admin");
    CurrentAdminSn = QStringLiteral("100001");
    CurrentRoleSn = QStringLiteral("100001");
    CurrentDbName = QStringLiteral("jxc.mdb");
    CurrentAccountSetName = QStringLiteral("默认账套");
}

void AccountSetTest::TearDown()
{
    dm.reset();
    CurrentAdminName.clear();
    CurrentAdminSn.clear();
    CurrentRoleSn.clear();
    CurrentDbName.clear();
    CurrentAccountSetName.clear();
    UiTest::TearDown();
}

QStringList AccountSetTest::Column(const QString& sql)
{
    Query q(&dm->ADOConn);
    q.SetSQL(sql);
    q.Open();
    QStringList out;
    for (q.First(); !q.Eof(); q.Next())
        out << q.FieldAt(0).AsString();
    return out;
}

int AccountSetTest::Count(const QString& table, const QString& where)
{
    QString sql = QStringLiteral("select count(*) from ") + table;
    if (!where.isEmpty())
        sql += QStringLiteral(" where ") + where;
    return QueryScalar(sql).toInt();
}
