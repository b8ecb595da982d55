#pragma once
#include "platform/ui/form.h"

#include <QHash>

class CheckTree;
class DataGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The role list on the data module's Q_Role; the administrator role's only.
class TF_Role : public Form {
    Q_OBJECT
public:
    explicit TF_Role(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();
    void btn_AddClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void btn_ExitClick();

    DataGrid* cxGridView;
    QPushButton* btn_Add;
    QPushButton* btn_Modi;
    QPushButton* btn_Dele;
    QPushButton* btn_Exit;

protected:
    void done(int result) override;

private:
    void openDialog(const QString& mode);
};

// Adds a role (OpenMode "add") or changes the role current in Q_Role ("modi").
class TF_Role_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Role_Add(QWidget* parent = nullptr);

    void FormActivate() override;
    // Builds the groups of rights; in "modi" mode ticks the role's rights.
    void setChkTree();
    void chkSeleClick();
    void btnOKClick();
    void btnCancelClick();
    // The flag string of each group from the ticks.
    QHash<QString, QString> Flags() const;

    QLineEdit* tname;
    CheckTree* chkTree;
    QCheckBox* chkSele;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};
