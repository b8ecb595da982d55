#include "platform/report/report.h"
#include "platform/report/reporttemplate.h"
#include "support/platform/testtext.h"

#include <gtest/gtest.h>

namespace {

// Every list the statement and statistics windows print is delivered, bound to the
// dataset the window names.
TEST(StatisticsTemplates, AreDeliveredWithTheirDatasets)
{
    for (const char* name : { "fhdzd", "shdzd", "rktjb", "thtjb", "cktjb", "tktjb", "ywyxstc", "ywylrtc", "ywyxsdjb",
             "ywyxshzb", "ywyxsmxb", "xsmldjb", "xsmlhzb", "fhcbdjb", "fhcbhzb" }) {
        Report r;
        const QString file = QString::fromLatin1(name);
        ASSERT_TRUE(r.LoadFromFile(SourceResource(QStringLiteral("report/%1.fr3").arg(file))))
            << name << " " << r.LastError().toStdString();
        bool bound = false;
        for (const ReportBand& band : r.Template().page.bands)
            bound = bound || band.dataset == file;
        EXPECT_TRUE(bound) << name;
    }
}

} // namespace
