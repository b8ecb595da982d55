#pragma once
#include "masterdata/namedlistwindow.h"

class DataGrid;
class QLineEdit;
class QPushButton;
class Query;

// "客户类型": the six price grades; only their names change. "确定" hands the focused
// type to the customer dialog named by PickerCaller.
class TF_Khgl_Type : public Form {
    Q_OBJECT
public:
    explicit TF_Khgl_Type(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnModiClick();
    void btnOKClick();
    void btnExitClick();

    Query& Q_Khtype;
    DataGrid* cxGrid = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
};

// "客户类型修改": renames the type at the current row of Q_Khtype.
class TF_Khgl_Type_Sele : public Form {
    Q_OBJECT
public:
    explicit TF_Khgl_Type_Sele(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();

    QLineEdit* tname = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;
};

// "基本资料设置" with the tab "供货商类型设置". "退出" hands the focused type to the
// supplier dialog named by PickerCaller; Esc hands nothing.
class TF_Ghsgl_Type : public NamedListWindow {
    Q_OBJECT
public:
    explicit TF_Ghsgl_Type(QWidget* parent = nullptr);
    void btnExitClick() override;
};
