#pragma once
#include "documents/dockind.h"

#include <QString>

class Query;

// The plain routines behind every document window (no widgets): the operator's
// draft lines, number redraws, the line arithmetic, the totals of a draft and of a
// pending document, approval, and the deletion of pending lines and documents.
//
// Draft lines are the rows of a kind's line and colour-by-size tables that carry
// the window's number and the operator's name (a_name = CurrentAdminName) and no
// saved header yet. Every routine here that reads, moves or deletes drafts filters
// by the operator, so that two operators drafting under one number never touch
// each other's lines.

// ---- number redraw ----
// Each redraw draws a new number of the document date's day and moves the
// operator's draft lines and their colour-by-size rows to it, so that lines never
// stay behind under the old number. They answer the number in force (the given one
// when nothing had to change). The dialogs, browsers, imports and order take-over
// that write lines under a window's number call RedrawIfHeld before they write.

// Moves the operator's lines and colour-by-size rows from one number to another.
void MoveDraft(const DocKind& kind, const QString& from, const QString& to);
// Another operator holds lines under the number (a barcode scan, a dialog's OK):
// a number drawn over the line table.
QString RedrawIfHeld(const DocKind& kind, const QString& number, const QString& date);
// The document date changed: a number drawn over the saved headers of the new day,
// or over the line table when another operator holds that one.
QString RedrawForDate(const DocKind& kind, const QString& number, const QString& date);
// Saving: away from a number that a saved header of anyone carries, then away from
// one under which another operator holds lines.
QString RedrawForSave(const DocKind& kind, const QString& number, const QString& date);
// Only away from a number that a saved header carries (kinds whose approval repairs
// other operators' drafts under the number).
QString RedrawIfSaved(const DocKind& kind, const QString& number, const QString& date);

// ---- draft lines ----
// Deletes the operator's lines and colour-by-size rows under the number (closing
// without saving).
void DiscardDraft(const DocKind& kind, const QString& number);
// Deletes one colour-by-size row of a line. The line goes with its last row;
// otherwise it is recomputed for the remaining quantity with LineArithmetic (its
// total cost too, where the kind keeps one).
// Answers true when the line went too.
bool DeleteDetailRow(const DocKind& kind, qint64 detailId, qint64 lineId);

// ---- line arithmetic ----
// What the colour-by-size dialog's OK starts from: unit price P, tax-inclusive price
// Q, tax rate T in percent, discount factor D (1 none), quantity N and the total Z
// as shown.
struct LineEntry {
    double price = 0;
    double taxPrice = 0;
    double tax = 0;
    double discount = 1;
    double qty = 0;
    double total = 0;
    // Goods leaving stock: the stock quantity follows UseStockOut instead of UseStockIn.
    bool outgoing = false;
};
// The values written to the line.
struct LineValues {
    double price = 0;    // p, rounded to AmountDecimals
    double taxPrice = 0; // q, rounded to AmountDecimals
    double tax = 0;
    double discount = 1;
    double qty = 0;
    double amount = 0;    // D × N × p
    double taxAmount = 0; // D × N × (q − p)
    double total = 0;     // Z
    double stockQty = 0;  // 0 while goods are taken into or out of stock separately, else N
};
// The total shown for a line: round(Q) × D × N, rounded to TotalDecimals when
// totals are rounded.
double LineTotal(double taxPrice, double discount, double qty);
// The OK arithmetic: a line without a price but with a total is priced from its
// total (no tax, no discount); amounts are rounded to TotalDecimals when totals are.
LineValues LineArithmetic(const LineEntry& entry);

// ---- totals ----
// The payable of a draft: the operator's lines under the number without the
// discount goods "00000000", rounded to TotalDecimals when totals are rounded.
double DraftPayable(const DocKind& kind, const QString& number);
// Brings a changed pending document's payable and paid up to its lines; with the
// rest on account (settle mode 1) and the paid amount defaulting to zero only the
// payable follows.
void UpdatePendingAmounts(const DocKind& kind, const QString& number, bool paidDefaultsToZero);
// The same after a pending document's lines changed, then its pending list read again
// with the document current; nothing when no document is chosen.
void RefreshPendingAmounts(const DocKind& kind, const QString& number, bool paidDefaultsToZero, Query& headers);

// ---- approval ----
// Approves and posts one document in one transaction: duplicate drafts under the
// number are repaired (the approving operator's keeps it), the first header left is
// marked approved with its discount, pending duplicates go, and the kind's posting
// runs. A number without lines changes nothing; a number already approved only
// loses its pending duplicates. A failure leaves the document pending, nothing
// posted. Answers true when it approved.
bool ApproveDocument(const DocKind& kind, const QString& number, const QString& approvingOperator);

// ---- pending documents ----
// Deletes a pending line and its colour-by-size rows in one transaction; with its
// last line the document's header and rows go too, logged. Answers true when the
// document went.
bool DeletePendingLine(const DocKind& kind, const QString& number, qint64 lineId);
// Deletes a pending document with every operator's rows under its number, logged.
void DeletePendingDocument(const DocKind& kind, const QString& number);
