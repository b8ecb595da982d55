#pragma once
#include "platform/ui/form.h"

class DataGrid;
class KeyedCombo;
class MatrixGrid;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// "库存商品期初建帐": per warehouse the goods not yet set up (left) and the set-up
// goods (right); adds, changes and deletes their opening stock.
class TF_Qcjz : public Form {
    Q_OBJECT
public:
    explicit TF_Qcjz(QWidget* parent = nullptr);

    void FormActivate() override;
    void FormClose();
    void comCkxxChange();
    void tKeyChange();
    void btnAddClick();
    void btnModiClick();
    void btnSearchClick();
    void mnuClassClick();
    void mnuDeleClick();
    void mnuAllClick();
    bool FormKeyDown(int key);

    // The chosen warehouse's code and name.
    QString WarehouseSn() const;
    QString WarehouseName() const;
    void OpenGoodsList();
    void OpenStockList();

    QLineEdit* tKey;
    QPushButton* btnAdd;
    DataGrid* cxGridGoods1View;
    KeyedCombo* comCkxx;
    QLineEdit* tkey2;
    QPushButton* btnSearch;
    QPushButton* btnModi;
    QPushButton* btnExit;
    DataGrid* cxGridView;
    QGroupBox* GroupBox2;
    QMenu* PopupMenu1;
    QAction* mnuModi;
    QAction* mnuClass;
    QAction* mnuDele;
    QAction* mnuAll;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    // The quantity dialog for the goods of a row: "1" adds, "2" changes.
    void openEntry(DataGrid* grid, int row, const QString& flag);
    QString goodsOrder_;
    QString stockOrder_;
    bool resetting_ = false;
    bool open_ = false;
};

// Enters a goods' opening quantities by colour and size with its cost price.
class TF_Qcjz_Add : public Form {
    Q_OBJECT
public:
    explicit TF_Qcjz_Add(QWidget* parent = nullptr);

    void FormActivate() override;
    void btnOKClick();
    void saveValue();
    void StringGridInChange(int col, int row);

    // Set by the opener.
    QString btnFlag; // "1" add, "2" change
    QString oldSl;
    QString OldCbj;
    QString goodsSn, goodsName, unitName, warehouseSn, warehouseName, sizeGroup, colorGroup, startCost, startQty;

    QLabel* lsn;
    QLabel* lname;
    QLabel* ldw;
    QLabel* lck;
    QLineEdit* tcbj;
    MatrixGrid* StringGridIn;
    QLineEdit* tsl;
    QPushButton* btnOK;
    QPushButton* btnCancel;
};

// Deletes the set-up goods selected in the right list that have no business.
class TF_Qcjz_Dele : public Form {
    Q_OBJECT
public:
    explicit TF_Qcjz_Dele(TF_Qcjz* owner);

    void FormActivate() override;
    void btnOKClick();

    QLabel* lcount;
    QPlainTextEdit* mResult;
    QPushButton* btnOK;
    QPushButton* btnExit;

private:
    TF_Qcjz* owner_;
};
