#pragma once
#include <QFrame>
#include <QPoint>
#include <QString>
#include <functional>

class DataGrid;
class QBoxLayout;
class KeyedCombo;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// Parts that the entry tabs of the document windows share: the floating barcode
// panel, the entry grid's right-click menu and the cash-account panel. A window
// builds them and keeps pointers under its own control names.

// "条码：" with the panel's menu ("隐藏条码输入面板(&X)", the two ticks "同一条码不能重复
// 添加商品(&Y)" and "添加完商品后打开修改窗口(&Z)", both off) and its close button; it is
// dragged by its two images.
class BarcodePanel : public QFrame {
    Q_OBJECT
public:
    explicit BarcodePanel(QWidget* parent);

    void btnPanelMenuClick();
    void btnPanelCloseClick();
    // 16 pixels from the left; 388 from the top in a window at most 650 pixels high,
    // otherwise 150 above the bottom of the entry tab.
    void Place(int windowHeight, int tabHeight);

    QLabel* img_Tm = nullptr;
    QLabel* img_Move = nullptr;
    QLineEdit* tSptm = nullptr;
    QPushButton* btnPanelMenu = nullptr;
    QPushButton* btnPanelClose = nullptr;
    QMenu* PopupMenu_Tm = nullptr;
    QAction* btnPanelAdd = nullptr;
    QAction* btnPanelModi = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QPoint dragStart_;
};

// The entry grid's right-click menu: add, modify and delete goods, the print submenu
// and the barcode panel's toggle. Modify, delete and print are enabled only while
// the grid has lines (printing also not while NoPrintBeforeSave is on); the toggle
// reads "隐藏…" or "显示条码输入面板(&Z)" as the panel is shown or not.
struct EntryGridMenu {
    QMenu* menu = nullptr;
    QAction* btnRAdd = nullptr;
    QAction* btnRModi = nullptr;
    QAction* btnRDel = nullptr;
    QMenu* btnPrinSub = nullptr;
    QAction* btnRTm = nullptr;
};
struct EntryGridActions {
    QString addCaption; // "新增商品(&V)", "增加商品(&V)"
    QString printCaption;
    QString previewCaption;
    std::function<void()> add, modify, remove, print, preview;
    std::function<bool()> hasLines;
};
EntryGridMenu NewEntryGridMenu(QWidget* owner, DataGrid* grid, BarcodePanel* panel, const EntryGridActions& actions);

// "导入导出" (hint "模板中标题为红色的列,要求必须输入！") added to the row, with its menu:
// the spreadsheet import of lines and the export of the entry grid to a file.
QPushButton* NewInOutButton(QWidget* parent, QBoxLayout* row, const QString& importCaption,
    const QString& exportCaption, QAction*& importItem, QAction*& exportItem, const std::function<void()>& onImport,
    const std::function<void()>& onExport);

// "同时选择收款账户：" / "同时选择付款账户：" with the account combo and its "X".
QFrame* NewAccountPanel(QWidget* parent, const char* caption, KeyedCombo*& comYhzh, QPushButton*& btnYhzhClose);
// Whether the cash-account panel is offered at all (UseCashBank).
bool AccountPanelOffered();
