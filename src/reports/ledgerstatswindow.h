#pragma once
#include "listing/listoutput.h"
#include "listing/queryframe.h"
#include "platform/ui/form.h"
#include "reports/ledgerstatistics.h"

#include <QList>
#include <QString>
#include <functional>

class DataGrid;
class KeyedCombo;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class Query;

// When a column of a ledger statistics grid is shown.
enum class ShownWhen { Always, Never, Prices, Discount, Tax, Colors, Cost, Sale, CostAndSale };
enum class ColumnFormat { Text, Amount, Qty, Percent };

struct StatColumn {
    const char* field;
    const char* caption; // "" for a hidden column
    int width = 70;
    ShownWhen shown = ShownWhen::Always;
    ColumnFormat format = ColumnFormat::Text;
    bool sum = false;
};

// Whether a column shows under the rules that hang on the operator's price rights
// and the colour setting alone; Prices, Discount and Tax are the window's to answer.
bool ShownByRights(ShownWhen when);
QPushButton* MakeStatsButton(QWidget* parent, const char* name, const QString& caption);
// A read-only grid on a dataset with the columns, their hidden ones and footer sums.
DataGrid* MakeStatsGrid(QWidget* parent, const char* name, const QString& dataset, const QList<StatColumn>& columns);
// Shows each column as `shown` answers for its rule and sets the amount and
// quantity formats of the columns and their footers.
void ApplyStatColumns(DataGrid& grid, const QList<StatColumn>& columns, const std::function<bool(ShownWhen)>& shown);

// How the category tree narrows the search.
enum class CategoryMatch { None, WithChildren, WithChildrenWhenNamed, Exact };

// One statement or statistics window over the stock ledger: its partners, pickers,
// query, columns, rights, filter items, document view and printed lists.
struct LedgerStatsKind {
    const char* objectName;
    const char* caption;
    PartnerPanel::Side side = PartnerPanel::Side::Customers;
    bool departments = true;
    const char* partnerLabel;
    const char* categoryDataset = nullptr; // Q_GClassA ...; none without a category picker
    CategoryMatch categoryMatch = CategoryMatch::None;
    const char* categoryStartText = nullptr; // nullptr: the edit keeps its last text
    bool warehouseCombo = false;
    bool handlerCombo = false;
    const char* goodsLabel;
    std::function<QString(const LedgerChoice&)> linesSql;
    std::function<QString(const LedgerChoice&)> summarySql; // none: no summary
    const char* summaryDataset = nullptr;
    QList<StatColumn> columns;
    QList<StatColumn> summaryColumns;
    const char* dateField = "gl_kdrq"; // where the count goes; nullptr: label and count in one cell
    bool countInOneCell = false;
    QList<QPair<const char*, const char*>> filterItems;   // caption, kind ("" for all)
    QList<QPair<const char*, const char*>> viewTemplates; // prefix, fixed template ("" for the settings')
    const char* printLines;
    const char* printSummary = nullptr;
    ExportTypes exportTypes = ExportTypes::XlsxOrXls;
    std::function<bool()> prices; // the "Prices" columns and the print button
    const char* taxScope = "xs";
    bool discountOnSale = true; // 折扣 follows ShowSalePrice, else ShowCostPrice
    bool closeQueriesOnExit = true;
};

// The window that one kind describes. Each statistics window is one of these.
class LedgerStatsWindow : public Form {
    Q_OBJECT
public:
    LedgerStatsWindow(const LedgerStatsKind& kind, QWidget* parent = nullptr);

    const LedgerStatsKind& Kind() const { return kind_; }
    static Query& Lines();
    Query* Summary() const;
    // The partner code of the window's side: CurrentCustomerSn or CurrentSupplierSn.
    QString& PickedPartner() const;
    // What the controls ask for now.
    LedgerChoice Choice() const;

    void FormActivate() override;
    void btnSearch2Click();
    void btn_ChaKanClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void btnCopyClick();
    // The data filter's item at index (0 = 所有单据).
    void FilterItemClick(int index);
    bool FormKeyDown(int key);

    QPushButton* btn_ChaKan;
    QToolButton* btn_GuoLv;
    QMenu* PopupMenu_Filter;
    QPushButton* btn_Export;
    QPushButton* btn_Prin;
    QPushButton* btn_Exit;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnMenu;
    QLineEdit* tGhsName;
    QToolButton* btnGhsSele;
    PartnerPanel* partnerPanel;
    QLineEdit* tsplb = nullptr;
    CategoryPanel* categoryPanel = nullptr;
    KeyedCombo* comCk = nullptr;
    KeyedCombo* comUser = nullptr;
    QLineEdit* tKey;
    QPushButton* btnSearch2;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rHzb = nullptr;
    QStackedWidget* views;
    DataGrid* cxGrid1View;           // the lines
    DataGrid* cxGrid2View = nullptr; // the summary
    QMenu* barPopupMenu;

protected:
    void done(int result) override;
    // Variables of the printed list beyond the period and the company.
    virtual ReportVariables PrintVariables(bool summary) const;

private:
    bool SummaryShown() const;
    void ApplyRights();
    const LedgerStatsKind& kind_;
    bool activating_ = false;
};
