#include "platform/report/report.h"
#include "platform/report/reporttemplate.h"
#include "support/platform/testtext.h"

#include <gtest/gtest.h>

namespace {

// Every template the accounts windows print is delivered and readable, with the
// dataset the window binds.
TEST(AccountsTemplates, AreDeliveredWithTheirDatasets)
{
    struct Case {
        const char* file;
        const char* dataset;
    } cases[] = { { "yskdj", "yskdj" }, { "yfkdj", "yfkdj" }, { "ysksk", "ysksk" }, { "yfkfk", "yfkfk" },
        { "ysyfysk", "ysyfkd" }, { "ysyfyfk", "ysyfkd" }, { "ysyfskd", "ysyfkd" }, { "ysyffkd", "ysyfkd" },
        { "xjyhdsh", "xjyhdsh" }, { "xjyhmxb", "xjyhmxb" }, { "xjyhhzb", "xjyhhzb" }, { "xjyhd", nullptr },
        { "yskmxb", "yskmxb" }, { "yskglhzb", "yskglhzb" }, { "yskglmxb", "yskglmxb" }, { "yfkmxb", "yfkmxb" },
        { "yfkglhzb", "yfkglhzb" }, { "yfkglmxb", "yfkglmxb" }, { "fyjsrdsh", "fyjsrdsh" }, { "fyjsrmxb", "fyjsrmxb" },
        { "fyjsrhzb", "fyjsrhzb" }, { "fyd", nullptr } };
    for (const Case& c : cases) {
        Report r;
        ASSERT_TRUE(r.LoadFromFile(SourceResource(QStringLiteral("report/%1.fr3").arg(QString::fromLatin1(c.file)))))
            << c.file << " " << r.LastError().toStdString();
        EXPECT_FALSE(r.Template().Empty()) << c.file;
        if (!c.dataset)
            continue;
        bool bound = false;
        for (const ReportBand& band : r.Template().page.bands)
            bound = bound || band.dataset == QLatin1String(c.dataset);
        EXPECT_TRUE(bound) << c.file;
    }
}

} // namespace
