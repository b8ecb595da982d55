#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QAction;
class QCheckBox;
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

// "库存盘点": the counted quantities of one warehouse next to its book quantities.
// Approving sets the stock to the count (ApproveStockTake); the rules of saving,
// approving and of the bulk cancel after the latest stock-take are in kcpdrules.h,
// the lists and the pending grid's rules in kcpdlists.h.
class TF_Kcpd : public Form {
    Q_OBJECT
public:
    explicit TF_Kcpd(QWidget* parent = nullptr);
    ~TF_Kcpd() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void setButtons();
    bool EntryHasRows() const;
    void btnAddClick();
    void btnModiClick();
    void btnDelClick();
    void btnPrinClick();
    void btnImportClick();
    void btnUserClick();
    void dateCgChange();
    void dateCgExit();
    void btnOKClick();
    void setPrinPara(Report& report, const QString& number, const QString& flag);

    // ---- pending tab ----
    void btnSearch2Click();
    void rDjbClick();
    void setKcpdList();
    void updatePdsl();
    void btnViewClick();
    void btnDeleClick();
    void btnPrin2Click();
    void btnExportClick();
    void btnDateClick();
    void btnRChkClick();
    void btnCheckAllClick();
    void btnAdd2Click();
    void btnModi2Click();
    void btnDel2Click();
    void linkMxClick();
    // Writes the edited 数量 of a pending colour-by-size row; a text that is not a
    // number is refused and the cell keeps its value.
    void PdStep2Edited(int row, const QString& text);
    void btnRDelMxClick();
    void checkDj(const QString& number);

    // ---- query tab ----
    void btnSearch3Click();
    void setQueryView(int view);
    int QueryView() const;
    void setDjbList();
    void btnView2Click();
    void btnPrin3Click();
    void btnExport2Click();
    void btnUnCheckClick();
    void btnUnChkAllClick();
    void linkMx2Click();

    QString FutureDateAnswer;

    DocWindow doc;
    Query& Q_Kcpdsp;
    Query& Q_Kcpd;
    Query& Q_Kcpdsp2;
    Query& Q_PdStep2;
    Query& Q_Kcpdcx;
    Query& Q_Kcpdcx1;
    Query& Q_Kcpdcx2;
    Query& Q_PdStep1;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    // entry tab
    QDateEdit* dateCg = nullptr;
    QLabel* gldjh = nullptr;
    KeyedCombo* comCk = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QPushButton* btnImport = nullptr;
    DataGrid* cxGridView = nullptr;
    QLineEdit* tkcsl = nullptr;
    QLineEdit* tpdsl = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    // pending tab
    QLineEdit* tkey = nullptr;
    KeyedCombo* comCk2 = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rYscm = nullptr;
    QLabel* lgname = nullptr;
    QLineEdit* tgname = nullptr;
    QLabel* lhint = nullptr;
    QCheckBox* chkCy = nullptr;
    QPushButton* btnView = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnPrin2 = nullptr;
    QPushButton* btnCheckAll = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnDate = nullptr;
    QStackedWidget* pendingViews = nullptr;
    DataGrid* cxGrid2View = nullptr;
    QPushButton* linkMx = nullptr;
    QPushButton* btnAdd2 = nullptr;
    QPushButton* btnModi2 = nullptr;
    QPushButton* btnDel2 = nullptr;
    DataGrid* cxGrid3View = nullptr;
    DataGrid* cxGridPdStep2View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRChk = nullptr;
    QMenu* barPopupMenu3 = nullptr;

    // query tab
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QLabel* lkey3 = nullptr;
    QLineEdit* tkey3 = nullptr;
    KeyedCombo* comCk3 = nullptr;
    QPushButton* btnSearch3 = nullptr;
    QRadioButton* rDjb3 = nullptr;
    QRadioButton* rMxb3 = nullptr;
    QRadioButton* rYscm3 = nullptr;
    QLabel* lgname3 = nullptr;
    QLineEdit* tgname3 = nullptr;
    QPushButton* btnView2 = nullptr;
    QPushButton* btnPrin3 = nullptr;
    QPushButton* btnExport2 = nullptr;
    QPushButton* btnUnCheck = nullptr;
    QPushButton* btnUnChkAll = nullptr;
    QStackedWidget* queryViews = nullptr;
    DataGrid* cxGridDjbView = nullptr;
    QPushButton* linkMx2 = nullptr;
    DataGrid* cxGridDjb1View = nullptr;
    DataGrid* cxGridMxbView = nullptr;
    DataGrid* cxGridPdStep1View = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    void cxPageChange();
    QString Day() const;
    QString SelectedPendingNo() const;
    QString SelectedQueryNo() const;
    void ShowStored(const QString& number);
};

extern TF_Kcpd* F_Kcpd;
