#pragma once
#include "platform/ui/form.h"

class DataGrid;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;

// "现金银行期初建账": the cash and bank accounts, opened from the journal window for
// one showing. The dialogs write through the routines of cashaccounts.h and the list
// shows each change at once.
class TF_Yhzh : public Form {
    Q_OBJECT
public:
    explicit TF_Yhzh(QWidget* parent = nullptr);

    static Query& Accounts();
    void FormActivate() override;
    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnQcjeClick();

    DataGrid* cxGridView;
    QPushButton* btnAdd;
    QPushButton* btnModi;
    QPushButton* btnDele;
    QPushButton* btnQcje;
    QPushButton* btnExit;

protected:
    void done(int result) override;
};

// "增加银行账户" and, without the date, "修改银行账户".
class TF_Yhzh_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Yhzh_Add(QWidget* parent = nullptr, bool modify = false);

    void FormActivate() override;
    void btnOkClick();

    QLineEdit* ttype;
    QLineEdit* tname;
    QLineEdit* tzje;
    QLabel* lzje;
    QDateEdit* dateCg; // adding only
    QLineEdit* tnote;
    QPushButton* btnOk;
    QPushButton* btnExit;

private:
    bool modify_;
    bool withAmount_ = true;
};

class TF_Yhzh_Modi : public TF_Yhzh_Add {
    Q_OBJECT
public:
    explicit TF_Yhzh_Modi(QWidget* parent = nullptr) : TF_Yhzh_Add(parent, true) { }
};

// "期初金额" of the current account.
class TF_Yhzh_Qcjz : public Form {
    Q_OBJECT
public:
    explicit TF_Yhzh_Qcjz(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOkClick();

    QLabel* yhzh;
    QLineEdit* tfyje;
    QPushButton* btnOk;
    QPushButton* btnExit;
};
