#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QBoxLayout;
class QPushButton;
class QWidget;

// Small pieces the stock report windows share.

QPushButton* ReportButton(QWidget* parent, const char* name, const QString& caption);
QCheckBox* ReportCheck(QWidget* parent, const char* name, const QString& caption);
// A line of the dialog's form: the label, then the field taking the rest.
void AddLabelledRow(QBoxLayout& form, QWidget* parent, const QString& label, QWidget* field);

// Every warehouse after "所有仓库" (-1); a bound operator who is no administrator
// sees only his warehouses, still after "所有仓库". The first item selected.
void FillReportWarehouses(KeyedCombo& combo);
// The warehouse chosen, empty for "所有仓库".
QString ChosenWarehouse(const KeyedCombo& combo);

// The banded views' display and footer formats of the settings.
void SetBandedQtyColumns(DataGrid& grid, const QStringList& fields);
void SetBandedAmountColumns(DataGrid& grid, const QStringList& fields);

// The warehouses an operator may see, without the "所有仓库" item.
void FillOwnWarehouses(KeyedCombo& combo);

// The code of the category the tree over the dataset stands on; empty for the top.
QString CurrentCategoryCode(const QString& dataset);

// A row of buttons, then space.
class QHBoxLayout;
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

// The filter bar of the summary and the detail: the period with its presets, the
// category (with its panel over Q_GClass6) and goods text, the warehouse,
// "精确查询" and the search button. The windows derive from it, so that the controls
// keep their names; a window puts its own check boxes before the search button.
class CategoryPanel;
class DataGrid;
class QDateEdit;
class QLineEdit;
class QToolButton;
struct LedgerFilter;
struct LedgerFilterBar {
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnMenu = nullptr;
    QLineEdit* tsplb = nullptr;
    QLineEdit* tkey = nullptr;
    KeyedCombo* comCk = nullptr;
    QCheckBox* chkJq = nullptr;
    QPushButton* btnSearch1 = nullptr;
    CategoryPanel* categories = nullptr;

    // Builds the controls on the window; `search` runs on the button and the presets.
    void MakeFilterBar(QWidget* window, const QString& dateLabel, const std::function<void()>& search);
    void AddBeforeSearch(QWidget* widget) const;
    // The window's layout: its buttons, this bar, its grid; then the category panel.
    void LayOut(QWidget* window, QHBoxLayout* tools, DataGrid* grid, const std::function<void()>& search);
    // At each activation: no category or text, not exact, this month, the first
    // warehouse, the top category.
    void ResetFilters();
    // The filters as they stand.
    void ReadFilters(LedgerFilter& f) const;

private:
    QHBoxLayout* bar_ = nullptr;
};

// F2 searches, Esc closes; false for any other key.
class QDialog;
bool SearchOrCloseKey(QDialog& window, int key, const std::function<void()>& search);
