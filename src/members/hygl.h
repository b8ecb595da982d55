#pragma once
#include "members/memberops.h"
#include "platform/ui/form.h"

enum class DatePreset;

class DataGrid;
class KeyedCombo;
class QAction;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class Query;

// "会员管理": the members with their POS purchases, money rows and coming birthdays.
class TF_Hygl : public Form {
    Q_OBJECT
public:
    explicit TF_Hygl(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();

    // Tab 1.
    void btnSearch2Click();
    void btn_AddClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void btn_InClick();
    void btn_OutClick();
    void btn_CzClick();
    void btn_HyszClick();
    void btn_GjcxClick();
    void btnDhzpClick();
    void btnSmsClick();
    void btn_PrinClick();
    void btn_ExitClick();
    void btnRZtClick();
    void btnRAllJeClick();
    void btnRAlljfClick();
    void btnZzClick();
    void btnPlxfClick();
    void btnHkClick();
    void btnPwdClick();
    void btnJfClick();
    void btnJeClick();
    void btnMobileClick();
    void btnPhotoClick();
    // The layout item of the context menus, for the grid of the tab shown.
    void btnLayoutClick();
    // Captions the member menu's status and layout items for the current row.
    void PrepareMemberMenu();
    // Tab 2.
    void btnSearch3Click();
    void cxButton2Click();
    void btn_ExportClick();
    // Tab 3.
    void btnSearch4Click();
    void btnPrin3Click();
    void btnExport3Click();
    void btn_Chakan3Click();
    // Tab 4.
    void btnSearch5Click();
    void btnPrin5Click();
    void btnExport5Click();
    // The date menu: the item's range on the tab shown, then that tab's search.
    // An item of the period menu, on the pickers of the tab in view.
    void DateMenuClick(DatePreset preset);
    void TabChanged(int index);

    bool HasMembers() const;

    Query& Q_Hyxx;
    Query& Q_Hyxs;
    Query& Q_Hyxf;
    Query& Q_Hysr;

    QTabWidget* cxTab = nullptr;
    DataGrid* cxGrid1View = nullptr;
    DataGrid* cxGrid21View = nullptr;
    DataGrid* cxGrid3View = nullptr;
    DataGrid* cxGrid5View = nullptr;
    QLineEdit* tKey = nullptr;
    QLineEdit* tKey2 = nullptr;
    QLineEdit* tKey3 = nullptr;
    QLineEdit* tts = nullptr;
    KeyedCombo* comHyfl = nullptr;
    QComboBox* comStatus = nullptr;
    QDateEdit* tdate21 = nullptr;
    QDateEdit* tdate22 = nullptr;
    QDateEdit* tdate31 = nullptr;
    QDateEdit* tdate32 = nullptr;
    QPushButton* btnSms = nullptr;
    QMenu* pmMember = nullptr;
    QAction* miStatus = nullptr;
    QAction* miLayout = nullptr;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    MemberFilter QuickFilter() const;
    void ReopenMembers();
    void OpenMemberDialog(QWidget* dialog);
    void OpenRegistered(const QString& windowClass);
    void ApplyAmountFormats();

    // The conditions of the last member search: the clears act on the members listed.
    MemberFilter listed_;
    AdvancedMemberQuery advanced_;
};

// Created on first use and kept until the program ends.
extern TF_Hygl* F_Hygl;
