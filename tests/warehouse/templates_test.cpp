#include "platform/report/report.h"
#include "platform/report/reporttemplate.h"
#include "support/platform/testtext.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

// Every template the stock windows print is delivered and readable, with the
// dataset the window binds.
TEST(StockTemplates, AreDeliveredWithTheirDatasets)
{
    const std::pair<const char*, const char*> cases[] = { { "bsby", "frxDBDataset1" }, { "bsby2", "frxDBDataset1" },
        { "bsbydsh", "bsbydsh" }, { "bsbydjb", "bsbydjb" }, { "bsbyhzb", "bsbyhzb" }, { "bsbymxb", "bsbymxb" },
        { "kcpdd", "frxDBDataset1" }, { "kcpddsh", "kcpddsh" }, { "kcpddjb", "kcpddjb" }, { "kcpdmxb", "kcpdmxb" } };
    for (const auto& [file, dataset] : cases) {
        Report r;
        ASSERT_TRUE(r.LoadFromFile(SourceResource(QStringLiteral("report/%1.fr3").arg(QLatin1String(file)))))
            << file << " " << r.LastError().toStdString();
        bool bound = false;
        for (const ReportBand& band : r.Template().page.bands)
            bound = bound || band.dataset == QLatin1String(dataset);
        EXPECT_TRUE(bound) << file;
    }
}

} // namespace
