#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"
#include "warehouse/stockkind.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QAction;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QWidget;
class Query;
class Report;

// "库存调拨": a stock transfer from an out-warehouse to an in-warehouse. The entry tab
// writes draft lines under the window's number and the operator's name as they are
// scanned or entered; saving adds the header (and approves it when the settings
// say so); the pending tab changes, approves and deletes saved documents; the query
// tab lists approved ones in four views and cancels an approval. Draft, numbering
// and closing mechanics are the document-window helper's; the postings are the
// posting engine's (ApproveTransfer, UnapproveTransfer).
class TF_Kcdb : public Form {
    Q_OBJECT
public:
    explicit TF_Kcdb(QWidget* parent = nullptr);
    ~TF_Kcdb() override;

    const StockKind& kind;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void initTab();
    void openGridViewData(const QString& number);
    void setButtons();
    void tSptmKeyUp();
    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnPrintClick();
    void btnPreviewClick();
    void btnUserClick();
    void dateCgChange();
    void dateCgCloseUp();
    void dateCgExit();
    void btnOKClick();
    bool EntryHasRows() const;
    // Loads the document template with the print data of the number and the
    // entry tab's variables (flag "1"), or a stored document's (flag "2").
    void setPrinPara(Report& report, const QString& number, const QString& flag);

    // ---- pending tab ----
    void btnSearchClick();
    void rDjbClick();
    void setShspList();
    void btnViewClick();
    void btnDeleClick();
    void btnPrin2Click();
    void btnCheckAllClick();
    void btnRChkClick();
    void btnExportClick();
    void btnDateClick();
    void btnAdd2Click();
    void btnModi2Click();
    void btnDel2Click();
    void linkMxClick();
    void checkDj(const QString& number);

    // ---- query tab ----
    void cxPageChange();
    void btnSearch2Click();
    void setQueryView(int view);
    void setDbdjb2();
    void setDbhzb2();
    void btnView2Click();
    void btnAdvancedClick();
    void btnUnapproveClick();
    void btnPrin3Click();
    void btnExport2Click();
    void linkMx2Click();

    // Module state of the window.
    QString CurrentDraftNo;
    QString ReturningFromPrint;
    QString FutureDateAnswer;
    QString QueryOutWarehouseSn;
    QString QueryInWarehouseSn;
    QString QueryHandlerSn;

    DocWindow doc;
    Query& Q_Dbsp;
    Query& Q_Kcdbsh;
    Query& Q_Kcdbsh2;
    Query& Q_PdStep2;
    Query& Q_Dbdjb;
    Query& Q_Dbdjb1;
    Query& Q_Dbhzb;
    Query& Q_Dbhzb1;
    Query& Q_Dbmxb;
    Query& Q_PdStep1;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    // entry tab
    KeyedCombo* comCk = nullptr;   // 调出仓库
    KeyedCombo* comCkIn = nullptr; // 调入仓库
    QDateEdit* dateCg = nullptr;
    QLabel* gldjh = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QMenu* PopupMenu_Prin = nullptr;
    DataGrid* cxGridView = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
    QWidget* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    QAction* btnNoRepeat = nullptr; // 同一条码不能重复添加商品(&Y)
    QAction* btnOpenModi = nullptr; // 添加完商品后打开修改窗口(&Z)
    QMenu* barPopupMenu = nullptr;
    QAction* btnRAdd = nullptr;
    QAction* btnRModi = nullptr;
    QAction* btnRDel = nullptr;
    QAction* btnRPrin = nullptr;
    QAction* btnRTm = nullptr;

    // pending tab
    QLineEdit* tkey = nullptr;
    KeyedCombo* comCk2 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rYscm = nullptr;
    QLabel* lgname = nullptr;
    QLineEdit* tgname = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnView = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnPrin2 = nullptr;
    QPushButton* btnCheckAll = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnDate = nullptr;
    QStackedWidget* pendingViews = nullptr;
    DataGrid* cxGrid2View = nullptr;
    QLabel* ldjh = nullptr;
    QPushButton* linkMx = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btnAdd2 = nullptr;
    QPushButton* btnModi2 = nullptr;
    QPushButton* btnDel2 = nullptr;
    DataGrid* cxGridPdStep2View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRChk = nullptr;
    QAction* btnRDel2 = nullptr;

    // query tab
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QLineEdit* tkey2 = nullptr;
    QRadioButton* rDjb2 = nullptr;
    QRadioButton* rHzb2 = nullptr;
    QRadioButton* rMxb2 = nullptr;
    QRadioButton* rYscm2 = nullptr;
    QLabel* lgname2 = nullptr;
    QLineEdit* tgname2 = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QPushButton* btnView2 = nullptr;
    QPushButton* btnAdvanced = nullptr;
    QPushButton* btnUnapprove = nullptr;
    QPushButton* btnPrin3 = nullptr;
    QPushButton* btnExport2 = nullptr;
    QStackedWidget* queryViews = nullptr;
    DataGrid* cxGridDjbView = nullptr;
    QLabel* ldjh2 = nullptr;
    QPushButton* linkMx2 = nullptr;
    DataGrid* cxGridDjb1View = nullptr;
    DataGrid* cxGridHzbView = nullptr;
    QLabel* lgname3 = nullptr;
    DataGrid* cxGridHzb1View = nullptr;
    DataGrid* cxGridMxbView = nullptr;
    DataGrid* cxGridPdStep1View = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    void FillCombos();
    void ApplyRights();
    void ShowLineButtons();
    QString Day() const;
    void SetDay(const QDate& day);
    QString SelectedPendingNo() const;
    void ReopenPending(const QString& number);
    // Equal warehouse names refuse saving and printing.
    bool SameWarehouses() const;
    int QueryView() const;
    QString QueryConditions(bool dates) const;
    QString BindingCondition(const QString& outAlias, const QString& inAlias) const;
    void PrintEntry(bool preview);
    void ShowStored(const QString& number);
    bool lineRights_ = false;
};

extern TF_Kcdb* F_Kcdb;

// "库存调拨高级查询": out-warehouse, in-warehouse and handler filters of the query tab;
// "确定(F5)" sets SelectedLineId to "1".
class TF_Kcdb_Cx : public Form {
    Q_OBJECT
public:
    explicit TF_Kcdb_Cx(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();
    void btnExitClick();

    KeyedCombo* comCkOut = nullptr;
    KeyedCombo* comCkIn = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};
