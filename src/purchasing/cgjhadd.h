#pragma once
#include "documents/dockind.h"
#include "platform/ui/form.h"

#include <QString>

class DataGrid;
class DbTree;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class Query;

// "增加商品(采购进货)": the goods browser of the goods-in window. The operator finds
// goods in the lists, picks them one by one through the colour-by-size dialog into
// the scratch lines, and confirms them as lines of the document being entered or of
// the pending document selected (ActiveDocKind "cgjh" / "cgjhsh"). It reaches the
// document window through the kind's DocHost.
class TF_Cgjh_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Cgjh_Add(QWidget* parent = nullptr);

    void FormActivate() override;
    bool FormCloseQuery() override;
    // Loads the active tab's goods list for the boxes and the category.
    void openGoodsList();
    void hcjSx();
    void cxGridSortChange(DataGrid* grid, int column, Qt::SortOrder order);
    void btnAddClick();
    void btnNewClick();
    void btnModiClick();
    void btnDelClick();
    void btnDelAllClick();
    void btnOKClick();
    void btnCancelClick();

    Query& Q_GoodsJh;
    Query& Q_Goods2;
    Query& Q_Tempspxf;
    Query& ADOQueryGoodsClass2;

    QLabel* lkey = nullptr;
    QLineEdit* tkey = nullptr;
    QCheckBox* chkCk = nullptr;
    QCheckBox* chkGhs = nullptr;
    QTabWidget* cxPage = nullptr;
    QWidget* cxTab1 = nullptr;
    QWidget* cxTab2 = nullptr;
    DataGrid* cxGrid1View = nullptr;
    DataGrid* cxGrid2View = nullptr;
    DbTree* TreeView = nullptr;
    DataGrid* cxGrid3View = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnNew = nullptr;
    QPushButton* btnModi = nullptr;
    QPushButton* btnDel = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    // Right-click menus: the goods lists' "加入选中商品(&Z)"; the picked lines'
    // "修改(&X)", "删除(&Y)", "删除全部(&Z)".
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;

protected:
    // The order and return browsers' differences.
    struct Variant {
        const DocKind* kind;
        QString caption;     // "采购进货"
        QString dialog;      // "TF_Cgjh_Sele"
        QString modePrefix;  // "cgjh": cgjh_add, cgjh_modi
        QString pendingKind; // "cgjhsh"
        bool order = false;
        bool ret = false;
    };
    TF_Cgjh_Add(const Variant& variant, QWidget* parent);
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    DataGrid* ActiveList() const;
    Query& ActiveQuery() const;
    void Pick(bool askDuplicate);
    void ReopenPicked();
    QString Number() const;
    bool Pending() const;

    Variant variant_;
    const DocKind& kind_;
    QString warehouse_;
    QString supplier_;
    bool loading_ = false;
};

// "增加商品(采购订单)": lines of a purchase order.
class TF_Cgd_Add : public TF_Cgjh_Add {
    Q_OBJECT
public:
    explicit TF_Cgd_Add(QWidget* parent = nullptr);
};

// "增加商品(采购退货)": lines of a purchase return, listed by the return settings;
// goods without stock are refused unless zero-stock returns are allowed.
class TF_Cgth_Add : public TF_Cgjh_Add {
    Q_OBJECT
public:
    explicit TF_Cgth_Add(QWidget* parent = nullptr);
};
