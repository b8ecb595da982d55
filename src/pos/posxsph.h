#pragma once
#include "platform/ui/form.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

class CategoryPanel;
class DataGrid;
class KeyedCombo;
class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QWidget;

// ---- the till's sales ranked ----
// From the stock ledger rows that the till's sales and returns posted (kinds "xs"
// and "xt" of fdmc "99"): quantity, amount, gross profit and its rate in percent
// (0 when the amount comes to 0).

// Per goods, by code; `key` in the code, name or short code.
QString PosGoodsRankingSql(const QDate& from, const QDate& to, const QString& key);
// Per cashier that still has an operator row, highest rate first; `cashier` a
// containment test ("" for all).
QString PosCashierRankingSql(const QDate& from, const QDate& to, const QString& cashier);
// Per category whose code begins with `code` (the category and all below it, each
// its own row; "" for all), highest rate first.
QString PosCategoryRankingSql(const QDate& from, const QDate& to, const QString& code);

// The chart contents in the order of "显示内容：", and the field each one draws.
QStringList RankingChartContents();
QString RankingChartField(int content);

// A chart of one value per named point, each point its own colour and labelled with
// its value; bars under an axis titled `content`, or a pie with the names in its legend.
enum class RankingChartKind { Bars, Pie };
QChart* MakeRankingChart(
    const QStringList& names, const QList<double>& values, const QString& content, RankingChartKind kind);

// "POS 销售排行": goods, cashiers and categories, each as a table or a chart.
class TF_Posxs_Ph : public Form {
    Q_OBJECT
public:
    explicit TF_Posxs_Ph(QWidget* parent = nullptr);
    ~TF_Posxs_Ph() override;

    enum Tab { Goods = 0, Cashiers = 1, Categories = 2 };
    // The pieces each tab has of its own.
    struct Page {
        QWidget* tab = nullptr;
        QDateEdit* tdate1 = nullptr;
        QDateEdit* tdate2 = nullptr;
        QToolButton* btnDate = nullptr;
        QPushButton* btnSearch = nullptr;
        QPushButton* btnPrin = nullptr;
        QPushButton* btnExport = nullptr;
        QPushButton* btnExit = nullptr;
        QTabWidget* cxView = nullptr; // "表格显示", "图形显示"
        QWidget* tableTab = nullptr;
        QWidget* chartTab = nullptr;
        DataGrid* cxGridView = nullptr;
        QChartView* DBChart = nullptr;
        QComboBox* comNr = nullptr;
        QRadioButton* rbBar = nullptr;
        QRadioButton* rbPie = nullptr;
    };

    void FormActivate() override;
    // F2, "查询", the quick dates and the category choice.
    void btnSearchClick(int tab);
    void btnPrinClick(int tab);
    void btnExportClick(int tab);
    // Draws the tab's chart from its query (an empty chart when it has no rows).
    void DrawChart(int tab);
    // Switching to the cashier or category tab starts it afresh.
    void cxPageChange();
    int ActiveTab() const;

    QTabWidget* cxPage;
    Page pages[3];
    QLineEdit* tkey;      // goods
    KeyedCombo* comAdmin; // cashiers
    QLineEdit* tsplb;     // categories
    CategoryPanel* RzPanel_GClass;
    QWidget* lnote;

private:
    void buildPage(int tab, const QString& caption, QWidget* filter, const QString& filterCaption,
        std::initializer_list<std::pair<const char*, const char*>> columns);
    void resetPage(int tab);
    bool activating_ = false;
};

extern TF_Posxs_Ph* F_Posxs_Ph;
