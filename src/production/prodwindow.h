#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"
#include "production/prodkind.h"

#include <QString>

class BarcodePanel;
class DataGrid;
class KeyedCombo;
class QAction;
class QDateEdit;
class QFrame;
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

// The department and production document windows: requisition (TF_Bmly), return
// (TF_Bmth), production goods-in (TF_Scrk) and production return (TF_Sctk). Each is
// this window configured by its kind: an entry tab whose draft lines are written
// under the number and the operator's name as they are scanned or entered, with a
// department chosen from a floating panel; a pending tab; a query tab; and for the
// requisition the tab "综合查询", for the return the tab "待退回单据查询". Draft,
// numbering and closing mechanics are the document-window helper's, the rules the
// plain routines of prodrules.h, the postings the posting engine's.
class ProdDocWindow : public Form {
    Q_OBJECT
public:
    ProdDocWindow(const ProdKind& kind, QWidget* parent);
    ~ProdDocWindow() override;

    const ProdKind& kind;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void openGridViewData(const QString& number);
    void setButtons();
    bool EntryHasRows() const;
    void tSptmKeyDown();
    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void dateCgChange();
    void btnOKClick();
    void checkDj(const QString& number);
    void setPrinPara(Report& report, const QString& number, const QString& flag);
    void btnPrintClick();
    void btnPreviewClick();

    // ---- department panel (0 entry tab, 2 query tab, 3 the fourth tab) ----
    void btnDeptClick(int target);
    void tDeptChange();
    void btnDeptOKClick();
    void btnDeptExitClick();
    void btnDeptAddClick();

    // ---- pending tab ----
    void btnSearch2Click();
    void setShspList();
    void setShList() { setShspList(); }
    void updateBottomJe();
    void btnViewClick();
    void btnDeleClick();
    void btnRChkClick();
    void btnCheckAllClick();
    void btnDateClick();
    void btnAdd2Click();
    void btnModi2Click();
    void btnDel2Click();
    void btnPrin2Click();
    void btnExportClick();

    // ---- query tab: 单据表, 汇总表, 明细表 and, for the requisition, 部门表 ----
    void btnSearch3Click();
    void setQueryView(int view);
    void setDjb2();
    void setHzb2();
    void btnView3Click();
    void btnUnapproveClick();
    void btnPrin3Click();
    void btnExport3Click();

    // ---- the fourth tab: 综合查询 (requisition) or 待退回单据查询 (return) ----
    void btnSearch4Click();
    void setDjcx();
    void btn_Zdrk4Click();
    void btn_QxckClick();
    void btnView4Click();
    void btnPrin4Click();
    void btnExport4Click();

    QString ReturningFromPrint;
    QString FutureDateAnswer;

    DocWindow doc;
    Query& Q_Entry;
    Query& Q_Pending;
    Query& Q_PendingLines;
    Query& Q_Djb;
    Query& Q_Djb2;
    Query& Q_Hzb;
    Query& Q_Hzb2;
    Query& Q_Mxb;
    Query& Q_Dept2;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;
    QWidget* cxTab4 = nullptr; // requisition and return only

    // entry tab
    KeyedCombo* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QLabel* gldjh = nullptr;
    QLineEdit* tBmmc = nullptr;
    QPushButton* btnBm = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    DataGrid* cxGridView = nullptr;
    KeyedCombo* comUser = nullptr;
    QLineEdit* tsfje = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    BarcodePanel* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    QAction* btnNoRepeat = nullptr;
    QAction* btnOpenModi = nullptr;

    // department panel
    QFrame* cxPanelBm = nullptr;
    QLineEdit* tDept = nullptr;
    DataGrid* cxGridDeptView = nullptr;
    QPushButton* btnDeptAdd = nullptr;
    int deptTarget = 0;

    // pending tab
    QLineEdit* tkey = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btnCheckAll = nullptr;
    QPushButton* btnDate = nullptr;
    QPushButton* btnPrin2 = nullptr;
    QAction* btnRChk = nullptr;

    // query tab
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QLineEdit* tDept2 = nullptr;
    QLineEdit* tkey2 = nullptr;
    QLabel* lkey2 = nullptr;
    QList<QRadioButton*> views;
    QStackedWidget* queryViews = nullptr;
    DataGrid* cxGridDjbView = nullptr;
    DataGrid* cxGridDjb2View = nullptr;
    DataGrid* cxGridHzbView = nullptr;
    QLabel* lHzb = nullptr;
    DataGrid* cxGridHzb2View = nullptr;
    DataGrid* cxGridMxbView = nullptr;
    DataGrid* cxGridBmbView = nullptr;
    DataGrid* cxGridSppcView = nullptr;
    QPushButton* btnUnapprove = nullptr;
    QPushButton* btnPrin3 = nullptr;
    QAction* btnRUnapprove = nullptr;

    // fourth tab
    QDateEdit* date3 = nullptr;
    QDateEdit* date4 = nullptr;
    QLineEdit* tkey4 = nullptr;
    QLineEdit* tDept4 = nullptr;
    DataGrid* cxGrid4View = nullptr;
    DataGrid* cxGrid5View = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void BuildEntryTab();
    void BuildDeptPanel();
    void BuildPendingTab();
    void BuildQueryTab();
    void BuildFourthTab();
    void FillCombos();
    void ApplyRights();
    QString Day() const;
    QString SelectedPendingNo() const;
    void ReopenPending(const QString& number);
    void ShowStored(const QString& number);
    void PrintEntry(bool preview);
    void TakeOver();
    int QueryView() const;
    void PickDept(const QString& sn, const QString& name);
};

class TF_Bmly : public ProdDocWindow {
    Q_OBJECT
public:
    explicit TF_Bmly(QWidget* parent = nullptr);
    ~TF_Bmly() override;
};
class TF_Bmth : public ProdDocWindow {
    Q_OBJECT
public:
    explicit TF_Bmth(QWidget* parent = nullptr);
    ~TF_Bmth() override;
};
class TF_Scrk : public ProdDocWindow {
    Q_OBJECT
public:
    explicit TF_Scrk(QWidget* parent = nullptr);
    ~TF_Scrk() override;
};
class TF_Sctk : public ProdDocWindow {
    Q_OBJECT
public:
    explicit TF_Sctk(QWidget* parent = nullptr);
    ~TF_Sctk() override;
};

extern TF_Bmly* F_Bmly;
extern TF_Bmth* F_Bmth;
extern TF_Scrk* F_Scrk;
extern TF_Sctk* F_Sctk;

// The window of a kind, when it exists.
ProdDocWindow* ProdWindowOf(const ProdKind& kind);
