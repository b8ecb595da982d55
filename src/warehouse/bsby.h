#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"
#include "warehouse/stockkind.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QAction;
class QComboBox;
class QDateEdit;
class QKeyEvent;
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

// "商品报损/报溢": goods found damaged or missing written out of a warehouse (loss,
// "BS") and goods found in excess booked in (overflow, "BY"). The entry tab's kind
// combo chooses the kind of the draft; on the pending tab and for stored documents
// the number's prefix does, and on the query tab its own kind combo. Postings and
// their reversal are the posting engine's (ApproveLoss/ApproveOverflow,
// UnapproveLoss/UnapproveOverflow).
class TF_Bsby : public Form {
    Q_OBJECT
public:
    explicit TF_Bsby(QWidget* parent = nullptr);
    ~TF_Bsby() override;

    // The kind of the entry tab's draft and the query tab's kind.
    const StockKind& EntryKind() const;
    const StockKind& QueryKind() const;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    // F2 adds goods on the entry tab and searches on the others; F5 saves.
    void FormKeyDown(int key);
    void initTab();
    void comDjlxChange();
    void openGridViewData(const QString& number);
    bool EntryHasRows() const;
    void setButtons();
    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnUserClick();
    void btnPrintClick();
    void btnPreviewClick();
    void dateCgChange();
    void dateCgExit();
    void btnOKClick();
    // Loads the kind's document template with the print data of the number: the
    // entry tab's values for the draft (flag "1"), a stored document's (flag "2").
    void setPrinPara(Report& report, const QString& number, const QString& flag);

    // ---- pending tab ----
    void btnSearchClick();
    void rDjbClick();
    void setBsbyshList();
    void btnViewClick();
    void btnDeleClick();
    void btnPrin2Click();
    void btnExportClick();
    void btnDateClick();
    void btnAdd2Click();
    void btnModi2Click();
    void btnDel2Click();
    void linkMxClick();
    void btnRChkClick();
    void btnCheckAllClick();
    void checkDJ(const QString& number);
    void checkDJBy(const QString& number);

    // ---- query tab ----
    void cxPageChange();
    void btnSearch1Click();
    void setQueryView(int view);
    int QueryView() const;
    void setBsbyDjb();
    void setBsbyHzb();
    void btnView2Click();
    void btn_DeleClick();
    void btnUnapproveClick();
    void btnPrin3Click();
    void btnExport2Click();
    void linkMx2Click();

    QString CurrentDraftNo;
    QString ReturningFromPrint;
    QString FutureDateAnswer;
    QString QueryWarehouseSn;
    QString QueryHandlerSn;
    QString QueryStockTakeOnly = QStringLiteral("0");

    DocWindow doc;
    Query& Q_Bsby;
    Query& Q_Bsbysh;
    Query& Q_Bsbysh2;
    Query& Q_Bsby1;
    Query& Q_BsbyList;
    Query& Q_BsbyHzb;
    Query& Q_BsbyList2;
    Query& Q_BsbyList3;
    Query& Q_PdStep2;
    Query& Q_PdStep1;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    // entry tab
    QLabel* ltitle = nullptr;
    QComboBox* comDjlx = nullptr;
    KeyedCombo* comCk = nullptr;
    QLabel* ldate = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* gldjh = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QMenu* PopupMenu_Prin = nullptr;
    DataGrid* cxGridView = nullptr;
    QMenu* barPopupMenu = nullptr;
    QAction* btnRAdd = nullptr;
    QAction* btnRModi = nullptr;
    QAction* btnRDel = nullptr;
    QAction* btnRPrin = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    // pending tab
    QLineEdit* tkey = nullptr;
    KeyedCombo* comCk2 = nullptr;
    QPushButton* btnSearch = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rYscm = nullptr;
    QLabel* lgname = nullptr;
    QLineEdit* tgname = nullptr;
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
    QPushButton* btnAdd2 = nullptr;
    QPushButton* btnModi2 = nullptr;
    QPushButton* btnDel2 = nullptr;
    DataGrid* cxGrid3View = nullptr;
    DataGrid* cxGridPdStep2View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRChk = nullptr; // 审核单据(&Y)
    QAction* btnRDel2 = nullptr;

    // query tab
    QComboBox* comType = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QLabel* lkey2 = nullptr;
    QLineEdit* tkey2 = nullptr;
    QRadioButton* rDjb2 = nullptr;
    QRadioButton* rHzb2 = nullptr;
    QRadioButton* rMxb2 = nullptr;
    QRadioButton* rYscm2 = nullptr;
    QLabel* lgname2 = nullptr;
    QLineEdit* tgname2 = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QPushButton* btnView2 = nullptr;
    QPushButton* btn_Dele = nullptr; // 高级查询
    QPushButton* btnUnapprove = nullptr;
    QPushButton* btnExport2 = nullptr;
    QPushButton* btnPrin3 = nullptr;
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

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    QString Day() const;
    QString SelectedPendingNo() const;
    void ReopenPending(const QString& number);
    void ApplyKindTexts();
    void ApplyPriceColumns();
    void PrintEntry(bool preview);
    void ShowStored(const QString& number);
    int lastKind_ = 0;
};

extern TF_Bsby* F_Bsby;

// "库存报损查询" / "库存报溢查询": warehouse and handler filters of the query tab and the
// stock-take-only check box; "确定(F5)" sets SelectedLineId to "1".
class TF_Bsby_Cx : public Form {
    Q_OBJECT
public:
    explicit TF_Bsby_Cx(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnOKClick();

    QLabel* lck = nullptr;
    KeyedCombo* comCk = nullptr;
    KeyedCombo* comUser = nullptr;
    class QCheckBox* chkPd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;
};
