#pragma once
#include "platform/ui/form.h"

#include <QVector>

class DataGrid;
class KeyedCombo;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QStackedWidget;
class Query;

// "导入会员信息": level and method, column mapping, preview and import of members.
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

    Query& Q_Importchk;
    Query& Q_ImportData;
    Query& Q_Import;
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
    void ClearMapping();
    void ReopenMapping();
    void ReopenPreview();
    QString path_;
    QVector<int> sheetRows_;
};
