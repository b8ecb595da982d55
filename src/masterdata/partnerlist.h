#pragma once
#include "masterdata/partnerops.h"
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class QAction;
class QHBoxLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class Query;

// The customer and supplier lists are twins over Q_Khxx / Q_Ghsxx: this holds their
// common mechanics, each list its own captions and buttons.
class PartnerListForm : public Form {
    Q_OBJECT
public:
    PartnerListForm(PartnerKind kind, QWidget* parent);

    // Reopens the list (also when a dialog it opened closes).
    void FormActivate() override;
    void FormClose();

    // The quick search over code, name, short code, contact, telephone and address.
    void searchKeys();
    // The six criteria of the search dialog, joined by AND.
    void filterData();
    void miAllClick();
    void miForbidClick();
    void miShortCodeClick();
    virtual void btnAddClick() = 0;
    virtual void btnModiClick() = 0;
    void btnDeleClick();
    void btnSearchClick();
    void btnImportClick();
    void btnPrintClick();
    void btnExportClick();
    void btnExitClick();

    bool HasRows() const;

    PartnerKind kind;
    Query& Q;
    DataGrid* cxGrid = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnKey = nullptr;
    QMenu* gridMenu = nullptr;
    QAction* miForbid = nullptr;

    // The search dialog's criteria: name, contact, telephone, address, type, zone.
    QString critName, critContact, critTele, critAddress, critType, critZone;

protected:
    void hideEvent(QHideEvent* e) override;
    void Reopen();
    // A button of the top bar, at that position (-1: last).
    QPushButton* AddBarButton(const QString& caption, std::function<void()> handler, int position = -1);

private:
    QString Field(const char* suffix) const;
    QHBoxLayout* bar_ = nullptr;
};

// "客户信息".
class TF_Khgl : public PartnerListForm {
    Q_OBJECT
public:
    explicit TF_Khgl(QWidget* parent = nullptr);
    ~TF_Khgl() override;
    void btnAddClick() override;
    void btnModiClick() override;
    // The criteria under the names the window gives them.
    QString &strname, &strlxr, &strtele, &straddress, &khtype, &khzone;
};

// "供货商信息".
class TF_Ghsgl : public PartnerListForm {
    Q_OBJECT
public:
    explicit TF_Ghsgl(QWidget* parent = nullptr);
    ~TF_Ghsgl() override;
    void btnAddClick() override;
    void btnModiClick() override;
    void btnCopyClick();
    QString &ghsname, &ghslxr, &ghstele, &ghsaddress, &ghstype, &ghszone;
};

extern TF_Khgl* F_Khgl;
extern TF_Ghsgl* F_Ghsgl;

// "客户查找" / "供货商查找": fills the list's criteria and runs filterData.
class PartnerSearchDialog : public Form {
    Q_OBJECT
public:
    PartnerSearchDialog(PartnerListForm* list, QWidget* parent);
    void FormActivate() override;
    void btnOKClick();

    QLineEdit* tname = nullptr;
    QLineEdit* tlxr = nullptr;
    QLineEdit* ttele = nullptr;
    QLineEdit* taddress = nullptr;
    KeyedCombo* comType = nullptr;
    KeyedCombo* comZone = nullptr;

private:
    PartnerListForm* list_;
};

class TF_Khgl_Search : public PartnerSearchDialog {
    Q_OBJECT
public:
    explicit TF_Khgl_Search(PartnerListForm* list, QWidget* parent = nullptr) : PartnerSearchDialog(list, parent) { }
};
class TF_Ghsgl_Search : public PartnerSearchDialog {
    Q_OBJECT
public:
    explicit TF_Ghsgl_Search(PartnerListForm* list, QWidget* parent = nullptr) : PartnerSearchDialog(list, parent) { }
};

// "修改简码": SelectedSn "1" when saved; the caller stores the code.
class TF_Ghsgl_Jm : public Form {
    Q_OBJECT
public:
    TF_Ghsgl_Jm(const QString& name, const QString& code, QWidget* parent = nullptr);
    void btnSaveClick();

    QLineEdit* tjm = nullptr;
};

// "复制客户资料到供货商信息": a customer that is not forbidden becomes a supplier.
class TF_Ghsgl_Copy : public Form {
    Q_OBJECT
public:
    explicit TF_Ghsgl_Copy(QWidget* parent = nullptr);
    void FormActivate() override;
    void tkeyChange();
    void btnOKClick();

    Query& Q_Khxx;
    QLineEdit* tkey = nullptr;
    DataGrid* cxGrid = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;
};
