#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The stock-take's own rules (no widgets but the bulk cancel's progress display):
// the refusals of a save, the movement check of an approval and the cancelling
// of every document posted after the latest approved stock-take.

// The first refusal of saving the draft `number` of the warehouse on `day`
// ("yyyy-MM-dd"), empty when it may be saved: no lines; a stock-take of the
// warehouse (any status) on a later day; a ledger row of a counted goods in the
// warehouse on a later day. Later the same day blocks neither.
QString StockTakeSaveRefusal(const QString& number, const QString& warehouse, const QString& day, bool hasLines);

// Saves the operator's draft under the number in one transaction: away from a
// number that is taken, the header appended pending with the totals of the lines
// (date = day + the clock's "HH:mm") and approved at once when saving approves
// (the save refusals stand in for the approval's movement check), else the
// pending save logged. Answers the number the stock-take was saved under.
QString SaveStockTake(
    const QString& number, const QString& warehouse, const QString& day, const QString& handler, const QString& note);

// The approval refusal of a pending stock-take saved at `savedAt` (its pd_rq):
// a ledger row of one of its goods in its warehouse dated after that moment, also
// on the same day. Empty when it may be approved.
QString getPdMsg(const QString& number, const QString& savedAt, const QString& warehouse);

// A pending stock-take to approve: its number, saved date and time (pd_rq) and warehouse.
struct PendingStockTake {
    QString number;
    QString savedAt;
    QString warehouse;
};
// Approves the stock-takes in their order, each in its own transaction, unless
// getPdMsg refuses it; the refusals' texts are collected in order and answered
// (empty when every one was approved).
QString ApproveStockTakes(const QList<PendingStockTake>& docs);

// updatePdsl: the header's counted and book totals become the sums of its lines.
void UpdateStockTakeTotals(const QString& number);

// The latest approved stock-take of all warehouses (number and pd_rq), empty when none.
struct StockTakeMark {
    QString number;
    QString date;
};
StockTakeMark LatestApprovedStockTake();

// Every document of every warehouse with ledger rows dated after `date`, except
// stock-takes and opening stock, in number order.
QStringList DocsAfterStockTake(const QString& date);

// Whether the bulk cancel reverses documents of the number's prefix (purchase,
// sales, transfer, split, bundle, loss, overflow, customer loans); department,
// production and the other documents are skipped.
bool StockTakeCancelsPrefix(const QString& number);

// Cancels the listed documents of the prefixes above in one transaction with a
// progress display and a busy cursor; the routines ask nothing (AuxTag "kcpd")
// but still refuse with their own messages. Answers how many were cancelled.
int CancelDocsAfterStockTake(const QStringList& numbers, QWidget* parent);

// The closing message of the bulk cancel.
QString StockTakeCancelSummary(int total, int cancelled);
