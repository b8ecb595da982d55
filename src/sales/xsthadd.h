#pragma once
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class DbTree;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class Query;

// "增加商品(销售退货)": the goods browser of the sales return window. With
// ReturnOnlyCustomerGoods only goods the customer bought from the return's
// warehouse on approved deliveries are offered; otherwise every enabled goods.
// Picks go through the return line dialog into the operator's scratch lines and
// are confirmed as lines of the return under entry ("xsth") or of the pending
// return selected ("xsthsh"). Kept between showings; each showing starts empty.
class TF_Xsth_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Xsth_Add(QWidget* parent = nullptr);
    ~TF_Xsth_Add() override;

    void FormActivate() override;
    bool FormCloseQuery() override;
    void cxPageChange();
    void hcjSx();
    void cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order);
    void btnSeleClick();
    void btnModiClick();
    void btnDelClick();
    void btnOKClick();
    void btnCancelClick();

    // The return's warehouse and customer the lists are for.
    QString BrowseWarehouseSn;
    QString BrowseCustomerSn;

    Query& Q_GoodsTh;
    Query& Q_Goods2;
    Query& Q_Tempspxf;
    Query& Q_GoodsClassXsth;

    QLabel* Label5 = nullptr;
    QLineEdit* tkey = nullptr;
    QPushButton* btnSele = nullptr;
    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    DataGrid* cxGridView = nullptr;
    DbTree* DBTreeView = nullptr;
    DataGrid* cxGridGoods2View = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    DataGrid* ActiveList() const;
    Query& ActiveQuery() const;
    bool Pending() const;
    bool OnlyCustomerGoods() const;
    bool loading_ = false;
};

extern TF_Xsth_Add* F_Xsth_Add;
