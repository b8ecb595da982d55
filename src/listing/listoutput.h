#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

class DataGrid;
class Query;

// Output of a list window's grid, the same for every master-data and query list.

// Asks for a file and writes every row the grid shows to it: .xlsx, or .xls when
// that type was chosen. Nothing happens when the dialog is cancelled; a failure is
// shown. Returns whether a file was written. xlsOnly offers .xls alone.
bool ExportGridList(const DataGrid& grid, bool xlsOnly = false);

using ReportVariables = QList<QPair<QString, QVariant>>;

// Prints the list from a template of report/: the dataset is bound to the grid's
// query narrowed by the grid's filter, so the print shows what the grid shows; the
// company variables (comName, comTele, comLxr, comNote, comAddress) and the extra
// ones are set, and the preview is shown. The query itself is left unfiltered.
void PrintGridList(
    const QString& templateFile, const QString& dataset, const DataGrid& grid, const ReportVariables& variables = {});
// The same for every row of a query that no grid shows (one document's rows).
void PrintQueryReport(
    const QString& templateFile, const QString& dataset, Query& query, const ReportVariables& variables = {});
