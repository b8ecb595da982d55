#pragma once
#include "documents/dockind.h"
#include "documents/entrytab.h"
#include "masterdata/detail.h"

#include <QString>

class QDateEdit;
class QLabel;
class QWidget;
class QLineEdit;
class Query;

// What the entry and pending tabs of the goods-in and order windows do alike with
// the current line of their lines lists.

// "新商品添加(F9)": a goods created in the goods card, then its line in the dialog.
void AddNewGoodsLine(const QString& dialog);

// Enter in the barcode field of the goods-in and order windows: the scanned goods'
// line under the number shown (redrawn when another operator holds it). True when a
// line was added; an unknown code keeps the field, a refused repeat empties it.
bool ScanIntoDraft(const DocKind& kind, QLineEdit* field, QLabel* number, const QString& date, bool refuseRepeat);

// A fresh goods-in or order on the entry tab: the default supplier, both amounts 0,
// no remark and the supplier panels hidden; the date today unless the settings keep
// the last one, and the kind's next number for that date.
struct PurchaseEntryFields {
    QLineEdit* supplier;
    QLineEdit* payable;
    QLineEdit* paid;
    QLineEdit* note;
    QWidget* chooser;
    QWidget* picker;
    QDateEdit* date;
    QLabel* number;
};
void ResetPurchaseEntry(const DocKind& kind, const PurchaseEntryFields& fields);

// Opens the colour-by-size dialog on the current pending line ("修改商品") and puts
// the list back on it afterwards; nothing on an empty list.
void ModifyPendingLine(Query& lines, const QString& dialog);

// The pending documents of a goods-in or order header table: the supplier text and
// the key (both made safe here) as their search fields take them; dates ascending or
// descending.
QString PendingPurchaseListSql(
    const QString& headerTable, const QString& supplier, const QString& key, bool descending);
