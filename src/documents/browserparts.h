#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <initializer_list>

class DataGrid;
class DbTree;
class QBoxLayout;
class QLineEdit;
class QMenu;
class QTabWidget;
class QWidget;
class Query;

// The pieces every goods browser builds the same way (the purchase browsers and the
// stock documents' catalogue browsers); each browser keeps the control names of its
// own Part and calls these.

// The two catalogue tabs: "商品清单" with one list, "商品列表" with the category tree
// beside a second list. makeList creates a list grid (parent, object name, dataset).
struct CatalogueTabs {
    QTabWidget* page = nullptr;
    QWidget* tab1 = nullptr;
    QWidget* tab2 = nullptr;
    DataGrid* list1 = nullptr;
    DbTree* tree = nullptr;
    DataGrid* list2 = nullptr;
};
struct CatalogueNames {
    const char* list1;
    const char* tree;
    const char* list2;
    QString list1Source;
    QString treeSource; // the category dataset (gc_key, gc_pid, gc_name)
    QString list2Source;
};
CatalogueTabs BuildCatalogueTabs(QWidget* parent, QBoxLayout* into, const CatalogueNames& names,
    const std::function<DataGrid*(QWidget*, const char*, const QString&)>& makeList);

// The categories below the top (gc_pid<>0) by key, and the first leaf selected.
void OpenGoodsClasses(Query& classes, DbTree* tree);

// The search key's hint: searching as typed, or on Enter when EnterStartsSearch.
QString GoodsSearchHint();
// Filters the list on the typed key (trimmed, upper-cased) over the fields, joined
// by OR; an empty key shows every row.
void FilterGoodsList(DataGrid& list, const QString& typed, std::initializer_list<const char*> fields);
// Wires the key edit: each change filters unless EnterStartsSearch; Enter always runs
// `enter`.
void ConnectSearchKey(
    QLineEdit* key, QWidget* receiver, const std::function<void()>& filter, const std::function<void()>& enter);

// The browsers' keys: Del drops the current pick, F9 changes it, F8 picks (when a
// pick routine is given), F5 confirms. False for any other key.
bool HandleBrowserKey(int key, const std::function<void()>& drop, const std::function<void()>& change,
    const std::function<void()>& pick, const std::function<void()>& confirm);

// Drops one pick (a scratch line) with its colour-by-size rows, in one transaction.
void DeletePick(qint64 pickId);
// Closing a browser that holds picks: Yes saves them, No drops them, Cancel keeps the
// browser open (false).
bool ClosePicksQuery(const QString& question, const std::function<void()>& save, const std::function<void()>& drop);

// A browser's activation: the key emptied without searching and focused, the lists'
// filters dropped.
void ResetGoodsSearch(QLineEdit* key, std::initializer_list<DataGrid*> lists);
// The operator's picks shown in the picked grid (rate above 0), in pick order.
void OpenPickedLines(Query& picked);
// "删除(Del)": asks, then drops the pick of the grid's current row; nothing without picks.
void DropCurrentPick(Query& picked, const DataGrid& grid);
// Moves the picks to the grid's current row; false without picks.
bool ToCurrentPick(Query& picked, const DataGrid& grid);

// A right-click menu shared by the grids: one item per caption, each running its
// routine (the right click has already made the row under the mouse current).
QMenu* AddGridMenu(
    QWidget* owner, std::initializer_list<DataGrid*> grids, const QList<QPair<QString, std::function<void()>>>& items);
// The width of the picked-lines panel: `narrow` while the window is at most 1300
// pixels wide, else half the window width less 100.
int PickedPanelWidth(int windowWidth, int narrow);
