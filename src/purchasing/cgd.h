#pragma once
#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "platform/ui/form.h"

#include <QString>
#include <memory>

class DataGrid;
class KeyedCombo;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QWidget;
class Query;
class Report;

// "采购订单": entry of a purchase order (tab 1), saved orders waiting for approval
// (tab 2) and approved orders with their void flag (tab 3). Orders move no stock and
// no money; approved, not void orders are what the goods-in take-over offers.
class TF_Cgd : public Form {
    Q_OBJECT
public:
    explicit TF_Cgd(QWidget* parent = nullptr);
    ~TF_Cgd() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void FormResize();
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void dateCgChange();
    void tSptmKeyDown();
    void btnAddOldClick();
    void btnAddNewClick();
    void btnModiClick();
    void btnDelClick();
    void btnImportClick();
    void btnExportClick();
    void btnUserClick();
    void btnSeleGhsClick();
    void tghsKeyUp();
    void btnGhsAddClick();
    void btnGhsModiClick();
    void tsfjeEnter();
    void btnOKClick();
    void checkDj(const QString& number);

    // ---- pending tab ----
    void cxPageChange();
    void btnSearch2Click();
    void setShspList();
    void btn_CheckClick();
    void btnRChkClick();
    void btn_DeleClick();
    void btnAddClick();
    void btnTab2ModiClick();
    void btnDeleClick();
    void updateCheckShdjYfje();
    void btn_DateClick();
    void btn_ChaKanClick();
    void btn_ExportClick();
    void linkMxClick();
    void btnSearchGhsClick();
    void tGhsNameChange();

    // ---- query tab ----
    void btnSearch3Click();
    void setCgsp();
    void linkMx3Click();
    void btn_UnChkClick();
    // The void flag of the selected order turned over (the document view's pop-up).
    void btnRZfClick();
    void btn_Chakan3Click();
    void btn_Export3Click();
    void btn_ExitClick();

    // ---- printing ----
    // Prepares frxReport1 for one order: flag "1" from the entry tab, "2" stored.
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();

    bool EntryHasRows() const;
    // "1": the next activation only resets the flag (after printing from the entry tab).
    static QString SkipNextInit;
    QString LastDocDate;

    DocWindow doc;
    Query& Q_Jhsp;
    Query& Q_Shdj;
    Query& Q_Shsp;
    Query& Q_Cgd;
    Query& Q_Cgsp;
    Query& Q_Cgsp2;
    Query& Q_GoodsPrin;
    std::unique_ptr<Report> frxReport1;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    // entry tab
    QLabel* jsn = nullptr;
    QLineEdit* tghs = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    KeyedCombo* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    KeyedCombo* comJsfs = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tsfje = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QLabel* lsn2 = nullptr;
    QLineEdit* tsn2 = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnDjbz = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnAddNew = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;
    QPushButton* btnInOut = nullptr;
    QAction* btnImport = nullptr;
    QAction* btnExport = nullptr;
    QPushButton* btnOK = nullptr;
    DataGrid* cxGridView = nullptr;
    BarcodePanel* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    QAction* btnPanelAdd = nullptr;
    EntryGridMenu barPopupMenu;
    SupplierPanel* RzPanelGhs = nullptr;

    // pending tab
    QLineEdit* tGhsName = nullptr;
    QPushButton* btnSearchGhs = nullptr;
    QLineEdit* tchkKey = nullptr;
    QComboBox* comSort = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QPushButton* btn_Check = nullptr;
    QPushButton* btn_Dele = nullptr;
    QPushButton* btn_Date = nullptr;
    QPushButton* btn_ChaKan = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Exit2 = nullptr;
    DataGrid* cxGrid2View = nullptr;
    QWidget* RzPanel_Shsp = nullptr;
    QLabel* ghsname = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnTab2Modi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* linkMx = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRChk = nullptr;
    QAction* btnRDate = nullptr;
    QMenu* barPopupMenu3 = nullptr;
    SupplierPicker* RzPanel_Ghs2 = nullptr;

    // query tab
    QDateEdit* tdate31 = nullptr;
    QDateEdit* tdate32 = nullptr;
    QToolButton* btnMenu3 = nullptr;
    KeyedCombo* comCk3 = nullptr;
    QLineEdit* tKey3 = nullptr;
    QCheckBox* chkZf = nullptr;
    QPushButton* btnSearch3 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rMxb = nullptr;
    QStackedWidget* views3 = nullptr;
    DataGrid* cxGrid31View = nullptr;
    QLabel* LMsg = nullptr;
    QPushButton* linkMx3 = nullptr;
    DataGrid* cxGrid32View = nullptr;
    DataGrid* cxGrid33View = nullptr;
    QPushButton* btn_Chakan3 = nullptr;
    QPushButton* btn_Export3 = nullptr;
    QPushButton* btn_UnChk = nullptr;
    QPushButton* btn_Exit = nullptr;
    QMenu* barPopupMenu4 = nullptr;
    QAction* btnRZf = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    void ApplyRightsAndVisibility();
    void ShowLineButtons(bool on);
    void SetDocDate(const QDate& date);
    QString DocDate() const;
    QString SelectedPendingNo() const;
    QString SelectedOrderNo() const;
    void ReopenPending(const QString& number);
    void Preview(const QString& number);
    bool lineRights_ = false;
};

extern TF_Cgd* F_Cgd;
