#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;

// "数据结算": the summaries of past settlements and a new settlement up to a chosen day.
class TF_Nzjs : public Form {
    Q_OBJECT
public:
    explicit TF_Nzjs(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();
    void dateCgChange();
    void btn_OKClick();
    void btn_ExportClick();
    void btn_DeleClick();
    void OpenList();

    QDateEdit* dateCg;
    QCheckBox* chkBackup;
    QLabel* ldate;
    QPushButton* btn_Exit;
    QPushButton* btn_OK;
    QPushButton* btn_Export;
    QPushButton* btn_Dele;
    DataGrid* cxGrid1View;

protected:
    void done(int result) override;
};
