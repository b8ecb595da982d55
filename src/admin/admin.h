#pragma once
#include "admin/operators.h"
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QAction;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QMenu;
class QPushButton;

// The operator list on the data module's Q_Admin: add, modify, delete, copy and
// paste operators, and find them by name or code.
class TF_Admin : public Form {
    Q_OBJECT
public:
    explicit TF_Admin(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();
    void btn_AddClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void btn_ExitClick();
    void btnSearch2Click();
    void mnuCopyClick();
    void mnuPasteClick();
    // F2 searches, Esc closes; true when the key was taken.
    bool FormKeyDown(int key);
    // Characters the search key may not hold; true when the typed text is dropped.
    static bool tkeyRefuses(const QString& typed);

    DataGrid* cxGridView;
    QLineEdit* tkey;
    QPushButton* btnSearch2;
    QPushButton* btn_Add;
    QPushButton* btn_Modi;
    QPushButton* btn_Dele;
    QPushButton* btn_Exit;
    QMenu* PopupMenu1;
    QAction* mnuAdd;
    QAction* mnuModi;
    QAction* mnuDele;
    QAction* mnuCopy;
    QAction* mnuPaste;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    // The copied operator, for one opening of the list.
    QString copyName_;
    QString copyRoleSn_;
    QString copyPwd_;
    double copyZreoje_ = 0;
};

// The fields both operator dialogs show, with their keys.
struct OperatorFields {
    QLineEdit* tname = nullptr;
    KeyedCombo* comRole = nullptr;
    QLineEdit* tpwd = nullptr;
    QLineEdit* tpwd1 = nullptr;
    QLineEdit* tzreoje = nullptr;
    QFormLayout* form = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // Builds the fields and buttons into the dialog; save runs on "确定(F5)" and F5.
    void Build(Form* dialog, std::function<void()> save);
    // Every role by id, keyed by its code.
    void FillRoles();
    OperatorInput Input() const;
};

// Adds an operator.
class TF_Admin_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Admin_Add(QWidget* parent = nullptr);
    void FormActivate() override;
    void saveValue();

    OperatorFields fields;
};

// Changes the operator that is current in Q_Admin.
class TF_Admin_Modi : public Form {
    Q_OBJECT
public:
    explicit TF_Admin_Modi(QWidget* parent = nullptr);
    void FormActivate() override;
    void saveValue();

    OperatorFields fields;
    QCheckBox* chkJy;

private:
    qint64 id_ = 0;
    bool pos_ = false;
};
