#pragma once
#include "platform/ui/form.h"

class DataGrid;
class DataSource;
class Query;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// "输入密码": the password of the register's current member before a transfer.
class TF_Hygl_Zz : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Zz(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnSaveClick();

    QLabel* hy_bh = nullptr;
    QLabel* hy_name = nullptr;
    QLineEdit* tmm = nullptr;

private:
    QString memberSn_;
};

// "会员转账": moves stored value from the register's current member to another.
class TF_Hygl_Zz2 : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl_Zz2(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnCxClick();
    void btnExit2Click();
    // Copies the focused list row into the target fields.
    void btnOKClick();
    void tbhChange();
    void rAllClick();
    void rBfjeClick();
    void btnSaveClick();

    QLabel* hy_bh = nullptr;
    QLabel* hy_name = nullptr;
    QLabel* hy_zhje = nullptr;
    QLabel* hy_zje = nullptr;
    QLabel* bh = nullptr;
    QLabel* name = nullptr;
    QLabel* zhje = nullptr;
    QLabel* zje = nullptr;
    QLineEdit* tbh = nullptr;
    QPushButton* btnCx = nullptr;
    QLineEdit* tje = nullptr;
    QRadioButton* rAll = nullptr;
    QRadioButton* rBfje = nullptr;
    QWidget* RzPanel_Hy = nullptr;
    DataGrid* cxGrid1View = nullptr;
    Query* Q_hyplxf = nullptr;

private:
    double sourceBalance_ = 0;
    QString sourceCard_;
};
