#pragma once
#include "warehouse/stockkind.h"

#include <QString>
#include <functional>
#include <initializer_list>

class DataGrid;
class KeyedCombo;
class Query;
class QDateEdit;
class QRadioButton;
class QWidget;
class Report;

// What the stock-document windows' tabs do alike around a grid and its query:
// positioning, the colour-by-size detail of a line, changing and deleting a
// pending line, the pending date change and the document print. Each window's
// handlers call these with their own controls and kind.

// Positions the query on the grid's current row; false when the query has no row.
bool AtGridRow(Query& q, const DataGrid* grid);

// The number (gl_djh) of the grid's current row, or of the first row when none is
// current; empty for a closed or empty list.
QString GridRowNumber(const Query& q, const DataGrid* grid);

// Requeries the list and puts the grid on the number's row (when one is given and
// still listed).
void RequeryOnNumber(Query& q, DataGrid* grid, const QString& number);

// Document actions work on the list of documents only: false, after the message,
// while another view is shown.
bool OnStockDocList(const QRadioButton* docList, const QString& refusal = QStringLiteral("该操作只能在“单据表”进行。"));

// Exports what the grid shows, when it shows rows.
void ExportShownGrid(const DataGrid* grid);

// 新增商品 of a pending document: the kind's goods browser with the pending tag active.
void AddPendingStockLines(const QString& browser, const StockKind& kind);

// The handler picker (TF_User2) for the handler combo registered under the tag.
void PickStockHandler(const QString& tag);

// The entry date of a window that confirms a day after today once: `answer` is the
// window's FutureDateAnswer ("1" declined, "2" accepted, "0" not asked yet). A
// declined day puts today back.
void ConfirmEntryDateChange(QDateEdit* date, QString& answer);

// "查看详细数量": the colour-by-size rows of the current line (TF_Detail) in the
// kind's detail table; nothing for a line without tid.
void ShowStockLineDetail(Query& lines, const DataGrid* grid, const QString& detailTable);

// 删除 of a draft line: after the question, the line under the grid's current row
// goes with its colour-by-size rows. Answers whether it went.
bool DeleteStockDraftLine(Query& lines, const DataGrid* grid, const StockKind& kind);

// A line dialog opened on one goods: OpenMode and SelectedSn hand the line over
// and are cleared when the dialog closes.
void OpenStockLineDialog(const QString& dialog, const QString& openMode, const QString& goods);

// 修改商品 of a pending line: the kind's colour-by-size dialog in `openMode` with
// the pending tag active, then the lines requeried on the same line.
void ModifyPendingStockLine(Query& lines, DataGrid* grid, const QString& dialog, const QString& openMode,
    const QString& pendingTag, const QString& tag);

// 删除商品 of a pending line after the question; answers true when the line was the
// document's last and the document went with it.
bool DeletePendingStockLine(Query& lines, const DataGrid* grid, const DocKind& kind, const QString& number);

// 更改日期 of a pending document: the date dialog filled with the document's day and
// note, then the move. Answers the number in force afterwards (empty: unchanged).
QString ChangePendingStockDate(
    QWidget* parent, const StockKind& kind, const QString& number, const QString& dateText, const QString& note);

// Loads the kind's document template with the colour-by-size print data of the
// number bound as "frxDBDataset1"; a stored document also gets its variables from
// its own rows. Answers false then, true when the window is to set the variables
// of the document under entry.
bool LoadStockDocPrint(Report& report, const StockKind& kind, const QString& number, bool stored);

// The document print: a preview, or the printer dialog (`returningFromPrint` set to
// "1" first, as the window's activation expects) and the print; `fill` loads the
// template and binds the print data, which is closed afterwards.
void RunDocumentPrint(bool preview, QString& returningFromPrint, const std::function<void(Report&)>& fill);

// The entry date changed to `day` ("yyyy-MM-dd"): a day after today is confirmed
// first. Answers false when the operator declined it (the window puts today back).
bool ConfirmEntryDay(const QString& day);

// The operator whose warehouses bind the stock lists (empty when operators are not
// bound to warehouses, or for the administrator role).
QString StockBoundOperator();

// The warehouse combos of a stock window: the entry combo without a first item, the
// list filters with "所有仓库" first and at it; a bound operator gets only his own
// warehouses and no first item.
void FillStockWarehouseCombos(KeyedCombo& entry, std::initializer_list<KeyedCombo*> filters);
