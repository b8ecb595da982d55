#include "platform/report/report.h"
#include "platform/report/reporttemplate.h"
#include "support/platform/testtext.h"

#include <gtest/gtest.h>

namespace {

// The stock report templates are delivered and readable, each with the dataset its
// window binds.
TEST(StockReportTemplates, AreDeliveredWithTheirDatasets)
{
    const struct {
        const char* file;
        const char* dataset;
    } cases[] = { { "kccx", "frxDBDataset1" }, { "jxctjhzb", "jxctjhzb" }, { "jxctjmxb", "jxctjmxb" } };
    for (const auto& c : cases) {
        Report r;
        ASSERT_TRUE(r.LoadFromFile(SourceResource(QStringLiteral("report/%1.fr3").arg(QString::fromLatin1(c.file)))))
            << c.file << " " << r.LastError().toStdString();
        bool bound = false;
        for (const ReportBand& band : r.Template().page.bands)
            bound = bound || band.dataset == QLatin1String(c.dataset);
        EXPECT_TRUE(bound) << c.file;
    }
}

} // namespace
