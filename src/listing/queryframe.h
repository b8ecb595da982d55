#pragma once
#include "listing/listoutput.h"

#include <QDate>
#include <QFrame>
#include <QString>
#include <QStringList>
#include <functional>

class DataGrid;
class DbTree;
class KeyedCombo;
class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class Query;

// The query frame of the list, ledger and statistics windows: a period with its
// presets, partner and category pickers, goods text, warehouse choice, a data filter
// over the rows already loaded, the record count, the grid's pop-up, its layout,
// export and the printed list. Each window owns the pieces it shows and keeps its
// own handler names; the handlers call these.

// ---- period ----

enum class DatePreset { Today, Yesterday, DayBefore, LastSevenDays, LastMonth, ThisMonth, PreviousMonth, AllTime };

struct Period {
    QDate from;
    QDate to;
};
Period PresetPeriod(DatePreset preset, const QDate& today);
// The first day of this month through today: where the windows start.
Period CurrentMonth(const QDate& today);

// "col>='from' and col<'next day'": a period ending on day E includes all of E,
// whatever time of day a row carries.
QString PeriodCondition(const QString& column, const QDate& from, const QDate& to);
// Its upper half alone: "col<'next day'".
QString PeriodEndCondition(const QString& column, const QDate& to);

// A date picker in the frame's form "yyyy-MM-dd".
QDateEdit* MakeDateEdit(QWidget* parent, const char* name);
void SetPeriod(QDateEdit* from, QDateEdit* to, const Period& period);

// The small button beside a pair of pickers and its menu PopupMenu_Date: each item
// sets the pair and runs `search`. Windows with pages give each page its own
// button, so a preset reaches only the pickers of the page it stands on.
QToolButton* MakePresetButton(QWidget* parent, QDateEdit* from, QDateEdit* to, const std::function<void()>& search);
// What one item does (btnT1Click ... btnAllTimeClick call it).
void ApplyPreset(DatePreset preset, QDateEdit* from, QDateEdit* to, const std::function<void()>& search);

// ---- partner picker ----

// The hidden panel over the customer list (Q_Khxx) or the supplier list (Q_Ghsxx):
// typing in the partner edit opens it and narrows its rows; taking a row puts its code
// into the program-wide partner code and its name into the edit.
class PartnerPanel : public QFrame {
    Q_OBJECT
public:
    enum class Side { Customers, Suppliers };
    // code: CurrentCustomerSn or CurrentSupplierSn; search runs after a row is taken.
    PartnerPanel(QWidget* parent, Side side, QLineEdit* edit, QString& code, std::function<void()> search);

    Side GetSide() const { return side_; }
    DataGrid* Grid() const { return grid_; }
    // btnGhsSeleClick: shows the panel with every row.
    void Open();
    // The edit's KeyUp: shows the panel narrowed to the trimmed text.
    void EditKeyUp();
    // "确定(F5)", a double-click: takes the current row.
    void Confirm();
    // "退出(Esc)".
    void Exit();
    // Empties the edit and the code and hides the panel (activation).
    void Reset();
    // The code a search filters by: none while the edit is blank, else the last
    // confirmed code, whatever the edit holds now.
    QString SearchCode() const;
    // The panel-aware keys while the panel shows: Esc hides it and F5 confirms it; no
    // other key acts on the window, but it still reaches the control that has the
    // focus, so typing in the partner edit goes on.
    enum class KeyUse { PanelHidden, Used, LeftToControl };
    KeyUse HandleKey(int key);
    // Whether typing in the edit opens the panel (on by default); with it off the
    // panel opens only through Open().
    void SetOpensOnTyping(bool on);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPushButton* btnOK;
    QPushButton* btnExit;

private:
    Side side_;
    QLineEdit* edit_;
    QString& code_;
    std::function<void()> search_;
    DataGrid* grid_;
};

// The customer or supplier list together with the departments, keyed "d" + de_sn,
// for windows that cover requisitions and production with the partners.
void OpenPartnersWithDepartments(PartnerPanel::Side side);

// ---- category picker ----

// The hidden panel with the category tree over one of the category queries
// (Q_GClassA ...). The search takes the tree's current node, also after "退出".
class CategoryPanel : public QFrame {
    Q_OBJECT
public:
    CategoryPanel(QWidget* parent, const QString& dataset, QLineEdit* edit, std::function<void()> search);

    DbTree* Tree() const { return tree_; }
    // Opens the category query and makes the first leaf's branch visible, then selects
    // the top node, so the first search covers every category.
    void Prepare();
    void Open();
    void Confirm(); // btnOk2, a double-click
    void Exit();    // btnExit2
    // "alias.gc_sn like 'code%'"; the top node has an empty code and matches all.
    QString Condition(const QString& alias) const;
    // gc_sn of the tree's current node; empty for the top node.
    QString Code() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPushButton* btnOk2;
    QPushButton* btnExit2;

private:
    QString dataset_;
    QLineEdit* edit_;
    std::function<void()> search_;
    DbTree* tree_;
};

// ---- goods text, warehouse ----

// Whether the goods text edit refuses the character (! " % & ' , = ? @ [ \ ] ^).
bool IsRefusedGoodsChar(QChar c);
// Makes the edit drop the refused characters as they are typed.
void InstallGoodsTextFilter(QLineEdit* edit);
// "(c1 like '%t%' or c2 like '%t%')" with the trimmed text made safe; an empty text
// gives "%%".
QString GoodsTextCondition(const QString& text, const QStringList& columns);

// The warehouse combo: every warehouse after "所有仓库" (-1), or only the operator's
// warehouses when he is bound and not an administrator; the first item selected.
void FillWarehouseChoice(KeyedCombo& combo);
// " and alias.ck_sn='key'", nothing for "-1".
QString WarehouseChoiceCondition(const KeyedCombo& combo, const QString& alias);
// " and alias.ck_asn like '%code%'" while the operator is bound to warehouses.
QString WarehouseBindingCondition(const QString& alias);

// ---- grid ----

// The data filter: the rows whose field matches any of the patterns; none shows
// every row ("所有单据"). Acts on the loaded rows only.
void ApplyDataFilter(DataGrid& grid, const QString& field, const QStringList& patterns);

// "记录数：" + count in one cell, or the label in one column and the count in another.
void SetRecordCount(DataGrid& grid, int column);
void SetRecordCount(DataGrid& grid, int labelColumn, int countColumn);

// The current row's gl_djh to the clipboard; nothing on an empty grid.
void CopyDocNo(const DataGrid& grid);
// Adds "复制单据号(&Z)" to the menu.
QAction* AddCopyDocNoItem(QMenu* menu, DataGrid* grid);
// The layout item: "定义列表布局(&B)" until the hint was confirmed, then
// "保存当前列表布局(&B)"; its caption follows each time the menu opens.
QAction* AddLayoutItem(QMenu* menu, DataGrid* grid, const QString& layoutName);
void LayoutItemClick(DataGrid* grid, const QString& layoutName);
// Pops the menu up at the point when the grid holds rows.
void PopupWhenRows(QMenu* menu, const DataGrid& grid, const QPoint& at);

// ---- output ----

enum class ExportRows { Always, OnlyWithRows };
enum class ExportTypes { XlsxOrXls, XlsOnly };
bool ExportList(const DataGrid& grid, ExportRows rows = ExportRows::Always, ExportTypes types = ExportTypes::XlsxOrXls);

// The printed list: the template report/<name>.fr3 with the dataset of that name on
// the query as last searched (the data filter narrows the grid, not the print),
// "date1" and "date2", the company variables and the window's own.
void PrintSearchedList(
    const QString& name, Query& rows, const QDate& from, const QDate& to, const ReportVariables& extra = {});

// The document behind a row, shown by the caller's routine (a preview).
using ViewDocumentFn = std::function<void(const QString& number)>;
