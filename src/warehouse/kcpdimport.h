#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// The rules of the stock-take's count import (no widgets). A sheet row holds the
// counted quantity in its first cell and the barcode in its second.

// Stages the rows as the operator's scratch rows (jxc_tempspxf), the operator's
// earlier ones discarded first: status "0" with "可顺利导入", or "2" with why the
// row cannot be imported. One transaction. Answers how many rows failed.
int StageStockTakeRows(const std::vector<QStringList>& rows);

// Replaces the operator's lines of the draft by the staged rows of status "0": one
// colour-by-size row per counted barcode whose colour and size are stocked in the
// warehouse (book quantity the sum of its stock rows), one line per goods of those
// rows with a stock row in the warehouse (counted = the sum of its rows), the rows
// linked to their line. The draft moves away from a number another operator holds.
// One transaction; the staged rows are discarded. Answers the number in force.
QString ImportStockTakeLines(const QString& number, const QString& day, const QString& warehouse);

// The closing message of an import.
QString StockTakeImportSummary(int rows, int failed);
