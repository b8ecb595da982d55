#pragma once
#include <QString>

// The moving-average cost per goods and warehouse. The running columns of the
// stock ledger (gl_sqsl, gl_sqje before a row; gl_kc, gl_kczje, gl_pjjj after it)
// are recomputed by walking the ledger of one goods in one warehouse in
// (gl_kdrq, id) order from a row's date to the end; the walk ends by storing the
// final average and value in jxc_kcsp (kc_cbj, kc_zcb).

// Walks from the date of ledger row `rowId`. Flag "1" leaves the rows of that
// row's document out (a reversal walks before it deletes them).
void RecalcMovingAverageCost(const QString& rowId, const QString& flag);

// Once per (goods, warehouse) of the document's ledger rows, from that pair's
// earliest row, over one read of all their rows: the same result as a walk per
// row. Without `withDiscountGoods` the pairs of goods "00000000" are not walked.
void RecalcMovingAverageCostOfDoc(const QString& docNo, const QString& flag, bool withDiscountGoods = true);

// Every (goods, warehouse) of the stock table other than the discount goods (of one
// warehouse, or all for an empty one), each walked from its first row on or after
// the date, in one ordered pass over the ledger: the result of a walk per pair.
void RecalcMovingAverageCostFrom(const QString& date, const QString& warehouse);

// The repair walk: also re-prices the outgoing rows; flag "1" carries the new cost
// into the lines and headers of their documents.
void RecalcMovingAverageCostAll(const QString& rowId, const QString& flag);
