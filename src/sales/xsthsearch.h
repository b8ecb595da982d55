#pragma once
#include "platform/ui/form.h"

class CategoryPanel;
class DataGrid;
class KeyedCombo;
class QDateEdit;
class QLineEdit;
class QPushButton;

// "高级查询" of the sales and returns query: period, customer, warehouse, operator and
// goods class. "查询(F5)" sets AuxTag to "1"; the class code lands in SelectedSn.
class TF_Xsth_Search : public Form {
    Q_OBJECT
public:
    explicit TF_Xsth_Search(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnGhsClick();
    void btnOKClick();

    QLineEdit* tkh;
    QPushButton* btnGhs;
    QDateEdit* tdate1;
    QDateEdit* tdate2;
    KeyedCombo* comCk;
    KeyedCombo* comAdmin;
    QLineEdit* tsplb;
    CategoryPanel* RzPanel_GClass;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// The customer picker of the advanced search: customers filtered by the key; the
// chosen name goes into `target`.
class TF_Xsth_Search_KhSele : public Form {
    Q_OBJECT
public:
    explicit TF_Xsth_Search_KhSele(QLineEdit* target, QWidget* parent = nullptr);
    void FormActivate() override;
    void tkeyChange();
    void btnKhOKClick();
    void btnKhModiClick();

    QLineEdit* tkey;
    DataGrid* cxGridKhView;
    QPushButton* btnKhOK;
    QPushButton* btnKhModi;
    QPushButton* btnKhExit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QLineEdit* target_;
};
