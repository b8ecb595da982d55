// Sample reports for the developers' screenshot command.
#include "app/devtools/reportsamples.h"
#include "app/devtools/samplescreenshots.h"
#include "platform/report/report.h"
#include "platform/report/reportpreview.h"
#include "platform/ui/screenshots.h"

namespace {

QWidget* Preview(Report* (*make)(QObject*))
{
    Report* report = make(nullptr);
    auto* preview = new ReportPreview(report);
    report->setParent(preview);
    preview->FitWidth();
    return preview;
}

} // namespace

void RegisterReportScreenshots()
{
    Screenshots::Register(QStringLiteral("report-document"), [] { return Preview(&SampleDocumentReport); });
    Screenshots::Register(QStringLiteral("report-list"), [] { return Preview(&SampleListReport); });
}
