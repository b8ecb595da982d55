#pragma once
#include "documents/dockind.h"
#include "documents/goodsbrowser.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class DbTree;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class Query;

// The goods list of the sales browsers. byCustomer: only goods on the customer's
// approved deliveries (from the warehouse unless zero-stock sales are allowed).
// zeroStockAllowed: every such goods with the warehouse stock, 0 where there is none
// (onlyWarehouse keeps those with a stock row there); otherwise only goods with stock
// above 0 in the warehouse. An empty category lists every category. Stock is kc_sl
// (b.kc_sl for ordering); most-sold goods first.
GoodsListQuery SalesGoodsList(bool byCustomer, bool zeroStockAllowed, bool onlyWarehouse, const QString& warehouse,
    const QString& customer, const QString& category);

// The gift browser's list: enabled gift goods with a stock row in the warehouse (and
// stock above 0 there unless zero-stock sales are allowed), most-sold first.
GoodsListQuery GiftGoodsList(bool zeroStockAllowed, const QString& warehouse, const QString& category);

// Width of the picked-goods group for a window width.
int SelectedGoodsWidth(int windowWidth);

// "增加商品(商品销售)": the goods browser of the sales delivery window (and, as
// TF_Spdd_Add, of the sales order window). Goods are picked one by one through the
// colour-by-size dialog into the operator's scratch lines and confirmed as lines of
// the document being entered ("spxs") or of the selected pending one ("spxssh").
// It reaches the document window through the kind's DocHost.
class TF_Spxs_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Spxs_Add(QWidget* parent = nullptr);

    void FormActivate() override;
    bool FormCloseQuery() override;
    void cxPageChange();
    void hcjSx();
    // Enter in the search box: searches (when searching waits for Enter) and moves to
    // the goods list, where the next Enter picks.
    void tkeyKeyPress();
    void cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order);
    void btnSeleClick();
    void btnModiClick();
    void btnDelClick();
    void btnRDelAllClick();
    void btnOKClick();
    void FormResize();

    QString BrowseWarehouseSn;
    QString BrowseCustomerSn;

    // The two goods lists (Q_Dhxsd and Q_Dhxssp in the gift browser).
    Query& Q_GoodsXs;
    Query& Q_Goods2;
    Query& Q_GCSpxs;
    Query& Q_Tempspxf;

    QLineEdit* tkey = nullptr;
    QPushButton* btnSele = nullptr;
    QCheckBox* chkCk = nullptr;
    QCheckBox* chkKh = nullptr;
    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    DataGrid* cxGridView = nullptr;
    DbTree* DBTreeView = nullptr;
    DataGrid* cxGridGoods2View = nullptr;
    QGroupBox* RzGroupBox_Sele = nullptr;
    DataGrid* cxGrid1View = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    struct Variant {
        const DocKind* kind;
        QString dialog; // the colour-by-size picker
        bool gift = false;
    };
    TF_Spxs_Add(const Variant& variant, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    DataGrid* ActiveList() const;
    Query& ActiveQuery() const;
    bool Pending() const;
    QString Number() const;
    void RunPicker(const QString& mode);

    Variant variant_;
    bool loading_ = false;
};

// The same browser on the sales order's lines.
class TF_Spdd_Add : public TF_Spxs_Add {
    Q_OBJECT
public:
    explicit TF_Spdd_Add(QWidget* parent = nullptr);
};

// "增加商品(商品销售)" for gifts: gift goods picked through the gift quantity picker,
// sorted and filtered on the loaded rows, no tick boxes, menus or duplicate question.
class TF_Spxs_Add2 : public TF_Spxs_Add {
    Q_OBJECT
public:
    explicit TF_Spxs_Add2(QWidget* parent = nullptr);
};

extern TF_Spxs_Add* F_Spxs_Add;
