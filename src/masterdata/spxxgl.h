#pragma once
#include "platform/ui/form.h"

#include <QList>
#include <QString>

class DataGrid;
class GoodsClassTree;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class Query;

// "商品信息管理": the goods category tree on the left and the goods list on the
// right, with the list's toolbar and context menu. Kept in F_Spxxgl until the
// program ends; the bulk dialogs reach the list through that global.
class TF_Spxxgl : public Form {
    Q_OBJECT
public:
    explicit TF_Spxxgl(QWidget* parent = nullptr);
    ~TF_Spxxgl() override;

    void FormActivate() override;
    void FormClose();

    // The list: requery, narrowing to a category, text search.
    void selectGoods();
    void filterGoods(const QString& classCode);
    void hcjSx();
    // The grid asked for another order (column -1: none).
    void GridSortChanged(int column, Qt::SortOrder order);
    // The footer: goods count and stock total.
    void UpdateFooter();

    // Toolbar.
    void btnAdd2Click();
    void btnModi2Click();
    void btnDele2Click();
    void btnExport2Click();
    void btnImport2Click();
    void btnTmglClick();
    void btn_PrinClick();
    void btnExit2Click();

    // Context menu of the list, in menu order.
    void PrepareGoodsMenu();
    void miCopyClick();
    void miPasteClick();
    void miChangeClassClick();
    void miBulkDeleteClick();
    void miMinStockClick();
    void miDisableClick();
    void miBulkDisableClick();
    void miShortCodeClick();
    void miShowClassGoodsClick();
    void miWholesaleClick();
    void miPresetCostClick();
    void miCancelPresetCostClick();
    void miPrintSelectedLabelsClick();
    void miPrintAllLabelsClick();
    void miViewPictureClick();
    void miLayoutClick();
    // A click on a row while "单击显示图片" is ticked.
    void ShowRowPicture();

    // The tree's move dialog; afterwards the tree and the list start again at the root.
    void OpenClassMove();
    void ReloadAfterClassMove();

    // The goods the operator selected, in selection order, as ids and as rows of Q_Goods.
    QList<qint64> SelectedIds() const;
    QList<int> SelectedRows() const;
    // Makes the grid row current (and its goods the current row of Q_Goods).
    void FocusRow(int row);
    bool HasRows() const;
    // The current goods of the list ("" without rows).
    QString FocusedValue(const QString& field) const;
    // Reopens Q_Goods with its statement, keeping the current goods where it can.
    void ReopenGoods();

    Query& Q_Goods;
    Query& ADOQueryGoodsClass;

    GoodsClassTree* classTree = nullptr;
    DataGrid* cxGridView = nullptr;
    QLineEdit* tkey = nullptr;
    QLabel* lKey = nullptr;
    QPushButton* btnKeySearch = nullptr;
    QCheckBox* chkDisp = nullptr;
    QCheckBox* chkPic = nullptr;
    QLabel* Image_Pic = nullptr;
    QLabel* lGridHint = nullptr;

    QPushButton* btnAdd2 = nullptr;
    QPushButton* btnModi2 = nullptr;
    QPushButton* btnDele2 = nullptr;
    QPushButton* btnExport2 = nullptr;
    QPushButton* btnImport2 = nullptr;
    QPushButton* btnTmgl = nullptr;
    QPushButton* btn_Prin = nullptr;
    QPushButton* btnExit2 = nullptr;
    QToolButton* btnOtherImport = nullptr;
    QAction* miImportFzdw = nullptr;
    QAction* miImportDj = nullptr;
    QAction* miImportKw = nullptr;

    QMenu* goodsMenu = nullptr;
    QAction* miAdd = nullptr;
    QAction* miModi = nullptr;
    QAction* miDele = nullptr;
    QAction* miCopy = nullptr;
    QAction* miPaste = nullptr;
    QAction* miChangeClass = nullptr;
    QAction* miBulkDelete = nullptr;
    QAction* miMinStock = nullptr;
    QAction* miDisable = nullptr;
    QAction* miBulkDisable = nullptr;
    QAction* miShortCode = nullptr;
    QAction* miShowClassGoods = nullptr;
    QAction* miWholesale = nullptr;
    QAction* miPresetCost = nullptr;
    QAction* miCancelPresetCost = nullptr;
    QAction* miPrintSelectedLabels = nullptr;
    QAction* miPrintAllLabels = nullptr;
    QAction* miPrintList = nullptr;
    QAction* miViewPicture = nullptr;
    QAction* miLayout = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void BuildGrid();
    void ApplyColumns();
    void OpenGoods(const QString& sql);
    bool SearchByStatement() const;
    void RefreshAfterDisable();
    void PrintLabels();
    void OpenFreed(const QString& windowClass);
    void UpdateWiredActions();

    // The copy buffer and the text the footer total searches in filter mode.
    qint64 copiedId_ = 0;
    bool copyPending_ = false;
    QString footerSearch_;
    QString stockFooterFormat_;
};

// Created on first use and kept until the program ends.
extern TF_Spxxgl* F_Spxxgl;

// The goods statement's common head: every goods column, the category name and the
// stock in the second unit.
QString GoodsListHead();
