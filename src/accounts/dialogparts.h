#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <initializer_list>

class DataGrid;
class Form;
class PartnerPanel;
class QDateEdit;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

// Pieces the accounts windows and dialogs share.

// A push button that Enter does not press.
QPushButton* MakeAccountsButton(QWidget* parent, const char* name, const QString& caption);
// An amount edit: numbers only, right-aligned.
QLineEdit* MakeAmountEdit(QWidget* parent, const char* name);
// The fields above, `left` (when given) and the buttons at the right below them.
void LayOutDialog(QWidget* dialog, QFormLayout* form, QWidget* left, std::initializer_list<QPushButton*> right);
// F5 confirms, Esc closes the dialog without saving.
void InstallConfirmKeys(Form* dialog, const std::function<void()>& confirm);

// A read-only list grid over a data-module dataset, footer shown.
DataGrid* MakeListGrid(QWidget* parent, const char* name, const QString& dataset);
// The amount display and footer formats on the named columns.
void SetAmountFormats(const QList<QPair<DataGrid*, QString>>& columns);

// The search row of the partner lists: period with presets, the partner edit
// (tKhName1 for customers, tkey for suppliers) with its picker button, the
// number/remark edit (tkey, tkey2) and "查询(F2)".
struct PartnerSearchRow {
    QDateEdit* from;
    QDateEdit* to;
    QToolButton* presets;
    QLineEdit* partner;
    QToolButton* pick;
    QLineEdit* key;
    QPushButton* search;
    QHBoxLayout* layout;
};
PartnerSearchRow MakePartnerSearchRow(
    QWidget* parent, bool customers, const char* fromName, const char* toName, const std::function<void()>& search);

// The keys of a list with the partner picker: while the panel shows it takes them;
// otherwise F2 searches and Esc closes.
bool PartnerListKey(Form* window, PartnerPanel* panel, int key, const std::function<void()>& search);

// The two-page windows: choosing a view runs viewSearch and turning the page runs
// pageSearch, both not while `activating`; the window's FormKeyDown takes the keys.
void WirePagedWindow(Form* window, QTabWidget* pages, std::initializer_list<QRadioButton*> views,
    const bool& activating, const std::function<void()>& viewSearch, const std::function<void()>& pageSearch,
    const std::function<bool(int)>& keyDown);
// Their keys: F2 searches the page in view, Esc closes.
bool PagedWindowKey(Form* window, int key, const std::function<void()>& pageSearch);
// The entry dialogs' keys: F5 confirms, F4 prints, Esc leaves without saving.
bool EntryDialogKey(Form* dialog, int key, const std::function<void()>& confirm, const std::function<void()>& print);
