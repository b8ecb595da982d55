#include "platform/report/reportexpression.h"

namespace {

// Dataset."field"; false when the text is not of that form.
bool SplitField(const QString& s, QString& dataset, QString& field)
{
    const int dot = s.indexOf(QLatin1String(".\""));
    if (dot <= 0 || !s.endsWith(QLatin1Char('"')) || s.size() < dot + 3)
        return false;
    dataset = s.left(dot).trimmed();
    field = s.mid(dot + 2, s.size() - dot - 3);
    return !dataset.isEmpty() && !field.contains(QLatin1Char('"'));
}

ReportSegment Classify(const QString& inner)
{
    const QString s = inner.trimmed();
    ReportSegment seg;
    if (s.compare(QLatin1String("Page#"), Qt::CaseInsensitive) == 0) {
        seg.kind = ReportSegment::Kind::Page;
        return seg;
    }
    if (s.compare(QLatin1String("TotalPages#"), Qt::CaseInsensitive) == 0) {
        seg.kind = ReportSegment::Kind::TotalPages;
        return seg;
    }
    if (s.compare(QLatin1String("Line#"), Qt::CaseInsensitive) == 0) {
        seg.kind = ReportSegment::Kind::Line;
        return seg;
    }
    const int open = s.indexOf(QLatin1Char('('));
    if (open > 0 && s.endsWith(QLatin1Char(')'))) {
        const QString fn = s.left(open).trimmed().toUpper();
        const QString arg = s.mid(open + 1, s.size() - open - 2).trimmed();
        if (fn == QLatin1String("SUM") && SplitField(arg, seg.dataset, seg.field)) {
            seg.kind = ReportSegment::Kind::Sum;
            return seg;
        }
        if (fn == QLatin1String("COUNT") && !arg.isEmpty()) {
            seg.kind = ReportSegment::Kind::Count;
            QString field;
            if (!SplitField(arg, seg.dataset, field))
                seg.dataset = arg;
            return seg;
        }
    }
    if (SplitField(s, seg.dataset, seg.field)) {
        seg.kind = ReportSegment::Kind::Field;
        return seg;
    }
    seg.kind = ReportSegment::Kind::Variable;
    seg.text = s;
    return seg;
}

void AddLiteral(ReportExpression& out, const QString& text)
{
    if (text.isEmpty())
        return;
    if (!out.empty() && out.back().kind == ReportSegment::Kind::Literal)
        out.back().text += text;
    else
        out.push_back({ ReportSegment::Kind::Literal, text, {}, {} });
}

} // namespace

ReportExpression ParseReportText(const QString& text)
{
    ReportExpression out;
    int pos = 0;
    while (pos < text.size()) {
        const int open = text.indexOf(QLatin1Char('['), pos);
        if (open < 0) {
            AddLiteral(out, text.mid(pos));
            break;
        }
        const int close = text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            AddLiteral(out, text.mid(pos));
            break;
        }
        AddLiteral(out, text.mid(pos, open - pos));
        const QString inner = text.mid(open + 1, close - open - 1);
        if (inner.trimmed().isEmpty())
            AddLiteral(out, text.mid(open, close - open + 1));
        else
            out.push_back(Classify(inner));
        pos = close + 1;
    }
    return out;
}
