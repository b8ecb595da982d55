#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QLineEdit;
class QPushButton;
class Query;

// "部门管理": the departments on Q_Dept. "确定" answers the window that opened it,
// named by PickerCaller.
class TF_Dept : public Form {
    Q_OBJECT
public:
    explicit TF_Dept(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();

    void btnKeyClick();
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnOKClick();
    void btnExitClick();
    bool HasRows() const;

    Query& Q_Dept;
    DataGrid* cxGrid = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnKey = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
};

// "部门信息": adds (OpenMode "add") or renames ("modi") the current row of Q_Dept.
class TF_Dept_Sele : public Form {
    Q_OBJECT
public:
    explicit TF_Dept_Sele(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();

    QLineEdit* tname = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnExit = nullptr;

private:
    QString mode_;
};

// The tags whose windows list departments in Q_Dept2.
bool IsDeptDocumentCaller(const QString& tag);
