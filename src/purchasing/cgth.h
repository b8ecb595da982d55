#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"

#include <QString>
#include <memory>

class DataGrid;
class KeyedCombo;
class QAction;
class QComboBox;
class QMenu;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class Report;
class SupplierPicker;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class Query;

// "采购退货": entry of a purchase return. Lines are written under the window's number
// and the operator's name as they are entered; saving adds the header with its
// amounts stored negative. A return may take over every line of a goods-in document
// ("整单退货"); the goods-in is then marked returned when the return is saved.
class TF_Cgth : public Form {
    Q_OBJECT
public:
    explicit TF_Cgth(QWidget* parent = nullptr);
    ~TF_Cgth() override;

    void FormCreate();
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int key);
    void initTab();
    void openGridViewData(const QString& number);
    void setButtons();
    void updateBottomJe();
    void dateCgChange();
    void btnAddOldClick();
    void btnModiClick();
    void btnDelClick();
    void btnOKClick();
    // Approves a saved return; false when it stays pending.
    bool checkDj(const QString& number);
    void btnZdthClick();
    void btnSeleGhsClick();
    void tghsKeyUp();
    void btnGhsModiClick();
    void btnUserClick();
    void btnDjbzClick();
    void tsfjeEnter();

    // ---- pending tab ----
    void cxPageChange();
    void btnSearchChkClick();
    void setShspList();
    void btn_CheckClick();
    void btnRCheckClick();
    void btn_DeleClick();
    void btnAddClick();
    void btnTab2ModiClick();
    void btnDeleClick();
    void updateCheckShdjYfje();
    void linkMxClick();
    void btn_DateClick();
    void btn_Chakan2Click();
    void btn_PrinClick();
    void btn_ExportClick();
    void btnSearchGhsClick();
    void tGhsNameChange();

    // ---- query tab ----
    void btnSearch2Click();
    void setThspList();
    void setThspList2();
    void linkMx3Click();
    void btn_UnChkClick();
    void btn_ChaKanClick();
    void btn_Prin3Click();
    void btn_Export3Click();

    // ---- printing ----
    // Prepares frxReport1 for one return: flag "1" takes the header from the entry
    // tab, "2" from the stored document.
    void setPrinPara(const QString& number, const QString& flag);
    void btnPrin_WClick();
    void btnPrin_XClick();

    bool EntryHasRows() const;
    // Takes every line of the goods-in over under the current number; the goods-in
    // stays with the draft and is marked returned when the return is saved.
    bool TakeOverWholeReturn(const QString& goodsInNo);

    // "1": the next activation or preparation of a document only resets the flag.
    static QString SkipNextInit;
    QString LastDocDate;
    // The goods-in document the draft took over as a whole, empty when none.
    QString wholeReturnOf;

    DocWindow doc;
    Query& Q_Thsp;
    Query& Q_Shdj;
    Query& Q_Shsp;
    Query& Q_Thd;
    Query& Q_Thsp2;
    Query& Q_GoodsHZ;
    Query& Q_GoodsListTh;
    Query& Q_GoodsList;
    std::unique_ptr<Report> frxReport1;

    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    QWidget* cxTab3 = nullptr;
    QLabel* jsn = nullptr;
    QLineEdit* tghs = nullptr;
    QPushButton* btnSeleGhs = nullptr;
    KeyedCombo* comCk = nullptr;
    QDateEdit* dateCg = nullptr;
    QGroupBox* RzGroupBox_Btns = nullptr;
    QPushButton* btnAddOld = nullptr;
    QPushButton* btnZdth = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnPrin = nullptr;
    DataGrid* cxGridView = nullptr;
    QLineEdit* tyfje = nullptr;
    QLineEdit* tsfje = nullptr;
    KeyedCombo* comUser = nullptr;
    QPushButton* btnUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnDjbz = nullptr;
    QLabel* lfpno = nullptr;
    QLineEdit* tfpno = nullptr;
    QLineEdit* tfpje = nullptr;
    QFrame* RzPanel_Yhzh = nullptr;
    KeyedCombo* comYhzh = nullptr;
    QPushButton* btnYhzhClose = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    SupplierPanel* RzPanelGhs = nullptr;
    QAction* btnPrin_W = nullptr;
    QAction* btnPrin_X = nullptr;

    // pending tab
    QLineEdit* tGhsName = nullptr;
    QPushButton* btnSearchGhs = nullptr;
    QLineEdit* tchkkey2 = nullptr;
    QComboBox* comSort = nullptr;
    QPushButton* btnSearchChk = nullptr;
    QPushButton* btn_Check = nullptr;
    QPushButton* btn_Dele = nullptr;
    QPushButton* btn_Date = nullptr;
    QPushButton* btn_Chakan2 = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btn_Export = nullptr;
    DataGrid* cxGrid6View = nullptr;
    QLabel* ghsname = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnTab2Modi = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* linkMx = nullptr;
    DataGrid* cxGrid7View = nullptr;
    QMenu* barPopupMenu2 = nullptr;
    QAction* btnRCheck = nullptr;
    SupplierPicker* RzPanel_Ghs2 = nullptr;

    // query tab
    QDateEdit* tdate1 = nullptr;
    QDateEdit* tdate2 = nullptr;
    QToolButton* btnMenu = nullptr;
    QLineEdit* tchkKey = nullptr;
    QPushButton* btnSearch2 = nullptr;
    QRadioButton* rDjb = nullptr;
    QRadioButton* rHzb = nullptr;
    QRadioButton* rMxb = nullptr;
    QStackedWidget* views = nullptr;
    DataGrid* cxGrid21View = nullptr;
    QLabel* gname = nullptr;
    QPushButton* linkMx3 = nullptr;
    DataGrid* cxGrid22View = nullptr;
    DataGrid* cxGrid23View = nullptr;
    QLabel* gname2 = nullptr;
    DataGrid* cxGrid24View = nullptr;
    DataGrid* cxGrid5View = nullptr;
    QPushButton* btn_UnChk = nullptr;
    QPushButton* btn_ChaKan = nullptr;
    QPushButton* btn_Prin3 = nullptr;
    QPushButton* btn_Export3 = nullptr;
    QPushButton* btn_Exit2 = nullptr;
    QMenu* barPopupMenu4 = nullptr;
    QAction* btnRUnChk = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    void ApplyListVisibility();
    // The number selected in the pending list, empty when the list is empty.
    QString SelectedPendingNo() const;
    void ReopenPending(const QString& number);
    void ApplyRightsAndVisibility();
    void SetDocDate(const QDate& date);
    QString DocDate() const;
    bool lineRights_ = false;
};

extern TF_Cgth* F_Cgth;
