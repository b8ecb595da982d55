#include "posting/spread.h"

#include "foundation/settings.h"
#include "platform/db/query.h"
#include "platform/db/valuetext.h"
#include "posting/postingdb.h"

#include <cmath>
#include <vector>

namespace posting {

namespace {

    long long Cents(double x)
    {
        return std::llround(x * 100);
    }

    struct Line {
        qint64 id;
        double total, qty, taxRate, discount;
    };

} // namespace

bool CentsDiffer(double a, double b)
{
    return Cents(a) != Cents(b);
}

bool SpreadReduction(const SpreadColumns& c, const QString& docNo, double target, double linesTotal, double& result)
{
    const QString filter = QStringLiteral(" where gl_djh=:djh and ") + c.qty + QStringLiteral(">0")
        + (c.onlyWhere.isEmpty() ? QString() : QStringLiteral(" and ") + c.onlyWhere);
    Query q(&Db());
    q.SetSQL(QStringLiteral("select id,") + c.total + QLatin1Char(',') + c.qty + QLatin1Char(',') + c.taxRate
        + QLatin1Char(',') + (c.discount.isEmpty() ? QStringLiteral("1") : c.discount) + QStringLiteral(" from ")
        + c.table + filter + QStringLiteral(" order by id"));
    q.SetParam(QStringLiteral("djh"), docNo);
    q.Open();
    std::vector<Line> lines;
    for (int r = 0; r < q.RecordCount(); ++r)
        lines.push_back({ q.IdAt(r), ValueNumber(q.ValueAt(r, 1)), ValueNumber(q.ValueAt(r, 2)),
            ValueNumber(q.ValueAt(r, 3)), ValueNumber(q.ValueAt(r, 4)) });
    if (lines.empty())
        return false;
    result = linesTotal;
    if (Cents(linesTotal - target) <= 0)
        return true;

    // The lines not spread over keep their totals.
    const double all = FirstNumber(QStringLiteral("select sum(") + c.total + QStringLiteral(") from ") + c.table
            + QStringLiteral(" where gl_djh=:djh"),
        { { QStringLiteral("djh"), docNo } });
    double spreadSum = 0;
    for (const Line& l : lines)
        spreadSum += l.total;
    const double others = all - spreadSum;
    auto sum = [&] {
        double s = others;
        for (const Line& l : lines)
            s += l.total;
        return s;
    };

    const int n = int(lines.size());
    double rest = linesTotal - target;
    while (Cents(rest) > 0) {
        const double share = RoundUp(rest / n, AmountDecimals);
        bool changed = false;
        if (share > 0)
            for (Line& l : lines)
                if (l.total >= share) {
                    l.total = Round8(l.total - share);
                    changed = true;
                }
        if (!changed)
            break;
        rest = sum() - target;
    }
    if (Cents(rest) > 0) {
        Line* largest = &lines.front();
        for (Line& l : lines)
            if (l.total > largest->total)
                largest = &l;
        largest->total = Round8(largest->total - rest);
    }

    const int ad = AmountDecimals;
    for (const Line& l : lines) {
        const double divisor = l.discount * l.qty;
        const double taxPrice = RoundUp(divisor != 0 ? l.total / divisor : l.total / l.qty, ad);
        const double price = RoundUp(taxPrice / (1 + l.taxRate / 100), ad);
        Run(QStringLiteral("update ") + c.table + QStringLiteral(" set ") + c.total + QStringLiteral("=:t,")
                + c.taxPrice + QStringLiteral("=:tp,") + c.price + QStringLiteral("=:p,") + c.amount
                + QStringLiteral("=:a,") + c.taxAmount + QStringLiteral("=:ta where id=:id"),
            { { QStringLiteral("t"), l.total }, { QStringLiteral("tp"), taxPrice }, { QStringLiteral("p"), price },
                { QStringLiteral("a"), Round8(price * l.qty) },
                { QStringLiteral("ta"), Round8(l.total - price * l.qty) }, { QStringLiteral("id"), l.id } });
    }
    result = Round8(sum());
    return true;
}

} // namespace posting
