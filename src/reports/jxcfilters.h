#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

// Conditions that the purchase-sales-stock summary and detail add to their ledger
// statements.

// The filters both windows share.
struct LedgerFilter {
    QDate from;
    QDate to;
    QString warehouse;  // empty: every warehouse the operator may see
    QString category;   // prefix of gc_sn
    QString key;        // goods text as typed
    bool exact = false; // 精确查询
};

// The goods text on four columns of the alias (code, short code, name, style):
// equal to one of them when exact, else contained in one; nothing for an empty text.
QString GoodsTextMatch(const QString& alias, const QString& text, bool exact);

// The chosen warehouse on the ledger alias; with none chosen the operator's
// warehouses (only while he is bound and no administrator).
QString LedgerWarehouseScope(const QString& warehouse, const QString& ledger);

// The id of the last ledger row (the latest date, then the greatest id) of the goods
// and warehouse of alias `pair` (g_sn and ck_sn) among the rows on alias x that `rows`
// admits, as a scalar sub-select: one seek down the ledger's walk index (g_sn, ck_sn,
// gl_kdrq, id) per pair, instead of grouping every row up to the cut-off.
QString LastLedgerRowOf(const QString& pair, const QString& rows);

// "alias.gl_flag in (...)" over every kind that the conditions name (gl_flag='x' or
// gl_flag in ('x',...)), so that rows matching any of them are read down the
// ledger's kind index (gl_flag, gl_kdrq).
QString LedgerKindsNamed(const QStringList& conditions, const QString& alias);
