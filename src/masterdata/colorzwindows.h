#pragma once
#include "masterdata/colorsizeside.h"
#include "platform/ui/form.h"

class DataGrid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Query;

// The five colour and size windows, each written once over a side description.
// TF_Colorz ... TF_Color_Modi and TF_Cmz ... TF_Cm_Modi derive from them.

// The group list: groups on the left, the selected group's items on the right.
class ColorSizeGroupList : public Form {
    Q_OBJECT
public:
    ColorSizeGroupList(const ColorSizeSide& side, const QString& objectName, QWidget* parent);
    ~ColorSizeGroupList() override;

    void FormActivate() override;
    // Shows the items of the current group (or none).
    void ShowGroupItems();
    void btnAddGroupClick();
    void btnModiGroupClick();
    void btnDeleGroupClick();
    void btnAddItemClick();
    void btnDeleItemClick();
    void btnExitClick();

    const ColorSizeSide& side;
    Query& Q_Groups; // Q_Colorz / Q_Cmz
    Query& Q_Items;  // Q_Colorz1 / Q_Cmz1
    DataGrid* gridGroups = nullptr;
    DataGrid* gridItems = nullptr;
    QGroupBox* boxItems = nullptr;
    QPushButton *btnAddGroup = nullptr, *btnModiGroup = nullptr, *btnDeleGroup = nullptr;
    QPushButton *btnAddItem = nullptr, *btnDeleItem = nullptr, *btnExit = nullptr;

protected:
    // The side's own dialog classes.
    virtual Form* NewGroupName() = 0;
    virtual Form* NewMembers() = 0;

private:
    QString CurrentGroup(const QString& column) const;
    void ReopenGroups();
};

// The group-name dialog: mode "add" creates a group, "modi" renames the current one
// of the group list; either hands the group's code back in PickerCaller.
class ColorSizeGroupName : public Form {
    Q_OBJECT
public:
    ColorSizeGroupName(const ColorSizeSide& side, const QString& objectName, QWidget* parent);
    void FormActivate() override;
    void btnOKClick();
    void btnCancelClick();

    const ColorSizeSide& side;
    QLineEdit* tname = nullptr;
    QPushButton *btnOK = nullptr, *btnCancel = nullptr;

private:
    QString mode_;
};

// The members editor of the group in PickerCaller; also adds, modifies and deletes items.
class ColorSizeMembers : public Form {
    Q_OBJECT
public:
    ColorSizeMembers(const ColorSizeSide& side, const QString& objectName, QWidget* parent);
    ~ColorSizeMembers() override;

    void FormActivate() override;
    void LoadMembers();
    void LoadOthers();
    void searchItems();
    void btnAddOneClick();    // "<"
    void btnAddAllClick();    // "<<"
    void btnRemoveOneClick(); // ">"
    void btnRemoveAllClick(); // ">>"
    void btnNewItemClick();
    void btnModiItemClick();
    void btnDeleItemClick();
    void btnExitClick();

    const ColorSizeSide& side;
    Query& Q_Members; // Q_Colorz2 / Q_Cmz2
    Query& Q_Others;  // Q_Colorz3 / Q_Cmz3
    QString group;
    QLabel* lGroup = nullptr;
    QLineEdit* tkey = nullptr;
    DataGrid* gridMembers = nullptr;
    DataGrid* gridOthers = nullptr;
    QPushButton *btnAddOne = nullptr, *btnAddAll = nullptr, *btnRemoveOne = nullptr, *btnRemoveAll = nullptr;
    QPushButton *btnNewItem = nullptr, *btnModiItem = nullptr, *btnDeleItem = nullptr, *btnExit = nullptr;

protected:
    virtual Form* NewItemAdd() = 0;
    virtual Form* NewItemModi() = 0;

private:
    void ReloadBoth();
};

// The new-item and the modify-item dialogs: name and barcode segment.
class ColorSizeItemDialog : public Form {
    Q_OBJECT
public:
    ColorSizeItemDialog(const ColorSizeSide& side, bool modify, const QString& objectName, QWidget* parent);
    void FormActivate() override;
    void btnSaveClick();
    void btnExitClick();

    const ColorSizeSide& side;
    const bool modify;
    QLineEdit* tname = nullptr;
    QLineEdit* tcode = nullptr;
    QPushButton *btnSave = nullptr, *btnExit = nullptr;

private:
    QString itemSn_;
};
