#pragma once
#include "warehouse/stockkind.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <functional>

class Query;

// The plain routines behind the stock-document windows (no widgets): saving a
// draft, approving, the transfer's barcode entry, a pending document's date
// change and the copy of the browser's picks into a document. Draft rows are the
// operator's (a_name) rows under the window's number; every number redraw goes
// through the document mechanics (documents/docdrafts.h), which move the
// operator's rows along.

// The outcome of a save: the number the document was saved under, whether it was
// approved, and the approval hook's refusal when it kept the document pending.
struct StockSaveResult {
    QString number;
    bool approved = false;
    QString refusal;
};

// Saves the operator's draft under the number in one transaction: away from a
// number that another operator holds or a saved header carries, the header appended
// pending (date = day + the clock's "HH:mm", note in full-width characters) with the
// kind's header values, then approved when ApproveOnSaveSet() and the approval hook
// answers "ok", else the pending save logged with the number of lines.
StockSaveResult SaveStockDocument(const StockKind& kind, const QString& number, const QString& day,
    const QString& handler, const QString& note, const QList<QPair<QString, QVariant>>& headerValues);

// Approves a pending document with the kind's posting in one transaction; an
// approved number is left as it is. Answers true when it approved.
bool ApproveStockDocument(const StockKind& kind, const QString& number);

// "审核全部" of a stock document's pending list: asks first (No stops, false), then
// takes the listed documents in their order, each through CheckApproveAllowed (a
// refusal is shown and the document skipped) and then `approve`.
bool ApproveStockPendingList(
    Query& list, const QString& dateColumn, const std::function<void(const QString& number)>& approve);

// Deletes a draft line with its colour-by-size rows.
void DeleteDraftLine(const StockKind& kind, qint64 lineId);

// The operator's draft lines under the number.
int DraftLineCount(const StockKind& kind, const QString& number);

// ---- barcode entry ----
// The goods, size and colour of a barcode. A barcode of no goods is refused ("没有找到
// 与该条码匹配的商品，请检查！", found false); with `noRepeatLines` named, a goods that
// already has a line of anyone's under the number in that table is refused too.
struct ScannedBarcode {
    bool found = false;
    QString goods, size, color;
    QString refusal;
};
ScannedBarcode LookUpBarcode(const QString& code, const QString& noRepeatLines, const QString& number);

// ---- barcode entry of a transfer ----
struct TransferScanInput {
    QString code;         // as typed; the part before a full-width comma counts
    QString number;       // the draft number shown
    QString outWarehouse; // the out-warehouse's code
    QString day;          // entry day "yyyy-MM-dd"
    bool noRepeat = false;
};
struct TransferScanResult {
    QString message;   // a refusal to show; empty when a line was written
    QString number;    // the number in force afterwards
    QString code;      // the code as it stands in the edit afterwards
    qint64 lineId = 0; // the line that took the scan
};
// One scan in one transaction: the barcode's goods, colour and size; the repeat
// refusal; the out-warehouse's colour-by-size stock unless zero-stock moves are
// allowed; a number another operator holds redrawn (the operator's rows move); a
// new line of quantity 1 at the kind's price, or with ScanAccumulates one more on
// the operator's line of the goods barcode; and a colour-by-size row of 1.
TransferScanResult ScanTransferBarcode(const TransferScanInput& in);

// ---- date change of a pending document ----
// Moves a pending document to a new number and day and sets its note; the header
// keeps its time of day. The number is redrawn on the line table when another
// operator holds it. One transaction. Answers the number in force.
QString ChangeStockDocDate(
    const StockKind& kind, const QString& oldNumber, const QString& newNumber, const QString& day, const QString& note);

// ---- browser picks ----
// Copies the operator's picks (jxc_tempspxf, in pick order) into lines of the
// number with their colour-by-size rows; each line's tid becomes its own id. The
// transfer's columns: quantity ts_sl, price ts_dj, amount ts_zje, sale price ts_dzl.
// The caller owns the transaction. Answers how many lines were written.
int CopyPicksToTransfer(const QString& number);
