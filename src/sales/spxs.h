#pragma once
#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "listing/queryviewbar.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QAction;
class QCheckBox;
class QDateEdit;
class QDateTimeEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QComboBox;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QToolButton;
class QWidget;
class Query;
class Report;

// "商品销售": entry of a sales delivery (tab 1); the pending deliveries (tab 2) and
// the delivery query (tab 3) have their places here. Lines are written under the
// window's number and the operator's name as they are entered; saving adds the
// header. Draft lines, redraws, totals, approval and closing are the shared
// document-window helper's (documents/docwindow.h), configured for "XS".
class TF_Spxs : public Form {
    Q_OBJECT
public:
    explicit TF_Spxs(QWidget* parent = nullptr);
    ~TF_Spxs() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void FormResize();
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void setButtons();
    void tSptmKeyDown();
    void btnAddOldClick();
    void btnZpAddClick();
    void btnAddNewClick();
    void btnCgdImportClick();
    // "导入导出": lines read from a spreadsheet; the entry grid written to an .xls file.
    void btnImportClick();
    void btnExportClick();
    void btnModiClick();
    void btnDelClick();
    void tdzlKeyUp();
    void dateCgChange();
    void tkhKeyUp();
    void btnSeleGhsClick();
    void btnKhAddClick();
    void btnKhModiClick();
    void tssjeEnter();
    void btnUserClick();
    void btnDjbzClick();

    // ---- saving and approval ----
    void btnOKClick();
    // Approves a saved document; the operator's draft under the number keeps it when
    // duplicates are repaired (the pending tab passes the selected header's operator).
    void checkDj(const QString& number, const QString& headerOperator = QString());
    // The pending tab's approval of its selected document and of its whole list; the
    // tab hands the numbers (with dates and operators) it lists.
    void btnRCheckClick(const DocWindow::PendingDoc& selected);
    void btn_CheckClick(const QList<DocWindow::PendingDoc>& listed);

    // ---- pending tab ----
    void cxPageChange();
    void btnSearch2Click();
    void rDjb0Click();
    void rYscm0Click();
    void setShspList();
    void updateCheckShdjYfje();
    void btnAddClick();
    void btnTab2ModiClick();
    void btnDeleClick();
    void btnZpAdd2Click();
    void linkMxClick();
    void btn_DeleClick();
    void btn_DateClick();
    void btn_ExportClick();
    void btn_ChaKanClick();
    void btn_PrinClick();
    void btn_LxdyClick();
    // "审核全部" over the listed documents and "单据审核(&W)" on the selected one.
    void btn_CheckClick();
    void btnRCheckClick();
    void btn_ExitClick();
    // The customer list panel shared by the pending and query tabs.
    void tGhsNameChange();
    void btnSearchGhsClick();
    void btnOK2Click();
    void btnExit2Click();
    void chkKhAllClick();
    // The number selected in the pending list, empty when the list is empty.
    QString SelectedPendingNo() const;

    // ---- query tab ----
    void btnSearch1Click();
    void rDjbClick();
    void rHzbClick();
    void rMxbClick();
    void rYscmClick();
    void setDjDetailList();
    void setGoodsList();
    void btnGhsSeleClick();
    void btn_Chakan3Click();
    void btn_UnChkClick();
    void btn_UnChkAllClick();
    void btn_ZdthClick();
    void btn_Export3Click();
    void btn_Prin3Click();
    void btn_Lxdy3Click();
    void linkMx3Click();
    // The document behind the current row of the query view, empty in "颜色尺码".
    QString QueryDocNo() const;

    // ---- printing ----
    // Prepares the document report: flag "1" from the window's fields (a document
    // under entry), "2" from the stored document.
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();
    // A stored document in the preview (the pending and query tabs' "查看单据");
    // no number previews nothing unless `evenEmpty` asks for an empty document.
    void ViewStoredDocument(const QString& number, bool evenEmpty = false);
    // "连续打印": every listed document printed without dialogs; false when declined.
    bool PrintContinuously(const QStringList& numbers);
    // The list prints of the pending and query tabs: the list's template over its
    // query, narrowed by the grid's filter, with the period and title variables.
    void PrintList(const QString& templateFile, const QString& dataset, Query* list, const QString& filter,
        const QString& date1 = QString(), const QString& date2 = QString(), const QString& title = QString());

    bool EntryHasRows() const;
    QString DocNumber() const;
    QString DocDate() const;

    // Window state besides the controls.
    QString LastDocDate;
    QString SkipNextActivation = QStringLiteral("0");
    QString ContinuousPrinting = QStringLiteral("0");
    // The contract code of the document under entry; nothing in the program hands one
    // over yet, and it never travels through the shared result variables.
    QString contractSn;

    DocWindow doc;
    Query& Q_Lsxssp;
    Query& Q_Shdj;
    Query& Q_Shsp;
    Query& Q_Shspmx;
    Report* frxReport1 = nullptr;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    // query tab
    Query& Q_KhDj;
    Query& Q_Xssp3;
    Query& Q_GXsHZ;
    Query& Q_GXsList;
    Query& Q_GList2;
    Query& Q_Sppc;

    QLabel* gldjh = nullptr;
    QLineEdit* tkh = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    KeyedCombo* comCk = nullptr;
    QDateTimeEdit* dateCg = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tssje = nullptr;
    KeyedCombo* comJsfs = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLabel* LSN2 = nullptr;
    QLineEdit* tsn2 = nullptr;
    QLabel* lyf = nullptr;
    QLineEdit* tyf = nullptr;
    QLabel* lbzf = nullptr;
    QLineEdit* tbzf = nullptr;
    QLabel* lfpno = nullptr;
    QLineEdit* tfpno = nullptr;
    QLabel* lfpje = nullptr;
    QLineEdit* tfpje = nullptr;
    QLineEdit* tdzl = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnDjbz = nullptr;
    QCheckBox* chkYf = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnZpAdd = nullptr;
    QPushButton* btnAddNew = nullptr;
    QPushButton* btnCgdImport = nullptr;
    QPushButton* btnInOut = nullptr;
    QAction* btnImport = nullptr;
    QAction* btnExport = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QMenu* btnPrinMenu = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;
    DataGrid* cxGridView = nullptr;
    EntryGridMenu barPopupMenu;
    BarcodePanel* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    QAction* btnPanelAdd = nullptr;
    QAction* btnPanelModi = nullptr;
    PartnerChooser* RzPanelKh = nullptr;
    QPushButton* btnKhAdd = nullptr;
    QPushButton* btnKhModi = nullptr;

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
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_ChaKan = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Lxdy = nullptr;
    QPushButton* btn_Exit = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DataGrid* cxGridSpMx0View = nullptr;
    QWidget* RzPanel_Shsp = nullptr;
    QLabel* ghsname = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnTab2Modi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnZpAdd2 = nullptr;
    QPushButton* linkMx = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRCheck = nullptr;
    QAction* btnRDel2 = nullptr;
    QAction* btnRDate = nullptr;
    QMenu* barPopupMenu3 = nullptr;
    QAction* btnRAdd2 = nullptr;
    QAction* btnRModi2 = nullptr;
    QAction* btnRDele2 = nullptr;
    QFrame* RzPanel_Kh2 = nullptr;
    DataGrid* cxGrid4View = nullptr;
    QCheckBox* chkKhAll = nullptr;
    QPushButton* btnOK2 = nullptr;
    QPushButton* btnExit2 = nullptr;

    // query tab
    QDateEdit* tdate11 = nullptr;
    QDateEdit* tdate12 = nullptr;
    QToolButton* btnMenu1 = nullptr;
    QLineEdit* tKhName1 = nullptr;
    QPushButton* btnGhsSele = nullptr;
    QLabel* lKey3 = nullptr;
    QLineEdit* tKey3 = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rHzb = nullptr;
    QRadioButton* rMxb = nullptr;
    QRadioButton* rYscm = nullptr;
    QStackedWidget* views3 = nullptr;
    DataGrid* cxGrid31View = nullptr;
    QLabel* khmsg = nullptr;
    QPushButton* linkMx3 = nullptr;
    DataGrid* cxGrid32View = nullptr;
    DataGrid* cxGrid33View = nullptr;
    QLabel* gname = nullptr;
    DataGrid* cxGrid34View = nullptr;
    DataGrid* cxGrid5View = nullptr;
    DataGrid* cxGrid6View = nullptr;
    QPushButton* btn_Chakan3 = nullptr;
    QPushButton* btn_Prin3 = nullptr;
    QPushButton* btn_Lxdy3 = nullptr;
    QPushButton* btn_Export3 = nullptr;
    QPushButton* btn_UnChk = nullptr;
    QPushButton* btn_UnChkAll = nullptr;
    QPushButton* btn_Zdth = nullptr;
    QPushButton* btn_Exit3 = nullptr;
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
    void ApplyPendingRights();
    void BuildQueryTab();
    void ApplyQueryRights();
    // Shows the shared customer panel on the tab being shown.
    void ShowCustomerPanel(QWidget* tab);
    // Reloads the pending list positioned on the number (the first row when gone).
    void ReopenPending(const QString& number);
    void ApplyRightsAndVisibility();
    void SetDocDate(const QDateTime& when);
    // The goods-in hand-over of the activation.
    void TakeOverGoodsInDoc(const QString& goodsInNo);
    // Opens a picker or browser by name while it is registered (the gift and order
    // windows come with their own subsystems' work).
    void OpenRegistered(const QString& windowClass);
    // Whether ("xsgl", 1) lets the operator change lines: the button row, the barcode
    // panel and F2 follow it.
    bool lineRights_ = false;
    QueryViewBar queryBar3_;
};

extern TF_Spxs* F_Spxs;
