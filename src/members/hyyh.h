#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class Query;

// "优惠方式设置": adds a discount method (TF_Hyyh_Add) or changes the current row of
// Q_Hyyh (TF_Hyyh_Modi). PictureName "zs" asks the caller to open the bonus rules.
class MethodDialog : public Form {
    Q_OBJECT
public:
    MethodDialog(const QString& objectName, bool adding, QWidget* parent);
    void FormActivate() override;
    void comZlChange();
    void btnSaveClick();
    void btnCzzsClick();

    QLineEdit* tname = nullptr;
    QComboBox* comZl = nullptr;
    QWidget* panel0 = nullptr;
    QWidget* panel1 = nullptr;
    QWidget* panel2 = nullptr;
    QLineEdit* tyh1 = nullptr;
    QLineEdit* tyh2 = nullptr;
    QLineEdit* tyh3 = nullptr;
    QPushButton* btnCzzs = nullptr;
    QPushButton* btnSave = nullptr;

private:
    void ShowPanel(int kind);
    bool adding_;
    bool kindTwo_ = false;
    qint64 id_ = 0;
};

class TF_Hyyh_Add : public MethodDialog {
    Q_OBJECT
public:
    explicit TF_Hyyh_Add(QWidget* parent = nullptr);
};

class TF_Hyyh_Modi : public MethodDialog {
    Q_OBJECT
public:
    explicit TF_Hyyh_Modi(QWidget* parent = nullptr);
};

// "会员充值赠送设置": the bonus rules.
class TF_Hyzs : public Form {
    Q_OBJECT
public:
    explicit TF_Hyzs(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnExportClick();

    DataGrid* cxGrid1View = nullptr;
    Query& Q_GhsDJ;

protected:
    void hideEvent(QHideEvent* e) override;
};

// "充值赠送设置": one rule; OpenMode "add" or "modi" (the current row of Q_GhsDJ).
class TF_Hyzs_Sele : public Form {
    Q_OBJECT
public:
    explicit TF_Hyzs_Sele(QWidget* parent = nullptr);
    void FormActivate() override;
    void comZsfsChange();
    void btnOKClick();

    QLineEdit* hs_czje = nullptr;
    QLineEdit* hs_zsje = nullptr;
    QLineEdit* hs_myje = nullptr;
    QComboBox* comZsfs = nullptr;
    QLabel* lmyje = nullptr;

private:
    qint64 id_ = 0;
};
