#pragma once
#include "masterdata/positionalimport.h"
#include "platform/ui/form.h"

#include <QString>

struct DocKind;
class DataGrid;
class QGroupBox;
class QPushButton;
class QStackedWidget;

// Plain routines of the purchase line import (no widgets). Each sheet row holds a
// quantity and a barcode, in that order; it becomes one of the operator's scratch
// rows (jxc_tempspxf) with status 0 (importable) or 2 (refused) and its message.

// Stages the rows in place of the operator's earlier ones; answers how many were refused.
int StagePurchaseImportRows(const PositionalRows& rows);
// Writes the operator's importable scratch rows as draft lines of the kind under the
// number (redrawn first when another operator holds it, the operator's lines moved
// along), each with its colour-by-size row from its barcode, and clears the scratch
// rows. Answers the number in force.
QString ImportStagedPurchaseLines(const DocKind& kind, const QString& number, const QString& date);

// "采购单据导入": lines for the goods-in (TF_Cgjh_Import) or the order (TF_Cgd_Import)
// being entered, read from a spreadsheet in two steps: reading and staging, then
// review and import.
class TF_Cgjh_Import : public Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_Import(QWidget* parent = nullptr);
    ~TF_Cgjh_Import() override;

    void FormActivate() override;
    void btnOpenClick();
    void btnNextClick();
    void btnPriorClick();
    void btnImportClick();
    void urlExcelClick();
    void FormClose();

    // Reads and stages the rows of a workbook already chosen (btnOpenClick after the
    // file dialog).
    bool ReadFile(const QString& path);

    int rowCount = 0;
    int failedCount = 0;
    int importedCount = 0;

    QStackedWidget* pages = nullptr;
    QGroupBox* gbFirst = nullptr;
    QGroupBox* gbGrid = nullptr;
    DataGrid* cxGrid1 = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnImport = nullptr;

protected:
    TF_Cgjh_Import(const DocKind& kind, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    const DocKind& kind_;
    bool order_ = false;
};

class TF_Cgd_Import : public TF_Cgjh_Import {
    Q_OBJECT
public:
    explicit TF_Cgd_Import(QWidget* parent = nullptr);
};
