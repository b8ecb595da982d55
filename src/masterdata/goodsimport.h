#pragma once
#include "masterdata/sheetimport.h"
#include "platform/ui/form.h"

class DataGrid;
class DbTree;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidgetItem;

// The rules of one goods import run, apart from the window: the run's category, the
// numbering and the checks and writes of each row.
class GoodsImportRun {
public:
    // The run's category; an empty code means each row names its own.
    QString categorySn;
    QString categoryCid;
    bool perRow = false;
    bool autoNumber = true;
    bool uniqueNames = false;

    void SetCategory(const QString& sn, const QString& cid);
    // The preview code of a sheet row with 自动编号 (consecutive from the category's next).
    QString PreviewCode(int sheetRow) const;
    // Readies the preview of a staging.
    void BeginStaging();
    QString DisplayText(const ImportRow& row, int sheetRow) const;
    // Before the walk: default supplier and current code.
    void BeginPass();
    // The walk ends at the first row without a name.
    static bool EndsPass(const ImportRow& row);
    // "" when written, else the failure text.
    QString ImportRowCells(const ImportRow& row);

private:
    // GetNextGoodsSn of the run's category, remembered through the pass.
    QString NextGoodsSn();

    QString knownNext_;
    QString knownNextCid_;
    QString previewBase_;
    QString defaultSupplier_;
    QString currentCode_;
};

// "导入商品信息": goods from a spreadsheet with named columns, into one category or
// into the category each row names.
class TF_Spxxgl_Import : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl_Import(QWidget* parent = nullptr);
    ~TF_Spxxgl_Import() override;
    void FormActivate() override;

    // 准备开始: the category step.
    void btnStartClick();
    void tvClassClick(QTreeWidgetItem* node);
    // 下一步 of the category step: the mapping step, emptied.
    void btnNext1Click();
    void btnOpenClick();
    // The same for a workbook already chosen.
    void OpenWorkbook(const QString& path);
    // 下一步 of the mapping step: stages the rows.
    void btnNext2Click();
    void btnPriorClick();
    void chkAllClick();
    void btnImportClick();
    void urlExcelClick();
    void FormClose();

    GoodsImportRun run;
    SheetImport import;
    QStackedWidget* pages = nullptr;
    QGroupBox* gbNotes = nullptr;
    QGroupBox* gbClass = nullptr;
    QGroupBox* gbMapping = nullptr;
    QGroupBox* gbRows = nullptr;
    DbTree* tvClass = nullptr;
    QLabel* lblClass = nullptr;
    DataGrid* cxGrid3 = nullptr;
    DataGrid* cxGrid4 = nullptr;
    QPushButton* btnNext1 = nullptr;
    QPushButton* btnNext2 = nullptr;
    QPushButton* btnImport = nullptr;
    QCheckBox* chkAutoSn = nullptr;
    QCheckBox* chkNameUnique = nullptr;
    QCheckBox* chkAll = nullptr;

private:
    void WorkbookOpened();
};
