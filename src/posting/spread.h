#pragma once
#include <QString>

// Spreading a document-level reduction over its lines: each pass takes an equal
// share off every line at least as large as the share, then the line prices,
// amounts and taxes follow the new totals. A pass that changes nothing (a share
// that rounds to 0, lines all smaller than it) ends the loop, and what remains goes
// onto the largest line, so the lines always add up to the target.
namespace posting {

struct SpreadColumns {
    QString table;     // the line table
    QString total;     // line total with tax
    QString qty;       // quantity
    QString price;     // price before tax
    QString taxPrice;  // price with tax
    QString taxRate;   // tax rate in percent
    QString amount;    // amount before tax
    QString taxAmount; // tax amount
    QString discount;  // discount rate dividing the price with tax; empty: none
    QString onlyWhere; // a further condition on the lines spread over; empty: none
};

// Spreads `linesTotal` - `target` over the lines of the number with a quantity
// above 0. Answers the lines' sum after it, or `linesTotal` when there is nothing
// to reduce (target above the total); false when no line qualifies.
bool SpreadReduction(const SpreadColumns& c, const QString& docNo, double target, double linesTotal, double& result);

// Whether two amounts differ once rounded to cents.
bool CentsDiffer(double a, double b);

} // namespace posting
