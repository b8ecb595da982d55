// The report templates the program loads by name are all delivered.
#include "platform/report/reporttemplate.h"
#include "support/accountset.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

class DeliveredTemplatesTest : public AccountSetTest { };

TEST_F(DeliveredTemplatesTest, EveryNamedTemplateIsDeliveredAndLoads)
{
    QSet<QString> names;
    // The report list of a fresh account set.
    Query list(&dm->ADOConn);
    list.SetSQL(QStringLiteral("select b_file from jxc_bbgl"));
    list.Open();
    ASSERT_EQ(list.RecordCount(), 120);
    for (list.First(); !list.Eof(); list.Next())
        names.insert(list.AsString(QStringLiteral("b_file")).trimmed());
    // Document templates that only the document views print, those that windows load
    // without a row in the list, and the stock reminder's.
    for (const char* name : { "cfd", "cfd2", "kbd", "kbd2", "khjh", "cpjgd", "cpjgd2", "wfjgd", "wfjgd2", "bmbfd",
             "bmbfd2", "posxp", "posxp58", "posxsd", "txm", "hysr", "hyxf", "hyxfb", "hyxs", "hyxx", "jbxp", "jbxp58",
             "jthcxdjb", "jthcxhzb", "jthmxb", "poscrk", "posjghzb", "posjgmxb", "poslsz", "posmxb", "possytj1",
             "possytj2", "possyymx", "possyymx58", "postj", "posxsph1", "posxsph2", "posxsph3", "xsdjcxdjb",
             "xsdjcxhzb", "xshh", "sjtxkc" })
        names.insert(QString::fromLatin1(name) + QStringLiteral(".fr3"));

    const QDir delivered(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath("../../resources/report"));
    QStringList missing;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(name.isEmpty());
        if (!delivered.exists(name)) {
            missing << name;
            continue;
        }
        ReportTemplate t;
        QString error;
        EXPECT_TRUE(t.Load(delivered.filePath(name), &error)) << error.toStdString();
        EXPECT_FALSE(t.Empty());
    }
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
}

} // namespace
