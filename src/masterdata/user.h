#pragma once
#include "masterdata/userops.h"
#include "platform/ui/form.h"

#include <QStringList>

class DataGrid;
class KeyedCombo;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class Query;

// "员工信息": every staff member, disabled ones included, on Q_User.
class TF_User : public Form {
    Q_OBJECT
public:
    explicit TF_User(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();

    void btnAddClick();
    void btnModiClick();
    void btnDeleClick();
    void btnSearchClick();
    void btnAllClick();
    void btnPrintClick();
    void btnExitClick();
    // The grid's filter from tkey, over name, short code, position, telephone, address.
    void searchKeys();
    // The grid's filter from the search dialog's criteria.
    void filterData();
    void miDisableClick(bool checked);

    bool HasRows() const;

    Query& Q_User;
    DataGrid* cxGrid = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnKey = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnAll = nullptr;
    QMenu* gridMenu = nullptr;
    QAction* miDisable = nullptr;

    QString strname;
    QString strlxr;
    QString strtele;
    QString straddress;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    void UpdateFooter();
};

// The add and modify dialogs share their controls; both write into Q_User, which
// the staff list or the handler picker holds open.
class UserEditDialog : public Form {
    Q_OBJECT
public:
    UserEditDialog(const QString& objectName, const QString& caption, QWidget* parent);

    virtual void btnOKClick() = 0;
    // The warehouse combo by the operator binding.
    void FillWarehouses();
    void comTcfsChange();

    QLineEdit* tname = nullptr;
    QLineEdit* tduty = nullptr;
    QLineEdit* ttc = nullptr;
    QComboBox* comTcfs = nullptr;
    QLineEdit* tzdlr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    QLineEdit* tnote = nullptr;
    QCheckBox* chkCg = nullptr;
    QCheckBox* chkXs = nullptr;
    QCheckBox* chkKc = nullptr;
    QCheckBox* chkJy = nullptr;
    QLabel* lCk = nullptr;
    KeyedCombo* comCk = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    StaffInput Gather() const;
    void Finish(const QString& refusal);
};

class TF_User_Add : public UserEditDialog {
    Q_OBJECT
public:
    explicit TF_User_Add(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick() override;
};

class TF_User_Modi : public UserEditDialog {
    Q_OBJECT
public:
    explicit TF_User_Modi(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick() override;

    qint64 rowId = 0;
};

class TF_User_Search : public Form {
    Q_OBJECT
public:
    explicit TF_User_Search(TF_User* list, QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();

    QLineEdit* tname = nullptr;
    QLineEdit* tduty = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;

private:
    TF_User* list_;
};

// The staff statement of the list and the handler picker: only the operator's
// warehouses when partners are bound to warehouses and he is not an administrator.
QString StaffListSql(bool activeOnly);
// The fields the staff list and the handler picker search with one text.
QStringList StaffSearchFields();
