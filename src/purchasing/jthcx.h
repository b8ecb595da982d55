#pragma once
#include "platform/ui/form.h"

#include <QString>

class CategoryPanel;
class DataGrid;
class KeyedCombo;
class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class Query;

// "进退货查询": approved purchase goods-in and returns of a period as documents, a
// goods summary or line detail; cancelling, paying, re-dating, viewing and printing
// them, and taking a goods-in over as a whole-document return (WholeReturnDocNo).
// Opened by the return window for each request and freed afterwards; the kind
// filter resets at each opening, the advanced restrictions stay for the whole run.
class TF_Jthcx : public Form {
    Q_OBJECT
public:
    explicit TF_Jthcx(QWidget* parent = nullptr);
    ~TF_Jthcx() override;

    void FormActivate() override;
    void btnSearchClick();
    void setJhspList();
    void setGoodsMx();
    // "数据过滤": "" all, "cj" goods-in, "ct" returns, "qk" documents with arrears.
    void SetKindFilter(const QString& kind);
    void btnAdvanceClick();
    void btnUnChkClick();
    void btnUnChkAllClick();
    void btnFkClick();
    void btnModiClick();
    void btnChakanClick();
    void btnLxdyClick();
    void btnPrinClick();
    // What "导出" offers: the main grid of the view, or the lines under it.
    void btnExportClick(bool lines = false);
    void btnZdthClick();

    // Window state kept for the run of the program.
    static QString KindFilter;
    static QString AdvWarehouse;
    static QString AdvOperator;
    static QString AdvClass;
    static QString ContinuousPrint;
    static QString DirectPrint;

    Query& Q_Jhd;
    Query& Q_Jhsp2;
    Query& Q_GoodsHZ;
    Query& Q_GoodsList;

    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QToolButton* btnMenu;
    QLineEdit* tkey;
    QComboBox* comSort;
    QComboBox* comDate;
    QRadioButton* rDjb;
    QRadioButton* rHzb;
    QRadioButton* rMxb;
    QPushButton* btnFilter;
    QMenu* PopupMenu_Filter;
    QPushButton* btnSearch;
    QPushButton* btnAdvance;
    QPushButton* btnUnChk;
    QPushButton* btnUnChkAll;
    QPushButton* btnFk;
    QPushButton* btnModi;
    QPushButton* btnChakan;
    QPushButton* btnLxdy;
    QPushButton* btnPrin;
    QPushButton* btnExport;
    QPushButton* btnZdth;
    QPushButton* btnExit;
    QStackedWidget* views;
    DataGrid* cxGridDjView;
    QLabel* ldjmsg;
    DataGrid* cxGridSpView;
    DataGrid* cxGridHzView;
    QLabel* gname;
    DataGrid* cxGridHzMxView;
    DataGrid* cxGridMxView;
    QMenu* PopupMenu_Dj;
    QAction* btnRFk;
    QMenu* PopupMenu_Sp;
    QAction* btnRZdth;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QString DateColumn(bool ledger) const;
    QString KindCondition(const QString& alias) const;
    // The number of the current document, summary-detail line or detail line.
    QString CurrentDocNo() const;
    void ShowDocument(const QString& number);
};

// "高级查询" of the goods-in and return query: period, supplier, warehouse, operator and
// goods class. "查询(F5)" sets AuxTag to "1"; the class code lands in SelectedSn.
class TF_Cgth_Zdth_Search : public Form {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth_Search(QWidget* parent = nullptr);
    void FormActivate() override;
    void btnGhsClick();
    void btnSearchClick();

    QDateEdit* tdate1;
    QDateEdit* tdate2;
    QLineEdit* tghs;
    QPushButton* btnGhs;
    KeyedCombo* comCk;
    KeyedCombo* comAdmin;
    QLineEdit* tclass;
    CategoryPanel* RzPanel_GClass;
    QPushButton* btnSearch;
    QPushButton* btnExit;
};

// The supplier picker of the advanced search: suppliers not disabled, filtered by
// the key; the chosen name goes into `target`.
class TF_Cgth_Zdth_Search_GhsSele : public Form {
    Q_OBJECT
public:
    explicit TF_Cgth_Zdth_Search_GhsSele(QLineEdit* target, QWidget* parent = nullptr);
    void FormActivate() override;
    void tkeyChange();
    void btnOKClick();
    void btnModiClick();

    QLineEdit* tkey;
    DataGrid* cxGridGhsView;
    QPushButton* btnOK;
    QPushButton* btnModi;
    QPushButton* btnExit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QLineEdit* target_;
};
