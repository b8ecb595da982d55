#pragma once
#include "documents/docwindow.h"
#include "platform/grid/datagrid.h"
#include "platform/ui/keyedcombo.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

// The frame that the stock-document windows (transfer, loss and overflow,
// stock-take) share: the three tabs, the pending tab's buttons, filters and views,
// and the query tab's buttons and views. The windows keep their own controls and
// handlers under the same names; these builders create the controls into them and
// connect the handlers, so each window states only its texts, grids and extras.

// The entry tab's title ("ltitle") above its rows, in large bold type.
QLabel* AddStockTitle(QWidget* tab, QVBoxLayout* v, const QString& text);

// The document-window helper's view of the entry tab: the number in gldjh (also
// the window's CurrentDraftNo where it keeps one), the day of dateCg and the
// warehouse of comCk. The window adds what reloads its lists.
template <class W> DocHost StockDocHost(W& w)
{
    DocHost host;
    host.number = [&w] { return w.gldjh->text(); };
    host.showNumber = [&w](const QString& n) {
        w.gldjh->setText(n);
        if constexpr (requires { w.CurrentDraftNo; })
            w.CurrentDraftNo = n;
    };
    host.date = [&w] { return w.dateCg->date().toString(QStringLiteral("yyyy-MM-dd")); };
    host.warehouse = [&w] { return w.comCk->currentIndex() < 0 ? QString() : w.comCk->Code(w.comCk->currentIndex()); };
    return host;
}

// The tab widget with the entry, pending and query tabs under the window's titles.
template <class W> void BuildStockTabs(W& w, const QString& entry, const QString& pending, const QString& query)
{
    auto* box = new QVBoxLayout(&w);
    w.cxPage = new QTabWidget(&w);
    w.cxPage->setObjectName(QStringLiteral("cxPage"));
    w.cxTab1 = new QWidget;
    w.cxTab2 = new QWidget;
    w.cxTab3 = new QWidget;
    w.cxPage->addTab(w.cxTab1, entry);
    w.cxPage->addTab(w.cxTab2, pending);
    w.cxPage->addTab(w.cxTab3, query);
    box->addWidget(w.cxPage);
}

// Texts of the pending tab: the explanation above the buttons, the captions of the
// keyword box and the warehouse filter, and the caption above the lines.
struct StockPendingTexts {
    const char* note;
    const char* keyCaption;
    const char* warehouseCaption;
    const char* linesCaption;
};

// The pending tab of a stock window, around its three grids (the pending list, the
// lines of the selected document and the colour-by-size rows): the buttons 查看单据 …
// 更改日期, the filter row (keyword, warehouse, the search button, 单据表 / 颜色尺码
// and the goods box, hidden until the colour-by-size view), the lines row with
// 查看详细数量 and 新增/修改/删除商品, and the grids' right-click menu (barPopupMenu2:
// 审核单据 and 删除单据 for a window with btnRDel2, the others add their own actions).
// Answers the filter row for the window's extras.
template <class W>
QHBoxLayout* BuildStockPendingTab(
    W& w, const StockPendingTexts& texts, QPushButton* W::*search, void (W::*searchClick)(), const char* searchName)
{
    QWidget* tab = w.cxTab2;
    auto* v = new QVBoxLayout(tab);
    v->addWidget(NamedLabel(tab, texts.note));
    auto* buttons = new QHBoxLayout;
    w.btnView = NamedButton(tab, "btnView", "查看单据", buttons);
    w.btnDele = NamedButton(tab, "btnDele", "删除单据", buttons);
    auto* exit2 = NamedButton(tab, "btnExit2", "退出", buttons);
    w.btnPrin2 = NamedButton(tab, "btnPrin2", "打印", buttons);
    w.btnCheckAll = NamedButton(tab, "btnCheckAll", "审核全部", buttons);
    w.btnExport = NamedButton(tab, "btnExport", "导出", buttons);
    w.btnDate = NamedButton(tab, "btnDate", "更改日期", buttons);
    buttons->addStretch(1);
    v->addLayout(buttons);

    auto* head = new QHBoxLayout;
    head->addWidget(NamedLabel(tab, texts.keyCaption));
    w.tkey = new QLineEdit(tab);
    w.tkey->setObjectName(QStringLiteral("tkey"));
    head->addWidget(w.tkey);
    head->addWidget(NamedLabel(tab, texts.warehouseCaption));
    w.comCk2 = new KeyedCombo(tab);
    w.comCk2->setObjectName(QStringLiteral("comCk2"));
    head->addWidget(w.comCk2);
    w.*search = NamedButton(tab, searchName, "查询(F2)", head);
    w.rDjb = new QRadioButton(QStringLiteral("单据表"), tab);
    w.rDjb->setObjectName(QStringLiteral("rDjb"));
    w.rDjb->setChecked(true);
    w.rYscm = new QRadioButton(QStringLiteral("颜色尺码"), tab);
    w.rYscm->setObjectName(QStringLiteral("rYscm"));
    head->addWidget(w.rDjb);
    head->addWidget(w.rYscm);
    w.lgname = NamedLabel(tab, "商品名称编号：", "lgname");
    head->addWidget(w.lgname);
    w.tgname = new QLineEdit(tab);
    w.tgname->setObjectName(QStringLiteral("tgname"));
    head->addWidget(w.tgname);
    w.lgname->hide();
    w.tgname->hide();
    head->addStretch(1);
    v->addLayout(head);

    w.pendingViews = new QStackedWidget(tab);
    auto* list = new QWidget;
    auto* lv = new QVBoxLayout(list);
    w.cxGrid2View->setContextMenuPolicy(Qt::CustomContextMenu);
    lv->addWidget(w.cxGrid2View, 1);
    auto* mid = new QHBoxLayout;
    mid->addWidget(NamedLabel(list, texts.linesCaption));
    if constexpr (requires { w.ldjh; }) {
        w.ldjh = NamedLabel(list, "", "ldjh");
        mid->addWidget(w.ldjh);
    }
    w.linkMx = NamedButton(list, "linkMx", "查看详细数量", mid);
    mid->addStretch(1);
    w.btnAdd2 = NamedButton(list, "btnAdd2", "新增商品", mid);
    w.btnModi2 = NamedButton(list, "btnModi2", "修改商品", mid);
    w.btnDel2 = NamedButton(list, "btnDel2", "删除商品", mid);
    lv->addLayout(mid);
    lv->addWidget(w.cxGrid3View, 1);
    w.pendingViews->addWidget(list);
    w.pendingViews->addWidget(w.cxGridPdStep2View);
    v->addWidget(w.pendingViews, 1);

    w.barPopupMenu2 = new QMenu(&w);
    if constexpr (requires { w.btnRDel2; }) {
        w.btnRChk = w.barPopupMenu2->addAction(QStringLiteral("审核单据(&Y)"), &w, &W::btnRChkClick);
        w.btnRDel2 = w.barPopupMenu2->addAction(QStringLiteral("删除单据(&Z)"), &w, &W::btnDeleClick);
    }
    QObject::connect(w.cxGrid2View, &QWidget::customContextMenuRequested, &w,
        [&w](const QPoint& at) { w.barPopupMenu2->popup(w.cxGrid2View->mapToGlobal(at)); });
    QObject::connect(w.*search, &QPushButton::clicked, &w, searchClick);
    QObject::connect(w.rDjb, &QRadioButton::clicked, &w, &W::rDjbClick);
    QObject::connect(w.rYscm, &QRadioButton::clicked, &w, &W::rDjbClick);
    QObject::connect(w.btnView, &QPushButton::clicked, &w, &W::btnViewClick);
    QObject::connect(w.btnDele, &QPushButton::clicked, &w, &W::btnDeleClick);
    QObject::connect(exit2, &QPushButton::clicked, &w, &QWidget::close);
    QObject::connect(w.btnPrin2, &QPushButton::clicked, &w, &W::btnPrin2Click);
    QObject::connect(w.btnCheckAll, &QPushButton::clicked, &w, &W::btnCheckAllClick);
    QObject::connect(w.btnExport, &QPushButton::clicked, &w, &W::btnExportClick);
    QObject::connect(w.btnDate, &QPushButton::clicked, &w, &W::btnDateClick);
    QObject::connect(w.linkMx, &QPushButton::clicked, &w, &W::linkMxClick);
    QObject::connect(w.btnAdd2, &QPushButton::clicked, &w, &W::btnAdd2Click);
    QObject::connect(w.btnModi2, &QPushButton::clicked, &w, &W::btnModi2Click);
    QObject::connect(w.btnDel2, &QPushButton::clicked, &w, &W::btnDel2Click);
    QObject::connect(w.cxGrid3View, &DataGrid::rowDoubleClicked, &w, [&w] { w.btnModi2Click(); });
    return head;
}

// The query tab's buttons 查看单据, 高级查询 (the window's `advanced` button), 退出, 导出,
// 取消审核 and 打印, connected to the window's handlers; the window places the row.
template <class W>
QHBoxLayout* BuildStockQueryButtons(
    W& w, QPushButton* W::*advanced, void (W::*advancedClick)(), const char* advancedName)
{
    QWidget* tab = w.cxTab3;
    auto* buttons = new QHBoxLayout;
    w.btnView2 = NamedButton(tab, "btnView2", "查看单据", buttons);
    w.*advanced = NamedButton(tab, advancedName, "高级查询", buttons);
    auto* exit3 = NamedButton(tab, "btnExit3", "退出", buttons);
    w.btnExport2 = NamedButton(tab, "btnExport2", "导出", buttons);
    w.btnUnapprove = NamedButton(tab, "btnUnapprove", "取消审核", buttons);
    w.btnPrin3 = NamedButton(tab, "btnPrin3", "打印", buttons);
    buttons->addStretch(1);
    QObject::connect(w.btnView2, &QPushButton::clicked, &w, &W::btnView2Click);
    QObject::connect(w.*advanced, &QPushButton::clicked, &w, advancedClick);
    QObject::connect(exit3, &QPushButton::clicked, &w, &QWidget::close);
    QObject::connect(w.btnExport2, &QPushButton::clicked, &w, &W::btnExport2Click);
    QObject::connect(w.btnUnapprove, &QPushButton::clicked, &w, &W::btnUnapproveClick);
    QObject::connect(w.btnPrin3, &QPushButton::clicked, &w, &W::btnPrin3Click);
    return buttons;
}

// The query tab's choice of view (单据表, 汇总表, 明细表, 颜色尺码; a choice calls
// setQueryView) and the goods box of the colour-by-size view, hidden until then.
template <class W> void AddStockQueryViewChoice(W& w, QHBoxLayout* head)
{
    QWidget* tab = w.cxTab3;
    w.rDjb2 = new QRadioButton(QStringLiteral("单据表"), tab);
    w.rHzb2 = new QRadioButton(QStringLiteral("汇总表"), tab);
    w.rMxb2 = new QRadioButton(QStringLiteral("明细表"), tab);
    w.rYscm2 = new QRadioButton(QStringLiteral("颜色尺码"), tab);
    int view = 0;
    for (QRadioButton* r : { w.rDjb2, w.rHzb2, w.rMxb2, w.rYscm2 }) {
        r->setObjectName(QStringLiteral("rView%1").arg(view));
        head->addWidget(r);
        QObject::connect(r, &QRadioButton::clicked, &w, [&w, view] { w.setQueryView(view); });
        ++view;
    }
    w.rDjb2->setChecked(true);
    w.lgname2 = NamedLabel(tab, "商品名称编号：", "lgname2");
    head->addWidget(w.lgname2);
    w.tgname2 = new QLineEdit(tab);
    w.tgname2->setObjectName(QStringLiteral("tgname2"));
    head->addWidget(w.tgname2);
    w.lgname2->hide();
    w.tgname2->hide();
    head->addStretch(1);
}

// The query tab's views around the window's grids: the documents with the lines of
// the selected one (the number in ldjh2 where the window has it, and 查看详细数量),
// the summary per goods with the documents of the selected goods (where the window
// has one; the goods' name in lgname3), the detail lines and the colour-by-size rows.
// `linesCaption` and `summaryCaption` stand before the number and the goods' name
// (none where null).
template <class W>
void BuildStockQueryViews(W& w, QVBoxLayout* v, const char* linesCaption, const char* summaryCaption = nullptr)
{
    w.queryViews = new QStackedWidget(w.cxTab3);
    auto* djb = new QWidget;
    auto* dv = new QVBoxLayout(djb);
    dv->addWidget(w.cxGridDjbView, 1);
    auto* mid = new QHBoxLayout;
    if (linesCaption)
        mid->addWidget(NamedLabel(djb, linesCaption));
    if constexpr (requires { w.ldjh2; }) {
        w.ldjh2 = NamedLabel(djb, "", "ldjh2");
        mid->addWidget(w.ldjh2);
    }
    w.linkMx2 = NamedButton(djb, "linkMx2", "查看详细数量", mid);
    mid->addStretch(1);
    dv->addLayout(mid);
    dv->addWidget(w.cxGridDjb1View, 1);
    w.queryViews->addWidget(djb);
    if constexpr (requires { w.cxGridHzbView; }) {
        auto* hzb = new QWidget;
        auto* hv = new QVBoxLayout(hzb);
        hv->addWidget(w.cxGridHzbView, 1);
        auto* row = new QHBoxLayout;
        if (summaryCaption)
            row->addWidget(NamedLabel(hzb, summaryCaption));
        w.lgname3 = NamedLabel(hzb, "", "lgname3");
        row->addWidget(w.lgname3);
        row->addStretch(1);
        hv->addLayout(row);
        hv->addWidget(w.cxGridHzb1View, 1);
        w.queryViews->addWidget(hzb);
    }
    w.queryViews->addWidget(w.cxGridMxbView);
    w.queryViews->addWidget(w.cxGridPdStep1View);
    v->addWidget(w.queryViews, 1);
    QObject::connect(w.linkMx2, &QPushButton::clicked, &w, &W::linkMx2Click);
}

// The entry tab's buttons 添加 (the window's caption), 修改, 删除 and 打印, connected
// to the window's handlers; a window with a print menu (PopupMenu_Prin) gets 打印单据
// and 预览单据 under 打印, the others connect 打印 themselves. A double click on the
// entry grid modifies the line.
template <class W> void AddStockEntryButtons(W& w, QHBoxLayout* head, const char* addCaption)
{
    QWidget* tab = w.cxTab1;
    w.btnAdd = NamedButton(tab, "btnAdd", addCaption, head);
    w.btnModi = NamedButton(tab, "btnModi", "修改", head);
    w.btnDel = NamedButton(tab, "btnDel", "删除", head);
    w.btnPrin = NamedButton(tab, "btnPrin", "打印", head);
    if constexpr (requires { w.PopupMenu_Prin; }) {
        w.PopupMenu_Prin = new QMenu(&w);
        w.PopupMenu_Prin->addAction(QStringLiteral("打印单据(&W)"), &w, &W::btnPrintClick);
        w.PopupMenu_Prin->addAction(QStringLiteral("预览单据(&X)"), &w, &W::btnPreviewClick);
        w.btnPrin->setMenu(w.PopupMenu_Prin);
    }
    QObject::connect(w.btnAdd, &QPushButton::clicked, &w, &W::btnAddClick);
    QObject::connect(w.btnModi, &QPushButton::clicked, &w, &W::btnModiClick);
    QObject::connect(w.btnDel, &QPushButton::clicked, &w, &W::btnDelClick);
    QObject::connect(w.cxGridView, &DataGrid::rowDoubleClicked, &w, [&w] { w.btnModiClick(); });
}

// The entry grid's right-click menu (barPopupMenu): 增加, 修改 and 删除商品 and the
// print submenu; the window enables them as it pops the menu up.
template <class W> void BuildStockEntryMenu(W& w)
{
    w.barPopupMenu = new QMenu(&w);
    w.btnRAdd = w.barPopupMenu->addAction(QStringLiteral("增加商品(&W)"), &w, &W::btnAddClick);
    w.btnRModi = w.barPopupMenu->addAction(QStringLiteral("修改商品(&X)"), &w, &W::btnModiClick);
    w.btnRDel = w.barPopupMenu->addAction(QStringLiteral("删除商品(&Y)"), &w, &W::btnDelClick);
    QMenu* prin = w.barPopupMenu->addMenu(QStringLiteral("打印单据(&Z)"));
    prin->addAction(QStringLiteral("打印单据(&Y)"), &w, &W::btnPrintClick);
    prin->addAction(QStringLiteral("预览单据(&Z)"), &w, &W::btnPreviewClick);
    w.btnRPrin = prin->menuAction();
    w.cxGridView->setContextMenuPolicy(Qt::CustomContextMenu);
}

// The entry tab's closing row: 经办人 (comUser and its picker button btnUser), 备注
// (tnote, 200 characters), 保存(F5) and 退出(Esc), connected to the window's handlers.
template <class W> void AddStockEntryFooter(W& w, QHBoxLayout* bottom)
{
    QWidget* tab = w.cxTab1;
    bottom->addWidget(NamedLabel(tab, "经办人："));
    w.comUser = new KeyedCombo(tab);
    w.comUser->setObjectName(QStringLiteral("comUser"));
    bottom->addWidget(w.comUser);
    w.btnUser = NamedButton(tab, "btnUser", "...", bottom);
    bottom->addWidget(NamedLabel(tab, "备         注："));
    w.tnote = new QLineEdit(tab);
    w.tnote->setObjectName(QStringLiteral("tnote"));
    w.tnote->setMaxLength(200);
    bottom->addWidget(w.tnote, 1);
    w.btnOK = NamedButton(tab, "btnOK", "保存(F5)", bottom);
    w.btnExit = NamedButton(tab, "btnExit", "退出(Esc)", bottom);
    QObject::connect(w.btnUser, &QPushButton::clicked, &w, &W::btnUserClick);
    QObject::connect(w.btnOK, &QPushButton::clicked, &w, &W::btnOKClick);
    QObject::connect(w.btnExit, &QPushButton::clicked, &w, &QWidget::close);
}

// The window comes back on its entry tab with the pending tab on its list of
// documents (the goods box hidden).
template <class W> void ShowStockEntryTab(W& w)
{
    {
        const QSignalBlocker block(w.cxPage);
        w.cxPage->setCurrentWidget(w.cxTab1);
    }
    w.rDjb->setChecked(true);
    w.pendingViews->setCurrentIndex(0);
    w.lgname->hide();
    w.tgname->hide();
}
