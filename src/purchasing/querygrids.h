#pragma once
#include "listing/gridformats.h"

#include <QStringList>
#include <functional>
#include <initializer_list>

class DataGrid;
class QBoxLayout;
class QComboBox;
class QDateEdit;
class QToolButton;
class QLabel;
class QLineEdit;
class Query;
class QWidget;

// The grids of the purchase query views (the goods-in window's query tab and the
// goods-in and return query), alike in their columns and footers.

// The stock-ledger row columns of the line grids and detail views, with their footer.
void AddLedgerColumns(DataGrid* grid);
// The document-view columns (单据号 ... 备注 over djh, rq, yfje, wfje, hkje, ...), with
// the freight payer after the packing fee when `withPayer`, and their footer.
void AddDocumentColumns(DataGrid* grid, bool withPayer);
// The goods-summary columns (商品编号 ... 备注 over g_sn, sl, je, taxje, zje, ...).
void AddGoodsSummaryColumns(DataGrid* grid);
// The search row of the pending tabs: a caption and its text field, and "日期排列："
// with its order combo ("顺序", "倒序").
QLineEdit* AddSearchEdit(QWidget* tab, QBoxLayout* row, const char* caption, const char* name);
QComboBox* AddSortCombo(QWidget* tab, QBoxLayout* row);
// The stock-ledger rows of the document selected in a document view (its "djh"),
// with the label showing the number, the separator and the supplier; closed and
// cleared when the view is empty.
void OpenDocumentLedger(Query& documents, Query& rows, QLabel* label, const QString& separator);
// "取消审核" of a query tab: outside the document view the refusal is shown; otherwise
// the cancel routine runs on the selected document ("djh"). True when it cancelled
// (UnapproveResult "ok").
bool CancelSelectedApproval(
    bool documentView, const QString& refusal, Query& documents, void (*cancel)(const QString& number));
// "查询时间：" with the query tabs' date pickers (tdate1 至 tdate2) and their preset
// button (btnMenu), whose items run `search`.
QToolButton* AddPeriodPickers(
    QWidget* tab, QBoxLayout* row, QDateEdit*& from, QDateEdit*& to, const std::function<void()>& search);
