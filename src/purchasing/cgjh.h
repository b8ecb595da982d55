#pragma once
#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "listing/queryviewbar.h"
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
class QToolButton;
class Report;
class QTabWidget;
class QWidget;
class Query;

// "采购进货": entry of a goods-in document (tab 1), the saved documents waiting for
// approval (tab 2) and, later, the query of approved documents (tab 3). Lines are
// written under the window's number and the operator's name as they are entered;
// saving adds the header. The draft, numbering, totals and approval mechanics are
// the shared document-window helper's (documents/docwindow.h).
class TF_Cgjh : public Form {
    Q_OBJECT
public:
    explicit TF_Cgjh(QWidget* parent = nullptr);
    ~TF_Cgjh() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void FormResize();
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void dateCgChange();
    // Enter in the barcode field.
    void tSptmKeyDown();
    void btnDelClick();
    void btnAddOldClick();
    void btnAddNewClick();
    // "导入订单": the take-over of approved purchase orders.
    void btnCgdImportClick();
    void btnModiClick();
    void btnUserClick();
    void btnDjbzClick();
    void btnSeleGhsClick();
    void tghsKeyUp();
    void btnGhsAddClick();
    void btnGhsModiClick();
    void tsfjeEnter();
    void btnYhzhCloseClick();
    void btnOKClick();

    // ---- pending tab ----
    void cxPageChange();
    void btnSearch2Click();
    void setShspList();
    void btnRChkClick();
    void btn_CheckClick();
    void checkDj(const QString& number);
    void updateCheckShdjYfje();
    void btnDeleClick();
    void btnTab2ModiClick();
    void btnAddClick();
    void btn_DeleClick();
    void linkMxClick();
    void btnSearchGhsClick();
    void tGhsNameChange();
    void btnGhs2OKClick();
    void btnGhs2ExitClick();

    void btn_DateClick();

    // ---- query tab ----
    void btnSearch3Click();
    void setDjDetailList();
    void setGoodsList();
    void linkMx3Click();
    void btn_Chakan3Click();
    void btn_UnChkClick();
    void btn_UnChkAllClick();
    void btn_Prin3Click();
    void btn_Export3Click();
    void btn_ZdthClick();
    void btn_ZdlyClick();
    void btn_ZdxsClick();
    void btnGhsSeleClick();

    // ---- printing and exports ----
    // Prepares frxReport1 for one goods-in: flag "1" takes the header from the entry
    // tab, "2" from the stored document.
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();
    void btn_ChaKanClick();
    void btn_LxdyClick();
    void btn_PrinClick();
    void btn_ExportClick();
    void btnExportClick();
    void btnImportClick();
    // "1" while continuous printing runs: activations then do nothing.
    static QString BatchPrinting;

    bool EntryHasRows() const;
    // The contract code of the document being entered; nothing in this window sets it.
    QString contractSn;
    QString LastDocDate;

    DocWindow doc;
    Query& Q_Jhsp;
    Query& Q_Shdj;
    Query& Q_Shsp;
    Query& Q_PdStep2;
    Query& Q_GhsDJ;
    Query& Q_Jhsp2;
    Query& Q_GoodsHZ;
    Query& Q_GoodsList;
    Query& Q_Sppc;
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
    QLabel* lfpno = nullptr;
    QLineEdit* tfpno = nullptr;
    QLineEdit* tfpje = nullptr;
    QLabel* lyf = nullptr;
    QLineEdit* tyf = nullptr;
    QLabel* lbzf = nullptr;
    QLineEdit* tbzf = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnDjbz = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnAddNew = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QPushButton* btnCgdImport = nullptr;
    QPushButton* btnImportMenu = nullptr;
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
    QRadioButton* rDjb0 = nullptr;
    QRadioButton* rYscm0 = nullptr;
    QLabel* lgname = nullptr;
    QLineEdit* tgname = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QPushButton* btn_Check = nullptr;
    QPushButton* btn_Dele = nullptr;
    QPushButton* btn_Date = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DataGrid* cxGridSpMx0View = nullptr;
    QWidget* RzPanel_Shsp = nullptr;
    QLabel* ghsname = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnTab2Modi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* linkMx = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRChk = nullptr;
    QAction* btnRDel2 = nullptr;
    QAction* btnRDate = nullptr;
    SupplierPicker* RzPanel_Ghs2 = nullptr;
    QPushButton* btn_ChaKan = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Lxdy = nullptr;
    QPushButton* btn_Export = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;
    QMenu* importMenu = nullptr;
    QAction* btnExport = nullptr;
    QAction* btnImport = nullptr;

    // query tab
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnMenu = nullptr;
    QLineEdit* tGhsname3 = nullptr;
    QPushButton* btnGhsSele = nullptr;
    QLabel* lKey3 = nullptr;
    QLineEdit* tKey3 = nullptr;
    QPushButton* btnSearch3 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rHzb = nullptr;
    QRadioButton* rMxb = nullptr;
    QRadioButton* rYscm = nullptr;
    QStackedWidget* views3 = nullptr;
    DataGrid* cxGrid1View = nullptr;
    QLabel* ldjmsg = nullptr;
    QPushButton* linkMx3 = nullptr;
    DataGrid* cxGrid11View = nullptr;
    DataGrid* cxGrid21View = nullptr;
    QLabel* gname = nullptr;
    DataGrid* cxGrid22View = nullptr;
    DataGrid* cxGrid35View = nullptr;
    DataGrid* cxGrid6View = nullptr;
    QPushButton* btn_Chakan3 = nullptr;
    QPushButton* btn_Prin3 = nullptr;
    QPushButton* btn_Export3 = nullptr;
    QPushButton* btn_UnChk = nullptr;
    QPushButton* btn_UnChkAll = nullptr;
    QPushButton* btn_Zdth = nullptr;
    QPushButton* btn_Zdly = nullptr;
    QPushButton* btn_Zdxs = nullptr;
    QPushButton* btn_Exit = nullptr;
    QMenu* barPopupMenu4 = nullptr;
    QAction* btnRUnChk = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    void ApplyQueryRights();
    void QueryViewChanged();
    // The document number behind the query tab's current row, empty when none.
    QString QueryDocNo() const;
    // The hand-over of a whole approved document: false (with its message) outside
    // the document view, nothing with an empty list.
    void HandOver(QString& variable, const QString& refusal);
    // The supplier picker over the pending or the query tab, filtered by the text.
    void ShowSupplierPicker(QWidget* tab, const QString& text);
    void ApplyRightsAndVisibility();
    void ShowLineButtons(bool on);
    // Changes the date edit without running dateCgChange.
    void SetDocDate(const QDate& date);
    QString DocDate() const;
    // The number selected in the pending list, empty when the list is empty.
    QString SelectedPendingNo() const;
    void ReopenPending(const QString& number);
    bool lineRights_ = false;
    QueryViewBar queryBar3_;
};

extern TF_Cgjh* F_Cgjh;
