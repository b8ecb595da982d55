#pragma once
#include "documents/docwindow.h"
#include "platform/ui/form.h"
#include "warehouse/stockkind.h"

#include <QString>

class DataGrid;
class KeyedCombo;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QWidget;
class Query;

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
    void initTab();
    void comDjlxChange();
    void openGridViewData(const QString& number);
    bool EntryHasRows() const;
    void btnAddClick();
    void btnDelClick();
    void btnOKClick();

    // ---- pending tab ----
    void btnSearchClick();
    void setBsbyshList();
    void btnDeleClick();
    void btnRChkClick();
    void btnCheckAllClick();
    void checkDJ(const QString& number);
    void checkDJBy(const QString& number);

    // ---- query tab ----
    void cxPageChange();
    void btnSearch1Click();
    void setBsbyDjb();
    void btn_DeleClick();
    void btnUnapproveClick();

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
    QPushButton* btnDel = nullptr;
    DataGrid* cxGridView = nullptr;
    KeyedCombo* comUser = nullptr;
    QLineEdit* tnote = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnExit = nullptr;

    // pending tab
    QLineEdit* tkey = nullptr;
    KeyedCombo* comCk2 = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnDele = nullptr;
    QPushButton* btnCheckAll = nullptr;
    QPushButton* btnRChk = nullptr; // 审核单据
    DataGrid* cxGrid2View = nullptr;
    QLabel* ldjh = nullptr;
    DataGrid* cxGrid3View = nullptr;

    // query tab
    QComboBox* comType = nullptr;
    QDateEdit* date1 = nullptr;
    QDateEdit* date2 = nullptr;
    QLineEdit* tkey2 = nullptr;
    QRadioButton* rDjb2 = nullptr;
    QRadioButton* rHzb2 = nullptr;
    QPushButton* btnSearch1 = nullptr;
    QPushButton* btn_Dele = nullptr; // 高级查询
    QPushButton* btnUnapprove = nullptr;
    QStackedWidget* queryViews = nullptr;
    DataGrid* cxGridDjbView = nullptr;
    DataGrid* cxGridDjb1View = nullptr;
    DataGrid* cxGridHzbView = nullptr;

private:
    void BuildEntryTab();
    void BuildPendingTab();
    void BuildQueryTab();
    QString Day() const;
    QString SelectedPendingNo() const;
    QString BoundOperator() const;
    void ApplyKindTexts();
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
