#pragma once
#include "platform/ui/form.h"

class DataGrid;
class ExpenseEntryDialog;
class KeyedCombo;
class QAction;
class QDateEdit;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class Query;

// "费用及收入": the pending expense and income records (first tab) and the approved
// ones as detail and per type and department summary (second tab).
class TF_Fyjsr : public Form {
    Q_OBJECT
public:
    explicit TF_Fyjsr(QWidget* parent = nullptr);

    static Query& Pending(); // Q_Fysr2
    static Query& Detail();  // Q_Fysr1
    static Query& Summary(); // Q_DhxsHZ

    void FormActivate() override;
    void FormClose();
    void btnSearch1Click();
    void btnSearch2Click();
    void cxPageChange();
    void btn_AddFyClick();
    void btn_AddSrClick();
    void btn_ModiClick();
    void btn_DeleClick();
    void btnRChkClick();
    void btn_CheckClick();
    void btn_UnChkClick();
    void btn_ChaKanClick();
    void btn_ChaKan2Click();
    void btn_PrinClick();
    void btn_Prin2Click();
    void btn_Export0Click();
    void btn_ExportClick();
    bool FormKeyDown(int key);
    void checkDj(const QString& number);
    // Prepares and shows the voucher of the record.
    void setPrinPara(const QString& id);

    QTabWidget* cxPage;
    QWidget* cxTab1;
    QWidget* cxTab2;
    QPushButton* btn_AddSr;
    QPushButton* btn_AddFy;
    QPushButton* btn_Modi;
    QPushButton* btn_Dele;
    QPushButton* btn_Check;
    QPushButton* btn_Prin;
    QPushButton* btn_Export0;
    QPushButton* btn_ChaKan;
    QPushButton* btn_Exit;
    QDateEdit* tdate11;
    QDateEdit* tdate12;
    QToolButton* btnMenu1;
    KeyedCombo* comFylx;
    KeyedCombo* comDept;
    QPushButton* btnSearch1;
    DataGrid* cxGrid2View;
    QMenu* popupPending;
    QAction* btnRChk;

    QPushButton* btn_UnChk;
    QPushButton* btn_ChaKan2;
    QPushButton* btn_Prin2;
    QPushButton* btn_Export;
    QPushButton* btn_Exit2;
    QRadioButton* rMxb;
    QRadioButton* rHzb;
    QDateEdit* tdate21;
    QDateEdit* tdate22;
    QToolButton* btnMenu2;
    KeyedCombo* comFylx2;
    KeyedCombo* comDept2;
    QLineEdit* tkey;
    QPushButton* btnSearch2;
    QStackedWidget* views;
    DataGrid* cxGrid1View; // detail
    DataGrid* cxGrid3View; // summary
    QMenu* popupDetail;
    QAction* btnRUnChk;

protected:
    void done(int result) override;

private:
    void RunEntry(ExpenseEntryDialog& dialog, bool adding);
    bool activating_ = false;
};

extern TF_Fyjsr* F_Fyjsr;
