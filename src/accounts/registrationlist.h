#pragma once
#include "accounts/registrationkind.h"
#include "platform/ui/form.h"

class DataGrid;
class PartnerPanel;
class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class Query;

// The list of one kind of registration (receivables, payables, receipts, payments)
// on the shared Q_Yskdj: period, partner picker, number/remark text, approve one or
// all, cancel, delete, modify, print and export. The four windows are this list with
// their kind; the kind's dialog enters one document.
class RegistrationList : public Form {
    Q_OBJECT
public:
    RegistrationList(
        const RegistrationKind& kind, const char* objectName, const QString& caption, QWidget* parent = nullptr);

    const RegistrationKind& Kind() const { return kind_; }
    Query& List() const;
    // The partner picked in the panel: CurrentCustomerSn or CurrentSupplierSn.
    QString& PickedPartner() const;

    void FormActivate() override;
    void FormClose();
    void btnSearch1Click();
    void btn_AddClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void btnRCheckClick();
    void btn_CheckClick();
    void btn_ChaKanClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void cxGrid1ViewMouseUp(const QPoint& at);
    bool FormKeyDown(int key);
    // Approves the document when it is pending; it is found by its number in the
    // registrations, whether the list shows it or not.
    void checkDJ(const QString& number);
    void unCheck();
    void prinDj(const QString& number);

    QPushButton* btn_Add;
    QPushButton* btn_Modi;
    QPushButton* btn_Dele;
    QPushButton* btn_Check;
    QPushButton* btn_ChaKan;
    QPushButton* btn_Prin;
    QPushButton* btn_Export;
    QPushButton* btn_Exit;
    QDateEdit* tdate11;
    QDateEdit* tdate12;
    QToolButton* btnMenu;
    QLineEdit* tPartnerName; // tKhName1 (customers) or tkey (suppliers)
    QToolButton* btnGhsSele;
    QLineEdit* tDocKey; // tkey (customers) or tkey2 (suppliers)
    QPushButton* btnSearch1;
    DataGrid* cxGrid1View;
    PartnerPanel* partnerPanel;
    QMenu* PopupMenu1;
    QAction* mnuAdd;
    QAction* mnuModi;
    QAction* mnuDele;
    QAction* btnRCheck;

protected:
    void done(int result) override;
    // Opens the kind's entry dialog in OpenMode; true when it saved, with the
    // "保存后打印" choice in printAfter.
    virtual bool RunDialog(bool& printAfter) = 0;

private:
    const RegistrationKind& kind_;
};
