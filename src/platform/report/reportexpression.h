#pragma once
#include <QString>
#include <vector>

// The [..] expressions of a text object: [Variable], [Dataset."field"],
// [SUM(Dataset."field")], [COUNT(Dataset)], [Page#], [TotalPages#] and [Line#].
// Everything outside brackets is literal text.
struct ReportSegment {
    enum class Kind { Literal, Variable, Field, Sum, Count, Page, TotalPages, Line };
    Kind kind = Kind::Literal;
    QString text;    // literal text or variable name
    QString dataset; // Field, Sum, Count
    QString field;   // Field, Sum
};

using ReportExpression = std::vector<ReportSegment>;

ReportExpression ParseReportText(const QString& text);
