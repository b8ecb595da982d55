#include "listing/listoutput.h"

#include "foundation/settings.h"
#include "platform/base/programfolder.h"
#include "platform/grid/datagrid.h"
#include "platform/report/report.h"
#include "platform/ui/prompt.h"

bool ExportGridList(const DataGrid& grid, bool xlsOnly)
{
    QString path = Prompt::SaveFile(QStringLiteral("导出"),
        xlsOnly ? QStringLiteral("(*.xls) (*.xls)") : QStringLiteral("(*.xlsx) (*.xlsx);;(*.xls) (*.xls)"));
    if (path.isEmpty())
        return false;
    // The file type follows the chosen name; a bare name gets the first type.
    if (!path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)
        && !path.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        path += xlsOnly ? QStringLiteral(".xls") : QStringLiteral(".xlsx");
    QString error;
    if (!grid.ExportTo(path, &error)) {
        Prompt::Info(error, Prompt::kInfoCaption, Prompt::Icon::Warning);
        return false;
    }
    return true;
}

namespace {

void PrintListOf(const QString& templateFile, const QString& dataset, Query* query, const QString& filter,
    const ReportVariables& variables)
{
    Report report;
    report.LoadFromFile(ProgramFolder::File(QStringLiteral("report/") + templateFile));
    report.SetDataset(dataset, query, filter);
    report.SetVariable(QStringLiteral("comName"), CompanyName);
    report.SetVariable(QStringLiteral("comTele"), CompanyTele);
    report.SetVariable(QStringLiteral("comLxr"), CompanyContact);
    report.SetVariable(QStringLiteral("comNote"), CompanyNote);
    report.SetVariable(QStringLiteral("comAddress"), CompanyAddress);
    for (const auto& v : variables)
        report.SetVariable(v.first, v.second);
    report.ShowReport();
}

} // namespace

void PrintGridList(
    const QString& templateFile, const QString& dataset, const DataGrid& grid, const ReportVariables& variables)
{
    PrintListOf(templateFile, dataset, grid.GetQuery(), grid.FilterText(), variables);
}

void PrintQueryReport(
    const QString& templateFile, const QString& dataset, Query& query, const ReportVariables& variables)
{
    PrintListOf(templateFile, dataset, &query, QString(), variables);
}
