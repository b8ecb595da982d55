#pragma once
#include <QDate>
#include <QString>

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
