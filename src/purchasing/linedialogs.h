#pragma once
#include "documents/dockind.h"
#include "masterdata/detail.h"

#include <QString>

class Query;

// What the entry and pending tabs of the goods-in and order windows do alike with
// the current line of their lines lists.

// "修改": the colour-by-size dialog on the current draft line, OpenMode as given.
void ModifyDraftLine(Query& lines, const QString& openMode, const QString& dialog);
// "新商品添加(F9)": a goods created in the goods card, then its line in the dialog.
void AddNewGoodsLine(const QString& dialog);
// "删除": asks, then deletes the current colour-by-size row of a draft line (the
// line with its last row). False when the list is empty or the answer is No.
bool DeleteDraftRow(const DocKind& kind, Query& lines);

// Opens the colour-by-size dialog on the current pending line ("修改商品") and puts
// the list back on it afterwards; nothing on an empty list.
void ModifyPendingLine(Query& lines, const QString& dialog);

// The entry grid of a goods-in or an order: the operator's lines under the number,
// one row per colour-by-size row, with the goods' own columns first (the line's unit
// column is empty for entered lines and would hide the goods' unit).
void OpenPurchaseDraftLines(Query& lines, const DocKind& kind, const QString& number);
// The pending documents of a goods-in or order header table: the supplier text and
// the key (both made safe here) as their search fields take them; dates ascending or
// descending.
QString PendingPurchaseListSql(
    const QString& headerTable, const QString& supplier, const QString& key, bool descending);
