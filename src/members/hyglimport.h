#pragma once
#include "masterdata/sheetimport.h"
#include "members/memberimport.h"
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QStackedWidget;
class Query;

// "导入会员信息": level and method, column mapping, preview and import of members,
// through the spreadsheet import mechanism of the master data.
class TF_Hygl_Import : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Import(QWidget* parent = nullptr);
    void FormActivate() override;
    bool FormCloseQuery() override;

    // Panel 1.
    void btnNext1Click();
    // Panel 2.
    void btnOpenClick();
    // Reads the chosen file's headings into the mapping.
    void OpenFile(const QString& path);
    void lblTemplateClick();
    // The tick of a mapping row: unticking empties its member column.
    void MappingTickClick(int row);
    void btnNext2Click();
    void btnPrior2Click();
    // Panel 3.
    void chkAllClick();
    void btnImportClick();
    void btnPrior3Click();
    void btnCancelClick();

    QStackedWidget* panels = nullptr;
    KeyedCombo* comHyfl = nullptr;
    KeyedCombo* comHyyh = nullptr;
    QGroupBox* grpFields = nullptr;
    DataGrid* cxGridFields = nullptr;
    QCheckBox* chkAuto = nullptr;
    QPushButton* btnNext2 = nullptr;
    QGroupBox* grpData = nullptr;
    DataGrid* cxGridData = nullptr;
    QCheckBox* chkAll = nullptr;
    QCheckBox* chkUnique = nullptr;
    QPushButton* btnImport = nullptr;

private:
    SheetImport import_;
    MemberImportOptions options_;
    MemberNumbers numbers_;
    QString firstCard_;
};
