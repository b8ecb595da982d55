#pragma once
#include "platform/report/preparedreport.h"

#include <QHash>
#include <QVariant>

// Fills a template with variables and dataset rows and breaks it into pages.
// Page by page: the report title (first page only), the page header, the column
// header while data rows are printing, the data sections (group headers, master
// rows, group footers), the report summary after the data, and the page footer at
// the bottom of every page. A band that does not fit goes to the next page.
PreparedReport LayoutReport(const ReportTemplate& tmpl, const QHash<QString, QVariant>& variables,
    const QHash<QString, const ReportDataSource*>& datasets);

// The height in millimetres that a text object needs for its text: its designed
// height for the first line and the height of every further line.
double MeasureTextHeight(const ReportObject& o, const QString& text);
