#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"

#include <QString>

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
class QTabWidget;
class QToolButton;
class QWidget;
class Query;
class Report;

// "销售退货": entry of a sales return (tab 1), the saved returns waiting for approval
// (tab 2) and the approved returns (tab 3). Lines come from the return browser and
// are changed through the return line dialog; saving adds the header with its
// amounts negative and the rest on account. A return may take over every line of a
// sales delivery; the delivery is marked returned when that return is saved.
class TF_Xsth : public Form {
    Q_OBJECT
public:
    explicit TF_Xsth(QWidget* parent = nullptr);
    ~TF_Xsth() override;

    // ---- entry tab ----
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void initTab();
    void openGridViewData(const QString& number);
    void updateBottomJe();
    void setButtons();
    void dateCgChange();
    void btnAddOldClick();
    void btnModiClick();
    void btnDelClick();
    void btnOKClick();
    void checkDj(const QString& number, const QString& headerOperator = QString());
    void btnZdthClick();
    void btnSeleGhsClick();
    void tkhKeyUp();
    void btnKhModiClick();
    void btnUserClick();
    void tssjeEnter();
    // Takes every line of the sales delivery over under a new number.
    bool TakeOverWholeReturn(const QString& deliveryNo);

    // ---- printing ----
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();
    void ViewStoredDocument(const QString& number);

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
    void btn_DateClick();
    void btn_ExportClick();
    void btn_ChaKanClick();
    void btn_PrinClick();
    void btn_CheckClick();
    void btnRCheckClick();
    void tGhsNameChange();
    void btnSearchGhsClick();
    void btnOK2Click();
    void btnExit2Click();
    void chkKhAllClick();
    QString SelectedPendingNo() const;

    // ---- query tab ----
    void btnSearch3Click();
    void QueryViewChanged();
    void setDjDetailList();
    void setGoodsList();
    void linkMx3Click();
    void btn_ChaKan3Click();
    void btn_UnChkClick();
    void btn_Prin3Click();
    void btn_Export3Click();

    bool EntryHasRows() const;
    QString DocNumber() const;
    QString DocDate() const;

    QString LastDocDate;
    QString SkipNextActivation = QStringLiteral("0");
    // The delivery the draft took over as a whole, empty when none: it stays with the
    // draft until that is saved or discarded.
    QString wholeReturnOf;

    DocWindow doc;
    Query& Q_Xsth;
    Query& Q_Shdj;
    Query& Q_Shsp;
    Query& Q_Xsthd;
    Query& Q_Xsth2;
    Query& Q_GoodsKhHZ;
    Query& Q_GoodsXsth;
    Query& Q_GoodsList;
    Report* frxReport1 = nullptr;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;

    QLabel* gldjh = nullptr;
    QLineEdit* tkh = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    KeyedCombo* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnZdth = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;
    DataGrid* cxGridView = nullptr;
    QMenu* barPopupMenu = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tssje = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLineEdit* tnote = nullptr;
    QLabel* lFp = nullptr;
    QLineEdit* tfpno = nullptr;
    QLineEdit* tfpje = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    PartnerChooser* RzPanelKh = nullptr;

    // pending tab
    QLineEdit* tGhsName = nullptr;
    QPushButton* btnSearchGhs = nullptr;
    QLineEdit* tchkKey = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QComboBox* comSort = nullptr;
    QPushButton* btn_ChaKan = nullptr;
    QPushButton* btn_Dele = nullptr;
    QPushButton* btn_Exit = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Check = nullptr;
    QPushButton* btn_Export = nullptr;
    QPushButton* btn_Date = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnTab2Modi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* linkMx = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRCheck = nullptr;
    QAction* btnRDate = nullptr;
    QFrame* RzPanel_Kh2 = nullptr;
    DataGrid* cxGrid4View = nullptr;
    QCheckBox* chkKhAll = nullptr;
    QPushButton* btnOK2 = nullptr;
    QPushButton* btnExit2 = nullptr;

    // query tab
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnMenu = nullptr;
    QLineEdit* tchkKey3 = nullptr;
    QPushButton* btnSearch3 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rHzb = nullptr;
    QRadioButton* rMxb = nullptr;
    QPushButton* btn_ChaKan3 = nullptr;
    QPushButton* cxButton2 = nullptr;
    QPushButton* btn_Prin3 = nullptr;
    QPushButton* btn_UnChk = nullptr;
    QPushButton* btn_Export3 = nullptr;
    DataGrid* cxGrid31View = nullptr;
    QLabel* gname = nullptr;
    DataGrid* cxGrid32View = nullptr;
    QPushButton* linkMx3 = nullptr;
    DataGrid* cxGrid33View = nullptr;
    QLabel* gname2 = nullptr;
    DataGrid* cxGrid34View = nullptr;
    DataGrid* cxGrid35View = nullptr;
    QWidget* pageDjb = nullptr;
    QWidget* pageHzb = nullptr;
    QMenu* barPopupMenu3 = nullptr;
    QAction* btnRUnChk = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    void ApplyRightsAndVisibility();
    void SetDocDate(const QDate& date);
    void ReopenPending(const QString& number);
    // "查看详细数量" of a line or ledger row (nothing when it has no line link).
    void ShowDetailQuantities(Query& rows);
    // The query tab's period and key as its statements use them.
    QString QueryBound(const char* alias) const;
    bool lineRights_ = false;
};

extern TF_Xsth* F_Xsth;
