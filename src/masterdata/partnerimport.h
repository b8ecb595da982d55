#pragma once
#include "masterdata/partnerops.h"
#include "masterdata/sheetimport.h"
#include "platform/ui/form.h"

class DataGrid;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QStackedWidget;

// Checks and writes one customer or supplier row of an import: "" when written, else
// the failure text. defaultTypeName: the name of customer type "1000".
QString ImportPartnerRow(PartnerKind kind, const ImportRow& row, const QString& defaultTypeName);

// "导入客户数据" / "导入供货商信息": partners from a spreadsheet with named columns.
class PartnerImportForm : public Form {
    Q_OBJECT
public:
    PartnerImportForm(PartnerKind kind, QWidget* parent);
    ~PartnerImportForm() override;
    void FormActivate() override;

    void btnOpenClick();
    // 下一步: stages the rows and shows the rows panel.
    void btnNextClick();
    void btnPriorClick();
    void chkAllClick();
    void btnImportClick();
    void btnExportClick();
    void urlExcelClick();
    void FormClose();

    PartnerKind kind;
    SheetImport import;
    QStackedWidget* pages = nullptr;
    QGroupBox* gbMapping = nullptr;
    QGroupBox* gbRows = nullptr;
    DataGrid* cxGrid3 = nullptr;
    DataGrid* cxGrid4 = nullptr;
    QPushButton* btnOpen = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnImport = nullptr;
    QCheckBox* chkAll = nullptr;

private:
    QString defaultType_;
};

class TF_Khgl_Import : public PartnerImportForm {
    Q_OBJECT
public:
    explicit TF_Khgl_Import(QWidget* parent = nullptr) : PartnerImportForm(PartnerKind::Customer, parent) { }
};

class TF_Ghsgl_Import : public PartnerImportForm {
    Q_OBJECT
public:
    explicit TF_Ghsgl_Import(QWidget* parent = nullptr) : PartnerImportForm(PartnerKind::Supplier, parent) { }
};
