#pragma once
#include <QList>
#include <QString>

// Stock documents in the state their approval leaves, for the reversal tests:
// the stock windows that post them come later, so the fixture writes the header,
// lines, colour-by-size rows, ledger rows, stock, goods totals, monthly balances,
// moving averages, colour-by-size stock and money row over the present state.
namespace stockfixture {

struct SizeRow {
    QString color, size;
    double qty;
};
struct StockLine {
    QString goods;
    double qty = 0; // as the ledger row carries it, signed
    double price = 0;
    QList<SizeRow> rows;   // colour-by-size rows, quantities as the detail table holds them
    QString warehouse;     // split and bundle lines name their own; empty: the header's
    qint64 sourceLine = 0; // the loan-out or requisition line a loan back or return points at
    QString loanMove;      // loan back: "hh" given back, "xs" sold
};
struct StockDoc {
    QString number; // its prefix gives the kind
    QString date;
    QString warehouse = QStringLiteral("100001");
    QString receiving; // a transfer's receiving warehouse
    QList<StockLine> lines;
};

// Writes the approved document and its postings; answers the line ids.
QList<qint64> PostStockDoc(const StockDoc& doc);

} // namespace stockfixture
