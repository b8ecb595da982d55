#pragma once
#include "documents/docwindow.h"
#include "documents/entryparts.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class PartnerPanel;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;
class Query;
class Report;

// "销售订单": entry of a sales order (tab 1), the pending orders (tab 2) and the
// order query (tab 3). Lines are written under the window's number and the
// operator's name as they are entered; saving adds the header. An order posts
// nothing; approval marks it and opens it for the take-over into deliveries.
class TF_Spdd : public Form {
    Q_OBJECT
public:
    explicit TF_Spdd(QWidget* parent = nullptr);
    ~TF_Spdd() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void setButtons();
    void tSptmKeyDown();
    void btnAddOldClick();
    // "导入导出": lines read from a spreadsheet; the entry grid written to an .xls file.
    void btnImportClick();
    void btnExportClick();
    void btnModiClick();
    void btnDelClick();
    void dateCgChange();
    void tkhKeyUp();
    void btnSeleGhsClick();
    void btnKhAddClick();
    void btnKhModiClick();
    void tssjeEnter();
    void btnUserClick();
    void btnOKClick();
    void checkDj(const QString& number);

    // ---- printing ----
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();
    // A stored order in the preview (pending and query tabs).
    void ViewStored(const QString& number);

    // ---- pending tab ----
    void cxPageChange();
    void btnSearch2Click();
    void setShspList();
    void updateCheckShdjYfje();
    void btnAddClick();
    void btnTab2ModiClick();
    void btnDeleClick();
    void linkMxClick();
    void btn_DeleClick();
    void btn_CheckClick();
    void btnRCheckClick();
    void btn_ChaKanClick();
    void btn_ExportClick();
    void btn_DateClick();

    // ---- query tab ----
    void btnSearch3Click();
    void setCgsp();
    void btnRZfClick();
    void btn_UnChkClick();
    void btn_Chakan3Click();
    void btn_Export3Click();
    void linkMx3Click();
    // The caption of the void item for the selected order.
    QString VoidCaption() const;

    bool EntryHasRows() const;
    QString DocNumber() const;
    QString DocDate() const;
    QString SelectedPendingNo() const;

    QString LastDocDate;
    QString SkipNextActivation = QStringLiteral("0");

    DocWindow doc;
    Query& Q_Lsxssp;
    Query& Q_Shdj;
    Query& Q_Shsp;
    Query& Q_Cgd;
    Query& Q_Cgsp;
    Query& Q_Cgsp2;
    Report* frxReport1 = nullptr;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

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
    QLineEdit* tnote = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnInOut = nullptr;
    QAction* btnImport = nullptr;
    QAction* btnExport = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;
    DataGrid* cxGridView = nullptr;
    EntryGridMenu barPopupMenu;
    BarcodePanel* RzPanel_Tm = nullptr;
    QLineEdit* tSptm = nullptr;
    PartnerChooser* RzPanelKh = nullptr;
    QPushButton* btnKhAdd = nullptr;
    QPushButton* btnKhModi = nullptr;

    // pending tab
    QLineEdit* tGhsName = nullptr;
    QPushButton* btnSearchGhs = nullptr;
    // The customer list of the pending tab's customer field.
    PartnerPanel* RzPanel_Kh2 = nullptr;
    QLineEdit* tchkKey = nullptr;
    QComboBox* comSort = nullptr;
    QPushButton* btnSearch2 = nullptr;
    DataGrid* cxGrid2View = nullptr;
    QLabel* ghsname = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnTab2Modi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* linkMx = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btn_ChaKan = nullptr;
    QPushButton* btn_Dele = nullptr;
    QPushButton* btn_Check = nullptr;
    QPushButton* btn_Date = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Exit = nullptr;
    QAction* btnRCheck = nullptr;

    // query tab
    QDateEdit* tdate31 = nullptr;
    QDateEdit* tdate32 = nullptr;
    KeyedCombo* comCk3 = nullptr;
    QLineEdit* tKey3 = nullptr;
    QPushButton* btnSearch3 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rMxb = nullptr;
    QCheckBox* chkZf = nullptr;
    QWidget* RzPanel_Djb = nullptr;
    QWidget* RzPanel_Mxb = nullptr;
    DataGrid* cxGrid31View = nullptr;
    QLabel* LMsg = nullptr;
    QPushButton* linkMx3 = nullptr;
    DataGrid* cxGrid32View = nullptr;
    DataGrid* cxGrid33View = nullptr;
    QPushButton* btn_Chakan3 = nullptr;
    QPushButton* btn_Export3 = nullptr;
    QPushButton* btn_UnChk = nullptr;
    QPushButton* btn_Exit3 = nullptr;
    QMenu* barPopupMenu31 = nullptr;
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
    void SetDocDate(const QDateTime& when);
    void ReopenPending(const QString& number);
    bool lineRights_ = false;
    // The customer the pending tab's panel took; the list filters by the field's text.
    QString pendingCustomer_;
};

extern TF_Spdd* F_Spdd;
