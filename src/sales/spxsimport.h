#pragma once
#include "platform/ui/form.h"

#include <QStringList>
#include <vector>

class DataGrid;
class QLabel;
class QPushButton;
class QStackedWidget;

// Goods lines of a delivery ("XS") or an order ("XD") read from the first sheet of a
// spreadsheet by position: code, name, price, discount, quantity, batch. Each row is
// staged in the operator's jxc_tempspxf2 with status "0" (importable) or "2" (not)
// and a note; the importable ones become lines of the document, each with one
// colour-by-size row in the goods' first colour and size.
struct SalesImportTarget {
    bool order = false;
    QString number;
    QString date; // "yyyy-MM-dd"
    QString warehouse;
    QString customer; // the delivery's customer, for prices left 0
};

// Stages the rows (the sheet's data rows, title row excluded) in one transaction
// after clearing the operator's earlier ones. Answers the count of rows refused.
int StageSalesImportRows(const std::vector<QStringList>& rows, const SalesImportTarget& target);
// Writes the operator's importable staged rows as lines of the document, in one
// transaction, drawing a new number first when another operator holds the target's
// one (the operator's earlier lines move along); clears the staging. Answers the
// number written under.
QString ImportStagedSalesLines(const SalesImportTarget& target);

class SalesImportForm : public Form {
    Q_OBJECT
public:
    SalesImportForm(bool order, QWidget* parent);
    void FormActivate() override;
    void btnOpenClick();
    void btnNext3Click();
    void btnPrev4Click();
    void btnImportClick();
    void urlExcelClick();

    QStackedWidget* pages;
    QLabel* urlExcel;
    QPushButton* btnOpen;
    QPushButton* btnNext3;
    QPushButton* btnExit3;
    QPushButton* btnPrev4;
    QPushButton* btnImport;
    QPushButton* btnExit4;
    DataGrid* cxGrid4View;

    int ImportRowCount = 0;
    int ImportFailCount = 0;
    int ImportOkCount = 0;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    SalesImportTarget Target() const;
    bool order_;
};

class TF_Spxs_Import : public SalesImportForm {
    Q_OBJECT
public:
    explicit TF_Spxs_Import(QWidget* parent = nullptr) : SalesImportForm(false, parent) { }
};

class TF_Spdd_Import : public SalesImportForm {
    Q_OBJECT
public:
    explicit TF_Spdd_Import(QWidget* parent = nullptr) : SalesImportForm(true, parent) { }
};
