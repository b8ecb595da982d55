#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class DbTree;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Query;

// The goods catalogue browser of a stock document: the goods the document's
// warehouse holds (the department return: the open requisition lines of the
// warehouse and department), as one list or by category, searched on five fields.
// Each pick goes through the member's colour-by-size dialog into the operator's
// scratch lines (jxc_tempspxf); OK copies them with their colour-by-size rows into
// the draft on the entry tab or into the pending document selected on the pending
// tab (ActiveDocKind tells which). Each member is a class of its own (TF_Kcdb_Add,
// ...) over this design; it reaches its document window through the DocHost of its
// kind's number prefix.
class StockAdd : public Form {
    Q_OBJECT
public:
    enum class Member { Transfer, LossOverflow, StockTake, DeptIssue, DeptReturn, Production };

    void FormActivate() override;
    bool FormCloseQuery() override;
    // Loads the active tab's list.
    void cxPageChange();
    void hcjSx();
    // The grid-mode sort: the list re-queried in the order of the column.
    void cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order);
    void btnSeleClick();
    void btnModiClick();
    void btnDelClick();
    void btnRDelAllClick();
    void btnOKClick();
    void btnCancelClick();
    // "整单退回" (department return only).
    void btnZdrkClick();

    // The warehouse (and department) whose goods are listed, fixed at activation.
    QString BrowseWarehouseSn;
    QString BrowseDeptSn;

    Query& Q_Goods;
    Query& Q_Goods2;
    Query& Q_Spxf;
    Query& Q_Class;

    QLabel* Label5 = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnSele = nullptr;
    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    DataGrid* cxGridView = nullptr;
    DbTree* DBTreeView = nullptr;
    DataGrid* cxGridGoods2View = nullptr;
    DataGrid* cxGrid1View = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnZdrk = nullptr;

protected:
    StockAdd(Member member, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool Pending() const;
    QString Number() const;
    QString Prefix() const;
    DataGrid* ActiveList() const;
    Query& ActiveQuery() const;
    void OpenList(Query& q, const QString& category);
    void ReopenPicks();
    // Writes the picks into the document; false when the member stays open.
    bool CopyPicks();
    void Pick(const QString& selected, const QString& mode);

    Member member_;
    QString order_[2];
};

class TF_Kcdb_Add : public StockAdd {
    Q_OBJECT
public:
    explicit TF_Kcdb_Add(QWidget* parent = nullptr) : StockAdd(Member::Transfer, parent) { }
};
class TF_Bsby_Add : public StockAdd {
    Q_OBJECT
public:
    explicit TF_Bsby_Add(QWidget* parent = nullptr) : StockAdd(Member::LossOverflow, parent) { }
};
class TF_Kcpd_Add : public StockAdd {
    Q_OBJECT
public:
    explicit TF_Kcpd_Add(QWidget* parent = nullptr) : StockAdd(Member::StockTake, parent) { }
};
class TF_Bmly_Add : public StockAdd {
    Q_OBJECT
public:
    explicit TF_Bmly_Add(QWidget* parent = nullptr) : StockAdd(Member::DeptIssue, parent) { }
};
class TF_Bmth_Add : public StockAdd {
    Q_OBJECT
public:
    explicit TF_Bmth_Add(QWidget* parent = nullptr) : StockAdd(Member::DeptReturn, parent) { }
};
class TF_Scrk_Add : public StockAdd {
    Q_OBJECT
public:
    explicit TF_Scrk_Add(QWidget* parent = nullptr) : StockAdd(Member::Production, parent) { }
};
