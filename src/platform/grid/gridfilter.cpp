#include "platform/grid/gridfilter.h"

#include "platform/db/query.h"
#include "platform/db/rowfilter.h"
#include "platform/db/valuetext.h"

void GridFilter::Clear()
{
    conds_.clear();
}

void GridFilter::Add(const QString& field, const QString& pattern)
{
    Cond c;
    c.field = field;
    c.pattern = pattern;
    Compile(c);
    conds_.push_back(c);
}

QString GridFilter::Text() const
{
    QStringList parts;
    for (const Cond& c : conds_) {
        QString quoted = c.pattern;
        quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
        parts << QStringLiteral("(%1 like '%2')").arg(c.field, quoted);
    }
    return parts.join(join_ == Join::Or ? QStringLiteral(" or ") : QStringLiteral(" and "));
}

void GridFilter::Bind(const QStringList& fieldNames)
{
    for (Cond& c : conds_) {
        QString name = c.field;
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot >= 0)
            name = name.mid(dot + 1);
        c.col = -1;
        for (int i = 0; i < fieldNames.size(); ++i)
            if (fieldNames[i].compare(name, Qt::CaseInsensitive) == 0) {
                c.col = i;
                break;
            }
    }
}

// Most patterns the windows build are "%text%"; those are tested with a plain
// case-insensitive search instead of the general matcher, which keeps filtering a
// large list quick.
void GridFilter::Compile(Cond& c)
{
    auto isWild = [](QChar ch) { return ch == '%' || ch == '*' || ch == '_' || ch == '?'; };
    auto isRun = [](QChar ch) { return ch == '%' || ch == '*'; };
    const QString& p = c.pattern;
    int b = 0, e = int(p.size());
    const bool lead = b < e && isRun(p[b]);
    if (lead)
        ++b;
    const bool trail = e > b && isRun(p[e - 1]);
    if (trail)
        --e;
    const QString core = p.mid(b, e - b);
    for (QChar ch : core)
        if (isWild(ch)) {
            c.shape = Shape::General;
            return;
        }
    c.core = core;
    if (lead && trail)
        c.shape = Shape::Contains;
    else if (trail)
        c.shape = Shape::Starts;
    else if (lead)
        c.shape = Shape::Ends;
    else
        c.shape = Shape::Equals;
}

bool GridFilter::Test(const Cond& c, const QString& text)
{
    switch (c.shape) {
    case Shape::Contains:
        return text.contains(c.core, Qt::CaseInsensitive);
    case Shape::Starts:
        return text.startsWith(c.core, Qt::CaseInsensitive);
    case Shape::Ends:
        return text.endsWith(c.core, Qt::CaseInsensitive);
    case Shape::Equals:
        return text.compare(c.core, Qt::CaseInsensitive) == 0;
    case Shape::General:
        break;
    }
    return LikeMatch(text, c.pattern);
}

bool GridFilter::Matches(const Query& q, int row) const
{
    if (conds_.isEmpty())
        return true;
    const bool any = join_ == Join::Or;
    for (const Cond& c : conds_) {
        bool hit = false;
        if (c.col >= 0) {
            const QVariant v = q.ValueAt(row, c.col);
            if (!v.isNull())
                hit = Test(c, v.typeId() == QMetaType::QString ? v.toString() : ValueText(v, q.IsBitColumn(c.col)));
        }
        if (hit == any)
            return any;
    }
    return !any;
}
